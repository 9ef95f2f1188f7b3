// Laying the grid out: binding its columns to fields, then the layout pass, then the rows,
// the current record and the filter row's editor follow.
#include "gridlib/grid/column_binding.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_layout_pass.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/core/scope_guard.h"
#include "platform/windows/messages.h"
#include "platform/windows/window_tree.h"

void TCustomDBGridEx::LayoutChanged() {
  if (InLayout() || inLayoutPass_ || IsLoading() || IsDestroying() || Columns() == nullptr) return;
  InternalLayout();
}

void TCustomDBGridEx::InternalLayout() {
  if (IsLoading() || IsDestroying()) return;
  DropPendingDeferredLayout();
  {
    auto pass = ScopedValue(inLayoutPass_, true);
    BindColumnsToFields(this);
    layout_->PlaceFixedColumns();
    layout_->MeasureRows();
    layout_->ApplyScrollBarStyle();
    UpdateColWidthsAndTabStops();
    if (AutoFitColWidths() && !IsDesigning() && HandleAllocated()) AutoFitColumns();
    layout_->FitTitleHeights();
    UpdateColWidthsAndTabStops();
    Columns()->KeepSelectedColumnVisible();
    const int leftCol = LeftCol();
    SetRowHeights();
    if (Options().Contains(dgRowSelect) && leftCol < ColCount()) SetLeftCol(leftCol);
    UpdateActive();
    Invalidate();
    // Columns the binding freed leave the column selection too.
    if (Selection()->SelectionType() == gstColumns) Selection()->Columns()->Refresh();
    PlaceFilterEditor(false);
    KeepEditorTextWithItsColumn();
  }
  // The editor hid while the pass ran; it goes back over its cell, text and focus and all.
  if (EditorMode()) ShowEditor();
}

void TCustomDBGridEx::UpdateColWidthsAndTabStops() { layout_->UpdateColWidthsAndTabStops(); }

int TCustomDBGridEx::CalcTitleNodeHeight(THeadTreeNode* node) { return layout_->CalcTitleNodeHeight(node); }

// This pass does what a queued deferred layout would; a quit taken out with it goes back.
void TCustomDBGridEx::DropPendingDeferredLayout() {
  if (!HandleAllocated()) return;
  MSG pending;
  while (PeekMessage(pending, Handle(), GM_DEFERREDLAYOUT, GM_DEFERREDLAYOUT, PM_REMOVE)) {
    if (pending.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(pending.wParam));
      return;
    }
  }
}
