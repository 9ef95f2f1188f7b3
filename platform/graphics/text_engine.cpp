// The text engine over the toolkit: fonts, shaping, measuring and drawing glyphs.
#include "platform/graphics/text_engine.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QRegion>
#include <QTextLayout>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <tuple>

#include "platform/graphics/text_advances.h"
#include "platform/graphics/text_out.h"

namespace {

// Shaped widths are whole 64ths of a pixel, so this loses nothing.
int64_t ExactAdvance(const QFontMetricsF& metrics, const QString& s) {
  return qRound64(metrics.horizontalAdvance(s) * 64);
}

}  // namespace

struct RealizedFont {
  explicit RealizedFont(const QFont& font)
      : Font(font), Measure(font), MeasureExactly(font), Advances([this](std::u16string_view text) {
          const QString s(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
          return ExactAdvance(MeasureExactly, s);
        }) {}
  QFont Font;
  QFontMetrics Measure;
  // Widths as shaping gives them, before rounding to pixels: in 64ths of a pixel exactly.
  QFontMetricsF MeasureExactly;
  // Learns from measuring, so it changes under a font that does not.
  mutable TTextAdvances Advances;
  TEXTMETRIC Metrics;
  TGlyphSlope Slope;
  int Escapement = 0;
};

struct TextPainter {
  QImage Image;
  std::unique_ptr<QPainter> Painter;
  const RealizedFont* Font = nullptr;
  QRgb Color = 0;
  bool ColorSet = false;
  std::vector<TRect> Clip;
  bool ClipSet = false;
};

namespace {

using FontKey = std::tuple<String, int, int, bool, bool, bool, int, bool>;

struct Engine {
  bool OwnsApplication = false;
  std::map<FontKey, std::unique_ptr<RealizedFont>> Fonts;
  // The installed family of each face name asked for (and whether fixed pitch was), since
  // asking the toolkit costs more than drawing a short text.
  std::map<std::pair<String, bool>, String> Families;
  std::set<TextPainter*> Painters;
  int Generation = 1;
};

// Never destroyed: bitmaps that statics free at exit still unregister their painters.
// ShutdownGraphics empties it.
Engine& TheEngine() {
  static auto* engine = new Engine;
  return *engine;
}

// Fonts need the toolkit's application object. The backend normally makes it; tests and
// tools that draw without a backend get one here, offscreen when there is no display.
void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
      std::getenv("WAYLAND_DISPLAY") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "platform";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);
  TheEngine().OwnsApplication = true;
  // Registered after the application exists, so it runs before the toolkit's own statics go.
  std::atexit(ShutdownGraphics);
}


// The substituted family when it is installed; otherwise the installed family of the asked
// pitch, so that unknown faces draw the same on every machine.
String LookUpFamily(const LOGFONT& lf) {
  String family = SubstituteFontName(lf.lfFaceName);
  if (QFontDatabase::hasFamily(QString::fromStdString(family))) return family;
  return (lf.lfPitchAndFamily & 0x3) == FIXED_PITCH ? "DejaVu Sans Mono" : "DejaVu Sans";
}

QFont MakeFont(const LOGFONT& lf, const String& family, int pixels) {
  QFont f;
  QStringList families{QString::fromStdString(family)};
  if (family != "WenQuanYi Zen Hei") families << QStringLiteral("WenQuanYi Zen Hei");
  f.setFamilies(families);
  f.setPixelSize(pixels);
  f.setWeight(lf.lfWeight >= 600 ? QFont::Bold : QFont::Normal);
  f.setItalic(lf.lfItalic != 0);
  f.setUnderline(lf.lfUnderline != 0);
  f.setStrikeOut(lf.lfStrikeOut != 0);
  f.setKerning(false);

  // Shapes and text keep exact colours: text is drawn without antialiasing unless asked.
  f.setStyleStrategy(lf.lfQuality == ANTIALIASED_QUALITY ? QFont::PreferAntialias : QFont::NoAntialias);
  return f;
}

// Heights past this come only from damaged data; the toolkit is never asked for larger glyphs.
constexpr double kMaxEmPixels = 16384;

// A negative height is the em size; a positive one the cell height, which the em is scaled to.
int EmPixels(const LOGFONT& lf, const String& family) {
  if (lf.lfHeight == 0) return 11;
  double em = -static_cast<double>(lf.lfHeight);
  if (lf.lfHeight > 0) {
    QFont probe = MakeFont(lf, family, 100);
    QFontMetricsF fm(probe);
    double cell = fm.ascent() + fm.descent();
    em = cell > 0 ? lf.lfHeight * static_cast<double>(probe.pixelSize()) / cell + 0.5 : lf.lfHeight;
  }
  return static_cast<int>(std::clamp(em, 1.0, kMaxEmPixels));
}

TEXTMETRIC MakeMetrics(const QFont& f, int em, const LOGFONT& lf) {
  QFontMetrics fm(f);
  TEXTMETRIC tm;
  tm.tmAscent = fm.ascent();
  tm.tmDescent = fm.descent();
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = std::max(0, tm.tmHeight - em);
  tm.tmExternalLeading = std::max(0, fm.leading());
  tm.tmAveCharWidth = fm.averageCharWidth();
  tm.tmMaxCharWidth = fm.maxWidth();
  tm.tmWeight = lf.lfWeight;
  tm.tmItalic = lf.lfItalic;
  tm.tmUnderlined = lf.lfUnderline;
  tm.tmStruckOut = lf.lfStrikeOut;
  tm.tmCharSet = lf.lfCharSet;
  tm.tmPitchAndFamily = lf.lfPitchAndFamily;
  return tm;
}

// The caret slope of the face an italic font is drawn with, from the face's horizontal header
// (rise at byte 18, run at byte 20, big-endian); an upright font, or a face without one, stands
// straight.
TGlyphSlope ReadSlope(const QFont& font) {
  if (!font.italic()) return {};
  const QByteArray header = QRawFont::fromFont(font).fontTable("hhea");
  if (header.size() < 22) return {};
  auto word = [&header](int at) {
    return static_cast<int16_t>((static_cast<uint8_t>(header[at]) << 8) | static_cast<uint8_t>(header[at + 1]));
  };
  const int rise = word(18);
  const int run = word(20);
  if (rise <= 0) return {};
  return {rise, run};
}

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

TextPainter& PainterFor(TPixelSurface& surface) {
  if (surface.Painter && surface.Painter->Painter) return *surface.Painter;
  surface.Painter.reset(new TextPainter);
  TextPainter& tp = *surface.Painter;
  tp.Image = QImage(reinterpret_cast<uchar*>(surface.Bits()), surface.Width(), surface.Height(),
                    static_cast<qsizetype>(surface.Width()) * 4, QImage::Format_RGB32);
  tp.Painter = std::make_unique<QPainter>(&tp.Image);
  TheEngine().Painters.insert(&tp);
  return tp;
}

void ApplyClip(TextPainter& tp, const TRegion& clip, const TRect& bounds) {
  if (tp.ClipSet && tp.Clip == clip.Rects()) return;
  tp.Clip = clip.Rects();
  tp.ClipSet = true;
  if (clip.IsRectangle() && clip.Rects()[0] == bounds) {
    tp.Painter->setClipping(false);
    return;
  }
  if (clip.IsRectangle()) {
    const TRect& r = clip.Rects()[0];
    tp.Painter->setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()));
    return;
  }
  QRegion region;
  for (const TRect& r : clip.Rects()) region += QRect(r.Left, r.Top, r.Width(), r.Height());
  tp.Painter->setClipRegion(region);
}

}  // namespace

void TextPainterDeleter::operator()(TextPainter* painter) const {
  if (painter == nullptr) return;
  TheEngine().Painters.erase(painter);
  delete painter;
}

void ShutdownGraphics() {
  Engine& e = TheEngine();
  for (TextPainter* tp : e.Painters) {
    tp->Painter.reset();
    tp->Font = nullptr;
  }
  e.Painters.clear();
  e.Fonts.clear();
  e.Families.clear();
  ++e.Generation;
  if (e.OwnsApplication) {
    e.OwnsApplication = false;
    delete QCoreApplication::instance();
  }
}

const RealizedFont& RealizeFont(FontObject& font) {
  Engine& e = TheEngine();
  if (font.Realized != nullptr && font.RealizedGeneration == e.Generation) return *font.Realized;
  EnsureApplication();
  const LOGFONT& lf = font.Font;
  const std::pair<String, bool> face{lf.lfFaceName, (lf.lfPitchAndFamily & 0x3) == FIXED_PITCH};
  auto known = e.Families.find(face);
  if (known == e.Families.end()) known = e.Families.emplace(face, LookUpFamily(lf)).first;
  const String family = known->second;
  int pixels = EmPixels(lf, family);
  FontKey key{family, pixels, lf.lfWeight, lf.lfItalic != 0, lf.lfUnderline != 0, lf.lfStrikeOut != 0,
              lf.lfEscapement, lf.lfQuality == ANTIALIASED_QUALITY};
  auto it = e.Fonts.find(key);
  if (it == e.Fonts.end()) {
    auto realized = std::make_unique<RealizedFont>(MakeFont(lf, family, pixels));
    realized->Metrics = MakeMetrics(realized->Font, pixels, lf);
    realized->Slope = ReadSlope(realized->Font);
    realized->Escapement = lf.lfEscapement;
    it = e.Fonts.emplace(key, std::move(realized)).first;
  }
  font.Realized = it->second.get();
  font.RealizedGeneration = e.Generation;
  return *font.Realized;
}

const TEXTMETRIC& MetricsOf(const RealizedFont& font) { return font.Metrics; }
int EscapementOf(const RealizedFont& font) { return font.Escapement; }
TGlyphSlope SlopeOf(const RealizedFont& font) { return font.Slope; }

namespace {

// Shaping a text costs far more than adding up widths its characters are known to have.
int64_t LearntAdvance(const RealizedFont& font, const QString& s) {
  return font.Advances.Advance(
      std::u16string_view(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size())));
}

}  // namespace

// The sum is rounded to whole pixels as the toolkit rounds a shaped width.
int TextAdvance(const RealizedFont& font, std::string_view text) {
  if (text.empty()) return 0;
  const QString s = ToQString(text);
  const int64_t advance = LearntAdvance(font, s);
  if (advance >= 0) return static_cast<int>((advance + 32) >> 6);
  return font.Measure.horizontalAdvance(s);
}

// A rectangle that is to hold the text must cover the pixel its last glyph only partly fills.
int TextExtentCeiling(const RealizedFont& font, std::string_view text) {
  if (text.empty()) return 0;
  const QString s = ToQString(text);
  int64_t advance = LearntAdvance(font, s);
  if (advance < 0) advance = ExactAdvance(font.MeasureExactly, s);
  return static_cast<int>((advance + 63) >> 6);
}

std::vector<int> CodePointEnds(const RealizedFont& font, std::string_view text) {
  std::vector<int> ends;
  if (text.empty()) return ends;
  // Built one code point at a time, so that there is exactly one entry per code point as this
  // layer counts them, malformed bytes included.
  QString s;
  std::vector<qsizetype> unitEnds;
  for (size_t i = 0; i < text.size();) {
    size_t len = CharByteLength(text, i);
    s += ToQString(text.substr(i, len));
    unitEnds.push_back(s.size());
    i += len;
  }
  QTextLayout layout(s, font.Font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  for (qsizetype end : unitEnds) ends.push_back(static_cast<int>(line.cursorToX(static_cast<int>(end)) + 0.5));
  return ends;
}

void DrawTextRun(HDC__& dc, const RealizedFont& font, int x, int y, std::string_view text, COLORREF color,
                 const TRegion& clip, bool rtl) {
  if (text.empty() || clip.IsEmpty()) return;
  TPixelSurface& surface = SurfaceOf(dc);
  surface.Bits();  // takes in rows a caller changed through ScanLine before the painter writes
  TextPainter& tp = PainterFor(surface);
  ApplyClip(tp, clip, surface.Bounds());
  if (tp.Font != &font) {
    tp.Painter->setFont(font.Font);
    tp.Font = &font;
  }
  QRgb rgb = qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
  if (!tp.ColorSet || tp.Color != rgb) {
    tp.Painter->setPen(QColor(rgb));
    tp.Color = rgb;
    tp.ColorSet = true;
  }
  QString s = ToQString(text);
  if (rtl) s = QChar(0x202B) + s + QChar(0x202C);
  int ascent = font.Metrics.tmAscent;
  if (font.Escapement == 0) {
    tp.Painter->drawText(QPoint(x, y + ascent), s);
    return;
  }
  tp.Painter->save();
  tp.Painter->translate(x, y);
  tp.Painter->rotate(-font.Escapement / 10.0);
  tp.Painter->drawText(QPoint(0, ascent), s);
  tp.Painter->restore();
}
