#include "platform/graphics/draw_text.h"

#include <algorithm>

#include "platform/graphics/raster.h"
#include "platform/graphics/text_engine.h"

namespace {

// One line of display text with the display indexes (code points) of underlined prefixes.
struct Line {
  String Text;
  std::vector<int> Underlined;
  int Width = 0;
};

struct Layout {
  const RealizedFont* Font = nullptr;
  UINT Format = 0;
  int TabWidth = 0;
  int WrapWidth = 0;
};

char32_t DecodeAt(std::string_view s, size_t offset, size_t len) {
  auto b = [&](size_t i) { return static_cast<unsigned char>(s[offset + i]); };
  switch (len) {
    case 2: return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
    case 3: return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
    case 4: return (b(0) & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F);
    default: return b(0);
  }
}

// Ideographs and their punctuation may break before or after any character.
bool IsIdeographic(char32_t c) {
  return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x2FFFF);
}

// Display text after "&" prefixes: "&&" is "&", "&x" underlines x (unless hidden).
Line StripPrefixes(std::string_view text, UINT format) {
  Line line;
  if (format & DT_NOPREFIX) {
    line.Text = String(text);
    return line;
  }
  int index = 0;
  for (size_t i = 0; i < text.size();) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != '&' && !(format & DT_HIDEPREFIX)) line.Underlined.push_back(index);
    } else if (text[i] == '&') {
      ++i;
      continue;
    }
    size_t len = CharByteLength(text, i);
    line.Text.append(text.substr(i, len));
    i += len;
    ++index;
  }
  return line;
}

int SegmentedWidth(const Layout& layout, std::string_view text) {
  if (!(layout.Format & DT_EXPANDTABS) || text.find('\t') == std::string_view::npos)
    return TextAdvance(*layout.Font, text);
  int x = 0;
  size_t start = 0;
  for (;;) {
    size_t tab = text.find('\t', start);
    x += TextAdvance(*layout.Font, text.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return x;
    x = (x / layout.TabWidth + 1) * layout.TabWidth;
    start = tab + 1;
  }
}

// Splits display text into lines at line ends (not for single-line text).
std::vector<Line> SplitLines(const Line& all, UINT format) {
  std::vector<Line> lines(1);
  int index = 0;
  size_t u = 0;
  const String& s = all.Text;
  for (size_t i = 0; i < s.size();) {
    size_t len = CharByteLength(s, i);
    while (u < all.Underlined.size() && all.Underlined[u] < index) ++u;
    bool lineEnd = s[i] == '\n' || s[i] == '\r';
    if (lineEnd && (format & DT_SINGLELINE)) {
      lines.back().Text += ' ';
    } else if (lineEnd) {
      if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
        ++i;
        ++index;
      }
      lines.emplace_back();
    } else {
      if (u < all.Underlined.size() && all.Underlined[u] == index)
        lines.back().Underlined.push_back(CharLength(lines.back().Text));
      lines.back().Text.append(s, i, len);
    }
    i += len;
    ++index;
  }
  return lines;
}

// Cuts a line where it passes the wrap width: after spaces, or between ideographs. A word
// wider than the width stays whole unless the format asks for edit-control breaking.
void WrapLine(const Layout& layout, Line line, std::vector<Line>& out) {
  for (;;) {
    const String& s = line.Text;
    if (SegmentedWidth(layout, s) <= layout.WrapWidth) break;
    size_t breakAt = 0, resumeAt = 0, lastFit = 0;
    char32_t previous = 0;
    for (size_t i = 0; i < s.size();) {
      size_t len = CharByteLength(s, i);
      char32_t c = DecodeAt(s, i, len);
      bool fits = SegmentedWidth(layout, std::string_view(s).substr(0, i + len)) <= layout.WrapWidth;
      if (c == ' ') {
        if (i > 0) { breakAt = i; resumeAt = i + len; }
      } else if (i > 0 && (IsIdeographic(c) || IsIdeographic(previous)) && previous != ' ') {
        if (SegmentedWidth(layout, std::string_view(s).substr(0, i)) <= layout.WrapWidth) { breakAt = i; resumeAt = i; }
      }
      if (fits) lastFit = i + len;
      if (!fits && c != ' ') break;
      previous = c;
      i += len;
    }
    if (breakAt == 0 && (layout.Format & DT_EDITCONTROL) && lastFit > 0) breakAt = resumeAt = lastFit;
    if (breakAt == 0) {
      // No break before the overflow: break at the next space, if any.
      size_t space = s.find(' ');
      if (space == String::npos || space == 0) break;
      breakAt = space;
      resumeAt = space + 1;
    }
    while (resumeAt < s.size() && s[resumeAt] == ' ') ++resumeAt;
    Line head, tail;
    head.Text = s.substr(0, breakAt);
    tail.Text = s.substr(resumeAt);
    int headChars = CharLength(head.Text), skipped = CharLength(std::string_view(s).substr(0, resumeAt));
    for (int u : line.Underlined) {
      if (u < headChars) head.Underlined.push_back(u);
      else if (u >= skipped) tail.Underlined.push_back(u - skipped);
    }
    out.push_back(std::move(head));
    line = std::move(tail);
  }
  out.push_back(std::move(line));
}

// Shortens the line so that it and "..." fit the width.
void AddEllipsis(const Layout& layout, Line& line) {
  static constexpr std::string_view kDots = "...";
  int dots = TextAdvance(*layout.Font, kDots);
  std::vector<int> ends = CodePointEnds(*layout.Font, line.Text);
  size_t keep = 0;
  while (keep < ends.size() && ends[keep] + dots <= layout.WrapWidth) ++keep;
  line.Text = String(line.Text.substr(0, CharToByteOffset(line.Text, static_cast<int>(keep)))) + String(kDots);
  std::erase_if(line.Underlined, [&](int u) { return u >= static_cast<int>(keep); });
}

void DrawLine(HDC__& dc, const Layout& layout, const Line& line, int x, int y, const TRegion& clip, bool rtl) {
  const TEXTMETRIC& tm = MetricsOf(*layout.Font);
  TRect cell = DeviceRect(dc, Rect(x, y, x + line.Width, y + tm.tmHeight));
  if (dc.State.BkMode == OPAQUE)
    PaintRegion(dc, clip.Intersect(cell), SolidPaint(dc.State.BkColor, R2_COPYPEN));
  COLORREF color = dc.State.TextColor;
  if (!(layout.Format & DT_PREFIXONLY)) {
    std::string_view s = line.Text;
    int offset = 0;
    size_t start = 0;
    bool tabs = (layout.Format & DT_EXPANDTABS) != 0;
    for (;;) {
      size_t tab = tabs ? s.find('\t', start) : std::string_view::npos;
      std::string_view part = s.substr(start, tab == std::string_view::npos ? tab : tab - start);
      TRect partCell = DeviceRect(dc, Bounds(x + offset, y, TextAdvance(*layout.Font, part), tm.tmHeight));
      DrawTextRun(dc, *layout.Font, partCell.Left, partCell.Top, part, color, clip, rtl);
      if (tab == std::string_view::npos) break;
      offset = ((offset + TextAdvance(*layout.Font, part)) / layout.TabWidth + 1) * layout.TabWidth;
      start = tab + 1;
    }
  }
  if (line.Underlined.empty()) return;
  std::vector<int> ends = CodePointEnds(*layout.Font, line.Text);
  Paint ink = SolidPaint(color, R2_COPYPEN);
  for (int u : line.Underlined) {
    if (u >= static_cast<int>(ends.size())) continue;
    int x0 = u == 0 ? 0 : ends[static_cast<size_t>(u - 1)];
    TRect bar = DeviceRect(dc, Rect(x + x0, y + tm.tmAscent + 1, x + ends[static_cast<size_t>(u)], y + tm.tmAscent + 2));
    PaintRegion(dc, clip.Intersect(bar), ink);
  }
}

}  // namespace

int DrawTextEx(HDC dc, std::string_view text, TRect& rect, UINT format, DRAWTEXTPARAMS* params) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr || d->Font == nullptr) return 0;
  Layout layout;
  layout.Font = &RealizeFont(*d->Font);
  layout.Format = format;
  const TEXTMETRIC& tm = MetricsOf(*layout.Font);
  int tabChars = params != nullptr && params->iTabLength > 0 ? params->iTabLength : 8;
  if ((format & DT_TABSTOP) && params == nullptr) tabChars = std::max(1, static_cast<int>((format >> 8) & 0xFF));
  layout.TabWidth = std::max(1, tabChars * std::max(1, tm.tmAveCharWidth));
  int leftMargin = params != nullptr ? params->iLeftMargin : 0;
  int rightMargin = params != nullptr ? params->iRightMargin : 0;
  int left = rect.Left + leftMargin;
  layout.WrapWidth = std::max(0, rect.Right - rightMargin - left);

  std::vector<Line> lines;
  for (Line& line : SplitLines(StripPrefixes(text, format), format)) {
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) WrapLine(layout, std::move(line), lines);
    else lines.push_back(std::move(line));
  }
  int lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
  int total = lineHeight * static_cast<int>(lines.size());
  if (params != nullptr) params->uiLengthDrawn = static_cast<UINT>(CharLength(text));

  int widest = 0;
  for (Line& line : lines) widest = std::max(widest, line.Width = SegmentedWidth(layout, line.Text));
  if (format & DT_CALCRECT) {
    rect.Right = left + widest + rightMargin;
    rect.Bottom = rect.Top + total;
    return total;
  }

  int y = rect.Top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER) y = rect.Top + (rect.Height() - lineHeight) / 2;
    else if (format & DT_BOTTOM) y = rect.Bottom - lineHeight;
  }
  if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) {
    size_t last = 0;
    while (last + 1 < lines.size() && y + static_cast<int>(last + 2) * lineHeight <= rect.Bottom) ++last;
    if (last + 1 < lines.size() || lines[last].Width > layout.WrapWidth) {
      if (last + 1 < lines.size() && lines[last].Width + TextAdvance(*layout.Font, "...") <= layout.WrapWidth)
        lines[last].Text += "...";
      else
        AddEllipsis(layout, lines[last]);
      lines[last].Width = SegmentedWidth(layout, lines[last].Text);
      lines.resize(last + 1);
    }
  }
  TRegion clip = ClipOf(*d);
  if (!(format & DT_NOCLIP)) clip = clip.Intersect(DeviceRect(*d, rect));
  bool rtl = (format & DT_RTLREADING) != 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    int x = left;
    if (format & DT_CENTER) x = left + (layout.WrapWidth - line.Width) / 2;
    else if (format & DT_RIGHT) x = rect.Right - rightMargin - line.Width;
    DrawLine(*d, layout, line, x, y + static_cast<int>(i) * lineHeight, clip, rtl);
  }
  if (format & DT_SINGLELINE && format & (DT_VCENTER | DT_BOTTOM)) return y - rect.Top + lineHeight;
  return total;
}

int DrawText(HDC dc, std::string_view text, TRect& rect, UINT format) {
  return DrawTextEx(dc, text, rect, format, nullptr);
}
