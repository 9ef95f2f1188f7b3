#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/classes/component.h"
#include "platform/core/exceptions.h"
#include "tests/classes/sample_widget.h"

namespace {

using Log = std::vector<std::string>;

// Records what happens to it: notifications it receives and its own destruction.
class TProbe : public TComponent {
  DECLARE_CLASS(TProbe, TComponent)
 public:
  TProbe(TComponent* owner, const char* name, Log* log) : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~TProbe() override { log_->push_back("~" + Name()); }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    log_->push_back(Name() + (operation == opInsert ? " +" : " -") + component->Name());
  }

 private:
  Log* log_;
};

TEST(ComponentOwnership, OwnerFreesChildrenOnceLastInsertedFirst) {
  Log log;
  auto* owner = new TProbe(nullptr, "Owner", &log);
  new TProbe(owner, "A", &log);
  new TProbe(owner, "B", &log);
  new TProbe(owner, "C", &log);
  log.clear();
  delete owner;
  // A probe logs "~" when its own destructor starts, before the component part lets go of
  // what it owns. Each child goes once, last first; the ones still there hear of it first,
  // last first.
  EXPECT_EQ(log, (Log{"~Owner", "B -C", "A -C", "~C", "A -B", "~B", "~A"}));
}

TEST(ComponentOwnership, DeletingAnOwnedComponentTakesItFromItsOwnerAndTellsSiblings) {
  Log log;
  TProbe owner(nullptr, "Owner", &log);
  auto* a = new TProbe(&owner, "A", &log);
  auto* b = new TProbe(&owner, "B", &log);
  log.clear();
  delete a;
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0), b);
  EXPECT_EQ(owner.FindComponent("A"), nullptr);
  // The owner and its other components hear of it while it is still in memory.
  EXPECT_EQ(log, (Log{"~A", "B -A", "Owner -A"}));
}

TEST(ComponentOwnership, InsertTellsOwnerAndItsComponents) {
  Log log;
  TProbe owner(nullptr, "Owner", &log);
  new TProbe(&owner, "A", &log);
  log.clear();
  TProbe* b = new TProbe(nullptr, "B", &log);
  owner.InsertComponent(b);
  EXPECT_EQ(log, (Log{"B +B", "A +B", "Owner +B"}));
  EXPECT_EQ(b->Owner(), &owner);
  EXPECT_EQ(b->ComponentIndex(), 1);
}

TEST(ComponentOwnership, InsertingIntoAnotherOwnerMovesTheComponent) {
  Log log;
  TProbe first(nullptr, "First", &log);
  TProbe second(nullptr, "Second", &log);
  auto* a = new TProbe(&first, "A", &log);
  second.InsertComponent(a);
  EXPECT_EQ(first.ComponentCount(), 0);
  EXPECT_EQ(second.ComponentCount(), 1);
  EXPECT_EQ(a->Owner(), &second);
}

TEST(ComponentOwnership, RemoveComponentGivesUpOwnershipWithoutFreeing) {
  TComponent owner(nullptr);
  auto child = std::make_unique<TComponent>(&owner);
  owner.RemoveComponent(child.get());
  EXPECT_EQ(child->Owner(), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(ComponentOwnership, ComponentIndexMovesAndClamps) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  auto* c = new TComponent(&owner);
  c->SetComponentIndex(0);
  EXPECT_EQ(owner.Components(0), c);
  EXPECT_EQ(owner.Components(1), a);
  a->SetComponentIndex(99);
  EXPECT_EQ(owner.Components(2), a);
  EXPECT_EQ(b->ComponentIndex(), 1);
  try {
    owner.Components(3);
    FAIL() << "no error for a bad index";
  } catch (const EListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (3)");
  }
}

TEST(FreeNotification, DestroyingAReferencedComponentClearsTheReference) {
  TComponent form1(nullptr);
  TComponent form2(nullptr);
  auto* widget = new TSampleWidget(&form1);
  auto* buddy = new TSampleWidget(&form2);
  widget->SetBuddy(buddy);
  delete buddy;
  EXPECT_EQ(widget->Buddy(), nullptr);
}

TEST(FreeNotification, DestroyingTheReferrerLeavesNoPointerBehind) {
  auto buddy = std::make_unique<TSampleWidget>(nullptr);
  auto widget = std::make_unique<TSampleWidget>(nullptr);
  widget->SetBuddy(buddy.get());
  widget.reset();
  // Under ASan a pointer left in buddy's notification list would be used here.
  buddy.reset();
  SUCCEED();
}

TEST(FreeNotification, NotificationWithoutInheritedCallStillForgetsTheDeadComponent) {
  // A receiver that does not call the inherited Notification must not keep a stale entry.
  class TForgetful : public TComponent {
   public:
    using TComponent::TComponent;
    void Notification(TComponent*, TOperation) override { ++told; }
    int told = 0;
  };
  TForgetful listener(nullptr);
  {
    TComponent source(nullptr);
    source.FreeNotification(&listener);
  }
  EXPECT_EQ(listener.told, 1);
  TComponent other(nullptr);
  other.FreeNotification(&listener);
  EXPECT_TRUE(listener.ComponentState().Contains(csFreeNotification));
}

TEST(FreeNotification, DroppingOneDirectionKeepsTheOther) {
  TSampleWidget a(nullptr);
  TSampleWidget b(nullptr);
  auto* c = new TSampleWidget(nullptr);
  a.SetBuddy(c);
  c->SetBuddy(&a);
  c->SetBuddy(&b);  // c stops watching a; a still watches c
  delete c;
  EXPECT_EQ(a.Buddy(), nullptr);
}

TEST(FreeNotification, AComponentMovedToAnotherOwnerIsStillWatched) {
  Log log;
  TProbe first(nullptr, "First", &log);
  TProbe second(nullptr, "Second", &log);
  auto* watcher = new TProbe(&first, "Watcher", &log);
  auto* moving = new TProbe(&first, "Moving", &log);
  moving->FreeNotification(watcher);
  second.InsertComponent(moving);  // first's components hear opRemove, yet it lives on
  log.clear();
  delete moving;
  EXPECT_EQ(log, (Log{"~Moving", "Watcher -Moving", "Second -Moving"}));
}

TEST(FreeNotification, SiblingsHearOfEachOtherWhenTheOwnerGoes) {
  auto* owner = new TComponent(nullptr);
  auto* widget = new TSampleWidget(owner);
  auto* buddy = new TSampleWidget(owner);
  widget->SetBuddy(buddy);
  buddy->SetBuddy(widget);
  delete owner;  // ASan reports any use of a freed buddy
  SUCCEED();
}

TEST(FreeNotification, RemoveFreeNotificationStopsTheNotice) {
  Log log;
  TProbe listener(nullptr, "Listener", &log);
  {
    TProbe source(nullptr, "Source", &log);
    source.FreeNotification(&listener);
    source.RemoveFreeNotification(&listener);
    log.clear();
  }
  EXPECT_EQ(log, (Log{"~Source"}));
}

// Live widgets of a random tree: every buddy must be one of them, whatever goes first.
class RandomTree {
 public:
  explicit RandomTree(unsigned start) : rng_(start) {
    for (int i = 0; i < 40; ++i) {
      TComponent* owner = live_.empty() || Pick(3) == 0 ? nullptr : live_[Pick(live_.size())];
      auto* w = new TSampleWidget(owner);
      if (owner == nullptr) roots_.push_back(w);
      live_.push_back(w);
    }
    for (TSampleWidget* w : live_) w->SetBuddy(live_[Pick(live_.size())]);
  }
  ~RandomTree() {
    for (TSampleWidget* root : roots_) delete root;
  }
  void DeleteOneAndCheck() {
    TSampleWidget* victim = live_[Pick(live_.size())];
    auto it = std::find(roots_.begin(), roots_.end(), victim);
    if (it != roots_.end()) roots_.erase(it);
    Forget(victim);
    delete victim;
    for (TSampleWidget* w : live_)
      EXPECT_TRUE(w->Buddy() == nullptr || IsLive(w->Buddy()));
  }
  bool Empty() const { return live_.empty(); }

 private:
  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }
  bool IsLive(TComponent* c) const {
    return std::find(live_.begin(), live_.end(), c) != live_.end();
  }
  // The victim and everything it owns leave the live set.
  void Forget(TComponent* c) {
    for (int i = 0; i < c->ComponentCount(); ++i) Forget(c->Components(i));
    live_.erase(std::find(live_.begin(), live_.end(), c));
  }
  std::mt19937 rng_;
  std::vector<TSampleWidget*> live_;
  std::vector<TSampleWidget*> roots_;
};

TEST(FreeNotification, RandomTreesNeverKeepAPointerToAFreedComponent) {
  for (unsigned start = 1; start <= 20; ++start) {
    RandomTree tree(start);
    for (int i = 0; i < 10 && !tree.Empty(); ++i) tree.DeleteOneAndCheck();
  }
}

TEST(ComponentNames, RejectsInvalidIdentifiers) {
  TComponent c(nullptr);
  for (const char* bad : {"1abc", "a b", "a-b", "名字", "a.b"}) {
    try {
      c.SetName(bad);
      FAIL() << bad << " accepted";
    } catch (const EComponentError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("Component name \"") + bad +
                                           "\" is not a valid identifier");
    }
  }
  c.SetName("_Good1");
  EXPECT_EQ(c.Name(), "_Good1");
  c.SetName("");
  EXPECT_EQ(c.Name(), "");
}

TEST(ComponentNames, NamesAreUniqueAmongTheOwnersComponentsIgnoringCase) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Button1");
  try {
    b->SetName("BUTTON1");
    FAIL() << "duplicate accepted";
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "A component named BUTTON1 already exists");
  }
  EXPECT_EQ(b->Name(), "");
  a->SetName("button1");  // its own name in another case
  EXPECT_EQ(owner.FindComponent("BUTTON1"), a);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  TComponent free(nullptr);
  free.SetName("Button1");  // no owner, nothing to clash with
}

TEST(ComponentNames, InsertingADuplicateNameFailsAndLeavesTheComponentWhereItWas) {
  TComponent first(nullptr);
  TComponent second(nullptr);
  (new TComponent(&second))->SetName("Edit1");
  auto* moving = new TComponent(&first);
  moving->SetName("edit1");
  EXPECT_THROW(second.InsertComponent(moving), EComponentError);
  EXPECT_EQ(moving->Owner(), &first);
  EXPECT_EQ(second.ComponentCount(), 1);
}

TEST(ComponentState, LoadedClearsLoadingAndScopesRestoreFlags) {
  TComponent c(nullptr);
  c.SetLoading(true);
  c.Loaded();
  EXPECT_FALSE(c.ComponentState().Contains(csLoading));
  try {
    TComponentStateScope reading(&c, csReading);
    EXPECT_TRUE(c.ComponentState().Contains(csReading));
    throw std::runtime_error("bad stream");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(c.ComponentState().Contains(csReading));
  c.SetWriting(true);
  { TComponentStateScope writing(&c, csWriting); }
  EXPECT_TRUE(c.ComponentState().Contains(csWriting));  // was set before the scope
}

TEST(ComponentState, DesigningAndDestroyingReachOwnedComponents) {
  TComponent owner(nullptr);
  auto* child = new TComponent(&owner);
  owner.SetDesigning(true);
  EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
  auto* late = new TComponent(&owner);
  EXPECT_TRUE(late->ComponentState().Contains(csDesigning));
  owner.Destroying();
  EXPECT_TRUE(child->ComponentState().Contains(csDestroying));
}

TEST(ComponentNames, NamePathIsTheName) {
  TComponent c(nullptr);
  c.SetName("Form1");
  EXPECT_EQ(c.GetNamePath(), "Form1");
}

}  // namespace
