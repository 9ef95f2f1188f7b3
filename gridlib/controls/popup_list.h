#pragma once

#include "gridlib/controls/drop_down_popup.h"
#include "platform/controls/list_box.h"

// The list that drops down from an edit: one line per value, the line under the pointer or
// moved to by the keys is the one a release or Enter chooses.
class TPopupListEx : public TCustomListBox, public IDropDownPopupEx {
  DECLARE_CLASS(TPopupListEx, TCustomListBox)
 public:
  explicit TPopupListEx(TComponent* owner);

  // Height of `rows` lines with the border.
  int HeightForRows(int rows);

  TWinControl* PopupWindow() override { return this; }
  bool PopupKeyDown(uint16_t key, TShiftState shift) override;
  void PopupMouseMove(TPoint screen) override;
  void PopupMouseDown(TPoint screen) override;
  bool PopupMouseUp(TPoint screen) override;
  void PopupWheel(int wheelDelta) override;

  // The list let go of the mouse it took for its scroll bar.
  TNotifyEvent OnCaptureReleased;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateParams(TCreateParams& params) override;
  bool IsTopLevel() const override { return true; }

 private:
  void WMCaptureChangedPopup(TMessage& m);
  int LineAt(TPoint screen);
};
