#include "platform/controls/tree_view.h"

#include "platform/windows/scroll_bars.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class TreeViewTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    tree = Make<TTreeView>(Bounds(10, 10, 200, 160));
    TTreeNodes* nodes = tree->Items();
    fruit = nodes->Add(nullptr, "Fruit");
    apple = nodes->AddChild(fruit, "Apple");
    pear = nodes->AddChild(fruit, "Pear");
    red = nodes->AddChild(apple, "Red");
    veg = nodes->Add(fruit, "Vegetables");
    tree->OnChange.Bind(nullptr, "Change", [this](TObject*, TTreeNode* n) { log += "change " + (n ? n->Text() : String("-")) + ";"; });
  }
  TPoint RowPoint(int row, int x = 60) { return {x, row * tree->ItemHeight() + tree->ItemHeight() / 2}; }
  TTreeView* tree = nullptr;
  TTreeNode *fruit = nullptr, *apple = nullptr, *pear = nullptr, *red = nullptr, *veg = nullptr;
  String log;
};

TEST_F(TreeViewTest, NodesKnowTheirPlaceInTheTree) {
  EXPECT_EQ(tree->Items()->Count(), 5);
  EXPECT_EQ(tree->Items()->Item(3), pear);
  EXPECT_EQ(red->Level(), 2);
  EXPECT_EQ(pear->Index(), 1);
  EXPECT_EQ(pear->AbsoluteIndex(), 3);
  EXPECT_EQ(apple->GetNextSibling(), pear);
  EXPECT_EQ(pear->GetPrevSibling(), apple);
  EXPECT_TRUE(red->HasAsParent(fruit));
  EXPECT_THROW(fruit->Item(2), EListError);
  EXPECT_THROW(tree->Items()->Item(5), EListError);
  TTreeNode* first = tree->Items()->Insert(apple, "Cherry");
  EXPECT_EQ(first->Index(), 0);
  EXPECT_EQ(tree->Items()->AddChildFirst(nullptr, "Top")->Index(), 0);
  EXPECT_EQ(tree->VisibleRowCount(), 3);  // collapsed: only the top level shows
}

TEST_F(TreeViewTest, ExpandingAndCollapsingAskFirstAndShowRows) {
  bool allowCollapse = true;
  tree->OnExpanding.Bind(nullptr, "Expanding", [this](TObject*, TTreeNode* n, bool&) { log += "expanding " + n->Text() + ";"; });
  tree->OnCollapsing.Bind(nullptr, "Collapsing", [&](TObject*, TTreeNode*, bool& allow) { allow = allowCollapse; });
  fruit->Expand(false);
  EXPECT_EQ(tree->VisibleRowCount(), 4);
  fruit->Expand(true);
  EXPECT_EQ(tree->VisibleRowCount(), 5);
  EXPECT_TRUE(red->IsVisible());
  allowCollapse = false;
  fruit->Collapse(false);
  EXPECT_TRUE(fruit->Expanded());
  allowCollapse = true;
  tree->SetSelected(red);
  fruit->Collapse(false);
  EXPECT_EQ(tree->Selected(), fruit);  // the selection leaves the hidden branch
  EXPECT_EQ(log, "expanding Fruit;expanding Apple;change Red;change Fruit;");
  veg->Expand(false);  // no children: nothing to expand
  EXPECT_FALSE(veg->Expanded());
}

TEST_F(TreeViewTest, KeysSelectExpandAndCollapse) {
  tree->SetFocus();
  Key(tree, VK_DOWN);
  EXPECT_EQ(tree->Selected(), fruit);
  Key(tree, VK_RIGHT);
  EXPECT_TRUE(fruit->Expanded());
  Key(tree, VK_RIGHT);
  EXPECT_EQ(tree->Selected(), apple);
  Key(tree, VK_DOWN);
  EXPECT_EQ(tree->Selected(), pear);
  Key(tree, VK_LEFT);
  EXPECT_EQ(tree->Selected(), fruit);
  Key(tree, VK_LEFT);
  EXPECT_FALSE(fruit->Expanded());
  Key(tree, VK_MULTIPLY);
  EXPECT_TRUE(apple->Expanded());
  Key(tree, VK_END);
  EXPECT_EQ(tree->Selected(), veg);
  Type(tree, "p");  // typing finds the next shown node that starts so
  EXPECT_EQ(tree->Selected(), pear);
  Type(tree, "z");
  EXPECT_EQ(tree->Selected(), pear);
  bool allow = false;
  tree->OnChanging.Bind(nullptr, "Changing", [&](TObject*, TTreeNode*, bool& a) { a = allow; });
  Key(tree, VK_HOME);
  EXPECT_EQ(tree->Selected(), pear);  // the veto keeps the selection
}

TEST_F(TreeViewTest, MouseSelectsRowsAndButtonsToggle) {
  fruit->Expand(false);
  Click(tree, RowPoint(2).x, RowPoint(2).y);
  EXPECT_EQ(tree->Selected(), pear);
  TRect text = apple->DisplayRect(true);
  int buttonX = text.Left - tree->Indent() / 2 - 2;
  Click(tree, buttonX, RowPoint(1).y);
  EXPECT_TRUE(apple->Expanded());
  EXPECT_EQ(tree->Selected(), pear);
  tree->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, PointToLParam(RowPoint(0)));
  EXPECT_FALSE(fruit->Expanded());
  EXPECT_EQ(tree->Selected(), fruit);
  Click(tree, 60, 150);  // below the rows
  EXPECT_EQ(tree->Selected(), fruit);
}

TEST_F(TreeViewTest, DeletingNodesTellsAndClearsTheSelection) {
  std::vector<String> gone;
  tree->OnDeletion.Bind(nullptr, "Deletion", [&](TObject*, TTreeNode* n) { gone.push_back(n->Text()); });
  tree->SetSelected(red);
  apple->Delete();
  EXPECT_EQ(gone, (std::vector<String>{"Red", "Apple"}));
  EXPECT_EQ(tree->Selected(), nullptr);
  EXPECT_EQ(fruit->Count(), 1);
  tree->Items()->Clear();
  EXPECT_EQ(tree->Items()->Count(), 0);
  EXPECT_EQ(tree->VisibleRowCount(), 0);
  Key(tree, VK_DOWN);
}

TEST_F(TreeViewTest, ManyRowsScrollWithTheSelectionAndTheBar) {
  for (int i = 0; i < 30; ++i) tree->Items()->AddChild(veg, "item " + std::to_string(i));
  veg->Expand(false);
  EXPECT_TRUE(GetWindowLong(tree->Handle(), GWL_STYLE) & WS_VSCROLL);
  tree->SetSelected(veg->GetLastChild());
  EXPECT_GT(tree->TopRow(), 0);
  EXPECT_EQ(GetScrollPos(tree->Handle(), SB_VERT), tree->TopRow());
  tree->Perform(WM_VSCROLL, SB_TOP);
  EXPECT_EQ(tree->TopItem(), fruit);
  tree->Perform(WM_MOUSEWHEEL, MakeWParam(0, -WHEEL_DELTA), PointToLParam(tree->ClientToScreen({5, 5})));
  EXPECT_EQ(tree->TopRow(), 3);
  // A bigger font makes taller rows.
  int rowHeight = tree->ItemHeight();
  tree->Font()->SetSize(24);
  EXPECT_GT(tree->ItemHeight(), rowHeight);
  EXPECT_EQ(veg->GetLastChild()->DisplayRect(false).Height(), tree->ItemHeight());
}

TEST_F(TreeViewTest, PaintsButtonsLinesAndTheSelection) {
  fruit->Expand(false);
  tree->SetFocus();
  tree->SetSelected(pear);
  PaintControl(tree);
  TRect row2 = pear->DisplayRect(true);
  OffsetRect(row2, 2, 2);  // the sunken edge
  EXPECT_GT(Count(clHighlight, row2), 0);
  EXPECT_GT(Count(clHighlightText, row2), 0);
  TRect line = Rect(2, 2 + tree->ItemHeight(), 2 + apple->DisplayRect(true).Left, 2 + 3 * tree->ItemHeight());
  EXPECT_GT(Count(clGrayText, line), 4);  // dotted lines and the +/- box frame
  tree->SetShowLines(false);
  tree->SetShowButtons(false);
  PaintControl(tree);
  EXPECT_EQ(Count(clGrayText, line), 0);
}

}  // namespace
