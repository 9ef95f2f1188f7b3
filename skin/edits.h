#pragma once

#include "platform/controls/edit.h"
#include "platform/controls/mask_edit.h"
#include "skin/bordered_control.h"

// The skinned single-line edit: the platform's edit inside the skinned border.
class TskEdit : public TskBordered<TCustomEdit> {
  DECLARE_CLASS(TskEdit, TCustomEdit)
 public:
  explicit TskEdit(TComponent* owner);
  static void Publish();
};

// The skinned masked edit.
class TskMaskEdit : public TskBordered<TCustomMaskEdit> {
  DECLARE_CLASS(TskMaskEdit, TCustomMaskEdit)
 public:
  explicit TskMaskEdit(TComponent* owner);
  static void Publish();
};

// An edit of a floating-point Value, shown right-aligned as FormatFloat(Mask, Value). Typing
// takes digits, one decimal separator (when the mask has decimals), a leading "-" (when the
// mask has one) and the editing keys; every text that reads as a number becomes the Value,
// and leaving the edit shows the Value formatted again, so text that is no number (yet) never
// loses the last good Value.
class TskNumberEdit : public TskEdit {
  DECLARE_CLASS(TskNumberEdit, TskEdit)
 public:
  explicit TskNumberEdit(TComponent* owner);
  static void Publish();

  const String& Mask() const { return mask_; }
  void SetMask(const String& value) { mask_ = value; }
  double Value() const { return value_; }
  void SetValue(double value);
  // How many characters at the end entering selects (the decimals); 0 selects as an edit does.
  int AutoSelectSigns() const { return autoSelectSigns_; }
  void SetAutoSelectSigns(int value) { autoSelectSigns_ = value; }

 protected:
  void Change() override;
  void DoEnter() override;
  void DoExit() override;
  void Click() override;
  void KeyPress(char16_t& key) override;

 private:
  bool AcceptsKey(char16_t key);

  String mask_ = "0.00";
  double value_ = 0;
  int autoSelectSigns_ = 2;
};
