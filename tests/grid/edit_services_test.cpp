// What the grid takes from the data-aware edit controls: button sizes, the recently-used
// list, the special lookup row, extra edit buttons and the value helpers over data sets.
#include <gtest/gtest.h>

#include <cmath>

#include "gridlib/controls/button_metrics.h"
#include "gridlib/controls/db_utils_ex.h"
#include "gridlib/controls/edit_buttons.h"
#include "gridlib/controls/lookup_extra_row.h"
#include "gridlib/controls/mru_list.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/text_out.h"
#include "platform/windows/system_metrics.h"
#include "tests/grid/grid_test_support.h"

namespace grid_test {
namespace {

TEST(ButtonMetrics, FlatButtonsAreOddTwoThirdsOfTheScreenFontAndNoWiderThanAScrollBar) {
  const int width = FlatButtonWidth();
  HDC screen = CreateCompatibleDC(nullptr);
  TEXTMETRIC tm;
  GetTextMetrics(screen, &tm);
  DeleteDC(screen);
  const int twoThirds = static_cast<int>(std::lround(tm.tmHeight * 2.0 / 3.0));
  EXPECT_EQ(width % 2, 1) << "an arrow glyph needs a middle column";
  EXPECT_LE(width, GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_TRUE(width == twoThirds || width == twoThirds + 1 || width == GetSystemMetrics(SM_CXVSCROLL))
      << width << " from a text two thirds of " << twoThirds;
}

TEST(ButtonMetrics, ScalingByOneAndAHalfRoundsHalvesToEven) {
  struct Case {
    int width;
    int scaled;
  };
  for (const Case& c : {Case{17, 26}, Case{15, 22}, Case{13, 20}, Case{11, 16}, Case{16, 24}, Case{0, 0}}) {
    EXPECT_EQ(ScaleButtonWidthEx(c.width, true), c.scaled) << c.width;
    EXPECT_EQ(ScaleButtonWidthEx(c.width, false), c.width) << c.width;
  }
}

TEST(RecentlyUsedList, DefaultsAndEachTextOnceNewestFirstWithinTheLimit) {
  TMRUListEx list;
  EXPECT_FALSE(list.Active());
  EXPECT_TRUE(list.AutoAdd());
  EXPECT_FALSE(list.CaseSensitive());
  EXPECT_EQ(list.Limit(), 100);
  EXPECT_EQ(list.Rows(), 7);
  list.AddText("  Zed  ");
  list.AddText("zED");
  list.AddText("   ");
  list.AddText("Amy");
  ASSERT_EQ(list.Items()->Count(), 2) << "a repeat in another case and an empty text add nothing";
  EXPECT_EQ(list.Items()->Strings(0), "Amy");
  EXPECT_EQ(list.Items()->Strings(1), "Zed") << "stored trimmed";
  list.SetLimit(1);
  ASSERT_EQ(list.Items()->Count(), 1);
  EXPECT_EQ(list.Items()->Strings(0), "Amy") << "the oldest goes first";
  list.AddText("Bob");
  EXPECT_EQ(list.Items()->Strings(0), "Bob");
  EXPECT_EQ(list.Items()->Count(), 1);
}

TEST(LookupExtraRow, DefaultsAndEveryChangeTellsTheOwner) {
  TSpecRowEx row;
  EXPECT_FALSE(row.Visible());
  EXPECT_TRUE(row.ShowIfNotInKeyList());
  EXPECT_EQ(row.ShortCut(), 0x802E) << "stored layouts rely on the number";
  EXPECT_TRUE(row.Value().IsEmpty());
  EXPECT_FALSE(row.IsFontStored());
  int changes = 0;
  row.OnChange.Bind(nullptr, "", [&](TObject*) { ++changes; });
  row.SetVisible(true);
  row.SetValue(Variant(3));
  row.SetShowIfNotInKeyList(false);
  row.SetCellsText("(none);-");
  row.SetColor(clYellow);
  row.SetShortCut(0);
  EXPECT_EQ(changes, 6);
  row.Font()->SetSize(20);
  EXPECT_EQ(changes, 7);
  EXPECT_TRUE(row.IsFontStored()) << "a font the user changed is stored";
  EXPECT_EQ(row.GetCellText(0), "(none)");
  EXPECT_EQ(row.GetCellText(1), "-");
  EXPECT_EQ(row.GetCellText(2), "");

  TSpecRowEx copy;
  int copyChanges = 0;
  bool fontStoredWhenTold = true;
  copy.OnChange.Bind(nullptr, "", [&](TObject*) {
    ++copyChanges;
    fontStoredWhenTold = copy.IsFontStored();
  });
  TSpecRowEx plain;
  copy.Assign(&plain);
  EXPECT_EQ(copyChanges, 1) << "one copy, one change";
  EXPECT_FALSE(fontStoredWhenTold) << "the owner hears of the copy once it is whole";
  copy.Assign(&row);
  EXPECT_EQ(copyChanges, 2);
  EXPECT_TRUE(copy.Visible());
  EXPECT_EQ(copy.Value(), Variant(3));
  EXPECT_EQ(copy.CellsText(), "(none);-");
  EXPECT_EQ(copy.ShortCut(), 0);
  EXPECT_EQ(copy.Font()->Size(), 20);
}

TEST(EditButtons, AddingAndChangingButtonsTellsTheOwner) {
  TEditButtonsEx buttons(nullptr, TCollectionItemClass::Of<TVisibleEditButtonEx>());
  int changes = 0;
  buttons.OnChange.Bind(nullptr, "", [&](TObject*) { ++changes; });
  TVisibleEditButtonEx* button = buttons.Add();
  EXPECT_TRUE(button->Visible());
  EXPECT_EQ(button->Width(), 0) << "the default width";
  const int added = changes;
  EXPECT_GE(added, 1);
  button->SetWidth(12);
  button->SetVisible(false);
  EXPECT_EQ(changes, added + 2);
  button->SetWidth(-5);
  EXPECT_EQ(button->Width(), 0) << "no negative width";
  const int before = changes;
  delete button;
  EXPECT_GT(changes, before) << "a button that goes is a change too";
}

TEST(ValueHelpers, ValuesAndArraysCompareElementByElement) {
  EXPECT_TRUE(VarEqualsEx(Variant(20), Variant(20)));
  EXPECT_TRUE(VarEqualsEx(Variant(20), Variant(20.0)));
  EXPECT_FALSE(VarEqualsEx(Variant(20), Variant(21)));
  EXPECT_TRUE(VarEqualsEx(Variant::Null(), Variant::Null()));
  EXPECT_FALSE(VarEqualsEx(Variant::Null(), Variant(0)));
  const Variant pair = Variant::FromArray({Variant(1), Variant("x")});
  EXPECT_TRUE(VarEqualsEx(pair, Variant::FromArray({Variant(1), Variant("x")})));
  EXPECT_FALSE(VarEqualsEx(pair, Variant::FromArray({Variant(1), Variant("y")})));
  EXPECT_FALSE(VarEqualsEx(pair, Variant::FromArray({Variant(1)})));
  EXPECT_FALSE(VarEqualsEx(pair, Variant(1))) << "an array never equals a single value";
}

class ValueHelpersOverData : public testing::TestWithParam<Store> {
 protected:
  ValueHelpersOverData() : items(GetParam(), 5) {}
  Items items;
};

TEST_P(ValueHelpersOverData, FieldsTakeTheirValuesInListOrder) {
  TDataSet* ds = items.ds();
  items.GotoId(2);
  ds->Edit();
  SetFieldsValuesEx(ds, "Name; Code", Variant::FromArray({Variant("Zed"), Variant("Q")}));
  SetFieldsValuesEx(ds, "Amount", Variant(7.5));
  ds->Post();
  EXPECT_EQ(ds->FieldByName("Name")->AsString(), "Zed");
  EXPECT_EQ(ds->FieldByName("Code")->AsString(), "Q");
  EXPECT_EQ(ds->FieldByName("Amount")->AsFloat(), 7.5);
  ds->Edit();
  EXPECT_THROW(SetFieldsValuesEx(ds, "Name;Missing", Variant::FromArray({Variant("A"), Variant(1)})),
               Exception)
      << "an unknown field is an error, not a silent skip";
  ds->Cancel();
}

TEST_P(ValueHelpersOverData, BookmarksCompareInDataSetOrder) {
  TDataSet* ds = items.ds();
  items.GotoId(2);
  const TBookmark second = ds->GetBookmark();
  items.GotoId(4);
  const TBookmark fourth = ds->GetBookmark();
  EXPECT_LT(BookmarksCompare(ds, second, fourth), 0);
  EXPECT_GT(BookmarksCompare(ds, fourth, second), 0);
  EXPECT_EQ(BookmarksCompare(ds, second, second), 0);
}

INSTANTIATE_TEST_SUITE_P(Stores, ValueHelpersOverData, testing::Values(Store::Memory, Store::Sqlite),
                         StoreName);

}  // namespace
}  // namespace grid_test
