#pragma once

#include "platform/controls/win_control.h"
#include "skin/buttons.h"
#include "skin/edits.h"

// An up and a down arrow button, one above the other with a pixel of overlap. A click, and
// every 400 ms while an arrow is held, fires OnUpClick or OnDownClick.
class TSkSpinButtons : public TWinControl {
  DECLARE_CLASS(TSkSpinButtons, TWinControl)
 public:
  static constexpr int kRepeatInterval = 400;

  explicit TSkSpinButtons(TComponent* owner);
  static void Publish();

  // Read from the up button, given to both.
  TskUIStyle UIStyle() const;
  void SetUIStyle(TskUIStyle value);
  TskFileTheme* FileTheme() const;
  void SetFileTheme(TskFileTheme* value);

  TSkArrowButton* UpButton() const { return up_; }
  TSkArrowButton* DownButton() const { return down_; }
  void SetBounds(int left, int top, int width, int height) override;

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

 protected:
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void Loaded() override;
  void Resize() override;

 private:
  void ArrowClicked(TObject* sender);
  void LayOut();

  TSkArrowButton* up_ = nullptr;
  TSkArrowButton* down_ = nullptr;
};

// A skinned edit of an integer Value with spin buttons at its right: the arrows, the Up and
// Down keys and the wheel step it by Increment. With MinValue and MaxValue different, Value
// never leaves their range, whatever is typed.
class TSkSpinEdit : public TskEdit {
  DECLARE_CLASS(TSkSpinEdit, TskEdit)
 public:
  explicit TSkSpinEdit(TComponent* owner);
  static void Publish();

  // The typed integer held within the limits; MinValue while the text is no integer.
  int Value();
  void SetValue(int value);
  int MinValue() const { return minValue_; }
  void SetMinValue(int value) { minValue_ = value; }
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value) { maxValue_ = value; }
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value; }
  // False: the text is changed only by the arrows.
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool value) { editorEnabled_ = value; }
  TSkSpinButtons* Buttons() const { return buttons_; }

  // Part of the control: never streamed as children.
  void GetChildren(const TGetChildProc&, TComponent*) override {}

 protected:
  void UIStyleChanged() override;
  virtual bool IsValidChar(char16_t key);
  virtual void UpClick();
  virtual void DownClick();
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  bool CanChangeText() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(char16_t& key) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
  void DoExit() override;
  void WndProc(TMessage& m) override;

 private:
  int Clamped(int64_t value) const;
  void Step(int64_t delta);
  void PlaceButtons();
  void SetTextRect();

  TSkSpinButtons* buttons_ = nullptr;
  int minValue_ = 0;
  int maxValue_ = 0;
  int increment_ = 1;
  bool editorEnabled_ = true;
};
