#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/core/strings.h"
#include "platform/core/types.h"
#include "platform/graphics/draw_text.h"

class TBitmap;
class TCanvas;
class TFont;

// The bar's texts, kept between paints. The text engine shapes a text and draws its glyphs
// afresh on every call, which is most of a paint's cost; captions and labels change rarely.
// Text is drawn without antialiasing, so its ink is exactly the font colour and can be kept
// as the runs of pixels it covers, put down again in any colour.
class TnbTextCache {
 public:
  TnbTextCache();
  ~TnbTextCache();
  TnbTextCache(const TnbTextCache&) = delete;
  TnbTextCache& operator=(const TnbTextCache&) = delete;

  // Draws like DrawText(canvas, text, rect, flags) in the canvas's font and font colour,
  // within the canvas's clip.
  void Draw(TCanvas* canvas, std::string_view text, const TRect& rect, UINT flags);
  // Measures like DrawText with DT_CALCRECT in the canvas's font.
  TRect Measure(TCanvas* canvas, std::string_view text, TRect rect, UINT flags);

 private:
  // Everything of a font that changes its glyphs, the text, the flags and the box size; the
  // view form looks an entry up without copying the text.
  struct KeyView {
    std::string_view Face;
    int Height, Charset, Pitch, Orientation;
    uint64_t Style;
    std::string_view Text;
    UINT Flags;
    int Width, BoxHeight;
    auto Tie() const { return std::tie(Face, Height, Charset, Pitch, Orientation, Style, Text, Flags, Width, BoxHeight); }
  };
  struct Key {
    String Face, Text;
    KeyView Rest;  // the numbers; its views are not used
  };
  struct Less {
    using is_transparent = void;
    static const KeyView& V(const KeyView& k) { return k; }
    static KeyView V(const Key& k) {
      KeyView v = k.Rest;
      v.Face = k.Face;
      v.Text = k.Text;
      return v;
    }
    template <typename A, typename B>
    bool operator()(const A& a, const B& b) const {
      return V(a).Tie() < V(b).Tie();
    }
  };
  // One run of ink: row and columns, relative to the text box's top-left corner.
  struct Run {
    int16_t Y, X0, X1;
  };
  static KeyView ViewOf(const TFont* font, std::string_view text, UINT flags, int width, int height);
  template <typename Map>
  static typename Map::iterator Insert(Map& map, const KeyView& v, typename Map::mapped_type value);
  std::vector<Run> Trace(const TFont* font, std::string_view text, const TRect& rect, UINT flags);
  void Limit();

  std::map<Key, std::vector<Run>, Less> ink_;
  std::map<Key, TRect, Less> sizes_;
  std::unique_ptr<TBitmap> scratch_;
};

// Through the cache when there is one (a header or button in a bar), else straight.
void nbDrawText(TnbTextCache* cache, TCanvas* canvas, std::string_view text, const TRect& rect, UINT flags);
TRect nbMeasureText(TnbTextCache* cache, TCanvas* canvas, std::string_view text, const TRect& rect, UINT flags);
