#include "tests/classes/sample_widget.h"

void TWidgetFont::Publish() {
  TPublisher<TWidgetFont> p;
  p.Property("Name", &TWidgetFont::Name, &TWidgetFont::SetName);
  p.Property("Size", &TWidgetFont::Size, &TWidgetFont::SetSize).Default(8);
}

void TWidgetFont::Assign(TPersistent* source) {
  if (auto* font = dynamic_cast<TWidgetFont*>(source)) {
    name_ = font->name_;
    size_ = font->size_;
    return;
  }
  TPersistent::Assign(source);
}

void TSampleItem::Publish() {
  TPublisher<TSampleItem> p;
  p.Property("Title", &TSampleItem::Title, &TSampleItem::SetTitle);
  p.Property("Weight", &TSampleItem::Weight, &TSampleItem::SetWeight).Default(1);
}

void TSampleItem::Assign(TPersistent* source) {
  if (auto* item = dynamic_cast<TSampleItem*>(source)) {
    title_ = item->title_;
    weight_ = item->weight_;
    return;
  }
  TCollectionItem::Assign(source);
}

TSampleWidget::TSampleWidget(TComponent* owner) : TComponent(owner) {}

TSampleWidget::~TSampleWidget() { SetBuddy(nullptr); }

void TSampleWidget::Publish() {
  TPublisher<TSampleWidget> p;
  p.Property("Count", &TSampleWidget::Count, &TSampleWidget::SetCount).Default(0);
  p.Property("Total", &TSampleWidget::Total, &TSampleWidget::SetTotal);
  p.Property("Shape", &TSampleWidget::Shape, &TSampleWidget::SetShape).Default(ssRound);
  p.Property("Options", &TSampleWidget::Options, &TSampleWidget::SetOptions)
      .Default(TSampleOptions{soBold});
  p.Property("Caption", &TSampleWidget::Caption, &TSampleWidget::SetCaption);
  p.Property("Ratio", &TSampleWidget::Ratio, &TSampleWidget::SetRatio);
  p.Property("Price", &TSampleWidget::Price, &TSampleWidget::SetPrice);
  p.Property("Enabled", &TSampleWidget::Enabled, &TSampleWidget::SetEnabled).Default(true);
  p.Property("Items", &TSampleWidget::Items, &TSampleWidget::SetItems);
  p.Property("Font", &TSampleWidget::Font, &TSampleWidget::SetFont);
  p.Property("Buddy", &TSampleWidget::Buddy, &TSampleWidget::SetBuddy);
  p.Property("Hint", &TSampleWidget::Hint, &TSampleWidget::SetHint)
      .Stored(&TSampleWidget::IsHintStored);
  p.Event("OnChange", &TSampleWidget::OnChange);
  p.Event("OnAdjust", &TSampleWidget::OnAdjust);
  RegisterMethod<TSampleWidget>("WidgetChanged", &TSampleWidget::WidgetChanged);
}

void TSampleWidget::SetBuddy(TSampleWidget* buddy) {
  if (buddy_ == buddy) return;
  if (buddy_ != nullptr) buddy_->RemoveFreeNotification(this);
  buddy_ = buddy;
  if (buddy_ != nullptr) buddy_->FreeNotification(this);
}

void TSampleWidget::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == buddy_) buddy_ = nullptr;
}

void TSampleWidget::WidgetChanged(TObject* sender) {
  ++changedCalls;
  lastSender = sender;
}
