#include <gtest/gtest.h>

#include "platform/core/events.h"
#include "platform/core/exceptions.h"
#include "tests/classes/sample_widget.h"

namespace {

// A root with handlers of its own, one registered with a signature the events do not have.
class TSampleForm : public TComponent {
  DECLARE_CLASS(TSampleForm, TComponent)
 public:
  explicit TSampleForm(TComponent* owner) : TComponent(owner) {}
  static void Publish() {
    RegisterMethod<TSampleForm>("Button1Click", &TSampleForm::Button1Click);
    RegisterMethod<TSampleForm>("Doubler", &TSampleForm::Doubler);
    RegisterMethod<TSampleForm>("Counted", &TSampleForm::Counted);
  }
  void Button1Click(TObject* sender) {
    ++clicks;
    lastSender = sender;
  }
  void Doubler(TObject*, int& value) { value *= 2; }
  int Counted() const { return clicks; }
  int clicks = 0;
  TObject* lastSender = nullptr;
};

// A descendant root finds the methods its parent class registered.
class TDerivedForm : public TSampleForm {
  DECLARE_CLASS(TDerivedForm, TSampleForm)
 public:
  using TSampleForm::TSampleForm;
};

TEST(Events, UnassignedEventsAreSkippedByCallAndRaiseWhenInvoked) {
  TNotifyEvent ev;
  EXPECT_FALSE(ev);
  EXPECT_NO_THROW(ev.Call(nullptr));
  EXPECT_THROW(ev(nullptr), EInvalidOperation);
  TEvent<int(int)> withResult;
  EXPECT_EQ(withResult.Call(5), 0);
}

TEST(Events, BindsMemberFunctionsWithTheirNames) {
  TSampleForm form(nullptr);
  TSampleWidget widget(&form);
  widget.OnChange.Bind(&form, "Button1Click", &TSampleForm::Button1Click);
  ASSERT_TRUE(widget.OnChange);
  EXPECT_EQ(widget.OnChange.Target(), &form);
  EXPECT_EQ(widget.OnChange.MethodName(), "Button1Click");
  widget.OnChange(&widget);
  EXPECT_EQ(form.clicks, 1);
  EXPECT_EQ(form.lastSender, &widget);
}

TEST(Events, VarParametersAreReferences) {
  TSampleForm form(nullptr);
  TSampleWidget widget(&form);
  widget.OnAdjust.Bind(&form, "Doubler", &TSampleForm::Doubler);
  int value = 21;
  widget.OnAdjust(&widget, value);
  EXPECT_EQ(value, 42);
}

TEST(Events, EqualWhenTargetAndMethodNameAreEqual) {
  TSampleForm form(nullptr);
  TSampleForm other(nullptr);
  TNotifyEvent a, b, c, d;
  a.Bind(&form, "Button1Click", &TSampleForm::Button1Click);
  // Another callable under the same target and name: an action link sees the same handler.
  b.Bind(&form, "button1click", [](TObject*) {});
  c.Bind(&other, "Button1Click", &TSampleForm::Button1Click);
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a == c);
  EXPECT_FALSE(a == d);
  EXPECT_TRUE(d == TNotifyEvent());
  TNotifyEvent nameless1, nameless2;
  nameless1.Bind(&form, "", [](TObject*) {});
  nameless2.Bind(&form, "", [](TObject*) {});
  EXPECT_FALSE(nameless1 == nameless2);
  EXPECT_TRUE(nameless1 == nameless1);
}

TEST(Events, AssignCopiesTargetNameAndHandler) {
  TSampleForm form(nullptr);
  TNotifyEvent a, b;
  a.Bind(&form, "Button1Click", &TSampleForm::Button1Click);
  b.Assign(a);
  EXPECT_TRUE(b == a);
  b(nullptr);
  EXPECT_EQ(form.clicks, 1);
  b = nullptr;
  EXPECT_FALSE(b);
  EXPECT_EQ(b.MethodName(), "");
  EXPECT_TRUE(a);
}

// A handler may free the object that holds the event, and so the event itself, and go on with
// what it captured (AddressSanitizer watches).
TEST(Events, AHandlerMayFreeTheObjectHoldingItsEvent) {
  int ran = 0;
  auto* widget = new TSampleWidget(nullptr);
  const String note = "freed";
  widget->OnChange.Bind(nullptr, "FreeIt", [widget, note, &ran](TObject*) {
    delete widget;
    ran += note == "freed" ? 1 : 100;
  });
  widget->OnChange.Call(widget);
  EXPECT_EQ(ran, 1);
  widget = new TSampleWidget(nullptr);
  widget->OnChange.Bind(nullptr, "FreeIt", [widget, note, &ran](TObject*) {
    delete widget;
    ran += note == "freed" ? 1 : 100;
  });
  widget->OnChange(widget);
  EXPECT_EQ(ran, 2);
}

TEST(Events, ResolveByNameAgainstTheRootsRegisteredMethods) {
  TDerivedForm form(nullptr);
  TSampleWidget widget(&form);
  TEventBase& ev = widget.OnChange;
  ev.BindByName(&form, "BUTTON1CLICK");
  ASSERT_TRUE(widget.OnChange);
  EXPECT_EQ(widget.OnChange.Target(), &form);
  widget.OnChange(&widget);
  EXPECT_EQ(form.clicks, 1);
  widget.OnAdjust.BindByName(&form, "Doubler");
  int value = 3;
  widget.OnAdjust(&widget, value);
  EXPECT_EQ(value, 6);
}

TEST(Events, UnresolvedNamesAreKeptButNotCallable) {
  TSampleForm form(nullptr);
  TSampleWidget widget(&form);
  widget.OnChange.BindByName(&form, "NoSuchHandler");
  EXPECT_FALSE(widget.OnChange);
  EXPECT_EQ(widget.OnChange.MethodName(), "NoSuchHandler");
  EXPECT_NO_THROW(widget.OnChange.Call(&widget));
  widget.OnChange.BindByName(&form, "");
  EXPECT_EQ(widget.OnChange.MethodName(), "");
}

TEST(Events, SignatureMismatchIsAnError) {
  TSampleForm form(nullptr);
  TSampleWidget widget(&form);
  try {
    widget.OnChange.BindByName(&form, "Doubler");
    FAIL() << "bound a handler of another signature";
  } catch (const EPropertyError& e) {
    EXPECT_STREQ(e.what(), "Method Doubler has an incompatible signature");
  }
  EXPECT_FALSE(widget.OnChange);
  EXPECT_EQ(widget.OnChange.MethodName(), "");
}

TEST(Events, ConstMethodsAndLookupWalkParents) {
  const TMethodEntry* entry = FindMethod(TDerivedForm::StaticClass(), "counted");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->Class(), TSampleForm::StaticClass());
  EXPECT_EQ(entry->Signature(), typeid(int()));
  EXPECT_EQ(FindMethod(TComponent::StaticClass(), "Button1Click"), nullptr);
  TDerivedForm form(nullptr);
  form.clicks = 7;
  TEvent<int()> ev;
  ev.BindByName(&form, "Counted");
  EXPECT_EQ(ev(), 7);
}

}  // namespace
