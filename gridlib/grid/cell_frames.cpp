// Around and inside a cell: 3D frames, cell texts mirrored for right-to-left grids, buttons in
// cells and the cells of the filter row.
#include <algorithm>

#include "gridlib/controls/button_painting.h"
#include "gridlib/grid/canvas_scopes.h"
#include "gridlib/grid/cell_painter.h"
#include "gridlib/grid/cell_text.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_host.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/shapes.h"

namespace {

// Switches a device context to mirrored mapping for the life of the scope and turns `rect`
// into the logical rectangle that covers the same pixels there.
class MirroredLayout {
 public:
  MirroredLayout(HDC dc, TRect& rect) : dc_(dc), saved_(GetLayout(dc)) {
    TPoint corners[2] = {{rect.Left, rect.Top}, {rect.Right, rect.Bottom}};
    LPtoDP(dc_, corners, 2);
    SetLayout(dc_, saved_ | LAYOUT_RTL | LAYOUT_BITMAPORIENTATIONPRESERVED);
    DPtoLP(dc_, corners, 2);
    rect = Rect(corners[1].x + 1, corners[0].y, corners[0].x + 1, corners[1].y);
  }
  ~MirroredLayout() { SetLayout(dc_, saved_); }
  MirroredLayout(const MirroredLayout&) = delete;
  MirroredLayout& operator=(const MirroredLayout&) = delete;

 private:
  HDC dc_;
  DWORD saved_;
};

// Each channel moved towards white by its own `divisor`th part.
TColor Lighten(TColor color, int divisor) {
  const uint32_t rgb = static_cast<uint32_t>(ColorToRGB(color));
  uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const uint32_t c = (rgb >> shift) & 0xFF;
    result |= std::min<uint32_t>(255, c + c / static_cast<uint32_t>(divisor)) << shift;
  }
  return static_cast<TColor>(result);
}

}  // namespace

TColor FilterCellColor(TColor fixedColor) { return Lighten(fixedColor, 8); }

bool TDBGridExCellPainter::GetCellFrame(int col, int row, TGridDrawState state) {
  TDBGridExHost* grid = view_.Model();
  const TDBGridExOptions options = grid->OptionsEx();
  const int dataCol = col - grid->IndicatorOffset();
  const int dataRow = row - view_.TitleOffset();
  const int footers = view_.FooterRowCount();
  const int fillerRow = view_.RowCount() - footers - 1 - view_.TitleOffset();
  const bool fixed = state.Contains(gdFixed);
  if (dataRow == -1 && view_.STFilterVisible() && dataCol >= 0 && dataCol < grid->Columns()->Count()) {
    TColumnEx* column = grid->Columns()->Items(dataCol);
    if (column->Visible() && column->STFilter()->Visible()) return false;
  }
  const bool fillerOfFooters = footers > 0 && dataRow == fillerRow;
  if (fixed && options.Contains(dghFixed3D) && (dataCol < 0 || dataRow < 0) && !fillerOfFooters) return true;
  if (options.Contains(dghFooter3D) && footers >= 1 && dataRow > fillerRow) return true;
  if (options.Contains(dghData3D) && !fixed && (footers == 0 || dataRow <= fillerRow)) return true;
  if (options.Contains(dghFixed3D) && (options.Contains(dghData3D) || options.Contains(dghFrozen3D)) &&
      fillerOfFooters && dataCol < 0) {
    return true;
  }
  return options.Contains(dghFrozen3D) && fixed && dataCol >= 0 && dataRow >= 0;
}

void TDBGridExCellPainter::DrawCellEdges(TRect rect, bool drawLeft, bool drawRight, bool highlighted,
                                         bool pressed) {
  TCanvas* canvas = view_.Canvas();
  HDC dc = canvas->Handle();
  const UINT edge = highlighted || pressed ? BDR_SUNKENINNER : BDR_RAISEDINNER;
  const bool rightToLeft = view_.RightToLeft();
  if (!Flat()) {
    TRect r = rect;
    if (drawLeft && drawRight) {
      DrawEdge(dc, r, edge, BF_RECT);
      return;
    }
    const UINT topLeft = rightToLeft ? (BF_TOP | BF_RIGHT) : (BF_LEFT | BF_TOP);
    const UINT bottomRight = rightToLeft ? (BF_BOTTOM | BF_LEFT) : (BF_RIGHT | BF_BOTTOM);
    DrawEdge(dc, r, edge, drawLeft ? topLeft : BF_TOP);
    DrawEdge(dc, r, edge, drawRight ? bottomRight : BF_BOTTOM);
    return;
  }
  // The flat look shows the top and one side edge; the bottom edge is hidden in the cell colour.
  PenScope pen(canvas, canvas->Brush()->Color());
  if (drawRight) {
    canvas->Polyline({Point(rect.Left, rect.Bottom - 1), Point(rect.Right - 1, rect.Bottom - 1),
                      Point(rect.Right - 1, rect.Top - 1)});
  } else {
    canvas->MoveTo(rect.Left, rect.Bottom - 1);
    canvas->LineTo(rect.Right, rect.Bottom - 1);
  }
  TRect r = rect;
  DrawEdge(dc, r, edge, drawLeft ? (BF_LEFT | BF_TOP) : BF_TOP);
}

void TDBGridExCellPainter::WriteCellText(TColumnEx* column, const TRect& rect, bool fillRect, int dx, int dy,
                                         const String& text, TAlignment alignment, TTextLayout layout,
                                         bool multiLine, bool endEllipsis, int leftMarg, int rightMarg) {
  TCanvas* canvas = view_.Canvas();
  const bool reading = column != nullptr && column->UseRightToLeftReading();
  // A mirrored cell puts the text's leading edge, and its left margin, on its right side.
  const bool mirrored = (GetLayout(canvas->Handle()) & LAYOUT_RTL) != 0;
  if (!view_.RightToLeft() || mirrored) {
    WriteTextEx(canvas, rect, fillRect, dx, dy, text, alignment, layout, multiLine, endEllipsis, leftMarg, rightMarg,
                reading);
    return;
  }
  TRect cell = rect;
  MirroredLayout layoutScope(canvas->Handle(), cell);
  WriteTextEx(canvas, cell, fillRect, dx, dy, text, alignment, layout, multiLine, endEllipsis, leftMarg, rightMarg,
              reading);
}

void TDBGridExCellPainter::DrawCellButton(const TRect& button, const TRect& clip, TColor background,
                                          TEditButtonStyleEx style, bool enabled, bool flat, bool pressed) {
  TCanvas* canvas = view_.Canvas();
  HDC dc = canvas->Handle();
  TSavedDC saved(dc);
  if (button.Left < clip.Left || button.Right > clip.Right || button.Bottom > clip.Bottom) {
    IntersectClipRect(dc, clip.Left, clip.Top, clip.Right + button.Width(), clip.Bottom);
  }
  TRect face = button;
  if (flat) {
    canvas->Brush()->SetColor(background);
    canvas->FillRect(Rect(face.Left, face.Top, face.Left + 1, face.Bottom));
    ++face.Left;
  }
  if (style == ebsGlyphEx) {
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(face);
    if (!flat) DrawEdge(dc, face, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    return;
  }
  PaintButtonControlEx(dc, face, background, DrawStyleOf(style), enabled, flat, pressed, 0);
}

// ---- Filter row.

void TDBGridExCellPainter::PaintFilterRowCell(TCellPaint& cell) {
  TDBGridExHost* grid = view_.Model();
  TCanvas* canvas = view_.Canvas();
  const bool filterRow = view_.STFilterVisible() && cell.Row == view_.TitleOffset() - 1;
  TColumnEx* column = cell.DataCol >= 0 && cell.DataCol < grid->Columns()->Count()
                          ? grid->Columns()->Items(cell.DataCol)
                          : nullptr;
  if (filterRow && column != nullptr && column->Visible() && column->STFilter()->Visible()) {
    PaintFilterCell(cell, column);
    return;
  }
  TColor background = column != nullptr ? column->Title()->Color() : grid->FixedColor();
  const bool selected = grid->CellSelected(cell.Col, cell.Type.RowKind, cell.DataCol, String());
  cell.Highlighted = GetFixedCellParams(cell, canvas->Font(), background, selected);
  canvas->Brush()->SetColor(background);
  canvas->FillRect(cell.Rect);
}

void TDBGridExCellPainter::PaintFilterCell(TCellPaint& cell, TColumnEx* column) {
  TDBGridExHost* grid = view_.Model();
  TCanvas* canvas = view_.Canvas();
  const bool flat = Flat();
  const bool dropDown = column->STFilter()->ListSource() != nullptr;
  const int buttonWidth = BaseEditButtonSize(flat).Width;
  const int separator = flat && dropDown ? 1 : 0;
  TRect text = cell.Rect;
  if (dropDown) text.Right -= buttonWidth + separator;
  UseFont(canvas, grid->GridFont());
  canvas->Font()->SetColor(static_cast<TColor>(0xFF0000));
  TColor background = FilterCellColor(grid->FixedColor());
  const bool selected = grid->CellSelected(cell.Col, grkFilter, cell.DataCol, String());
  cell.Highlighted = GetFixedCellParams(cell, canvas->Font(), background, selected);
  canvas->Brush()->SetColor(background);
  WriteTextEx(canvas, text, true, 1, 1, ColumnFilterText(column), taLeftJustify, column->Layout(), false, false, 0,
              0, false);
  if (!dropDown) return;
  if (separator == 1) {
    canvas->FillRect(Rect(text.Right, text.Top, text.Right + 1, text.Bottom));
    ++text.Right;
  }
  TRect button = Rect(text.Right, cell.Rect.Top, text.Right + buttonWidth, cell.Rect.Top + view_.EditButtonHeight());
  if (flat) --button.Left;
  DrawCellButton(button, cell.Rect, background, ebsDropDownEx, grid->DataLink()->Active(), flat, false);
  if (view_.DefaultRowHeight() > view_.EditButtonHeight()) {
    canvas->Brush()->SetColor(background);
    canvas->FillRect(Rect(button.Left, button.Bottom, button.Right, cell.Rect.Bottom));
  }
}
