#pragma once

// Components the stream tests read and write: a panel and a child control with the
// properties the foreign sample layout uses, plus a few more kinds for round trips.
#include <memory>
#include <vector>

#include "platform/classes/class_registry.h"
#include "platform/classes/collection.h"
#include "platform/classes/component.h"
#include "platform/classes/enum_info.h"
#include "platform/classes/filer.h"
#include "platform/classes/properties.h"
#include "platform/core/events.h"
#include "platform/core/string_list.h"

namespace stream_samples {

enum TSampleFontStyle : uint8_t { fsBold, fsItalic, fsUnderline };
DECLARE_ENUM_NAMES(TSampleFontStyle, "fsBold", "fsItalic", "fsUnderline")
enum TSampleFlag : uint8_t { sfOne, sfTwo, sfThree, sfFour };
DECLARE_ENUM_NAMES(TSampleFlag, "sfOne", "sfTwo", "sfThree", "sfFour")
enum TSampleTag : uint8_t { stRed, stGreen, stBlue };
DECLARE_ENUM_NAMES(TSampleTag, "stRed", "stGreen", "stBlue")
enum TSampleAlign : uint8_t { saNone, saTop, saClient };
DECLARE_ENUM_NAMES(TSampleAlign, "saNone", "saTop", "saClient")

constexpr int clWindow = static_cast<int>(0xFF000005);
constexpr int clWindowText = static_cast<int>(0xFF000008);
constexpr int clBtnFace = static_cast<int>(0xFF00000F);
constexpr int DEFAULT_CHARSET = 1;
constexpr int GB2312_CHARSET = 134;

class TSampleFont : public TPersistent {
  DECLARE_CLASS(TSampleFont, TPersistent)
 public:
  static void Publish();
  int Charset() const { return charset_; }
  void SetCharset(int v) { charset_ = v; }
  int Color() const { return color_; }
  void SetColor(int v) { color_ = v; }
  int Height() const { return height_; }
  void SetHeight(int v) { height_ = v; }
  String Name() const { return name_; }
  void SetName(String v) { name_ = std::move(v); }
  Set<TSampleFontStyle> Style() const { return style_; }
  void SetStyle(Set<TSampleFontStyle> v) { style_ = v; }

 private:
  int charset_ = DEFAULT_CHARSET;
  int color_ = clWindowText;
  int height_ = -11;
  String name_ = "Tahoma";
  Set<TSampleFontStyle> style_;
};

class TSampleColumnTitle : public TPersistent {
  DECLARE_CLASS(TSampleColumnTitle, TPersistent)
 public:
  static void Publish();
  String Caption() const { return caption_; }
  void SetCaption(String v) { caption_ = std::move(v); }

 private:
  String caption_;
};

class TSampleColumn : public TCollectionItem {
  DECLARE_CLASS(TSampleColumn, TCollectionItem)
 public:
  explicit TSampleColumn(TCollection* c) : TCollectionItem(c) {}
  static void Publish();
  String FieldName() const { return fieldName_; }
  void SetFieldName(String v) { fieldName_ = std::move(v); }
  int Width() const { return width_; }
  void SetWidth(int v) { width_ = v; }
  TSampleColumnTitle* Title() const { return title_.get(); }
  // A reference the tests set only while the control lives.
  TComponent* Control() const { return control_; }
  void SetControl(TComponent* v) { control_ = v; }

 private:
  String fieldName_;
  TComponent* control_ = nullptr;
  int width_ = 64;
  std::unique_ptr<TSampleColumnTitle> title_ = std::make_unique<TSampleColumnTitle>();
};

// A control of the samples' window tree: owned by the root, shown inside its parent.
class TSampleControl : public TComponent {
  DECLARE_CLASS(TSampleControl, TComponent)
 public:
  explicit TSampleControl(TComponent* owner) : TComponent(owner) {}
  ~TSampleControl() override;
  static void Publish();

  int Left() const { return left_; }
  void SetLeft(int v) {
    left_ = v;
    stateWhenLeftSet = ComponentState();
  }
  int Top() const { return top_; }
  void SetTop(int v) { top_ = v; }
  int Width() const { return width_; }
  void SetWidth(int v) { width_ = v; }
  int Height() const { return height_; }
  void SetHeight(int v) { height_ = v; }
  int64_t SampleTag() const { return Tag(); }
  void SetSampleTag(int64_t v) { SetTag(static_cast<intptr_t>(v)); }
  TSampleControl* Partner() const { return partner_; }
  void SetPartner(TSampleControl* v);
  TNotifyEvent OnResize;

  TSampleControl* Parent() const { return parent_; }
  void SetParent(TSampleControl* parent);
  const std::vector<TSampleControl*>& Children() const { return children_; }

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetChildOrder(TComponent* child, int order) override;
  TComponent* GetParentComponent() override { return parent_; }
  bool HasParent() override { return true; }
  void SetParentComponent(TComponent* parent) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  // What Loaded saw: it runs after references are fixed up and reading has ended.
  TComponentState stateWhenLeftSet;
  int loadedCalls = 0;
  bool loadedWhileReading = false;
  TSampleControl* partnerAtLoaded = nullptr;
  static inline bool failInLoaded = false;

 private:
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TSampleControl* partner_ = nullptr;
  TSampleControl* parent_ = nullptr;
  std::vector<TSampleControl*> children_;
};

class TSampleChild : public TSampleControl {
  DECLARE_CLASS(TSampleChild, TSampleControl)
 public:
  using TSampleControl::TSampleControl;
  // Stored beside the published properties, through DefineProperty.
  void DefineProperties(TFiler& filer) override;
  String notes;
};

class TSamplePanel : public TSampleControl {
  DECLARE_CLASS(TSamplePanel, TSampleControl)
 public:
  explicit TSamplePanel(TComponent* owner);
  static void Publish();

  String Caption() const { return caption_; }
  void SetCaption(String v) { caption_ = std::move(v); }
  String Hint() const { return hint_; }
  void SetHint(String v) { hint_ = std::move(v); }
  int Color() const { return color_; }
  void SetColor(int v) { color_ = v; }
  TSampleFont* Font() const { return font_.get(); }
  double Scale() const { return scale_; }
  void SetScale(double v) { scale_ = v; }
  int Count() const { return count_; }
  void SetCount(int v) { count_ = v; }
  int Large() const { return large_; }
  void SetLarge(int v) { large_ = v; }
  int64_t Huge() const { return huge_; }
  void SetHuge(int64_t v) { huge_ = v; }
  int8_t Small() const { return small_; }
  void SetSmall(int8_t v) { small_ = v; }
  Set<TSampleTag> Tags() const { return tags_; }
  void SetTags(Set<TSampleTag> v) { tags_ = v; }
  Set<TSampleFlag> Flags() const { return flags_; }
  void SetFlags(Set<TSampleFlag> v) { flags_ = v; }
  bool Checked() const { return checked_; }
  void SetChecked(bool v) { checked_ = v; }
  TSampleAlign Align() const { return align_; }
  void SetAlign(TSampleAlign v) { align_ = v; }
  float Ratio() const { return ratio_; }
  void SetRatio(float v) { ratio_ = v; }
  Currency Price() const { return price_; }
  void SetPrice(Currency v) { price_ = v; }
  TDateTime Stamp() const { return stamp_; }
  void SetStamp(TDateTime v) { stamp_ = v; }
  TStringList* Lines() const { return lines_.get(); }
  TOwnedCollection* Columns() const { return columns_.get(); }
  std::vector<uint8_t>& Picture() { return picture_; }
  // Shown but not stored: it has no setter.
  int ChildCount() const { return static_cast<int>(Children().size()); }

  void DefineProperties(TFiler& filer) override;
  void MainPanelResize(TObject* sender) { resizedBy = sender; }
  TObject* resizedBy = nullptr;

 private:
  String caption_, hint_;
  int color_ = clBtnFace;
  std::unique_ptr<TSampleFont> font_ = std::make_unique<TSampleFont>();
  double scale_ = 1.0;
  int count_ = 0, large_ = 0;
  int64_t huge_ = 0;
  int8_t small_ = 0;
  Set<TSampleTag> tags_{stRed};
  Set<TSampleFlag> flags_;
  bool checked_ = false;
  TSampleAlign align_ = saNone;
  float ratio_ = 0;
  Currency price_;
  TDateTime stamp_ = 0;
  std::unique_ptr<TStringList> lines_ = std::make_unique<TStringList>();
  std::unique_ptr<TOwnedCollection> columns_;
  std::vector<uint8_t> picture_;
};

// Registers the sample classes for the life of a test.
class SampleClassesFixture {
 public:
  TClassRegistration registration{TSamplePanel::StaticClass(), TSampleChild::StaticClass(),
                                  TSampleControl::StaticClass()};
};

}  // namespace stream_samples
