// Copy, cut, paste and delete of the grid's selection.
#include "gridlib/grid/grid_clipboard.h"

#include <functional>
#include <optional>
#include <vector>

#include "gridlib/controls/db_utils_ex.h"
#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/cell_editing.h"
#include "gridlib/grid/clipboard_formats.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/grid_selection.h"
#include "gridlib/grid/grid_texts.h"
#include "platform/controls/message_box.h"
#include "platform/core/format.h"
#include "platform/core/scope_guard.h"
#include "platform/data/field.h"
#include "platform/data/field_kinds.h"
#include "platform/graphics/graphics_objects.h"

namespace {

// A cell's value as the private format keeps it: its text, or nothing for Null.
using TCellValue = std::optional<String>;
using TCellRow = std::vector<TCellValue>;
using TCellBlock = std::vector<TCellRow>;

constexpr const char* kPrivateHeader = "DBGRIDIF\t1";

// ---- What is selected.

std::vector<TColumnEx*> VisibleColumns(TDBGridExHost* grid, int first, int last) {
  std::vector<TColumnEx*> columns;
  TDBGridColumnsEx* all = grid->Columns();
  for (int i = std::max(0, first); i <= last && i < all->Count(); ++i)
    if (all->Items(i)->Visible()) columns.push_back(all->Items(i));
  return columns;
}

std::vector<TColumnEx*> SelectedColumns(TDBGridExHost* grid, bool wholeGrid) {
  TDBGridExSelection* selection = grid->Selection();
  if (!wholeGrid && selection->SelectionType() == gstRectangle)
    return VisibleColumns(grid, selection->Rect()->GetLeftCol(), selection->Rect()->GetRightCol());
  if (!wholeGrid && selection->SelectionType() == gstColumns) {
    std::vector<TColumnEx*> columns;
    for (int i = 0; i < selection->Columns()->Count(); ++i) columns.push_back(selection->Columns()->Items(i));
    return columns;
  }
  return VisibleColumns(grid, 0, grid->Columns()->Count() - 1);
}

// Makes each named record that still exists current in turn.
void VisitRecords(TDataSet* dataSet, const std::vector<TBookmark>& records, const std::function<void()>& visit) {
  for (const TBookmark& record : records) {
    if (!dataSet->BookmarkValid(record)) continue;
    dataSet->GotoBookmark(record);
    visit();
  }
}

// Makes each record still there between the rectangle's corners current in turn, in data-set
// order. A corner record deleted or filtered out meanwhile still marks where the rectangle
// ends: bookmarks of records that went keep their place among the others.
void VisitRectangle(TDataSet* dataSet, TDBGridExSelectionRect* rect, const std::function<void()>& visit) {
  const TBookmark top = rect->GetTopRow();
  const TBookmark bottom = rect->GetBottomRow();
  if (dataSet->BookmarkValid(top)) dataSet->GotoBookmark(top);
  else dataSet->First();
  for (; !dataSet->Eof(); dataSet->Next()) {
    const TBookmark here = dataSet->GetBookmark();
    if (dataSet->CompareBookmarks(here, bottom) > 0) return;
    if (dataSet->CompareBookmarks(here, top) >= 0) visit();
  }
}

// Makes each selected record current in turn, in data-set order; the current record is back
// afterwards, and the grid hears nothing meanwhile.
void ForEachSelectedRecord(TDBGridExHost* grid, bool wholeGrid, const std::function<void()>& visit) {
  TDataSet* dataSet = grid->DataLink()->DataSet();
  TKeptCursorEx kept(dataSet);
  TDBGridExSelection* selection = grid->Selection();
  const TDBGridExSelectionType type = wholeGrid ? gstAll : selection->SelectionType();
  if (type == gstNon) return;
  if (type == gstRecordBookmarks) {
    TBookmarkListEx* rows = grid->SelectedRows();
    std::vector<TBookmark> records;
    for (int i = 0; i < rows->Count(); ++i) records.push_back(rows->Items(i));
    return VisitRecords(dataSet, records, visit);
  }
  if (type == gstRectangle) return VisitRectangle(dataSet, selection->Rect(), visit);
  for (dataSet->First(); !dataSet->Eof(); dataSet->Next()) visit();
}

// As above for a visit that writes: a posted record may move to its sorted place, so the
// records are named before the first write and visited by name.
void WriteEachSelectedRecord(TDBGridExHost* grid, const std::function<void()>& write) {
  TDataSet* dataSet = grid->DataLink()->DataSet();
  std::vector<TBookmark> records;
  ForEachSelectedRecord(grid, false, [&] { records.push_back(dataSet->GetBookmark()); });
  TKeptCursorEx kept(dataSet);
  VisitRecords(dataSet, records, write);
}

// ---- Formats.

String Escaped(const String& text) {
  String out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  return out;
}

TCellValue Unescaped(const String& cell) {
  if (cell == "\\N") return std::nullopt;
  String out;
  for (size_t i = 0; i < cell.size(); ++i) {
    if (cell[i] != '\\' || i + 1 == cell.size()) {
      out += cell[i];
      continue;
    }
    const char next = cell[++i];
    out += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next;
  }
  return out;
}

std::vector<String> Split(const String& text, char separator) {
  std::vector<String> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == String::npos ? String::npos : end - start));
    if (end == String::npos) return parts;
    start = end + 1;
  }
}

// Lines ending in CR LF, LF or a CR alone; a last empty line (after the final break) is no row.
std::vector<String> Lines(const String& text) {
  std::vector<String> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      lines.back() += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.emplace_back();
  }
  if (lines.back().empty()) lines.pop_back();
  return lines;
}

TCellBlock ParsePlainText(const String& text) {
  TCellBlock block;
  for (const std::vector<String>& line : ParseTabSeparatedText(text)) block.emplace_back(line.begin(), line.end());
  return block;
}

TCellBlock ParsePrivate(const String& text) {
  std::vector<String> lines = Lines(text);
  TCellBlock block;
  if (lines.empty() || lines.front() != kPrivateHeader) return block;
  for (size_t i = 1; i < lines.size(); ++i) {
    TCellRow row;
    for (const String& cell : Split(lines[i], '\t')) row.push_back(Unescaped(cell));
    block.push_back(std::move(row));
  }
  return block;
}

// What the text formats carry of a cell: what it shows, or the value's own text where the
// cell shows none of it (a memo's placeholder, a check box, an image), so that another program
// gets the value and a paste of that text gives the cell its value back.
String CellText(TColumnEx* column) {
  TField* field = column->Field();
  if (field == nullptr) return String();
  const TColumnCellType type = column->GetColumnType();
  const bool memo = field->IsBlob() && IsTextType(field->DataType());
  return memo || type == cctCheckboxes || type == cctImageList ? field->EditText() : column->DisplayText();
}

void SetNamedFormat(TClipboard* clipboard, const char* name, const String& text) {
  clipboard->SetBuffer(RegisterClipboardFormat(name), text.data(), text.size());
}

// The texts as plain and Unicode text, comma-separated values and a rich-text table; the
// values in the grid's own format.
void PutOnClipboard(TDBGridExHost* grid, const std::vector<TColumnEx*>& columns, const TClipboardTextRows& texts,
                    const String& privateText) {
  std::vector<int> widths;
  for (TColumnEx* column : columns) widths.push_back(column->Width());
  TClipboard* clipboard = Clipboard();
  clipboard->Open();
  ScopeGuard close([clipboard] { clipboard->Close(); });
  clipboard->Clear();
  clipboard->SetAsText(TabSeparatedText(texts));
  SetNamedFormat(clipboard, "Csv", CommaSeparatedText(texts));
  SetNamedFormat(clipboard, "Rich Text Format", RichTextTable(texts, widths, grid->GridFont()->Name()));
  clipboard->SetBuffer(DBGRIDIFClipboardFormat(), privateText.data(), privateText.size());
}

TCellBlock ClipboardCells() {
  TClipboard* clipboard = Clipboard();
  if (clipboard->HasFormat(DBGRIDIFClipboardFormat())) {
    const TClipboardData data = clipboard->GetBuffer(DBGRIDIFClipboardFormat());
    TCellBlock block = ParsePrivate(String(data.begin(), data.end()));
    if (!block.empty()) return block;
  }
  return clipboard->HasFormat(CF_TEXT) ? ParsePlainText(clipboard->AsText()) : TCellBlock{};
}

// ---- Writing cells.

bool Writable(TColumnEx* column) {
  TField* field = column->Field();
  return field != nullptr && !column->ReadOnly() && !field->Lookup() && field->CanModify();
}

// A text longer than its cell takes is refused, as typing stops at that length: cutting it
// would store something nobody pasted.
void CheckFits(TColumnEx* column, const TCellValue& value) {
  const int limit = ColumnTextLimit(column);
  if (limit > 0 && value.has_value() && CharLength(*value) > limit)
    DatabaseError(Format(grid_texts::SPastedTextTooLong, {column->Title()->CaptionAsRead(), limit}));
}

// A value from the private format goes in as it was; a text from elsewhere as the cell would
// take it typed, a pick-list text of a key-list column as its key.
void WriteCell(TColumnEx* column, const TCellValue& value, bool fromPrivate) {
  TField* field = column->Field();
  CheckFits(column, value);
  if (!value.has_value()) return field->Clear();
  if (fromPrivate) return field->SetAsString(*value);
  // Other programs (or an older copy) may hand back what a grid shows in place of a memo or
  // a blob: that is no data to store.
  if (field->IsBlob() && TBlobField::IsPlaceholder(*value)) return;
  if (column->GetColumnType() == cctKeyList) {
    const int index = column->PickList()->IndexOf(*value);
    const bool known = index >= 0 && index < column->KeyList()->Count();
    return column->UpdateDataValues(*value, known ? Variant(column->KeyList()->Strings(index)) : Variant::Null(), false);
  }
  column->UpdateDataValues(*value, Variant(*value), true);
}

// A value the field refuses stops the paste with the field's error; that record keeps the
// values it had (records written before it stay written).
void WriteRecord(TDataSet* dataSet, const std::vector<TColumnEx*>& columns, const TCellRow& row, bool fromPrivate) {
  if (dataSet->State() != dsInsert) dataSet->Edit();
  ScopeGuard undo([dataSet] { dataSet->Cancel(); });
  for (size_t c = 0; c < columns.size() && c < row.size(); ++c)
    if (Writable(columns[c])) WriteCell(columns[c], row[c], fromPrivate);
  dataSet->Post();
  undo.Keep();
}

// Into a rectangle the block repeats until the rectangle is full.
void PasteIntoRectangle(TDBGridExHost* grid, const TCellBlock& block, bool fromPrivate) {
  const std::vector<TColumnEx*> columns = SelectedColumns(grid, false);
  TDataSet* dataSet = grid->DataLink()->DataSet();
  size_t record = 0;
  WriteEachSelectedRecord(grid, [&] {
    const TCellRow& source = block[record++ % block.size()];
    TCellRow row;
    for (size_t c = 0; c < columns.size(); ++c) row.push_back(source[c % source.size()]);
    WriteRecord(dataSet, columns, row, fromPrivate);
  });
}

// The `count` records from the current one on, named before any of them is written.
std::vector<TBookmark> RecordsFromCurrent(TDataSet* dataSet, size_t count) {
  std::vector<TBookmark> records;
  for (size_t r = 0; r < count; ++r) {
    if (r > 0 && dataSet->MoveBy(1) == 0) break;
    records.push_back(dataSet->GetBookmark());
  }
  return records;
}

// Starts a new record for the next line: right after the record written last where inserting
// is allowed (at the end when that was the last), else at the end.
void StartNextRecord(TDataSet* dataSet, TDBGridExAllowedOperations allowed) {
  if (allowed.Contains(alopInsertEx) && dataSet->MoveBy(1) != 0) dataSet->Insert();
  else dataSet->Append();
}

// Lines left over for want of a record are refused in words, not dropped: the user sees that
// the paste stopped short, and by how much.
void RefuseLinesLeft(size_t count) {
  if (count > 0) DatabaseError(Format(grid_texts::SPastedLinesNotAdded, {static_cast<int>(count)}));
}

// A new record being inserted takes the first line, and each further line becomes a new
// record after it, where records may be added at all: no record that was there is touched.
void PasteIntoNewRecord(TDBGridExHost* grid, const std::vector<TColumnEx*>& columns, const TCellBlock& block,
                        bool fromPrivate) {
  TDataSet* dataSet = grid->DataLink()->DataSet();
  const TDBGridExAllowedOperations allowed = grid->AllowedOperations();
  size_t line = 0;
  WriteRecord(dataSet, columns, block[line++], fromPrivate);
  for (; line < block.size() && (allowed.Contains(alopInsertEx) || allowed.Contains(alopAppendEx)); ++line) {
    StartNextRecord(dataSet, allowed);
    WriteRecord(dataSet, columns, block[line], fromPrivate);
  }
  RefuseLinesLeft(block.size() - line);
}

// The lines go into the records from the current one on, and lines past the last record
// become new records where appending is allowed.
void PasteOverRecords(TDBGridExHost* grid, const std::vector<TColumnEx*>& columns, const TCellBlock& block,
                      bool fromPrivate) {
  TDataSet* dataSet = grid->DataLink()->DataSet();
  const TBookmark start = dataSet->GetBookmark();
  size_t line = 0;
  VisitRecords(dataSet, RecordsFromCurrent(dataSet, block.size()),
               [&] { WriteRecord(dataSet, columns, block[line++], fromPrivate); });
  for (; line < block.size() && grid->AllowedOperations().Contains(alopAppendEx); ++line) {
    dataSet->Append();
    WriteRecord(dataSet, columns, block[line], fromPrivate);
  }
  if (dataSet->BookmarkValid(start)) dataSet->GotoBookmark(start);
  RefuseLinesLeft(block.size() - line);
}

// From the current cell on, into the visible columns from there.
void PasteFromCurrentCell(TDBGridExHost* grid, const TCellBlock& block, bool fromPrivate) {
  TDataSet* dataSet = grid->DataLink()->DataSet();
  const std::vector<TColumnEx*> columns = VisibleColumns(grid, grid->SelectedIndex(), grid->Columns()->Count() - 1);
  DisableControlsGuard quiet(dataSet);
  if (dataSet->State() == dsInsert) PasteIntoNewRecord(grid, columns, block, fromPrivate);
  else if (grid->AllowedOperations().Contains(alopUpdateEx)) PasteOverRecords(grid, columns, block, fromPrivate);
}

bool Confirmed(const String& question, TDBGridExHost* grid) {
  return !grid->Options().Contains(dgConfirmDelete) ||
         MessageDlg(question, mtConfirmation, {mbOK, mbCancel}) == mrOk;
}

void DeleteAllRecords(TDataSet* dataSet) {
  DisableControlsGuard quiet(dataSet);
  dataSet->First();
  while (!dataSet->IsEmpty()) dataSet->Delete();
}

void ClearSelectedCells(TDBGridExHost* grid) {
  const std::vector<TColumnEx*> columns = SelectedColumns(grid, false);
  TDataSet* dataSet = grid->DataLink()->DataSet();
  const TCellRow nulls(columns.size(), std::nullopt);
  WriteEachSelectedRecord(grid, [&] { WriteRecord(dataSet, columns, nulls, true); });
}

}  // namespace

bool ConfirmRecordDelete(TDBGridExHost* grid, int count) {
  return Confirmed(count < 2 ? grid_texts::SDeleteRecordQuestion : grid_texts::SDeleteMultipleRecordsQuestion, grid);
}

TClipboardFormat DBGRIDIFClipboardFormat() {
  static const TClipboardFormat format = RegisterClipboardFormat("DBGRIDIF");
  return format;
}

void DBGridExCopyToClipboard(TDBGridExHost* grid, bool wholeGrid) {
  if (!grid->DataLink()->Active()) return;
  const std::vector<TColumnEx*> columns = SelectedColumns(grid, wholeGrid);
  TClipboardTextRows texts;
  String privateText = String(kPrivateHeader) + "\r\n";
  ForEachSelectedRecord(grid, wholeGrid, [&] {
    std::vector<String>& row = texts.emplace_back();
    for (size_t c = 0; c < columns.size(); ++c) {
      TField* field = columns[c]->Field();
      row.push_back(CellText(columns[c]));
      const bool null = field == nullptr || field->IsNull();
      privateText += (c > 0 ? "\t" : "") + (null ? String("\\N") : Escaped(field->AsString()));
    }
    privateText += "\r\n";
  });
  PutOnClipboard(grid, columns, texts, privateText);
}

void DBGridExCutToClipboard(TDBGridExHost* grid, bool wholeGrid) {
  DBGridExCopyToClipboard(grid, wholeGrid);
  DBGridExDeleteSelection(grid, wholeGrid);
}

void DBGridExPasteFromClipboard(TDBGridExHost* grid, bool wholeGrid) {
  if (!grid->DataLink()->Active()) return;
  const bool fromPrivate = Clipboard()->HasFormat(DBGRIDIFClipboardFormat());
  const TCellBlock block = ClipboardCells();
  if (block.empty()) return;
  // A rectangle is made of records that are there: only a grid that may update them fills it,
  // and not while a new record is being inserted, where the paste starts.
  const bool rectangle = !wholeGrid && grid->Selection()->SelectionType() == gstRectangle &&
                         grid->DataLink()->DataSet()->State() != dsInsert;
  if (rectangle && grid->AllowedOperations().Contains(alopUpdateEx))
    PasteIntoRectangle(grid, block, fromPrivate);
  else
    PasteFromCurrentCell(grid, block, fromPrivate);
}

void DBGridExDeleteSelection(TDBGridExHost* grid, bool wholeGrid) {
  if (!grid->DataLink()->Active()) return;
  TDataSet* dataSet = grid->DataLink()->DataSet();
  const TDBGridExSelectionType type = wholeGrid ? gstAll : grid->Selection()->SelectionType();
  switch (type) {
    case gstRecordBookmarks: {
      if (ConfirmRecordDelete(grid, grid->SelectedRows()->Count())) grid->SelectedRows()->Delete();
      return;
    }
    case gstAll:
      if (Confirmed(grid_texts::SDeleteMultipleRecordsQuestion, grid)) DeleteAllRecords(dataSet);
      return;
    case gstRectangle: case gstColumns:
      if (Confirmed(grid_texts::SClearSelectedCellsQuestion, grid)) ClearSelectedCells(grid);
      return;
    case gstNon:
      return;
  }
}
