// Measuring data cell texts of one column for optimal widths, remembering repeated texts.
#include "gridlib/grid/column_data_measure.h"

#include <algorithm>

#include "gridlib/grid/cell_text_measure.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_unit.h"
#include "gridlib/grid/row_source.h"
#include "gridlib/grid/tree_nodes.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/image_list.h"

namespace {

constexpr int kDataMargin = 4;
// A column of a few distinct values is measured once per value. One whose values seldom
// repeat is measured every time: once this many texts were not found, and fewer than one in
// eight were, looking up costs more than it saves.
constexpr int kTrialCells = 4096;
constexpr size_t kRememberedTexts = 1 << 16;

}  // namespace

// Measured as a rectangle that holds the text (its last glyph's partial pixel included), the
// way titles and wrapped cells are, so a fitted column never cuts its widest value by a pixel.
int CellTextWidth(TCanvas* canvas, const String& text, int height, bool wordWrap) {
  if (text.empty()) return 0;
  return MeasureCellTextEx(canvas, text, 0, height, 0, wordWrap, 0).Width;
}

TColumnDataMeasure::TColumnDataMeasure(TCustomDBGridEx* grid, TColumnEx* column)
    : grid_(grid), column_(column), kind_(column->GetColumnType()), background_(grid->Canvas()->Brush()->Color()) {
  margin_ = kDataMargin + (column->AlwaysShowEditButton() ? column->EditButtonsWidth() : 0);
  const std::vector<int>& shown = grid->Layout()->VisibleColumns();
  IMemTableEx* tree = grid->RowSource()->RecordAccess();
  treeIndent_ = tree != nullptr && tree->TreeViewActive() && !shown.empty() && shown.front() == column->Index();
  if (kind_ == cctImageList && column->ImageList() != nullptr) graphicWidth_ = column->ImageList()->Width();
  if (kind_ == cctCheckboxes) graphicWidth_ = DefaultCheckBoxWidth();
  wordWrap_ = column->WordWrap() && grid->Layout()->WordWrapPossible();
  cellFont_.Assign(column->Font());
  cellFont_.OnChange.Bind(nullptr, "", [this](TObject*) { cellFontChanged_ = true; });
  canvas_.SetSize(1, 1);
  canvas_.Canvas()->Font()->Assign(column->Font());
}

int TColumnDataMeasure::Margin() {
  if (!treeIndent_) return margin_;
  return margin_ + TDBGridExTreeNodes::kLevelWidth * std::max(0, grid_->RecordAccess()->NodeLevel());
}

int TColumnDataMeasure::CurrentWidth() {
  if (graphicWidth_ >= 0) return graphicWidth_ + Margin();
  bool fontChanged = false;
  const String text = CellText(fontChanged);
  return TextWidth(text, fontChanged) + Margin();
}

String TColumnDataMeasure::CellText(bool& fontChanged) {
  if (cellFontChanged_) cellFont_.Assign(column_->Font());
  cellFontChanged_ = false;
  TColor background = background_;
  TGridDrawState state;
  String text = column_->DisplayText();
  grid_->GetCellParams(column_, &cellFont_, background, state);
  if (column_->OnGetCellParams.Assigned()) {
    params_.Background = background;
    params_.State = state;
    params_.Alignment = column_->Alignment();
    params_.Text = std::move(text);
    params_.Col = column_->Index() + grid_->IndicatorOffset();
    params_.Row = 0;
    params_.Font->Assign(&cellFont_);
    column_->GetColCellParams(false, &params_);
    cellFont_.Assign(params_.Font.get());
    text = params_.Text;
  }
  fontChanged = cellFontChanged_;
  return text;
}

// Texts in the column's own font are remembered; a font an event changed is measured as it is.
int TColumnDataMeasure::TextWidth(const String& text, bool fontChanged) {
  TFont* font = canvas_.Canvas()->Font();
  if (fontChanged) {
    font->Assign(&cellFont_);
    canvasHoldsColumnFont_ = false;
    return MeasureText(text);
  }
  if (!canvasHoldsColumnFont_) {
    font->Assign(column_->Font());
    canvasHoldsColumnFont_ = true;
  }
  if (!remembering_) return MeasureText(text);
  const auto known = widths_.find(text);
  if (known != widths_.end()) {
    ++found_;
    return known->second;
  }
  const int width = MeasureText(text);
  if (widths_.size() < kRememberedTexts) widths_.emplace(text, width);
  if (++missed_ == kTrialCells && found_ < kTrialCells / 8) ForgetTexts();
  return width;
}

void TColumnDataMeasure::ForgetTexts() {
  remembering_ = false;
  widths_ = {};
}

int TColumnDataMeasure::MeasureText(const String& text) {
  return CellTextWidth(canvas_.Canvas(), text, grid_->DefaultRowHeight(), wordWrap_);
}
