#pragma once

#include <vector>

#include "platform/classes/filer.h"
#include "skin/tab_control.h"

class TskPageControl;

// The strip of a page control.
class TskPageControlTopPanel : public TskTabControlTopPanel {
  DECLARE_CLASS(TskPageControlTopPanel, TskTabControlTopPanel)
 public:
  using TskTabControlTopPanel::TskTabControlTopPanel;
};

// One page of a page control: its caption is the page's tab. Pages stack in their page
// control; the current one is in front and the only one enabled.
class TskTabSheet : public TCustomPanel {
  DECLARE_CLASS(TskTabSheet, TCustomPanel)
 public:
  explicit TskTabSheet(TComponent* owner);
  ~TskTabSheet() override;
  static void Publish();

  TskPageControl* PageControl() const { return pageControl_; }
  // The page's position in its page control, -1 outside one. Setting it moves the page there
  // and makes it the current page; an index outside the pages is ignored.
  int PageIndex() const { return pageIndex_; }
  void SetPageIndex(int value);
  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  bool TabVisible() const { return tabVisible_; }
  // Hiding the current page's tab makes the nearest page with a visible tab current, looking
  // first at the pages before it.
  void SetTabVisible(bool value);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value) { borderColor_ = value; }

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

 protected:
  void DefineProperties(TFiler& filer) override;

 private:
  friend class TskPageControl;
  void ReadPageControl(TReader& reader);

  TskPageControl* pageControl_ = nullptr;
  int pageIndex_ = -1;
  String caption_;
  bool tabVisible_ = true;
  TColor borderColor_ = clBlack;
};

// A skinned page control: a stack of TskTabSheet pages with one tab each.
class TskPageControl : public TskTab {
  DECLARE_CLASS(TskPageControl, TskTab)
 public:
  explicit TskPageControl(TComponent* owner);
  ~TskPageControl() override;
  static void Publish();

  TskTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TskTabSheet* page);
  // Makes page `index` current; an index outside the pages is ignored.
  void SetActivePageIndex(int index);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TskTabSheet* Pages(int index) const;

  void TabActive(int index) override;

  // Called by the pages.
  void PageCaptionChanged() { RebuildTabs(); }
  void MovePage(TskTabSheet* page, int index);
  void PageTabVisibilityChanged(TskTabSheet* page);
  // A page read from a stream names its page control; once every page stored is there, the
  // pages take their stored order.
  void PageLoaded();

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  TskTabControlTopPanel* CreateTopPanel() override;
  void BorderColorChanged() override;
  void ApplyChildrenStyle(TskUIStyle style, TskFileTheme* fileTheme) override;
  void DefineProperties(TFiler& filer) override;

 private:
  void InsertPage(TskTabSheet* page);
  void RemovePage(TskTabSheet* page);
  void Renumber();
  void RebuildTabs();
  void ShowPage(TskTabSheet* page);
  void FocusFirstControl(TskTabSheet* page);
  void CMControlChange(TMessage& m);
  void CMControlListChange(TMessage& m);
  void CMColorChanged(TMessage& m);

  std::vector<TskTabSheet*> pages_;
  std::vector<String> storedPageNames_;
  TskTabSheet* activePage_ = nullptr;
  bool syncingStrip_ = false;
};
