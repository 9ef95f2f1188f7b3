#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/classes/persistent.h"
#include "platform/core/events.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/image_list.h"
#include "sidebar/item_names.h"
#include "sidebar/sidebar_types.h"

class TComponent;

// What every look object of the bar shares: it reports each change through OnChangeParameter
// (Sender = the object), which the bar points at its repaint.
class TnbLookObject : public TPersistent {
  DECLARE_CLASS(TnbLookObject, TPersistent)
 public:
  TNotifyEvent OnChangeParameter;
  // Owners install the bar's repaint handler here; objects that hold others pass it on.
  virtual void SetOnChangeParameter(const TNotifyEvent& handler) { OnChangeParameter = handler; }

 protected:
  virtual void Change() { OnChangeParameter.Call(this); }
  // Stores a differing value and reports the change.
  template <typename T>
  void Update(T& field, const T& value) {
    if (nbChanged(field, value)) Change();
  }
};

// Margins of the bar and the gap between explorer headers, in pixels.
class TnbBorder : public TnbLookObject {
  DECLARE_CLASS(TnbBorder, TnbLookObject)
 public:
  TnbBorder() = default;
  static void Publish();
  void Assign(TPersistent* source) override;

  uint16_t Left() const { return left_; }
  uint16_t Top() const { return top_; }
  uint16_t Right() const { return right_; }
  uint16_t Bottom() const { return bottom_; }
  uint16_t Separator() const { return separator_; }
  // Every write reports a change, even of an equal value.
  void SetLeft(uint16_t v) { Store(left_, v); }
  void SetTop(uint16_t v) { Store(top_, v); }
  void SetRight(uint16_t v) { Store(right_, v); }
  void SetBottom(uint16_t v) { Store(bottom_, v); }
  void SetSeparator(uint16_t v) { Store(separator_, v); }

 private:
  void Store(uint16_t& field, uint16_t v) {
    field = v;
    Change();
  }
  uint16_t left_ = 5, top_ = 5, right_ = 5, bottom_ = 5, separator_ = 5;
};

// A set of image lists watched through change links. A list being destroyed lets go of its
// link before its holder hears of its end; the slot remembers it, so that the holder still
// recognises it then, empties the slot and reports the change (a layout may keep the list).
template <size_t N>
class TnbImageSlots {
 public:
  explicit TnbImageSlots(std::function<void()> changed) {
    for (auto& link : links_) {
      link = std::make_unique<TChangeLink>();
      link->OnChange.Bind(nullptr, "", [changed](TObject*) { changed(); });
    }
  }
  TCustomImageList* Get(size_t i) const { return links_[i]->Sender(); }
  // Moves slot i to `list`; answers whether it changed.
  bool Set(size_t i, TCustomImageList* list) {
    TChangeLink* link = links_[i].get();
    if (link->Sender() == list && given_[i] == list) return false;
    if (link->Sender() != nullptr) link->Sender()->UnRegisterChanges(link);
    if (list != nullptr) list->RegisterChanges(link);
    given_[i] = list;
    return true;
  }
  // Slot i was given `list`, also while the list is being destroyed.
  bool Holds(size_t i, const TComponent* list) const { return list != nullptr && given_[i] == list; }

 private:
  std::array<std::unique_ptr<TChangeLink>, N> links_;
  // Only compared, never followed: the list may be gone.
  std::array<const TComponent*, N> given_{};
};

// Image lists of buttons by state and size.
class TnbButtonImages : public TnbLookObject {
  DECLARE_CLASS(TnbButtonImages, TnbLookObject)
 public:
  explicit TnbButtonImages(TComponent* owner = nullptr);
  static void Publish();
  void Assign(TPersistent* source) override;

  enum Slot : uint8_t { Normal_, Hot_, Small_, HotSmall_, Disabled_, DisabledSmall_ };
  TCustomImageList* List(Slot s) const { return slots_.Get(s); }
  void SetList(Slot s, TCustomImageList* list);

  TCustomImageList* Normal() const { return List(Normal_); }
  TCustomImageList* Hot() const { return List(Hot_); }
  TCustomImageList* Small() const { return List(Small_); }
  TCustomImageList* HotSmall() const { return List(HotSmall_); }
  TCustomImageList* Disabled() const { return List(Disabled_); }
  TCustomImageList* DisabledSmall() const { return List(DisabledSmall_); }
  void SetNormal(TCustomImageList* v) { SetList(Normal_, v); }
  void SetHot(TCustomImageList* v) { SetList(Hot_, v); }
  void SetSmall(TCustomImageList* v) { SetList(Small_, v); }
  void SetHotSmall(TCustomImageList* v) { SetList(HotSmall_, v); }
  void SetDisabled(TCustomImageList* v) { SetList(Disabled_, v); }
  void SetDisabledSmall(TCustomImageList* v) { SetList(DisabledSmall_, v); }
  // Forgets every list that is `list` (the bar's free notification).
  void Forget(TComponent* list);
  // The bar that hears of the lists' end: a header moving into another bar hands its lists
  // over to that bar.
  void SetOwner(TComponent* owner);

 private:
  TComponent* owner_;
  TnbImageSlots<6> slots_;
};

// Image lists of header captions.
class TnbHeaderImages : public TnbLookObject {
  DECLARE_CLASS(TnbHeaderImages, TnbLookObject)
 public:
  explicit TnbHeaderImages(TComponent* owner = nullptr);
  static void Publish();
  void Assign(TPersistent* source) override;

  TCustomImageList* Normal() const { return slots_.Get(0); }
  TCustomImageList* Hot() const { return slots_.Get(1); }
  void SetNormal(TCustomImageList* v) { SetList(0, v); }
  void SetHot(TCustomImageList* v) { SetList(1, v); }
  TComponent* Owner() const { return owner_; }
  void Forget(TComponent* list);

 private:
  void SetList(size_t i, TCustomImageList* list);
  TComponent* owner_;
  TnbImageSlots<2> slots_;
};

// Colours of the XP-like button view.
class TnbXPColors : public TnbLookObject {
  DECLARE_CLASS(TnbXPColors, TnbLookObject)
 public:
  static constexpr TColor kBackground = 14199984;         // $D8ACB0
  static constexpr TColor kPressedBackground = 13076383;  // $C7879F
  TnbXPColors() = default;
  static void Publish();
  void Assign(TPersistent* source) override;

  TColor BorderColor() const { return borderColor_; }
  TColor Background() const { return background_; }
  TColor PressedBackground() const { return pressedBackground_; }
  bool UseShadow() const { return useShadow_; }
  TColor ShadowColor() const { return shadowColor_; }
  void SetBorderColor(TColor v) { Update(borderColor_, v); }
  void SetBackground(TColor v) { Update(background_, v); }
  void SetPressedBackground(TColor v) { Update(pressedBackground_, v); }
  void SetUseShadow(bool v) { Update(useShadow_, v); }
  void SetShadowColor(TColor v) { Update(shadowColor_, v); }

 private:
  TColor borderColor_ = clNavy;
  TColor background_ = kBackground;
  TColor pressedBackground_ = kPressedBackground;
  bool useShadow_ = true;
  TColor shadowColor_ = clBlack;
};

// Colours of a header's open/close arrow.
class TnbStatusButton : public TnbLookObject {
  DECLARE_CLASS(TnbStatusButton, TnbLookObject)
 public:
  TnbStatusButton() = default;
  static void Publish();
  void Assign(TPersistent* source) override;

  // Index 1 arrow, 2 background, 3 border; any other index reads clBtnFace.
  TColor GetColor(int index) const;
  void SetColor(int index, TColor v);
  TColor ArrowColor() const { return arrowColor_; }
  TColor Background() const { return background_; }
  TColor BorderColor() const { return borderColor_; }
  bool Transparent() const { return transparent_; }
  void SetArrowColor(TColor v) { Update(arrowColor_, v); }
  void SetBackground(TColor v) { Update(background_, v); }
  void SetBorderColor(TColor v) { Update(borderColor_, v); }
  void SetTransparent(bool v) { Update(transparent_, v); }

 private:
  TColor arrowColor_ = clBlack;
  TColor background_ = clWhite;
  TColor borderColor_ = clGray;
  bool transparent_ = false;
};

// A picture drawn into a corner (or the middle) of a header body.
class TnbGlyph : public TnbLookObject {
  DECLARE_CLASS(TnbGlyph, TnbLookObject)
 public:
  TnbGlyph();
  ~TnbGlyph() override;
  static void Publish();
  void Assign(TPersistent* source) override;

  TnbGlyphPosition Position() const { return position_; }
  void SetPosition(TnbGlyphPosition v) { Update(position_, v); }
  TBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TBitmap* v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { Update(transparent_, v); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { Update(visible_, v); }

  // Top-left corner of the picture inside `rect`.
  TPoint Origin(const TRect& rect) const;
  void Paint(TCanvas* canvas, const TRect& rect);

 private:
  TnbGlyphPosition position_ = gpBottomRight;
  std::unique_ptr<TBitmap> bitmap_;
  bool transparent_ = true;
  bool visible_ = true;
  bool painting_ = false;
};
