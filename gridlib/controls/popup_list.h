#pragma once

#include <memory>

#include "gridlib/controls/drop_down_popup.h"
#include "platform/controls/custom_control.h"
#include "platform/core/strings.h"


// The lines a popup list shows. The list asks only for the lines it draws, so a source may
// read them as they come into view (a lookup table of a million records drops down at once).
class IPopupListRowsEx {
 public:
  virtual ~IPopupListRowsEx() = default;
  virtual int RowCount() = 0;
  virtual String RowText(int index) = 0;
};

// The list that drops down from an edit: one line per value, the line under the pointer or
// moved to by the keys is the one a release or Enter chooses. It never holds the lines
// itself: it draws those in view from its rows source.
class TPopupListEx : public TCustomControl, public IDropDownPopupEx {
  DECLARE_CLASS(TPopupListEx, TCustomControl)
 public:
  explicit TPopupListEx(TComponent* owner);
  ~TPopupListEx() override;

  // The lines to show, owned by the caller and kept while the list shows them; nullptr for
  // none. The marked line and the scroll position start afresh.
  void SetRows(IPopupListRowsEx* rows);
  int Count() const { return count_; }
  String ItemText(int index);
  // The marked line; -1 for none.
  int ItemIndex() const { return itemIndex_; }
  // Marks a line and scrolls it into view; an index off the lines marks none.
  void SetItemIndex(int index);
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int index);
  int ItemHeight();
  // Height of `rows` lines with the border.
  int HeightForRows(int rows);
  // Where a line is in the client area; empty for a line not in view.
  TRect ItemRect(int index);
  // How many whole lines fit.
  int VisibleCount();

  TWinControl* PopupWindow() override { return this; }
  bool PopupKeyDown(uint16_t key, TShiftState shift) override;
  void PopupMouseMove(TPoint screen) override;
  void PopupMouseDown(TPoint screen) override;
  bool PopupMouseUp(TPoint screen) override;
  void PopupWheel(int wheelDelta) override;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  bool IsTopLevel() const override { return true; }
  void Paint() override;

 private:
  int LineAt(TPoint screen);
  int MaxTopIndex();
  void MakeVisible(int index);
  void UpdateScrollBar();
  void WMVScrollPopup(TMessage& m);
  void WMSizePopup(TMessage& m);
  void CMFontChangedPopup(TMessage& m);

  IPopupListRowsEx* rows_ = nullptr;
  int count_ = 0;
  int itemIndex_ = -1;
  int topIndex_ = 0;
  int fontHeight_ = 0;  // of the font, measured once per font change
};
