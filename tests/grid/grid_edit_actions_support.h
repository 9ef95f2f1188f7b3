#pragma once

// A focused grid with every selection and edit command allowed, and the helpers the tests of
// its clipboard commands share: selecting a rectangle, reading the clipboard's private format,
// sorting by Name, and reading the store's values back.
#include <gtest/gtest.h>

#include <map>

#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/grid_clipboard.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/data/mem_dataset.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/messages.h"
#include "tests/grid/grid_edit_support.h"

namespace grid_test {

class GridEditActions : public GridEditing {
 protected:
  void MakeSelectable(int count) {
    MakeFocused(count);
    grid->SetOptions(grid->Options() + dgMultiSelect - dgConfirmDelete);
    grid->SetEditActions({geaCutEx, geaCopyEx, geaPasteEx, geaDeleteEx, geaSelectAllEx});
    Clipboard()->Clear();
  }
  TBookmark BookmarkOf(int id) {
    items_->GotoId(id);
    return items_->ds()->GetBookmark();
  }
  // Data columns `left`..`right` of records `top`..`bottom`.
  void SelectRect(int left, int top, int right, int bottom) {
    grid->Selection()->Rect()->Select(left, BookmarkOf(top), false);
    grid->Selection()->Rect()->Select(right, BookmarkOf(bottom), true);
    items_->GotoId(top);
  }
  String PrivateText() {
    const TClipboardData data = Clipboard()->GetBuffer(DBGRIDIFClipboardFormat());
    return String(data.begin(), data.end());
  }
  // Orders the records by Name: SQLite from a click on the Name title, the memory table on
  // its own index.
  void SortByName() {
    if (GetParam() == Store::Memory) return static_cast<TMemDataSet*>(items_->ds())->SetIndexFieldNames("Name");
    grid->Columns()->Items(1)->Title()->SetTitleButton(true);
    const TRect r = grid->CellRect(1 + grid->IndicatorOffset(), 0);
    const LPARAM at = MakeLParam((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
    grid->Perform(WM_LBUTTONUP, 0, at);
    ASSERT_EQ(grid->Columns()->Items(1)->Title()->SortMarker(), smDownEx);
  }
  // Name of every record in ID order, "-" for Null.
  String NamesById() {
    std::map<int, String> names;
    for (items_->ds()->First(); !items_->ds()->Eof(); items_->ds()->Next())
      names[FieldOf("ID")->AsInteger()] = FieldOf("Name")->IsNull() ? String("-") : FieldOf("Name")->AsString();
    String text;
    for (const auto& [id, name] : names) text += (text.empty() ? "" : " ") + name;
    return text;
  }
  String ValuesOf(const char* fieldName) {
    String values;
    for (items_->ds()->First(); !items_->ds()->Eof(); items_->ds()->Next())
      values += (values.empty() ? "" : " ") + (FieldOf(fieldName)->IsNull() ? String("-") : FieldOf(fieldName)->AsString());
    return values;
  }
};

}  // namespace grid_test
