// The skinned form's pictures of one style (title bar sections and buttons) and the pictures
// named in code: menu backgrounds, form tiles, combo buttons, the menu check mark and the
// message box icons.

#include <algorithm>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "resources/artwork.h"
#include "resources/skin_artwork_kit.h"

namespace skin_art {

namespace {

// The title bar's colour at row y of a bar `height` high: a glossy upper half over the
// style's gradient.
TColor TitleRow(const TStylePalette& p, int y, int height) {
  TColor base = Mix(p.TitleTop, p.TitleBottom, height <= 1 ? 0 : y * 100 / (height - 1));
  if (y == 0) return Lighter(base, 35);
  if (y == height - 1) return Darker(base, 25);
  return y < height / 2 ? Lighter(base, 12) : base;
}

// Columns blend from `edge` (at x = fromX) into the bar's own colours (at x = toX).
void TitleSection(const TStylePalette& p, TBitmap& b, int fromX, int toX, TColor edge) {
  const int h = b.Height();
  for (int x = 0; x < b.Width(); ++x) {
    int span = std::max(std::abs(toX - fromX), 1);
    int weight = std::clamp(100 - std::abs(x - fromX) * 100 / span, 0, 100);
    for (int y = 0; y < h; ++y) b.Canvas()->SetPixels(x, y, Mix(TitleRow(p, y, h), edge, weight * 45 / 100));
  }
}

void DrawTitleSections(const TStylePalette& p, TArtworkSink& sink) {
  TBitmap left(p.Sizes.TitleLeft.cx, p.Sizes.TitleLeft.cy);
  // A light sweep at the left end that fades into the bar before the section ends.
  TitleSection(p, left, 0, left.Width() - 1, Lighter(p.TitleTop, 40));
  sink.AddBitmap(p.Prefix + "_TITLE_LEFT", left);

  TBitmap client(p.Sizes.TitleClient.cx, p.Sizes.TitleClient.cy);
  for (int y = 0; y < client.Height(); ++y) {
    FillRect(client, Rect(0, y, client.Width(), y + 1), TitleRow(p, y, client.Height()));
  }
  sink.AddBitmap(p.Prefix + "_TITLE_CLIENT", client);

  TBitmap right(p.Sizes.TitleRight.cx, p.Sizes.TitleRight.cy);
  TitleSection(p, right, right.Width() - 1, 0, Darker(p.TitleBottom, 30));
  sink.AddBitmap(p.Prefix + "_TITLE_RIGHT", right);
}

// A question mark 5 x 7 dots, each dot `scale` pixels square.
void QuestionMark(TBitmap& b, TPoint o, TColor c, int scale = 1) {
  static const char* rows[] = {".###.", "#...#", "....#", "..##.", "..#..", ".....", "..#.."};
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 5; ++x) {
      if (rows[y][x] == '#') FillRect(b, Bounds(o.x + x * scale, o.y + y * scale, scale, scale), c);
    }
  }
}

// A small program icon: a speech bubble on the accent colour.
void ProgramIcon(TBitmap& b, const TRect& r, const TStylePalette& p) {
  TRect icon = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
  PaintShape(b, icon, RoundedRect(icon, 2), Darker(p.Accent, 30), Lighter(p.Accent, 30), p.Accent);
  TRect bubble = Rect(icon.Left + 2, icon.Top + 2, icon.Right - 2, icon.Bottom - 4);
  if (bubble.IsEmpty()) return;
  PaintShape(b, bubble, RoundedRect(bubble, 2), clWhite, clWhite, clWhite);
  Line(b, Point(bubble.Left + 2, bubble.Bottom), Point(bubble.Left + 3, bubble.Bottom + 1), clWhite);
}

enum TTitleGlyph { tgControlBox, tgHelp, tgMax, tgRestore, tgMin, tgClose };

void TitleGlyph(TBitmap& b, const TRect& r, TTitleGlyph glyph, const TStylePalette& p, TColor c) {
  const int s = std::min(r.Width(), r.Height());
  const int g = std::max(s / 2, 5);  // glyph box
  const int x0 = r.Left + (r.Width() - g) / 2, y0 = r.Top + (r.Height() - g) / 2;
  const TRect box = Bounds(x0, y0, g, g);
  switch (glyph) {
    case tgControlBox:
      ProgramIcon(b, r, p);
      break;
    case tgHelp:
      QuestionMark(b, Point(r.Left + (r.Width() - 5) / 2, r.Top + (r.Height() - 7) / 2), c);
      break;
    case tgMax:
      FrameRect(b, box, c);
      FillRect(b, Rect(box.Left, box.Top, box.Right, box.Top + 2), c);
      break;
    case tgRestore: {
      TRect back = Rect(box.Left + 2, box.Top, box.Right, box.Bottom - 2);
      TRect front = Rect(box.Left, box.Top + 2, box.Right - 2, box.Bottom);
      FrameRect(b, back, c);
      FillRect(b, Rect(front.Left, front.Top, front.Right, front.Bottom), TitleRow(p, front.Top, r.Height()));
      FrameRect(b, front, c);
      FillRect(b, Rect(front.Left, front.Top, front.Right, front.Top + 2), c);
      break;
    }
    case tgMin:
      FillRect(b, Rect(box.Left, box.Bottom - 2, box.Right, box.Bottom), c);
      break;
    case tgClose:
      for (int t = 0; t < 2; ++t) {
        Line(b, Point(box.Left + t, box.Top), Point(box.Right - 2 + t, box.Bottom - 1), c);
        Line(b, Point(box.Right - 2 + t, box.Top), Point(box.Left + t, box.Bottom - 1), c);
      }
      break;
  }
}

// Eighteen cells: control box, help, maximize, restore, minimize, close; each normal, mouse
// over and pressed.
void DrawTitleButtons(const TStylePalette& p, TArtworkSink& sink) {
  TBitmap b(p.Sizes.TitleButton.cx, p.Sizes.TitleButton.cy);
  const int barHeight = p.Sizes.TitleLeft.cy;
  DrawStrip(b, 18, [&](int i, const TRect& r) {
    auto glyph = static_cast<TTitleGlyph>(i / 3);
    int look = i % 3;
    // Opaque buttons carry the bar's own rows behind them, so they sit on it unseen.
    for (int y = r.Top; y < r.Bottom; ++y) {
      TColor behind = p.TitleButtonSeeThrough ? kSeeThrough : TitleRow(p, y + p.TitleButtonTop, barHeight);
      FillRect(b, Rect(r.Left, y, r.Right, y + 1), behind);
    }
    bool framed = p.TitleButtonSeeThrough || look != 0;
    if (framed) {
      TColor accent = glyph == tgClose ? static_cast<TColor>(0x2020C8) : p.Accent;
      TColor top = look == 2 ? Darker(accent, 25) : look == 1 ? Lighter(accent, 25) : Mix(p.TitleTop, accent, 40);
      TColor bottom = look == 2 ? Darker(accent, 10) : look == 1 ? accent : Mix(p.TitleBottom, accent, 40);
      TRect face = Rect(r.Left, r.Top, r.Right, r.Bottom);
      PaintShape(b, face, RoundedRect(face, 3), Lighter(p.TitleGlyph == clWhite ? p.TitleTop : p.Border, 20), top, bottom);
    }
    TColor c = look == 0 || p.TitleGlyph != clWhite ? p.TitleGlyph : clWhite;
    TRect glyphRect = look == 2 ? Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1) : r;
    TitleGlyph(b, glyphRect, glyph, p, c);
  });
  sink.AddBitmap(p.Prefix + "_TITLEBTN", b);
}

void Gradient(TArtworkSink& sink, const String& name, TSize size, TColor top, TColor bottom) {
  TBitmap b(size.cx, size.cy);
  VerticalGradient(b, Rect(0, 0, size.cx, size.cy), top, bottom);
  sink.AddBitmap(name, b);
}

// An 8 x 8 tile of fine lines over `base`.
void FormTile(TArtworkSink& sink, const String& name, TColor base, bool diagonal) {
  TBitmap b(8, 8);
  FillRect(b, Rect(0, 0, 8, 8), base);
  for (int k = 0; k < 8; ++k) {
    if (diagonal) {
      b.Canvas()->SetPixels(k, (k + 3) % 8, Darker(base, 3));
    } else if (k % 2 == 0) {
      FillRect(b, Rect(0, k, 8, k + 1), Darker(base, 2));
    }
  }
  sink.AddBitmap(name, b);
}

void ComboButton(TArtworkSink& sink, const String& name, TSize size, TColor top, TColor bottom,
                 TColor border, bool arrow) {
  TBitmap b(size.cx, size.cy);
  TRect r = Rect(0, 0, size.cx, size.cy);
  VerticalGradient(b, r, top, bottom);
  Line(b, Point(0, 0), Point(0, size.cy - 1), border);
  Line(b, Point(1, 0), Point(1, size.cy - 1), Lighter(top, 60));
  if (arrow) Arrow(b, Point(size.cx / 2, size.cy / 2), 7, dirDown, border);
  sink.AddBitmap(name, b);
}

}  // namespace

void DrawFrameArtwork(const TStylePalette& p, TArtworkSink& sink) {
  DrawTitleSections(p, sink);
  DrawTitleButtons(p, sink);
}

void DrawStyleArtwork(const TStylePalette& p, TArtworkSink& sink) {
  DrawControlArtwork(p, sink);
  DrawFrameArtwork(p, sink);
  if (p.Prefix == "GRAPHITE") {
    Gradient(sink, "GRAPHITE_MENU_BAR", {1, 22}, static_cast<TColor>(0xFAFAFA), static_cast<TColor>(0xCFCFCF));
    Gradient(sink, "GRAPHITE_MENU_SELECT", {1, 21}, Lighter(p.Accent, 30), Darker(p.Accent, 10));
    FormTile(sink, "GRAPHITE_FORM_BACKGROUND", p.Background, false);
    ComboButton(sink, "GRAPHITE_COMBOBOX_BUTTON", {16, 17}, p.Face, p.FaceShade, p.Border, false);
  } else if (p.Prefix == "PEARL") {
    ComboButton(sink, "PEARL_COMBOBOX_BUTTON", {16, 18}, clWhite, p.AccentLight, p.Accent, true);
  } else if (p.Prefix == "JADE") {
    FormTile(sink, "JADE_FORM_BACKGROUND", p.Background, true);
  }
}

namespace {

// Warning, stop, information and help, 42 x 42 each.
void MessageIcons(TArtworkSink& sink) {
  const TColor background = static_cast<TColor>(0xDEEBEF);
  TBitmap b(168, 42);
  FillRect(b, Rect(0, 0, 168, 42), background);
  DrawStrip(b, 4, [&](int i, const TRect& r) {
    TRect icon = Rect(r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4);
    const int cx = (icon.Left + icon.Right) / 2;
    if (i == 0) {
      auto triangle = [&](int x, int y) {
        return icon.Contains(Point(x, y)) && std::abs(2 * (x - cx) + 1) <= y - icon.Top + 1;
      };
      PaintShape(b, icon, triangle, static_cast<TColor>(0x0070A0), static_cast<TColor>(0x60F0FF),
                 static_cast<TColor>(0x00C0F0));
      FillRect(b, Rect(cx - 1, icon.Top + 10, cx + 2, icon.Top + 24), clBlack);
      FillRect(b, Rect(cx - 1, icon.Top + 27, cx + 2, icon.Top + 30), clBlack);
      return;
    }
    const TColor fill[] = {0, static_cast<TColor>(0x2020D0), static_cast<TColor>(0xD07020),
                           static_cast<TColor>(0xD07020)};
    PaintShape(b, icon, Circle(icon), Darker(fill[i], 30), Lighter(fill[i], 35), fill[i]);
    const int cy = (icon.Top + icon.Bottom) / 2;
    if (i == 1) {
      for (int t = -1; t <= 1; ++t) {
        Line(b, Point(cx - 8 + t, cy - 8), Point(cx + 8 + t, cy + 8), clWhite);
        Line(b, Point(cx + 8 + t, cy - 8), Point(cx - 8 + t, cy + 8), clWhite);
      }
    } else if (i == 2) {
      FillRect(b, Rect(cx - 2, cy - 11, cx + 2, cy - 7), clWhite);
      FillRect(b, Rect(cx - 2, cy - 4, cx + 2, cy + 11), clWhite);
    } else {
      QuestionMark(b, Point(cx - 7, cy - 10), clWhite, 3);
    }
  });
  sink.AddBitmap("MSGDLG", b);
}

}  // namespace

void DrawSharedSkinArtwork(TArtworkSink& sink) {
  // The menu draws this check mark with white as its see-through colour.
  TBitmap check(16, 16);
  FillRect(check, Rect(0, 0, 16, 16), clWhite);
  CheckMark(check, Point(4, 4), 8, clBlack);
  sink.AddBitmap("MENU_CHECKED", check);
  MessageIcons(sink);
}

}  // namespace skin_art
