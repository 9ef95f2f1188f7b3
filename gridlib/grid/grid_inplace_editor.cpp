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

// Layout coordinates are mirrored already in a mirrored grid, where the buttons lie at the
// cells' right ends as the columns read from the right.
TCellEditButtonsEx TCustomDBGridEx::EditButtonRects(TColumnEx* column, const TRect& rect, bool onScreen) {
  const bool mirrored = ColumnsMirrored();
  const bool rightToLeft = column != nullptr && column->UseRightToLeftAlignment();
  const bool atLeft = onScreen ? rightToLeft || mirrored : rightToLeft && !mirrored;
  return TCellEditButtonsEx(column, rect, EditButtonSize(), atLeft);
}

TCellEditButtonsEx TCustomDBGridEx::EditButtonRects(int col, int row) {
  const int dataCol = col - IndicatorOffset();
  if (dataCol < 0 || dataCol >= Columns()->Count() || row < TitleOffset()) return {};
  return EditButtonRects(Columns()->Items(dataCol), CellRect(col, row));
}

void TCustomDBGridEx::PressInplaceEditor(int x, int y) {
  TInplaceEdit* editor = InplaceEditor();
  if (editor == nullptr || !editor->Visible()) return;
  const TPoint at = editor->ScreenToClient(ClientToScreen(TPoint{GridX(x), y}));
  editor->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(at));
}
