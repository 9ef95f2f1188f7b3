// Kept caption pictures, so unchanged captions are not drawn again.
#include "sidebar/text_cache.h"

#include <algorithm>

#include "platform/graphics/argb_colors.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphics_objects.h"
#include "sidebar/pixel_window.h"

namespace {

// Ink may reach past the text box (overhangs, underlines); the trace looks this far around it.
constexpr int kPad = 8;
// Entries kept before the cache starts afresh: far more than a bar shows.
constexpr size_t kMostEntries = 512;

}  // namespace

TnbTextCache::TnbTextCache() : scratch_(std::make_unique<TBitmap>()) { scratch_->SetPixelFormat(pf32bit); }

TnbTextCache::~TnbTextCache() = default;

TnbTextCache::KeyView TnbTextCache::ViewOf(const TFont* f, std::string_view text, UINT flags, int width, int height) {
  return {f->Name(), f->Height(), static_cast<int>(f->Charset()), static_cast<int>(f->Pitch()), f->Orientation(),
          f->Style().Mask(), text, flags, width, height};
}

template <typename Map>
typename Map::iterator TnbTextCache::Insert(Map& map, const KeyView& v, typename Map::mapped_type value) {
  if (map.size() >= kMostEntries) map.clear();
  Key key{String(v.Face), String(v.Text), v};
  return map.emplace(std::move(key), std::move(value)).first;
}

TRect TnbTextCache::Measure(TCanvas* canvas, std::string_view text, TRect rect, UINT flags) {
  const KeyView key = ViewOf(canvas->Font(), text, flags, rect.Width(), rect.Height());
  auto it = sizes_.find(key);
  if (it == sizes_.end()) {
    TRect calc = Rect(0, 0, rect.Width(), rect.Height());
    ::DrawText(canvas->Handle(), String(text), calc, flags | DT_CALCRECT);
    it = Insert(sizes_, key, calc);
  }
  return Bounds(rect.Left + it->second.Left, rect.Top + it->second.Top, it->second.Width(), it->second.Height());
}

std::vector<TnbTextCache::Run> TnbTextCache::Trace(const TFont* font, std::string_view text, const TRect& rect,
                                                   UINT flags) {
  const int w = rect.Width() + 2 * kPad, h = rect.Height() + 2 * kPad;
  if (scratch_->Width() < w || scratch_->Height() < h) scratch_->SetSize(std::max(w, scratch_->Width()), std::max(h, scratch_->Height()));
  TCanvas* c = scratch_->Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clWhite);
  c->FillRect(Rect(0, 0, w, h));
  c->Font()->Assign(const_cast<TFont*>(font));
  c->Font()->SetColor(clBlack);
  c->Brush()->SetStyle(bsClear);
  TRect box = Bounds(kPad, kPad, rect.Width(), rect.Height());
  ::DrawText(c->Handle(), String(text), box, flags);
  std::vector<Run> runs;
  const uint32_t* bits = scratch_->Pixels32();
  const uint32_t white = ColorToArgb(clWhite) & 0xFFFFFFu;
  const int stride = scratch_->Width();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w;) {
      if ((bits[y * stride + x] & 0xFFFFFFu) == white) {
        ++x;
        continue;
      }
      const int x0 = x;
      while (x < w && (bits[y * stride + x] & 0xFFFFFFu) != white) ++x;
      runs.push_back({static_cast<int16_t>(y - kPad), static_cast<int16_t>(x0 - kPad), static_cast<int16_t>(x - kPad)});
    }
  return runs;
}

void TnbTextCache::Draw(TCanvas* canvas, std::string_view text, const TRect& rect, UINT flags) {
  const TFont* font = canvas->Font();
  TnbPixelWindow px;
  // Turned text reaches far outside its box, and a mirrored or oddly clipped canvas needs the
  // drawing layer: such text is drawn as it comes.
  if (font->Orientation() != 0 || !nbPixelWindow(canvas, px)) {
    TRect r = rect;
    ::DrawText(canvas->Handle(), String(text), r, flags);
    return;
  }
  const KeyView key = ViewOf(font, text, flags, rect.Width(), rect.Height());
  auto it = ink_.find(key);
  if (it == ink_.end()) it = Insert(ink_, key, Trace(font, text, rect, flags));
  const uint32_t colour = ColorToArgb(font->Color());
  const int left = rect.Left + px.Offset.x, top = rect.Top + px.Offset.y;
  for (const Run& run : it->second) {
    const int y = top + run.Y;
    if (y < px.Clip.Top || y >= px.Clip.Bottom) continue;
    const int x0 = std::max(px.Clip.Left, left + run.X0), x1 = std::min(px.Clip.Right, left + run.X1);
    if (x0 < x1) std::fill(px.Row(y) + x0, px.Row(y) + x1, colour);
  }
}

void nbDrawText(TnbTextCache* cache, TCanvas* canvas, std::string_view text, const TRect& rect, UINT flags) {
  if (cache != nullptr) return cache->Draw(canvas, text, rect, flags);
  TRect r = rect;
  ::DrawText(canvas->Handle(), String(text), r, flags);
}

TRect nbMeasureText(TnbTextCache* cache, TCanvas* canvas, std::string_view text, const TRect& rect, UINT flags) {
  if (cache != nullptr) return cache->Measure(canvas, text, rect, flags);
  TRect calc = rect;
  ::DrawText(canvas->Handle(), String(text), calc, flags | DT_CALCRECT);
  return calc;
}
