// The editor's lookup list and calendar: orders with a customer looked up by code and a
// delivery date, edited in a grid by keys and the mouse.
#include <gtest/gtest.h>

#include <memory>

#include "gridlib/controls/lookup_extra_row.h"
#include "gridlib/controls/popup_calendar.h"
#include "gridlib/controls/popup_list.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/db_grid_inplace_edit.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/core/datetime.h"
#include "platform/data/data_source.h"
#include "platform/data/field_kinds.h"
#include "platform/data/mem_dataset.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "platform/windows/window_tree.h"
#include "tests/grid/customer_orders.h"
#include "tests/grid/grid_paint_support.h"
#include "tests/grid/grid_window_support.h"
#include "tests/support/key_input.h"

using namespace grid_test;

namespace {

constexpr int kDelivery = 1;
constexpr int kCustomer = 3;

class LookupAndCalendar : public testing::Test {
 protected:
  void SetUp() override {
    customers = MakeCustomers();
    orders = std::make_unique<TMemDataSet>(nullptr);
    AddTestField(orders.get(), ftInteger, "ID");
    AddTestField(orders.get(), ftDate, "Delivery");
    AddCustomerLookup(orders.get(), customers.get());
    orders->CreateDataSet();
    orders->AppendRecord({Variant(1), Variant::FromDateTime(EncodeDate(2026, 3, 15)), Variant(20)});
    orders->First();
    source.SetDataSet(orders.get());
    grid = ShowGridOnForm(form, &source);
  }
  void TearDown() override {
    delete form;
    source.SetDataSet(nullptr);
  }
  TDBGridInplaceEdit* Editor() { return grid->DBInplaceEditor(); }
  void Open(int dataCol) {
    grid->SetSelectedIndex(dataCol);
    test_input::Key(grid, VK_F2);
    ASSERT_NE(Editor(), nullptr);
    ASSERT_TRUE(grid->InplaceEditorShowing());
  }
  void Key(uint16_t vk) { test_input::Key(Editor(), vk); }
  // A click at a client point of a dropped window, as the editor holding the mouse gets it.
  void ClickIn(TWinControl* popup, TPoint at) {
    const LPARAM p = PointToLParam(Editor()->ScreenToClient(popup->ClientToScreen(at)));
    Editor()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, p);
    Editor()->Perform(WM_LBUTTONUP, 0, p);
  }
  TField* Field(const char* name) { return orders->FieldByName(name); }

  TApplicationScope app;
  GridLibraryScope library;
  std::unique_ptr<TMemDataSet> customers;
  std::unique_ptr<TMemDataSet> orders;
  TDataSource source{nullptr};
  TForm* form = nullptr;
  TDBGridEx* grid = nullptr;
};

// The lookup list shows the looked-up texts with the special row first, marks the record's
// key, and a choice stores the chosen record's key; the lookup data set's cursor stays put.
TEST_F(LookupAndCalendar, TheLookupListStoresTheChosenKey) {
  TSpecRowEx* special = grid->Columns()->Items(kCustomer)->DropDownSpecRow();
  special->SetCellsText("(nobody)");
  special->SetValue(Variant(0));
  special->SetVisible(true);
  customers->Last();
  Open(kCustomer);
  EXPECT_EQ(Editor()->Text(), "Customer 20");
  Key(VK_F4);
  TPopupListEx* list = Editor()->DroppedList();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->Count(), 4);
  EXPECT_EQ(list->ItemText(0), "(nobody)");
  EXPECT_EQ(list->ItemText(3), "Customer 30");
  EXPECT_EQ(list->ItemIndex(), 2) << "the record's own customer";
  EXPECT_EQ(customers->FieldByName("Code")->AsInteger(), 30) << "reading the list moved no cursor";
  ClickIn(list, TPoint{4, list->ItemRect(3).Top + 2});
  EXPECT_FALSE(Editor()->ListDroppedDown());
  EXPECT_EQ(Editor()->Text(), "Customer 30");
  orders->Post();
  EXPECT_EQ(Field("Customer")->AsInteger(), 30);
  EXPECT_EQ(Field("CustomerTitle")->AsString(), "Customer 30");
}

// The list draws its lines, the one marked in the highlight colours.
TEST_F(LookupAndCalendar, TheListDrawsItsLinesAndMarksOne) {
  Open(kCustomer);
  Key(VK_F4);
  TPopupListEx* list = Editor()->DroppedList();
  ASSERT_NE(list, nullptr);
  grid_test::PixelReader picture;
  picture.bmp.SetSize(list->Width(), list->Height());
  list->PaintTo(picture.canvas()->Handle(), 0, 0);
  TRect window;
  GetWindowRect(list->Handle(), window);
  const TPoint client = list->ClientToScreen(TPoint{0, 0});
  auto shown = [&](TRect r) {
    OffsetRect(r, client.x - window.Left, client.y - window.Top);
    return r;
  };
  ASSERT_EQ(list->ItemIndex(), 1);
  for (int line = 0; line < list->Count(); ++line) {
    SCOPED_TRACE(line);
    const TRect r = shown(list->ItemRect(line));
    const TColor paper = line == list->ItemIndex() ? clHighlight : clWindow;
    EXPECT_GT(picture.Count(paper, r), r.Width() * r.Height() / 2);
    EXPECT_FALSE(picture.InkBounds(paper, r).IsEmpty()) << "the line's text";
  }
  picture.SaveOnFailure();
}

// The calendar opens on the cell's date; the arrows and pages move the marked day, Enter or a
// click on a day chooses it, Escape leaves the date alone.
TEST_F(LookupAndCalendar, TheCalendarChoosesADate) {
  EXPECT_EQ(GetColumnEditStyle(grid->Columns()->Items(kDelivery)), 4);
  Open(kDelivery);
  Key(VK_F4);
  TPopupCalendarEx* calendar = Editor()->DroppedCalendar();
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(calendar->Date(), EncodeDate(2026, 3, 15));
  Key(VK_RIGHT);
  Key(VK_DOWN);
  Key(VK_NEXT);
  EXPECT_EQ(calendar->Date(), EncodeDate(2026, 4, 23));
  // April 2026 starts on a Wednesday: the 23rd is Thursday of the fourth week.
  grid_test::PixelReader picture;
  picture.bmp.SetSize(calendar->Width(), calendar->Height());
  calendar->PaintTo(picture.canvas()->Handle(), 0, 0);
  const TRect marked = calendar->CellRect(4, 2 + 3);
  EXPECT_GT(picture.Count(clHighlight, marked), marked.Width() * marked.Height() / 2);
  EXPECT_EQ(picture.Count(clHighlight, calendar->CellRect(3, 2 + 3)), 0);
  picture.SaveOnFailure();
  Key(VK_ESCAPE);
  EXPECT_FALSE(Editor()->ListDroppedDown());
  EXPECT_EQ(Editor()->Text(), DateToStr(EncodeDate(2026, 3, 15)));

  Key(VK_F4);
  Key(VK_LEFT);
  Key(VK_RETURN);
  EXPECT_EQ(Editor()->Text(), DateToStr(EncodeDate(2026, 3, 14)));

  Key(VK_F4);
  ASSERT_NE(Editor()->DroppedCalendar(), nullptr);
  // March 2026 starts on a Sunday: the first week row holds the 1st to the 7th.
  const TRect third = calendar->CellRect(2, 2);
  ClickIn(calendar, TPoint{(third.Left + third.Right) / 2, (third.Top + third.Bottom) / 2});
  EXPECT_FALSE(Editor()->ListDroppedDown());
  EXPECT_EQ(Editor()->Text(), DateToStr(EncodeDate(2026, 3, 3)));
  orders->Post();
  EXPECT_EQ(Field("Delivery")->AsDateTime(), EncodeDate(2026, 3, 3));
}

// A click on the title's arrows turns the months without choosing.
TEST_F(LookupAndCalendar, TheCalendarTitleArrowsTurnTheMonths) {
  Open(kDelivery);
  Key(VK_F4);
  TPopupCalendarEx* calendar = Editor()->DroppedCalendar();
  ASSERT_NE(calendar, nullptr);
  const TRect next = calendar->CellRect(6, 0);
  ClickIn(calendar, TPoint{(next.Left + next.Right) / 2, (next.Top + next.Bottom) / 2});
  EXPECT_TRUE(Editor()->ListDroppedDown());
  EXPECT_EQ(calendar->Date(), EncodeDate(2026, 4, 15));
  const TRect prior = calendar->CellRect(0, 0);
  ClickIn(calendar, TPoint{prior.Left + 2, prior.Top + 2});
  ClickIn(calendar, TPoint{prior.Left + 2, prior.Top + 2});
  EXPECT_EQ(calendar->Date(), EncodeDate(2026, 2, 15));
}

}  // namespace
