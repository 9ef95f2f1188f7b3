// Side-bar headers and their collection: properties, buttons and order.
#include "sidebar/headers.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/core/format.h"
#include "sidebar/side_bar.h"

// ---- TnbHeader -------------------------------------------------------------------------------

TnbHeader::TnbHeader(TCollection* collection) : TnbBarItem(collection) {
  auto* headers = dynamic_cast<TnbHeaders*>(collection);
  TnbSideBar* bar = headers ? headers->Bar() : nullptr;
  CreateLookObjects(bar);
  if (headers != nullptr) {
    buttons_ = std::make_unique<TnbButtons>(this);
    headers->Adopt(this);
  }
}

TnbHeader::TnbHeader(TnbSideBar* bar) : TnbBarItem(nullptr), bar_(bar) {
  CreateLookObjects(bar);
}

void TnbHeader::CreateLookObjects(TComponent* imagesOwner) {
  background_ = std::make_unique<TnbBackground>();
  glyph_ = std::make_unique<TnbGlyph>();
  images_ = std::make_unique<TnbButtonImages>(imagesOwner);
  settings_ = std::make_unique<TnbBarSettings>();
  workBitmap_ = std::make_unique<TBitmap>();
}

TnbHeader::~TnbHeader() {
  if (TnbSideBar* bar = Bar()) bar->HeaderGone(this);
  if (buttons_) buttons_->ClearButtons();
}

void TnbHeader::Publish() {
  using H = TnbHeader;
  TPublisher<H> p;
  p.Property("AllowSelected", &H::AllowSelected, &H::SetAllowSelected).Default(false);
  p.Property("Background", &H::Background, &H::SetBackground);
  p.Property("Glyph", &H::Glyph, &H::SetGlyph);
  p.Property("Images", &H::Images, &H::SetImages);
  p.Property("Buttons", &H::Buttons, &H::SetButtons);
  p.Property("BiDiMode", &H::BiDiMode, &H::SetBiDiMode).Default(bdLeftToRight);
  p.Property("Caption", &H::Caption, &H::SetCaption);
  p.Property("Enabled", &H::Enabled, &H::SetEnabled).Default(true);
  p.Property("FirstButtonTop", &H::FirstButtonTop, &H::SetFirstButtonTop);
  p.Property("HeaderIndex", &H::HeaderIndex, &H::SetHeaderIndex).Default(-1);
  p.Property("HeaderState", &H::HeaderState, &H::SetHeaderState).Default(hsOpened);
  p.Property("Settings", &H::Settings, &H::SetSettings);
  p.Property("ImageIndex", &H::ImageIndex, &H::SetImageIndex).Default(-1);
  p.Property("Margin", &H::Margin, &H::SetMargin).Default(uint16_t{4});
  p.Property("Name", &H::Name, &H::SetName);
  p.Property("Options", &H::Options, &H::SetOptions);
  p.Property("PopupMenu", &H::PopupMenu, &H::SetPopupMenu);
  p.Property("Opened", &H::Opened, &H::SetOpened);
  p.Property("Tag", &H::Tag, &H::SetTag).Default(intptr_t{0});
  p.Property("Transparent", &H::Transparent, &H::SetTransparent).Default(false);
  p.Property("SelectedIndex", &H::SelectedIndex, &H::SetSelectedIndex).Default(-1);
  p.Property("Spacing", &H::Spacing, &H::SetSpacing).Default(uint16_t{2});
  p.Property("Visible", &H::Visible, &H::SetVisible).Default(true);
  p.Event("OnChange", &H::OnChange);
  p.Event("OnCheckScroll", &H::OnCheckScroll);
  p.Event("OnDrawHeaderButton", &H::OnDrawHeaderButton);
  p.Event("OnDrawHeaderBody", &H::OnDrawHeaderBody);
  p.Event("OnAfterDrawHeaderButton", &H::OnAfterDrawHeaderButton);
  p.Event("OnAfterDrawHeaderBody", &H::OnAfterDrawHeaderBody);
  p.Event("OnDrawStatusButton", &H::OnDrawStatusButton);
}

TnbSideBar* TnbHeader::Bar() const {
  if (auto* headers = dynamic_cast<TnbHeaders*>(Collection())) return headers->Bar();
  return bar_;
}

void TnbHeader::SetOnChangeParameter(const TNotifyEvent& handler) {
  OnChangeParameter = handler;
  images_->SetOnChangeParameter(handler);
  settings_->SetOnChangeParameter(handler);
  background_->SetOnChangeParameter(handler);
  glyph_->SetOnChangeParameter(handler);
}

void TnbHeader::ReportTo(TnbSideBar* bar) {
  const TNotifyEvent handler = bar != nullptr ? bar->ParameterChangedHandler() : TNotifyEvent();
  SetOnChangeParameter(handler);
  for (int i = 0; i < ButtonCount(); ++i) GetButton(i)->OnChangeParameter = handler;
  images_->SetOwner(bar);
}

void TnbHeader::SetButtons(TnbButtons* v) {
  if (buttons_) buttons_->Assign(v);
}

int TnbHeader::ButtonCount() const { return buttons_ ? buttons_->Count() : 0; }

TnbButton* TnbHeader::GetButton(int index) const {
  if (index < 0 || index >= ButtonCount()) return nullptr;
  return buttons_->Items(index);
}

TnbButton* TnbHeader::FirstVisibleButton() const {
  for (int i = 0; i < ButtonCount(); ++i)
    if (GetButton(i)->Visible()) return GetButton(i);
  return nullptr;
}

TnbButton* TnbHeader::LastVisibleButton() const {
  for (int i = ButtonCount() - 1; i >= 0; --i)
    if (GetButton(i)->Visible()) return GetButton(i);
  return nullptr;
}

void TnbHeader::SetAllowSelected(bool v) {
  if (allowSelected_ == v) return;
  allowSelected_ = v;
  selectedIndex_ = -1;
  Notify();
}

void TnbHeader::SetName(const String& v) {
  TnbSideBar* bar = Bar();
  Rename(dynamic_cast<TnbHeaders*>(Collection()), v, bar != nullptr && bar->Reading(), "nbHeader", "bar", "header");
}

void TnbHeader::SetHeaderIndex(int v) {
  if (Collection() == nullptr || v == Index()) return;
  SetIndex(std::clamp(v, 0, Collection()->Count() - 1));
  if (TnbSideBar* bar = Bar()) bar->Invalidate();
}

void TnbHeader::ForgetLayout() {
  captionRect_ = kHiddenRect;
  bodyRect_ = kHiddenRect;
  for (int i = 0; i < ButtonCount(); ++i) GetButton(i)->Rects().Hide();
}

void TnbHeader::SetHeaderState(TnbHeaderState v) {
  if (headerState_ == v) return;
  headerState_ = v;
  ForgetLayout();
  TnbSideBar* bar = Bar();
  if (bar != nullptr && bar->ViewStyle() == vsExplorerBar) Notify();
}

void TnbHeader::SetVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  TnbSideBar* bar = Bar();
  if (!v && bar != nullptr && bar->ActiveHeader() == this) bar->ForgetActiveHeader();
  if (!v && bar != nullptr) bar->ContentShrank();
  Notify();
}

void TnbHeader::SetSelectedIndex(int v) {
  if (!allowSelected_) v = -1;
  v = ButtonCount() == 0 ? -1 : std::clamp(v, -1, ButtonCount() - 1);
  TnbSideBar* bar = Bar();
  auto* headers = dynamic_cast<TnbHeaders*>(Collection());
  if (bar != nullptr && !bar->EachHeaderSelection() && headers != nullptr)
    for (int i = 0; i < headers->Count(); ++i) headers->Items(i)->selectedIndex_ = -1;
  if (v == selectedIndex_) return;
  selectedIndex_ = v;
  Notify();
}

void TnbHeader::ButtonLeaving(int index) {
  if (index == selectedIndex_) selectedIndex_ = -1;
  else if (index < selectedIndex_) --selectedIndex_;
  // The buttons in view stay in view when one above them goes; the list never starts past
  // the last button that is left (the leaving one is still counted).
  if (index < firstVisible_) --firstVisible_;
  firstVisible_ = std::clamp(firstVisible_, 0, std::max(0, ButtonCount() - 2));
}

TnbBarSettings* TnbHeader::EffectiveSettings() const {
  TnbSideBar* bar = Bar();
  if (bar == nullptr || !bar->CommonStyle() || options_.Contains(hoCustomSettings))
    return settings_.get();
  return bar->Settings();
}

int TnbHeader::CaptionHeight() const { return EffectiveSettings()->Height(); }

int TnbHeader::ExplorerAddOn() const {
  TnbSideBar* bar = Bar();
  if (bar == nullptr || bar->ViewStyle() == vsOutlook) return 0;
  return EffectiveSettings()->ExplorerAddOn();
}

bool TnbHeader::EffectiveEnabled() const {
  TnbSideBar* bar = Bar();
  return bar == nullptr ? enabled_ : bar->Enabled() && enabled_;
}

void TnbHeader::StepUp() {
  if (firstVisible_ > 0) SetFirstVisibleIndex(firstVisible_ - 1);
}

void TnbHeader::StepDown() {
  if (!CanStepDown()) return;
  SetFirstVisibleIndex(std::max(0, std::min(firstVisible_ + 1, ButtonCount() - 1)));
}

void TnbHeader::SetFirstVisibleIndex(int v) {
  if (firstVisible_ == v) return;
  firstVisible_ = v;
  // The buttons move in the body: the bar lays out and paints again, and finds what is under
  // the mouse now.
  if (TnbSideBar* bar = Bar()) {
    bar->Invalidate();
    bar->ContentMoved();
  }
}

void TnbHeader::BeginUpdate() {
  if (TnbSideBar* bar = Bar()) bar->BeginUpdate();
}

void TnbHeader::EndUpdate() {
  if (TnbSideBar* bar = Bar()) bar->EndUpdate();
}

void TnbHeader::Assign(TPersistent* source) {
  auto* o = dynamic_cast<TnbHeader*>(source);
  if (o == nullptr) return TnbBarItem::Assign(source);
  background_->Assign(o->background_.get());
  images_->Assign(o->images_.get());
  biDiMode_ = o->biDiMode_;
  caption_ = o->caption_;
  enabled_ = o->enabled_;
  headerState_ = o->headerState_;
  settings_->Assign(o->settings_.get());
  imageIndex_ = o->imageIndex_;
  margin_ = o->margin_;
  options_ = o->options_;
  transparent_ = o->transparent_;
  spacing_ = o->spacing_;
  visible_ = o->visible_;
  OnChange.Call(this);
}

// ---- TnbHeaders ------------------------------------------------------------------------------

TnbHeaders::TnbHeaders(TnbSideBar* bar)
    : TOwnedCollection(bar, TCollectionItemClass::Of<TnbHeader>()), bar_(bar) {}

void TnbHeaders::Update(TCollectionItem*) {
  // A change to an item (a rename, a move) keeps it active; only its removal clears it.
  if (bar_ != nullptr) bar_->Invalidate();
}

void TnbHeaders::Notify(TCollectionItem* item, TCollectionNotification action) {
  TOwnedCollection::Notify(item, action);
  // An item created by `new` is announced while its own constructor has not run yet; its
  // constructor adopts it then.
  if (action == cnAdded) {
    if (auto* header = dynamic_cast<TnbHeader*>(item)) Adopt(header);
  } else if (action == cnExtracting && bar_ != nullptr) {
    // Its buttons leave with it: the bar forgets them too, and a header that lives on outside
    // reports to this bar no more, which may be freed before it.
    if (auto* header = dynamic_cast<TnbHeader*>(item)) {
      bar_->HeaderGone(header);
      header->ReportTo(nullptr);
    } else {
      bar_->ItemGone(item);
    }
  }
}

void TnbHeaders::Adopt(TnbHeader* header) {
  header->NameOnEntry(*this, "nbHeader");
  if (bar_ == nullptr) return;
  // A header that comes from another bar or from outside reports here from now on.
  header->ReportTo(bar_);
  // With one selection for the whole bar, the one the bar has stays and the newcomer's goes.
  if (!bar_->EachHeaderSelection() && header->SelectedIndex() >= 0 && AnotherSelects(header))
    header->SelectionMoved(-1);
}

bool TnbHeaders::AnotherSelects(const TnbHeader* header) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i) != header && Items(i)->SelectedIndex() >= 0) return true;
  return false;
}
