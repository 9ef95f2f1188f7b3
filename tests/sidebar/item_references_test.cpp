#include <gtest/gtest.h>

#include <functional>

#include "platform/windows/messages.h"
#include "tests/sidebar/drag_fixture.h"

// What the bar and its headers point at, the active header and the selected button, while
// headers and buttons come and go or move.

using ItemReferencesTest = SidebarTest;

namespace {

// `call` is refused with a message that says why.
void ExpectRefused(const std::function<void()>& call, const char* why) {
  try {
    call();
    ADD_FAILURE() << "accepted";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find(why), String::npos) << e.Message();
  }
}

}  // namespace

TEST_F(ItemReferencesTest, OnlyAHeaderOfTheBarItselfCanBeMadeActive) {
  TnbHeader* own = AddHeader("Own", 1);
  bar_->SetActiveHeader(own);
  auto* other = new TnbSideBar(form_);
  TnbHeader* foreign = other->Headers()->Add();
  for (TnbHeader* refused : {foreign, bar_->CloseButton()->Header()}) {
    ExpectRefused([&] { bar_->SetActiveHeader(refused); }, "not a header of this side bar");
    EXPECT_EQ(bar_->ActiveHeader(), own);
  }
  delete other;
  auto bmp = Paint();
  EXPECT_EQ(bar_->ActiveHeader(), own);
}

TEST_F(ItemReferencesTest, OnlyAButtonOfTheBarItselfCanAlert) {
  TnbButton* own = AddHeader("Own", 1)->GetButton(0);
  bar_->SetAlertButton(own);
  auto* other = new TnbSideBar(form_);
  TnbButton* foreign = other->Headers()->Add()->Buttons()->Add();
  ExpectRefused([&] { bar_->SetAlertButton(foreign); }, "not a button of this side bar");
  EXPECT_EQ(bar_->AlertButton(), own);
  delete other;
  // The blink goes on with the bar's own button (AddressSanitizer watches what it reads).
  const bool phase = own->AlertPhase();
  bar_->Perform(WM_TIMER, 5, 0);
  EXPECT_NE(own->AlertPhase(), phase);
}

TEST_F(ItemReferencesTest, AFreedHeaderImageListIsDrawnFromNoMore) {
  TImageList* list = SquareImages(16, clLime);
  bar_->HeaderImages()->SetNormal(list);
  TnbHeader* h = AddHeader("Pictured", 1);
  h->SetImageIndex(0);
  bar_->SetActiveHeader(h);
  const auto limeInCaption = [&] {
    auto bmp = Paint();
    const TRect r = h->CaptionRect();
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += At(*bmp, x, y) == clLime;
    return n;
  };
  EXPECT_EQ(limeInCaption(), 16 * 16);
  delete list;
  EXPECT_EQ(bar_->HeaderImages()->Normal(), nullptr);
  EXPECT_EQ(limeInCaption(), 0);
}

TEST_F(ItemReferencesTest, TheActiveHeaderIsLetGoOfOnEveryRemoval) {
  const std::pair<const char*, std::function<void(TnbHeader*)>> removals[] = {
      {"deleted", [](TnbHeader* h) { delete h; }},
      {"deleted by index", [this](TnbHeader* h) { bar_->DeleteHeader(h->Index()); }},
      {"cleared", [this](TnbHeader*) { bar_->Clear(); }},
      {"taken out", [](TnbHeader* h) {
         h->SetCollection(nullptr);
         delete h;
       }},
  };
  for (const auto& [what, remove] : removals) {
    SCOPED_TRACE(what);
    TnbHeader* h = AddHeader("Gone", 2);
    bar_->SetActiveHeader(h);
    remove(h);
    EXPECT_EQ(bar_->ActiveHeader(), nullptr);
    auto bmp = Paint();
    bar_->Clear();
  }
}

TEST_F(ItemReferencesTest, TheSelectionFollowsItsButtonOrEnds) {
  struct Change {
    const char* what;
    std::function<void(TnbHeader*)> apply;
    const char* selected;  // caption of the selected button afterwards, nullptr for none
  };
  const Change changes[] = {
      {"every button deleted", [](TnbHeader* h) { h->Buttons()->ClearButtons(); }, nullptr},
      {"the selected one deleted", [](TnbHeader* h) { h->Buttons()->DeleteButton(1); }, nullptr},
      {"one before it deleted", [](TnbHeader* h) { h->Buttons()->DeleteButton(0); }, "H 2"},
      {"one after it deleted", [](TnbHeader* h) { h->Buttons()->DeleteButton(2); }, "H 2"},
      {"it moved to the end", [](TnbHeader* h) { h->GetButton(1)->SetButtonIndex(3); }, "H 2"},
      {"another moved before it", [](TnbHeader* h) { h->GetButton(3)->SetButtonIndex(0); }, "H 2"},
      {"one inserted before it", [](TnbHeader* h) { h->Buttons()->Insert(0); }, "H 2"},
  };
  for (const Change& c : changes) {
    SCOPED_TRACE(c.what);
    TnbHeader* h = AddHeader("H", 4);
    h->SetAllowSelected(true);
    h->SetSelectedIndex(1);
    c.apply(h);
    TnbButton* selected = h->GetButton(h->SelectedIndex());
    const String seen = selected ? selected->Caption() : h->SelectedIndex() == -1 ? "none" : "an index past the end";
    EXPECT_EQ(seen, c.selected ? c.selected : "none");
    bar_->Clear();
  }
}

using SelectionDragTest = DragTest;

TEST_F(SelectionDragTest, ASelectedButtonDraggedToAnotherHeaderStaysSelectedThereAndNoOtherIsPressed) {
  a_->SetAllowSelected(true);
  b_->SetAllowSelected(true);
  a_->SetSelectedIndex(1);
  a_->GetButton(1)->SetTag(7);
  const TRect place = a_->GetButton(1)->Rects().Focus;
  Drag(Centre(a_->GetButton(1)->Rects().Button), Below(b_->GetButton(0)->Rects().Button));
  ASSERT_EQ(a_->ButtonCount(), 2);
  EXPECT_EQ(a_->SelectedIndex(), -1);
  ASSERT_NE(b_->GetButton(b_->SelectedIndex()), nullptr);
  EXPECT_EQ(b_->GetButton(b_->SelectedIndex())->Tag(), 7);
  bar_->Perform(CM_MOUSELEAVE, 0, 0);
  auto bmp = Paint();
  // A pressed button's frame is sunken: its top edge dark.
  EXPECT_NE(At(*bmp, place.Left + 2, place.Top), ColorToRGB(cl3DDkShadow));
}

TEST_F(SelectionDragTest, AButtonDraggedWithinItsHeaderKeepsItsSelection) {
  a_->SetAllowSelected(true);
  a_->SetSelectedIndex(0);
  TnbButton* moved = a_->GetButton(0);
  Drag(Centre(moved->Rects().Button), Below(a_->GetButton(2)->Rects().Button));
  ASSERT_EQ(a_->GetButton(2), moved);
  EXPECT_EQ(a_->SelectedIndex(), 2);
}

TEST_F(ItemReferencesTest, AHeaderMovedFromAFreedBarKeepsWorkingInItsNewOne) {
  auto* source = new TnbSideBar(form_);
  source->SetParent(form_);
  source->SetAlign(alNone);
  source->SetBoundsRect(Bounds(200, 0, 150, 300));
  source->SetHeaderScrollType(stNone);
  TnbHeader* h = source->Headers()->Add();
  for (int i = 0; i < 3; ++i) h->Buttons()->Add()->SetCaption("Moved " + std::to_string(i));
  source->SetActiveHeader(h);
  source->BarLayout();
  source->Perform(WM_MOUSEMOVE, 0, PointToLParam(Centre(h->GetButton(0)->Rects().Button)));
  ASSERT_EQ(source->Input().HotButton(), h->GetButton(0));
  h->SetCollection(bar_->Headers());
  EXPECT_EQ(source->ActiveHeader(), nullptr);
  EXPECT_EQ(source->Input().HotButton(), nullptr);
  delete source;
  bar_->SetActiveHeader(h);
  h->GetButton(0)->SetCaption("Still here");
  h->Buttons()->DeleteButton(2);
  auto bmp = Paint();
  EXPECT_EQ(h->GetButton(0)->Header(), h);
  EXPECT_TRUE(nbShown(h->GetButton(1)->Rects().Button));
}
