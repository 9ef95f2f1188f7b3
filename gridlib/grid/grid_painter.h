#pragma once

#include <vector>

#include "gridlib/grid/grid_paint_view.h"
#include "gridlib/grid/grid_types.h"
#include "platform/windows/messages.h"

// Paints the whole data grid: grid lines area by area, every visible cell through the grid's
// DrawCell, the row focus frame and the client area past the cells; and the flat window
// border. WM_PAINT goes through an off-screen bitmap once the grid needs double buffering.
class TDBGridExGridPainter {
 public:
  explicit TDBGridExGridPainter(TDBGridExPaintView& view) : view_(view) {}

  void Paint();
  void DrawFlatBorder();
  // Whether WM_PAINT goes through an off-screen bitmap. The grid's rule for needing it
  // (`needsDoubleBuffer`) switches double buffering on for good, unless it is forbidden.
  bool WantsOffScreen(const TMessage& m, bool needsDoubleBuffer);
  // Paints the window through an off-screen bitmap of the client size: the grid erases and
  // paints into it, clipped to what is invalid, and it is copied to the window in one step.
  void PaintOffScreen();
  bool DoubleBuffered() const { return doubleBuffered_; }

 private:
  struct Area {
    int FirstCol;
    int FirstRow;
    TRect Rect;
  };
  void DrawLines(const TDBGridExDrawInfo& info, TColor fixedLine, TColor dataLine);
  void DrawAreaLines(const TDBGridExDrawInfo& info, const Area& area, TColor lineColor, bool fixedArea);
  template <typename Extent, typename Line>
  void CollectLines(int first, int count, int start, int end, int lineWidth, Extent extent, Line line);
  void PolyLines(int width, TColor color);
  void DrawCells(const TDBGridExDrawInfo& info, const Area& area, TGridDrawState extra);
  void DrawRowFocusFrame();

  TDBGridExPaintView& view_;
  bool doubleBuffered_ = false;
  // Line ends of one call, kept to spare each paint its allocations.
  std::vector<TPoint> points_;
  std::vector<DWORD> counts_;
};

// Forbids double buffering in every grid (off when the library starts).
void SetGridDoubleBufferingForbidden(bool forbidden);

