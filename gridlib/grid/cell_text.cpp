// Texts and images inside grid cells: aligned, wrapped, shortened and turned.
#include "gridlib/grid/cell_text.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/image_list.h"
#include "platform/graphics/region.h"
#include "platform/graphics/text_out.h"

namespace {

struct SharedBitmap {
  std::unique_ptr<TBitmap> Bitmap;
  int Users = 0;
};

SharedBitmap& Shared() {
  static SharedBitmap shared;
  return shared;
}

constexpr UINT kAlignFlags[] = {DT_LEFT | DT_EXPANDTABS | DT_NOPREFIX, DT_RIGHT | DT_EXPANDTABS | DT_NOPREFIX,
                                DT_CENTER | DT_EXPANDTABS | DT_NOPREFIX};

COLORREF RgbOf(TColor color) { return static_cast<COLORREF>(ColorToRGB(color)) & 0x00FFFFFF; }

// The device shows the brush colour as it is (no dithering).
bool ExactBrush(TCanvas* canvas) {
  const COLORREF wanted = RgbOf(canvas->Brush()->Color());
  return GetNearestColor(canvas->Handle(), wanted) == wanted;
}

// Makes the canvas's device context ready for DrawTextEx with the canvas's font, its colour
// and the brush as background; everything is put back when the scope ends.
class CanvasTextState {
 public:
  explicit CanvasTextState(TCanvas* canvas) : dc_(canvas->Handle()), saved_(dc_) {
    SelectObject(dc_, canvas->Font()->Handle());
    SetTextColor(dc_, RgbOf(canvas->Font()->Color()));
    SetBkColor(dc_, RgbOf(canvas->Brush()->Color()));
    SetBkMode(dc_, TRANSPARENT);
  }
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  TSavedDC saved_;
};

// Sets the brush style to clear unless the text fills its rectangle; restores it after.
class ClearBrushUnlessFilled {
 public:
  ClearBrushUnlessFilled(TCanvas* canvas, bool fill) : canvas_(canvas), saved_(canvas->Brush()->Style()) {
    if (!fill) canvas_->Brush()->SetStyle(bsClear);
  }
  ~ClearBrushUnlessFilled() {
    if (canvas_->Brush()->Style() != saved_) canvas_->Brush()->SetStyle(saved_);
  }
  ClearBrushUnlessFilled(const ClearBrushUnlessFilled&) = delete;
  ClearBrushUnlessFilled& operator=(const ClearBrushUnlessFilled&) = delete;

 private:
  TCanvas* canvas_;
  TBrushStyle saved_;
};

// Width of the text as it is drawn; bold and italic glyphs may reach past their advance.
int DrawnTextWidth(TCanvas* canvas, const String& text) {
  const TFontStyles style = canvas->Font()->Style();
  if (!style.Contains(fsBold) && !style.Contains(fsItalic)) return canvas->TextWidth(text);
  CanvasTextState state(canvas);
  TRect r = Rect(0, 0, 0, 0);
  DrawText(state.dc(), text, r, DT_CALCRECT | DT_NOPREFIX);
  return r.Right - r.Left;
}

struct TextBox {
  TAlignment Alignment;
  TTextLayout Layout;
  bool MultiLine;
  bool EndEllipsis;
  int DX;
  int DY;
  int LeftMarg;
  int RightMarg;
  bool RightToLeft;
};

// Formatted text in the rectangle less its margins. A text taller than the rectangle starts
// at its top whatever the layout, so that its first line stays in the cell.
void DrawTextInBox(HDC dc, const String& text, TRect rect, const TextBox& box) {
  UINT flags = kAlignFlags[box.Alignment];
  if (box.MultiLine) flags |= DT_WORDBREAK;
  if (box.EndEllipsis) flags |= DT_END_ELLIPSIS;
  if (box.RightToLeft) flags |= DT_RTLREADING;
  DRAWTEXTPARAMS params;
  params.iLeftMargin = box.LeftMarg;
  params.iRightMargin = box.RightMarg;
  InflateRect(rect, -box.DX, -box.DY);
  if (box.Layout != tlTop) {
    TRect calc = rect;
    DrawTextEx(dc, text, calc, flags | DT_CALCRECT, &params);
    const int height = calc.Bottom - calc.Top;
    const int top = box.Layout == tlCenter ? rect.Top + (rect.Bottom - rect.Top - height) / 2 : rect.Bottom - height;
    rect.Top = std::max(rect.Top, top);
  }
  if (box.DX > 0) ++rect.Bottom;
  DrawTextEx(dc, text, rect, flags, &params);
}

TBitmap* SizedDrawBitmap(const TRect& rect) {
  TBitmap* bitmap = SharedDrawBitmap();
  if (bitmap == nullptr) return nullptr;
  const int width = std::max(bitmap->Width(), rect.Width());
  const int height = std::max(bitmap->Height(), rect.Height());
  if (width != bitmap->Width() || height != bitmap->Height()) bitmap->SetSize(width, height);
  return bitmap;
}

// Composes what `write` writes (on a canvas with the target's font and brush, in a rectangle
// of `rect`'s size at the origin) on the shared bitmap over a solid background, and copies it
// to `rect`. False when no grid holds the bitmap.
template <typename Write>
bool ComposeOffScreen(TCanvas* canvas, const TRect& rect, Write write) {
  TBitmap* bitmap = SizedDrawBitmap(rect);
  if (bitmap == nullptr) return false;
  TCanvas* off = bitmap->Canvas();
  off->Font()->Assign(canvas->Font());
  off->Brush()->Assign(canvas->Brush());
  off->Brush()->SetStyle(bsSolid);
  const TRect local = Rect(0, 0, rect.Width(), rect.Height());
  off->FillRect(local);
  write(off, local);
  canvas->CopyRect(rect, off, local);
  return true;
}

int TextX(TCanvas* canvas, const TRect& rect, const String& text, TAlignment alignment, int dx) {
  switch (alignment) {
    case taLeftJustify: return rect.Left + dx;
    case taRightJustify: return rect.Right - DrawnTextWidth(canvas, text) - 3;
    case taCenter:
      if (rect.Right <= rect.Left) return 0;
      return rect.Left + (rect.Right - rect.Left) / 2 - DrawnTextWidth(canvas, text) / 2;
  }
  return rect.Left + dx;
}

int TextY(TCanvas* canvas, const TRect& rect, const String& text, TTextLayout layout, int dy) {
  if (layout == tlTop) return rect.Top + dy;
  const int height = canvas->TextHeight(text.empty() ? String("W") : text);
  if (height >= rect.Height() - dy) return rect.Top + dy;
  return layout == tlCenter ? (rect.Top + rect.Bottom - height) / 2 : rect.Bottom - height;
}

void WriteSingleLine(TCanvas* canvas, const TRect& rect, bool fillRect, const String& text, const TextBox& box) {
  const String shown = box.EndEllipsis ? EllipsisText(text, canvas, rect.Width() - box.DX) : text;
  const int x = TextX(canvas, rect, shown, box.Alignment, box.DX);
  const int y = TextY(canvas, rect, shown, box.Layout, box.DY);
  ClearBrushUnlessFilled brush(canvas, fillRect);
  canvas->TextRect(rect, x, y, shown);
}

void WriteMultiLine(TCanvas* canvas, const TRect& rect, bool fillRect, const String& text, const TextBox& box) {
  if (fillRect) canvas->FillRect(rect);
  CanvasTextState state(canvas);
  DrawTextInBox(state.dc(), text, rect, box);
}

}  // namespace

void WriteTextEx(TCanvas* canvas, const TRect& rect, bool fillRect, int dx, int dy, const String& text,
                 TAlignment alignment, TTextLayout layout, bool multiLine, bool endEllipsis, int leftMarg,
                 int rightMarg, bool rightToLeft) {
  const TextBox box{alignment, layout, multiLine, endEllipsis, dx, dy, leftMarg, rightMarg, rightToLeft};
  auto write = [&text, &box](TCanvas* off, const TRect& local) {
    CanvasTextState state(off);
    DrawTextInBox(state.dc(), text, local, box);
  };
  if (!ExactBrush(canvas) && ComposeOffScreen(canvas, rect, write)) return;
  if (multiLine) WriteMultiLine(canvas, rect, fillRect, text, box);
  else WriteSingleLine(canvas, rect, fillRect, text, box);
}

String EllipsisText(const String& text, TCanvas* canvas, int maxWidth) {
  if (canvas->TextWidth(text) <= maxWidth) return text;
  const int count = CharLength(text);
  // One measurement of every character's end; then the longest prefix, two characters
  // shorter at least, that fits with the dots.
  std::vector<int> ends(static_cast<size_t>(std::max(count, 1)));
  int fit = 0;
  TSize size;
  GetTextExtentExPoint(canvas->Handle(), text, INT32_MAX, &fit, ends.data(), &size);
  const int dots = canvas->TextWidth("...");
  for (int keep = count - 2; keep > 0; --keep) {
    if (ends[static_cast<size_t>(keep - 1)] + dots <= maxWidth) return LeftStr(text, keep) + "...";
  }
  return "...";
}

namespace {

// The face of the system's default font, which a font named "Default" stands for.
String DefaultFontFace() {
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  const String face = GetTextFace(dc);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return face;
}

}  // namespace

HFONT CreateRotatedFont(TFont* font) {
  LOGFONT lf;
  lf.lfHeight = font->Height();
  lf.lfWidth = 0;
  lf.lfEscapement = 900;
  lf.lfOrientation = 900;
  const TFontStyles style = font->Style();
  lf.lfWeight = style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = style.Contains(fsItalic) ? 1 : 0;
  lf.lfUnderline = style.Contains(fsUnderline) ? 1 : 0;
  lf.lfStrikeOut = style.Contains(fsStrikeOut) ? 1 : 0;
  lf.lfCharSet = font->Charset();
  lf.lfOutPrecision = 7;  // true-type outlines only
  lf.lfPitchAndFamily = font->Pitch() == fpVariable ? VARIABLE_PITCH
                        : font->Pitch() == fpFixed  ? FIXED_PITCH
                                                    : DEFAULT_PITCH;
  lf.lfFaceName = font->Name() == "Default" ? DefaultFontFace() : font->Name();
  return CreateFontIndirect(lf);
}

RotatedFontSelection::RotatedFontSelection(TCanvas* canvas)
    : dc_(canvas->Handle()), rotated_(CreateRotatedFont(canvas->Font())), previous_(SelectObject(dc_, rotated_)) {
  SetTextColor(dc_, RgbOf(canvas->Font()->Color()));
}

RotatedFontSelection::~RotatedFontSelection() {
  SelectObject(dc_, previous_);
  DeleteObject(rotated_);
}

namespace {

// How far an italic font's glyphs reach past their advance: its slope times its ascent.
int ItalicOverhang(HDC dc, const TEXTMETRIC& metrics) {
  OUTLINETEXTMETRIC outline;
  if (metrics.tmItalic == 0 || !GetOutlineTextMetrics(dc, &outline)) return metrics.tmOverhang;
  return static_cast<int>(std::lround(static_cast<double>(outline.otmsCharSlopeRun) * outline.otmAscent /
                                      outline.otmsCharSlopeRise));
}

// The text turned, its start (its lower end) at (x, y), clipped to `clip`.
void WriteTurned(TCanvas* canvas, int x, int y, const TRect& clip, const String& text) {
  RotatedFontSelection rotated(canvas);
  TSavedDC saved(rotated.dc());
  SetBkMode(rotated.dc(), TRANSPARENT);
  ExtTextOut(rotated.dc(), x, y, ETO_CLIPPED, &clip, text);
}

}  // namespace

int WriteTextVerticalEx(TCanvas* canvas, const TRect& rect, bool fillRect, int dx, int dy, const String& text,
                        TAlignment alignment, TTextLayout layout, bool calcOnly) {
  TEXTMETRIC metrics;
  int overhang = 0;
  {
    RotatedFontSelection rotated(canvas);
    GetTextMetrics(rotated.dc(), &metrics);
    overhang = ItalicOverhang(rotated.dc(), metrics);
  }
  const int length = overhang + canvas->TextExtent(text).cx;
  if (calcOnly) return length;
  const int across = metrics.tmHeight;
  int x = rect.Left + dx;
  if (alignment == taRightJustify) x = rect.Right - across;
  else if (alignment == taCenter) x = (rect.Left + rect.Right - across) / 2;
  int y = rect.Bottom - dy;
  if (layout == tlTop) y = rect.Top + length;
  else if (layout == tlCenter) y = (rect.Top + rect.Bottom + length) / 2;
  auto write = [&](TCanvas* off, const TRect& local) {
    WriteTurned(off, x - rect.Left, y - rect.Top, local, text);
  };
  if (!ExactBrush(canvas) && ComposeOffScreen(canvas, rect, write)) return length;
  if (fillRect) canvas->FillRect(rect);
  WriteTurned(canvas, x, y, rect, text);
  return length;
}

namespace {

TRect ImagePlace(TAlignment alignment, int offset, const TRect& rect, int width, int height) {
  int x = offset + rect.Left;
  if (alignment == taRightJustify) x = offset + rect.Right - width;
  else if (alignment == taCenter) x = offset + (rect.Left + rect.Right - width) / 2;
  const int y = (rect.Top + rect.Bottom - height) / 2;
  return Bounds(x, y, width, height);
}

// Runs `draw`, clipped to `rect` when the image reaches outside it; the clip is put back.
template <typename Draw>
void DrawInside(TCanvas* canvas, const TRect& image, const TRect& rect, Draw draw) {
  TRect both;
  UnionRect(both, image, rect);
  if (both == rect) return draw();
  HDC dc = canvas->Handle();
  TSavedDC saved(dc);
  IntersectClipRect(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
  draw();
}

}  // namespace

void DrawClipped(TCustomImageList* images, TCanvas* canvas, TAlignment alignment, int offset, int index,
                 const TRect& rect) {
  if (images == nullptr) return;
  const TRect image = ImagePlace(alignment, offset, rect, images->Width(), images->Height());
  DrawInside(canvas, image, rect, [&] { images->Draw(canvas, image.Left, image.Top, index, true); });
}

void DrawClipped(TBitmap* bitmap, TCanvas* canvas, TAlignment alignment, int offset, const TRect& rect) {
  if (bitmap == nullptr) return;
  const TRect image = ImagePlace(alignment, offset, rect, bitmap->Width(), bitmap->Height());
  DrawInside(canvas, image, rect, [&] { canvas->Draw(image.Left, image.Top, bitmap); });
}

void AcquireDrawBitmap() {
  SharedBitmap& shared = Shared();
  if (shared.Users++ == 0) shared.Bitmap = std::make_unique<TBitmap>();
}

void ReleaseDrawBitmap() {
  SharedBitmap& shared = Shared();
  if (shared.Users == 0) return;
  if (--shared.Users == 0) shared.Bitmap.reset();
}

TBitmap* SharedDrawBitmap() { return Shared().Bitmap.get(); }
