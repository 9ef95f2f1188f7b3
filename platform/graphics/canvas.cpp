// The canvas: drawing with its pen, brush and font on a device context.
#include "platform/graphics/canvas.h"

#include "platform/core/exceptions.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/raster.h"
#include "platform/graphics/region.h"
#include "platform/graphics/shapes.h"
#include "platform/graphics/text_out.h"

namespace {

const TCanvasState kPenAndBrush{csHandleValid, csPenValid, csBrushValid};
const TCanvasState kFontAndBrush{csHandleValid, csFontValid, csBrushValid};

COLORREF ColorRef(TColor color) { return GetNearestColor(nullptr, static_cast<COLORREF>(color)); }

// Brackets one drawing call with OnChanging and OnChange.
class ChangeScope {
 public:
  ChangeScope(TNotifyEvent& changing, TNotifyEvent& changed, TObject* sender) : changed_(changed), sender_(sender) {
    changing.Call(sender);
  }
  ~ChangeScope() { changed_.Call(sender_); }
  ChangeScope(const ChangeScope&) = delete;
  ChangeScope& operator=(const ChangeScope&) = delete;

 private:
  TNotifyEvent& changed_;
  TObject* sender_;
};

}  // namespace

TCanvas::TCanvas()
    : font_(std::make_unique<TFont>()),
      pen_(std::make_unique<TPen>()),
      brush_(std::make_unique<TBrush>()),
      copyMode_(SRCCOPY) {
  auto changed = [this](TObject* sender) { ObjectChanged(sender); };
  font_->OnChange.Bind(this, "FontChanged", changed);
  pen_->OnChange.Bind(this, "PenChanged", changed);
  brush_->OnChange.Bind(this, "BrushChanged", changed);
}

TCanvas::~TCanvas() { DeselectHandles(); }

void TCanvas::ObjectChanged(TObject* sender) {
  if (sender == font_.get()) state_.Exclude(csFontValid);
  else if (sender == pen_.get()) state_.Exclude(csPenValid);
  else if (sender == brush_.get()) state_.Exclude(csBrushValid);
}

void TCanvas::CreateHandle() { throw EInvalidOperation("Canvas does not allow drawing"); }

HDC TCanvas::Handle() {
  return RequiredState({csHandleValid, csFontValid, csPenValid, csBrushValid});
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  DeselectHandles();
  dc_ = dc;
  state_ = dc != nullptr ? TCanvasState{csHandleValid} : TCanvasState{};
}

HDC TCanvas::RequiredState(TCanvasState state) {
  if (dc_ == nullptr) {
    CreateHandle();
    if (dc_ == nullptr) throw EInvalidOperation("Canvas does not allow drawing");
  }
  if (state.Contains(csFontValid) && !state_.Contains(csFontValid)) SelectFont(dc_);
  if (state.Contains(csPenValid) && !state_.Contains(csPenValid)) SelectPen(dc_);
  if (state.Contains(csBrushValid) && !state_.Contains(csBrushValid)) SelectBrush(dc_);
  return dc_;
}

void TCanvas::SelectFont(HDC dc) {
  HGDIOBJ old = SelectObject(dc, font_->Handle());
  if (oldFont_ == nullptr) oldFont_ = old;
  ::SetTextColor(dc, ColorRef(font_->Color()));
  state_.Include(csFontValid);
}

void TCanvas::SelectPen(HDC dc) {
  HGDIOBJ old = SelectObject(dc, pen_->Handle());
  if (oldPen_ == nullptr) oldPen_ = old;
  SetROP2(dc, PenModeToROP2(pen_->Mode()));
  state_.Include(csPenValid);
}

void TCanvas::SelectBrush(HDC dc) {
  HGDIOBJ old = SelectObject(dc, brush_->Handle());
  if (oldBrush_ == nullptr) oldBrush_ = old;
  bool solid = brush_->Style() == bsSolid && brush_->Bitmap() == nullptr;
  SetBkColor(dc, solid ? ColorRef(brush_->Color()) : ~ColorRef(brush_->Color()) & 0xFFFFFF);
  SetBkMode(dc, solid ? OPAQUE : TRANSPARENT);
  state_.Include(csBrushValid);
}

void TCanvas::DeselectHandles() {
  if (dc_ == nullptr) return;
  if (oldFont_ != nullptr) SelectObject(dc_, oldFont_);
  if (oldPen_ != nullptr) SelectObject(dc_, oldPen_);
  if (oldBrush_ != nullptr) SelectObject(dc_, oldBrush_);
  oldFont_ = oldPen_ = oldBrush_ = nullptr;
  state_ -= TCanvasState{csFontValid, csPenValid, csBrushValid};
}

void TCanvas::Refresh() { DeselectHandles(); }
void TCanvas::Changing() { OnChanging.Call(this); }
void TCanvas::Changed() { OnChange.Call(this); }

TPoint TCanvas::PenPos() {
  TPoint p;
  GetCurrentPositionEx(RequiredState({csHandleValid}), &p);
  return p;
}

void TCanvas::SetPenPos(TPoint p) { MoveTo(p.x, p.y); }

TRect TCanvas::ClipRect() {
  TRect r;
  GetClipBox(RequiredState({csHandleValid}), r);
  return r;
}

TColor TCanvas::Pixels(int x, int y) {
  return static_cast<TColor>(GetPixel(RequiredState({csHandleValid}), x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  ChangeScope scope(OnChanging, OnChange, this);
  SetPixel(RequiredState({csHandleValid, csPenValid}), x, y, ColorRef(color));
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(RequiredState({csHandleValid}), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  ChangeScope scope(OnChanging, OnChange, this);
  ::LineTo(RequiredState(kPenAndBrush), x, y);
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  ChangeScope scope(OnChanging, OnChange, this);
  ::Polyline(RequiredState(kPenAndBrush), points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  ChangeScope scope(OnChanging, OnChange, this);
  ::Polygon(RequiredState(kPenAndBrush), points.data(), static_cast<int>(points.size()));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  ChangeScope scope(OnChanging, OnChange, this);
  ::Rectangle(RequiredState(kPenAndBrush), x1, y1, x2, y2);
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  ChangeScope scope(OnChanging, OnChange, this);
  ::RoundRect(RequiredState(kPenAndBrush), x1, y1, x2, y2, x3, y3);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  ChangeScope scope(OnChanging, OnChange, this);
  ::Ellipse(RequiredState(kPenAndBrush), x1, y1, x2, y2);
}

void TCanvas::FillRect(const TRect& r) {
  ChangeScope scope(OnChanging, OnChange, this);
  ::FillRect(RequiredState({csHandleValid, csBrushValid}), r, brush_->Handle());
}

void TCanvas::FrameRect(const TRect& r) {
  ChangeScope scope(OnChanging, OnChange, this);
  ::FrameRect(RequiredState({csHandleValid, csBrushValid}), r, brush_->Handle());
}

void TCanvas::DrawFocusRect(const TRect& r) {
  ChangeScope scope(OnChanging, OnChange, this);
  ::DrawFocusRect(RequiredState({csHandleValid, csBrushValid}), r);
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  ChangeScope scope(OnChanging, OnChange, this);
  HDC dc = RequiredState(kFontAndBrush);
  ExtTextOut(dc, x, y, static_cast<UINT>(textFlags_), nullptr, text);
  TSize size;
  GetTextExtentPoint32(dc, text, &size);
  MoveToEx(dc, Saturate(int64_t{x} + size.cx), y, nullptr);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
  ChangeScope scope(OnChanging, OnChange, this);
  HDC dc = RequiredState(kFontAndBrush);
  UINT options = ETO_CLIPPED | static_cast<UINT>(textFlags_);
  if (brush_->Style() != bsClear) options |= ETO_OPAQUE;
  ExtTextOut(dc, x, y, options, &rect, text);
}

void TCanvas::TextRect(TRect& rect, std::string_view text, TTextFormat format) {
  ChangeScope scope(OnChanging, OnChange, this);
  // A solid brush makes the background opaque: each line's cell is filled, not the rectangle.
  DrawText(RequiredState(kFontAndBrush), text, rect, TextFormatToFlags(format));
}

TSize TCanvas::TextExtent(std::string_view text) {
  TSize size;
  GetTextExtentPoint32(RequiredState({csHandleValid, csFontValid}), text, &size);
  return size;
}

int TCanvas::TextWidth(std::string_view text) { return TextExtent(text).cx; }
int TCanvas::TextHeight(std::string_view text) { return TextExtent(text).cy; }

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  ChangeScope scope(OnChanging, OnChange, this);
  RequiredState({csHandleValid});
  graphic->Draw(this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  ChangeScope scope(OnChanging, OnChange, this);
  RequiredState({csHandleValid});
  graphic->Draw(this, rect);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source) {
  if (canvas == nullptr) return;
  ChangeScope scope(OnChanging, OnChange, this);
  HDC dc = RequiredState({csHandleValid, csBrushValid});
  StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), canvas->Handle(), source.Left, source.Top,
             source.Width(), source.Height(), copyMode_);
}

void TCanvas::BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor color) {
  if (bitmap == nullptr || dest.IsEmpty()) return;
  ChangeScope scope(OnChanging, OnChange, this);
  HDC dc = RequiredState({csHandleValid, csBrushValid});
  // Scale into a scratch bitmap first, so the replaced colour is judged on what lands here.
  TBitmap scratch(dest.Width(), dest.Height());
  StretchBlt(scratch.Canvas()->Handle(), 0, 0, dest.Width(), dest.Height(), bitmap->Canvas()->Handle(),
             source.Left, source.Top, source.Width(), source.Height(), SRCCOPY);
  std::vector<TRect> keyed;
  uint32_t key = PixelOf(ColorRef(color)) & 0xFFFFFF;
  for (int y = 0; y < dest.Height(); ++y)
    for (int x = 0; x < dest.Width(); ++x)
      if ((scratch.Pixel32(x, y) & 0xFFFFFF) == key) keyed.push_back(Rect(dest.Left + x, dest.Top + y, dest.Left + x + 1, dest.Top + y + 1));
  BitBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), scratch.Canvas()->Handle(), 0, 0, SRCCOPY);
  TGdiOwner<HRGN> region(CreateRegion(TRegion::FromRuns(keyed)));
  FillRgn(dc, region.get(), brush_->Handle());
}

UINT TextFormatToFlags(TTextFormat format) {
  static constexpr std::pair<TTextFormats, UINT> kFlags[] = {
      {tfBottom, DT_BOTTOM},           {tfCalcRect, DT_CALCRECT},     {tfCenter, DT_CENTER},
      {tfEditControl, DT_EDITCONTROL}, {tfEndEllipsis, DT_END_ELLIPSIS}, {tfPathEllipsis, DT_PATH_ELLIPSIS},
      {tfExpandTabs, DT_EXPANDTABS},   {tfExternalLeading, DT_EXTERNALLEADING}, {tfLeft, DT_LEFT},
      {tfModifyString, DT_MODIFYSTRING}, {tfNoClip, DT_NOCLIP},       {tfNoPrefix, DT_NOPREFIX},
      {tfRight, DT_RIGHT},             {tfRtlReading, DT_RTLREADING}, {tfSingleLine, DT_SINGLELINE},
      {tfTop, DT_TOP},                 {tfVerticalCenter, DT_VCENTER}, {tfWordBreak, DT_WORDBREAK},
  };
  UINT flags = 0;
  for (const auto& [f, v] : kFlags)
    if (format.Contains(f)) flags |= v;
  return flags;
}
