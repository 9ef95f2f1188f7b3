#pragma once

#include <memory>

#include "gridlib/grid/inplace_drop_down.h"
#include "gridlib/grid/cell_edit_buttons.h"
#include "platform/controls/inplace_edit.h"

class IDropDownPopupEx;
class TColumnEx;
class TCustomDBGridEx;
class TPopupCalendarEx;
class TPopupListEx;

// The data grid's in-place cell editor. Besides the base editor's typing it carries the
// current column's edit buttons at its right (left for right-to-left columns): pressing one
// fires the column's OnEditButtonDown, a click its OnEditButtonClick, and a button with no
// action of its own then the grid's EditButtonClick. A drop-down button (or F4, Alt+Down)
// drops the column's pick list, lookup list or a calendar for dates; the value chosen there
// becomes the editor's text and the grid's edit value, written back as typed text is. An
// up-down button steps a number by the column's Increment.
class TDBGridInplaceEdit : public TInplaceEdit {
  DECLARE_CLASS(TDBGridInplaceEdit, TInplaceEdit)
 public:
  explicit TDBGridInplaceEdit(TCustomDBGridEx* grid);
  ~TDBGridInplaceEdit() override;

  const TCellEditButtonsEx& EditButtons() const { return buttons_; }
  // The column's default button drops a list or a calendar.
  bool HasDropDown() const;
  bool ListDroppedDown() const { return dropped_ != nullptr; }
  // The list or calendar of the current column, while it is down; else nullptr.
  TPopupListEx* DroppedList() const;
  TPopupCalendarEx* DroppedCalendar() const;
  void DropDown();
  // Closes the drop-down; with `accept` its marked value is chosen.
  void CloseUp(bool accept);
  // The grid saw this editor's EN_CHANGE.
  void TextChanged() { Change(); }
  // A wheel turn while the list is down goes to the list; whether it took it.
  bool DroppedWheel(int wheelDelta);

 protected:
  void WndProc(TMessage& m) override;
  bool EditCanModify() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyUp(uint16_t& key, TShiftState shift) override;
  void KeyPress(char16_t& key) override;
  void PasteFromClipboard() override;
  void Paint() override;
  void BoundsChanged() override;

 private:
  TCustomDBGridEx* DBGrid() const;
  TColumnEx* Column() const;
  bool GridShortcut(uint16_t key, TShiftState shift) const;
  bool DroppedKey(uint16_t key, TShiftState shift);
  bool DroppedMouse(TMessage& m);
  bool ButtonMouse(TMessage& m);
  void ButtonDown(int index, bool top);
  void ButtonUp(TPoint p);
  bool OwnAction(const TCellEditButtonEx& button) const;
  TObject* ButtonSender(const TCellEditButtonEx& button) const;
  void StepValue(bool up);
  void RepeatStep();
  IDropDownPopupEx* PrepareList();
  IDropDownPopupEx* PrepareCalendar();
  void ChooseFrom(IDropDownPopupEx* popup);
  void Choose(const String& text, const Variant& value);
  void CaptureChanged(HWND to);

  TCellEditButtonsEx buttons_;
  // The button held down (-1: none), which half of an up-down button, and whether the pointer
  // is still over it.
  int pressed_ = -1;
  bool pressedTop_ = false;
  bool pressedInside_ = false;
  bool autoRepeat_ = false;
  TPopupListEx* list_ = nullptr;
  TPopupCalendarEx* calendar_ = nullptr;
  IDropDownPopupEx* dropped_ = nullptr;
  std::unique_ptr<TDropDownChoicesEx> choices_;
  // The key that closed the drop-down also sends its character; it is not typed.
  bool swallowChar_ = false;
};
