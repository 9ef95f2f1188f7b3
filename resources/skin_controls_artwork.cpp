// The skinned controls' pictures of one style: push buttons, check and radio boxes, bars,
// scroll parts, tabs and the side channel.

#include <algorithm>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "resources/artwork.h"
#include "resources/skin_artwork_kit.h"

namespace skin_art {

namespace {

enum TLook { lookNormal, lookHover, lookDown, lookDisabled };

struct TFace {
  TColor Edge, Top, Bottom, Ring;
};

TFace FaceFor(const TStylePalette& p, TLook look) {
  switch (look) {
    case lookHover:
      return {p.Accent, Mix(p.Face, p.AccentLight, 35), Mix(p.FaceShade, p.AccentLight, 45),
              Lighter(p.AccentLight, 60)};
    case lookDown:
      return {Darker(p.Accent, 20), Mix(p.FaceShade, p.Accent, 25), Mix(p.Face, p.AccentLight, 30),
              Mix(p.FaceShade, p.Accent, 35)};
    case lookDisabled:
      return {Mix(p.Border, p.Background, 60), p.Background, p.Background, p.Background};
    case lookNormal:
    default:
      return {p.Border, p.Face, p.FaceShade, clWhite};
  }
}

// A raised face: outline, a light ring just inside and the gradient in the middle.
void RaisedFace(TBitmap& b, const TRect& r, int radius, const TFace& f) {
  PaintShape(b, r, RoundedRect(r, radius), f.Edge, f.Top, f.Bottom);
  TRect inner = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  if (!inner.IsEmpty()) PaintShape(b, inner, RoundedRect(inner, std::max(radius - 1, 0)), f.Ring, f.Top, f.Bottom);
}

TBitmap* Sized(TBitmap& b, TSize size, TColor background) {
  b.SetSize(size.cx, size.cy);
  FillRect(b, Rect(0, 0, size.cx, size.cy), background);
  return &b;
}

void Add(TArtworkSink& sink, const TStylePalette& p, const char* part, TBitmap& b) {
  sink.AddBitmap(p.Prefix + "_" + part, b);
}

// Normal, mouse over, pressed.
void DrawButton(const TStylePalette& p, TArtworkSink& sink) {
  TBitmap b;
  Sized(b, p.Sizes.Button, p.ButtonSeeThrough ? kSeeThrough : p.Background);
  DrawStrip(b, 3, [&](int i, const TRect& r) {
    RaisedFace(b, r, p.Radius, FaceFor(p, static_cast<TLook>(i)));
  });
  Add(sink, p, "BUTTON", b);
}

// The box or circle of a check or radio glyph, centred in its cell.
TRect GlyphBox(const TRect& cell, int size) {
  int left = cell.Left + (cell.Width() - size) / 2;
  int top = cell.Top + (cell.Height() - size) / 2;
  return Bounds(left, top, size, size);
}

// Checked, unchecked, checked disabled, unchecked disabled.
void DrawCheckGlyphs(const TStylePalette& p, TArtworkSink& sink, const char* part, TSize size,
                     bool radio) {
  TBitmap b;
  Sized(b, size, radio ? kSeeThrough : p.Background);
  DrawStrip(b, 4, [&](int i, const TRect& r) {
    bool checked = i % 2 == 0, enabled = i < 2;
    int side = std::min(r.Width(), r.Height()) - (radio ? 0 : 2);
    TRect box = GlyphBox(r, side);
    TColor edge = enabled ? p.Border : Mix(p.Border, p.Background, 60);
    TColor top = enabled ? Darker(p.Face, 6) : p.Background;
    TColor bottom = enabled ? clWhite : p.Background;
    TColor mark = enabled ? p.Accent : Mix(p.Border, p.Background, 50);
    PaintShape(b, box, radio ? Circle(box) : RoundedRect(box, 1), edge, top, bottom);
    if (!checked) return;
    if (radio) {
      int dot = std::max(side / 2 - 1, 3);
      TRect inner = GlyphBox(box, dot);
      PaintShape(b, inner, Circle(inner), mark, Lighter(mark, 40), mark);
    } else {
      CheckMark(b, Point(box.Left + 2, box.Top + 2), side - 4, mark);
    }
  });
  Add(sink, p, part, b);
}

void DrawProgressBar(const TStylePalette& p, TArtworkSink& sink) {
  TBitmap b;
  Sized(b, p.Sizes.ProgressBar, p.Accent);
  int h = b.Height(), w = b.Width();
  // Light enough for the dark percentage the bar draws over it.
  VerticalGradient(b, Rect(0, 0, w, h / 2), Lighter(p.AccentLight, 60), Lighter(p.AccentLight, 25));
  VerticalGradient(b, Rect(0, h / 2, w, h), p.AccentLight, Darker(p.AccentLight, 10));
  Add(sink, p, "PROGRESSBAR", b);
}

// Left end, middle, right end of a sunken groove; the ends are rounded see-through.
void DrawTrackBarBar(const TStylePalette& p, TArtworkSink& sink) {
  TBitmap b;
  Sized(b, p.Sizes.TrackBar, kSeeThrough);
  TRect r = Rect(0, 0, b.Width(), b.Height());
  PaintShape(b, r, RoundedRect(r, std::min(2, b.Height() / 2)), Darker(p.Border, 10),
             Mix(p.FaceShade, p.Border, 30), Lighter(p.FaceShade, 40));
  Add(sink, p, "TRACKBAR_BAR", b);
}

// The horizontal slider points down at the ticks; drawn see-through.
void DrawTrackBarSlider(const TStylePalette& p, TArtworkSink& sink) {
  TBitmap b;
  Sized(b, p.Sizes.TrackSlider, kSeeThrough);
  const int w = b.Width(), h = b.Height(), tip = w / 2 + 1;
  TRect body = Rect(0, 0, w, h - tip);
  auto inside = [&](int x, int y) {
    if (x < 0 || x >= w || y < 0 || y >= h) return false;
    if (y < h - tip) return RoundedRect(body, 2)(x, y);
    return std::abs(2 * x - (w - 1)) <= 2 * (h - 1 - y);
  };
  PaintShape(b, Rect(0, 0, w, h), inside, p.Border, p.Face, p.FaceShade);
  Line(b, Point(2, 3), Point(w - 3, 3), p.Accent);
  Add(sink, p, "TRACKBAR_SLIDER", b);
}

// The vertical slider points right; drawn opaque on the background.
void DrawTrackBarSliderV(const TStylePalette& p, TArtworkSink& sink) {
  TBitmap b;
  Sized(b, p.Sizes.TrackSliderV, p.Background);
  const int w = b.Width(), h = b.Height(), tip = h / 2 + 1;
  TRect body = Rect(0, 0, w - tip, h);
  auto inside = [&](int x, int y) {
    if (x < 0 || x >= w || y < 0 || y >= h) return false;
    if (x < w - tip) return RoundedRect(body, 2)(x, y);
    return std::abs(2 * y - (h - 1)) <= 2 * (w - 1 - x);
  };
  PaintShape(b, Rect(0, 0, w, h), inside, p.Border, p.Face, p.FaceShade);
  Line(b, Point(3, 2), Point(3, h - 3), p.Accent);
  Add(sink, p, "TRACKBAR_SLIDER_V", b);
}

// Up arrow normal, over, pressed; down arrow normal, over, pressed (a vertical bar's arrows).
void DrawScrollBarButtons(const TStylePalette& p, TArtworkSink& sink) {
  TBitmap b;
  Sized(b, p.Sizes.ScrollBarButton, p.ScrollBack);
  DrawStrip(b, 6, [&](int i, const TRect& r) {
    TFace face = FaceFor(p, static_cast<TLook>(i % 3));
    RaisedFace(b, r, 0, face);
    TPoint centre = Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    if (i % 3 == 2) centre = Point(centre.x + 1, centre.y + 1);
    Arrow(b, centre, 7, i < 3 ? dirUp : dirDown, i % 3 == 0 ? Darker(p.Border, 20) : p.Accent);
  });
  Add(sink, p, "SCROLLBAR_BUTTON", b);
}

// Start, middle and end of a horizontal thumb.
void DrawScrollBarThumb(const TStylePalette& p, TArtworkSink& sink) {
  TBitmap b;
  Sized(b, p.Sizes.ScrollBarThumb, p.ScrollBack);
  TRect r = Rect(0, 1, b.Width(), b.Height() - 1);
  PaintShape(b, r, RoundedRect(r, 3), p.Border, Mix(p.Face, p.AccentLight, 25),
             Mix(p.FaceShade, p.AccentLight, 40));
  Add(sink, p, "SCROLLBAR_TRACK", b);
}

// Checked, unchecked, checked disabled, unchecked disabled, on a list's white.
void DrawCheckList(const TStylePalette& p, TArtworkSink& sink) {
  TBitmap b;
  Sized(b, p.Sizes.CheckList, clWhite);
  DrawStrip(b, 4, [&](int i, const TRect& r) {
    bool checked = i % 2 == 0, enabled = i < 2;
    TRect box = GlyphBox(r, std::min(r.Width(), r.Height()) - 1);
    TColor edge = enabled ? p.Border : Mix(p.Border, clWhite, 60);
    PaintShape(b, box, RoundedRect(box, 0), edge, clWhite, enabled ? Darker(p.Face, 4) : clWhite);
    if (checked) CheckMark(b, Point(box.Left + 2, box.Top + 2), box.Width() - 4, enabled ? p.Accent : edge);
  });
  Add(sink, p, "CHECKLIST", b);
}

// Forward normal, forward over, back normal, back over: the tab strip's scroll buttons.
void DrawTabScrollButtons(const TStylePalette& p, TArtworkSink& sink, const String& name,
                          TSize size) {
  TBitmap b;
  Sized(b, size, p.Background);
  DrawStrip(b, 4, [&](int i, const TRect& r) {
    bool hover = i % 2 == 1;
    TRect face = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    RaisedFace(b, face, 2, FaceFor(p, hover ? lookHover : lookNormal));
    Arrow(b, Point((face.Left + face.Right) / 2, (face.Top + face.Bottom) / 2), 7,
          i < 2 ? dirRight : dirLeft, hover ? p.Accent : Darker(p.Border, 20));
  });
  sink.AddBitmap(name, b);
}

// Active and inactive tab, each three cells (left end, middle, right end) with rounded
// see-through top corners.
void DrawTab(const TStylePalette& p, TArtworkSink& sink) {
  TBitmap b;
  Sized(b, p.Sizes.Tab, kSeeThrough);
  DrawStrip(b, 2, [&](int i, const TRect& r) {
    bool active = i == 0;
    int radius = std::min(2, r.Width() / 3);
    auto inside = [&](int x, int y) {
      // Rounded at the top only: the bottom joins the bar under the tabs.
      return r.Contains(Point(x, y)) && RoundedRect(Rect(r.Left, r.Top, r.Right, r.Bottom + radius), radius)(x, y);
    };
    TColor top = active ? clWhite : p.Face, bottom = active ? Lighter(p.AccentLight, 50) : p.FaceShade;
    PaintShape(b, r, inside, p.Border, top, bottom);
    if (active) Line(b, Point(r.Left + 1, r.Top + 1), Point(r.Right - 2, r.Top + 1), p.Accent);
  });
  Add(sink, p, "TAB", b);
}

void DrawTabLine(const TStylePalette& p, TArtworkSink& sink) {
  TBitmap b;
  Sized(b, p.Sizes.TabLine, Lighter(p.AccentLight, 50));
  VerticalGradient(b, Rect(0, 0, b.Width(), b.Height()), Lighter(p.AccentLight, 50), p.AccentLight);
  Add(sink, p, "TAB_LINE", b);
}

// A vertical handle with grip dots and a small arrow.
void DrawSideChannel(const TStylePalette& p, TArtworkSink& sink) {
  TBitmap handle;
  Sized(handle, p.Sizes.SideHandle, p.Background);
  TRect r = Rect(0, 0, handle.Width(), handle.Height());
  PaintShape(handle, r, RoundedRect(r, 2), p.Border, p.Face, p.FaceShade);
  int cx = handle.Width() / 2, cy = handle.Height() / 2;
  Arrow(handle, Point(cx, cy), 5, dirLeft, p.Accent);
  for (int k = 1; k <= 3; ++k) {
    handle.Canvas()->SetPixels(cx, cy - 6 - 3 * k, Darker(p.Border, 10));
    handle.Canvas()->SetPixels(cx, cy + 6 + 3 * k, Darker(p.Border, 10));
  }
  Add(sink, p, "SIDECHANNEL_HANDLE", handle);

  TBitmap bar;
  Sized(bar, p.Sizes.SideBar, p.Face);
  VerticalGradient(bar, Rect(0, 0, bar.Width(), bar.Height()), p.Face, p.FaceShade);
  Add(sink, p, "SIDECHANNEL_BAR", bar);
}

}  // namespace

void DrawControlArtwork(const TStylePalette& p, TArtworkSink& sink) {
  DrawButton(p, sink);
  DrawCheckGlyphs(p, sink, "CHECKBOX", p.Sizes.CheckBox, false);
  DrawCheckGlyphs(p, sink, "RADIOBUTTON", p.Sizes.RadioButton, true);
  DrawProgressBar(p, sink);
  DrawTrackBarBar(p, sink);
  DrawTrackBarSlider(p, sink);
  DrawTrackBarSliderV(p, sink);
  DrawScrollBarButtons(p, sink);
  DrawScrollBarThumb(p, sink);
  DrawCheckList(p, sink);
  if (p.OwnScrollButton) DrawTabScrollButtons(p, sink, p.Prefix + "_SCROLLBUTTON", p.Sizes.ScrollButton);
  DrawTab(p, sink);
  DrawTabLine(p, sink);
  DrawSideChannel(p, sink);
}

// The styles without their own tab scroll buttons share these, drawn in the Marine manner.
void DrawSharedScrollButtons(const TStylePalette& p, TArtworkSink& sink) {
  DrawTabScrollButtons(p, sink, "MORE_SCROLLBUTTON", {72, 17});
}

}  // namespace skin_art
