#include <gtest/gtest.h>

#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/head_tree.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

namespace {

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
  // The tree as text: each node's text, children in brackets, as "A[x y] B[z]".
  std::string Shape(THeadTreeNode* parent) {
    std::string text;
    THeadTreeNode* first = parent->Child;
    if (first == nullptr) return text;
    THeadTreeNode* node = first;
    do {
      if (!text.empty()) text += ' ';
      text += node->Text;
      if (node->Child != nullptr) text += "[" + Shape(node) + "]";
      node = node->Next;
    } while (node != first);
    return text;
  }
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

TEST(TitleWords, PositionsAndWords) {
  EXPECT_EQ(THeadTreeNode::WordPosition(2, "||ab|cd", "|"), 6);
  EXPECT_EQ(THeadTreeNode::WordPosition(3, "ab|cd", "|"), 0);
  EXPECT_EQ(THeadTreeNode::ExtractWord(2, "ab||cd|e", "|"), "cd");
  int pos = 0;
  EXPECT_EQ(THeadTreeNode::ExtractWordPos(1, "地址|城市", "|", pos), "地址");
  EXPECT_EQ(pos, 1);
}
