// One cell of the data grid: which kind it is, its colours and what it shows.
#include "gridlib/grid/cell_painter.h"

#include <algorithm>

#include "gridlib/controls/sum_list.h"
#include "gridlib/controls/tree_lines.h"
#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/canvas_scopes.h"
#include "gridlib/grid/cell_text.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/grid_images.h"
#include "gridlib/grid/grid_selection.h"
#include "gridlib/grid/grid_style.h"
#include "gridlib/grid/mem_table_interface.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/image_list.h"

namespace {

// Makes data row `dataRow` the record fields read again when the scope ends.
class ReselectOnExit {
 public:
  ReselectOnExit(TDBGridExHost* grid, int dataRow) : grid_(grid), dataRow_(dataRow) {}
  ~ReselectOnExit() { grid_->SelectDataRow(dataRow_); }
  ReselectOnExit(const ReselectOnExit&) = delete;
  ReselectOnExit& operator=(const ReselectOnExit&) = delete;

 private:
  TDBGridExHost* grid_;
  int dataRow_;
};

bool SameFont(const TFont* a, const TFont* b) {
  return a->Height() == b->Height() && a->Color() == b->Color() && a->Style() == b->Style() &&
         a->Charset() == b->Charset() && a->Pitch() == b->Pitch() && a->Orientation() == b->Orientation() &&
         a->Name() == b->Name();
}

}  // namespace

FontScope::~FontScope() { UseFont(canvas_, &saved_); }

void UseFont(TCanvas* canvas, const TFont* font) {
  if (font == nullptr || SameFont(canvas->Font(), font)) return;
  canvas->Font()->Assign(const_cast<TFont*>(font));
}

TDBGridExCellPainter::TDBGridExCellPainter(TDBGridExPaintView& view)
    : view_(view), params_(std::make_unique<TColCellParamsEx>()) {}

TDBGridExCellPainter::~TDBGridExCellPainter() = default;

bool TDBGridExCellPainter::Flat() const { return view_.Model()->Flat(); }

TCellPaint TDBGridExCellPainter::Classify(int col, int row, const TRect& rect, TGridDrawState state) {
  TCellPaint cell;
  cell.Col = col;
  cell.Row = row;
  cell.Rect = rect;
  cell.State = state;
  cell.Type = view_.CellType(col, row);
  cell.DataCol = col - view_.Model()->IndicatorOffset();
  cell.DataRow = row - view_.TitleOffset();
  cell.Frame3D = GetCellFrame(col, row, state);
  cell.DX = cell.Frame3D ? 1 : 2;
  cell.DY = cell.DX - (Flat() ? 1 : 0);
  cell.Pressed = cell.Type.RowKind == grkTitle && col == view_.PressedTitleCol();
  return cell;
}

void TDBGridExCellPainter::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
  params_->Col = col;
  params_->Row = row;
  if (rect.Right <= rect.Left) return;
  TCanvas* canvas = view_.Canvas();
  TDBGridExHost* grid = view_.Model();
  if (grid->IsLoading()) {
    canvas->Brush()->SetColor(grid->GridColor());
    canvas->FillRect(rect);
    return;
  }
  TCellPaint cell = Classify(col, row, rect, state);
  if (cell.Frame3D) InflateRect(cell.Rect, -1, -1);
  const bool titles = grid->Options().Contains(dgTitles);
  const bool topTitle = titles && cell.DataRow == -view_.TitleOffset();
  TColumnEx* column = nullptr;
  if (cell.DataCol >= 0) {
    if (cell.DataCol >= grid->Columns()->Count()) {
      canvas->Brush()->SetColor(state.Contains(gdFixed) ? grid->FixedColor() : grid->GridColor());
      canvas->FillRect(rect);
      return;
    }
    column = grid->Columns()->Items(cell.DataCol);
    const bool titleArea = state.Contains(gdFixed) && cell.DataRow < 0;
    UseFont(canvas, titleArea ? column->Title()->Font() : column->Font());
    canvas->Brush()->SetColor(titleArea ? column->Title()->Color() : column->Color());
  }
  if (state.Contains(gdFixed) && cell.DataCol < 0) PaintIndicatorCell(cell);
  else if (topTitle) PaintTitleCell(cell, column);
  else if (cell.DataRow < 0) PaintFilterRowCell(cell);
  else if (cell.Type.RowKind == grkFooter) PaintFooterCell(cell, column);
  else if (cell.Type.RowKind == grkData && grid->DataLink()->Active()) PaintDataCell(cell, column);
  else PaintEmptyCell(cell);
  if (cell.Frame3D) {
    InflateRect(cell.Rect, 1, 1);
    DrawCellEdges(cell.Rect, true, true, cell.Highlighted || cell.Pressed, false);
  }
  if (topTitle && column != nullptr && grid->UseMultiTitle()) PaintTitleHeaders(cell, column);
}

// ---- Indicator cells.

void TDBGridExCellPainter::PaintIndicatorCell(TCellPaint& cell) {
  TDBGridExHost* grid = view_.Model();
  TCanvas* canvas = view_.Canvas();
  const int fillerRow = view_.RowCount() - view_.FooterRowCount() - 1 - view_.TitleOffset();
  const bool filler = view_.FooterRowCount() > 0 && cell.DataRow == fillerRow;
  canvas->Brush()->SetColor(filler && !grid->OptionsEx().Contains(dghFrozen3D) ? grid->GridColor()
                                                                                 : grid->FixedColor());
  TGridDataLinkEx* link = grid->DataLink();
  if (!link->Active()) {
    canvas->FillRect(cell.Rect);
    return;
  }
  const bool current = cell.DataRow >= 0 && cell.DataRow == grid->CurrentDataRow();
  const bool selected = IndicatorRowSelected(cell);
  if (selected) {
    TColor background = canvas->Brush()->Color();
    cell.Highlighted = GetFixedCellParams(cell, canvas->Font(), background, true);
    canvas->Brush()->SetColor(background);
  }
  canvas->FillRect(cell.Rect);
  if (!current && !selected) return;
  const int image = IndicatorImage(current, selected);
  TCustomImageList* images = IndicatorImages();
  if (image >= 0 && images != nullptr) {
    const int x = cell.Rect.Right - images->Width() - cell.DX;
    const int y = (cell.Rect.Top + cell.Rect.Bottom - images->Height()) / 2;
    images->Draw(canvas, x, y, image, true);
  }
  if (cell.DataRow == link->ActiveRecord()) indicatorRow_ = cell.Row;
}

// Whether the record of an indicator cell's row is selected.
bool TDBGridExCellPainter::IndicatorRowSelected(const TCellPaint& cell) {
  TDBGridExHost* grid = view_.Model();
  TGridDataLinkEx* link = grid->DataLink();
  const TDBGridExSelectionType type = grid->Selection()->SelectionType();
  const auto [first, last] = grid->ReadableDataRows();
  const bool dataRow = cell.DataRow >= first && cell.DataRow < last;
  if (!dataRow) return type == gstAll && (view_.FooterRowCount() == 0 || cell.DataRow < 0);
  if (!grid->Options().Contains(dgMultiSelect)) return false;
  if (type == gstAll) return true;
  if (type != gstRecordBookmarks) return false;
  DataRowReader reader(grid);
  return reader.Select(cell.DataRow) && grid->SelectedRows()->IndexOf(link->DataSet()->GetBookmark()) >= 0;
}

int TDBGridExCellPainter::IndicatorImage(bool current, bool selected) {
  TDataSet* dataSet = view_.Model()->DataLink()->DataSet();
  if (dataSet == nullptr) return -1;
  switch (dataSet->State()) {
    case dsBrowse:
      if (current && selected) return iiCurrentWhite;
      if (current && view_.IncSearchText().has_value()) return iiCurrentSearch;
      return current ? iiCurrent : -1;
    case dsEdit: return iiEdit;
    case dsInsert: return iiInsert;
    default: return iiCurrent;
  }
}

// ---- Data cells.

void TDBGridExCellPainter::PaintDataCell(TCellPaint& cell, TColumnEx* column) {
  TDBGridExHost* grid = view_.Model();
  TCanvas* canvas = view_.Canvas();
  TGridDataLinkEx* link = grid->DataLink();
  // A row past the records (an empty data set shows one) reads no record.
  DataRowReader reader(grid);
  const bool hasRecord = reader.Select(cell.DataRow);
  const bool sequenced = link->DataSet()->IsSequenced() ||
                         (grid->SumList()->Active() && grid->SumList()->VirtualRecords());
  if (column->Color() == grid->GridColor() && sequenced && hasRecord) {
    canvas->Brush()->SetColor(grid->SumList()->RecNo() % 2 == 1 ? view_.OddRowColor() : view_.EvenRowColor());
  }
  TRect rect = cell.Rect;
  if (cell.DataCol == 0 && view_.RecordAccess() != nullptr) rect.Left += PaintTreeArea(cell, column);
  TRect whole = cell.Rect;
  if (cell.Frame3D) InflateRect(whole, 1, 1);
  const TCellEditButtonsEx buttons =
      column->AlwaysShowEditButton() ? view_.EditButtonRects(column, whole) : TCellEditButtonsEx();
  rect = buttons.TextRect(rect);
  TColCellParamsEx* p = params_.get();
  p->State = cell.State;
  p->Alignment = column->Alignment();
  p->Background = canvas->Brush()->Color();
  // What only events, images and check boxes read is read only for them.
  const bool allParams = column->OnGetCellParams.Assigned();
  const TColumnCellType kind = column->GetColumnType();
  p->Text = hasRecord ? column->DisplayText() : String();
  const bool images = allParams || column->ImageList() != nullptr;
  p->ImageIndex = hasRecord && images ? column->GetImageIndex() : -1;
  const bool box = allParams || kind == cctCheckboxes;
  p->CheckboxState = hasRecord && box ? column->CheckboxState() : cbGrayedEx;
  view_.GetCellParams(column, canvas->Font(), p->Background, cell.State);
  if (allParams) {
    p->Font->Assign(canvas->Font());
    column->GetColCellParams(false, p);
    UseFont(canvas, p->Font.get());
  }
  TColor background = p->Background;
  cell.Highlighted = GetDataCellParams(cell, canvas->Font(), background, cell.State);
  canvas->Brush()->SetColor(background);
  const bool duplicate = column->HideDuplicates() && hasRecord && IsDuplicateValue(column, cell.DataCol);
  if (duplicate) {
    p->Text.clear();
    p->ImageIndex = -1;
  }
  if (view_.DefaultDrawing() && rect.Right > rect.Left) PaintDataContent(cell, column, rect);
  if (ShowsIncSearch(cell, column)) DrawIncSearchText(cell, column, rect, *view_.IncSearchText());
  PaintEditButtons(cell, buttons);
  DrawRequiredMark(column, rect, cell.DataRow);
  if (column->IsDefaultColumn()) view_.DrawDataCell(rect, column->Field(), cell.State);
  view_.DrawColumnCell(rect, cell.DataCol, column, cell.State);
  if (duplicate && grid->Options().Contains(dgRowLines)) {
    PenScope pen(canvas, column->Color());
    canvas->MoveTo(cell.Rect.Left, cell.Rect.Top - 1);
    canvas->LineTo(cell.Rect.Right, cell.Rect.Top - 1);
  }
  DrawFocusFrame(cell, rect);
}

void TDBGridExCellPainter::PaintDataContent(TCellPaint& cell, TColumnEx* column, TRect& rect) {
  TCanvas* canvas = view_.Canvas();
  TColCellParamsEx* p = params_.get();
  TCustomImageList* images = column->ImageList();
  if (images != nullptr && column->ShowImageAndText()) {
    const TRect imageRect = Rect(rect.Left, rect.Top, rect.Left + images->Width() + 4, rect.Bottom);
    {
      BrushColorScope brush(canvas, column->Color());
      canvas->FillRect(imageRect);
      DrawClipped(images, canvas, taCenter, 0, p->ImageIndex, imageRect);
    }
    rect.Left = imageRect.Right + 1;
  }
  switch (column->GetColumnType()) {
    case cctImageList:
      canvas->FillRect(rect);
      DrawClipped(images, canvas, taCenter, 0, p->ImageIndex, rect);
      break;
    case cctCheckboxes:
      canvas->FillRect(rect);
      DrawGridCheckBox(canvas, rect, p->CheckboxState, true, Flat());
      break;
    default:
      WriteCellText(column, rect, true, cell.DX, cell.DY, p->Text, p->Alignment, column->Layout(),
                    column->WordWrap() && view_.WordWrapPossible(), column->EndEllipsis(), 0, 0);
  }
}

void TDBGridExCellPainter::PaintEditButtons(const TCellPaint& cell, const TCellEditButtonsEx& buttons) {
  if (buttons.Count() == 0) return;
  TCanvas* canvas = view_.Canvas();
  const bool enabled = view_.Model()->DataLink()->Active();
  TRect strip = buttons.Buttons().front().Rect;
  for (const TCellEditButtonEx& button : buttons.Buttons()) {
    DrawCellButton(button.Rect, cell.Rect, canvas->Brush()->Color(), button.Style, enabled, Flat(), false);
    UnionRect(strip, strip, button.Rect);
  }
  // A row taller than the buttons shows the cell's colour below them.
  if (strip.Bottom < cell.Rect.Bottom) canvas->FillRect(Rect(strip.Left, strip.Bottom, strip.Right, cell.Rect.Bottom));
}

// The tree of records left of the first column: an 18-pixel step for each level, a dotted line
// where an ancestor's level goes on below, and the node's own glyph. Answers the indent.
int TDBGridExCellPainter::PaintTreeArea(const TCellPaint& cell, TColumnEx* column) {
  constexpr int kStep = kTreeStep;
  IMemTableEx* tree = view_.RecordAccess();
  TCanvas* canvas = view_.Canvas();
  const int level = std::max(0, tree->NodeLevel());
  if (level == 0) return 0;
  BrushColorScope brush(canvas, cell.State.Contains(gdSelected) ? canvas->Brush()->Color() : column->Color());
  const bool phase = view_.DefaultRowHeight() % 2 == 1 && view_.TopRow() % 2 == 1;
  TRect step = Rect(cell.Rect.Left, cell.Rect.Top, cell.Rect.Left + kStep, cell.Rect.Bottom);
  for (int ancestor = 1; ancestor < level; ++ancestor) {
    canvas->FillRect(step);
    if (tree->HasNextSibling(ancestor)) DrawTreeLinesEx(canvas, step, 9, 1.0, 1.0, phase);
    OffsetRect(step, kStep, 0);
  }
  canvas->FillRect(step);
  const bool sibling = tree->HasNextSibling(level);
  int type = sibling ? 6 : 7;
  if (tree->NodeHasChildren()) type = tree->NodeExpanded() ? (sibling ? 0 : 1) : (sibling ? 3 : 4);
  DrawTreeLinesEx(canvas, step, type, 1.0, 1.0, phase);
  JoinTreeSteps(cell, level);
  PenScope pen(canvas, clSilver);
  canvas->MoveTo(step.Right - 1, step.Bottom - 1);
  canvas->LineTo(step.Right - 1, step.Top - 2);
  return kStep * level;
}

// Under the steps the next row's node shares, the row line takes the grid colour, so that the
// tree runs on into that row.
void TDBGridExCellPainter::JoinTreeSteps(const TCellPaint& cell, int level) {
  TDBGridExHost* grid = view_.Model();
  const int lineWidth = view_.GridLineWidth();
  if (!grid->Options().Contains(dgRowLines) || lineWidth <= 0) return;
  const int shared = std::min(level, NextRowLevel(cell.DataRow));
  if (shared <= 0) return;
  TCanvas* canvas = view_.Canvas();
  BrushColorScope brush(canvas, grid->GridColor());
  canvas->FillRect(Rect(cell.Rect.Left, cell.Rect.Bottom, cell.Rect.Left + kTreeStep * shared, cell.Rect.Bottom + lineWidth));
}

// The tree level of the record in the data row below `dataRow`; 0 when none follows.
int TDBGridExCellPainter::NextRowLevel(int dataRow) {
  TDBGridExHost* grid = view_.Model();
  if (dataRow + 1 >= grid->ReadableDataRows().second) return 0;
  ReselectOnExit back(grid, dataRow);
  grid->SelectDataRow(dataRow + 1);
  return std::max(0, view_.RecordAccess()->NodeLevel());
}

// The previous record shows the same text in this column: it is hidden.
bool TDBGridExCellPainter::IsDuplicateValue(TColumnEx* column, int dataCol) {
  TDBGridExHost* grid = view_.Model();
  TGridDataLinkEx* link = grid->DataLink();
  const int active = link->ActiveRecord();
  if (view_.RecordAccess() != nullptr || active <= 0) return false;
  // The previous record's parameters go to the events with a scratch font, so that this
  // cell's own font and parameters stay as they are.
  TColCellParamsEx previous;
  TFont scratch;
  scratch.Assign(view_.Canvas()->Font());
  {
    ReselectOnExit back(grid, active);
    grid->SelectDataRow(active - 1);
    previous.Font->Assign(&scratch);
    previous.Col = dataCol + grid->IndicatorOffset();
    previous.Row = active - 1 + view_.TitleOffset();
    previous.Alignment = column->Alignment();
    previous.Background = column->Color();
    previous.Text = column->DisplayText();
    previous.ImageIndex = column->GetImageIndex();
    previous.CheckboxState = column->CheckboxState();
    view_.GetCellParams(column, &scratch, previous.Background, {});
    column->GetColCellParams(false, &previous);
  }
  return previous.Text == params_->Text;
}

void TDBGridExCellPainter::DrawRequiredMark(TColumnEx* column, const TRect& rect, int dataRow) {
  TDBGridExHost* grid = view_.Model();
  TDataSet* dataSet = grid->DataLink()->DataSet();
  TField* field = column->Field();
  bool draw = column->HighlightRequired() && dataRow == grid->CurrentDataRow() && dataSet != nullptr &&
              (dataSet->State() == dsEdit || dataSet->State() == dsInsert) && field != nullptr &&
              field->Required() && field->IsNull();
  column->OnCheckDrawRequiredState.Call(grid->GridComponent(), params_->Text, draw);
  if (!draw) return;
  PenScope pen(view_.Canvas(), static_cast<TColor>(0x0000FF), psDot);
  view_.Canvas()->MoveTo(rect.Left + 2, rect.Bottom - 1);
  view_.Canvas()->LineTo(rect.Right - 3, rect.Bottom - 1);
}

// ---- Filler and footer cells.

void TDBGridExCellPainter::PaintEmptyCell(TCellPaint& cell) {
  TDBGridExHost* grid = view_.Model();
  TCanvas* canvas = view_.Canvas();
  if (cell.Type.RowKind == grkData) {
    // No data to show: only the cell's background.
    canvas->FillRect(cell.Rect);
    return;
  }
  TColor background = canvas->Brush()->Color();
  const bool selected = grid->CellSelected(cell.Col, cell.Type.RowKind, cell.DataCol, String());
  cell.Highlighted = GetFixedCellParams(cell, canvas->Font(), background, selected);
  canvas->Brush()->SetColor(background);
  canvas->FillRect(cell.Rect);
  DrawFocusFrame(cell, cell.Rect);
}

void TDBGridExCellPainter::PaintFooterCell(TCellPaint& cell, TColumnEx* column) {
  TDBGridExHost* grid = view_.Model();
  TCanvas* canvas = view_.Canvas();
  const int index = cell.Row - (view_.RowCount() - view_.FooterRowCount());
  TColumnFooterEx* footer = column->GetFooter(index);
  UseFont(canvas, footer->Font());
  canvas->Brush()->SetColor(footer->Color());
  if (view_.DefaultDrawing()) {
    TColor background = footer->Color();
    TAlignment alignment = footer->Alignment();
    String text = grid->GetFooterValue(index, column);
    view_.GetFooterParams(cell.DataCol, index, column, canvas->Font(), background, alignment, cell.State, text);
    const bool selected = grid->CellSelected(cell.Col, grkFooter, cell.DataCol, String());
    cell.Highlighted = GetFixedCellParams(cell, canvas->Font(), background, selected);
    canvas->Brush()->SetColor(background);
    WriteCellText(column, cell.Rect, true, cell.DX, cell.DY, text, alignment, column->Layout(),
                  footer->WordWrap() && view_.WordWrapPossible(), footer->EndEllipsis(), 0, 0);
  }
  view_.DrawFooterCell(cell.DataCol, index, column, cell.Rect, cell.State);
  DrawFocusFrame(cell, cell.Rect);
}

// A dotted frame around the focused cell while the grid has the focus and no editor covers it.
void TDBGridExCellPainter::DrawFocusFrame(const TCellPaint& cell, const TRect& rect) {
  TDBGridExHost* grid = view_.Model();
  if (!view_.DefaultDrawing() || !cell.State.Contains(gdFocused) || !grid->HasFocus()) return;
  if (grid->IsDesigning() || grid->Options().Contains(dgRowSelect) || grid->InplaceEditorShowing()) return;
  if (!view_.IsActiveControl() || (grid->Style() != nullptr && !grid->Style()->FocusFrame())) return;
  view_.Canvas()->DrawFocusRect(rect);
}

// ---- Highlight colours.

bool TDBGridExCellPainter::GetFixedCellParams(const TCellPaint& cell, TFont* font, TColor& background,
                                              bool selected) {
  TDBGridExHost* grid = view_.Model();
  if (grid->Style() != nullptr) {
    return grid->Style()->GetFixedCellHighlight(grid, cell.Type.ColKind, cell.Type.RowKind, selected, font,
                                                background);
  }
  if (!selected) return false;
  const bool dark = (cell.Type.ColKind == gckIndicator && cell.Type.RowKind != grkFiller) ||
                    (cell.Type.ColKind == gckData && (cell.Type.RowKind == grkTitle || cell.Type.RowKind == grkFilter));
  if (dark) {
    background = RGB(64, 64, 64);
    font->SetColor(0xFFFFFF);
  } else if (grid->HasFocus()) {
    background = clHighlight;
    font->SetColor(clHighlightText);
  } else {
    background = clBtnFace;
  }
  return true;
}

bool TDBGridExCellPainter::GetDataCellParams(const TCellPaint& cell, TFont* font, TColor& background,
                                             TGridDrawState& state) {
  TDBGridExHost* grid = view_.Model();
  TCellHighlight highlight;
  if (grid->Style() != nullptr) {
    highlight = grid->Style()->GetDataCellHighlight(grid, cell.Col, cell.Row, cell.DataCol, state, font, background);
  } else {
    const TDBGridOptions options = grid->Options();
    const bool currentRow = cell.Row == grid->CurrentGridRow();
    const bool rowSelect = options.Contains(dgRowSelect);
    highlight.Highlighted = (state.Contains(gdSelected) || (currentRow && rowSelect)) &&
                            options.Contains(dgAlwaysShowSelection) &&
                            (!grid->InplaceEditorShowing() || rowSelect);
    if (highlight.Highlighted) {
      const bool currentCell = currentRow && (rowSelect || cell.Col == grid->CurrentGridCol());
      background = grid->HasFocus() ? clHighlight : currentCell ? clBtnShadow : clBtnFace;
      if (grid->HasFocus() || currentCell) font->SetColor(clHighlightText);
    }
  }
  if (highlight.Highlighted) state += gdSelected;
  return highlight.Highlighted;
}

// ---- Check boxes.

void DrawGridCheckBox(TCanvas* canvas, const TRect& rect, TCheckboxStateEx state, bool enabled, bool flat) {
  (void)flat;  // the artwork's boxes serve both looks
  TBitmap* boxes = CheckBoxImages();
  if (boxes == nullptr) return;
  const int boxWidth = boxes->Width() / 4;
  const int boxHeight = boxes->Height() / 3;
  const int width = std::min(boxWidth, rect.Width());
  const int height = std::min(boxHeight, rect.Height());
  if (width <= 0 || height <= 0) return;
  const int x = width < boxWidth ? rect.Left : (rect.Left + rect.Right - boxWidth) / 2;
  const int y = height < boxHeight ? rect.Top : (rect.Top + rect.Bottom - boxHeight) / 2;
  const int sourceX = (enabled ? 0 : 2) * boxWidth;
  const int sourceY = static_cast<int>(state) * boxHeight;
  canvas->CopyRect(Bounds(x, y, width, height), boxes->Canvas(), Bounds(sourceX, sourceY, width, height));
}
