// The grid's side of its own cell editor: making it, the messages that concern it, and the
// edit-button strip a press may land in.
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/db_grid_inplace_edit.h"
#include "gridlib/grid/filter_editor_placement.h"
#include "platform/windows/messages.h"

TInplaceEdit* TCustomDBGridEx::CreateEditor() { return new TDBGridInplaceEdit(this); }

TDBGridInplaceEdit* TCustomDBGridEx::DBInplaceEditor() const {
  return dynamic_cast<TDBGridInplaceEdit*>(InplaceEditor());
}

bool TCustomDBGridEx::EditorMessage(TMessage& m) {
  if (m.Msg == WM_COMMAND && m.WParamHi() == EN_CHANGE) {
    const HWND from = reinterpret_cast<HWND>(m.LParam);
    TDBGridInplaceEdit* editor = DBInplaceEditor();
    if (editor != nullptr && InInplaceEditor(from)) {
      editor->TextChanged();
      return true;
    }
    // Another child hears of its own change; the filter editor's text is its column's filter.
    TCustomGrid::WndProc(m);
    if (InFilterEditor(from)) FilterEditing()->TextChanged();
    return true;
  }
  if (m.Msg == WM_IME_STARTCOMPOSITION) {
    // The composition goes into the editor.
    TCustomGrid::WndProc(m);
    ShowInplaceEditor();
    return true;
  }
  return false;
}

bool TCustomDBGridEx::InEditButtonStrip(TGridCoord cell, int x) {
  const int dataCol = cell.X - IndicatorOffset();
  if (dataCol < 0 || dataCol >= Columns()->Count()) return false;
  TColumnEx* column = Columns()->Items(dataCol);
  const int width = column->EditButtonsWidth();
  if (width <= 0) return false;
  const TRect rect = CellRect(cell.X, cell.Y);
  return column->UseRightToLeftAlignment() ? x < rect.Left + width : x >= rect.Right - width;
}

void TCustomDBGridEx::PressInplaceEditor(int x, int y) {
  TInplaceEdit* editor = InplaceEditor();
  if (editor == nullptr || !editor->Visible()) return;
  const TPoint at = editor->ScreenToClient(ClientToScreen(TPoint{GridX(x), y}));
  editor->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(at));
}
