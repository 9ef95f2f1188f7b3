// Tool tips over the grid: a title's hint, and the whole text of a cell that cuts it, measured
// and placed as the cell writes it.
#include "gridlib/grid/grid_tool_tips.h"

#include <algorithm>

#include "gridlib/grid/cell_text_measure.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/head_tree.h"
#include "gridlib/grid/row_source.h"
#include "gridlib/grid/tool_tips_window.h"
#include "gridlib/grid/tree_nodes.h"
#include "platform/controls/application.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/image_list.h"
#include "platform/windows/keys.h"

namespace {

String ShortHintOf(const String& hint) {
  const size_t bar = hint.find('|');
  return bar == String::npos ? hint : hint.substr(0, bar);
}

// Room an image shown before a cell's text takes, with its gap.
constexpr int kImageGap = 5;
// How far left of a right-aligned text its tip starts.
constexpr int kRightTipOffset = 6;

}  // namespace

TDBGridExToolTips::TDBGridExToolTips(TCustomDBGridEx* grid) : grid_(grid) {}

TDBGridExToolTips::~TDBGridExToolTips() = default;

TFont* TDBGridExToolTips::TipFont() {
  if (font_ == nullptr) font_ = std::make_unique<TFont>();
  return font_.get();
}

bool TDBGridExToolTips::ShowsAtOnce(TPoint at) {
  const TGridCoord cell = grid_->MouseCoord(at.x, at.y);
  if (cell.X < grid_->IndicatorOffset() || cell.Y < 0) return false;
  const TDBGridExCellType type = grid_->GetCellType(cell.X, cell.Y);
  if (type.ColKind != gckData || type.DataCol >= grid_->Columns()->Count()) return false;
  TColumnEx* column = grid_->Columns()->Items(type.DataCol);
  switch (type.RowKind) {
    case grkTitle: return column->Title()->ToolTips() && column->Title()->Hint().empty();
    case grkData: return column->ToolTips() && grid_->DataLink()->Active();
    case grkFooter: {
      TColumnFooterEx* footer = column->GetFooter(type.DataRow);
      return footer != nullptr && footer->ToolTips();
    }
    default: return false;
  }
}

bool TDBGridExToolTips::Fill(THintInfo& info) {
  const TGridCoord at = grid_->MouseCoord(info.CursorPos.x, info.CursorPos.y);
  if (at.X < grid_->IndicatorOffset() || at.Y < 0) return false;
  const TDBGridExCellType type = grid_->GetCellType(at.X, at.Y);
  if (type.ColKind != gckData || type.DataCol >= grid_->Columns()->Count()) return false;
  const TRect cell = grid_->CellRect(at.X, at.Y);
  const String& titleHint = grid_->Columns()->Items(type.DataCol)->Title()->Hint();
  if (type.RowKind == grkTitle && !titleHint.empty()) {
    info.HintStr = ShortHintOf(titleHint);
    info.CursorRect = cell;
    return true;
  }
  if (grid_->MouseCapture() || GetKeyState(VK_CONTROL) < 0) return false;
  TCellTip tip;
  if (!CellTip(type, cell, tip) || tip.Text.empty() || Fits(tip, at.X, cell)) return false;
  info.HintStr = tip.Text;
  info.CursorRect = cell;
  info.HintWindowClass = TToolTipsWindow::StaticClass();
  info.HintData = font_.get();
  const int textWidth = FontMeasuringCanvas(font_.get())->TextWidth(tip.Text);
  info.HintPos = grid_->ClientToScreen(Position(tip, textWidth, cell));
  return true;
}

bool TDBGridExToolTips::CellTip(const TDBGridExCellType& type, const TRect& cell, TCellTip& tip) {
  TColumnEx* column = grid_->Columns()->Items(type.DataCol);
  switch (type.RowKind) {
    case grkTitle: return TitleTip(column, cell, tip);
    case grkData: return DataTip(column, type, cell, tip);
    case grkFooter: return FooterTip(column, type, cell, tip);
    default: return false;
  }
}

// A data cell's text comes from the record under the mouse, through the same parameter events
// as when it is painted; the current record is back afterwards.
bool TDBGridExToolTips::DataTip(TColumnEx* column, const TDBGridExCellType& type, const TRect& cell,
                                TCellTip& tip) {
  if (!column->ToolTips() || !grid_->DataLink()->Active()) return false;
  DataRowReader reader(grid_);
  if (!reader.Select(type.DataRow)) return false;
  TFont* font = TipFont();
  font->Assign(column->Font());
  TColCellParamsEx params;
  params.Alignment = column->Alignment();
  params.Background = column->Color();
  params.Text = DataText(column);
  grid_->GetCellParams(column, font, params.Background, {});
  if (column->OnGetCellParams.Assigned()) {
    params.Font->Assign(font);
    column->GetColCellParams(false, &params);
    font->Assign(params.Font.get());
  }
  const TColumnCellType kind = column->GetColumnType();
  tip.Text = params.Text;
  tip.Alignment = params.Alignment;
  tip.Graphic = kind == cctImageList || kind == cctCheckboxes;
  tip.WordWrap = column->WordWrap() && grid_->Layout()->WordWrapPossible();
  tip.TextRect = cell;
  tip.TextRect.Left += TreeIndent(type);
  if (column->AlwaysShowEditButton()) tip.TextRect = grid_->EditButtonRects(column, cell).TextRect(tip.TextRect);
  if (column->ImageList() != nullptr && column->ShowImageAndText()) tip.TextRect.Left += column->ImageList()->Width() + kImageGap;
  return true;
}

// An image or check-box cell tells the pick-list text of its value.
String TDBGridExToolTips::DataText(TColumnEx* column) {
  const TColumnCellType kind = column->GetColumnType();
  if ((kind == cctImageList || kind == cctCheckboxes) && column->HasPickList()) {
    const int index = column->GetImageIndex();
    if (index >= 0 && index < column->PickList()->Count()) return column->PickList()->Strings(index);
  }
  return column->DisplayText();
}

int TDBGridExToolTips::TreeIndent(const TDBGridExCellType& type) {
  IMemTableEx* tree = grid_->RowSource()->RecordAccess();
  if (type.DataCol != 0 || tree == nullptr) return 0;
  return TDBGridExTreeNodes::kLevelWidth * std::max(0, tree->NodeLevel());
}

bool TDBGridExToolTips::TitleTip(TColumnEx* column, const TRect& cell, TCellTip& tip) {
  TColumnTitleEx* title = column->Title();
  if (!title->ToolTips()) return false;
  TipFont()->Assign(title->Font());
  tip.Text = title->Caption();
  tip.TextRect = cell;
  if (grid_->UseMultiTitle()) {
    // Under multi-level titles the column's own caption is the leaf below the headings.
    if (const THeadTreeNode* leaf = grid_->Layout()->TitleLeaf(column->Index())) {
      tip.Text = leaf->Text;
      tip.TextRect.Top = std::max(cell.Top, cell.Bottom - leaf->Height);
    }
  }
  tip.Alignment = title->Alignment();
  const bool wraps = grid_->UseMultiTitle() || grid_->TitleHeight() != 0 || grid_->TitleLines() != 0;
  tip.WordWrap = wraps && title->Orientation() != tohVertical;
  tip.Allowance = grid_->Layout()->TitleTextAllowance();
  return true;
}

bool TDBGridExToolTips::FooterTip(TColumnEx* column, const TDBGridExCellType& type, const TRect& cell,
                                  TCellTip& tip) {
  TColumnFooterEx* footer = column->GetFooter(type.DataRow);
  if (footer == nullptr || !footer->ToolTips()) return false;
  TipFont()->Assign(footer->Font());
  tip.Text = grid_->GetFooterValue(type.DataRow, column);
  tip.Alignment = footer->Alignment();
  tip.TextRect = cell;
  return true;
}

// A text that fits shows no tip, unless it is right-aligned in a column partly scrolled out of
// the window, where its end is hidden.
bool TDBGridExToolTips::Fits(const TCellTip& tip, int col, const TRect& cell) {
  if (tip.Graphic) return false;
  const unsigned reading = grid_->BiDiMode() != bdLeftToRight ? static_cast<unsigned>(DT_RTLREADING) : 0u;
  const TCellTextSize size = MeasureCellTextEx(FontMeasuringCanvas(font_.get()), tip.Text, tip.TextRect.Width(),
                                               tip.TextRect.Height(), tip.Allowance, tip.WordWrap, reading);
  if (size.TooLarge) return false;
  const int shown = std::min(cell.Right, grid_->ClientWidth()) - cell.Left;
  return tip.Alignment != taRightJustify || grid_->ColWidths(col) <= shown;
}

// The tip covers the cell's text: just left of where a left-aligned text starts, from where a
// right-aligned one's start would be, or centred like a centred one.
TPoint TDBGridExToolTips::Position(const TCellTip& tip, int textWidth, const TRect& cell) {
  const TRect& r = tip.TextRect;
  int x = r.Left + 1;
  if (tip.Alignment == taRightJustify) x = r.Right - textWidth - kRightTipOffset;
  else if (tip.Alignment == taCenter) x = r.Left + (r.Width() - textWidth) / 2;
  if (grid_->BiDiMode() != bdLeftToRight) x = grid_->ClientWidth() - x;
  return {x, cell.Top - (grid_->Flat() ? 2 : 1)};
}
