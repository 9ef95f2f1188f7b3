// The grid's input overrides and input messages go to its input controller; what the
// controller keeps of the base grid it reaches through the grid.
#include "gridlib/controls/inplace_filter_edit.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/db_grid_inplace_edit.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/row_source.h"
#include "platform/controls/inplace_edit.h"
#include "platform/controls/application.h"
#include "platform/windows/cursors.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"

void TCustomDBGridEx::KeyDown(uint16_t& key, TShiftState shift) { input_->KeyDown(key, shift); }

void TCustomDBGridEx::KeyPress(char16_t& key) { input_->KeyPress(key); }

// The input controller works on the layout: a right-to-left grid's x is mirrored here, once,
// and mirrored back where the base grid and the mouse events take client points.
void TCustomDBGridEx::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  input_->MouseDown(button, shift, GridX(x), y);
}

void TCustomDBGridEx::MouseMove(TShiftState shift, int x, int y) { input_->MouseMove(shift, GridX(x), y); }

void TCustomDBGridEx::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  input_->MouseUp(button, shift, GridX(x), y);
}

bool TCustomDBGridEx::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  // An open drop-down of the editor takes the wheel before anyone else.
  if (TDBGridInplaceEdit* editor = DBInplaceEditor(); editor != nullptr && editor->DroppedWheel(wheelDelta)) return true;
  // The application's handler comes first; the grid steps records only when it did not.
  if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  return input_->MouseWheel(shift, wheelDelta);
}

bool TCustomDBGridEx::InputMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_CHAR:
      if (IsDesigning()) return false;
      input_->Char(m);
      return true;
    case WM_VSCROLL:
      RowSource()->VertScroll(m.WParamLo(), m.WParamHi());
      return true;
    case WM_TIMER:
      if (m.WParam != 1) return false;
      if (input_->State() != gisSelecting && input_->State() != gisDraggingRecords) return false;
      input_->TimerTick();
      return true;
    case WM_CANCELMODE:
    case CM_CANCELMODE:
      TCustomGrid::WndProc(m);
      input_->StopTracking();
      // What the filter editor started (its open list) ends with the grid's.
      if (m.Msg == CM_CANCELMODE && FilterEditor() != nullptr) FilterEditor()->Perform(m.Msg, m.WParam, m.LParam);
      return true;
    case WM_SETCURSOR: {
      if (LoSigned(m.LParam) != HTCLIENT) return false;
      const TPoint at = ScreenToClient(GetCursorPos());
      const HCURSOR cursor = input_->CursorAt(GridX(at.x), at.y);
      if (cursor == 0) return false;
      ::SetCursor(cursor);
      m.Result = 1;
      return true;
    }
    case WM_HSCROLL:
      // With a tracking bar the columns follow the thumb while it is dragged.
      if (m.WParamLo() == SB_THUMBTRACK && HorzScrollBar()->Tracking()) {
        m.WParam = MakeWParam(SB_THUMBPOSITION, m.WParamHi());
      }
      TCustomGrid::WndProc(m);
      UpdateHorzScrollBar();
      return true;
    case WM_KEYUP:
      // The base grid goes on to the key-up event.
      input_->KeyUp(static_cast<uint16_t>(m.WParam));
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      FocusMessage(m);
      return true;
    case WM_MOUSEWHEEL:
      // While the filter row is edited the wheel is its editor's: an open list scrolls, and the
      // records stay. A closed editor passes the wheel on to the grid, which keeps it.
      if (!FilterEditorShown() || !FilterEditor()->Visible()) return false;
      if (FilterEditor()->DroppedDown()) m.Result = FilterEditor()->Perform(m.Msg, m.WParam, m.LParam);
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      // A press on an editable filter cell is the filter row's alone.
      return input_->FilterRowPress(m);
    default: return false;
  }
}

void TCustomDBGridEx::BaseMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomGrid::MouseDown(button, shift, GridX(x), y);
}

void TCustomDBGridEx::BaseMouseMove(TShiftState shift, int x, int y) { TCustomGrid::MouseMove(shift, GridX(x), y); }

void TCustomDBGridEx::BaseMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomGrid::MouseUp(button, shift, GridX(x), y);
}

void TCustomDBGridEx::BaseKeyPress(char16_t& key) { TCustomGrid::KeyPress(key); }

void TCustomDBGridEx::BaseChar(TMessage& m) { TCustomGrid::WndProc(m); }

void TCustomDBGridEx::KeyPressOnly(TMessage& m) { DoKeyPress(m); }

bool TCustomDBGridEx::AcceptsKey(uint16_t key, TShiftState shift) { return CanGridAcceptKey(key, shift); }

void TCustomDBGridEx::FireKeyDown(uint16_t& key, TShiftState shift) { TCustomControl::KeyDown(key, shift); }

// The base grid's mouse-down handling is not run for these; its OnMouseDown still is.
void TCustomDBGridEx::FireMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, GridX(x), y);
}

void TCustomDBGridEx::FireMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, GridX(x), y);
}
