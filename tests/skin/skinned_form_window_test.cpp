// A skinned form's hold on its form: the sizing grips, the window procedure and the
// application's message hook taken over and given back, Alt+Space and Alt+F4, and the rule of
// one skin per form.

#include "platform/controls/menu_window.h"
#include "platform/controls/panel.h"
#include "platform/controls/screen.h"
#include "platform/windows/focus.h"
#include "platform/windows/input.h"
#include "platform/windows/keys.h"
#include "skin/form_hook.h"
#include "skin/title_bar_menu.h"
#include "tests/skin/skinned_form_support.h"

namespace {

using SkinnedFormWindow = SkinnedFormTest;

LRESULT HitTest(TCustomForm* form, int x, int y) {
  return form->Perform(WM_NCHITTEST, 0, PointToLParam(form->ClientToScreen({x, y})));
}

void PressAlt(uint16_t key) {
  InjectKey(VK_MENU, true);
  InjectKey(key, true);
  InjectKey(key, false);
  InjectKey(VK_MENU, false);
}

TEST_F(SkinnedFormWindow, ASizeableFormHasFivePixelGripsOnEveryEdge) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form);
  const int w = form->ClientWidth(), h = form->ClientHeight();
  struct TCase {
    int x, y;
    LRESULT hit;
  } cases[] = {{0, 0, HTTOPLEFT},           {4, 4, HTTOPLEFT},         {w - 1, 0, HTTOPRIGHT},
               {w - 4, 4, HTTOPRIGHT},      {w - 1, h - 1, HTBOTTOMRIGHT}, {0, h - 1, HTBOTTOMLEFT},
               {0, h / 2, HTLEFT},          {4, h / 2, HTLEFT},        {5, h / 2, HTCLIENT},
               {w / 2, 0, HTTOP},           {w - 1, h / 2, HTRIGHT},   {w - 5, h / 2, HTCLIENT},
               {w / 2, h - 1, HTBOTTOM},    {w / 2, h - 5, HTCLIENT},  {w / 2, h / 2, HTCLIENT}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    EXPECT_EQ(HitTest(form, c.x, c.y), c.hit);
  }
  // Dragging a grip sizes the form, on the border and where the skin or a control on it
  // covers the grip; a click sizes nothing.
  auto* cover = new TPanel(form);
  cover->SetParent(skin);
  cover->SetAlign(alClient);
  Pump();
  const TRect unsized = form->BoundsRect();
  InjectClick(OnForm(form, 0, h / 2));
  Pump();
  EXPECT_EQ(form->BoundsRect(), unsized);
  // Each grip is dragged by (-8, 8) and takes only its own edges along.
  struct TGrip {
    TPoint (*at)(TSize client);
    TRect change;  // of left, top, right and bottom
  } grips[] = {{[](TSize c) { return TPoint{0, c.cy / 2}; }, Rect(-8, 0, 0, 0)},
               {[](TSize c) { return TPoint{4, c.cy / 2}; }, Rect(-8, 0, 0, 0)},
               {[](TSize c) { return TPoint{c.cx - 4, c.cy / 3}; }, Rect(0, 0, -8, 0)},
               {[](TSize c) { return TPoint{c.cx / 2, c.cy - 2}; }, Rect(0, 0, 0, 8)},
               {[](TSize c) { return TPoint{c.cx - 1, c.cy - 1}; }, Rect(0, 0, -8, 8)}};
  for (const TGrip& g : grips) {
    const TRect before = form->BoundsRect();
    const TPoint grip = g.at(TSize{form->ClientWidth(), form->ClientHeight()});
    DragBy(OnForm(form, grip.x, grip.y), {-8, 8});
    EXPECT_EQ(form->BoundsRect(), Rect(before.Left + g.change.Left, before.Top + g.change.Top,
                                       before.Right + g.change.Right, before.Bottom + g.change.Bottom))
        << "grip at " << grip.x << "," << grip.y;
  }
  form->SetWindowState(wsMaximized);
  Pump();
  EXPECT_EQ(HitTest(form, 0, 0), HTCLIENT);
}

TEST_F(SkinnedFormWindow, TheTitleBarShowsTheFormsCaptionHoweverItIsSet) {
  TForm* form = SizeableForm();
  form->SetCaption("Contacts");
  TskForm* skin = Skin(form);
  EXPECT_EQ(skin->TitleBar()->Caption(), "Contacts");
  form->SetCaption("Sent messages");
  EXPECT_EQ(skin->TitleBar()->Caption(), "Sent messages");
  skin->SetFormCaption("Phrases");
  EXPECT_EQ(form->Caption(), "Phrases");
  EXPECT_EQ(skin->TitleBar()->Caption(), "Phrases");
}

TEST_F(SkinnedFormWindow, AFixedFormHasNoGrips) {
  TForm* form = SizeableForm();
  form->SetBorderStyle(bsSingle);
  Skin(form);
  EXPECT_EQ(HitTest(form, 0, 0), HTCLIENT);
  EXPECT_EQ(HitTest(form, form->ClientWidth() - 1, form->ClientHeight() / 2), HTCLIENT);
}

// Records the messages that pass through it, then hands them on.
struct TSpy {
  explicit TSpy(TControl* control) : previous(control->WindowProc) {
    control->WindowProc = [this](TMessage& m) {
      seen.push_back(m.Msg);
      previous(m);
    };
  }
  TWndMethod previous;
  std::vector<UINT> seen;
};

TEST_F(SkinnedFormWindow, FreeingTheSkinGivesTheFormItsProcedureBack) {
  TForm* form = SizeableForm();
  TSpy before(form);
  TskForm* skin = Skin(form);
  EXPECT_NE(form->WindowProc.target<TskFormWindowProc>(), nullptr);
  EXPECT_EQ(HitTest(form, 0, 0), HTTOPLEFT);
  delete skin;
  EXPECT_EQ(form->WindowProc.target<TskFormWindowProc>(), nullptr);
  EXPECT_EQ(HitTest(form, 0, 0), HTCLIENT);
  before.seen.clear();
  form->Perform(WM_NULL);
  EXPECT_EQ(before.seen, std::vector<UINT>{WM_NULL});
}

TEST_F(SkinnedFormWindow, AProcedureInstalledOverTheSkinsKeepsItsChainWhenTheSkinGoes) {
  TForm* form = SizeableForm();
  TSpy before(form);
  TskForm* skin = Skin(form);
  auto after = std::make_unique<TSpy>(form);
  delete skin;
  before.seen.clear();
  EXPECT_EQ(HitTest(form, 0, 0), HTCLIENT);  // the skin no longer answers
  EXPECT_EQ(after->seen.back(), WM_NCHITTEST);
  EXPECT_EQ(before.seen, std::vector<UINT>{WM_NCHITTEST});
  form->WindowProc = after->previous;  // the later one leaves as it came
  after.reset();
  form->Perform(WM_NULL);
  EXPECT_EQ(before.seen.back(), WM_NULL);
}

TEST_F(SkinnedFormWindow, AFormFreedWithItsSkinReleasesTheApplicationHook) {
  TForm* form = SizeableForm();
  Skin(form);
  EXPECT_TRUE(static_cast<bool>(Application->OnMessage));
  delete form;
  EXPECT_FALSE(static_cast<bool>(Application->OnMessage));
  Pump();
}

TEST_F(SkinnedFormWindow, TheApplicationHookIsGivenBackOnlyWhileTheSkinStillHoldsIt) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form);
  int otherCalls = 0;
  Application->OnMessage.Bind(nullptr, "Other", [&](MSG&, bool&) { ++otherCalls; });
  delete skin;
  ASSERT_TRUE(static_cast<bool>(Application->OnMessage));
  EXPECT_EQ(Application->OnMessage.MethodName(), "Other");
  // A second skin finds the event taken and leaves it alone.
  TForm* second = SizeableForm();
  delete Skin(second);
  EXPECT_EQ(Application->OnMessage.MethodName(), "Other");
  Application->OnMessage.Clear();
}

TEST_F(SkinnedFormWindow, AltSpaceOpensTheControlBoxMenuUnderTheMainFormsTitleBar) {
  TForm* form = SizeableForm();
  Application->SetMainForm(form);
  TskForm* skin = Skin(form);
  SetActiveWindow(form->Handle());
  Pump();
  PressAlt(VK_SPACE);
  Pump();
  TskTitleBarPopupMenu* menu = skin->TitleBar()->ControlBoxMenu();
  ASSERT_TRUE(menu->IsOpen());
  EXPECT_EQ(menu->LevelWindow(0)->BoundsRect().TopLeft(),
            (TPoint{form->Left(), form->Top() + skin->TitleBar()->Height()}));
  menu->CloseMenu();
  Application->SetMainForm(nullptr);
}

TEST_F(SkinnedFormWindow, AltF4ClosesTheForm) {
  TForm* form = SizeableForm();
  Skin(form);
  SetActiveWindow(form->Handle());
  Pump();
  PressAlt(VK_F4);
  Pump();  // the key
  Pump();  // the close it posts
  EXPECT_FALSE(form->Visible());
}

TEST_F(SkinnedFormWindow, OneSkinPerFormAndOnlyOnAForm) {
  TForm* form = SizeableForm();
  Skin(form);
  const TRect bounds = form->BoundsRect();
  try {
    new TskForm(form);
    FAIL() << "a second skin was made";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Sorry, You can create only one TskForm component in one form!");
  }
  EXPECT_EQ(form->BoundsRect(), bounds);
  EXPECT_EQ(form->ControlCount(), 1);
  TComponent owner(nullptr);
  auto* bare = new TskForm(&owner);
  EXPECT_EQ(bare->TitleBar(), nullptr);
  EXPECT_EQ(bare->Form(), nullptr);
}

}  // namespace
