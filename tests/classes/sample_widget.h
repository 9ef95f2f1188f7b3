#pragma once

// The worked example of the object model: a component that publishes one property of each
// kind, a nested persistent object, a reference to another component and an event. Tests of
// the registries, streaming and events build on it.

#include "platform/classes/collection.h"
#include "platform/classes/component.h"
#include "platform/classes/properties.h"
#include "platform/core/events.h"

enum TSampleShape : uint8_t { ssNone, ssRound, ssSquare };
DECLARE_ENUM_NAMES(TSampleShape, "ssNone", "ssRound", "ssSquare")

enum TSampleOption : uint8_t { soBold, soItalic, soFramed };
DECLARE_ENUM_NAMES(TSampleOption, "soBold", "soItalic", "soFramed")
using TSampleOptions = Set<TSampleOption>;

// A nested object the widget owns, copied by Assign and stored as "Font.Name", "Font.Size".
class TWidgetFont : public TPersistent {
  DECLARE_CLASS(TWidgetFont, TPersistent)
 public:
  TWidgetFont() = default;
  static void Publish();

  const String& Name() const { return name_; }
  void SetName(const String& name) { name_ = name; }
  int Size() const { return size_; }
  void SetSize(int size) { size_ = size; }
  void Assign(TPersistent* source) override;

 private:
  String name_ = "Tahoma";
  int size_ = 8;
};

// An item of the widget's collection.
class TSampleItem : public TCollectionItem {
  DECLARE_CLASS(TSampleItem, TCollectionItem)
 public:
  explicit TSampleItem(TCollection* collection) : TCollectionItem(collection) {}
  static void Publish();
  const String& Title() const { return title_; }
  void SetTitle(const String& title) {
    title_ = title;
    Changed(false);
  }
  int Weight() const { return weight_; }
  void SetWeight(int weight) {
    weight_ = weight;
    Changed(false);
  }
  void Assign(TPersistent* source) override;

 private:
  String title_;
  int weight_ = 1;
};

class TSampleWidget : public TComponent {
  DECLARE_CLASS(TSampleWidget, TComponent)
 public:
  explicit TSampleWidget(TComponent* owner);
  ~TSampleWidget() override;
  static void Publish();

  int Count() const { return count_; }
  void SetCount(int count) { count_ = count; }
  int64_t Total() const { return total_; }
  void SetTotal(int64_t total) { total_ = total; }
  TSampleShape Shape() const { return shape_; }
  void SetShape(TSampleShape shape) { shape_ = shape; }
  TSampleOptions Options() const { return options_; }
  void SetOptions(TSampleOptions options) { options_ = options; }
  const String& Caption() const { return caption_; }
  void SetCaption(const String& caption) { caption_ = caption; }
  double Ratio() const { return ratio_; }
  void SetRatio(double ratio) { ratio_ = ratio; }
  Currency Price() const { return price_; }
  void SetPrice(Currency price) { price_ = price; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  TOwnedCollection* Items() const { return items_.get(); }
  void SetItems(TOwnedCollection* items) { items_->Assign(items); }
  TWidgetFont* Font() const { return font_.get(); }
  void SetFont(TWidgetFont* font) { font_->Assign(font); }
  // A reference to a component that lives elsewhere, cleared when that component goes.
  TSampleWidget* Buddy() const { return buddy_; }
  void SetBuddy(TSampleWidget* buddy);
  // Stored only when it differs from the caption.
  const String& Hint() const { return hint_; }
  void SetHint(const String& hint) { hint_ = hint; }
  bool IsHintStored() const { return hint_ != caption_; }

  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnChange;
  TEvent<void(TObject* Sender, int& Value)> OnAdjust;

  // A handler a root publishes for streamed events to bind to.
  void WidgetChanged(TObject* sender);
  int changedCalls = 0;
  TObject* lastSender = nullptr;

 private:
  int count_ = 0;
  int64_t total_ = 0;
  TSampleShape shape_ = ssRound;
  TSampleOptions options_{soBold};
  String caption_;
  double ratio_ = 0;
  Currency price_;
  bool enabled_ = true;
  std::unique_ptr<TWidgetFont> font_ = std::make_unique<TWidgetFont>();
  std::unique_ptr<TOwnedCollection> items_ =
      std::make_unique<TOwnedCollection>(this, TCollectionItemClass::Of<TSampleItem>());
  TSampleWidget* buddy_ = nullptr;
  String hint_;
};
