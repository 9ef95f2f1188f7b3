// The close button of the side bar: caption, image and look.
#include "sidebar/close_button.h"

#include "platform/classes/properties.h"
#include "sidebar/headers.h"
#include "sidebar/side_bar.h"
#include "sidebar/sidebar_texts.h"

TnbCloseButton::TnbCloseButton(TnbSideBar* bar) : bar_(bar), header_(std::make_unique<TnbHeader>(bar)) {
  header_->SetOptions({hoAlwaysFlat, hoCustomSettings});
  header_->Settings()->SetExplorerAddOn(0);
  header_->Settings()->SetAlignment(taLeftJustify);
  header_->SetCaption(sidebar_texts::SCloseButtonCaption);
  header_->SetVisible(false);
}

TnbCloseButton::~TnbCloseButton() = default;

void TnbCloseButton::Publish() {
  using C = TnbCloseButton;
  TPublisher<C> p;
  // The caption a new close bar has is the one left out, so that an empty caption is written
  // and comes back empty.
  p.Property("Caption", &C::Caption, &C::SetCaption).Default(String(sidebar_texts::SCloseButtonCaption.English()));
  p.Property("Font", &C::Font, &C::SetFont);
  p.Property("Height", &C::Height, &C::SetHeight);
  p.Property("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1);
  p.Property("Margin", &C::Margin, &C::SetMargin).Default(uint16_t{4});
  p.Property("Transparent", &C::Transparent, &C::SetTransparent).Default(false);
  p.Property("Visible", &C::Visible, &C::SetVisible).Default(false);
  p.Event("OnClose", &C::OnClose);
}

void TnbCloseButton::Changed() {
  if (bar_ != nullptr) bar_->Invalidate();
}

String TnbCloseButton::Caption() const { return header_->Caption(); }
TFont* TnbCloseButton::Font() const { return header_->Settings()->Font(); }
int TnbCloseButton::Height() const { return header_->Settings()->Height(); }
int TnbCloseButton::ImageIndex() const { return header_->ImageIndex(); }
uint16_t TnbCloseButton::Margin() const { return header_->Margin(); }
bool TnbCloseButton::Transparent() const { return header_->Transparent(); }
bool TnbCloseButton::Visible() const { return header_->Visible(); }

void TnbCloseButton::SetCaption(const String& v) {
  if (v == Caption()) return;
  header_->SetCaption(v);
  Changed();
}

void TnbCloseButton::SetFont(TFont* v) {
  header_->Settings()->SetFont(v);
  Changed();
}

void TnbCloseButton::SetHeight(int v) {
  if (v == Height()) return;
  header_->Settings()->SetHeight(v);
  Changed();
}

void TnbCloseButton::SetImageIndex(int v) {
  if (v == ImageIndex()) return;
  header_->SetImageIndex(v);
  Changed();
}

void TnbCloseButton::SetMargin(uint16_t v) {
  if (v == Margin()) return;
  header_->SetMargin(v);
  Changed();
}

void TnbCloseButton::SetTransparent(bool v) {
  if (v == Transparent()) return;
  header_->SetTransparent(v);
  Changed();
}

void TnbCloseButton::SetVisible(bool v) {
  if (v == Visible()) return;
  header_->SetVisible(v);
  Changed();
}

void TnbCloseButton::Assign(TPersistent* source) {
  auto* o = dynamic_cast<TnbCloseButton*>(source);
  if (o == nullptr) return TPersistent::Assign(source);
  TnbUpdateLock lock(bar_);
  SetCaption(o->Caption());
  SetFont(o->Font());
  SetHeight(o->Height());
  SetImageIndex(o->ImageIndex());
  SetMargin(o->Margin());
  SetTransparent(o->Transparent());
  SetVisible(o->Visible());
}
