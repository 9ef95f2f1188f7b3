#include "tests/controls/control_fixture.h"

namespace {

using Layout = ControlTest;

TEST_F(Layout, AlignedControlsShareTheClientAreaInTheirOrder) {
  TForm* form = MakeForm(Bounds(0, 0, 400, 300));
  TTestControl* top = AddControl(form, Bounds(0, 0, 10, 30));
  TTestControl* bottom = AddControl(form, Bounds(0, 0, 10, 20));
  TTestControl* left = AddControl(form, Bounds(0, 0, 50, 10));
  TTestControl* client = AddControl(form, Bounds(0, 0, 10, 10));
  top->SetAlign(alTop);
  bottom->SetAlign(alBottom);
  left->SetAlign(alLeft);
  client->SetAlign(alClient);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 30));
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 280, 400, 300));
  EXPECT_EQ(left->BoundsRect(), Rect(0, 30, 50, 280));
  EXPECT_EQ(client->BoundsRect(), Rect(50, 30, 400, 280));
  form->SetBounds(0, 0, 500, 400);
  EXPECT_EQ(client->BoundsRect(), Rect(50, 30, 500, 380)) << "a resized parent lays its children out again";
  EXPECT_EQ(WindowBounds(client->Handle()), Rect(50, 30, 500, 380)) << "and the windows follow";
}

TEST_F(Layout, TwoTopAlignedControlsStackByPosition) {
  TForm* form = MakeForm(Bounds(0, 0, 400, 300));
  TTestControl* second = AddControl(form, Bounds(0, 100, 10, 20));
  TTestControl* first = AddControl(form, Bounds(0, 50, 10, 30));
  form->DisableAlign();
  second->SetAlign(alTop);
  first->SetAlign(alTop);
  form->EnableAlign();
  EXPECT_EQ(first->Top(), 0);
  EXPECT_EQ(second->Top(), 30);
}

TEST_F(Layout, BorderWidthKeepsAlignedChildrenOffTheEdge) {
  TForm* form = MakeForm(Bounds(0, 0, 400, 300));
  form->SetBorderWidth(5);
  TTestControl* client = AddControl(form, Bounds(0, 0, 10, 10));
  client->SetAlign(alClient);
  EXPECT_EQ(client->BoundsRect(), Rect(5, 5, 395, 295));
}

TEST_F(Layout, AnchorsKeepDistancesToTheEdgesTheyName) {
  TForm* form = MakeForm(Bounds(0, 0, 400, 300));
  TTestControl* okButton = AddControl(form, Bounds(300, 250, 80, 30));
  TTestControl* stretch = AddControl(form, Bounds(10, 10, 380, 200));
  TTestControl* fixed = AddControl(form, Bounds(10, 250, 50, 30));
  okButton->SetAnchors({akRight, akBottom});
  stretch->SetAnchors({akLeft, akTop, akRight, akBottom});
  form->SetBounds(0, 0, 500, 350);
  EXPECT_EQ(okButton->BoundsRect(), Bounds(400, 300, 80, 30));
  EXPECT_EQ(stretch->BoundsRect(), Bounds(10, 10, 480, 250));
  EXPECT_EQ(fixed->BoundsRect(), Bounds(10, 250, 50, 30));
}

TEST_F(Layout, ConstraintsLimitTheSize) {
  TForm* form = MakeForm(Bounds(0, 0, 400, 300));
  TTestControl* c = AddControl(form, Bounds(0, 0, 100, 100));
  c->Constraints()->SetMinWidth(50);
  c->Constraints()->SetMaxHeight(60);
  EXPECT_EQ(c->Height(), 60) << "a new limit applies at once";
  c->SetBounds(0, 0, 10, 200);
  EXPECT_EQ(c->Width(), 50);
  EXPECT_EQ(c->Height(), 60);
}

TEST_F(Layout, CoordinatesMapThroughFramesAndParents) {
  TForm* form = MakeForm(Bounds(100, 50, 400, 300), bsSizeable);
  TTestControl* panel = AddControl(form, Bounds(10, 20, 200, 100));
  TTestGraphic* label = AddGraphic(panel, Bounds(5, 6, 50, 20));
  TPoint origin = form->ClientOrigin();
  EXPECT_EQ(origin, Point(100 + 4, 50 + 4 + 19));
  EXPECT_EQ(label->ClientToScreen({1, 1}), Point(origin.x + 10 + 5 + 1, origin.y + 20 + 6 + 1));
  EXPECT_EQ(label->ScreenToClient(label->ClientToScreen({7, 8})), Point(7, 8));
  EXPECT_EQ(form->ClientWidth(), 400 - 8);
}

TEST_F(Layout, ClientSizeIsKnownBeforeTheWindowExists) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSingle);
  form.SetBounds(0, 0, 200, 100);
  EXPECT_EQ(form.ClientRect(), Rect(0, 0, 200 - 6, 100 - 6 - 19));
  EXPECT_FALSE(form.HandleAllocated());
}

TEST_F(Layout, HandlesAreMadeOnDemandAndRecreatedWithTheirChildren) {
  TForm form(nullptr);
  auto* child = new TTestControl(&form);
  child->SetParent(&form);
  EXPECT_FALSE(child->HandleAllocated());
  HWND h = child->Handle();
  EXPECT_TRUE(form.HandleAllocated()) << "a child's window needs its parent's";
  EXPECT_EQ(GetParent(h), form.Handle());
  child->SetCaption("名称");
  form.SetBorderStyle(bsDialog);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_TRUE(child->HandleAllocated());
  EXPECT_EQ(GetParent(child->Handle()), form.Handle());
  EXPECT_EQ(child->Caption(), "名称") << "the text survives the new window";
}

}  // namespace
