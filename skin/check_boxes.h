#pragma once

#include "platform/controls/custom_control.h"
#include "platform/controls/std_control_types.h"
#include "skin/themed_control.h"

// A two-state check box that paints a glyph of the theme and its caption. Setting Checked, by
// the user or from code, fires OnClick (not while its form is being read).
class TskCheckBox : public TskThemed<TCustomControl> {
  DECLARE_CLASS(TskCheckBox, TCustomControl)
 public:
  explicit TskCheckBox(TComponent* owner);
  static void Publish();

  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  // Never cbGrayed: writing anything but cbChecked unchecks.
  TCheckBoxState State() const { return checked_ ? cbChecked : cbUnchecked; }
  void SetState(TCheckBoxState value) { SetChecked(value == cbChecked); }
  // The size follows the glyph, the caption and the font.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  void SetEnabled(bool value) override;

  void Click() override;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void StyleChanged() override;
  void Paint() override;
  void KeyUp(uint16_t& key, TShiftState shift) override;

  virtual bool ShowFocus() { return TabStop() && Focused(); }
  virtual bool GlyphTransparent() const { return false; }
  virtual TskThemeKey GlyphKey() const { return tkCheckBoxImage; }
  virtual void DoClick();
  virtual void BeforeToggle() {}
  virtual void Toggle();
  virtual bool WantKeys() const { return true; }

  bool Loading() const { return ComponentState().Contains(csLoading); }

 private:
  // The glyph cell of the present state: checked, unchecked, then both disabled.
  void LoadGlyph(TBitmap* glyph) const;
  void UpdateSize();
  void CMDialogChar(TMessage& m);
  void CMChanged(TMessage& m);
  void RepaintAfter(TMessage& m);
  void WMEraseBkgnd(TMessage& m) { m.Result = 1; }

  bool checked_ = false;
  bool autoSize_ = true;
  bool transparent_ = false;
};

// A check box that, once checked, unchecks the other radio buttons of the same GroupIndex
// under the same parent. The user can only check it. Its windows are of the class
// "TskRadioGroupButton": the focus moving to it from another such window (the arrow keys
// step through the buttons beside it) checks it.
class TskRadioButton : public TskCheckBox {
  DECLARE_CLASS(TskRadioButton, TskCheckBox)
 public:
  static constexpr const char* kWindowClass = "TskRadioGroupButton";

  using TskCheckBox::TskCheckBox;
  static void Publish();

  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value) { groupIndex_ = value; }

 protected:
  bool GlyphTransparent() const override { return true; }
  TskThemeKey GlyphKey() const override { return tkRadioButtonImage; }
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateParams(TCreateParams& params) override;
  void DoClick() override;
  void Toggle() override;
  bool WantKeys() const override { return false; }

 private:
  void UncheckGroup();
  void WMSetFocus(TMessage& m);

  int groupIndex_ = 0;
};
