// The shared style object: colours of selected and highlighted cells, system colour changes.
#include "gridlib/grid/grid_style.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/grid_unit.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"

namespace {

int startCount = 0;
std::unique_ptr<TDBGridExStyle> sharedStyle;

// Colours the display shows, as its device reports them; -1 for more than 256.
int ScreenColorCount() {
  TBitmap probe;
  probe.SetSize(1, 1);
  return GetDeviceCaps(probe.Canvas()->Handle(), NUMCOLORS);
}

int BlendChannel(int base, int tint, bool dark) {
  const double mixed = (tint - base) * 0.5 + base;
  double value = (225 - mixed) * 0.6 + mixed;
  if (dark) value -= (122 - value) * 0.25;
  return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

}  // namespace

TDBGridExStyle::TDBGridExStyle() : colorCount_(ScreenColorCount()) {}

TDBGridExStyle::~TDBGridExStyle() {
  std::vector<TDBGridExHost*> grids;
  grids.swap(grids_);
  for (TDBGridExHost* grid : grids) grid->StyleGone(this);
}

void TDBGridExStyle::RegisterGrid(TDBGridExHost* grid) {
  if (!IsRegistered(grid)) grids_.push_back(grid);
}

void TDBGridExStyle::UnRegisterGrid(TDBGridExHost* grid) { std::erase(grids_, grid); }

bool TDBGridExStyle::IsRegistered(const TDBGridExHost* grid) const {
  return std::find(grids_.begin(), grids_.end(), grid) != grids_.end();
}

void TDBGridExStyle::SysColorChanged() { colorCount_ = ScreenColorCount(); }

TColor TDBGridExStyle::BlendColors(TColor base, TColor tint, bool dark) {
  const TColor b = ColorToRGB(base);
  const TColor t = ColorToRGB(tint);
  return static_cast<TColor>(RGB(static_cast<uint8_t>(BlendChannel(GetRValue(b), GetRValue(t), dark)),
                                 static_cast<uint8_t>(BlendChannel(GetGValue(b), GetGValue(t), dark)),
                                 static_cast<uint8_t>(BlendChannel(GetBValue(b), GetBValue(t), dark))));
}

TDBGridExStyle* DefaultDBGridExStyle() { return sharedStyle.get(); }

GridLibraryScope::GridLibraryScope() {
  if (startCount == 0) {
    sharedStyle = std::make_unique<TDBGridExStyle>();
    try {
      StartGridUnit();
    } catch (...) {
      sharedStyle.reset();  // nothing half started stays behind
      throw;
    }
  }
  ++startCount;
}

GridLibraryScope::~GridLibraryScope() {
  if (--startCount == 0) {
    StopGridUnit();
    sharedStyle.reset();
  }
}
