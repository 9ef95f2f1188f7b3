#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/head_tree.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

namespace {

// The tree as text: each node's text, children in brackets, as "A[x y] B[z]"; measured, with
// each node's width and height, as "A(101,20)[x(50,40) y(50,40)]".
std::string TreeText(THeadTreeNode* parent, bool measured) {
  std::string text;
  THeadTreeNode* first = parent->Child;
  if (first == nullptr) return text;
  THeadTreeNode* node = first;
  do {
    if (!text.empty()) text += ' ';
    text += node->Text;
    if (measured) text += "(" + std::to_string(node->Width) + "," + std::to_string(node->Height) + ")";
    if (node->Child != nullptr) text += "[" + TreeText(node, measured) + "]";
    node = node->Next;
  } while (node != first);
  return text;
}

class TitleTree : public testing::Test {
 protected:
  std::vector<THeadTreeNode*> Build(std::initializer_list<const char*> captions, bool lines = true) {
    for (const char* caption : captions) {
      TColumnEx* column = grid.Columns()->Add();
      column->SetWidth(50);
      column->Title()->SetCaption(caption);
    }
    return root.BuildTitleTree(grid.Columns(), 60, lines);
  }
  std::string Shape(THeadTreeNode* parent) { return TreeText(parent, false); }
  TTestGrid grid{nullptr};
  THeadTreeNode root{"Root", 10, 0};
};

}  // namespace

TEST_F(TitleTree, CaptionsWithoutBarsStayFlat) {
  const auto leaves = Build({"ID", "Name"});
  EXPECT_EQ(Shape(&root), "ID Name");
  EXPECT_EQ(leaves[1]->Column, grid.Columns()->Items(1));
  EXPECT_EQ(leaves[0]->Height, 60);
  EXPECT_EQ(leaves[0]->Level(), 1);
}

TEST_F(TitleTree, SharedFirstWordsBecomeHeadings) {
  const auto leaves = Build({"A|x", "A|y", "B|z"});
  EXPECT_EQ(Shape(&root), "A[x y] B[z]");
  THeadTreeNode* a = root.Child;
  EXPECT_EQ(a->Height, 20);
  EXPECT_EQ(a->Width, 50 + 1 + 50) << "the children and one line between them";
  EXPECT_EQ(leaves[0]->Height, 40);
  EXPECT_EQ(leaves[0]->Host, a);
  EXPECT_EQ(leaves[2]->Level(), 2);
}

TEST_F(TitleTree, ALoneColumnWithTwoWordsGetsAHeadingOfItsOwn) {
  const auto leaves = Build({"ID", "Total|Net", "Name"});
  EXPECT_EQ(Shape(&root), "ID Total[Net] Name");
  EXPECT_EQ(leaves[1]->Host->Width, 50) << "the heading spans only its column";
  EXPECT_EQ(leaves[1]->Host->Next, leaves[2]) << "and keeps its column's place";
}

TEST_F(TitleTree, NestedWordsAndEmptyWordsAndSeparateRuns) {
  EXPECT_EQ((Build({"A||x|p", "A|x|q", "B|r", "A|s"}), Shape(&root)), "A[x[p q]] B[r] A[s]");
  EXPECT_EQ(root.Child->Child->Child->Height, 20) << "two headings above each leaf";
}

TEST_F(TitleTree, HiddenColumnsAddNoWidth) {
  grid.Columns()->Add();
  grid.Columns()->Items(0)->SetVisible(false);
  grid.Columns()->Items(0)->Title()->SetCaption("H|a");
  Build({"H|b"}, true);
  EXPECT_EQ(root.Child->Width, -1 + 1 + 50);
  root.FreeAllChild();
  EXPECT_EQ(root.Child, nullptr);
}

TEST_F(TitleTree, NodesOutsideTheTreeOrLevelAreRefused) {
  const auto leaves = Build({"x", "y", "z"});
  THeadTreeNode stranger;
  EXPECT_THROW(root.Add(&stranger, "n", 1, 1), Exception);
  EXPECT_THROW(root.AppendChild(&stranger, "n", 1, 1), Exception);
  try {
    root.Union(leaves[2], leaves[0], 20, "back");
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "ATo not in level");
  }
  int visited = 0;
  root.ForEachNode([&](THeadTreeNode*) { ++visited; });
  EXPECT_EQ(visited, 3);
}

namespace {

// Captions in; the tree out as "text(width,height)" with children in brackets. Columns are
// 50 pixels wide; widths and heights are worked out by hand.
struct TreeCase {
  const char* name;
  std::vector<const char*> captions;
  int titleHeight;
  bool lines;
  const char* shape;
};

// Every ring closes on its host's first child and holds only that host's children, and a
// heading is as wide as its children and the lines between them.
void ExpectWholeRings(THeadTreeNode* host, int depth = 0) {
  ASSERT_LT(depth, 10);
  THeadTreeNode* first = host->Child;
  if (first == nullptr) return;
  THeadTreeNode* node = first;
  int steps = 0;
  int width = 0;
  do {
    ASSERT_LT(++steps, 100) << "the ring under " << host->Text << " never closes";
    EXPECT_EQ(node->Host, host) << node->Text;
    width += node->Width + node->WIndent;
    ExpectWholeRings(node, depth + 1);
    node = node->Next;
  } while (node != first);
  if (host->Host != nullptr) {
    EXPECT_EQ(host->Width, width - first->WIndent) << host->Text;
  }
}

class TitleTreeShapes : public testing::TestWithParam<TreeCase> {};

}  // namespace

TEST_P(TitleTreeShapes, CaptionsGiveTheTree) {
  const TreeCase& c = GetParam();
  TTestGrid grid(nullptr);
  THeadTreeNode root("Root", 10, 0);
  for (const char* caption : c.captions) {
    TColumnEx* column = grid.Columns()->Add();
    column->SetWidth(50);
    column->Title()->SetCaption(caption);
  }
  const auto leaves = root.BuildTitleTree(grid.Columns(), c.titleHeight, c.lines);
  EXPECT_EQ(TreeText(&root, true), c.shape);
  ExpectWholeRings(&root);
  ASSERT_EQ(leaves.size(), c.captions.size());
  for (size_t i = 0; i < leaves.size(); ++i) EXPECT_EQ(leaves[i]->Column, grid.Columns()->Items(static_cast<int>(i)));
}

INSTANTIATE_TEST_SUITE_P(
    Captions, TitleTreeShapes,
    testing::Values(
        TreeCase{"Flat", {"ID", "Name"}, 60, true, "ID(50,60) Name(50,60)"},
        TreeCase{"TwoHeadings", {"A|x", "A|y", "B|z"}, 60, true, "A(101,20)[x(50,40) y(50,40)] B(50,20)[z(50,40)]"},
        TreeCase{"NoLinesNoGaps", {"A|x", "A|y"}, 60, false, "A(100,20)[x(50,40) y(50,40)]"},
        TreeCase{"ThreeLevels", {"T|A|x", "T|A|y", "T|B|z"}, 80, true,
                 "T(152,20)[A(101,20)[x(50,40) y(50,40)] B(50,20)[z(50,40)]]"},
        TreeCase{"EqualCaptions", {"A|x", "A|x"}, 60, true, "A(101,20)[x(50,40) x(50,40)]"},
        TreeCase{"RunsStayUnderTheirParent", {"P|A|x", "Q|A|y"}, 60, true,
                 "P(50,20)[A(50,20)[x(50,20)]] Q(50,20)[A(50,20)[y(50,20)]]"},
        TreeCase{"RunsNeverReachIntoAnotherParent", {"P|A|x", "A|y"}, 60, true,
                 "P(50,20)[A(50,20)[x(50,20)]] A(50,20)[y(50,40)]"},
        TreeCase{"OneWordNeighbourKeepsItsWord", {"A|x", "A", "A|y"}, 60, true,
                 "A(50,20)[x(50,40)] A(50,60) A(50,20)[y(50,40)]"},
        TreeCase{"UnevenBarsLoseNoWord", {"A||x", "A|y", "|A|||z"}, 60, true,
                 "A(152,20)[x(50,40) y(50,40) z(50,40)]"},
        TreeCase{"LowTitleRowLeavesLeavesNoRoom", {"A|B|x", "A|y"}, 30, true,
                 "A(101,20)[B(50,20)[x(50,0)] y(50,10)]"}),
    [](const testing::TestParamInfo<TreeCase>& test) { return std::string(test.param.name); });

TEST_F(TitleTree, PaintingReadsHeadingsOffsetsAndColumnSpans) {
  const auto leaves = Build({"ID", "T|A|x", "T|A|y", "T|B|z"});
  EXPECT_EQ(leaves[0]->Heading(), nullptr) << "the root is no heading";
  THeadTreeNode* a = leaves[2]->Heading();
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->Text, "A");
  EXPECT_EQ(a->Heading()->Text, "T");
  EXPECT_EQ(a->Heading()->Heading(), nullptr);
  EXPECT_EQ(leaves[1]->OffsetInHeading(), 0);
  EXPECT_EQ(leaves[2]->OffsetInHeading(), 51) << "one column and its line";
  EXPECT_EQ(leaves[3]->Heading()->OffsetInHeading(), 102) << "B after A's two columns";
  EXPECT_EQ(a->Heading()->FirstColumnIndex(), 1);
  EXPECT_EQ(a->Heading()->LastColumnIndex(), 3);
  EXPECT_EQ(a->LastColumnIndex(), 2);
  EXPECT_EQ(leaves[0]->FirstColumnIndex(), 0);
  EXPECT_TRUE(leaves[0]->IsLeaf());
  EXPECT_FALSE(a->IsLeaf());
}

TEST_F(TitleTree, UnionOfAWholeRingOrAMiddleRunKeepsEveryRingClosed) {
  auto leaves = Build({"a", "b", "c", "d"});
  root.Union(leaves[1], leaves[2], 20, "mid");
  EXPECT_EQ(Shape(&root), "a mid[b c] d");
  ExpectWholeRings(&root);
  root.Union(root.Child, root.Child->Next->Next, 20, "all");
  EXPECT_EQ(Shape(&root), "all[a mid[b c] d]");
  ExpectWholeRings(&root);
  EXPECT_EQ(root.Child->Next, root.Child) << "a heading alone in its ring points to itself";
}

TEST(TitleWords, PositionsAndWords) {
  EXPECT_EQ(THeadTreeNode::WordPosition(2, "||ab|cd", "|"), 6);
  EXPECT_EQ(THeadTreeNode::WordPosition(3, "ab|cd", "|"), 0);
  EXPECT_EQ(THeadTreeNode::ExtractWord(2, "ab||cd|e", "|"), "cd");
  int pos = 0;
  EXPECT_EQ(THeadTreeNode::ExtractWordPos(1, "地址|城市", "|", pos), "地址");
  EXPECT_EQ(pos, 1);
}
