// Long repeatable runs of what a user and a calling program do to a focused grid: keys, clicks,
// typing, the clipboard, column changes, the filter row and sorting, over both stores. Beside
// the grid the run keeps a plain table of the records the store must hold; after every step
// the records read back from the store must equal it, and the grid's current record and its
// editor must agree with it. A failure names the run's start number and every step taken, so
// the run can be repeated. GRID_RANDOM_STEPS sets the steps of a run, GRID_RANDOM_RUNS ("7,8,9")
// the start numbers, for longer runs by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <sstream>

#include "gridlib/controls/inplace_filter_edit.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/filter_editor_placement.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/data/sqlite_access.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/focus.h"
#include "platform/windows/messages.h"
#include "tests/grid/grid_edit_support.h"

namespace grid_test {
namespace {

// The items' fields in store order, and a record as the text of each value ("-" for Null).
enum FieldIndex { kId, kName, kAmount, kFlag, kCode, kNote, kFieldCount };
constexpr const char* kFieldNames[kFieldCount] = {"ID", "Name", "Amount", "Flag", "Code", "Note"};
using Row = std::array<std::string, kFieldCount>;

std::string Canonical(int field, const Variant& value) {
  if (value.IsEmptyOrNull()) return "-";
  switch (field) {
    case kId: return std::to_string(value.AsInteger());
    case kAmount: return std::to_string(std::llround(value.AsDouble() * 100));
    case kFlag: return value.AsBoolean() ? "true" : "false";
    default: return value.AsString();
  }
}

Row RowOf(const std::vector<Variant>& values) {
  Row row;
  for (int f = 0; f < kFieldCount; ++f) row[f] = Canonical(f, values.at(static_cast<size_t>(f)));
  return row;
}

std::string Describe(const Row& row) {
  std::string text;
  for (const std::string& value : row) text += (text.empty() ? "" : "|") + value;
  return text;
}

int FieldIndexOf(const TField* field) {
  for (int f = 0; f < kFieldCount; ++f)
    if (field != nullptr && field->FieldName() == kFieldNames[f]) return f;
  return -1;
}

// What the store must hold: the posted records by ID, the record being edited with the values
// written to it so far, and the filter the grid applied (IDs above a bound).
struct Model {
  std::map<int, Row> rows;
  std::optional<int> editedId;  // the record in edit or insert state that holds changes
  Row edited;
  std::optional<int> idsAbove;
  int nextId = 1000;

  Row Current(int id) const {
    if (editedId == id) return edited;
    auto it = rows.find(id);
    return it != rows.end() ? it->second : Row{};
  }
  bool Shown(const Row& row) const { return !idsAbove || std::stoi(row[kId]) > *idsAbove; }
};

// Text a user types into a field and the value it becomes.
struct Typed {
  std::string text;
  std::string value;
};

class GridRandomSteps : public GridEditing {
 protected:
  void Start(int count) {
    MakeFocused(count);
    grid->SetOptions(grid->Options() + dgMultiSelect - dgConfirmDelete);
    grid->SetOptionsEx(grid->OptionsEx() + dghAutoSortMarking);
    grid->SetEditActions({geaCutEx, geaCopyEx, geaPasteEx, geaDeleteEx, geaSelectAllEx});
    grid->STFilter()->SetVisible(true);
    for (int i = 0; i < grid->Columns()->Count(); ++i) grid->Columns()->Items(i)->Title()->SetTitleButton(true);
    Clipboard()->Clear();
    for (const auto& values : items_->ShownStoredRows()) {
      const Row row = RowOf(values);
      model_.rows[std::stoi(row[kId])] = row;
    }
  }
  void TearDown() override {
    ResetKeyState();
    GridEditing::TearDown();
  }

  TDataSet* Ds() const { return items_->ds(); }
  bool Editing() const { return Ds()->State() == dsEdit || Ds()->State() == dsInsert; }
  // The ID of the record the data set stands on, 0 for a new record without one.
  int CurrentId() const {
    TField* id = FieldOf("ID");
    return Ds()->IsEmpty() && Ds()->State() != dsInsert ? 0 : id->IsNull() ? 0 : id->AsInteger();
  }
  // The control a key goes to: the one holding the focus.
  TWinControl* FocusedControl() const {
    TWinControl* focused = FindControl(GetFocus());
    return focused != nullptr ? focused : grid;
  }
  void Press(uint16_t vk, TShiftState shift = {}) { Key(FocusedControl(), vk, shift); }
  // A press and release in the middle of the part of a cell that shows; false when too little
  // of it shows.
  bool Click(int col, int row, TShiftState shift = {}) {
    TRect r = grid->CellRect(col, row);
    r.Left = std::max(r.Left, 0);
    r.Right = std::min(r.Right, grid->ClientWidth());
    if (r.Right - r.Left < 6 || r.Bottom > grid->ClientHeight()) return false;
    const LPARAM at = MakeLParam((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    const WPARAM keys = shift.Contains(ssShift) ? MK_SHIFT : 0;
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    grid->Perform(WM_LBUTTONUP, keys, at);
    return true;
  }
  // Makes data column `col` current: as the program does, else with Left and Right as the
  // user does (the program cannot choose a frozen column).
  bool GoToColumn(int col) {
    grid->SetSelectedIndex(col);
    for (int i = 0; grid->SelectedIndex() != col && i < 2 * grid->Columns()->Count(); ++i)
      Key(grid, grid->SelectedIndex() < col ? VK_RIGHT : VK_LEFT);
    return grid->SelectedIndex() == col;
  }
  // Data columns shown, left to right.
  std::vector<int> ShownColumns() const {
    std::vector<int> shown;
    for (int i = 0; i < grid->Columns()->Count(); ++i)
      if (grid->Columns()->Items(i)->Visible()) shown.push_back(i);
    return shown;
  }
  int FieldOfColumn(int dataCol) const {
    if (dataCol < 0 || dataCol >= grid->Columns()->Count()) return -1;
    return FieldIndexOf(grid->Columns()->Items(dataCol)->Field());
  }
  int ColumnOfField(int field) const {
    for (int i = 0; i < grid->Columns()->Count(); ++i)
      if (grid->Columns()->Items(i)->Visible() && FieldOfColumn(i) == field) return i;
    return -1;
  }
  // The IDs of the records shown, in the data set's order, read from the store.
  std::vector<int> ShownIds() const {
    std::vector<int> ids;
    for (const auto& values : items_->ShownStoredRows()) ids.push_back(values[kId].IsNull() ? 0 : values[kId].AsInteger());
    return ids;
  }

  Typed TextFor(int field) {
    const int n = static_cast<int>(random_() % 90) + 10;
    switch (field) {
      case kName: return random_() % 3 == 0 ? Typed{"王" + std::to_string(n), "王" + std::to_string(n)}
                                            : Typed{"T" + std::to_string(n), "T" + std::to_string(n)};
      case kAmount: return {std::to_string(n) + ".5", std::to_string(n * 100 + 50)};
      case kFlag: return n % 2 ? Typed{"True", "true"} : Typed{"False", "false"};
      default: return {"K" + std::to_string(n), "K" + std::to_string(n)};
    }
  }

  // Changes the step makes to records: written to the record still being edited afterwards,
  // posted for every other.
  void Write(int id, int field, const std::string& value) { writes_.push_back({id, field, value}); }

  // After a step: the edited record was posted unless the data set still edits it.
  void Settle() {
    const bool stillEdited = model_.editedId && Editing() && CurrentId() == *model_.editedId;
    if (model_.editedId && !stillEdited) {
      model_.rows[*model_.editedId] = model_.edited;
      model_.editedId.reset();
    }
    for (const auto& w : writes_) {
      if (Editing() && CurrentId() == w.id) {
        if (!model_.editedId) {
          model_.edited = model_.Current(w.id);
          model_.editedId = w.id;
        }
        model_.edited[w.field] = w.value;
      } else {
        model_.rows[w.id][w.field] = w.value;
      }
    }
    writes_.clear();
  }
  void Discard() { model_.editedId.reset(); }

  // The store against the table; the grid's record and editor against the store and table.
  void Check() {
    std::map<int, Row> shown;
    for (const auto& values : items_->ShownStoredRows()) {
      const Row row = RowOf(values);
      ASSERT_NE(row[kId], "-") << "a record without an ID: " << Describe(row);
      ASSERT_TRUE(shown.emplace(std::stoi(row[kId]), row).second) << "two records of ID " << row[kId];
    }
    for (const auto& [id, row] : shown) {
      auto it = model_.rows.find(id);
      ASSERT_TRUE(it != model_.rows.end()) << "the store shows a record it should not hold: " << Describe(row);
      EXPECT_EQ(Describe(row), Describe(it->second)) << "record " << id << " in the store";
    }
    for (const auto& [id, row] : model_.rows)
      if (model_.Shown(row)) {
        EXPECT_TRUE(shown.count(id)) << "record " << Describe(row) << " missing from the store";
      }
    if (!items_->File().empty()) CheckWholeFile();
    CheckGrid();
  }
  void CheckWholeFile() {
    TSqliteDatabase db(items_->File(), TSqliteOpenMode::ReadOnly, 1000);
    TSqliteStatement read(db, "SELECT ID, Name, Amount, Flag, Code, Note FROM items ORDER BY ID");
    std::string file, expected;
    while (read.Step()) {
      std::vector<Variant> values;
      for (int c = 0; c < kFieldCount; ++c) values.push_back(read.ColumnValue(c));
      file += Describe(RowOf(values)) + "\n";
    }
    for (const auto& [id, row] : model_.rows) expected += Describe(row) + "\n";
    EXPECT_EQ(file, expected) << "the file, read by another connection";
  }
  void CheckGrid() {
    const TDataSetState state = Ds()->State();
    ASSERT_TRUE(state == dsBrowse || state == dsEdit || state == dsInsert) << "state " << state;
    if (model_.editedId) {
      EXPECT_EQ(CurrentId(), *model_.editedId) << "the edited record is current";
    }
    if (!grid->InplaceEditorShowing()) return;
    const int field = FieldOfColumn(grid->SelectedIndex());
    const int id = CurrentId();
    if (field < 0 || field == kNote || id == 0) return;
    const String text = Editor()->Text();
    std::string shown = text.empty() ? "-" : text;
    if (field == kAmount && !text.empty()) shown = std::to_string(std::llround(std::atof(text.c_str()) * 100));
    EXPECT_EQ(shown, model_.Current(id)[field]) << "the editor over " << kFieldNames[field] << " of " << id;
  }

  // --- steps; each answers what it did, "" when it could not run now ---
  std::string MoveKey() {
    static const std::pair<uint16_t, const char*> keys[] = {
        {VK_DOWN, "Down"}, {VK_UP, "Up"},     {VK_NEXT, "PgDn"},     {VK_PRIOR, "PgUp"}, {VK_TAB, "Tab"},
        {VK_LEFT, "Left"}, {VK_RIGHT, "Right"}, {VK_HOME, "Home"}, {VK_END, "End"}};
    const auto& [vk, name] = keys[random_() % std::size(keys)];
    const bool ctrl = (vk == VK_HOME || vk == VK_END) && random_() % 2;
    if (vk == VK_UP && grid->FilterEditorShown()) return "";
    Press(vk, ctrl ? TShiftState{ssCtrl} : TShiftState{});
    return std::string(ctrl ? "Ctrl+" : "") + name;
  }

  // F2 on a text cell of the current record, select all, type a value.
  std::string TypeIntoCell() {
    if (grid->Selection()->SelectionType() != gstNon || grid->FilterEditorShown()) return "";
    if (Ds()->State() == dsInsert && !model_.editedId) return "";
    static const int fields[] = {kName, kAmount, kCode};
    const int field = fields[random_() % 3];
    const int col = ColumnOfField(field);
    if (col < 0 || Ds()->IsEmpty()) return "";
    const int id = CurrentId();
    if (!GoToColumn(col)) return "";
    if (!grid->InplaceEditorShowing()) Press(VK_F2);
    if (!grid->InplaceEditorShowing()) return "";
    const Typed typed = TextFor(field);
    Editor()->SelectAll();
    Key(Editor(), VK_DELETE);
    Type(Editor(), typed.text);
    Write(id, field, typed.value);
    return "type '" + typed.text + "' into " + kFieldNames[field] + " of " + std::to_string(id);
  }

  // Insert, then the new record's ID and Name typed in.
  std::string InsertRecord() {
    if (grid->Selection()->SelectionType() != gstNon || grid->FilterEditorShown()) return "";
    const int idCol = ColumnOfField(kId), nameCol = ColumnOfField(kName);
    if (idCol < 0 || nameCol < 0) return "";
    Press(VK_INSERT);
    if (Ds()->State() != dsInsert) return "Insert (refused)";
    Settle();  // the record edited before was posted
    if (!GoToColumn(idCol)) {
      Press(VK_ESCAPE);
      return "Insert, Esc";
    }
    // Frozen columns as wide as the grid leave no cell of the others in view to edit.
    Press(VK_F2);
    if (!grid->InplaceEditorShowing()) {
      Press(VK_ESCAPE);
      EXPECT_EQ(Ds()->State(), dsBrowse) << "Esc drops the untouched new record";
      return "Insert, F2 (no cell in view), Esc";
    }
    const int id = model_.nextId++;
    Type(Editor(), std::to_string(id));
    EXPECT_TRUE(GoToColumn(nameCol));
    const Typed name = TextFor(kName);
    Press(VK_F2);
    EXPECT_TRUE(grid->InplaceEditorShowing()) << "F2 on the new record's Name";
    if (!grid->InplaceEditorShowing()) return "Insert";
    Type(Editor(), name.text);
    model_.editedId = id;
    model_.edited = Row{};
    model_.edited.fill("-");
    model_.edited[kId] = std::to_string(id);
    model_.edited[kName] = name.value;
    return "Insert " + std::to_string(id) + " '" + name.text + "'";
  }

  std::string Escape() {
    for (int i = 0; i < 3 && (Editing() || grid->EditorMode()); ++i) Press(VK_ESCAPE);
    if (!Editing()) Discard();
    return "Esc until browsing";
  }

  std::string DeleteRecord() {
    if (grid->Selection()->SelectionType() != gstNon || grid->FilterEditorShown()) return "";
    if (Ds()->IsEmpty()) return "";
    const bool inserting = Ds()->State() == dsInsert;
    const int id = CurrentId();
    const bool byKey = random_() % 2;
    if (byKey) Press(VK_DELETE, {ssCtrl});
    else Ds()->Delete();
    Discard();
    if (!inserting) model_.rows.erase(id);
    return std::string(byKey ? "Ctrl+Delete" : "Delete()") + (inserting ? " the new record" : " " + std::to_string(id));
  }

  std::string AppendRecord() {
    const int id = model_.nextId++;
    Ds()->Append();
    FieldOf("ID")->SetAsInteger(id);
    FieldOf("Name")->SetAsString("A" + std::to_string(id));
    Ds()->Post();
    Row row;
    row.fill("-");
    row[kId] = std::to_string(id);
    row[kName] = "A" + std::to_string(id);
    model_.rows[id] = row;
    return "Append() " + std::to_string(id);
  }

  // A click on a data cell shown; on a check box the click also steps it.
  std::string ClickCell() {
    const int rows = grid->DataLink()->RecordCount();
    const std::vector<int> cols = ShownColumns();
    if (rows == 0 || cols.empty()) return "";
    const int dataRow = static_cast<int>(random_() % rows);
    const int col = cols[random_() % cols.size()];
    // A press on a cell partly out of view scrolls it in: the release then misses a check box.
    // A press on a selected cell may start a drag rather than step it.
    const bool box = FieldOfColumn(col) == kFlag;
    const TRect cell = grid->CellRect(col + grid->IndicatorOffset(), 0);
    if (box && cell.Right - cell.Left < grid->Columns()->Items(col)->Width()) return "";
    if (box && grid->Selection()->SelectionType() != gstNon) return "";
    if (!Click(col + grid->IndicatorOffset(), grid->TitleOffset() + dataRow)) return "";
    // A press among the records posts the record being edited, also a press on another of its
    // cells.
    if (model_.editedId) {
      model_.rows[*model_.editedId] = model_.edited;
      model_.editedId.reset();
    }
    EXPECT_EQ(grid->SelectedIndex(), col) << "the clicked column is current";
    const int id = CurrentId();
    std::string what = "click row " + std::to_string(dataRow) + " " + kFieldNames[std::max(0, FieldOfColumn(col))];
    if (box && id != 0) {
      Write(id, kFlag, model_.Current(id)[kFlag] == "true" ? "false" : "true");
      what += " (check box of " + std::to_string(id) + ")";
    }
    return what;
  }

  std::string SpaceOnCheckBox() {
    if (grid->FilterEditorShown() || Ds()->IsEmpty()) return "";
    const int col = ColumnOfField(kFlag);
    if (col < 0 || !GoToColumn(col)) return "";
    const int id = CurrentId();
    if (id == 0) return "";
    Key(grid, VK_SPACE);
    grid->Perform(WM_CHAR, ' ', 1);
    Write(id, kFlag, model_.Current(id)[kFlag] == "true" ? "false" : "true");
    return "Space on the check box of " + std::to_string(id);
  }

  // Column and grid layout changes by the program.
  std::string Layout() {
    const int count = grid->Columns()->Count();
    const int col = static_cast<int>(random_() % count);
    const int n = static_cast<int>(random_() % 3);
    TColumnEx* column = grid->Columns()->Items(col);
    const std::string which = " of column " + std::to_string(col);
    switch (random_() % 14) {
      case 0: {
        const int width = 30 + static_cast<int>(random_() % 90);
        column->SetWidth(width);
        return "width" + which + " " + std::to_string(width);
      }
      case 1: {
        const int to = static_cast<int>(random_() % count);
        column->SetIndex(to);
        return "move column " + std::to_string(col) + " to " + std::to_string(to);
      }
      case 2: {
        if (column->Visible() && ShownColumns().size() < 3) return "";
        column->SetVisible(!column->Visible());
        return std::string(column->Visible() ? "show" : "hide") + " column " + std::to_string(col);
      }
      case 3: {
        const int width = 250 + static_cast<int>(random_() % 200), height = 120 + static_cast<int>(random_() % 180);
        grid->SetBounds(0, 0, width, height);
        return "grid size " + std::to_string(width) + "x" + std::to_string(height);
      }
      case 4:
        Ds()->DisableControls();
        Ds()->EnableControls();
        return "DisableControls/EnableControls";
      case 5:
        grid->SetFrozenCols(n);
        return "frozen columns " + std::to_string(n);
      case 6:
        grid->Font()->SetSize(8 + 2 * n);
        return "font size " + std::to_string(8 + 2 * n);
      case 7:
        grid->SetRowHeight(n == 0 ? 0 : 18 + 8 * n);
        return "row height " + std::to_string(n == 0 ? 0 : 18 + 8 * n);
      case 8:
        column->Title()->SetCaption("Title " + std::to_string(n));
        return "caption" + which;
      case 9:
        grid->SetFooterRowCount(n);
        return "footer rows " + std::to_string(n);
      case 10:
        grid->SetUseMultiTitle(n == 1);
        return std::string("multi-level titles ") + (n == 1 ? "on" : "off");
      case 11:
        grid->SetAutoFitColWidths(n == 1);
        return std::string("automatic column widths ") + (n == 1 ? "on" : "off");
      case 12:
        column->OptimizeWidth();
        return "optimal width" + which;
      default:
        grid->Columns()->BeginUpdate();
        column->SetWidth(40 + 20 * n);
        grid->Columns()->EndUpdate();
        return "width in a columns update" + which;
    }
  }

  std::string Sort() {
    static const char* fields[] = {"ID", "Name", "Amount", "Code"};
    const char* field = fields[random_() % std::size(fields)];
    if (GetParam() == Store::Memory || random_() % 3 == 0) {
      const bool none = random_() % 4 == 0;
      items_->SortOn(none ? "" : field);
      return std::string("sort on ") + (none ? "nothing" : field);
    }
    const int col = ColumnOfField(FieldIndexOf(FieldOf(field)));
    if (col < 0 || grid->FilterEditorShown()) return "";
    if (!Click(col + grid->IndicatorOffset(), 0)) return "";
    return std::string("click the title of ") + field;
  }

  // Into the filter row over ID, type a bound and Enter; then Down back to the records.
  std::string FilterIds() {
    const int col = ColumnOfField(kId);
    if (col < 0 || grid->Selection()->SelectionType() != gstNon) return "";
    if (!grid->FilterEditorShown()) {
      if (!GoToColumn(col)) return "";
      Press(VK_UP, {ssCtrl});
    }
    if (!grid->FilterEditorShown() || grid->FilterEditing()->FilterCol() != col) return "";
    const bool clear = random_() % 3 == 0;
    const int bound = static_cast<int>(random_() % 12);
    const std::string text = clear ? "" : "> " + std::to_string(bound);
    // Entering the cell selects its text: what is typed replaces it.
    TWinControl* edit = grid->FilterEditor()->EditControl();
    if (clear) edit->Perform(WM_CHAR, VK_BACK, 1);
    Type(edit, text);
    edit->Perform(WM_CHAR, '\r', 1);
    model_.idsAbove = clear ? std::nullopt : std::optional<int>(bound);
    if (random_() % 2) Press(VK_DOWN);
    return "filter ID '" + text + "'";
  }

  // Pastes one or more lines of one or two cells at the current cell.
  std::string PasteLines() {
    // With the cell editor open Ctrl+V is the editor's own paste.
    if (grid->Selection()->SelectionType() != gstNon || grid->FilterEditorShown() || Editing()) return "";
    if (Ds()->IsEmpty() || grid->EditorMode()) return "";
    const std::vector<int> cols = ShownColumns();
    const auto at = std::find(cols.begin(), cols.end(), grid->SelectedIndex());
    if (at == cols.end()) return "";
    std::vector<int> fields;
    for (auto c = at; c != cols.end() && fields.size() < 1 + random_() % 2; ++c) {
      const int f = FieldOfColumn(*c);
      if (f != kName && f != kAmount && f != kCode && f != kFlag) break;
      fields.push_back(f);
    }
    if (fields.empty()) return "";
    const std::vector<int> ids = ShownIds();
    const auto here = std::find(ids.begin(), ids.end(), CurrentId());
    if (here == ids.end()) return "";
    const int lines = std::min<int>(1 + static_cast<int>(random_() % 3), static_cast<int>(ids.end() - here));
    std::string text, what = "paste";
    for (int line = 0; line < lines; ++line) {
      for (size_t c = 0; c < fields.size(); ++c) {
        const Typed typed = TextFor(fields[c]);
        text += (c ? "\t" : "") + typed.text;
        Write(here[line], fields[c], typed.value);
      }
      text += "\r\n";
      what += " " + std::to_string(here[line]);
    }
    Clipboard()->SetAsText(text);
    copied_.reset();
    Press('V', {ssCtrl});
    return what + ": " + text;
  }

  // The cells of the rectangle the last copy or cut took, as their records held them.
  struct Copied {
    std::vector<int> fields;
    std::vector<Row> rows;
  };

  // The records from the current one on, `count` of them in the data set's order; empty when
  // fewer follow.
  std::vector<int> RecordsFromCurrent(size_t count) const {
    const std::vector<int> ids = ShownIds();
    const auto here = std::find(ids.begin(), ids.end(), CurrentId());
    if (here == ids.end() || static_cast<size_t>(ids.end() - here) < count) return {};
    return std::vector<int>(here, here + static_cast<std::ptrdiff_t>(count));
  }
  // The fields of `count` shown columns from the current one on, none of them ID; empty when
  // there are fewer.
  std::vector<int> FieldsFromCurrent(size_t count) const {
    const std::vector<int> cols = ShownColumns();
    std::vector<int> fields;
    for (auto c = std::find(cols.begin(), cols.end(), grid->SelectedIndex()); c != cols.end() && fields.size() < count; ++c) {
      const int field = FieldOfColumn(*c);
      if (field <= kId) return {};
      fields.push_back(field);
    }
    return fields.size() == count ? fields : std::vector<int>{};
  }
  bool Browsing() const {
    return grid->Selection()->SelectionType() == gstNon && !grid->FilterEditorShown() && !Editing() &&
           !grid->EditorMode() && !Ds()->IsEmpty();
  }

  // Shift+Right and Shift+Down mark a rectangle from the current cell; then Ctrl+C, Ctrl+X,
  // Ctrl+Delete or Ctrl+V of one line over it.
  std::string RectangleCommand() {
    if (!Browsing()) return "";
    const int across = static_cast<int>(random_() % 3), down = static_cast<int>(random_() % 4);
    if (across + down == 0) return "";
    const std::vector<int> fields = FieldsFromCurrent(static_cast<size_t>(across) + 1);
    const std::vector<int> ids = RecordsFromCurrent(static_cast<size_t>(down) + 1);
    if (fields.empty() || ids.empty()) return "";
    for (int i = 0; i < across; ++i) Press(VK_RIGHT, {ssShift});
    for (int i = 0; i < down; ++i) Press(VK_DOWN, {ssShift});
    std::string what = "rectangle " + std::to_string(across + 1) + "x" + std::to_string(down + 1) + " from " +
                       std::to_string(ids.front()) + " " + kFieldNames[fields.front()];
    EXPECT_EQ(grid->Selection()->SelectionType(), gstRectangle) << what;
    const int command = static_cast<int>(random_() % 4);
    if (command <= 1) {
      copied_ = Copied{fields, {}};
      for (int id : ids) copied_->rows.push_back(model_.Current(id));
    }
    if (command == 3) {
      std::string line;
      std::vector<std::string> values;
      for (int field : fields) {
        const Typed typed = TextFor(field);
        line += (line.empty() ? "" : "\t") + typed.text;
        values.push_back(typed.value);
      }
      for (int id : ids)
        for (size_t c = 0; c < fields.size(); ++c) Write(id, fields[c], values[c]);
      Clipboard()->SetAsText(line + "\r\n");
      copied_.reset();
      Press('V', {ssCtrl});
      return what + ", Ctrl+V " + line;
    }
    if (command >= 1) {
      for (int id : ids)
        for (int field : fields) Write(id, field, "-");
    }
    static const std::pair<uint16_t, const char*> keys[] = {{'C', "Ctrl+C"}, {'X', "Ctrl+X"}, {VK_DELETE, "Ctrl+Delete"}};
    Press(keys[command].first, {ssCtrl});
    return what + ", " + keys[command].second;
  }

  // Ctrl+V of the cells copied last, at the current cell of a column that took them.
  std::string PasteCopied() {
    if (!copied_ || !Browsing()) return "";
    const std::vector<int> fields = FieldsFromCurrent(copied_->fields.size());
    const std::vector<int> ids = RecordsFromCurrent(copied_->rows.size());
    if (fields != copied_->fields || ids.empty()) return "";
    for (size_t r = 0; r < ids.size(); ++r)
      for (int field : fields) Write(ids[r], field, copied_->rows[r][field]);
    Press('V', {ssCtrl});
    return "Ctrl+V of the copied cells at " + std::to_string(ids.front()) + " " + kFieldNames[fields.front()];
  }

  // Insert, then lines of ID and Name pasted into the new record: the further lines become
  // records of their own.
  std::string PasteIntoNewRecord() {
    if (!Browsing()) return "";
    const int idCol = ColumnOfField(kId);
    if (idCol < 0 || !GoToColumn(idCol)) return "";
    const std::vector<int> cols = ShownColumns();
    const auto next = std::find(cols.begin(), cols.end(), idCol) + 1;
    if (next == cols.end() || FieldOfColumn(*next) != kName) return "";
    Press(VK_INSERT);
    if (Ds()->State() != dsInsert || grid->EditorMode()) return Ds()->State() == dsInsert ? Escape() : "";
    std::string text, what = "Insert, Ctrl+V";
    const int lines = 1 + static_cast<int>(random_() % 3);
    for (int line = 0; line < lines; ++line) {
      const int id = model_.nextId++;
      const Typed name = TextFor(kName);
      text += std::to_string(id) + "\t" + name.text + "\r\n";
      Row row;
      row.fill("-");
      row[kId] = std::to_string(id);
      row[kName] = name.value;
      model_.rows[id] = row;
      what += " " + std::to_string(id);
    }
    Clipboard()->SetAsText(text);
    copied_.reset();
    Press('V', {ssCtrl});
    return what;
  }

  // Ctrl+V into the open editor of a text cell takes the clipboard's first value.
  std::string PasteIntoEditor() {
    if (grid->Selection()->SelectionType() != gstNon || grid->FilterEditorShown() || Ds()->IsEmpty()) return "";
    if (Ds()->State() == dsInsert && !model_.editedId) return "";
    const int field = random_() % 2 ? kName : kCode;
    const int col = ColumnOfField(field), id = CurrentId();
    if (col < 0 || id == 0 || !GoToColumn(col)) return "";
    if (!grid->InplaceEditorShowing()) Press(VK_F2);
    if (!grid->InplaceEditorShowing()) return "";
    const Typed first = TextFor(field);
    Clipboard()->SetAsText(first.text + "\t" + TextFor(field).text + "\r\nP9\r\n");
    copied_.reset();
    Editor()->SelectAll();
    Key(Editor(), 'V', {ssCtrl});
    Editor()->Perform(WM_CHAR, 0x16, 1);
    Write(id, field, first.value);
    return "Ctrl+V '" + first.text + "...' into the editor of " + kFieldNames[field] + " of " + std::to_string(id);
  }

  // The program posts, cancels or checks the browse mode of the record being edited.
  std::string ProgramEndsEdit() {
    if (!Editing()) return "";
    // Post() of a new record nothing was written into stores an empty record, as asked.
    switch (model_.editedId ? random_() % 3 : 1 + random_() % 2) {
      case 0:
        Ds()->Post();
        return "Post()";
      case 1:
        Ds()->Cancel();
        Discard();
        return "Cancel()";
      default:
        Ds()->CheckBrowseMode();
        return "CheckBrowseMode()";
    }
  }

  std::string Wheel() {
    if (grid->FilterEditorShown()) return "";
    const bool down = random_() % 2;
    const TPoint at = grid->ClientToScreen({grid->ClientWidth() / 2, grid->ClientHeight() / 2});
    grid->Perform(WM_MOUSEWHEEL, MakeWParam(0, static_cast<uint16_t>(down ? -WHEEL_DELTA : WHEEL_DELTA)),
                  MakeLParam(at.x, at.y));
    return std::string("wheel ") + (down ? "down" : "up");
  }

  struct Step {
    const char* kind;
    std::string (GridRandomSteps::*run)();
    int weight;
  };
  std::vector<Step> Steps() const {
    return {{"move key", &GridRandomSteps::MoveKey, 8},       {"type", &GridRandomSteps::TypeIntoCell, 8},
            {"insert", &GridRandomSteps::InsertRecord, 2},     {"escape", &GridRandomSteps::Escape, 2},
            {"delete", &GridRandomSteps::DeleteRecord, 2},     {"append", &GridRandomSteps::AppendRecord, 1},
            {"click", &GridRandomSteps::ClickCell, 6},         {"space", &GridRandomSteps::SpaceOnCheckBox, 2},
            {"layout", &GridRandomSteps::Layout, 3},           {"sort", &GridRandomSteps::Sort, 2},
            {"filter", &GridRandomSteps::FilterIds, 2},        {"paste", &GridRandomSteps::PasteLines, 3},
            {"rectangle", &GridRandomSteps::RectangleCommand, 3}, {"paste copied", &GridRandomSteps::PasteCopied, 2},
            {"paste new", &GridRandomSteps::PasteIntoNewRecord, 1}, {"editor paste", &GridRandomSteps::PasteIntoEditor, 1},
            {"program", &GridRandomSteps::ProgramEndsEdit, 1},  {"wheel", &GridRandomSteps::Wheel, 1}};
  }

  void Run(unsigned start, int steps) {
    random_ = std::mt19937(start);
    const std::vector<Step> kinds = Steps();
    int total = 0;
    for (const Step& s : kinds) total += s.weight;
    std::map<std::string, int> counts;
    std::vector<std::string> log;
    for (int step = 0; step < steps; ++step) {
      int pick = static_cast<int>(random_() % total);
      const Step* kind = &kinds.front();
      for (const Step& s : kinds)
        if ((pick -= s.weight) < 0) {
          kind = &s;
          break;
        }
      std::string what;
      try {
        what = (this->*kind->run)();
      } catch (const Exception& e) {
        what = std::string(kind->kind) + " raised " + e.Message();
        ADD_FAILURE() << what;
      }
      if (what.empty()) continue;
      ++counts[kind->kind];
      log.push_back(std::to_string(step) + ": " + what);
      Settle();
      Check();
      if (HasFailure()) break;
    }
    std::ostringstream summary;
    summary << "run " << start << ", " << log.size() << " steps:";
    for (const auto& [kind, n] : counts) summary << " " << kind << " " << n;
    std::cout << "[ steps    ] " << summary.str() << "\n";
    if (HasFailure()) {
      std::string list;
      for (const std::string& line : log) list += line + "\n";
      ADD_FAILURE() << summary.str() << "\n" << list;
    }
  }

  std::mt19937 random_;
  Model model_;
  struct Written {
    int id;
    int field;
    std::string value;
  };
  std::vector<Written> writes_;
  std::optional<Copied> copied_;
};

std::vector<unsigned> StartNumbers() {
  std::vector<unsigned> starts = {11, 29, 4242};
  if (const char* text = std::getenv("GRID_RANDOM_RUNS")) {
    starts.clear();
    std::stringstream list(text);
    for (std::string start; std::getline(list, start, ',');) starts.push_back(static_cast<unsigned>(std::stoul(start)));
  }
  return starts;
}

int StepsPerRun() {
  const char* text = std::getenv("GRID_RANDOM_STEPS");
  return text != nullptr ? std::atoi(text) : 300;
}

TEST_P(GridRandomSteps, TheStoreFollowsEveryStep) {
  for (unsigned start : StartNumbers()) {
    SCOPED_TRACE("run " + std::to_string(start));
    model_ = Model{};
    copied_.reset();
    Start(14);
    Run(start, StepsPerRun());
    TearDown();
    if (HasFailure()) break;
  }
}

INSTANTIATE_TEST_SUITE_P(Stores, GridRandomSteps, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
