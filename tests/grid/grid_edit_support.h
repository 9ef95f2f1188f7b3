#pragma once

#include <string_view>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/inplace_edit.h"
#include "platform/data/field.h"
#include "platform/windows/keys.h"
#include "tests/grid/grid_window_support.h"
#include "tests/support/key_input.h"

namespace grid_test {

// A focused data grid in a shown form, with the grid library started, driven by key and
// character messages as the keyboard sends them.
class GridEditing : public GridInForm {
 protected:
  void MakeFocused(int count) {
    Make(count);
    grid->SetFocus();
  }
  static void Key(TControl* control, uint16_t vk, TShiftState shift = {}) { test_input::Key(control, vk, shift); }
  static void Type(TControl* control, std::string_view text) { test_input::Type(control, text); }
  TInplaceEdit* Editor() const { return grid->InplaceEditor(); }
  // Opens the editor on data column `dataCol` of the current record and replaces its text.
  void Retype(int dataCol, std::string_view text) {
    grid->SetSelectedIndex(dataCol);
    Key(grid, VK_F2);
    ASSERT_TRUE(grid->InplaceEditorShowing());
    Editor()->SelectAll();
    Key(Editor(), VK_DELETE);
    Type(Editor(), text);
  }
  TField* FieldOf(const char* name) const { return items_->ds()->FieldByName(name); }

  GridLibraryScope library_;
};

}  // namespace grid_test
