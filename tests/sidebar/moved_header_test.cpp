#include <gtest/gtest.h>

#include <functional>

#include "platform/controls/actions.h"
#include "platform/controls/menus.h"
#include "platform/core/streams.h"
#include "platform/windows/messages.h"
#include "tests/sidebar/sidebar_fixture.h"

// A header that moves from one bar into another takes along everything it points at (image
// lists, pop-up menus of its own and of its buttons), a name the new bar can store, and no
// second selection; a header or button kept outside every bar for a while lets go of what is
// freed meanwhile.

namespace {

class MovedHeaderTest : public SidebarTest {
 protected:
  void SetUp() override {
    SidebarTest::SetUp();
    bar_->SetHeaderScrollType(stNone);
  }

  // A header "Moved" with three buttons in a bar of its own beside the bar under test.
  TnbHeader* HeaderOfAnotherBar() {
    source_ = new TnbSideBar(form_);
    source_->SetParent(form_);
    source_->SetAlign(alNone);
    source_->SetBoundsRect(Bounds(200, 0, 150, 300));
    TnbHeader* h = source_->Headers()->Add();
    h->SetCaption("Moved");
    for (int i = 1; i <= 3; ++i) h->Buttons()->Add()->SetCaption("Moved " + std::to_string(i));
    return h;
  }

  // Moves the header into the bar under test, frees the bar it came from and shows the header.
  void MoveAndFreeTheOtherBar(TnbHeader* h) {
    h->SetCollection(bar_->Headers());
    delete source_;
    source_ = nullptr;
    bar_->SetActiveHeader(h);
    Layout();
  }

  void RightClick(TPoint p) {
    Move(p);
    bar_->Perform(WM_CONTEXTMENU, 0, PointToLParam(bar_->ClientToScreen(p)));
  }

  // Gives the bar under test a menu of its own; barMenuShown_ counts its showings.
  void CountTheBarsMenu() {
    auto* barMenu = new TPopupMenu(form_);
    barMenu->OnPopup.Bind(form_, "BarMenuPopup", [this](TObject*) { ++barMenuShown_; });
    bar_->SetPopupMenu(barMenu);
  }

  // An image list of one square, owned elsewhere than on the bars' form, as a data module's.
  TImageList* ImagesElsewhere(TColor colour) {
    auto* list = new TImageList(16, 16, elsewhere_.get());
    TBitmap picture;
    picture.SetSize(16, 16);
    picture.Canvas()->Brush()->SetColor(colour);
    picture.Canvas()->FillRect(Rect(0, 0, 16, 16));
    list->Add(&picture, nullptr);
    return list;
  }

  std::unique_ptr<TComponent> elsewhere_ = std::make_unique<TComponent>(nullptr);
  TnbSideBar* source_ = nullptr;
  int barMenuShown_ = 0;
};

// What is taken out of every bar: a header out of its bar, or a button out of its header.
enum class TakenOut { Header, Button };

void TakeOut(TakenOut what, TnbHeader* h, TnbButton* b) {
  if (what == TakenOut::Header) h->SetCollection(nullptr);
  else b->SetCollection(nullptr);
}

using Slot = TnbButtonImages::Slot;
constexpr Slot kSlots[] = {TnbButtonImages::Normal_,   TnbButtonImages::Hot_,      TnbButtonImages::Small_,
                           TnbButtonImages::HotSmall_, TnbButtonImages::Disabled_, TnbButtonImages::DisabledSmall_};

}  // namespace

// Every image list a moved header holds is let go of when the list is freed, also after the
// bar it came from is gone; a list given to it later is watched by its new bar.
TEST_F(MovedHeaderTest, TheImageListsOfAMovedHeaderAreWatchedByItsNewBar) {
  for (Slot slot : kSlots) {
    SCOPED_TRACE(static_cast<int>(slot));
    TnbHeader* h = HeaderOfAnotherBar();
    TImageList* before = ImagesElsewhere(clRed);
    h->Images()->SetList(slot, before);
    h->GetButton(0)->SetImageIndex(0);
    MoveAndFreeTheOtherBar(h);
    delete before;
    EXPECT_EQ(h->Images()->List(slot), nullptr);
    TImageList* after = ImagesElsewhere(clBlue);
    h->Images()->SetList(slot, after);
    delete after;
    EXPECT_EQ(h->Images()->List(slot), nullptr);
    Layout();
    auto bmp = Paint();
    bar_->Clear();
  }
}

// Image lists copied from a header or from the header images of another bar are watched by the
// bar that holds the copy, and lists it is given later too, once the other bar is gone.
TEST_F(MovedHeaderTest, ImageListsCopiedFromAnotherBarAreWatchedByTheCopysBar) {
  TnbHeader* original = HeaderOfAnotherBar();
  TImageList* list = ImagesElsewhere(clRed);
  original->Images()->SetNormal(list);
  source_->HeaderImages()->SetNormal(list);
  source_->HeaderImages()->SetHot(list);
  TnbHeader* copy = bar_->Headers()->Add();
  copy->Assign(original);
  bar_->SetHeaderImages(source_->HeaderImages());
  delete source_;
  source_ = nullptr;
  delete list;
  EXPECT_EQ(copy->Images()->Normal(), nullptr);
  EXPECT_EQ(bar_->HeaderImages()->Normal(), nullptr);
  EXPECT_EQ(bar_->HeaderImages()->Hot(), nullptr);
  TImageList* later = ImagesElsewhere(clBlue);
  bar_->HeaderImages()->SetNormal(later);
  copy->Images()->SetNormal(later);
  delete later;
  EXPECT_EQ(bar_->HeaderImages()->Normal(), nullptr);
  EXPECT_EQ(copy->Images()->Normal(), nullptr);
}

// The pop-up menus of a moved header and of its buttons are let go of when they are freed
// after the bar the header came from is gone: a right click then reaches the bar's own menu.
TEST_F(MovedHeaderTest, PopUpMenusOfAMovedHeaderAndItsButtonsAreWatchedByItsNewBar) {
  struct Holder {
    const char* what;
    std::function<TComponent*(TnbHeader*)> menuOf;
    std::function<void(TnbHeader*, TComponent*)> give;
    std::function<TRect(TnbHeader*)> where;
  };
  const Holder holders[] = {
      {"the header", [](TnbHeader* h) { return h->PopupMenu(); }, [](TnbHeader* h, TComponent* m) { h->SetPopupMenu(m); },
       [](TnbHeader* h) { return h->CaptionRect(); }},
      {"a button", [](TnbHeader* h) { return h->GetButton(1)->PopupMenu(); },
       [](TnbHeader* h, TComponent* m) { h->GetButton(1)->SetPopupMenu(m); },
       [](TnbHeader* h) { return h->GetButton(1)->Rects().Button; }},
  };
  CountTheBarsMenu();
  for (const Holder& holder : holders) {
    SCOPED_TRACE(holder.what);
    TnbHeader* h = HeaderOfAnotherBar();
    auto* menu = new TPopupMenu(elsewhere_.get());
    holder.give(h, menu);
    MoveAndFreeTheOtherBar(h);
    delete menu;
    EXPECT_EQ(holder.menuOf(h), nullptr);
    barMenuShown_ = 0;
    RightClick(Centre(holder.where(h)));
    EXPECT_EQ(barMenuShown_, 1);
    bar_->Clear();
  }
}

// What a header or button points at is let go of when it is freed while the item is outside
// every bar, so the item enters a bar again without touching it: a right click on the button
// then reaches the bar's own menu, and the bar paints.
TEST_F(MovedHeaderTest, WhatAnItemOutsideEveryBarPointsAtIsLetGoOfWhenFreed) {
  struct Case {
    const char* what;
    TakenOut out;
    // Gives the header or its button a component of its own and answers it.
    std::function<TComponent*(TnbHeader*, TnbButton*)> give;
    std::function<TComponent*(TnbHeader*, TnbButton*)> held;
  };
  const auto headerMenu = [this](TnbHeader* h, TnbButton*) -> TComponent* {
    h->SetPopupMenu(new TPopupMenu(elsewhere_.get()));
    return h->PopupMenu();
  };
  const auto buttonMenu = [this](TnbHeader*, TnbButton* b) -> TComponent* {
    b->SetPopupMenu(new TPopupMenu(elsewhere_.get()));
    return b->PopupMenu();
  };
  const auto headerImages = [this](TnbHeader* h, TnbButton* b) -> TComponent* {
    h->Images()->SetNormal(ImagesElsewhere(clRed));
    b->SetImageIndex(0);
    return h->Images()->Normal();
  };
  const Case cases[] = {
      {"the header's menu", TakenOut::Header, headerMenu, [](TnbHeader* h, TnbButton*) { return h->PopupMenu(); }},
      {"a button's menu", TakenOut::Header, buttonMenu, [](TnbHeader*, TnbButton* b) { return b->PopupMenu(); }},
      {"an image list", TakenOut::Header, headerImages,
       [](TnbHeader* h, TnbButton*) -> TComponent* { return h->Images()->Normal(); }},
      {"the menu of a button taken out", TakenOut::Button, buttonMenu,
       [](TnbHeader*, TnbButton* b) { return b->PopupMenu(); }},
  };
  CountTheBarsMenu();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TnbHeader* h = AddHeader("Out", 3);
    TnbButton* b = h->GetButton(1);
    TComponent* given = c.give(h, b);
    TakeOut(c.out, h, b);
    delete given;
    EXPECT_EQ(c.held(h, b), nullptr);
    if (c.out == TakenOut::Header) h->SetCollection(bar_->Headers());
    else b->SetCollection(h->Buttons());
    bar_->SetActiveHeader(h);
    Layout();
    barMenuShown_ = 0;
    RightClick(Centre(b->Rects().Button));
    EXPECT_EQ(barMenuShown_, 1);
    auto bmp = Paint();
    bar_->Clear();
  }
}

// An item taken out of a bar that is freed afterwards reports to that bar no more: it changes,
// takes image lists and menus, outlives them and enters another bar.
TEST_F(MovedHeaderTest, AnItemOutlivesTheBarItWasTakenOutOf) {
  for (TakenOut out : {TakenOut::Header, TakenOut::Button}) {
    SCOPED_TRACE(out == TakenOut::Header ? "header" : "button");
    TnbHeader* h = HeaderOfAnotherBar();
    TnbButton* b = h->GetButton(1);
    TakeOut(out, h, b);
    delete source_;
    source_ = nullptr;
    b->SetCaption("Changed");
    b->Font()->SetColor(clRed);
    auto* menu = new TPopupMenu(elsewhere_.get());
    b->SetPopupMenu(menu);
    delete menu;
    EXPECT_EQ(b->PopupMenu(), nullptr);
    if (out == TakenOut::Header) {
      h->SetCaption("Changed");
      h->Settings()->Font()->SetColor(clRed);
      TImageList* list = ImagesElsewhere(clRed);
      h->Images()->SetNormal(list);
      delete list;
      EXPECT_EQ(h->Images()->Normal(), nullptr);
      h->SetCollection(bar_->Headers());
    } else {
      b->SetCollection(AddHeader("Own")->Buttons());
      h = b->Header();
    }
    bar_->SetActiveHeader(h);
    Layout();
    Click(b->Rects().Button);
    auto bmp = Paint();
    bar_->Clear();
  }
}

// A header entering a bar where another header has its name takes a free one, so the bar's
// layout loads again; the same for a button entering a header.
TEST_F(MovedHeaderTest, AnItemEnteringWhereItsNameIsTakenGetsAFreeName) {
  TnbHeader* own = bar_->Headers()->Add();
  own->Buttons()->Add();
  TnbHeader* h = HeaderOfAnotherBar();
  ASSERT_EQ(h->Name(), own->Name());
  h->SetCollection(bar_->Headers());
  EXPECT_NE(h->Name(), own->Name());
  TnbButton* b = h->GetButton(0);
  ASSERT_EQ(b->Name(), own->GetButton(0)->Name());
  b->SetCollection(own->Buttons());
  EXPECT_NE(b->Name(), own->GetButton(0)->Name());
  const String kept = h->Name();
  h->SetCollection(nullptr);
  h->SetCollection(bar_->Headers());
  EXPECT_EQ(h->Name(), kept) << "a name that is free stays";
  delete source_;

  TMemoryStream stream;
  bar_->SaveToStream(stream);
  auto* other = new TnbSideBar(form_);
  stream.SetPosition(0);
  EXPECT_NO_THROW(other->LoadFromStream(stream));
  ASSERT_EQ(other->HeaderCount(), 2);
  EXPECT_EQ(other->Header(1)->Name(), kept);
  EXPECT_EQ(other->Header(0)->ButtonCount(), 2);
}

// Without EachHeaderSelection a bar has one selection at most, also after a header with a
// selection of its own moves in; with it each header keeps its own.
TEST_F(MovedHeaderTest, AMovedHeaderBringsNoSecondSelection) {
  for (bool each : {false, true}) {
    SCOPED_TRACE(each);
    bar_->SetEachHeaderSelection(each);
    TnbHeader* own = AddHeader("Own", 2);
    own->SetAllowSelected(true);
    own->SetSelectedIndex(0);
    TnbHeader* h = HeaderOfAnotherBar();
    h->SetAllowSelected(true);
    h->SetSelectedIndex(1);
    h->SetCollection(bar_->Headers());
    delete source_;
    int selections = 0;
    for (int i = 0; i < bar_->HeaderCount(); ++i) selections += bar_->Header(i)->SelectedIndex() >= 0 ? 1 : 0;
    EXPECT_EQ(selections, each ? 2 : 1);
    EXPECT_EQ(own->SelectedIndex(), 0);
    bar_->Clear();
  }
}

// Every change inside a moved header, its look objects and its buttons, and the end of the
// action a button runs, reach only the bar the header is in now.
TEST_F(MovedHeaderTest, ChangesInsideAMovedHeaderReachItsNewBarOnly) {
  TnbHeader* h = HeaderOfAnotherBar();
  auto* action = new TAction(elsewhere_.get());
  h->GetButton(0)->SetAction(action);
  TImageList* list = ImagesElsewhere(clRed);
  h->Images()->SetNormal(list);
  MoveAndFreeTheOtherBar(h);
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"caption", [&] { h->SetCaption("Renamed"); }},
      {"settings font", [&] { h->Settings()->Font()->SetColor(clRed); }},
      {"settings pen", [&] { h->Settings()->HeaderPen()->SetWidth(3); }},
      {"state background gradient", [&] { h->Settings()->ButtonDown()->Gradient()->SetBeginColor(clRed); }},
      {"status button", [&] { h->Settings()->StatusButton()->SetArrowColor(clRed); }},
      {"background gradient", [&] { h->Background()->Gradient()->SetEndColor(clRed); }},
      {"glyph", [&] { h->Glyph()->SetVisible(false); }},
      {"image list", [&] {
         TBitmap more;
         more.SetSize(16, 16);
         list->Add(&more, nullptr);
       }},
      {"button font", [&] { h->GetButton(1)->Font()->SetColor(clRed); }},
      {"button highlight font", [&] { h->GetButton(1)->HighlightFont()->SetColor(clRed); }},
      {"the button's action freed", [&] { delete action; }},
  };
  for (const auto& [what, change] : changes) {
    SCOPED_TRACE(what);
    Layout();
    change();
    auto bmp = Paint();
  }
  EXPECT_EQ(h->GetButton(0)->Action(), nullptr);
  Click(h->GetButton(0)->Rects().Button);
}
