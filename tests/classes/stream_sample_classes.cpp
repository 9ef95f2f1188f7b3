#include "stream_sample_classes.h"

#include <algorithm>

namespace stream_samples {

namespace {

// Identifiers of the well-known values of colour and charset properties.
TIdentMap MakeIdents(std::vector<std::pair<const char*, int>> table) {
  return {[table](std::string_view ident, int64_t& value) {
            for (const auto& [name, v] : table) {
              if (SameText(ident, name)) { value = v; return true; }
            }
            return false;
          },
          [table](int64_t value, String& ident) {
            for (const auto& [name, v] : table) {
              if (v == value) { ident = name; return true; }
            }
            return false;
          }};
}

const TIdentMap kColors = MakeIdents(
    {{"clWindow", clWindow}, {"clWindowText", clWindowText}, {"clBtnFace", clBtnFace}});
const TIdentMap kCharsets =
    MakeIdents({{"DEFAULT_CHARSET", DEFAULT_CHARSET}, {"GB2312_CHARSET", GB2312_CHARSET}});

}  // namespace

void TSampleFont::Publish() {
  TPublisher<TSampleFont> p;
  p.Property("Charset", &TSampleFont::Charset, &TSampleFont::SetCharset).Default(DEFAULT_CHARSET).Idents(&kCharsets);
  p.Property("Color", &TSampleFont::Color, &TSampleFont::SetColor).Default(clWindowText).Idents(&kColors);
  p.Property("Height", &TSampleFont::Height, &TSampleFont::SetHeight).Default(-11);
  p.Property("Name", &TSampleFont::Name, &TSampleFont::SetName).Default(String("Tahoma"));
  p.Property("Style", &TSampleFont::Style, &TSampleFont::SetStyle).Default(Set<TSampleFontStyle>{});
}

void TSampleColumnTitle::Publish() {
  TPublisher<TSampleColumnTitle> p;
  p.Property("Caption", &TSampleColumnTitle::Caption, &TSampleColumnTitle::SetCaption);
}

void TSampleColumn::Publish() {
  TPublisher<TSampleColumn> p;
  p.Property("FieldName", &TSampleColumn::FieldName, &TSampleColumn::SetFieldName);
  p.Property("Width", &TSampleColumn::Width, &TSampleColumn::SetWidth).Default(64);
  p.Property("Title", &TSampleColumn::Title);
  p.Property("Control", &TSampleColumn::Control, &TSampleColumn::SetControl);
}

TSampleControl::~TSampleControl() {
  SetParent(nullptr);
  for (TSampleControl* child : children_) child->parent_ = nullptr;
}

void TSampleControl::Publish() {
  TPublisher<TSampleControl> p;
  p.Property("Left", &TSampleControl::Left, &TSampleControl::SetLeft).Default(0);
  p.Property("Top", &TSampleControl::Top, &TSampleControl::SetTop).Default(0);
  p.Property("Width", &TSampleControl::Width, &TSampleControl::SetWidth).Default(0);
  p.Property("Height", &TSampleControl::Height, &TSampleControl::SetHeight).Default(0);
  p.Property("Tag", &TSampleControl::SampleTag, &TSampleControl::SetSampleTag).Default(int64_t{0});
  p.Property("Partner", &TSampleControl::Partner, &TSampleControl::SetPartner);
  p.Event("OnResize", &TSampleControl::OnResize);
}

void TSampleControl::SetPartner(TSampleControl* v) {
  if (partner_ != nullptr) partner_->RemoveFreeNotification(this);
  partner_ = v;
  if (partner_ != nullptr) partner_->FreeNotification(this);
}

void TSampleControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == partner_) partner_ = nullptr;
}

void TSampleControl::SetParent(TSampleControl* parent) {
  if (parent_ != nullptr) std::erase(parent_->children_, this);
  parent_ = parent;
  if (parent_ != nullptr) parent_->children_.push_back(this);
}

void TSampleControl::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (TSampleControl* child : children_) proc(child);
}

void TSampleControl::SetChildOrder(TComponent* child, int order) {
  auto it = std::find(children_.begin(), children_.end(), child);
  if (it == children_.end()) return;
  children_.erase(it);
  children_.insert(children_.begin() + std::clamp<int>(order, 0, static_cast<int>(children_.size())),
                   static_cast<TSampleControl*>(child));
}

void TSampleControl::SetParentComponent(TComponent* parent) {
  SetParent(dynamic_cast<TSampleControl*>(parent));
}

void TSampleControl::Loaded() {
  TComponent::Loaded();
  ++loadedCalls;
  loadedWhileReading = ComponentState().Contains(csReading);
  partnerAtLoaded = partner_;
  if (failInLoaded) throw EComponentError("Loaded failed on purpose");
}

void TSampleChild::DefineProperties(TFiler& filer) {
  TSampleControl::DefineProperties(filer);
  filer.DefineProperty(
      "Notes", [this](TReader& r) { notes = r.ReadString(); },
      [this](TWriter& w) { w.WriteString(notes); }, !notes.empty());
}

TSamplePanel::TSamplePanel(TComponent* owner)
    : TSampleControl(owner),
      columns_(std::make_unique<TOwnedCollection>(this, TCollectionItemClass::Of<TSampleColumn>())) {}

void TSamplePanel::Publish() {
  TPublisher<TSamplePanel> p;
  p.Redeclare("Left").NoDefault();
  p.Redeclare("Top").NoDefault();
  p.Property("Caption", &TSamplePanel::Caption, &TSamplePanel::SetCaption);
  p.Property("Hint", &TSamplePanel::Hint, &TSamplePanel::SetHint);
  p.Property("Color", &TSamplePanel::Color, &TSamplePanel::SetColor).Default(clBtnFace).Idents(&kColors);
  p.Property("Font", &TSamplePanel::Font);
  p.Property("Scale", &TSamplePanel::Scale, &TSamplePanel::SetScale).Default(1.0);
  p.Property("Count", &TSamplePanel::Count, &TSamplePanel::SetCount).Default(0);
  p.Property("Large", &TSamplePanel::Large, &TSamplePanel::SetLarge).Default(0);
  p.Property("Huge", &TSamplePanel::Huge, &TSamplePanel::SetHuge).Default(int64_t{0});
  p.Property("Small", &TSamplePanel::Small, &TSamplePanel::SetSmall).Default(int8_t{0});
  p.Property("Tags", &TSamplePanel::Tags, &TSamplePanel::SetTags).Default(Set<TSampleTag>{stRed});
  p.Property("Flags", &TSamplePanel::Flags, &TSamplePanel::SetFlags).Default(Set<TSampleFlag>{});
  p.Property("Checked", &TSamplePanel::Checked, &TSamplePanel::SetChecked).Default(false);
  p.Property("Align", &TSamplePanel::Align, &TSamplePanel::SetAlign).Default(saNone);
  p.Property("Ratio", &TSamplePanel::Ratio, &TSamplePanel::SetRatio);
  p.Property("Price", &TSamplePanel::Price, &TSamplePanel::SetPrice);
  p.Property("Stamp", &TSamplePanel::Stamp, &TSamplePanel::SetStamp).AsDateTime();
  p.Property("Lines", &TSamplePanel::Lines);
  p.Property("Columns", &TSamplePanel::Columns);
  p.Property("ChildCount", &TSamplePanel::ChildCount);
  RegisterMethod<TSamplePanel>("MainPanelResize", &TSamplePanel::MainPanelResize);
}

void TSamplePanel::DefineProperties(TFiler& filer) {
  TSampleControl::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "Picture",
      [this](TStream& s) {
        picture_.resize(static_cast<size_t>(s.Size()));
        s.ReadBuffer(picture_.data(), s.Size());
      },
      [this](TStream& s) { s.WriteBuffer(picture_.data(), static_cast<int64_t>(picture_.size())); },
      !picture_.empty());
}

}  // namespace stream_samples
