// What a page control and its pages store beside their published properties: the order of
// the pages by name, and on each page the name of its page control, so that pages read from a
// stream come back in their stored order.

#include <algorithm>

#include "platform/classes/filer.h"
#include "skin/page_control.h"

void TskPageControl::DefineProperties(TFiler& filer) {
  TskTab::DefineProperties(filer);
  filer.DefineProperty(
      "Pages",
      [this](TReader& reader) {
        storedPageNames_.clear();
        reader.ReadListBegin();
        while (!reader.EndOfList()) storedPageNames_.push_back(reader.ReadString());
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (TskTabSheet* page : pages_) writer.WriteString(page->Name());
        writer.WriteListEnd();
      },
      !pages_.empty());
}

void TskPageControl::PageLoaded() {
  if (storedPageNames_.size() != pages_.size()) return;
  auto position = [this](TskTabSheet* page) {
    auto at = std::find(storedPageNames_.begin(), storedPageNames_.end(), page->Name());
    return at - storedPageNames_.begin();
  };
  std::stable_sort(pages_.begin(), pages_.end(),
                   [&](TskTabSheet* a, TskTabSheet* b) { return position(a) < position(b); });
  Renumber();
  RebuildTabs();
  if (activePage_ != nullptr) TopPanel()->MoveTabIndex(activePage_->PageIndex());
}

void TskTabSheet::DefineProperties(TFiler& filer) {
  TCustomPanel::DefineProperties(filer);
  filer.DefineProperty(
      "PageControl", [this](TReader& reader) { ReadPageControl(reader); },
      [this](TWriter& writer) { writer.WriteString(pageControl_->Name()); }, pageControl_ != nullptr);
}

void TskTabSheet::ReadPageControl(TReader& reader) {
  const String name = reader.ReadString();
  auto* control = Owner() != nullptr ? dynamic_cast<TskPageControl*>(Owner()->FindComponent(name)) : nullptr;
  if (control == nullptr) return;
  if (pageControl_ != control) SetParent(control);
  control->PageLoaded();
}
