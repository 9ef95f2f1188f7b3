// The grid's classic look: fixed cells with raised edges and black lines, silver lines
// between the other cells, the selection in the highlight colour and a dotted focus rectangle.
#include <algorithm>

#include "platform/controls/grid.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/draw_edges.h"

namespace {

// Sets the canvas pen to invert what it draws for the length of a scope, then restores it.
class TInvertingPen {
 public:
  TInvertingPen(TCanvas* canvas, int width) : canvas_(canvas) {
    saved_.Assign(canvas->Pen());
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetMode(pmXor);
    canvas->Pen()->SetColor(clWhite);
    canvas->Pen()->SetWidth(width);
  }
  ~TInvertingPen() { canvas_->Pen()->Assign(&saved_); }
  TInvertingPen(const TInvertingPen&) = delete;
  TInvertingPen& operator=(const TInvertingPen&) = delete;

 private:
  TCanvas* canvas_;
  TPen saved_;
};

}  // namespace

void TCustomGrid::Paint() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  const TGridAxisDrawInfo& h = info.Horz;
  const TGridAxisDrawInfo& v = info.Vert;
  TCanvas* canvas = Canvas();
  if (h.EffectiveLineWidth > 0 || v.EffectiveLineWidth > 0) {
    bool fixedH = options_.Contains(goFixedHorzLine);
    bool fixedV = options_.Contains(goFixedVertLine);
    TColor lineColor = ColorToRGB(Color()) == ColorToRGB(clSilver) ? clGray : clSilver;
    DrawLines(info, {0, 0}, Rect(0, 0, h.FixedBoundary, v.FixedBoundary), fixedH, fixedV, clBlack);
    DrawLines(info, {LeftCol(), 0}, Rect(h.FixedBoundary, 0, h.GridBoundary, v.FixedBoundary), fixedH, fixedV, clBlack);
    DrawLines(info, {0, TopRow()}, Rect(0, v.FixedBoundary, h.FixedBoundary, v.GridBoundary), fixedH, fixedV, clBlack);
    DrawLines(info, {LeftCol(), TopRow()}, Rect(h.FixedBoundary, v.FixedBoundary, h.GridBoundary, v.GridBoundary),
              options_.Contains(goHorzLine), options_.Contains(goVertLine), lineColor);
  }
  DrawCells(info, 0, 0, Rect(0, 0, h.FixedBoundary, v.FixedBoundary), fixedColor_, {gdFixed});
  DrawCells(info, LeftCol(), 0, Rect(h.FixedBoundary, 0, h.GridBoundary, v.FixedBoundary), fixedColor_, {gdFixed});
  DrawCells(info, 0, TopRow(), Rect(0, v.FixedBoundary, h.FixedBoundary, v.GridBoundary), fixedColor_, {gdFixed});
  DrawCells(info, LeftCol(), TopRow(), Rect(h.FixedBoundary, v.FixedBoundary, h.GridBoundary, v.GridBoundary), Color(), {});
  if (options_.Contains(goRowSelect) && defaultDrawing_ && Focused())
    canvas->DrawFocusRect(GridRectToScreenRect(Selection(), false));
  canvas->Brush()->SetColor(Color());
  if (h.GridBoundary < h.GridExtent) canvas->FillRect(Rect(h.GridBoundary, 0, h.GridExtent, v.GridBoundary));
  if (v.GridBoundary < v.GridExtent) canvas->FillRect(Rect(0, v.GridBoundary, h.GridExtent, v.GridExtent));
}

// Lines follow each cell of the area; a line whose option is off still takes its room and is
// drawn in the background.
void TCustomGrid::DrawLines(const TGridDrawInfo& info, TGridCoord first, TRect area, bool horz, bool vert, TColor color) {
  TCanvas* canvas = Canvas();
  bool fixedArea = first.X < fixedCols_ || first.Y < fixedRows_;
  TColor off = fixedArea ? fixedColor_ : Color();
  int lw = info.Horz.EffectiveLineWidth;
  canvas->Brush()->SetColor(vert ? color : off);
  for (int c = first.X, x = area.Left; lw > 0 && c < ColCount() && x < area.Right; ++c) {
    if (colWidths_[static_cast<size_t>(c)] < 0) continue;
    x += colWidths_[static_cast<size_t>(c)];
    canvas->FillRect(Rect(x, area.Top, x + lw, area.Bottom));
    x += lw;
  }
  lw = info.Vert.EffectiveLineWidth;
  canvas->Brush()->SetColor(horz ? color : off);
  for (int r = first.Y, y = area.Top; lw > 0 && r < RowCount() && y < area.Bottom; ++r) {
    if (rowHeights_[static_cast<size_t>(r)] < 0) continue;
    y += rowHeights_[static_cast<size_t>(r)];
    canvas->FillRect(Rect(area.Left, y, area.Right, y + lw));
    y += lw;
  }
}

void TCustomGrid::DrawCells(const TGridDrawInfo& info, int col, int row, TRect area, TColor color, TGridDrawState base) {
  TCanvas* canvas = Canvas();
  HDC dc = canvas->Handle();
  TGridRect sel = Selection();
  bool active = IsActiveControl();
  bool drawFocus = !(options_.Contains(goEditing) && options_.Contains(goAlwaysShowEditor)) && !options_.Contains(goRowSelect);
  for (int r = row, y = area.Top; r < RowCount() && y < area.Bottom; ++r) {
    int height = rowHeights_[static_cast<size_t>(r)];
    if (height < 0) continue;
    for (int c = col, x = area.Left; c < ColCount() && x < area.Right; ++c) {
      int width = colWidths_[static_cast<size_t>(c)];
      if (width < 0) continue;
      TRect where = Rect(x, y, x + width, y + height);
      x = where.Right + info.Horz.EffectiveLineWidth;
      if (width == 0 || !RectVisible(dc, where)) continue;
      TGridDrawState state = base;
      if (active && r == Row() && c == Col()) state += gdFocused;
      if (sel.Contains(c, r)) state += gdSelected;
      // The editor covers the focused cell while it is shown.
      if (state.Contains(gdFocused) && options_.Contains(goEditing) && editorMode_) continue;
      if (defaultDrawing_) {
        canvas->Font()->Assign(Font());
        bool highlight = state.Contains(gdSelected) &&
                         (!state.Contains(gdFocused) || options_.Contains(goDrawFocusSelected) || options_.Contains(goRowSelect));
        if (highlight) canvas->Font()->SetColor(clHighlightText);
        DrawCellBackground(where, highlight ? clHighlight : color, state, c, r);
      }
      DrawCell(c, r, where, state);
      if (defaultDrawing_ && state.Contains(gdFixed)) DrawFixedEdges(where, info);
      if (defaultDrawing_ && state.Contains(gdFocused) && drawFocus) canvas->DrawFocusRect(where);
    }
    y += height + info.Vert.EffectiveLineWidth;
  }
}

void TCustomGrid::DrawCellBackground(const TRect& rect, TColor color, TGridDrawState, int, int) {
  Canvas()->Brush()->SetColor(color);
  Canvas()->FillRect(rect);
}

// Fixed cells look raised: a light edge at the top and left, a shadow at the bottom and right
// where the fixed lines are shown.
void TCustomGrid::DrawFixedEdges(TRect where, const TGridDrawInfo& info) {
  UINT after = 0;
  UINT before = 0;
  if (options_.Contains(goFixedVertLine)) {
    after |= BF_RIGHT;
    before |= BF_LEFT;
  }
  if (options_.Contains(goFixedHorzLine)) {
    after |= BF_BOTTOM;
    before |= BF_TOP;
  }
  if (after == 0) return;
  if ((after & BF_RIGHT) == 0) where.Right += info.Horz.EffectiveLineWidth;
  else if ((after & BF_BOTTOM) == 0) where.Bottom += info.Vert.EffectiveLineWidth;
  HDC dc = Canvas()->Handle();
  DrawEdge(dc, where, BDR_RAISEDINNER, after);
  DrawEdge(dc, where, BDR_RAISEDINNER, before);
}

// The line that follows the mouse while a column or row is sized, drawn by inversion so
// that drawing it again takes it away.
void TCustomGrid::DrawSizingLine(const TGridDrawInfo& info) {
  TCanvas* canvas = Canvas();
  TInvertingPen pen(canvas, 1);
  if (gridState_ == gsColSizing) {
    canvas->MoveTo(GridX(sizingPos_), 0);
    canvas->LineTo(GridX(sizingPos_), info.Vert.GridExtent);
  } else {
    canvas->MoveTo(0, sizingPos_);
    canvas->LineTo(info.Horz.GridExtent, sizingPos_);
  }
}

// The mark where a moved column or row would land: a thick inverted line at the cell edge.
void TCustomGrid::DrawMove() {
  TCanvas* canvas = Canvas();
  TInvertingPen pen(canvas, 3);
  TRect client = ClientRect();
  if (gridState_ == gsRowMoving) {
    TRect r = CellRect(0, movePos_);
    int pos = movePos_ > moveIndex_ ? r.Bottom : r.Top;
    canvas->MoveTo(0, pos);
    canvas->LineTo(client.Right, pos);
  } else {
    TRect r = CellRect(movePos_, 0);
    int pos = GridX(movePos_ > moveIndex_ ? r.Right : r.Left);
    canvas->MoveTo(pos, 0);
    canvas->LineTo(pos, client.Bottom);
  }
}
