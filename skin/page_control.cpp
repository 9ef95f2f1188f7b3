// The page control: its list of pages, which one is current, and the strip kept in step with
// both.

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/controls/forms.h"
#include "platform/controls/watched_component.h"
#include "platform/core/scope_guard.h"
#include "platform/core/string_list.h"
#include "platform/windows/messages.h"
#include "skin/inherited_message.h"
#include "skin/page_control.h"
#include "skin/style_propagation.h"

TskPageControl::TskPageControl(TComponent* owner) : TskTab(owner) {
  BuildTopPanel();
  // One tab per page, and there are no pages yet.
  RebuildTabs();
}

TskPageControl::~TskPageControl() {
  for (TskTabSheet* page : pages_) page->pageControl_ = nullptr;
}

void TskPageControl::Publish() {
  using B = TskPageControl;
  TPublisher<B> p;
  p.Property("ActivePage", &B::ActivePage, &B::SetActivePage);
}

const TMessageMap& TskPageControl::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TskTab::ClassMessages());
    m.On(CM_CONTROLCHANGE, &TskPageControl::CMControlChange);
    m.On(CM_CONTROLLISTCHANGE, &TskPageControl::CMControlListChange);
    m.On(CM_COLORCHANGED, &TskPageControl::CMColorChanged);
    return m;
  }();
  return map;
}

TskTabControlTopPanel* TskPageControl::CreateTopPanel() { return new TskPageControlTopPanel(this); }

TskTabSheet* TskPageControl::Pages(int index) const {
  return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

// ---- pages coming and going ----

// A page is taken in once it stands in the control list, so that it can come to the front.
void TskPageControl::CMControlChange(TMessage& m) {
  InheritedMessage(TskTab::ClassMessages(), this, m);
  auto* page = dynamic_cast<TskTabSheet*>(reinterpret_cast<TControl*>(m.WParam));
  if (page != nullptr && m.LParam != 0) InsertPage(page);
}

void TskPageControl::CMControlListChange(TMessage& m) {
  InheritedMessage(TskTab::ClassMessages(), this, m);
  auto* page = dynamic_cast<TskTabSheet*>(reinterpret_cast<TControl*>(m.WParam));
  if (page != nullptr && m.LParam == 0) RemovePage(page);
}

void TskPageControl::InsertPage(TskTabSheet* page) {
  if (std::find(pages_.begin(), pages_.end(), page) != pages_.end()) return;
  page->pageControl_ = this;
  page->SetColor(Color());
  page->SetBorderColor(BorderColor());
  pages_.push_back(page);
  Renumber();
  RebuildTabs();
  SetActivePage(page);
}

// The current page stays current when another goes; when the current one goes, the page
// before it takes its place, or the new first page when it was the first.
void TskPageControl::RemovePage(TskTabSheet* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  const int oldIndex = static_cast<int>(it - pages_.begin());
  pages_.erase(it);
  page->pageControl_ = nullptr;
  page->pageIndex_ = -1;
  Renumber();
  RebuildTabs();
  if (activePage_ != page) {
    if (activePage_ != nullptr) TopPanel()->MoveTabIndex(activePage_->PageIndex());
    return;
  }
  activePage_ = nullptr;
  if (pages_.empty()) {
    TopPanel()->MoveTabIndex(-1);
    return;
  }
  SetActivePage(pages_[static_cast<size_t>(std::max(oldIndex - 1, 0))]);
}

void TskPageControl::Renumber() {
  for (size_t i = 0; i < pages_.size(); ++i) pages_[i]->pageIndex_ = static_cast<int>(i);
}

// The strip's tabs and their visibility follow the pages, whatever moved.
void TskPageControl::RebuildTabs() {
  std::vector<bool> visible;
  {
    TStringsUpdateLock lock(*TopPanel()->Tabs());
    TopPanel()->Tabs()->Clear();
    for (TskTabSheet* page : pages_) {
      TopPanel()->Tabs()->Add(page->Caption());
      visible.push_back(page->TabVisible());
    }
  }
  TopPanel()->SetTabsVisible(visible);
}

void TskPageControl::MovePage(TskTabSheet* page, int index) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end() || index < 0 || index >= PageCount()) return;
  pages_.erase(it);
  pages_.insert(pages_.begin() + index, page);
  Renumber();
  RebuildTabs();
  if (activePage_ != nullptr) TopPanel()->MoveTabIndex(activePage_->PageIndex());
  SetActivePage(page);
}

void TskPageControl::PageTabVisibilityChanged(TskTabSheet* page) {
  TopPanel()->SetTabVisible(page->PageIndex(), page->TabVisible());
  if (page != activePage_ || page->TabVisible()) return;
  const int at = page->PageIndex();
  for (int i = at - 1; i >= 0; --i) {
    if (pages_[static_cast<size_t>(i)]->TabVisible()) return SetActivePage(pages_[static_cast<size_t>(i)]);
  }
  for (int i = at + 1; i < PageCount(); ++i) {
    if (pages_[static_cast<size_t>(i)]->TabVisible()) return SetActivePage(pages_[static_cast<size_t>(i)]);
  }
}

// ---- the current page ----

void TskPageControl::SetActivePage(TskTabSheet* page) {
  if (page != nullptr && page->pageControl_ != this) return;
  // The pages' handlers may free the control, or the page going current (a page that closes
  // its form, one rebuilt when shown).
  const TWatchedComponent self(this), shown(page);
  if (activePage_ != nullptr && activePage_ != page) {
    TskTabSheet* old = activePage_;
    old->SetEnabled(false);
    old->OnHide.Call(old);
    if (self.Get() == nullptr || shown.Get() != page) return;
  }
  activePage_ = page;
  if (page == nullptr) return;
  ShowPage(page);
  if (self.Get() == nullptr || shown.Get() != page) return;
  // The strip follows; its tab change tells OnTabActive and OnChange, nothing more.
  auto syncing = ScopedValue(syncingStrip_, true);
  TopPanel()->SetTabIndex(page->PageIndex());
}

void TskPageControl::SetActivePageIndex(int index) {
  if (index >= 0 && index < PageCount()) SetActivePage(pages_[static_cast<size_t>(index)]);
}

void TskPageControl::ShowPage(TskTabSheet* page) {
  page->SetVisible(true);
  page->SetEnabled(true);
  page->BringToFront();
  page->Invalidate();
  page->OnShow.Call(page);
}

void TskPageControl::TabActive(int index) {
  if (!syncingStrip_ && index >= 0 && index < PageCount()) {
    TskTabSheet* page = pages_[static_cast<size_t>(index)];
    const TWatchedComponent self(this), shown(page);
    SetActivePage(page);
    if (self.Get() == nullptr) return;
    // A tab picked from the keyboard leaves the focus on the strip.
    if (shown.Get() != nullptr && !TopPanel()->Focused()) FocusFirstControl(page);
  }
  TskTab::TabActive(index);
}

void TskPageControl::FocusFirstControl(TskTabSheet* page) {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning)) return;
  if (page->ControlCount() == 0) return;
  auto* first = dynamic_cast<TWinControl*>(page->Controls(0));
  if (first == nullptr || !first->Visible() || !first->CanFocus()) return;
  if (TCustomForm* form = GetParentForm(this)) form->SetActiveControl(first);
}

// ---- what the pages take from the control ----

void TskPageControl::BorderColorChanged() {
  for (TskTabSheet* page : pages_) page->SetBorderColor(BorderColor());
  if (activePage_ != nullptr) activePage_->Invalidate();
}

void TskPageControl::ApplyChildrenStyle(TskUIStyle style, TskFileTheme* fileTheme) {
  for (TskTabSheet* page : pages_) {
    ContainerApplyUIStyle(page, style, fileTheme);
    page->SetColor(Color());
    page->SetBorderColor(BorderColor());
    page->SetAlign(alClient);
  }
}

void TskPageControl::CMColorChanged(TMessage& m) {
  InheritedMessage(TskTab::ClassMessages(), this, m);
  for (TskTabSheet* page : pages_) page->SetColor(Color());
}
