// The bar's settings: look values shared by its headers and buttons.
#include "sidebar/bar_settings.h"

#include "platform/classes/properties.h"
#include "platform/core/scope_guard.h"

TnbBarSettings::TnbBarSettings()
    : buttonFont_(std::make_unique<TFont>()), buttonHighlightFont_(std::make_unique<TFont>()),
      font_(std::make_unique<TFont>()), highlightFont_(std::make_unique<TFont>()),
      captionPen_(std::make_unique<TPen>()), headerPen_(std::make_unique<TPen>()),
      statusButton_(std::make_unique<TnbStatusButton>()),
      xpColors_(std::make_unique<TnbXPColors>()) {
  for (auto& b : backgrounds_) b = std::make_unique<TnbButtonBackground>();
  // Nested objects report into this object's change, so every change reaches the bar.
  TNotifyEvent nested;
  nested.Bind(this, "", &TnbBarSettings::NestedChanged);
  for (TFont* f : {buttonFont_.get(), buttonHighlightFont_.get(), font_.get(), highlightFont_.get()})
    f->OnChange = nested;
  captionPen_->OnChange = nested;
  headerPen_->OnChange = nested;
  for (auto& b : backgrounds_) b->SetOnChangeParameter(nested);
  statusButton_->SetOnChangeParameter(nested);
  xpColors_->SetOnChangeParameter(nested);
}

TnbBarSettings::~TnbBarSettings() = default;

void TnbBarSettings::SetOnChangeParameter(const TNotifyEvent& handler) { OnChangeParameter = handler; }

void TnbBarSettings::Publish() {
  using S = TnbBarSettings;
  TPublisher<S> p;
  p.Property("Alignment", &S::Alignment, &S::SetAlignment).Default(taCenter);
  p.Property("ButtonUp", &S::ButtonUp, &S::SetButtonUp);
  p.Property("ButtonDown", &S::ButtonDown, &S::SetButtonDown);
  p.Property("ButtonFocused", &S::ButtonFocused, &S::SetButtonFocused);
  p.Property("ButtonDisabled", &S::ButtonDisabled, &S::SetButtonDisabled);
  p.Property("ButtonFont", &S::ButtonFont, &S::SetButtonFont);
  p.Property("ButtonHighlightFont", &S::ButtonHighlightFont, &S::SetButtonHighlightFont);
  p.Property("ButtonStyle", &S::ButtonStyle, &S::SetButtonStyle);
  p.Property("ButtonView", &S::ButtonView, &S::SetButtonView);
  p.Property("CaptionStyle", &S::CaptionStyle, &S::SetCaptionStyle).Default(csButtonStyle);
  p.Property("CaptionPen", &S::CaptionPen, &S::SetCaptionPen);
  p.Property("Color", &S::Color, &S::SetColor).Default(clBtnFace);
  p.Property("Distance", &S::Distance, &S::SetDistance).Default(2);
  p.Property("ExplorerAddOn", &S::ExplorerAddOn, &S::SetExplorerAddOn);
  p.Property("Font", &S::Font, &S::SetFont);
  p.Property("GlyphTop", &S::GlyphTop, &S::SetGlyphTop).Default(10);
  p.Property("HeaderPen", &S::HeaderPen, &S::SetHeaderPen);
  p.Property("Height", &S::Height, &S::SetHeight);
  p.Property("HighlightFont", &S::HighlightFont, &S::SetHighlightFont);
  p.Property("KeySupport", &S::KeySupport, &S::SetKeySupport).Default(true);
  p.Property("Layout", &S::Layout, &S::SetLayout).Default(glGlyphLeft);
  p.Property("LargeWidth", &S::LargeWidth, &S::SetLargeWidth);
  p.Property("LargeHeight", &S::LargeHeight, &S::SetLargeHeight);
  p.Property("SmallHeight", &S::SmallHeight, &S::SetSmallHeight);
  p.Property("PicLabDistance", &S::PicLabDistance, &S::SetPicLabDistance);
  p.Property("StatusButton", &S::StatusButton, &S::SetStatusButton);
  p.Property("XPColors", &S::XPColors, &S::SetXPColors);
}

void TnbBarSettings::Assign(TPersistent* source) {
  auto* o = dynamic_cast<TnbBarSettings*>(source);
  if (o == nullptr) return TnbLookObject::Assign(source);
  {
    // One notice for the whole copy instead of one per nested object.
    auto quiet = ScopedRestore(OnChangeParameter);
    OnChangeParameter = nullptr;
    alignment_ = o->alignment_;
    for (size_t i = 0; i < backgrounds_.size(); ++i) backgrounds_[i]->Assign(o->backgrounds_[i].get());
    buttonFont_->Assign(o->buttonFont_.get());
    buttonHighlightFont_->Assign(o->buttonHighlightFont_.get());
    font_->Assign(o->font_.get());
    highlightFont_->Assign(o->highlightFont_.get());
    buttonStyle_ = o->buttonStyle_;
    buttonView_ = o->buttonView_;
    captionStyle_ = o->captionStyle_;
    captionPen_->Assign(o->captionPen_.get());
    headerPen_->Assign(o->headerPen_.get());
    color_ = o->color_;
    distance_ = o->distance_;
    explorerAddOn_ = o->explorerAddOn_;
    glyphTop_ = o->glyphTop_;
    height_ = o->height_;
    layout_ = o->layout_;
    largeWidth_ = o->largeWidth_;
    largeHeight_ = o->largeHeight_;
    smallHeight_ = o->smallHeight_;
    picLabDistance_ = o->picLabDistance_;
    statusButton_->Assign(o->statusButton_.get());
    xpColors_->Assign(o->xpColors_.get());
  }
  Change();
}
