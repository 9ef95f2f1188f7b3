// A page of the skinned page control.

#include "platform/classes/properties.h"
#include "skin/always_written.h"
#include "skin/page_control.h"

TskTabSheet::TskTabSheet(TComponent* owner) : TCustomPanel(owner) {
  SetBevelOuter(bvNone);
  SetBevelInner(bvNone);
  SetAlign(alClient);
  SetText(" ");
}

// A page freed while in its page control leaves it first, so the control drops it from its
// pages while it is still a page.
TskTabSheet::~TskTabSheet() {
  if (pageControl_ != nullptr) SetParent(nullptr);
}

void TskTabSheet::Publish() {
  using B = TskTabSheet;
  TPublisher<B> p;
  PublishAlwaysWritten(p, {"BevelOuter"});
  p.Property("PageIndex", &B::PageIndex, &B::SetPageIndex).Default(-1).Stored([](B*) { return false; });
  p.Property("Caption", &B::Caption, &B::SetCaption);
  p.Property("TabVisible", &B::TabVisible, &B::SetTabVisible).Default(true);
  p.Event("OnShow", &B::OnShow);
  p.Event("OnHide", &B::OnHide);
}

void TskTabSheet::SetPageIndex(int value) {
  if (pageControl_ != nullptr) pageControl_->MovePage(this, value);
}

void TskTabSheet::SetCaption(const String& value) {
  caption_ = value;
  if (pageControl_ != nullptr) pageControl_->PageCaptionChanged();
}

void TskTabSheet::SetTabVisible(bool value) {
  tabVisible_ = value;
  if (pageControl_ != nullptr) pageControl_->PageTabVisibilityChanged(this);
}
