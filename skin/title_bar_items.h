#pragma once

#include <memory>

#include "platform/classes/collection.h"
#include "platform/classes/enum_info.h"
#include "skin/themes.h"

class TPicture;
class TPopupMenu;
class TskTitleBar;

// What a title-bar button does when clicked; stored in form layouts as one byte.
enum TskTitleBarBtnType : uint8_t { skMax, skMin, skClose, skHelp, skControlBox, skCustom };
DECLARE_ENUM_NAMES(TskTitleBarBtnType, "skMax", "skMin", "skClose", "skHelp", "skControlBox",
                   "skCustom")

// Where a title-bar section sits: from the left end, from the right end, or stretched over
// what lies between them.
enum TskTitleBarAlign : uint8_t { skLeft, skRight, skClient };
DECLARE_ENUM_NAMES(TskTitleBarAlign, "skLeft", "skRight", "skClient")

// One picture of the bar's background. Every change repaints the bar.
class TskTitleBarSection : public TCollectionItem {
  DECLARE_CLASS(TskTitleBarSection, TCollectionItem)
 public:
  explicit TskTitleBarSection(TCollection* collection);
  ~TskTitleBarSection() override;
  static void Publish();
  void Assign(TPersistent* source) override;

  int Width() const { return width_; }
  void SetWidth(int value);
  // Only one section of a bar stretches over the middle: making a second one skClient shows
  // an error message and changes nothing. A skClient section always stretches.
  TskTitleBarAlign Align() const { return align_; }
  void SetAlign(TskTitleBarAlign value);
  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(TPicture* value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  // Takes Width from the picture's width whenever the picture holds a graphic.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

 private:
  void PictureChanged(TObject* sender);
  void FitWidthToPicture();

  int width_ = 10;
  TskTitleBarAlign align_ = skLeft;
  std::unique_ptr<TPicture> picture_;
  bool stretch_ = false;
  bool autoSize_ = false;
};

// One button of the bar with its three pictures: normal, under the mouse, pressed.
class TskTitleBarButton : public TCollectionItem {
  DECLARE_CLASS(TskTitleBarButton, TCollectionItem)
 public:
  explicit TskTitleBarButton(TCollection* collection);
  ~TskTitleBarButton() override;
  static void Publish();
  void Assign(TPersistent* source) override;

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  // Only one button of a bar is the control box: giving a second one that type shows an error
  // message and changes nothing. A new type loads that type's pictures from the theme.
  TskTitleBarBtnType ButtonType() const { return buttonType_; }
  void SetButtonType(TskTitleBarBtnType value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  int Top() const { return top_; }
  void SetTop(int value);
  // The style whose pictures the button shows; setting it reloads them.
  TskUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TskUIStyle value);
  TPicture* PicNormal() const { return picNormal_.get(); }
  void SetPicNormal(TPicture* value);
  TPicture* PicMouseOn() const { return picMouseOn_.get(); }
  void SetPicMouseOn(TPicture* value);
  TPicture* PicMouseDown() const { return picMouseDown_.get(); }
  void SetPicMouseDown(TPicture* value);
  // The menu a control-box button opens instead of the bar's own; not owned (the bar forgets
  // it when it is freed).
  TPopupMenu* ControlBoxMenu() const { return controlBoxMenu_; }
  void SetControlBoxMenu(TPopupMenu* value);

  // Loads the pictures of the button's type from the bar's theme; a maximize button takes its
  // restore look while the bar's form is maximized.
  void LoadPictures();
  TskTitleBar* TitleBar() const;

 private:
  void Repaint();

  bool visible_ = true;
  TskTitleBarBtnType buttonType_ = skCustom;
  bool transparent_ = false;
  int top_ = 2;
  TskUIStyle uiStyle_ = Marine;
  std::unique_ptr<TPicture> picNormal_;
  std::unique_ptr<TPicture> picMouseOn_;
  std::unique_ptr<TPicture> picMouseDown_;
  TPopupMenu* controlBoxMenu_ = nullptr;
};

// The sections and the buttons of a title bar; any change of an item repaints the bar.
class TskTitleBarSections : public TOwnedCollection {
  DECLARE_CLASS(TskTitleBarSections, TOwnedCollection)
 public:
  explicit TskTitleBarSections(TskTitleBar* bar);
  TskTitleBarSection* Items(int index) const;
  TskTitleBarSection* Add();
  bool HasClientSection(const TskTitleBarSection* except) const;

 protected:
  void Update(TCollectionItem* item) override;
};

class TskTitleBarButtons : public TOwnedCollection {
  DECLARE_CLASS(TskTitleBarButtons, TOwnedCollection)
 public:
  explicit TskTitleBarButtons(TskTitleBar* bar);
  TskTitleBarButton* Items(int index) const;
  TskTitleBarButton* Add();
  // The first button of that type, visible or not; nullptr when there is none.
  TskTitleBarButton* Find(TskTitleBarBtnType type) const;

 protected:
  void Update(TCollectionItem* item) override;
};
