// The incremental search's highlight: the typed text drawn in the search colours over the
// start of the current cell's text, where the matching characters are.
#include "gridlib/grid/canvas_scopes.h"
#include "gridlib/grid/cell_painter.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/grid_paint_view.h"
#include "gridlib/grid/grid_unit.h"
#include "platform/graphics/draw_text.h"

bool TDBGridExCellPainter::ShowsIncSearch(const TCellPaint& cell, TColumnEx* column) {
  const std::optional<String> text = view_.IncSearchText();
  if (!text.has_value() || text->empty() || column == nullptr) return false;
  TDBGridExHost* grid = view_.Model();
  if (!cell.State.Contains(gdSelected) || cell.DataRow != grid->CurrentDataRow() || cell.Col != view_.CurrentCol())
    return false;
  if (!grid->Options().Contains(dgAlwaysShowSelection) && !view_.HasFocus()) return false;
  return !grid->IsDesigning() && !grid->InplaceEditorShowing() && view_.IsActiveControl();
}

void TDBGridExCellPainter::DrawIncSearchText(const TCellPaint& cell, TColumnEx* column, const TRect& rect,
                                             const String& searchText) {
  TCanvas* canvas = view_.Canvas();
  const TDBGridExUnitSettings& settings = DBGridExUnitSettings();
  BrushColorScope brush(canvas, settings.HighlightColor);
  FontScope font(canvas);
  canvas->Font()->SetColor(settings.HighlightTextColor);
  // The cell's text keeps the column's alignment, a mirrored grid's canvas turning it; the
  // search text is written the same way so that it falls on that text.
  const TAlignment alignment = column->Alignment();
  UINT format = DT_EXPANDTABS | DT_NOPREFIX;
  format |= alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
  if (column->WordWrap() && view_.WordWrapPossible()) format |= DT_WORDBREAK;
  if (column->UseRightToLeftReading()) format |= DT_RTLREADING;
  TRect area = Rect(rect.Left + cell.DX, rect.Top + cell.DY, rect.Right - cell.DX, rect.Bottom - cell.DY + 1);
  DRAWTEXTPARAMS params;
  if (alignment != taLeftJustify) {
    // The cell's text after the matched part keeps its place; the overlay falls on the match.
    const String& shown = CellParams()->Text;
    const int matched = CharLength(searchText);
    params.iRightMargin = canvas->TextWidth(Copy(shown, matched + 1, CharLength(shown) - matched));
  }
  DrawTextEx(canvas->Handle(), searchText, area, format, &params);
}
