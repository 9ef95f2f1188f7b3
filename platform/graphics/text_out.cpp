// Drawing text at a point: font selection, background and escapement.
#include "platform/graphics/text_out.h"

#include "platform/graphics/raster.h"
#include "platform/graphics/text_engine.h"

namespace {

struct Substitution {
  const char* Face;
  const char* Family;
};

// The one table that maps face names of the original platform to installed families.
constexpr Substitution kSubstitutions[] = {
    {"MS Sans Serif", "DejaVu Sans"},
    {"MS Shell Dlg", "DejaVu Sans"},       {"MS Shell Dlg 2", "DejaVu Sans"},
    {"Tahoma", "DejaVu Sans"},             {"Arial", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},            {"Segoe UI", "DejaVu Sans"},
    {"System", "DejaVu Sans"},             {"Helvetica", "DejaVu Sans"},
    {"Small Fonts", "DejaVu Sans"},        {"", "DejaVu Sans"},
    {"Courier New", "DejaVu Sans Mono"},   {"Courier", "DejaVu Sans Mono"},
    {"Fixedsys", "DejaVu Sans Mono"},      {"Terminal", "DejaVu Sans Mono"},
    {"Lucida Console", "DejaVu Sans Mono"}, {"Consolas", "DejaVu Sans Mono"},
    {"Times New Roman", "DejaVu Serif"},   {"MS Serif", "DejaVu Serif"},
    {"Georgia", "DejaVu Serif"},
    {"宋体", "WenQuanYi Zen Hei"},         {"新宋体", "WenQuanYi Zen Hei"},
    {"SimSun", "WenQuanYi Zen Hei"},       {"NSimSun", "WenQuanYi Zen Hei"},
    {"黑体", "WenQuanYi Zen Hei"},         {"SimHei", "WenQuanYi Zen Hei"},
    {"微软雅黑", "WenQuanYi Zen Hei"},
    {"楷体", "WenQuanYi Zen Hei"},         {"楷体_GB2312", "WenQuanYi Zen Hei"},
    {"KaiTi", "WenQuanYi Zen Hei"},        {"仿宋", "WenQuanYi Zen Hei"},
    {"仿宋_GB2312", "WenQuanYi Zen Hei"},  {"FangSong", "WenQuanYi Zen Hei"},
};

const RealizedFont* SelectedFont(HDC__& dc) {
  return dc.Font != nullptr ? &RealizeFont(*dc.Font) : nullptr;
}

// The logical cell of a text of the given advance at the reference point, after alignment.
TRect TextCell(HDC__& dc, const RealizedFont& font, int x, int y, int advance) {
  const TEXTMETRIC& tm = MetricsOf(font);
  UINT align = dc.State.TextAlign;
  if ((align & TA_CENTER) == TA_CENTER) x -= advance / 2;
  else if (align & TA_RIGHT) x -= advance;
  if ((align & TA_BASELINE) == TA_BASELINE) y -= tm.tmAscent;
  else if (align & TA_BOTTOM) y -= tm.tmHeight;
  if (EscapementOf(font) == 900) return {x, y - advance, x + tm.tmHeight, y};
  if (EscapementOf(font) == 2700) return {x - tm.tmHeight, y, x, y + advance};
  return {x, y, x + advance, y + tm.tmHeight};
}

// Where the text's own top-left corner lands: upright text at the cell's top-left, text turned
// up (900) at its bottom-left, text turned down (2700) at its top-right.
TPoint TextOrigin(const TRect& cell, int escapement) {
  if (escapement == 900) return {cell.Left, cell.Bottom};
  if (escapement == 2700) return {cell.Right, cell.Top};
  return cell.TopLeft();
}

void FillOpaque(HDC__& dc, const TRect& deviceRect, const TRegion* clip) {
  Paint bk = SolidPaint(dc.State.BkColor, R2_COPYPEN);
  if (clip == nullptr) {
    PaintDeviceRect(dc, deviceRect, bk);
    return;
  }
  PaintRegion(dc, clip->Intersect(deviceRect), bk);
}

}  // namespace

String SubstituteFontName(std::string_view faceName) {
  for (const Substitution& s : kSubstitutions)
    if (SameText(faceName, s.Face)) return s.Family;
  return String(faceName);
}

namespace {

// What one ExtTextOut call draws, worked out before any pixel changes.
struct TextJob {
  HDC__* Dc = nullptr;
  const RealizedFont* Font = nullptr;
  std::string_view Text;
  const int* Dx = nullptr;
  int X = 0;
  int Y = 0;
  UINT Options = 0;
  const TRect* Rect = nullptr;
};

// The advance is measured only when placing or filling the text cell needs it.
bool NeedsAdvance(const TextJob& job) {
  const DCState& s = job.Dc->State;
  bool cellFilledByRect = job.Rect != nullptr && (job.Options & ETO_OPAQUE) && (job.Options & ETO_CLIPPED);
  return (s.TextAlign & (TA_UPDATECP | TA_RIGHT | TA_CENTER)) != 0 || IsMirrored(*job.Dc) ||
         (s.BkMode == OPAQUE && !cellFilledByRect);
}

int Advance(const TextJob& job, std::vector<int>& ends) {
  if (job.Dx == nullptr) return NeedsAdvance(job) ? TextAdvance(*job.Font, job.Text) : 0;
  int advance = 0;
  for (int i = 0, n = CharLength(job.Text); i < n; ++i) ends.push_back(advance += job.Dx[i]);
  return advance;
}

void DrawRuns(const TextJob& job, TPoint origin, const std::vector<int>& ends, const TRegion& clip, bool rtl) {
  COLORREF color = job.Dc->State.TextColor;
  if (job.Dx == nullptr) {
    DrawTextRun(*job.Dc, *job.Font, origin.x, origin.y, job.Text, color, clip, rtl);
    return;
  }
  size_t offset = 0;
  for (size_t i = 0; i < ends.size() && offset < job.Text.size(); ++i) {
    size_t len = CharByteLength(job.Text, offset);
    int start = i == 0 ? 0 : ends[i - 1];
    DrawTextRun(*job.Dc, *job.Font, origin.x + start, origin.y, job.Text.substr(offset, len), color, clip, rtl);
    offset += len;
  }
}

}  // namespace

bool ExtTextOut(HDC dc, int x, int y, UINT options, const TRect* rect, std::string_view text, const int* dx) {
  HDC__* d = LiveDC(dc);
  const RealizedFont* font = d != nullptr ? SelectedFont(*d) : nullptr;
  if (font == nullptr) return false;
  bool updateCP = (d->State.TextAlign & TA_UPDATECP) != 0;
  TRect limited = rect != nullptr ? SaturateRect(*rect) : TRect{};
  if (rect != nullptr) rect = &limited;
  TextJob job{d,       font, text, dx, Saturate(updateCP ? d->State.Position.x : x), Saturate(updateCP ? d->State.Position.y : y),
              options, rect};
  std::vector<int> ends;
  int advance = Advance(job, ends);
  TRect deviceCell = DeviceRect(*d, TextCell(*d, *font, job.X, job.Y, advance));
  const TRegion& dcClip = ClipOf(*d);
  TRegion clipped;
  if (rect != nullptr && (options & ETO_CLIPPED)) clipped = dcClip.Intersect(DeviceRect(*d, *rect));
  const TRegion& clip = rect != nullptr && (options & ETO_CLIPPED) ? clipped : dcClip;
  if (rect != nullptr && (options & ETO_OPAQUE)) FillOpaque(*d, DeviceRect(*d, *rect), nullptr);
  if (d->State.BkMode == OPAQUE && NeedsAdvance(job)) FillOpaque(*d, deviceCell, &clip);
  bool rtl = (options & ETO_RTLREADING) || (d->State.TextAlign & TA_RTLREADING);
  DrawRuns(job, TextOrigin(deviceCell, EscapementOf(*font)), ends, clip, rtl);
  if (updateCP) d->State.Position.x = Saturate(int64_t{job.X} + advance);
  return true;
}

bool TextOut(HDC dc, int x, int y, std::string_view text) { return ExtTextOut(dc, x, y, 0, nullptr, text); }

bool GetTextExtentPoint32(HDC dc, std::string_view text, TSize* size) {
  HDC__* d = LiveDC(dc);
  const RealizedFont* font = d != nullptr ? SelectedFont(*d) : nullptr;
  if (font == nullptr || size == nullptr) return false;
  *size = {TextAdvance(*font, text), MetricsOf(*font).tmHeight};
  return true;
}

bool GetTextExtentExPoint(HDC dc, std::string_view text, int maxExtent, int* fit, int* extents, TSize* size) {
  HDC__* d = LiveDC(dc);
  const RealizedFont* font = d != nullptr ? SelectedFont(*d) : nullptr;
  if (font == nullptr) return false;
  std::vector<int> ends = CodePointEnds(*font, text);
  int count = 0;
  while (count < static_cast<int>(ends.size()) && ends[static_cast<size_t>(count)] <= maxExtent) ++count;
  if (fit != nullptr) *fit = count;
  if (extents != nullptr)
    for (size_t i = 0; i < ends.size(); ++i) extents[i] = ends[i];
  if (size != nullptr) *size = {ends.empty() ? 0 : ends.back(), MetricsOf(*font).tmHeight};
  return true;
}

bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics) {
  HDC__* d = LiveDC(dc);
  const RealizedFont* font = d != nullptr ? SelectedFont(*d) : nullptr;
  if (font == nullptr || metrics == nullptr) return false;
  *metrics = MetricsOf(*font);
  return true;
}

bool GetOutlineTextMetrics(HDC dc, OUTLINETEXTMETRIC* metrics) {
  HDC__* d = LiveDC(dc);
  const RealizedFont* font = d != nullptr ? SelectedFont(*d) : nullptr;
  if (font == nullptr || metrics == nullptr) return false;
  metrics->otmTextMetrics = MetricsOf(*font);
  const TGlyphSlope slope = SlopeOf(*font);
  metrics->otmsCharSlopeRise = slope.Rise;
  metrics->otmsCharSlopeRun = slope.Run;
  metrics->otmAscent = metrics->otmTextMetrics.tmAscent;
  return true;
}

String GetTextFace(HDC dc) {
  HDC__* d = LiveDC(dc);
  return d != nullptr && d->Font != nullptr ? d->Font->Font.lfFaceName : String();
}
