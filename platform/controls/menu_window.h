#pragma once

#include <vector>

#include "platform/controls/custom_control.h"

class TMenuItem;
class TPopupMenu;

// One open level of a pop-up menu: a top-level window listing the visible sub-items of
// `parent` in a raised frame, with the highlighted item, check marks, images, shortcuts and
// submenu arrows. The first level holds the focus and the mouse for the whole menu and passes
// keys to the deepest open level.
class TMenuWindow : public TCustomControl {
  DECLARE_CLASS(TMenuWindow, TCustomControl)
 public:
  TMenuWindow(TPopupMenu* menu, TMenuItem* parent, int level);

  TMenuItem* ParentItem() const { return parent_; }
  // Shows the sub-items of another item from now on (measure again before showing).
  void SetParentItem(TMenuItem* parent);
  int Level() const { return level_; }
  // The highlighted item (an index into the parent's items), -1 for none.
  int Selected() const { return selected_; }
  void Select(int index);
  // Sizes the window to its items.
  void Measure();
  // The items changed: measured again, the highlight on `opened` (the item whose level is
  // open next) or, without one, kept where it was unless the highlighted item is gone.
  void FollowItems(const TMenuItem* opened, bool highlightGone);
  // Where an item is, in client coordinates (empty for a hidden item).
  TRect ItemRect(int index) const;
  int ItemAt(TPoint client) const;
  // A key for this level; answers whether it was used.
  bool HandleKey(uint16_t key);
  bool HandleChar(char32_t code);

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateParams(TCreateParams& params) override;
  bool IsTopLevel() const override { return true; }
  void Paint() override;

 private:
  void PaintItem(int index);
  void PaintGutter(TMenuItem* item, const TRect& r, bool selected);
  void PaintSubmenuArrow(TMenuItem* item, const TRect& r);
  TSize MeasureItem(TMenuItem* item);
  bool Selectable(int index) const;
  int NextSelectable(int from, int step) const;
  // Opens the submenu of the highlighted item; answers whether it had one.
  bool OpenSubmenu(bool selectFirst);
  void Activate(int index);
  TMenuWindow* WindowAt(TPoint screen);
  void WMKeyDownMenu(TMessage& m);
  void WMCharMenu(TMessage& m);
  void WMMouseMoveMenu(TMessage& m);
  void WMLButtonDownMenu(TMessage& m);
  void WMLButtonUpMenu(TMessage& m);
  void WMKillFocusMenu(TMessage& m);
  void WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS; }

  TPopupMenu* menu_;
  TMenuItem* parent_;
  int level_;
  int selected_ = -1;
  std::vector<TRect> rows_;
  int gutter_ = 22;
};

// The frame around a menu's items and the smallest height of an item, in pixels.
inline constexpr int MenuFrame = 3;
inline constexpr int MenuSeparatorHeight = 8;
