// The grid library's start-up (shared service, sort-index font, cursors, keys, check boxes)
// and the data service that hands sorting, filtering and moving to events or data-set entries.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_service.h"
#include "gridlib/grid/grid_style.h"
#include "gridlib/grid/grid_unit.h"
#include "gridlib/grid/columns.h"
#include "platform/classes/properties.h"
#include "platform/classes/stream_components.h"
#include "platform/core/exceptions.h"
#include "platform/core/streams.h"
#include "platform/data/data_source.h"
#include "platform/data/mem_dataset.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/resources.h"
#include "platform/windows/keys.h"

namespace {

// Writes down which entry was asked to do what.
class TRecordingFeatures : public TDatasetFeaturesEx {
 public:
  TRecordingFeatures(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
  void ApplySorting(TCustomDBGridEx*, TDataSet*, bool isReopen) override {
    log_.push_back(name_ + " sort " + (isReopen ? "reopen" : ""));
  }
  void ApplyFilter(TCustomDBGridEx*, TDataSet*, bool) override { log_.push_back(name_ + " filter"); }
  bool MoveRecords(TCustomDBGridEx*, TDataSet*, TBookmarkListEx*, int toRecNo, int, bool) override {
    log_.push_back(name_ + " move " + std::to_string(toRecNo));
    return true;
  }

 private:
  std::vector<std::string>& log_;
  std::string name_;
};

struct GridOverMemory {
  GridOverMemory() : ds(std::make_unique<TMemDataSet>(nullptr)), source(std::make_unique<TDataSource>(nullptr)) {
    ds->FieldDefs()->Add("ID", ftInteger);
    ds->CreateDataSet();
    for (int id = 1; id <= 3; ++id) ds->AppendRecord({Variant(id)});
    source->SetDataSet(ds.get());
    grid = std::make_unique<TDBGridEx>(nullptr);
    grid->SetDataSource(source.get());
  }
  ~GridOverMemory() {
    grid.reset();
    source.reset();
    ds.reset();
  }
  GridLibraryScope library;
  std::unique_ptr<TMemDataSet> ds;
  std::unique_ptr<TDataSource> source;
  std::unique_ptr<TDBGridEx> grid;
};

TEST(GridUnit, StartingMakesTheSharedObjectsAndEndingFreesThem) {
  EXPECT_EQ(DBGridExDataService(), nullptr);
  {
    GridLibraryScope library;
    ASSERT_NE(DBGridExDataService(), nullptr);
    TBitmap marker;
    marker.LoadFromResourceName(0, "DBSMDOWNEX");
    ASSERT_NE(SortIndexFont(), nullptr);
    EXPECT_EQ(SortIndexFont()->Height(), 1 - marker.Height());
    EXPECT_EQ(SortIndexFont()->Name(), "Arial");
    for (TDBGridExCursor c : {gcDownEx, gcRightEx, gcLeftEx}) {
      ASSERT_NE(DBGridExCursor(c), nullptr);
      ASSERT_NE(DBGridExCursor(c)->Image, nullptr);
      EXPECT_EQ(DBGridExCursor(c)->Image->Width(), 32);
    }
    const TDBGridExUnitSettings& s = DBGridExUnitSettings();
    EXPECT_EQ(s.IncSearchTimeout, 1500);
    EXPECT_EQ(s.HighlightColor, static_cast<TColor>(0x00FFFF));
    EXPECT_EQ(s.HighlightTextColor, static_cast<TColor>(0));
    EXPECT_EQ(s.IncSearchKey, ShortCut('F', {ssCtrl}));
    EXPECT_EQ(s.FindNextKey, ShortCut(VK_RETURN, {ssCtrl}));
    EXPECT_EQ(s.FindPriorKey, ShortCut(VK_RETURN, {ssCtrl, ssShift}));
    EXPECT_EQ(s.CopyFromAboveKey, ShortCut(222, {ssCtrl}));
    EXPECT_EQ(s.FindDialogKey, ShortCut('F', {ssCtrl}));
    EXPECT_FALSE(s.PaintFlag);
    EXPECT_EQ(DefaultCheckBoxWidth(), 13);
    EXPECT_EQ(DefaultCheckBoxHeight(), 13);
  }
  EXPECT_EQ(DBGridExDataService(), nullptr);
  EXPECT_EQ(SortIndexFont(), nullptr);
  EXPECT_EQ(DBGridExCursor(gcDownEx), nullptr);
}

TEST(GridUnit, CheckBoxStripHoldsFourByThreeBoxes) {
  TBitmap boxes;
  boxes.LoadFromResourceName(0, "DBGRIDEX_CHECKBOXES");
  ASSERT_EQ(boxes.Width() % 4, 0);
  ASSERT_EQ(boxes.Height() % 3, 0);
  const int w = boxes.Width() / 4;
  const int h = boxes.Height() / 3;
  TCanvas* canvas = boxes.Canvas();
  EXPECT_EQ(ColorToRGB(canvas->Pixels(w / 2, h / 2)), ColorToRGB(clWindow)) << "unchecked: empty face";
  int ink = 0;
  for (int y = h; y < 2 * h; ++y) {
    for (int x = 0; x < w; ++x) ink += ColorToRGB(canvas->Pixels(x, y)) == ColorToRGB(clWindowText);
  }
  EXPECT_GT(ink, 10) << "checked: a tick";
}

TEST(GridDataService, WithoutEventOrEntryNothingHappens) {
  GridOverMemory f;
  UnregisterAllDatasetFeaturesEx();  // not even the platform data sets' own entry
  f.ds->Last();
  DBGridExDataService()->ApplySorting(f.grid.get());
  DBGridExDataService()->ApplyFilter(f.grid.get());
  EXPECT_FALSE(DBGridExDataService()->MoveRecords(f.grid.get(), nullptr, 1, 0, false));
  EXPECT_EQ(f.ds->RecNo(), 3) << "the data set is left alone";
}

TEST(GridDataService, NearestRegisteredClassDoesTheWork) {
  GridOverMemory f;
  UnregisterAllDatasetFeaturesEx();
  std::vector<std::string> log;
  RegisterDatasetFeaturesEx("TDataSet", std::make_unique<TRecordingFeatures>(log, "base"));
  RegisterDatasetFeaturesEx("tmemdataset", std::make_unique<TRecordingFeatures>(log, "memory"));
  RegisterDatasetFeaturesEx("TMemDataSet", std::make_unique<TRecordingFeatures>(log, "second"));
  DBGridExDataService()->ApplySorting(f.grid.get());
  DBGridExDataService()->ApplyFilter(f.grid.get());
  EXPECT_TRUE(DBGridExDataService()->MoveRecords(f.grid.get(), nullptr, 2, 0, true));
  EXPECT_EQ(log, (std::vector<std::string>{"memory sort reopen", "memory filter", "memory move 2"}));
  TDBGridEx unbound(nullptr);
  DBGridExDataService()->ApplySorting(&unbound);
  DBGridExDataService()->ApplyFilter(&unbound);
  EXPECT_FALSE(DBGridExDataService()->MoveRecords(&unbound, nullptr, 2, 0, true));
  EXPECT_EQ(log.size(), 3u) << "a grid without a data set has no entry to ask";
}

TEST(GridDataService, AssignedEventsTakePrecedence) {
  GridOverMemory f;
  UnregisterAllDatasetFeaturesEx();
  std::vector<std::string> log;
  RegisterDatasetFeaturesEx("TDataSet", std::make_unique<TRecordingFeatures>(log, "base"));
  TDBGridExDataService* service = DBGridExDataService();
  TCustomDBGridEx* seen = nullptr;
  service->OnApplySorting.Bind(nullptr, "", [&](TObject*, TCustomDBGridEx* grid) { seen = grid; });
  service->ApplySorting(f.grid.get());
  service->ApplyFilter(f.grid.get());
  EXPECT_EQ(seen, f.grid.get());
  EXPECT_EQ(log, std::vector<std::string>{"base filter"});
  service->OnApplySorting.Clear();
}

}  // namespace

namespace {

TEST(GridUnit, RestoredWidthOfAnAutoFittedColumnIsItsDesignWidth) {
  GridLibraryScope library;
  TDBGridEx grid(nullptr);
  TColumnEx* column = grid.Columns()->Add();
  column->SetWidth(80);
  SetPropValue(column, "Width", Variant(120));
  EXPECT_EQ(column->Width(), 120) << "without auto-fit the width itself";
  grid.SetAutoFitColWidths(true);
  SetPropValue(column, "Width", Variant(200));
  EXPECT_EQ(column->InitWidth(), 200);
  EXPECT_EQ(column->Width(), 120) << "the layout, not the stored value, sets the shown width";
}

TEST(GridUnit, ColumnOrderReadsAndWritesByFieldName) {
  GridLibraryScope library;
  TDBGridEx grid(nullptr);
  EXPECT_EQ(GetPropValue(grid.Columns(), "ColumnsIndex").AsString(), "");
  for (const char* name : {"A", "B", "C"}) grid.Columns()->Add()->SetFieldName(name);
  SetPropValue(grid.Columns(), "ColumnsIndex", Variant("\"c\",\"Missing\",\"a\""));
  EXPECT_EQ(GetPropValue(grid.Columns(), "ColumnsIndex").AsString(), "\"C\",\"A\",\"B\"");
}

}  // namespace

namespace {

// A stored grid whose columns are fitted to the window reads its stored widths as they are;
// only widths restored into a running grid are taken as its design.
TEST(GridUnit, LoadingAnAutoFittedGridKeepsItsStoredWidthsAsItsDesign) {
  GridLibraryScope library;
  TMemoryStream form;
  {
    TDBGridEx saved(nullptr);
    saved.SetName("DBGridEx1");
    saved.Columns()->Add()->SetWidth(50);
    saved.Columns()->Add()->SetWidth(150);
    saved.SetAutoFitColWidths(true);
    WriteComponent(form, &saved);
  }
  form.SetPosition(0);
  TDBGridEx loaded(nullptr);
  ReadComponent(form, &loaded);
  TDBGridColumnsEx* columns = loaded.Columns();
  ASSERT_EQ(columns->Count(), 2);
  EXPECT_EQ(columns->Items(0)->InitWidth(), 50);
  EXPECT_EQ(columns->Items(1)->InitWidth(), 150) << "the layout shares the room one to three";
}

// A cursor the library cannot load stops its start with the one error, and leaves nothing of
// the start behind: the next start begins afresh.
TEST(GridUnit, UnloadableCursorStopsTheStartAndLeavesNothingBehind) {
  static const TBuiltInCursor original = *FindBuiltInCursor("LEFTCUREX");
  static const uint8_t garbage[] = {'n', 'o', 'p', 'e'};
  static const TBuiltInCursor broken{"LEFTCUREX", garbage, sizeof garbage, 0, 0};
  RegisterBuiltInCursors(&broken, 1);
  try {
    GridLibraryScope library;
    ADD_FAILURE() << "the start went through";
  } catch (const EOutOfResources& e) {
    EXPECT_STREQ(e.what(), "Cannot load cursor resource");
  }
  EXPECT_EQ(DefaultDBGridExStyle(), nullptr);
  EXPECT_EQ(DBGridExDataService(), nullptr);
  EXPECT_EQ(SortIndexFont(), nullptr);
  RegisterBuiltInCursors(&original, 1);
  GridLibraryScope library;
  EXPECT_NE(DBGridExCursor(gcLeftEx), nullptr);
  EXPECT_NE(DBGridExDataService(), nullptr);
}

}  // namespace
