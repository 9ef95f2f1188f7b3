#include "examples/showcase/pending_edits.h"

#include "examples/showcase/showcase_message_box.h"
#include "gridlib/grid/db_grid.h"
#include "platform/core/exceptions.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"

namespace {

// The data set a grid edits, while it holds an edit: the record was changed or is being typed
// into.
TDataSet* EditedDataSet(TCustomDBGridEx* grid) {
  TDataSource* source = grid->DataSource();
  TDataSet* data = source != nullptr ? source->DataSet() : nullptr;
  return data != nullptr && data->Active() && IsEditMode(data->State()) ? data : nullptr;
}

bool PostGrid(TCustomDBGridEx* grid) {
  TDataSet* data = EditedDataSet(grid);
  if (data == nullptr) return true;
  try {
    // Takes the editor's text into the record first, and posts the record only if it changed.
    data->CheckBrowseMode();
    return true;
  } catch (const Exception& e) {
    ShowcaseErrorBox(grid, "正在编辑的记录无法保存，窗口没有关闭。", e.Message(), "请改正后再关闭窗口，或按 Esc 撤销修改。");
    if (grid->CanFocus()) grid->SetFocus();
    return false;
  }
}

bool PostChildren(TWinControl* parent) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(parent->Controls(i));
    if (child == nullptr) continue;
    auto* grid = dynamic_cast<TCustomDBGridEx*>(child);
    if (!(grid != nullptr ? PostGrid(grid) : PostChildren(child))) return false;
  }
  return true;
}

}  // namespace

bool PostPendingEdits(TWinControl* window) { return PostChildren(window); }
