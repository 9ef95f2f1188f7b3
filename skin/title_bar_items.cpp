// Title-bar buttons and sections.
#include "skin/title_bar_items.h"

#include "platform/classes/properties.h"
#include "platform/controls/menus.h"
#include "platform/controls/message_box.h"
#include "platform/graphics/picture.h"
#include "skin/title_bar.h"

namespace {

std::unique_ptr<TPicture> WatchedPicture(TObject* owner, std::function<void(TObject*)> changed) {
  auto picture = std::make_unique<TPicture>();
  picture->OnChange.Bind(owner, "PictureChanged", std::move(changed));
  return picture;
}

TskTitleBar* BarOf(TCollection* collection) {
  return collection != nullptr ? dynamic_cast<TskTitleBar*>(collection->Owner()) : nullptr;
}

void RepaintBar(TCollection* collection) {
  if (TskTitleBar* bar = BarOf(collection)) bar->Invalidate();
}

}  // namespace

// ---- sections ----

TskTitleBarSection::TskTitleBarSection(TCollection* collection)
    : TCollectionItem(collection),
      picture_(WatchedPicture(this, [this](TObject* s) { PictureChanged(s); })) {}

TskTitleBarSection::~TskTitleBarSection() = default;

void TskTitleBarSection::Publish() {
  TPublisher<TskTitleBarSection> p;
  p.Property("Width", &TskTitleBarSection::Width, &TskTitleBarSection::SetWidth).Default(10);
  p.Property("Align", &TskTitleBarSection::Align, &TskTitleBarSection::SetAlign).Default(skLeft);
  p.Property("Picture", &TskTitleBarSection::Picture, &TskTitleBarSection::SetPicture);
  p.Property("Stretch", &TskTitleBarSection::Stretch, &TskTitleBarSection::SetStretch)
      .Default(false);
  p.Property("AutoSize", &TskTitleBarSection::AutoSize, &TskTitleBarSection::SetAutoSize)
      .Default(false);
}

void TskTitleBarSection::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TskTitleBarSection*>(source);
  if (other == nullptr) return TCollectionItem::Assign(source);
  width_ = other->width_;
  align_ = other->align_;
  picture_->Assign(other->picture_.get());
  stretch_ = other->stretch_;
  autoSize_ = other->autoSize_;
  Changed(false);
}

void TskTitleBarSection::SetWidth(int value) {
  width_ = value;
  Changed(false);
}

void TskTitleBarSection::SetAlign(TskTitleBarAlign value) {
  if (value == skClient && align_ != skClient) {
    auto* sections = dynamic_cast<TskTitleBarSections*>(Collection());
    if (sections != nullptr && sections->HasClientSection(this)) {
      MessageDlg("Sorry, only one section's Align property can be \"skClient\"", mtError, {mbOK});
      return;
    }
  }
  align_ = value;
  if (align_ == skClient) stretch_ = true;
  Changed(false);
}

void TskTitleBarSection::SetPicture(TPicture* value) { picture_->Assign(value); }

void TskTitleBarSection::SetStretch(bool value) {
  stretch_ = value || align_ == skClient;
  Changed(false);
}

void TskTitleBarSection::SetAutoSize(bool value) {
  autoSize_ = value;
  if (autoSize_) FitWidthToPicture();
  Changed(false);
}

void TskTitleBarSection::FitWidthToPicture() {
  if (picture_->Graphic() != nullptr) width_ = picture_->Width();
}

void TskTitleBarSection::PictureChanged(TObject*) {
  if (autoSize_) FitWidthToPicture();
  Changed(false);
}

// ---- buttons ----

TskTitleBarButton::TskTitleBarButton(TCollection* collection)
    : TCollectionItem(collection),
      picNormal_(WatchedPicture(this, [this](TObject*) { Repaint(); })),
      picMouseOn_(WatchedPicture(this, [this](TObject*) { Repaint(); })),
      picMouseDown_(WatchedPicture(this, [this](TObject*) { Repaint(); })) {}

TskTitleBarButton::~TskTitleBarButton() = default;

void TskTitleBarButton::Publish() {
  using B = TskTitleBarButton;
  TPublisher<B> p;
  p.Property("Visible", &B::Visible, &B::SetVisible).Default(true);
  p.Property("ButtonType", &B::ButtonType, &B::SetButtonType).Default(skCustom);
  p.Property("Transparent", &B::Transparent, &B::SetTransparent).Default(false);
  p.Property("Top", &B::Top, &B::SetTop).Default(2);
  p.Property("UIStyle", &B::UIStyle, &B::SetUIStyle).Default(Marine);
  p.Property("PicNormal", &B::PicNormal, &B::SetPicNormal);
  p.Property("PicMouseOn", &B::PicMouseOn, &B::SetPicMouseOn);
  p.Property("PicMouseDown", &B::PicMouseDown, &B::SetPicMouseDown);
  p.Property("ControlBoxMenu", &B::ControlBoxMenu, &B::SetControlBoxMenu);
}

void TskTitleBarButton::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TskTitleBarButton*>(source);
  if (other == nullptr) return TCollectionItem::Assign(source);
  visible_ = other->visible_;
  buttonType_ = other->buttonType_;
  transparent_ = other->transparent_;
  top_ = other->top_;
  uiStyle_ = other->uiStyle_;
  picNormal_->Assign(other->picNormal_.get());
  picMouseOn_->Assign(other->picMouseOn_.get());
  picMouseDown_->Assign(other->picMouseDown_.get());
  SetControlBoxMenu(other->controlBoxMenu_);
  Changed(false);
}

TskTitleBar* TskTitleBarButton::TitleBar() const { return BarOf(Collection()); }

void TskTitleBarButton::Repaint() { RepaintBar(Collection()); }

void TskTitleBarButton::SetVisible(bool value) {
  visible_ = value;
  Changed(false);
}

void TskTitleBarButton::SetButtonType(TskTitleBarBtnType value) {
  if (value == skControlBox && buttonType_ != skControlBox) {
    auto* buttons = dynamic_cast<TskTitleBarButtons*>(Collection());
    if (buttons != nullptr && buttons->Find(skControlBox) != nullptr) {
      MessageDlg("Sorry, only one button's ButtonType property can be \"skControlBox\"", mtError,
                 {mbOK});
      return;
    }
  }
  buttonType_ = value;
  LoadPictures();
  Changed(false);
}

void TskTitleBarButton::SetTransparent(bool value) {
  transparent_ = value;
  Changed(false);
}

void TskTitleBarButton::SetTop(int value) {
  top_ = value;
  Changed(false);
}

void TskTitleBarButton::SetUIStyle(TskUIStyle value) {
  uiStyle_ = value;
  LoadPictures();
  Changed(false);
}

void TskTitleBarButton::SetPicNormal(TPicture* value) { picNormal_->Assign(value); }
void TskTitleBarButton::SetPicMouseOn(TPicture* value) { picMouseOn_->Assign(value); }
void TskTitleBarButton::SetPicMouseDown(TPicture* value) { picMouseDown_->Assign(value); }

void TskTitleBarButton::SetControlBoxMenu(TPopupMenu* value) {
  controlBoxMenu_ = value;
  if (TskTitleBar* bar = TitleBar()) bar->WatchMenu(value);
}

// ---- collections ----

TskTitleBarSections::TskTitleBarSections(TskTitleBar* bar)
    : TOwnedCollection(bar, TCollectionItemClass::Of<TskTitleBarSection>()) {}

TskTitleBarSection* TskTitleBarSections::Items(int index) const {
  return static_cast<TskTitleBarSection*>(TCollection::Items(index));
}

TskTitleBarSection* TskTitleBarSections::Add() {
  return static_cast<TskTitleBarSection*>(TCollection::Add());
}

bool TskTitleBarSections::HasClientSection(const TskTitleBarSection* except) const {
  for (int i = 0; i < Count(); ++i) {
    if (Items(i) != except && Items(i)->Align() == skClient) return true;
  }
  return false;
}

void TskTitleBarSections::Update(TCollectionItem*) { RepaintBar(this); }

TskTitleBarButtons::TskTitleBarButtons(TskTitleBar* bar)
    : TOwnedCollection(bar, TCollectionItemClass::Of<TskTitleBarButton>()) {}

TskTitleBarButton* TskTitleBarButtons::Items(int index) const {
  return static_cast<TskTitleBarButton*>(TCollection::Items(index));
}

TskTitleBarButton* TskTitleBarButtons::Add() {
  return static_cast<TskTitleBarButton*>(TCollection::Add());
}

TskTitleBarButton* TskTitleBarButtons::Find(TskTitleBarBtnType type) const {
  for (int i = 0; i < Count(); ++i) {
    if (Items(i)->ButtonType() == type) return Items(i);
  }
  return nullptr;
}

void TskTitleBarButtons::Update(TCollectionItem*) { RepaintBar(this); }
