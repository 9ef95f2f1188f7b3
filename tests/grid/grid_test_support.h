#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gridlib/grid/grid_host.h"
#include "platform/classes/component.h"
#include "platform/core/variant.h"

class TDataSet;
class TDataSource;

namespace grid_test {

// The smallest grid over the grid model: a component that answers what a control would
// (font, colour, window, grid column widths) and writes down what it is asked to repaint and
// re-lay out.
class TTestGrid : public TComponent, public TDBGridExHost {
  DECLARE_CLASS(TTestGrid, TComponent)
 public:
  explicit TTestGrid(TComponent* owner);
  ~TTestGrid() override;
  static void Publish();

  TComponent* GridComponent() override { return this; }
  TFont* GridFont() override { return font_.get(); }
  TColor GridColor() override { return color; }
  TColor FixedColor() override { return fixedColor; }
  bool GridHandleAllocated() override { return handleAllocated; }
  int GridColWidth(int dataCol) override;
  void SetGridColWidth(int dataCol, int width) override { gridWidths[dataCol] = width; }
  int VisibleDataRowCount() override { return visibleRows; }
  bool InplaceEditorShowing() override { return editorShowing; }
  bool HasFocus() override { return focused; }
  void InvalidateGrid() override { ++wholeRepaints; }
  void InvalidateGridRect(const TRect& cells) override { repaintedRects.push_back(cells); }
  void InvalidateGridRow(int row) override { repaintedRows.push_back(row); }
  void LayoutChanged() override {
    ++layouts;
    if (onLayout) onLayout();
  }
  void UpdateData() override {
    ++dataUpdates;
    if (onUpdateData) onUpdateData();
  }
  void RecordChanged(TField* field) override {
    ++recordChanges;
    TDBGridExHost::RecordChanged(field);
  }
  void SelectionChanged() override;
  void Loaded() override;

  // Shows `rows` data rows: the data link buffers that many records.
  void SetVisibleRows(int rows);
  // Builds one unstored column per visible field, as the grid does for a data set without
  // stored columns.
  void BuildDefaultColumns();

  TColor color = clWindow;
  TColor fixedColor = clBtnFace;
  bool handleAllocated = false;
  bool editorShowing = false;
  bool focused = false;
  int visibleRows = 10;
  std::map<int, int> gridWidths;
  int wholeRepaints = 0;
  int layouts = 0;
  int selectionNotices = 0;
  std::vector<TRect> repaintedRects;
  std::vector<int> repaintedRows;
  int dataUpdates = 0;
  int recordChanges = 0;
  std::function<void()> onLayout;
  std::function<void()> onUpdateData;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::unique_ptr<TFont> font_;
};

// A fresh, empty file for an SQLite database in the tests' output folder.
std::string TempPath();

// Where the test records live: in memory, or in an SQLite table of a temporary file.
enum class Store { Memory, Sqlite };
std::string StoreName(const testing::TestParamInfo<Store>& info);

// A data set of `count` items: ID i, Name "Name<i>", Amount i * 1.5, Flag (odd IDs true),
// Code "Y", "N" or Null for IDs 1, 2, 0 modulo 3, and a memo Note "note <i>".
struct Items {
  Items(Store store, int count);
  ~Items();
  Items(const Items&) = delete;
  Items& operator=(const Items&) = delete;
  TDataSet* ds() const { return ds_.get(); }
  TDataSource* source() const { return source_.get(); }
  // The ID of the current record.
  int CurrentId() const;
  void GotoId(int id);
  // The records the data set shows, in its order, as their column values read from the store
  // itself: the data set's cursor, record buffers and links are left as they are.
  std::vector<std::vector<Variant>> ShownStoredRows() const;
  // Orders the records on the fields named in "A;B" ("" for the store's own order), as the
  // program asks the store under test.
  void SortOn(const String& fields);
  // The SQLite file that holds the items; empty for the in-memory store.
  const std::string& File() const { return file_; }

 private:
  std::string file_;
  std::unique_ptr<TDataSet> ds_;
  std::unique_ptr<TDataSource> source_;
  std::function<std::vector<std::vector<Variant>>()> readShown_;
};

// A grid over a fresh set of items.
struct GridOverItems {
  GridOverItems(Store store, int count);
  ~GridOverItems();
  Items items;
  std::unique_ptr<TTestGrid> grid;
};

// The IDs of the records whose bookmarks `grid` selected, in list order, as "1 3 5".
std::string SelectedIds(TTestGrid* grid, Items& items);

}  // namespace grid_test
