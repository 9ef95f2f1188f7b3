// Streams of grids hold only what the user assigned, and read back the same.
#include <gtest/gtest.h>

#include "gridlib/controls/edit_buttons.h"
#include "gridlib/controls/lookup_extra_row.h"
#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"
#include "tests/classes/stream_test_support.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;
using namespace stream_samples;

namespace {

// A multi-sort grid whose column items (text form, up to the closing '>') are given.
std::vector<uint8_t> MultiSortGrid(const std::string& items) {
  return ToBinary("object Grid1: TTestGrid\n"
                  "  OptionsEx = [dghFixed3D, dghHighlightFocus, dghClearSelection, "
                  "dghMultiSortMarking, dghDialogFind]\n"
                  "  Columns = <\n" +
                  items + "end\n");
}

}  // namespace

TEST(ColumnStreaming, FreshColumnsWriteOnlyTheirFieldName) {
  TTestGrid grid(nullptr);
  grid.SetName("Grid1");
  grid.Columns()->Add()->SetFieldName("ID");
  const String text = ToText(WriteTree(&grid));
  EXPECT_EQ(text,
            "object Grid1: TTestGrid\n"
            "  Columns = <\n"
            "    item\n"
            "      FieldName = 'ID'\n"
            "    end>\n"
            "end\n");
}

TEST(ColumnStreaming, DefaultColumnsAreNotStored) {
  TTestGrid grid(nullptr);
  grid.SetName("Grid1");
  grid.Columns()->InternalAdd()->SetFieldName("ID");
  EXPECT_EQ(ToText(WriteTree(&grid)), "object Grid1: TTestGrid\nend\n");
}

TEST(ColumnStreaming, AssignedValuesWriteAndReadBack) {
  TTestGrid grid(nullptr);
  grid.SetName("Grid1");
  grid.SetOptionsEx(grid.OptionsEx() + dghMultiSortMarking);
  grid.ColumnDefValues()->SetToolTips(true);
  grid.ColumnDefValues()->Title()->SetAlignment(taCenter);
  TColumnEx* column = grid.Columns()->Add();
  column->SetFieldName("Name");
  column->SetColor(clRed);
  column->SetWidth(120);
  column->SetMaxWidth(200);
  column->Font()->SetSize(14);
  column->SetIncrement(2.5);
  column->SetNotInKeyListIndex(0);
  column->KeyList()->Add("Y;yes");
  column->KeyList()->Add("N");
  column->PickList()->Add("Yes");
  column->Title()->SetCaption("Full name");
  column->Title()->SetSortMarker(smDownEx);
  column->EditButtons()->Add()->SetWidth(12);
  column->DropDownSpecRow()->SetVisible(true);
  column->Footer()->SetValueType(fvtStaticText);
  column->Footer()->SetValue("Total");
  grid.Columns()->Add()->SetFieldName("ID");
  const std::vector<uint8_t> stream = WriteTree(&grid);

  TTestGrid copy(nullptr);
  ReadInto(stream, &copy);
  ASSERT_EQ(copy.Columns()->Count(), 2);
  TColumnEx* read = copy.Columns()->Items(0);
  EXPECT_EQ(read->FieldName(), "Name");
  EXPECT_EQ(read->Color(), clRed);
  EXPECT_EQ(read->Width(), 120);
  EXPECT_EQ(read->MaxWidth(), 200);
  EXPECT_EQ(read->Font()->Size(), 14);
  EXPECT_EQ(read->Increment(), 2.5);
  EXPECT_EQ(read->NotInKeyListIndex(), 0);
  EXPECT_EQ(read->KeyList()->Text(), column->KeyList()->Text());
  EXPECT_EQ(read->PickList()->Strings(0), "Yes");
  EXPECT_EQ(read->Title()->Caption(), "Full name");
  EXPECT_EQ(read->Title()->SortMarker(), smDownEx);
  EXPECT_EQ(read->Title()->SortIndex(), 1);
  EXPECT_EQ(read->EditButtons()->Count(), 1);
  EXPECT_EQ(read->EditButtons()->Items(0)->Width(), 12);
  EXPECT_TRUE(read->DropDownSpecRow()->Visible());
  EXPECT_EQ(read->Footer()->Value(), "Total");
  EXPECT_TRUE(copy.ColumnDefValues()->ToolTips());
  EXPECT_EQ(copy.ColumnDefValues()->Title()->Alignment(), taCenter);
  EXPECT_EQ(copy.SortMarkedColumns().size(), 1u);
  EXPECT_FALSE(copy.Columns()->Items(1)->IsAssigned(cvColor));
  EXPECT_EQ(WriteTree(&copy), stream) << "a layout read back writes the same stream";
}

TEST(ColumnStreaming, ValuesEqualToTheirDefaultAreNotWritten) {
  TTestGrid grid(nullptr);
  grid.SetName("Grid1");
  TColumnEx* column = grid.Columns()->Add();
  column->SetColor(clWindow);
  column->SetWidth(64);
  column->SetDropDownRows(7);
  column->Title()->SetColor(clBtnFace);
  column->DropDownSpecRow()->SetShortCut(TSpecRowEx::kDefaultShortCut);
  const String text = ToText(WriteTree(&grid));
  EXPECT_EQ(text.find("Color"), String::npos) << text;
  EXPECT_EQ(text.find("Width"), String::npos) << text;
  EXPECT_EQ(text.find("ShortCut"), String::npos) << text;
  EXPECT_TRUE(column->IsAssigned(cvColor));
}

TEST(ColumnStreaming, StoredSortIndexesWithGapsLoadCompacted) {
  TTestGrid grid(nullptr);
  grid.SetName("Grid1");
  ReadInto(MultiSortGrid(
                    "    item\n      FieldName = 'A'\n"
                    "      Title.SortIndex = 4\n      Title.SortMarker = smDownEx\n    end\n"
                    "    item\n      FieldName = 'B'\n"
                    "      Title.SortIndex = 2\n      Title.SortMarker = smUpEx\n    end\n"
                    "    item\n      FieldName = 'C'\n"
                    "      Title.SortIndex = 2\n      Title.SortMarker = smDownEx\n    end>\n"
),
           &grid);
  auto& marked = grid.SortMarkedColumns();
  ASSERT_EQ(marked.size(), 3u);
  EXPECT_EQ(marked[0]->FieldName(), "B");
  EXPECT_EQ(marked[1]->FieldName(), "C");
  EXPECT_EQ(marked[2]->FieldName(), "A");
  EXPECT_EQ(marked[2]->Title()->SortIndex(), 3);
}

TEST(ColumnStreaming, StoredSortIndexesOneToNLoadUnchanged) {
  TTestGrid grid(nullptr);
  grid.SetName("Grid1");
  ReadInto(MultiSortGrid(
                    "    item\n      FieldName = 'A'\n"
                    "      Title.SortIndex = 3\n      Title.SortMarker = smDownEx\n    end\n"
                    "    item\n      FieldName = 'B'\n"
                    "      Title.SortIndex = 1\n      Title.SortMarker = smUpEx\n    end\n"
                    "    item\n      FieldName = 'C'\n"
                    "      Title.SortIndex = 2\n      Title.SortMarker = smDownEx\n    end>\n"
),
           &grid);
  TDBGridColumnsEx* columns = grid.Columns();
  EXPECT_EQ(columns->Items(0)->Title()->SortIndex(), 3);
  EXPECT_EQ(columns->Items(1)->Title()->SortIndex(), 1);
  EXPECT_EQ(columns->Items(2)->Title()->SortIndex(), 2);
  EXPECT_EQ(grid.SortMarkedColumns()[0]->FieldName(), "B");
}

TEST(ColumnStreaming, DropDownBoxAndSpecRowKeepTheirDefaults) {
  TTestGrid grid(nullptr);
  TColumnEx* column = grid.Columns()->Add();
  EXPECT_TRUE(column->DropDownBox()->AutoFitColWidths());
  EXPECT_FALSE(column->DropDownBox()->UseMultiTitle());
  EXPECT_EQ(column->DropDownBox()->Options(), TDBLookupGridExOptions{dlgColLinesEx});
  EXPECT_EQ(column->DropDownSpecRow()->ShortCut(), 0x802E);
  EXPECT_TRUE(column->DropDownSpecRow()->ShowIfNotInKeyList());
  EXPECT_FALSE(column->DropDownSpecRow()->Visible());
}

TEST(ColumnStreaming, DropDownListColumnsAreStoredOnceCustomizedAndCopied) {
  TTestGrid grid(nullptr);
  grid.SetName("Grid1");
  TColumnEx* column = grid.Columns()->Add();
  column->SetFieldName("Kind");
  EXPECT_EQ(ToText(WriteTree(&grid)).find("DropDownBox.Columns"), String::npos)
      << "never customized, never written";
  column->DropDownBox()->Columns()->Add()->SetFieldName("KindName");
  column->DropDownBox()->ColumnDefValues()->SetEndEllipsis(true);
  EXPECT_EQ(column->DataList()->Columns()->Count(), 1) << "the box speaks for the list";

  TTestGrid copy(nullptr);
  ReadInto(WriteTree(&grid), &copy);
  TColumnDropDownBoxEx* read = copy.Columns()->Items(0)->DropDownBox();
  ASSERT_EQ(read->Columns()->Count(), 1);
  EXPECT_EQ(read->Columns()->Items(0)->FieldName(), "KindName");

  TTestGrid other(nullptr);
  TColumnDropDownBoxEx* box = other.Columns()->Add()->DropDownBox();
  box->Assign(column->DropDownBox());
  ASSERT_EQ(box->Columns()->Count(), 1);
  EXPECT_EQ(box->Columns()->Items(0)->FieldName(), "KindName");
  box->Assign(other.Columns()->Add()->DropDownBox());
  EXPECT_EQ(box->Columns()->Count(), 0) << "a box without its own columns clears them";
}

TEST(ColumnStreaming, FilterSettingsStartEmptyAndVisible) {
  TTestGrid grid(nullptr);
  TSTColumnFilterEx* filter = grid.Columns()->Add()->STFilter();
  EXPECT_TRUE(filter->Visible());
  EXPECT_EQ(filter->DataField(), "");
  EXPECT_EQ(filter->KeyField(), "");
  EXPECT_EQ(filter->ListField(), "");
  EXPECT_EQ(filter->ListSource(), nullptr);
}

TEST(ColumnStreaming, FilterSettingsWriteOnlyChangedValuesAndReadBack) {
  TTestGrid grid(nullptr);
  grid.SetName("Grid1");
  TColumnEx* column = grid.Columns()->Add();
  column->SetFieldName("ID");
  column->STFilter()->SetDataField("CODE");
  column->STFilter()->SetVisible(false);
  const std::vector<uint8_t> binary = WriteTree(&grid);
  EXPECT_EQ(ToText(binary),
            "object Grid1: TTestGrid\n"
            "  Columns = <\n"
            "    item\n"
            "      FieldName = 'ID'\n"
            "      STFilter.DataField = 'CODE'\n"
            "      STFilter.Visible = False\n"
            "    end>\n"
            "end\n");

  column->STFilter()->SetKeyField("K");
  column->STFilter()->SetListField("L");
  TTestGrid copy(nullptr);
  ReadInto(WriteTree(&grid), &copy);
  ASSERT_EQ(copy.Columns()->Count(), 1);
  TSTColumnFilterEx* read = copy.Columns()->Items(0)->STFilter();
  EXPECT_EQ(read->DataField(), "CODE");
  EXPECT_EQ(read->KeyField(), "K");
  EXPECT_EQ(read->ListField(), "L");
  EXPECT_FALSE(read->Visible());
}

TEST(ColumnStreaming, FilterSettingsAssignCopiesEveryPublishedValue) {
  TTestGrid grid(nullptr);
  TSTColumnFilterEx* from = grid.Columns()->Add()->STFilter();
  TSTColumnFilterEx* to = grid.Columns()->Add()->STFilter();
  from->SetDataField("D");
  from->SetKeyField("K");
  from->SetListField("L");
  from->SetVisible(false);
  to->Assign(from);
  EXPECT_EQ(to->DataField(), "D");
  EXPECT_EQ(to->KeyField(), "K");
  EXPECT_EQ(to->ListField(), "L");
  EXPECT_FALSE(to->Visible());
}
