// A grid keeps through a saved layout every value it was given, also a value its class stores
// as default but a new grid does not start with: its own, its columns', their titles' and
// footers', the grid-wide column defaults and the filter row's.
#include <gtest/gtest.h>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "tests/grid/grid_stream_support.h"
#include "tests/support/round_trip_walk.h"

namespace grid_test {
namespace {

TEST(GridLayoutRoundTrip, EachValueSetAloneComesBackAsSaved) {
  round_trip::Subject grids;
  grids.make = [] {
    auto* grid = new TDBGridEx(nullptr);
    grid->SetName("DBGridEx1");
    for (const char* field : {"Name", "Amount"}) {
      TColumnEx* column = grid->Columns()->Add();
      column->SetFieldName(field);
      column->Footers()->Add();
    }
    return grid;
  };
  grids.saveAndFree = [](TObject* grid) {
    const round_trip::Bytes bytes = stream_samples::WriteTree(static_cast<TDBGridEx*>(grid));
    delete grid;
    return bytes;
  };
  grids.load = [](const round_trip::Bytes& bytes) -> TObject* {
    auto* grid = new TDBGridEx(nullptr);
    stream_samples::ReadInto(bytes, grid);
    return grid;
  };
  grids.free = [](TObject* grid) { delete grid; };
  for (const String& difference : round_trip::ValuesThatComeBackDifferent(grids)) ADD_FAILURE() << difference;
}

}  // namespace
}  // namespace grid_test
