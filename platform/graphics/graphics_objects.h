#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/classes/enum_info.h"
#include "platform/classes/persistent.h"
#include "platform/core/events.h"
#include "platform/core/sets.h"
#include "platform/core/strings.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/gdi_handles.h"

class TBitmap;

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
enum TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };
using TFontCharset = uint8_t;
using TFontName = String;

enum TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode : uint8_t {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor,
};
enum TBrushStyle : uint8_t { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

DECLARE_ENUM_NAMES(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
DECLARE_ENUM_NAMES(TFontPitch, "fpDefault", "fpVariable", "fpFixed")
DECLARE_ENUM_NAMES(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame")
DECLARE_ENUM_NAMES(TPenMode, "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
                   "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask", "pmNotMask",
                   "pmXor", "pmNotXor")
DECLARE_ENUM_NAMES(TBrushStyle, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal",
                   "bsCross", "bsDiagCross")

struct TIdentMap;
// Colour names ("clBtnFace") for published colour properties.
const TIdentMap* ColorIdents();

// The mix mode (SetROP2 value) of a pen mode.
int PenModeToROP2(TPenMode mode);

// Font, pen and brush: persistent descriptions that create their drawing object on demand
// (Handle) and tell OnChange whenever a property changes, so a canvas re-selects them.
class TGraphicsObject : public TPersistent {
  DECLARE_CLASS(TGraphicsObject, TPersistent)
 public:
  ~TGraphicsObject() override;
  TNotifyEvent OnChange;

 protected:
  // What a handle is made from: equal keys make equal handles.
  struct THandleKey {
    uint64_t A = 0, B = 0;
    String Name;
    bool operator==(const THandleKey&) const = default;
  };
  TGraphicsObject() = default;
  // Drops the cached handle and tells OnChange.
  void Changed();
  // The cached drawing object, created by CreateHandleObject on first use.
  HGDIOBJ CachedHandle();
  virtual HGDIOBJ CreateHandleObject() const = 0;
  // False when a handle cannot be made again from a key (a brush made from a picture).
  virtual bool HandleKey(THandleKey&) const { return false; }

 private:
  void KeepHandle();
  HGDIOBJ KeptHandle();
  HGDIOBJ handle_ = nullptr;
  // Painting switches a canvas's pen, brush and font back and forth between a few looks; the
  // handles of the last looks are kept and handed out again instead of being made anew.
  struct TKeptHandle {
    THandleKey Key;
    HGDIOBJ Handle = nullptr;
  };
  static constexpr size_t kKeptHandles = 4;
  THandleKey key_;
  bool keyed_ = false;
  std::array<TKeptHandle, kKeptHandles> kept_;
  size_t nextKept_ = 0;
};

class TFont : public TGraphicsObject {
  DECLARE_CLASS(TFont, TGraphicsObject)
 public:
  TFont();
  static void Publish();
  void Assign(TPersistent* source) override;

  HFONT Handle() { return CachedHandle(); }
  // The face name as the program gives it; drawing substitutes an installed family.
  const TFontName& Name() const { return name_; }
  void SetName(const TFontName& name);
  // Negative: character height in pixels; positive: cell height. Size is in points at 96 dpi.
  int Height() const { return height_; }
  void SetHeight(int height);
  int Size() const;
  void SetSize(int points);
  int PixelsPerInch() const { return 96; }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset charset);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);
  // Tenths of a degree, counter-clockwise: 900 draws upwards.
  int Orientation() const { return orientation_; }
  void SetOrientation(int tenths);

 protected:
  HGDIOBJ CreateHandleObject() const override;
  bool HandleKey(THandleKey& key) const override;

 private:
  TFontName name_;
  int height_;
  TColor color_;
  TFontStyles style_;
  TFontCharset charset_;
  TFontPitch pitch_ = fpDefault;
  int orientation_ = 0;
};

class TPen : public TGraphicsObject {
  DECLARE_CLASS(TPen, TGraphicsObject)
 public:
  TPen() = default;
  static void Publish();
  void Assign(TPersistent* source) override;

  HPEN Handle() { return CachedHandle(); }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  // The mode is a canvas state (SetROP2), not part of the pen object.
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode mode);

 protected:
  HGDIOBJ CreateHandleObject() const override;
  bool HandleKey(THandleKey& key) const override;

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

class TBrush : public TGraphicsObject {
  DECLARE_CLASS(TBrush, TGraphicsObject)
 public:
  TBrush();
  ~TBrush() override;
  static void Publish();
  void Assign(TPersistent* source) override;

  HBRUSH Handle() { return CachedHandle(); }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  // A pattern bitmap. The brush keeps its own copy, so the caller may free its bitmap;
  // Bitmap() returns that copy. nullptr: plain colour.
  TBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TBitmap* bitmap);

 protected:
  HGDIOBJ CreateHandleObject() const override;
  bool HandleKey(THandleKey& key) const override;

 private:
  void SetBitmapCopy(TBitmap* bitmap);
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  std::unique_ptr<TBitmap> bitmap_;
};
