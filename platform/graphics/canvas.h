#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/classes/persistent.h"
#include "platform/core/events.h"
#include "platform/core/types.h"
#include "platform/graphics/graphics_objects.h"

class TGraphic;
class TBitmap;

using TCopyMode = DWORD;  // a raster operation (SRCCOPY, ...)

enum TCanvasStates : uint8_t { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = Set<TCanvasStates>;
enum TTextFormats : uint8_t {
  tfBottom, tfCalcRect, tfCenter, tfEditControl, tfEndEllipsis, tfPathEllipsis, tfExpandTabs,
  tfExternalLeading, tfLeft, tfModifyString, tfNoClip, tfNoPrefix, tfRight, tfRtlReading,
  tfSingleLine, tfTop, tfVerticalCenter, tfWordBreak,
};
using TTextFormat = Set<TTextFormats>;

// The class library's canvas over a device context: Font, Pen and Brush are selected into
// the DC before each drawing call that uses them, so changing them takes effect at once.
// A canvas either gets its DC from CreateHandle (a bitmap's or a control's canvas) or is
// given one with SetHandle (painting into a caller's DC).
class TCanvas : public TPersistent {
  DECLARE_CLASS(TCanvas, TPersistent)
 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The device context, created on demand by CreateHandle.
  HDC Handle();
  // Uses a DC the caller owns (nullptr detaches); the canvas never deletes it.
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* font) { font_->Assign(font); }
  TPen* Pen() const { return pen_.get(); }
  void SetPen(TPen* pen) { pen_->Assign(pen); }
  TBrush* Brush() const { return brush_.get(); }
  void SetBrush(TBrush* brush) { brush_->Assign(brush); }
  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }
  // Extra ExtTextOut options used by TextOut and TextRect (ETO_CLIPPED, ETO_OPAQUE, ...).
  int TextFlags() const { return textFlags_; }
  void SetTextFlags(int flags) { textFlags_ = flags; }
  TPoint PenPos();
  void SetPenPos(TPoint p);
  // The clip bounds in logical coordinates.
  TRect ClipRect();

  TColor Pixels(int x, int y);
  void SetPixels(int x, int y, TColor color);

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(const std::vector<TPoint>& points);
  void Polygon(const std::vector<TPoint>& points);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  // A dotted focus rectangle by inversion: drawing it twice restores the picture.
  void DrawFocusRect(const TRect& r);

  void TextOut(int x, int y, std::string_view text);
  // Text at (x, y) clipped to rect (and the rect filled first unless the brush is clear).
  void TextRect(const TRect& rect, int x, int y, std::string_view text);
  // DrawText-style formatted text; with tfCalcRect updates rect and draws nothing.
  void TextRect(TRect& rect, std::string_view text, TTextFormat format);
  int TextWidth(std::string_view text);
  int TextHeight(std::string_view text);
  TSize TextExtent(std::string_view text);

  // Draws a graphic at its size; a bitmap's transparent colour is left out when it is
  // Transparent.
  void Draw(int x, int y, TGraphic* graphic);
  // Scales the graphic into rect; a rect with negative width or height mirrors it.
  void StretchDraw(const TRect& rect, TGraphic* graphic);
  // Copies (and scales) a rectangle of another canvas with CopyMode.
  void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source);
  // Copies a rectangle of a bitmap, replacing pixels of `color` with the brush.
  void BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor color);

  // Kept for callers that bracket drawing from several threads; drawing is single-threaded.
  void Lock() { ++lockCount_; }
  void Unlock() { --lockCount_; }
  int LockCount() const { return lockCount_; }
  // Deselects the objects from the DC (they are re-selected on the next drawing call).
  void Refresh();

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  // Called by Handle() when there is no DC yet: the default raises EInvalidOperation
  // ("Canvas does not allow drawing"); a bitmap or control canvas calls SetHandle.
  virtual void CreateHandle();
  // Makes the DC ready and selects what `state` asks for.
  HDC RequiredState(TCanvasState state);
  // The DC as it is, without creating or selecting anything (nullptr when none).
  HDC CurrentHandle() const { return dc_; }
  void Changing();
  void Changed();

 private:
  void ObjectChanged(TObject* sender);
  void SelectFont(HDC dc);
  void SelectPen(HDC dc);
  void SelectBrush(HDC dc);
  void DeselectHandles();

  HDC dc_ = nullptr;
  TCanvasState state_;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  TCopyMode copyMode_;
  int textFlags_ = 0;
  int lockCount_ = 0;
  HGDIOBJ oldFont_ = nullptr;
  HGDIOBJ oldPen_ = nullptr;
  HGDIOBJ oldBrush_ = nullptr;
};

// Converts a text format set to DT_* flags.
UINT TextFormatToFlags(TTextFormat format);
