#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/classes/class_registry.h"
#include "platform/classes/component.h"
#include "platform/core/exceptions.h"
#include "tests/classes/sample_widget.h"

namespace {

class TAbstractPart : public TComponent {
  DECLARE_CLASS(TAbstractPart, TComponent)
 public:
  using TComponent::TComponent;
  virtual void Draw() = 0;
};

// A second class that calls itself TSampleWidget, for the duplicate-name rule.
namespace other {
class TSampleWidget : public TComponent {
  DECLARE_CLASS(TSampleWidget, TComponent)
 public:
  using TComponent::TComponent;
};
}  // namespace other

struct ISizable {
  static constexpr TGUID IID{"ISizable"};
  virtual ~ISizable() = default;
  virtual int Size() = 0;
};

class TSizedPart : public TComponent, public ISizable {
  DECLARE_CLASS(TSizedPart, TComponent)
 public:
  using TComponent::TComponent;
  int Size() override { return 12; }
  bool GetInterface(const TGUID& iid, void*& obj) override {
    if (iid == ISizable::IID) {
      obj = static_cast<ISizable*>(this);
      return true;
    }
    return TComponent::GetInterface(iid, obj);
  }
};

TEST(ClassRegistry, ClassNamesAndParentWalk) {
  TSampleWidget widget(nullptr);
  EXPECT_EQ(widget.ClassName(), "TSampleWidget");
  EXPECT_EQ(widget.ClassParent(), TComponent::StaticClass());
  EXPECT_TRUE(widget.InheritsFrom(TPersistent::StaticClass()));
  EXPECT_TRUE(widget.InheritsFrom("tcomponent"));
  EXPECT_TRUE(widget.InheritsFrom("TObject"));
  EXPECT_FALSE(widget.InheritsFrom(TCollection::StaticClass()));
  EXPECT_FALSE(TComponent::StaticClass()->InheritsFrom(TSampleWidget::StaticClass()));
  EXPECT_EQ(TObject::StaticClass()->ClassParent(), nullptr);
  EXPECT_TRUE(widget.ClassNameIs("TSAMPLEWIDGET"));
}

TEST(ClassRegistry, CreatesRegisteredClassesByNameWithAnOwner) {
  TClassRegistration registration({TSampleWidget::StaticClass()});
  EXPECT_EQ(FindClass("tsamplewidget"), TSampleWidget::StaticClass());
  TComponent owner(nullptr);
  TComponent* made = CreateComponent(FindClass("TSampleWidget"), &owner);
  ASSERT_NE(dynamic_cast<TSampleWidget*>(made), nullptr);
  EXPECT_EQ(made->Owner(), &owner);
  EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST(ClassRegistry, UnknownAndUnregisteredClassesAreNotFound) {
  EXPECT_EQ(GetClass("TNoSuchThing"), nullptr);
  try {
    FindClass("TNoSuchThing");
    FAIL() << "found a class never registered";
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class TNoSuchThing not found");
  }
  {
    TClassRegistration registration({TSampleWidget::StaticClass()});
    EXPECT_NE(GetClass("TSampleWidget"), nullptr);
  }
  EXPECT_EQ(GetClass("TSampleWidget"), nullptr);
}

TEST(ClassRegistry, ASecondClassWithTheSameNameIsRejected) {
  TClassRegistration registration({TSampleWidget::StaticClass()});
  RegisterClass(TSampleWidget::StaticClass());  // the same class again is fine
  auto all = RegisteredClasses();
  EXPECT_EQ(std::count(all.begin(), all.end(), TSampleWidget::StaticClass()), 1);
  try {
    RegisterClass(other::TSampleWidget::StaticClass());
    FAIL() << "two classes under one name";
  } catch (const EFilerError& e) {
    EXPECT_STREQ(e.what(), "A class named TSampleWidget already exists");
  }
  EXPECT_EQ(GetClass("TSampleWidget"), TSampleWidget::StaticClass());
}

TEST(ClassRegistry, ARegistrationThatFailsUndoesWhatItRegistered) {
  TClassRegistration held({TSampleWidget::StaticClass()});
  EXPECT_THROW(TClassRegistration({TSizedPart::StaticClass(), other::TSampleWidget::StaticClass()}),
               EFilerError);
  EXPECT_EQ(GetClass("TSizedPart"), nullptr);
  EXPECT_EQ(GetClass("TSampleWidget"), TSampleWidget::StaticClass());
}

TEST(ClassRegistry, AbstractAndNonComponentClassesAreNotCreatedAsComponents) {
  EXPECT_FALSE(TAbstractPart::StaticClass()->CanCreate());
  EXPECT_THROW(CreateComponent(TAbstractPart::StaticClass(), nullptr), EInvalidOperation);
  EXPECT_THROW(CreateComponent(TWidgetFont::StaticClass(), nullptr), EInvalidCast);
  EXPECT_TRUE(TWidgetFont::StaticClass()->CanCreate());
  std::unique_ptr<TObject> font(TWidgetFont::StaticClass()->Create(nullptr));
  EXPECT_EQ(font->ClassName(), "TWidgetFont");
  EXPECT_FALSE(TCollection::StaticClass()->CanCreate());
}

TEST(Interfaces, QueryByIdWithoutReferenceCounting) {
  TSizedPart sized(nullptr);
  TComponent plain(nullptr);
  ISizable* s = Supports<ISizable>(&sized);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->Size(), 12);
  EXPECT_EQ(Supports<ISizable>(&plain), nullptr);
  EXPECT_EQ(Supports<ISizable>(nullptr), nullptr);
}

}  // namespace
