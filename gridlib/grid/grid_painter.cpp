// The data grid's paint loop: lines, cells, the row focus frame and what lies past the cells.
#include "gridlib/grid/grid_painter.h"

#include <utility>

#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/grid_style.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/region.h"
#include "platform/graphics/shapes.h"
#include "platform/windows/painting.h"
#include "platform/windows/window_tree.h"

namespace {

bool doubleBufferingForbidden = false;

COLORREF Rgb(TColor color) { return static_cast<COLORREF>(ColorToRGB(color)) & 0x00FFFFFF; }

// Mirrors the grid's client area for the life of the scope when asked: logical x 0 is the
// client's right edge. Pictures keep their orientation.
class MirrorScope {
 public:
  MirrorScope(HDC dc, bool mirror, int clientWidth) : dc_(dc), saved_(GetLayout(dc)), active_(mirror) {
    if (!active_) return;
    GetViewportOrgEx(dc_, &savedOrigin_);
    TPoint window;
    GetWindowOrgEx(dc_, &window);
    const int offset = savedOrigin_.x - window.x;
    SetLayout(dc_, saved_ | LAYOUT_RTL | LAYOUT_BITMAPORIENTATIONPRESERVED);
    SetViewportOrgEx(dc_, GetDeviceArea(dc_).Width() - offset - clientWidth + window.x, savedOrigin_.y, nullptr);
  }
  ~MirrorScope() {
    if (!active_) return;
    SetLayout(dc_, saved_);
    SetViewportOrgEx(dc_, savedOrigin_.x, savedOrigin_.y, nullptr);
  }
  MirrorScope(const MirrorScope&) = delete;
  MirrorScope& operator=(const MirrorScope&) = delete;

 private:
  HDC dc_;
  DWORD saved_;
  bool active_;
  TPoint savedOrigin_{};
};

}  // namespace

void SetGridDoubleBufferingForbidden(bool forbidden) { doubleBufferingForbidden = forbidden; }

void TDBGridExGridPainter::Paint() {
  if (view_.LayingOut()) return;
  TDBGridExHost* grid = view_.Model();
  TCanvas* canvas = view_.Canvas();
  const TColor fixedLine = grid->Flat() ? clBtnShadow : clBlack;
  const TColor dataLine = ColorToRGB(grid->GridColor()) == ColorToRGB(clSilver) ? clGray : clSilver;
  MirrorScope mirror(canvas->Handle(), view_.RightToLeft(), view_.ClientRect().Width());
  TDBGridExDrawInfo info;
  view_.CalcDrawInfo(info);
  const TGridAxisDrawInfo& h = info.Horz;
  const TGridAxisDrawInfo& v = info.Vert;
  if (h.EffectiveLineWidth > 0 || v.EffectiveLineWidth > 0) DrawLines(info, fixedLine, dataLine);
  DrawCells(info, {0, 0, Rect(0, 0, h.FixedBoundary, v.FixedBoundary)}, {gdFixed});
  DrawCells(info, {view_.LeftCol(), 0, Rect(h.FixedBoundary, 0, h.GridBoundary, v.FixedBoundary)}, {gdFixed});
  DrawCells(info, {0, view_.TopRow(), Rect(0, v.FixedBoundary, h.FixedBoundary, v.GridBoundary)}, {gdFixed});
  DrawCells(info, {view_.LeftCol(), view_.TopRow(), Rect(h.FixedBoundary, v.FixedBoundary, h.GridBoundary, v.GridBoundary)},
            {});
  canvas->Brush()->SetColor(grid->GridColor());
  if (h.GridBoundary < h.GridExtent) canvas->FillRect(Rect(h.GridBoundary, 0, h.GridExtent, v.GridBoundary));
  if (v.GridBoundary < v.GridExtent) canvas->FillRect(Rect(0, v.GridBoundary, h.GridExtent, v.GridExtent));
  DrawRowFocusFrame();
}

// One focus frame around the current row, begun at the frozen columns; drawing it once keeps
// the inverting frame visible.
void TDBGridExGridPainter::DrawRowFocusFrame() {
  TDBGridExHost* grid = view_.Model();
  const bool wanted = !grid->IsDesigning() && grid->Options().Contains(dgRowSelect) && view_.DefaultDrawing() &&
                      grid->HasFocus();
  if (!wanted || (grid->Style() != nullptr && !grid->Style()->FocusFrame())) return;
  TGridRect box = view_.Selection();
  box.Left -= view_.FrozenCols();
  TCanvas* canvas = view_.Canvas();
  canvas->Font()->SetColor(clWindowText);
  canvas->Brush()->SetColor(clWindow);
  canvas->DrawFocusRect(view_.BoxRect(box));
}

void TDBGridExGridPainter::DrawLines(const TDBGridExDrawInfo& info, TColor fixedLine, TColor dataLine) {
  TDBGridExHost* grid = view_.Model();
  const TGridAxisDrawInfo& h = info.Horz;
  const TGridAxisDrawInfo& v = info.Vert;
  const int left = view_.LeftCol();
  const int top = view_.TopRow();
  DrawAreaLines(info, {0, 0, Rect(0, 0, h.FixedBoundary, v.FixedBoundary)}, fixedLine, true);
  DrawAreaLines(info, {left, 0, Rect(h.FixedBoundary, 0, h.GridBoundary, v.FixedBoundary)}, fixedLine, true);
  DrawAreaLines(info, {0, top, Rect(0, v.FixedBoundary, h.FixedBoundary, v.GridBoundary)}, fixedLine, true);
  const bool footerLikeFixed = grid->OptionsEx().Contains(dghFooter3D) || grid->FooterColor() == clBtnFace;
  const int footerTop = v.GridBoundary - info.VertTrail.Extent;
  const int frozen = view_.FrozenCols();
  if (frozen > 0 && !grid->OptionsEx().Contains(dghFrozen3D)) {
    const int firstFrozen = view_.FixedCols() - frozen;
    int width = 0;
    for (int col = firstFrozen; col < view_.FixedCols(); ++col) width += h.Span(col);
    const int bottom = footerLikeFixed ? footerTop : v.GridBoundary;
    DrawAreaLines(info, {firstFrozen, top, Rect(h.FixedBoundary - width, v.FixedBoundary, h.FixedBoundary - 1, bottom)},
                  dataLine, false);
  }
  DrawAreaLines(info, {left, top, Rect(h.FixedBoundary, v.FixedBoundary, h.GridBoundary, v.GridBoundary)}, dataLine,
                false);
  if (footerLikeFixed && view_.FooterRowCount() > 0) {
    const int firstFooter = view_.RowCount() - view_.FooterRowCount();
    const TRect footer = Rect(h.FixedBoundary, footerTop, h.GridBoundary, v.GridBoundary);
    DrawAreaLines(info, {left, firstFooter, footer}, fixedLine, true);
    if (view_.GridOptions().Contains(goHorzLine) && v.EffectiveLineWidth > 0) {
      const int y = footerTop - v.EffectiveLineWidth + v.EffectiveLineWidth / 2;
      points_ = {Point(footer.Left, y), Point(footer.Right, y)};
      counts_ = {2};
      PolyLines(v.EffectiveLineWidth, fixedLine);
    }
  }
}

// The lines that follow each cell of an area, every vertical one and then every horizontal one
// in one call each. A line whose option is off still takes its room, drawn in the cell colour.
void TDBGridExGridPainter::DrawAreaLines(const TDBGridExDrawInfo& info, const Area& area, TColor lineColor,
                                         bool fixedArea) {
  TDBGridExHost* grid = view_.Model();
  const TGridOptions options = view_.GridOptions();
  const TColor cellColor = fixedArea ? grid->FixedColor() : grid->GridColor();
  const bool vertOn = options.Contains(fixedArea ? goFixedVertLine : goVertLine);
  const bool horzOn = options.Contains(fixedArea ? goFixedHorzLine : goHorzLine);
  const int vertWidth = info.Horz.EffectiveLineWidth;
  CollectLines(area.FirstCol, view_.ColCount(), area.Rect.Left, area.Rect.Right, vertWidth,
               [this](int col) { return view_.ColWidth(col); },
               [&](int at) { return std::make_pair(Point(at, area.Rect.Top), Point(at, area.Rect.Bottom)); });
  PolyLines(vertWidth, vertOn ? lineColor : cellColor);
  const int horzWidth = info.Vert.EffectiveLineWidth;
  CollectLines(area.FirstRow, view_.RowCount(), area.Rect.Top, area.Rect.Bottom, horzWidth,
               [this](int row) { return view_.RowHeight(row); },
               [&](int at) { return std::make_pair(Point(area.Rect.Left, at), Point(area.Rect.Right, at)); });
  PolyLines(horzWidth, horzOn ? lineColor : cellColor);
}

// The line after each cell from `first` on while they start before `end`; cells of negative
// extent take no room.
template <typename Extent, typename Line>
void TDBGridExGridPainter::CollectLines(int first, int count, int start, int end, int lineWidth, Extent extent,
                                        Line line) {
  points_.clear();
  counts_.clear();
  if (lineWidth <= 0) return;
  for (int cell = first, at = start; cell < count && at < end; ++cell) {
    const int size = extent(cell);
    if (size < 0) continue;
    at += size;
    const auto [from, to] = line(at + lineWidth / 2);
    points_.push_back(from);
    points_.push_back(to);
    counts_.push_back(2);
    at += lineWidth;
  }
}

void TDBGridExGridPainter::PolyLines(int width, TColor color) {
  if (counts_.empty()) return;
  HDC dc = view_.Canvas()->Handle();
  TGdiOwner<HPEN> pen;
  if (width > 1) {
    LOGBRUSH brush;
    brush.lbColor = Rgb(color);
    pen.reset(ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_MITER, width, brush));
  } else {
    pen.reset(CreatePen(PS_SOLID, 1, Rgb(color)));
  }
  TSavedDC saved(dc);
  SelectObject(dc, pen.get());
  SetROP2(dc, R2_COPYPEN);
  PolyPolyline(dc, points_.data(), counts_.data(), static_cast<int>(counts_.size()));
}

void TDBGridExGridPainter::DrawCells(const TDBGridExDrawInfo& info, const Area& area, TGridDrawState extra) {
  TDBGridExHost* grid = view_.Model();
  HDC dc = view_.Canvas()->Handle();
  const TGridRect selection = view_.Selection();
  const bool focused = view_.IsActiveControl();
  const int currentCol = view_.CurrentCol();
  const int currentRow = view_.CurrentRow();
  // The in-place editor covers the current cell while it is shown.
  const bool editorCovers = view_.GridOptions().Contains(goEditing) && view_.EditorMode() && !grid->IsDesigning();
  const int colCount = view_.ColCount();
  for (int row = area.FirstRow, y = area.Rect.Top; row < view_.RowCount() && y < area.Rect.Bottom; ++row) {
    const int height = view_.RowHeight(row);
    if (height < 0) continue;
    const int nextY = y + height + info.Vert.EffectiveLineWidth;
    // A row outside the clip is skipped whole: its record is never read.
    if (height == 0 || !RectVisible(dc, Rect(area.Rect.Left, y, area.Rect.Right, y + height))) {
      y = nextY;
      continue;
    }
    for (int col = area.FirstCol, x = area.Rect.Left; col < colCount && x < area.Rect.Right; ++col) {
      const int width = view_.ColWidth(col);
      if (width < 0) continue;
      const TRect rect = Rect(x, y, x + width, y + height);
      x = rect.Right + info.Horz.EffectiveLineWidth;
      if (width == 0 || !RectVisible(dc, rect)) continue;
      TGridDrawState state = extra;
      const bool current = row == currentRow && col == currentCol;
      if (focused && current) state += gdFocused;
      if (selection.Contains(col, row)) state += gdSelected;
      if (current && editorCovers) continue;
      view_.DrawCell(col, row, rect, state);
    }
    y = nextY;
  }
}

void TDBGridExGridPainter::DrawFlatBorder() {
  TDBGridExHost* grid = view_.Model();
  if (!grid->Flat() || view_.BorderStyle() != bsSingle || !view_.Ctl3D()) return;
  HWND window = view_.Window();
  HDC dc = GetWindowDC(window);
  TRect bounds;
  GetWindowRect(window, bounds);
  OffsetRect(bounds, -bounds.Left, -bounds.Top);
  DrawEdge(dc, bounds, BDR_SUNKENOUTER, BF_RECT);
  ReleaseDC(window, dc);
}

bool TDBGridExGridPainter::WantsOffScreen(const TMessage& m, bool needsDoubleBuffer) {
  if (needsDoubleBuffer && !doubleBufferingForbidden) doubleBuffered_ = true;
  return doubleBuffered_ && m.WParam == 0;
}

void TDBGridExGridPainter::PaintOffScreen() {
  HWND window = view_.Window();
  const TRect client = view_.ClientRect();
  PAINTSTRUCT ps;
  HDC paintDC = BeginPaint(window, ps);
  struct EndPaintScope {
    HWND Window;
    PAINTSTRUCT& Paint;
    ~EndPaintScope() { EndPaint(Window, Paint); }
  } end{window, ps};
  TGdiOwner<HBITMAP> bitmap(CreateCompatibleBitmap(paintDC, client.Width(), client.Height()));
  TGdiOwner<HDC> memDC(CreateCompatibleDC(nullptr));
  SelectObject(memDC.get(), bitmap.get());
  view_.PaintInto(WM_ERASEBKGND, memDC.get());
  SelectClipRgn(memDC.get(), TGdiOwner<HRGN>(CreateRectRgnIndirect(ps.rcPaint)).get());
  view_.PaintInto(WM_PAINT, memDC.get());
  BitBlt(paintDC, 0, 0, client.Right, client.Bottom, memDC.get(), 0, 0, SRCCOPY);
}
