#include "tests/controls/control_fixture.h"

#include <algorithm>

#include "platform/graphics/device_context.h"
#include "platform/windows/painting.h"

namespace {

using Forms = ControlTest;

TEST_F(Forms, ShowModalRunsUntilModalResultAndBlocksOtherForms) {
  TForm* main = MakeForm(Bounds(0, 0, 300, 200));
  TForm* dialog = new TForm(Application);
  dialog->SetBounds(50, 50, 200, 100);
  TTestControl* okButton = AddControl(dialog, Bounds(10, 10, 60, 25));
  okButton->OnClick.Bind(dialog, "Ok", [&](TObject*) { dialog->SetModalResult(mrOk); });
  bool mainEnabledDuringModal = true;
  int idleCalls = 0;
  Application->OnIdle.Bind(nullptr, "Idle", [&](TObject*, bool&) {
    if (++idleCalls != 1) return;
    mainEnabledDuringModal = IsWindowEnabled(main->Handle());
    InjectClick(okButton->ClientToScreen({5, 5}));
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(mainEnabledDuringModal);
  EXPECT_TRUE(IsWindowEnabled(main->Handle())) << "other forms take input again afterwards";
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(GetActiveWindow(), main->Handle());
}

TEST_F(Forms, AModalDialogIsOwnedByItsOpenerAndItsOwnerTakesNoClicks) {
  TForm* main = MakeForm(Bounds(0, 0, 300, 200));
  TTestControl* onMain = AddControl(main, Bounds(200, 150, 60, 25));
  int mainClicks = 0;
  onMain->OnClick.Bind(main, "Clicked", [&](TObject*) { ++mainClicks; });
  TForm* dialog = new TForm(Application);
  dialog->SetBounds(50, 50, 200, 100);
  HWND ownerDuringModal = nullptr;
  std::vector<HWND> orderAfterActivatingOwner;
  int idleCalls = 0;
  Application->OnIdle.Bind(nullptr, "Idle", [&](TObject*, bool&) {
    if (++idleCalls == 1) {
      ownerDuringModal = GetWindow(dialog->Handle(), GW_OWNER);
      InjectClick(onMain->ClientToScreen({5, 5}));
      SetActiveWindow(main->Handle());
      orderAfterActivatingOwner = TopLevelWindows();
    } else if (idleCalls == 3) {
      dialog->SetModalResult(mrOk);
    }
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(mainClicks, 0);
  EXPECT_EQ(ownerDuringModal, main->Handle());
  auto pos = [&](HWND h) { return std::find(orderAfterActivatingOwner.begin(), orderAfterActivatingOwner.end(), h); };
  EXPECT_LT(pos(dialog->Handle()), pos(main->Handle())) << "the dialog stays above its owner";
  InjectClick(onMain->ClientToScreen({5, 5}));
  Pump();
  EXPECT_EQ(mainClicks, 1) << "after the dialog the owner takes clicks again";
}

TEST_F(Forms, CloseDuringModalCancelsAndAVisibleFormCannotGoModal) {
  TForm* dialog = new TForm(Application);
  Application->OnIdle.Bind(nullptr, "Idle", [&](TObject*, bool&) { dialog->Close(); });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
}

TEST_F(Forms, CloseQueryCanRefuseAndCloseActionDecides) {
  TForm* main = MakeForm();
  Application->SetMainForm(main);
  TForm* other = MakeForm();
  bool allow = false;
  other->OnCloseQuery.Bind(other, "Query", [&](TObject*, bool& canClose) { canClose = allow; });
  other->Close();
  EXPECT_TRUE(other->Visible());
  allow = true;
  other->Close();
  EXPECT_FALSE(other->Visible()) << "the default action hides";
  other->OnClose.Bind(other, "Closing", [](TObject*, TCloseAction& action) { action = caFree; });
  other->Show();
  other->Close();
  HWND h = other->Handle();
  Pump();
  EXPECT_FALSE(IsWindow(h)) << "caFree releases the form once its messages are handled";
  EXPECT_EQ(Screen->FormCount(), 1);
  EXPECT_FALSE(Application->Terminated());
  main->Close();
  EXPECT_TRUE(Application->Terminated()) << "closing the main form ends the program";
}

TEST_F(Forms, WindowCloseMessageAsksTheForm) {
  TForm* main = MakeForm();
  TForm* other = MakeForm();
  (void)main;
  SendMessage(other->Handle(), WM_CLOSE);
  EXPECT_FALSE(other->Visible());
  EXPECT_TRUE(IsWindow(other->Handle()));
}

// The window system's own keys reach the form that holds the focus, from any of its controls.
TEST_F(Forms, AltF4ClosesTheFormAndAltSpaceAsksForItsWindowMenu) {
  TForm* form = MakeForm();
  TTestControl* child = AddControl(form, Bounds(10, 10, 60, 25));
  std::vector<WPARAM> commands;
  TWndMethod previous = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_SYSCOMMAND) commands.push_back(m.WParam);
    previous(m);
  };
  ::SetFocus(child->Handle());
  for (uint16_t key : {VK_SPACE, VK_F4}) {
    InjectKey(VK_MENU, true);
    InjectKey(key, true);
    InjectKey(key, false);
    InjectKey(VK_MENU, false);
  }
  InjectKeyStroke(VK_F4);  // without Alt: nothing
  Application->ProcessMessages();
  Application->ProcessMessages();
  EXPECT_EQ(commands, (std::vector<WPARAM>{SC_KEYMENU, SC_CLOSE}));
  EXPECT_FALSE(form->Visible());
  form->WindowProc = previous;
}

TEST_F(Forms, ShowingActivatesAndFocusesTheFirstTabStop) {
  TForm* form = new TForm(Application);
  TTestControl* a = AddControl(form, Bounds(0, 0, 50, 20));
  TTestControl* b = AddControl(form, Bounds(0, 30, 50, 20));
  b->SetTabOrder(0);
  int activations = 0;
  form->OnActivate.Bind(form, "Act", [&](TObject*) { ++activations; });
  form->Show();
  EXPECT_TRUE(form->Active());
  EXPECT_EQ(activations, 1);
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(Screen->ActiveForm(), form);
  (void)a;
}

TEST_F(Forms, MaximizedFormFillsTheWorkAreaAndRestores) {
  TForm* form = MakeForm(Bounds(10, 20, 300, 200), bsSizeable);
  form->SetWindowState(wsMaximized);
  EXPECT_EQ(form->BoundsRect(), Screen->WorkAreaRect());
  EXPECT_EQ(form->WindowState(), wsMaximized);
  form->SetWindowState(wsNormal);
  EXPECT_EQ(form->BoundsRect(), Bounds(10, 20, 300, 200));
}

TEST_F(Forms, ScreenCenterPlacesTheFormInTheMiddle) {
  TForm* form = new TForm(Application);
  form->SetBounds(0, 0, 200, 100);
  form->SetPosition(poScreenCenter);
  form->Show();
  TRect area = Screen->WorkAreaRect();
  EXPECT_EQ(form->Left(), (area.Width() - 200) / 2);
  EXPECT_EQ(form->Top(), (area.Height() - 100) / 2);
}

TEST_F(Forms, PaintingComposesControlsAndGraphicChildren) {
  TForm* form = MakeForm(Bounds(0, 0, 300, 200));
  form->SetColor(clSilver);
  TTestControl* panel = AddControl(form, Bounds(10, 10, 100, 100), clBlue);
  TTestGraphic* label = AddGraphic(form, Bounds(150, 10, 40, 20), clRed);
  TTestGraphic* inPanel = AddGraphic(panel, Bounds(5, 5, 10, 10), clYellow);
  Pump();
  EXPECT_EQ(Pixel(form, 5, 5), ColorToRGB(clSilver));
  EXPECT_EQ(Pixel(form, 50, 50), ColorToRGB(clBlue));
  EXPECT_EQ(Pixel(form, 160, 15), ColorToRGB(clRed));
  EXPECT_EQ(Pixel(form, 17, 17), ColorToRGB(clYellow));
  if (HasFailure()) SavePicture(form, "forms_compose");
  int panelPaints = panel->paintCount, labelPaints = label->paintCount;
  inPanel->Invalidate();
  Pump();
  EXPECT_EQ(panel->paintCount, panelPaints + 1) << "a graphic control paints through its parent";
  EXPECT_EQ(label->paintCount, labelPaints) << "and nothing else repaints";
}

TEST_F(Forms, PaintToDrawsTheControlIntoAnotherDeviceContext) {
  TForm* form = MakeForm(Bounds(0, 0, 300, 200));
  TTestControl* panel = AddControl(form, Bounds(10, 10, 100, 60), clBlue);
  AddGraphic(panel, Bounds(10, 10, 20, 20), clRed);
  TTestControl* inner = AddControl(panel, Bounds(50, 10, 20, 20), clLime);
  bool sawPaintCopy = false;
  TWindowProcHook hook(inner, [&](TMessage& m) {
    if (m.Msg == WM_PAINT) sawPaintCopy = inner->ControlState().Contains(csPaintCopy);
    return false;
  });
  TBitmap picture(120, 80);
  HDC dc = picture.Canvas()->Handle();
  panel->PaintTo(dc, 5, 5);
  auto at = [&](int x, int y) {
    uint32_t p = picture.Pixel32(x, y);
    return static_cast<TColor>(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  };
  EXPECT_EQ(at(5 + 2, 5 + 2), ColorToRGB(clBlue));
  EXPECT_EQ(at(5 + 15, 5 + 15), ColorToRGB(clRed));
  EXPECT_EQ(at(5 + 55, 5 + 15), ColorToRGB(clLime));
  EXPECT_EQ(at(2, 2), ColorToRGB(clWhite)) << "outside the control nothing is drawn";
  EXPECT_TRUE(sawPaintCopy);
  EXPECT_FALSE(inner->ControlState().Contains(csPaintCopy));
}

TEST_F(Forms, EraseWithADeviceContextPaintsTheBackgroundThere) {
  TForm* form = MakeForm(Bounds(0, 0, 300, 200));
  TTestControl* panel = AddControl(form, Bounds(10, 10, 100, 60), clBlue);
  TBitmap picture(100, 60);
  HDC dc = picture.Canvas()->Handle();
  EXPECT_EQ(panel->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), 1);
  uint32_t p = picture.Pixel32(50, 30);
  EXPECT_EQ(static_cast<TColor>(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF)), ColorToRGB(clBlue));
}

TEST_F(Forms, ExceptionsInHandlersReachOnException) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(0, 0, 50, 50));
  c->OnClick.Bind(form, "Boom", [](TObject*) { throw EConvertError("'x' is not a valid integer value"); });
  String reported;
  Application->OnException.Bind(nullptr, "Report", [&](TObject*, Exception& e) { reported = e.Message(); });
  InjectClick(At(c, 5, 5));
  Pump();
  EXPECT_EQ(reported, "'x' is not a valid integer value");
  c->OnClick.Bind(form, "Quiet", [](TObject*) { Abort(); });
  reported.clear();
  InjectClick(At(c, 5, 5));
  Pump();
  EXPECT_EQ(reported, "") << "EAbort is silent";
}

TEST_F(Forms, MenusKeptByPointerAreForgottenWhenFreed) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(0, 0, 50, 50));
  auto* menu = new TComponent(nullptr);
  auto* popup = new TComponent(nullptr);
  form->SetMenu(menu);
  c->SetPopupMenu(popup);
  delete menu;
  delete popup;
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(c->PopupMenu(), nullptr);
  InjectClick(At(c, 5, 5), mbRight);
  Pump();
}

TEST_F(Forms, OnMessageSeesAndCanSwallowQueuedMessages) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(0, 0, 50, 50));
  std::vector<UINT> seen;
  Application->OnMessage.Bind(nullptr, "Hook", [&](MSG& m, bool& handled) {
    seen.push_back(m.message);
    handled = m.message == WM_KEYDOWN;
  });
  c->SetFocus();
  int keys = 0;
  c->OnKeyDown.Bind(form, "Down", [&](TObject*, uint16_t&, TShiftState) { ++keys; });
  InjectKeyStroke('A', "a");
  Pump();
  EXPECT_EQ(keys, 0);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_KEYDOWN), 1);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_CHAR), 1);
}

}  // namespace
