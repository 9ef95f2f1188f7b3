// Laying out and drawing text in a rectangle: lines, wrapping, ellipses and prefixes.
#include "platform/graphics/draw_text.h"

#include <algorithm>

#include "platform/core/utf8_codec.h"
#include "platform/graphics/raster.h"
#include "platform/graphics/text_engine.h"

namespace {

// One line of display text with the display indexes (code points) of underlined prefixes.
struct Line {
  String Text;
  std::vector<int> Underlined;
  int Width = 0;  // -1 when nothing needed it measured
};

struct Layout {
  const RealizedFont* Font = nullptr;
  UINT Format = 0;
  int TabWidth = 0;
  int WrapWidth = 0;
};

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

// x after each code point of a line, with tabs moved to their stops when expanded.
std::vector<int> LineEnds(const Layout& layout, std::string_view text) {
  if (!(layout.Format & DT_EXPANDTABS) || text.find('\t') == std::string_view::npos)
    return CodePointEnds(*layout.Font, text);
  std::vector<int> ends;
  int x = 0;
  size_t start = 0;
  for (;;) {
    size_t tab = text.find('\t', start);
    std::string_view part = text.substr(start, tab == std::string_view::npos ? tab : tab - start);
    for (int e : CodePointEnds(*layout.Font, part)) ends.push_back(x + e);
    if (!part.empty()) x = ends.back();
    if (tab == std::string_view::npos) return ends;
    x = (x / layout.TabWidth + 1) * layout.TabWidth;
    ends.push_back(x);
    start = tab + 1;
  }
}

int SegmentedWidth(const Layout& layout, std::string_view text) {
  if (!(layout.Format & DT_EXPANDTABS) || text.find('\t') == std::string_view::npos)
    return TextAdvance(*layout.Font, text);
  std::vector<int> ends = LineEnds(layout, text);
  return ends.empty() ? 0 : ends.back();
}

// The width a rectangle needs to hold the line: up to the last tab stop as drawing places it,
// then the rest of the line to the pixel its ink ends in.
int NeededWidth(const Layout& layout, std::string_view text) {
  const size_t tab = (layout.Format & DT_EXPANDTABS) ? text.rfind('\t') : std::string_view::npos;
  if (tab == std::string_view::npos) return TextExtentCeiling(*layout.Font, text);
  return SegmentedWidth(layout, text.substr(0, tab + 1)) + TextExtentCeiling(*layout.Font, text.substr(tab + 1));
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

// Where a too-wide line breaks: the byte offsets where the first line ends and the next one
// starts, or {0, 0} when it cannot break. Breaks come after spaces and between ideographs; a
// word wider than the width stays whole unless the format asks for edit-control breaking.
std::pair<size_t, size_t> FindBreak(const Layout& layout, const String& s, const std::vector<int>& ends) {
  size_t breakAt = 0, resumeAt = 0, lastFit = 0, k = 0;
  char32_t previous = 0;
  for (size_t i = 0; i < s.size() && k < ends.size(); ++k) {
    auto [c, len] = utf8::DecodeAt(s, i);
    int before = k == 0 ? 0 : ends[k - 1];
    bool fits = ends[k] <= layout.WrapWidth;
    if (c == ' ' && i > 0) {
      breakAt = i;
      resumeAt = i + len;
    } else if (i > 0 && previous != ' ' && (IsIdeographic(c) || IsIdeographic(previous)) && before <= layout.WrapWidth) {
      breakAt = resumeAt = i;
    }
    if (fits) lastFit = i + len;
    if (!fits && c != ' ') break;
    previous = c;
    i += len;
  }
  if (breakAt == 0 && (layout.Format & DT_EDITCONTROL) && lastFit > 0) return {lastFit, lastFit};
  if (breakAt == 0) {
    // Nothing to break at before the overflow: break at the next space, if any.
    size_t space = s.find(' ');
    if (space == String::npos || space == 0) return {0, 0};
    return {space, space + 1};
  }
  return {breakAt, resumeAt};
}

// Splits a line in two at byte offsets, keeping each underlined prefix with its character.
void SplitLine(const Line& line, size_t breakAt, size_t resumeAt, Line& head, Line& tail) {
  const String& s = line.Text;
  while (resumeAt < s.size() && s[resumeAt] == ' ') ++resumeAt;
  head.Text = s.substr(0, breakAt);
  tail.Text = s.substr(resumeAt);
  int headChars = CharLength(head.Text), skipped = CharLength(std::string_view(s).substr(0, resumeAt));
  for (int u : line.Underlined) {
    if (u < headChars) head.Underlined.push_back(u);
    else if (u >= skipped) tail.Underlined.push_back(u - skipped);
  }
}

void WrapLine(const Layout& layout, Line line, std::vector<Line>& out) {
  for (;;) {
    std::vector<int> ends = LineEnds(layout, line.Text);
    if (ends.empty() || ends.back() <= layout.WrapWidth) break;
    auto [breakAt, resumeAt] = FindBreak(layout, line.Text, ends);
    if (breakAt == 0) break;
    Line head, tail;
    SplitLine(line, breakAt, resumeAt, head, tail);
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

void DrawUnderlines(HDC__& dc, const Layout& layout, const Line& line, int x, int y, const TRegion& clip) {
  const TEXTMETRIC& tm = MetricsOf(*layout.Font);
  std::vector<int> ends = LineEnds(layout, line.Text);
  Paint ink = SolidPaint(dc.State.TextColor, R2_COPYPEN);
  for (int u : line.Underlined) {
    if (u >= static_cast<int>(ends.size())) continue;
    int x0 = u == 0 ? 0 : ends[static_cast<size_t>(u - 1)];
    TRect bar = DeviceRect(dc, Rect(x + x0, y + tm.tmAscent + 1, x + ends[static_cast<size_t>(u)], y + tm.tmAscent + 2));
    PaintRegion(dc, clip.Intersect(bar), ink);
  }
}

// The width of a part of a line between tabs, measured only when needed: to find the next
// tab stop, or where a mirrored part starts.
int PartWidth(const HDC__& dc, const Layout& layout, const Line& line, std::string_view part, bool whole, bool tabFollows) {
  if (whole && line.Width >= 0) return line.Width;
  return tabFollows || IsMirrored(dc) ? TextAdvance(*layout.Font, part) : 0;
}

void DrawLine(HDC__& dc, const Layout& layout, const Line& line, int x, int y, const TRegion& clip, bool rtl) {
  const TEXTMETRIC& tm = MetricsOf(*layout.Font);
  if (dc.State.BkMode == OPAQUE)
    PaintRegion(dc, clip.Intersect(DeviceRect(dc, Bounds(x, y, line.Width, tm.tmHeight))),
                SolidPaint(dc.State.BkColor, R2_COPYPEN));
  if (!(layout.Format & DT_PREFIXONLY)) {
    std::string_view s = line.Text;
    bool tabs = (layout.Format & DT_EXPANDTABS) != 0;
    int offset = 0;
    for (size_t start = 0;;) {
      size_t tab = tabs ? s.find('\t', start) : std::string_view::npos;
      std::string_view part = s.substr(start, tab == std::string_view::npos ? tab : tab - start);
      int width = PartWidth(dc, layout, line, part, start == 0 && tab == std::string_view::npos,
                            tab != std::string_view::npos);
      TRect cell = DeviceRect(dc, Bounds(x + offset, y, width, tm.tmHeight));
      DrawTextRun(dc, *layout.Font, cell.Left, cell.Top, part, dc.State.TextColor, clip, rtl);
      if (tab == std::string_view::npos) break;
      offset = ((offset + width) / layout.TabWidth + 1) * layout.TabWidth;
      start = tab + 1;
    }
  }
  if (!line.Underlined.empty()) DrawUnderlines(dc, layout, line, x, y, clip);
}

// Measures the lines when something depends on their width.
bool NeedsWidths(const HDC__& dc, UINT format) {
  return (format & (DT_CENTER | DT_RIGHT | DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) ||
         dc.State.BkMode == OPAQUE || IsMirrored(dc);
}

// Ends the last line that fits the rectangle with "..." when text is cut there.
void ApplyEllipsis(const Layout& layout, std::vector<Line>& lines, int firstY, int lineHeight, int bottom) {
  size_t last = 0;
  while (last + 1 < lines.size() && firstY + static_cast<int>(last + 2) * lineHeight <= bottom) ++last;
  if (last + 1 == lines.size() && lines[last].Width <= layout.WrapWidth) return;
  if (last + 1 < lines.size() && lines[last].Width + TextAdvance(*layout.Font, "...") <= layout.WrapWidth)
    lines[last].Text += "...";
  else
    AddEllipsis(layout, lines[last]);
  lines[last].Width = SegmentedWidth(layout, lines[last].Text);
  lines.resize(last + 1);
}

int RightMargin(const DRAWTEXTPARAMS* params) { return params != nullptr ? Saturate(params->iRightMargin) : 0; }

Layout MakeLayout(HDC__& dc, const TRect& rect, UINT format, const DRAWTEXTPARAMS* params, int& left) {
  Layout layout;
  layout.Font = &RealizeFont(*dc.Font);
  layout.Format = format;
  const TEXTMETRIC& tm = MetricsOf(*layout.Font);
  int tabChars = params != nullptr && params->iTabLength > 0 ? std::min(params->iTabLength, 1 << 12) : 8;
  if ((format & DT_TABSTOP) && params == nullptr) tabChars = std::max(1, static_cast<int>((format >> 8) & 0xFF));
  layout.TabWidth = std::max(1, tabChars * std::max(1, tm.tmAveCharWidth));
  left = Saturate(int64_t{rect.Left} + (params != nullptr ? Saturate(params->iLeftMargin) : 0));
  layout.WrapWidth = Saturate(std::max<int64_t>(0, int64_t{rect.Right} - RightMargin(params) - left));
  return layout;
}

std::vector<Line> LayOutLines(const Layout& layout, std::string_view text, bool measure) {
  UINT format = layout.Format;
  std::vector<Line> lines;
  for (Line& line : SplitLines(StripPrefixes(text, format), format)) {
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) WrapLine(layout, std::move(line), lines);
    else lines.push_back(std::move(line));
  }
  for (Line& line : lines) line.Width = measure ? SegmentedWidth(layout, line.Text) : -1;
  return lines;
}

}  // namespace

int DrawTextEx(HDC dc, std::string_view text, TRect& outRect, UINT format, DRAWTEXTPARAMS* params) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr || d->Font == nullptr) return 0;
  TRect rect = SaturateRect(outRect);
  int left = 0;
  Layout layout = MakeLayout(*d, rect, format, params, left);
  const TEXTMETRIC& tm = MetricsOf(*layout.Font);
  const bool calculating = (format & DT_CALCRECT) != 0;
  std::vector<Line> lines = LayOutLines(layout, text, !calculating && NeedsWidths(*d, format));
  int lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
  int total = lineHeight * static_cast<int>(lines.size());
  if (params != nullptr) params->uiLengthDrawn = static_cast<UINT>(CharLength(text));
  if (calculating) {
    int widest = 0;
    for (const Line& line : lines) widest = std::max(widest, NeededWidth(layout, line.Text));
    outRect.Right = Saturate(int64_t{left} + widest + RightMargin(params));
    outRect.Bottom = Saturate(int64_t{rect.Top} + total);
    return total;
  }
  int y = rect.Top;
  if ((format & DT_SINGLELINE) && (format & DT_VCENTER)) y = rect.Top + (rect.Height() - lineHeight) / 2;
  else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM)) y = rect.Bottom - lineHeight;
  if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) ApplyEllipsis(layout, lines, y, lineHeight, rect.Bottom);
  TRegion clip = ClipOf(*d);
  if (!(format & DT_NOCLIP)) clip = clip.Intersect(DeviceRect(*d, rect));
  for (size_t i = 0; i < lines.size(); ++i) {
    int x = left;
    if (format & DT_CENTER) x = left + (layout.WrapWidth - lines[i].Width) / 2;
    else if (format & DT_RIGHT) x = left + layout.WrapWidth - lines[i].Width;
    DrawLine(*d, layout, lines[i], x, y + static_cast<int>(i) * lineHeight, clip, (format & DT_RTLREADING) != 0);
  }
  if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM))) return y - rect.Top + lineHeight;
  return total;
}

int DrawText(HDC dc, std::string_view text, TRect& rect, UINT format) {
  return DrawTextEx(dc, text, rect, format, nullptr);
}
