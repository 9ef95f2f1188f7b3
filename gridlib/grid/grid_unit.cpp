// What the grid library sets up when it starts and releases when it ends.
#include "gridlib/grid/grid_unit.h"

#include <array>
#include <memory>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/dataset_features.h"
#include "gridlib/grid/grid_data_service.h"
#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/grid_images.h"
#include "gridlib/grid/sqlite_sorting.h"
#include "platform/classes/properties.h"
#include "platform/core/exceptions.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/resources.h"
#include "platform/windows/cursors.h"
#include "platform/windows/keys.h"

namespace {

struct GridUnit {
  GridUnit() = default;
  GridUnit(const GridUnit&) = delete;
  GridUnit& operator=(const GridUnit&) = delete;
  ~GridUnit() {
    for (HCURSOR cursor : CursorHandles) DestroyCursor(cursor);
  }
  TDBGridExUnitSettings Settings;
  std::unique_ptr<TFont> SortIndexFont;
  std::unique_ptr<TDBGridExDataService> DataService;
  std::array<TCursorImage, 3> Cursors;
  // The same pictures as the window system's cursors.
  std::array<HCURSOR, 3> CursorHandles{};
  int CheckBoxWidth = 0;
  int CheckBoxHeight = 0;
  int WidthInterceptor = -1;
};

std::unique_ptr<GridUnit> unit;

constexpr uint16_t kQuoteKey = 222;

TDBGridExUnitSettings StartSettings() {
  TDBGridExUnitSettings s;
  s.IncSearchKey = ShortCut('F', {ssCtrl});
  s.FindNextKey = ShortCut(VK_RETURN, {ssCtrl});
  s.FindPriorKey = ShortCut(VK_RETURN, {ssCtrl, ssShift});
  s.CopyFromAboveKey = ShortCut(kQuoteKey, {ssCtrl});
  s.FindDialogKey = ShortCut('F', {ssCtrl});
  s.IncSearchTimeout = 1500;
  s.HighlightColor = static_cast<TColor>(0x00FFFF);
  s.HighlightTextColor = static_cast<TColor>(0);
  s.PaintFlag = false;
  return s;
}

std::unique_ptr<TFont> MakeSortIndexFont() {
  auto font = std::make_unique<TFont>();
  TBitmap marker;
  marker.LoadFromResourceName(0, "DBSMDOWNEX");
  font->SetHeight(1 - marker.Height());
  font->SetName("Arial");
  return font;
}

// A stored column width restored into an auto-fitted grid is the design the layout scales,
// not a width to show as it is. A grid being read from its form takes its widths as they
// are: it makes them its design once loaded.
TPropertyInterceptor ColumnWidthInterceptor() {
  TPropertyInterceptor interceptor;
  interceptor.BeforeSet = [](TObject* obj, const TPropInfo&, Variant& value) {
    auto* column = dynamic_cast<TColumnEx*>(obj);
    TDBGridExHost* grid = column != nullptr ? column->GetGrid() : nullptr;
    if (grid == nullptr || grid->IsLoading() || !grid->AutoFitColWidths()) return true;
    column->SetInitWidth(value.AsInteger());
    grid->LayoutChanged();
    return false;
  };
  return interceptor;
}

TCursorImage LoadGridCursor(const char* name) {
  try {
    return LoadCursorFromResourceName(name);
  } catch (const Exception&) {
    throw EOutOfResources("Cannot load cursor resource");
  }
}

}  // namespace

void StartGridUnit() {
  auto started = std::make_unique<GridUnit>();
  started->DataService = std::make_unique<TDBGridExDataService>();
  started->SortIndexFont = MakeSortIndexFont();
  started->Cursors = {LoadGridCursor("DOWNCUREX"), LoadGridCursor("RIGHTCUREX"),
                      LoadGridCursor("LEFTCUREX")};
  for (size_t i = 0; i < started->Cursors.size(); ++i) started->CursorHandles[i] = CreateImageCursor(started->Cursors[i]);
  TBitmap boxes;
  boxes.LoadFromResourceName(0, "DBGRIDEX_CHECKBOXES");
  started->CheckBoxWidth = boxes.Width() / 4;
  started->CheckBoxHeight = boxes.Height() / 3;
  started->Settings = StartSettings();
  StartGridImages(started->Settings.HighlightColor);
  started->WidthInterceptor =
      AddPropertyInterceptor(TColumnEx::StaticClass(), "Width", ColumnWidthInterceptor());
  unit = std::move(started);
  RegisterRecordSetFeatures();
  RegisterDatasetFeaturesEx("TSqliteDataSet", std::make_unique<TSqliteDataSetFeaturesEx>());
}

void StopGridUnit() {
  if (unit != nullptr && unit->WidthInterceptor >= 0) RemovePropertyInterceptor(unit->WidthInterceptor);
  unit.reset();
  StopGridImages();
  UnregisterAllDatasetFeaturesEx();
}

const TDBGridExUnitSettings& DBGridExUnitSettings() {
  static const TDBGridExUnitSettings none;
  return unit != nullptr ? unit->Settings : none;
}

TFont* SortIndexFont() { return unit != nullptr ? unit->SortIndexFont.get() : nullptr; }

TDBGridExDataService* DBGridExDataService() {
  return unit != nullptr ? unit->DataService.get() : nullptr;
}

const TCursorImage* DBGridExCursor(TDBGridExCursor which) {
  return unit != nullptr ? &unit->Cursors[static_cast<size_t>(which)] : nullptr;
}

HCURSOR DBGridExCursorHandle(TDBGridExCursor which) {
  return unit != nullptr ? unit->CursorHandles[static_cast<size_t>(which)] : 0;
}

int DefaultCheckBoxWidth() { return unit != nullptr ? unit->CheckBoxWidth : 0; }
int DefaultCheckBoxHeight() { return unit != nullptr ? unit->CheckBoxHeight : 0; }
