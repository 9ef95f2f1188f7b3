#pragma once

#include <memory>

#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"

class TCustomComboBox;

// Combo-box messages and notifications, with the window system's numbers. Item messages take
// the same parameters as their LB_* counterparts.
inline constexpr UINT CB_GETEDITSEL = 0x0140;
inline constexpr UINT CB_LIMITTEXT = 0x0141;
inline constexpr UINT CB_SETEDITSEL = 0x0142;  // LParam: start | end << 16
inline constexpr UINT CB_ADDSTRING = 0x0143;
inline constexpr UINT CB_DELETESTRING = 0x0144;
inline constexpr UINT CB_GETCOUNT = 0x0146;
inline constexpr UINT CB_GETCURSEL = 0x0147;
inline constexpr UINT CB_GETLBTEXT = 0x0148;
inline constexpr UINT CB_GETLBTEXTLEN = 0x0149;
inline constexpr UINT CB_INSERTSTRING = 0x014A;
inline constexpr UINT CB_RESETCONTENT = 0x014B;
inline constexpr UINT CB_FINDSTRING = 0x014C;
inline constexpr UINT CB_SELECTSTRING = 0x014D;
inline constexpr UINT CB_SETCURSEL = 0x014E;
inline constexpr UINT CB_SHOWDROPDOWN = 0x014F;
inline constexpr UINT CB_GETITEMDATA = 0x0150;
inline constexpr UINT CB_SETITEMDATA = 0x0151;
inline constexpr UINT CB_GETDROPPEDCONTROLRECT = 0x0152;  // LParam: TRect* out (screen)
inline constexpr UINT CB_SETITEMHEIGHT = 0x0153;
inline constexpr UINT CB_GETITEMHEIGHT = 0x0154;
inline constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
inline constexpr UINT CB_FINDSTRINGEXACT = 0x0158;
inline constexpr LRESULT CB_ERR = -1;
inline constexpr uint16_t CBN_SELCHANGE = 1;
inline constexpr uint16_t CBN_EDITCHANGE = 5;
inline constexpr uint16_t CBN_DROPDOWN = 7;
inline constexpr uint16_t CBN_CLOSEUP = 8;

// What GetComboBoxInfo tells about a combo box (rectangles in its client coordinates).
struct COMBOBOXINFO {
  uint32_t cbSize = sizeof(COMBOBOXINFO);
  TRect rcItem;
  TRect rcButton;
  uint32_t stateButton = 0;  // STATE_SYSTEM_PRESSED while dropped, STATE_SYSTEM_INVISIBLE for csSimple
  HWND hwndCombo = nullptr;
  HWND hwndItem = nullptr;   // the edit, or the combo itself when it has none
  HWND hwndList = nullptr;
};
bool GetComboBoxInfo(HWND combo, COMBOBOXINFO& info);

enum TComboBoxStyle : uint8_t { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
DECLARE_ENUM_NAMES(TComboBoxStyle, "csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable")

// The edit part of a csDropDown or csSimple combo box: list keys go to the combo box.
class TComboEdit : public TCustomEdit {
  DECLARE_CLASS(TComboEdit, TCustomEdit)
 public:
  TComboEdit(TComponent* owner, TCustomComboBox* combo);

 protected:
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(char16_t& key) override;
  void Change() override;

 private:
  TCustomComboBox* combo_;
};

// The list of a combo box: a pop-up window of its own under the combo box (or a child below
// the edit for csSimple); its items are the combo box's items.
class TComboListBox : public TCustomListBox {
  DECLARE_CLASS(TComboListBox, TCustomListBox)
 public:
  TComboListBox(TComponent* owner, TCustomComboBox* combo);
  bool IsPopup() const { return Parent() == nullptr; }

 protected:
  void CreateParams(TCreateParams& params) override;
  bool IsTopLevel() const override { return Parent() == nullptr; }
  void DrawItem(int index, TRect rect, TOwnerDrawState state) override;
  void MeasureItem(int index, int& height) override;
  void SelectionChangedByUser() override;

 private:
  TCustomComboBox* combo_;
};

// A text box with a list to choose from: an editable text with a drop-down list (csDropDown),
// an edit over an always-shown list (csSimple), or a choice that is not typed
// (csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable). The list drops down as a pop-up
// window from the button, F4 or Alt+Down; the keyboard chooses items, typing searches them.
// A choice by the user fires OnClick, then OnSelect (or OnChange when OnSelect is not set);
// typed text fires OnChange.
class TCustomComboBox : public TCustomControl {
  DECLARE_CLASS(TCustomComboBox, TCustomControl)
 public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;
  static void Publish();

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle v);
  TStrings* Items() const { return list_->Items(); }
  void SetItems(TStrings* v) { list_->SetItems(v); }
  int ItemIndex() const { return list_->ItemIndex(); }
  void SetItemIndex(int v);
  bool Sorted() const { return list_->Sorted(); }
  void SetSorted(bool v) { list_->SetSorted(v); }
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int v) { dropDownCount_ = std::max(1, v); }
  int ItemHeight();
  void SetItemHeight(int v) { list_->SetItemHeight(v); }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  // Typing in the edit completes the text to the first item it starts, the rest selected.
  bool AutoComplete() const { return autoComplete_; }
  void SetAutoComplete(bool v) { autoComplete_ = v; }
  bool DroppedDown() const { return dropped_; }
  void SetDroppedDown(bool v);
  // The least width of the dropped list; it is never narrower than the combo box.
  int DroppedWidth() const { return droppedWidth_; }
  void SetDroppedWidth(int v) { droppedWidth_ = std::max(0, v); }
  TCanvas* Canvas() const { return TCustomControl::Canvas(); }
  void SetBounds(int left, int top, int width, int height) override;
  void SetFocus() override;
  bool Focused();
  TCustomListBox* ListBox() const { return list_; }
  TCustomEdit* EditControl() const { return edit_; }
  void AddItem(const String& item, TObject* object) { list_->AddItem(item, object); }
  void Clear();
  // The rectangles of the text and of the button, in client coordinates.
  TRect ItemRect();
  virtual TRect ButtonRect();

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateParams(TCreateParams& params) override;
  String GetText() override;
  void SetTextValue(const String& v) override;
  void Paint() override;
  void Resize() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(char16_t& key) override;
  virtual void DrawItem(int index, TRect rect, TOwnerDrawState state);
  // Paints one line of the dropped list on its canvas; false leaves it to the list. Owner-drawn
  // combo boxes paint it through DrawItem.
  virtual bool PaintListItem(TCanvas* listCanvas, int index, TRect rect, TOwnerDrawState state);
  virtual void MeasureItem(int index, int& height) { OnMeasureItem.Call(this, index, height); }
  virtual void Change() { OnChange.Call(this); }
  virtual void Select();
  virtual void DropDown() { OnDropDown.Call(this); }
  virtual void CloseUp() { OnCloseUp.Call(this); }
  // Places the edit and the list after the button or the size changed.
  void PlaceParts();

 private:
  friend class TComboEdit;
  friend class TComboListBox;
  friend bool GetComboBoxInfo(HWND, COMBOBOXINFO&);
  bool HasEdit() const { return style_ == csDropDown || style_ == csSimple; }
  bool OwnerDraw() const { return style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable; }
  void ApplyStyle();
  void CMFontChangedCombo(TMessage& m);
  int EditHeight();
  // Handles a list key (arrows, pages, F4, Enter, Escape) from the combo or its edit.
  bool ListKey(uint16_t key, TShiftState shift);
  void ChooseByUser(int index);
  void Chosen();
  void CloseUpAndChoose(bool accept);
  void EditChanged();
  void SetEditText(const String& v);
  bool Complete(char32_t typed);
  int MoveIndex(uint16_t key) const;
  void PlaceDropDown();
  void TakeCapture();
  bool OverList(TPoint screen);
  void PaintFace();
  void DoExit() override;

  void WMLButtonDown(TMessage& m);
  void WMLButtonDblClk(TMessage& m);
  void WMMouseMoveCombo(TMessage& m);
  void WMLButtonUp(TMessage& m);
  void WMMouseWheelCombo(TMessage& m);
  void WMCaptureChangedCombo(TMessage& m);
  void WMCancelModeCombo(TMessage& m);
  void WMGetDlgCode(TMessage& m);
  void WMFocusChangedCombo(TMessage& m);
  void CBMessage(TMessage& m);
  bool HandleComboMessage(TMessage& m);

  TComboBoxStyle style_ = csDropDown;
  TComboEdit* edit_ = nullptr;
  TComboListBox* list_ = nullptr;
  int dropDownCount_ = 8;
  int droppedWidth_ = 0;
  int maxLength_ = 0;
  bool dropped_ = false;
  int indexBeforeDrop_ = -1;
  int settingEditText_ = 0;
  bool autoComplete_ = true;  // the combo box itself is writing its edit's text
  TIncrementalSearch search_;
};

class TComboBox : public TCustomComboBox {
  DECLARE_CLASS(TComboBox, TCustomComboBox)
 public:
  using TCustomComboBox::TCustomComboBox;
};
