#pragma once

#include <cstdint>
#include <vector>

#include "gridlib/grid/grid_types.h"
#include "platform/controls/grid.h"
#include "platform/graphics/colors.h"

class TDBGridExHost;
class TFont;

// What a highlighted cell is drawn with.
struct TCellHighlight {
  bool Selected = false;     // the selection holds the cell
  bool Highlighted = false;  // the cell is drawn highlighted
};

// The style every grid of the program shares: which grids use it, how highlighted cells are
// tinted, and whether the screen can show blended colours.
class TDBGridExStyle {
 public:
  TDBGridExStyle();
  // Every grid still registered is detached.
  ~TDBGridExStyle();
  TDBGridExStyle(const TDBGridExStyle&) = delete;
  TDBGridExStyle& operator=(const TDBGridExStyle&) = delete;

  void RegisterGrid(TDBGridExHost* grid);
  void UnRegisterGrid(TDBGridExHost* grid);
  bool IsRegistered(const TDBGridExHost* grid) const;
  int GridCount() const { return static_cast<int>(grids_.size()); }

  // Which filter-row choices apply the filter at once; none by default.
  uint8_t FilterApplyFlags() const { return filterApplyFlags_; }
  void SetFilterApplyFlags(uint8_t value) { filterApplyFlags_ = value; }
  bool Luminate() const { return luminate_; }
  void SetLuminate(bool value) { luminate_ = value; }
  bool FocusFrame() const { return focusFrame_; }
  void SetFocusFrame(bool value) { focusFrame_ = value; }
  // Colours the screen shows; -1 for more than 256.
  int ColorCount() const { return colorCount_; }
  // The system colours changed: the colour count is read again.
  void SysColorChanged();

  // Colours of a data cell of `grid` at (gridCol, gridRow) showing data column `dataCol` of
  // the record the data link has active; `font` and `background` come in as the cell's own.
  TCellHighlight GetDataCellHighlight(TDBGridExHost* grid, int gridCol, int gridRow, int dataCol,
                                      TGridDrawState state, TFont* font, TColor& background) const;
  // Colours of a fixed cell (indicator, title, filter row) that `selected` says is selected;
  // `rowKind` and `colKind` classify it as the grid does.
  bool GetFixedCellHighlight(TDBGridExHost* grid, TGridColKind colKind, TGridRowKind rowKind, bool selected,
                             TFont* font, TColor& background) const;

  // `base` half-way towards `tint`, then lightened (and darkened again with `dark`).
  static TColor BlendColors(TColor base, TColor tint, bool dark);

 private:
  std::vector<TDBGridExHost*> grids_;
  uint8_t filterApplyFlags_ = 0;
  bool luminate_ = true;
  bool focusFrame_ = true;
  int colorCount_ = -1;
};

// The shared style while a GridLibraryScope is alive, else nullptr.
TDBGridExStyle* DefaultDBGridExStyle();

// Starts the grid library (its shared style) for the life of the scope; scopes nest, and the
// last one to end shuts the library down. Held by main and by test fixtures.
class GridLibraryScope {
 public:
  GridLibraryScope();
  ~GridLibraryScope();
  GridLibraryScope(const GridLibraryScope&) = delete;
  GridLibraryScope& operator=(const GridLibraryScope&) = delete;
};
