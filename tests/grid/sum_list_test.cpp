#include <gtest/gtest.h>

#include <string>

#include "gridlib/controls/sum_list.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/columns.h"
#include "platform/core/format.h"
#include "platform/data/dataset.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

namespace {

class FooterSums : public testing::TestWithParam<Store> {
 protected:
  FooterSums() : g(GetParam(), 4) {}
  TColumnEx* Column(const char* fieldName) {
    TColumnEx* column = g.grid->Columns()->Add();
    column->SetFieldName(fieldName);
    return column;
  }
  TDBSumListProducer* SumList() { return g.grid->SumList(); }
  TDBSumCollection* Sums() { return SumList()->SumCollection(); }
  GridOverItems g;
};

}  // namespace

TEST_P(FooterSums, AggregateFootersOwnASumOfTheirField) {
  TColumnEx* amount = Column("Amount");
  amount->Footer()->SetValueType(fvtSum);
  ASSERT_EQ(Sums()->Count(), 1);
  EXPECT_EQ(Sums()->Items(0)->GroupOperation(), goSum);
  EXPECT_EQ(Sums()->Items(0)->FieldName(), "Amount") << "an empty FieldName sums the column's field";
  amount->Footers()->Add()->SetValueType(fvtCount);
  amount->Footers()->Items(0)->SetFieldName("ID");
  EXPECT_EQ(Sums()->Count(), 2);
  EXPECT_EQ(Sums()->FindSum(goCount, "")->FieldName(), "");
  EXPECT_EQ(Sums()->FindSum(goSum, "amount"), amount->Footer()->Sum());

  amount->Footer()->SetValueType(fvtStaticText);
  EXPECT_EQ(amount->Footer()->Sum(), nullptr);
  EXPECT_EQ(Sums()->Count(), 1);
  g.grid->Columns()->Clear();
  EXPECT_EQ(Sums()->Count(), 0) << "a footer's sum goes with it";
}

TEST_P(FooterSums, ActiveSumsFollowTheDataSet) {
  Column("Amount")->Footer()->SetValueType(fvtSum);
  TColumnEx* id = Column("ID");
  id->Footer()->SetValueType(fvtAvg);
  id->Footers()->Add()->SetValueType(fvtCount);
  int changes = 0;
  SumList()->SumListChanged.Bind(nullptr, "", [&](TObject*) { ++changes; });
  SumList()->SetHooked(true);
  EXPECT_EQ(Sums()->FindSum(goSum, "Amount")->SumValue(), Currency::FromDouble(15.0));
  EXPECT_EQ(Sums()->FindSum(goAvg, "ID")->SumValue(), Currency::FromDouble(2.5));
  EXPECT_EQ(Sums()->FindSum(goCount, "")->SumValue().Raw(), 40000);
  EXPECT_EQ(changes, 1);

  g.items.GotoId(2);
  g.items.ds()->Edit();
  g.items.ds()->FieldByName("Amount")->SetAsFloat(10);
  g.items.ds()->Post();
  EXPECT_EQ(Sums()->FindSum(goSum, "Amount")->SumValue(), Currency::FromDouble(22.0));
  g.items.ds()->Delete();
  EXPECT_EQ(Sums()->FindSum(goCount, "")->SumValue().Raw(), 30000);
  EXPECT_EQ(g.items.CurrentId(), 3) << "counting leaves the cursor where it was";
}

TEST_P(FooterSums, HooksChainAndGiveBackTheDataSetsOwnHandlers) {
  int posts = 0;
  g.items.ds()->AfterPost.Bind(nullptr, "UserAfterPost", [&](TDataSet*) { ++posts; });
  Column("Amount")->Footer()->SetValueType(fvtSum);
  SumList()->SetHooked(true);
  g.items.ds()->Edit();
  g.items.ds()->FieldByName("Amount")->SetAsFloat(100);
  g.items.ds()->Post();
  EXPECT_EQ(posts, 1);
  SumList()->SetHooked(false);
  EXPECT_EQ(g.items.ds()->AfterPost.MethodName(), "UserAfterPost");
  const Currency before = Sums()->Items(0)->SumValue();
  g.items.ds()->Edit();
  g.items.ds()->FieldByName("Amount")->SetAsFloat(1);
  g.items.ds()->Post();
  EXPECT_EQ(posts, 2);
  EXPECT_EQ(Sums()->Items(0)->SumValue(), before) << "an inactive list no longer counts";
}

TEST_P(FooterSums, ExternalRecalcLeavesCountingToTheEvent) {
  Column("Amount")->Footer()->SetValueType(fvtSum);
  SumList()->SetExternalRecalc(true);
  SumList()->OnRecalcAll.Bind(nullptr, "", [&](TObject*) {
    Sums()->Items(0)->SetSumValue(Currency::FromInt(42));
  });
  SumList()->SetHooked(true);
  EXPECT_EQ(Sums()->Items(0)->SumValue(), Currency::FromInt(42));

  auto postAmount = [&](int id, double amount) {
    g.items.GotoId(id);
    g.items.ds()->Edit();
    g.items.ds()->FieldByName("Amount")->SetAsFloat(amount);
    g.items.ds()->Post();
  };
  SumList()->SetExternalRecalc(false);
  SumList()->RecalcAll();
  EXPECT_EQ(Sums()->Items(0)->SumValue(), Currency::FromInt(15));
  SumList()->SetExternalRecalc(true);
  postAmount(1, 2.5);  // was 1.5, counted by the application
  SumList()->SetExternalRecalc(false);
  postAmount(2, 4);  // was 3
  EXPECT_EQ(Sums()->Items(0)->SumValue(), Currency::FromInt(17)) << "the change the application counted is not lost";
}

TEST_P(FooterSums, RecordAddressingFollowsTheDataSet) {
  SumList()->SetHooked(true);
  EXPECT_TRUE(SumList()->IsSequenced());
  EXPECT_EQ(SumList()->RecordCount(), 4);
  SumList()->SetRecNo(3);
  EXPECT_EQ(g.items.CurrentId(), 3);
  EXPECT_EQ(SumList()->RecNo(), 3);
}

INSTANTIATE_TEST_SUITE_P(Stores, FooterSums, testing::Values(Store::Memory, Store::Sqlite),
                         StoreName);

TEST_P(FooterSums, FooterTextsFollowTheFieldKinds) {
  TColumnEx* id = Column("ID");
  id->Footer()->SetValueType(fvtSum);
  id->Footers()->Add()->SetValueType(fvtCount);
  id->Footers()->Add()->SetValueType(fvtStaticText);
  id->Footers()->Items(1)->SetValue("Total");
  TColumnEx* amount = Column("Amount");
  amount->Footer()->SetValueType(fvtSum);
  TColumnEx* flag = Column("Flag");
  flag->Footer()->SetValueType(fvtSum);
  SumList()->SetHooked(true);
  TTestGrid* grid = g.grid.get();

  EXPECT_EQ(grid->GetFooterValue(0, id), "4") << "row 0 is the first of Footers, a count";
  EXPECT_EQ(grid->GetFooterValue(1, id), "Total");
  EXPECT_EQ(grid->GetFooterValue(5, id), "10") << "rows beyond Footers use the single footer, "
                                                  "an integer sum without a format";
  EXPECT_EQ(grid->GetFooterValue(0, flag), "0") << "no number to sum";
  EXPECT_EQ(grid->GetFooterValue(0, amount),
            FloatToStrF(15.0, ffCurrency, 15, FormatSettings.CurrencyDecimals));
  amount->Footer()->SetDisplayFormat("0.0");
  EXPECT_EQ(grid->GetFooterValue(0, amount), "15.0");

  id->Footers()->Items(0)->SetFieldName("Missing");
  EXPECT_EQ(grid->GetFooterValue(0, id), "4") << "a count needs no field";
  id->Footers()->Items(0)->SetDisplayFormat("0.00");
  EXPECT_EQ(grid->GetFooterValue(0, id), "4.00");
  id->Footer()->SetFieldName("Missing");
  EXPECT_EQ(grid->GetFooterValue(5, id), "0");
}

TEST_P(FooterSums, FieldValueFootersShowTheCurrentRecord) {
  TColumnEx* name = Column("Name");
  name->Footer()->SetValueType(fvtFieldValue);
  EXPECT_EQ(g.grid->GetFooterValue(0, name), "") << "without a field name";
  name->Footer()->SetFieldName("Amount");
  name->Footer()->SetDisplayFormat("0.00");
  g.items.GotoId(2);
  EXPECT_EQ(g.grid->GetFooterValue(0, name), "3.00");
  g.items.ds()->Close();
  EXPECT_EQ(g.grid->GetFooterValue(0, name), "") << "a closed data set shows nothing";
}

namespace {

// The sums as they stand, and as a count of every record gives them.
std::string SumsText(TDBSumCollection* sums) {
  std::string text;
  for (int i = 0; i < sums->Count(); ++i) text += std::to_string(sums->Items(i)->SumValue().Raw()) + " ";
  return text;
}

}  // namespace

TEST_P(FooterSums, PostsInsertsAndDeletesMoveTheSumsWithoutWalkingTheRecords) {
  GridOverItems big(GetParam(), 40);
  TDBGridColumnsEx* columns = big.grid->Columns();
  TColumnEx* amount = columns->Add();
  amount->SetFieldName("Amount");
  amount->Footer()->SetValueType(fvtSum);
  TColumnEx* id = columns->Add();
  id->SetFieldName("ID");
  id->Footer()->SetValueType(fvtAvg);
  id->Footers()->Add()->SetValueType(fvtCount);
  TDBSumListProducer* list = big.grid->SumList();
  TDataSet* ds = big.items.ds();
  list->SetHooked(true);
  int moves = 0;
  ds->AfterScroll.Bind(nullptr, "", [&](TDataSet*) { ++moves; });
  auto expectCounted = [&](const char* step, const char* sum, const char* avg, const char* count) {
    TDBSumCollection* sums = list->SumCollection();
    EXPECT_EQ(sums->FindSum(goSum, "Amount")->SumValue().ToDouble(), std::stod(sum)) << step;
    EXPECT_EQ(sums->FindSum(goAvg, "ID")->SumValue().ToDouble(), std::stod(avg)) << step;
    EXPECT_EQ(sums->FindSum(goCount, "")->SumValue().Raw(), std::stoll(count) * 10000) << step;
    EXPECT_LE(moves, 2) << step << ": no walk over the records";
    const std::string followed = SumsText(sums);
    list->RecalcAll();
    EXPECT_EQ(SumsText(sums), followed) << step << ": as a full count gives";
    moves = 0;
  };
  // IDs 1..40, amounts 1.5 each: 1230 in all, an average ID of 20.5.
  expectCounted("open", "1230", "20.5", "40");

  big.items.GotoId(10);
  moves = 0;
  ds->Edit();
  ds->FieldByName("Amount")->SetAsFloat(100);  // was 15
  ds->FieldByName("ID")->SetAsInteger(50);
  ds->Post();
  expectCounted("edit", "1315", "21.5", "40");

  ds->Append();
  ds->FieldByName("ID")->SetAsInteger(1);
  ds->FieldByName("Amount")->SetAsFloat(0.25);
  ds->Post();
  expectCounted("append", "1315.25", "21", "41");

  ds->Edit();
  ds->FieldByName("Amount")->SetAsFloat(9999);
  ds->Cancel();
  ds->Append();
  ds->Cancel();
  expectCounted("cancelled", "1315.25", "21", "41");

  big.items.GotoId(50);
  moves = 0;
  ds->Delete();
  expectCounted("delete", "1215.25", "20.275", "40");

  ds->Edit();
  ds->FieldByName("Amount")->Clear();
  ds->FieldByName("ID")->Clear();
  ds->Post();
  const std::string cleared = SumsText(list->SumCollection());
  list->RecalcAll();
  EXPECT_EQ(SumsText(list->SumCollection()), cleared) << "a value made null leaves the sums and the average";
}

TEST_P(FooterSums, FooterTextsNeverRaiseForMissingFieldsOrSums) {
  TColumnEx* name = Column("Name");
  name->Footer()->SetValueType(fvtFieldValue);
  name->Footer()->SetFieldName("Nmae");
  EXPECT_EQ(g.grid->GetFooterValue(0, name), "") << "a misspelt field shows nothing";
  TColumnEx* id = Column("ID");
  id->Footer()->SetValueType(fvtAvg);
  id->Footers()->Add()->SetValueType(fvtCount);
  SumList()->SetHooked(true);
  Sums()->Clear();
  EXPECT_EQ(id->Footer()->Sum(), nullptr) << "the footer forgets a sum freed with the list";
  EXPECT_EQ(g.grid->GetFooterValue(5, id), "0") << "an average without its sum";
  EXPECT_EQ(g.grid->GetFooterValue(0, id), "0") << "a count without its sum";
  g.grid->SetDataSource(nullptr);
  EXPECT_EQ(g.grid->GetFooterValue(5, id), "0") << "an average without a data set";
  EXPECT_EQ(g.grid->GetFooterValue(0, name), "");
  id->Footer()->SetValueType(fvtSum);
  EXPECT_EQ(Sums()->Count(), 1) << "the footer binds a new sum";
}
