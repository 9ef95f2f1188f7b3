#pragma once

#include <memory>
#include <vector>

#include "platform/controls/custom_control.h"
#include "platform/controls/forms.h"
#include "platform/controls/incremental_search.h"
#include "platform/controls/std_control_types.h"
#include "platform/core/string_list.h"

class TCustomListBox;

// List-box messages and notifications, with the window system's numbers.
inline constexpr UINT LB_ADDSTRING = 0x0180;      // LParam: const char* UTF-8; answers the index
inline constexpr UINT LB_INSERTSTRING = 0x0181;   // WParam: index (-1: the end)
inline constexpr UINT LB_DELETESTRING = 0x0182;   // answers the count left, LB_ERR for a bad index
inline constexpr UINT LB_RESETCONTENT = 0x0184;
inline constexpr UINT LB_SETSEL = 0x0185;         // WParam: select; LParam: index (-1: all)
inline constexpr UINT LB_SETCURSEL = 0x0186;      // WParam: index (-1: none)
inline constexpr UINT LB_GETSEL = 0x0187;
inline constexpr UINT LB_GETCURSEL = 0x0188;
inline constexpr UINT LB_GETTEXT = 0x0189;        // LParam: String* out
inline constexpr UINT LB_GETTEXTLEN = 0x018A;     // in characters
inline constexpr UINT LB_GETCOUNT = 0x018B;
inline constexpr UINT LB_SELECTSTRING = 0x018C;   // WParam: start after; LParam: const char* prefix
inline constexpr UINT LB_GETTOPINDEX = 0x018E;
inline constexpr UINT LB_FINDSTRING = 0x018F;     // WParam: start after; LParam: const char* prefix
inline constexpr UINT LB_GETSELCOUNT = 0x0190;
inline constexpr UINT LB_GETSELITEMS = 0x0191;    // WParam: room; LParam: int* out
inline constexpr UINT LB_SETTOPINDEX = 0x0197;
inline constexpr UINT LB_GETITEMRECT = 0x0198;    // LParam: TRect* out
inline constexpr UINT LB_GETITEMDATA = 0x0199;
inline constexpr UINT LB_SETITEMDATA = 0x019A;
inline constexpr UINT LB_SELITEMRANGE = 0x019B;   // WParam: select; LParam: first | last << 16
inline constexpr UINT LB_SETANCHORINDEX = 0x019C;
inline constexpr UINT LB_GETANCHORINDEX = 0x019D;
inline constexpr UINT LB_SETCARETINDEX = 0x019E;
inline constexpr UINT LB_GETCARETINDEX = 0x019F;
inline constexpr UINT LB_SETITEMHEIGHT = 0x01A0;
inline constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
inline constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
inline constexpr UINT LB_SETCOUNT = 0x01A7;       // for lists without items of their own: LB_ERR here
inline constexpr UINT LB_ITEMFROMPOINT = 0x01A9;  // LParam: client point; answers index | outside << 16
inline constexpr LRESULT LB_ERR = -1;
inline constexpr uint16_t LBN_SELCHANGE = 1;
inline constexpr uint16_t LBN_DBLCLK = 2;

enum TListBoxStyle : uint8_t { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
DECLARE_ENUM_NAMES(TListBoxStyle, "lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable")

using TDrawItemEvent = TEvent<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TEvent<void(TWinControl* Control, int Index, int& Height)>;

// A list box's items: strings with objects, each with its selected state and height; every
// change repaints the box and keeps its selection on the same items.
class TListBoxStrings : public TStrings {
 public:
  explicit TListBoxStrings(TCustomListBox* box) : box_(box) {}
  int Count() const override { return static_cast<int>(items_.size()); }
  String Strings(int index) const override { return Item(index).text; }
  void SetStrings(int index, const String& s) override;
  TObject* Objects(int index) const override { return Item(index).object; }
  void SetObjects(int index, TObject* object) override { Item(index).object = object; }
  void InsertObject(int index, const String& s, TObject* object) override;
  int AddObject(const String& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;

  struct TItem {
    String text;
    TObject* object = nullptr;
    bool selected = false;
    int height = 0;
  };
  TItem& Item(int index);
  const TItem& Item(int index) const;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  friend class TCustomListBox;
  TCustomListBox* box_;
  std::vector<TItem> items_;
};

// A list of strings to choose from: single selection, multiple selection by toggling, or
// extended selection with Shift ranges and Ctrl toggles; keyboard and incremental search;
// standard or owner-drawn items of fixed or per-item height; a vertical scroll bar in its
// frame when the items do not fit; the LB_* messages. A choice by the user sends
// LBN_SELCHANGE to the parent and fires OnClick.
class TCustomListBox : public TCustomControl {
  DECLARE_CLASS(TCustomListBox, TCustomControl)
 public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;
  static void Publish();

  TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* v) { items_->Assign(*v); }
  int Count() const { return items_->Count(); }
  // The selected item (single selection) or the focused one (multiple); -1 for none.
  int ItemIndex() const { return caret_; }
  void SetItemIndex(int v);
  bool Selected(int index) const;
  void SetSelected(int index, bool v);
  int SelCount() const;
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool v);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool v) { extendedSelect_ = v; }
  bool Sorted() const { return sorted_; }
  void SetSorted(bool v);
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle v);
  int ItemHeight();
  void SetItemHeight(int v);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle v);
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int v);

  void AddItem(const String& item, TObject* object) { items_->AddObject(item, object); }
  void Clear() { items_->Clear(); }
  void ClearSelection();
  void SelectAll();
  void DeleteSelected();
  // The item at a client point; with `existing` false, the point past the last item answers
  // Count.
  int ItemAtPos(TPoint p, bool existing);
  // Where the item is in the client area (empty above the top).
  TRect ItemRect(int index);
  // How many items fit from the top index.
  int VisibleCount();

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Paint() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(char16_t& key) override;
  virtual void DrawItem(int index, TRect rect, TOwnerDrawState state);
  virtual void MeasureItem(int index, int& height);
  // The items changed (count, text or heights): the scroll bar and the picture follow.
  virtual void ItemsChanged();
  // A change of selection made by the user.
  virtual void SelectionChangedByUser();
  // The native scroll bar's range, page or position has just been set: for controls that
  // show the bar's state elsewhere.
  virtual void ScrollInfoChanged() {}

 private:
  friend class TListBoxStrings;
  using TSelection = std::vector<bool>;
  void ItemInserted(int index);
  void ItemDeleted(int index);
  TSelection SelectionState() const;
  void NotifyIfChanged(const TSelection& before, int caretBefore);
  void SelectOnly(int index);
  void SelectRange(int from, int to, bool keepOthers);
  void MoveCaretTo(int index, TShiftState shift, bool byMouse);
  void MakeVisible(int index);
  int MaxTopIndex();
  int HeightOf(int index);
  int IndexFromY(int y);
  void UpdateScrollBar();
  void CheckIndex(int index) const;
  void SortItems();
  int SortedPosition(const String& s) const;
  bool HandleListMessage(TMessage& m);
  bool HandleSelectionMessage(TMessage& m);
  LRESULT FindString(int after, const char* text, bool exact) const;

  void WMLButtonDown(TMessage& m);
  void WMLButtonDblClk(TMessage& m);
  void WMMouseMoveList(TMessage& m);
  void WMLButtonUp(TMessage& m);
  void WMVScroll(TMessage& m);
  void WMMouseWheelList(TMessage& m);
  void WMGetDlgCode(TMessage& m);
  void WMSizeList(TMessage& m);
  void WMFocusChanged(TMessage& m);
  void CNCommand(TMessage& m);
  void CMFontChangedList(TMessage& m);
  void LBMessage(TMessage& m);

  std::unique_ptr<TListBoxStrings> items_;
  TIncrementalSearch search_;
  int caret_ = -1;
  int anchor_ = -1;
  int topIndex_ = 0;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  bool sorted_ = false;
  TListBoxStyle style_ = lbStandard;
  int itemHeight_ = 16;
  int fontHeight_ = 0;  // of the font, measured once per font change
  TFormBorderStyle borderStyle_ = bsSingle;
  bool selecting_ = false;
  TSelection pressSelection_;
  int pressCaret_ = -1;
  bool updating_ = false;
};

class TListBox : public TCustomListBox {
  DECLARE_CLASS(TListBox, TCustomListBox)
 public:
  using TCustomListBox::TCustomListBox;
};
