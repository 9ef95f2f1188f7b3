// Footer sums over a large in-memory data set: a post or a delete changes the sums by the one
// record (as fast over a million records as over a thousand), where counting all again walks
// every record.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "gridlib/controls/sum_list.h"
#include "platform/data/mem_dataset.h"

namespace {

// `rows` records of an ID and an amount, with a sum, an average and a count kept over them.
struct SummedRecords {
  explicit SummedRecords(int rows) : ds(std::make_unique<TMemDataSet>(nullptr)), sums(nullptr) {
    ds->FieldDefs()->Add("ID", ftInteger);
    ds->FieldDefs()->Add("Amount", ftCurrency);
    ds->CreateDataSet();
    for (int i = 1; i <= rows; ++i) ds->AppendRecord({Variant(i), Variant(i * 1.5)});
    sums.SetDataSetHook(ds.get());
    for (TGroupOperation operation : {goSum, goAvg, goCount}) {
      TDBSum* sum = sums.SumCollection()->Add();
      sum->SetGroupOperation(operation);
      sum->SetFieldName(operation == goCount ? "" : "Amount");
    }
    sums.SetHooked(true);
    ds->First();
  }
  std::unique_ptr<TMemDataSet> ds;
  TDBSumListProducer sums;
};

SummedRecords& Records(int rows) {
  static std::map<int, std::unique_ptr<SummedRecords>> made;
  auto& records = made[rows];
  if (!records) records = std::make_unique<SummedRecords>(rows);
  return *records;
}

void BM_FooterSumsPost(benchmark::State& state) {
  SummedRecords& r = Records(static_cast<int>(state.range(0)));
  double amount = 0;
  for (auto _ : state) {
    r.ds->Edit();
    r.ds->FieldByName("Amount")->SetAsFloat(amount += 0.25);
    r.ds->Post();
  }
}
BENCHMARK(BM_FooterSumsPost)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_FooterSumsAppendAndDelete(benchmark::State& state) {
  SummedRecords& r = Records(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    r.ds->Append();
    r.ds->FieldByName("Amount")->SetAsFloat(2.5);
    r.ds->Post();
    r.ds->Delete();
  }
}
BENCHMARK(BM_FooterSumsAppendAndDelete)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// What every post cost when the sums were counted again in full.
void BM_FooterSumsRecalcAll(benchmark::State& state) {
  SummedRecords& r = Records(static_cast<int>(state.range(0)));
  for (auto _ : state) r.sums.RecalcAll();
}
BENCHMARK(BM_FooterSumsRecalcAll)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
