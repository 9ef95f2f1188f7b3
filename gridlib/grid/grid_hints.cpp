// Hints over the grid: a title's own hint, and the whole text of a title, data or footer cell
// whose text the cell cuts, shown where the text stands.
#include <algorithm>

#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/controls/application.h"
#include "platform/graphics/canvas.h"
#include "platform/windows/keys.h"

namespace {

// Room a cell leaves beside its text.
constexpr int kTextMargins = 4;

String ShortHintOf(const String& hint) {
  const size_t bar = hint.find('|');
  return bar == String::npos ? hint : hint.substr(0, bar);
}

}  // namespace

// The text of a cell as its tool tip shows it, and the font it is written in; empty when the
// cell has no tool tip.
String TCustomDBGridEx::ToolTipText(const TDBGridExCellType& type, TFont*& font) {
  TColumnEx* column = Columns()->Items(type.DataCol);
  switch (type.RowKind) {
    case grkTitle:
      if (!column->Title()->ToolTips()) return String();
      font = column->Title()->Font();
      return column->Title()->Caption();
    case grkFooter: {
      TColumnFooterEx* footer = column->GetFooter(type.DataRow);
      if (footer == nullptr || !footer->ToolTips()) return String();
      font = footer->Font();
      return GetFooterValue(type.DataRow, column);
    }
    case grkData: {
      if (!column->ToolTips() || !DataLink()->Active()) return String();
      font = column->Font();
      // The record under the mouse is read, then the current record is back.
      DataRowReader reader(this);
      if (!reader.Select(type.DataRow)) return String();
      return column->DisplayText();
    }
    default: return String();
  }
}

// Whether the cell under the pointer shows its text as a tool tip: a footer, data cell or
// title (without a hint of its own) of a column that asks for tool tips.
bool TCustomDBGridEx::ToolTipAtCursor() {
  const TPoint at = ScreenToClient(GetCursorPos());
  const TGridCoord cell = MouseCoord(at.x, at.y);
  if (cell.X < IndicatorOffset() || cell.Y < 0) return false;
  const TDBGridExCellType type = GetCellType(cell.X, cell.Y);
  if (type.ColKind != gckData || type.DataCol >= Columns()->Count()) return false;
  TColumnEx* column = Columns()->Items(type.DataCol);
  switch (type.RowKind) {
    case grkTitle: return column->Title()->ToolTips() && column->Title()->Hint().empty();
    case grkData: return column->ToolTips() && DataLink()->Active();
    case grkFooter: {
      TColumnFooterEx* footer = column->GetFooter(type.DataRow);
      return footer != nullptr && footer->ToolTips();
    }
    default: return false;
  }
}

bool TCustomDBGridEx::CellHint(THintInfo& info) {
  const TGridCoord cell = MouseCoord(info.CursorPos.x, info.CursorPos.y);
  if (cell.X < IndicatorOffset() || cell.Y < 0) return false;
  const TDBGridExCellType type = GetCellType(cell.X, cell.Y);
  if (type.ColKind != gckData || type.DataCol >= Columns()->Count()) return false;
  const TRect rect = CellRect(cell.X, cell.Y);
  const String& titleHint = Columns()->Items(type.DataCol)->Title()->Hint();
  if (type.RowKind == grkTitle && !titleHint.empty()) {
    info.HintStr = ShortHintOf(titleHint);
    info.CursorRect = rect;
    return true;
  }
  if (MouseCapture() || GetKeyState(VK_CONTROL) < 0) return false;
  TFont* font = Font();
  const String text = ToolTipText(type, font);
  if (text.empty()) return false;
  TCanvas* measure = FontMeasuringCanvas(font);
  const int width = measure->TextWidth(text);
  const TColumnCellType kind = Columns()->Items(type.DataCol)->GetColumnType();
  const bool graphic = type.RowKind == grkData && (kind == cctImageList || kind == cctCheckboxes);
  if (!graphic && width <= rect.Width() - kTextMargins) return false;
  info.HintStr = text;
  info.CursorRect = rect;
  info.HintPos = ClientToScreen({rect.Left + 1, rect.Top - (Flat() ? 2 : 1)});
  return true;
}
