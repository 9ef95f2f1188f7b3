// The grid object as a form stores it: control settings with their defaults, DefaultDrawing,
// the footer sums' settings and every event, written only when assigned; and the operations
// through which painting and the editor hand cells to the application.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "gridlib/grid/cell_text.h"
#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_scroll_bars.h"
#include "gridlib/grid/db_grid.h"
#include "platform/classes/properties.h"
#include "platform/graphics/graphics_objects.h"
#include "tests/grid/grid_stream_support.h"

namespace grid_test {
namespace {

// Every event the grid publishes besides those of the base controls.
const std::vector<const char*> kGridEvents = {
    "OnApplyFilter",        "OnCellClick",       "OnCheckButton",        "OnColEnter",
    "OnColExit",            "OnColumnMoved",     "OnColWidthsChanged",   "OnDrawColumnCell",
    "OnDrawDataCell",       "OnDrawFooterCell",  "OnEditButtonClick",    "OnGetBtnParams",
    "OnGetCellParams",      "OnGetFooterParams", "OnMoveRecords",        "OnSelectionChanged",
    "OnSortMarkingChanged", "OnSumListAfterRecalcAll", "OnSumListRecalcAll", "OnTitleBtnClick",
    "OnTitleClick",         "OnContextPopup"};
const std::vector<const char*> kSumListEvents = {"OnRecalcAll", "OnAfterRecalcAll", "SumListChanged"};

// Names a method for an event, as a form designer does; the method need not exist to be stored.
void NameHandler(TObject* owner, TObject* root, const char* event) {
  const TPropInfo* info = GetPropInfo(owner, event);
  ASSERT_NE(info, nullptr) << event << " is not published";
  ASSERT_EQ(info->Kind, pkMethod) << event;
  GetMethodProp(owner, info)->BindByName(root, String("Grid1") + event);
}

String HandlerName(TObject* owner, const char* event) {
  return GetMethodProp(owner, GetPropInfo(owner, event))->MethodName();
}

TEST(GridObjectStreaming, ControlSettingsAndEventsAreStoredWithTheGrid) {
  TDBGridEx grid(nullptr);
  for (const char* name :
       {"Align", "Anchors", "BiDiMode", "BorderStyle", "Color", "Constraints", "Ctl3D", "DragCursor",
        "DragKind", "DragMode", "Enabled", "FixedColor", "Font", "ImeMode", "ImeName", "ParentColor",
        "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop",
        "Visible", "DefaultDrawing", "SumList", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag",
        "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove",
        "OnMouseUp"}) {
    EXPECT_TRUE(IsPublishedProp(&grid, name)) << name;
  }
  for (const char* event : kGridEvents) EXPECT_TRUE(IsPublishedProp(&grid, event)) << event;
}

TEST(GridObjectStreaming, NewGridStoresNoneOfItsDefaults) {
  TDBGridEx grid(nullptr);
  grid.SetName("Grid1");
  EXPECT_TRUE(grid.DefaultDrawing());
  EXPECT_EQ(grid.BorderStyle(), bsSingle);
  EXPECT_FALSE(grid.ParentColor());
  EXPECT_TRUE(grid.TabStop());
  EXPECT_FALSE(grid.SumList()->Active());
  const String text = ComponentAsText(&grid);
  for (const char* name : {"DefaultDrawing", "BorderStyle", "ParentColor", "TabStop", "BiDiMode",
                           "Constraints", "PopupMenu", "SumList", "On"}) {
    EXPECT_EQ(text.find(name), String::npos) << name << " in\n" << text;
  }
}

TEST(GridObjectStreaming, ChangedSettingsRoundTrip) {
  TDBGridEx grid(nullptr);
  grid.SetName("Grid1");
  grid.SetDefaultDrawing(false);
  grid.SetBorderStyle(bsNone);
  grid.SetTabStop(false);
  grid.SetBiDiMode(bdRightToLeft);
  grid.Constraints()->SetMinWidth(50);
  grid.SumList()->SetExternalRecalc(true);
  grid.SumList()->SetVirtualRecords(true);
  grid.SumList()->SetActive(true);
  const String text = ComponentAsText(&grid);
  for (const char* line : {"DefaultDrawing = False", "BorderStyle = bsNone", "TabStop = False",
                           "BiDiMode = bdRightToLeft", "Constraints.MinWidth = 50", "SumList.Active = True",
                           "SumList.ExternalRecalc = True", "SumList.VirtualRecords = True"}) {
    EXPECT_NE(text.find(line), String::npos) << line << " missing from\n" << text;
  }

  TDBGridEx copy(nullptr);
  CopyByStream(&grid, &copy);
  EXPECT_FALSE(copy.DefaultDrawing());
  EXPECT_EQ(copy.BorderStyle(), bsNone);
  EXPECT_FALSE(copy.TabStop());
  EXPECT_EQ(copy.BiDiMode(), bdRightToLeft);
  EXPECT_EQ(copy.Constraints()->MinWidth(), 50);
  EXPECT_TRUE(copy.SumList()->Active());
  EXPECT_TRUE(copy.SumList()->ExternalRecalc());
  EXPECT_TRUE(copy.SumList()->VirtualRecords());
}

TEST(GridObjectStreaming, OnlyAssignedEventsAreStoredAndReadBack) {
  TDBGridEx grid(nullptr);
  grid.SetName("Grid1");
  NameHandler(&grid, &grid, "OnDrawColumnCell");
  NameHandler(grid.SumList(), &grid, "OnAfterRecalcAll");
  const String some = ComponentAsText(&grid);
  EXPECT_NE(some.find("OnDrawColumnCell = Grid1OnDrawColumnCell"), String::npos) << some;
  EXPECT_NE(some.find("SumList.OnAfterRecalcAll = Grid1OnAfterRecalcAll"), String::npos) << some;
  EXPECT_EQ(some.find("OnDrawDataCell"), String::npos) << some;
  EXPECT_EQ(some.find("OnSumListRecalcAll"), String::npos) << some;

  for (const char* event : kGridEvents) NameHandler(&grid, &grid, event);
  for (const char* event : kSumListEvents) NameHandler(grid.SumList(), &grid, event);
  TDBGridEx copy(nullptr);
  CopyByStream(&grid, &copy);
  for (const char* event : kGridEvents) EXPECT_EQ(HandlerName(&copy, event), String("Grid1") + event);
  for (const char* event : kSumListEvents) {
    EXPECT_EQ(HandlerName(copy.SumList(), event), String("Grid1") + event);
  }
}

TEST(GridObjectStreaming, AssigningSumListCopiesItsSettingsAndEvents) {
  TDBGridEx grid(nullptr);
  TDBGridExSumList settings(nullptr);
  int recalcs = 0;
  settings.SetExternalRecalc(true);
  settings.SetVirtualRecords(true);
  settings.OnRecalcAll.Bind(nullptr, "CountAll", [&](TObject*) { ++recalcs; });
  settings.SetActive(true);
  ASSERT_EQ(recalcs, 1);
  grid.SetSumList(&settings);
  EXPECT_TRUE(grid.SumList()->Active());
  EXPECT_TRUE(grid.SumList()->ExternalRecalc());
  EXPECT_TRUE(grid.SumList()->VirtualRecords());
  EXPECT_EQ(grid.SumList()->OnRecalcAll.MethodName(), "CountAll");
  EXPECT_EQ(recalcs, 2) << "switched on with the copied handler, the grid's list counted too";
  TFont font;
  EXPECT_THROW(grid.SumList()->Assign(&font), EConvertError);
}

TEST(GridObjectEvents, PaintingAndEditorOperationsHandCellsToTheApplication) {
  TDBGridEx grid(nullptr);
  TColumnEx* column = grid.Columns()->Add();
  TFont font;
  TColor background = clWindow;
  const TGridDrawState state{gdSelected};
  grid.GetCellParams(column, &font, background, state);
  EXPECT_EQ(background, clWindow) << "nothing changes while the event is unassigned";

  grid.OnGetCellParams.Bind(nullptr, "", [&](TObject* sender, TColumnEx* c, TFont* f, TColor& bg,
                                             TGridDrawState s) {
    EXPECT_EQ(sender, &grid);
    EXPECT_EQ(c, column);
    EXPECT_EQ(s, state);
    f->SetColor(clRed);
    bg = clYellow;
  });
  grid.GetCellParams(column, &font, background, state);
  EXPECT_EQ(background, clYellow);
  EXPECT_EQ(font.Color(), clRed);

  grid.OnGetFooterParams.Bind(nullptr, "", [&](TObject*, int dataCol, int row, TColumnEx* c, TFont*,
                                               TColor& bg, TAlignment& alignment, TGridDrawState,
                                               String& text) {
    EXPECT_EQ(dataCol, 0);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(c, column);
    bg = clAqua;
    alignment = taRightJustify;
    text = text + "!";
  });
  TAlignment alignment = taLeftJustify;
  String text = "12";
  grid.GetFooterParams(0, 1, column, &font, background, alignment, state, text);
  EXPECT_EQ(background, clAqua);
  EXPECT_EQ(alignment, taRightJustify);
  EXPECT_EQ(text, "12!");

  std::vector<String> drawn;
  const TRect rect(1, 2, 30, 20);
  grid.OnDrawColumnCell.Bind(nullptr, "", [&](TObject*, const TRect& r, int dataCol, TColumnEx* c,
                                              TGridDrawState s) {
    EXPECT_EQ(r, rect);
    EXPECT_EQ(c, column);
    EXPECT_EQ(s, state);
    drawn.push_back("column " + std::to_string(dataCol));
  });
  grid.OnDrawDataCell.Bind(nullptr, "", [&](TObject*, const TRect& r, TField* field, TGridDrawState) {
    EXPECT_EQ(r, rect);
    drawn.push_back(field == nullptr ? "no field" : "field");
  });
  grid.OnEditButtonClick.Bind(nullptr, "", [&](TObject* sender) {
    EXPECT_EQ(sender, &grid);
    drawn.push_back("button");
  });
  grid.DrawColumnCell(rect, 3, column, state);
  grid.DrawDataCell(rect, nullptr, state);
  grid.EditButtonClick();
  EXPECT_EQ(drawn, (std::vector<String>{"column 3", "no field", "button"}));
}

}  // namespace
namespace {

class TWideColumns : public TDBGridColumnsEx {
 public:
  using TDBGridColumnsEx::TDBGridColumnsEx;
};

// A descendant that brings a column collection of its own kind.
class TOwnColumnsGrid : public TCustomDBGridEx {
 public:
  explicit TOwnColumnsGrid(TComponent* owner) : TCustomDBGridEx(owner, TPartsMadeLater{}) { CreateGridParts(); }

 protected:
  TDBGridColumnsEx* CreateColumns() override {
    return new TWideColumns(this, TCollectionItemClass::Of<TDBGridColumnEx>());
  }
};

}  // namespace

TEST(GridObjectParts, TheGridMakesItsPartsThroughOperationsADescendantReplaces) {
  TDBGridEx plain(nullptr);
  EXPECT_NE(dynamic_cast<TVertDBGridExScrollBar*>(plain.VertScrollBar()), nullptr);
  EXPECT_EQ(dynamic_cast<TVertDBGridExScrollBar*>(plain.HorzScrollBar()), nullptr);
  EXPECT_NE(dynamic_cast<TDBGridExColumnDefValuesEx*>(plain.ColumnDefValues()), nullptr);
  TOwnColumnsGrid own(nullptr);
  EXPECT_NE(dynamic_cast<TWideColumns*>(own.Columns()), nullptr);
  own.Columns()->Add()->SetWidth(30);
  EXPECT_EQ(own.ColCount(), 2) << "the grid works with them as with its own";
}

TEST(GridObjectParts, TheFirstGridMakesTheSharedDrawBitmapAndTheLastOneFreesIt) {
  ASSERT_EQ(SharedDrawBitmap(), nullptr) << "no grid lives before this test";
  auto first = std::make_unique<TDBGridEx>(nullptr);
  TBitmap* shared = SharedDrawBitmap();
  EXPECT_NE(shared, nullptr);
  auto second = std::make_unique<TDBGridEx>(nullptr);
  EXPECT_EQ(SharedDrawBitmap(), shared) << "one bitmap for every grid";
  first.reset();
  EXPECT_EQ(SharedDrawBitmap(), shared);
  second.reset();
  EXPECT_EQ(SharedDrawBitmap(), nullptr);
}

}  // namespace grid_test
