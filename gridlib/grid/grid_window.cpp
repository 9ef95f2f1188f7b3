// The grid's window: what it sets up when the window is made, and the messages it handles
// before or after the base grid.
#include <algorithm>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "gridlib/grid/grid_tool_tips.h"
#include "platform/core/scope_guard.h"
#include "platform/controls/application.h"
#include "platform/controls/menus.h"
#include "platform/windows/messages.h"
#include "platform/windows/window_tree.h"

namespace {

// Restores a control's drag mode when the scope ends, unless a handler freed the control.
class DragModeScope {
 public:
  DragModeScope(TControl* control, TDragMode mode) : control_(control), saved_(control->DragMode()) {
    control->SetDragMode(mode);
  }
  ~DragModeScope() {
    if (auto* control = static_cast<TControl*>(control_.Get())) control->SetDragMode(saved_);
  }
  DragModeScope(const DragModeScope&) = delete;
  DragModeScope& operator=(const DragModeScope&) = delete;

 private:
  TWatchedComponent control_;
  TDragMode saved_;
};

}  // namespace

void TCustomDBGridEx::CreateWnd() {
  TCustomGrid::CreateWnd();
  layout_->UpdateEditButtonWidth();
  if (AutoFitColWidths() && !IsDesigning()) {
    LayoutChanged();
  } else {
    SetRowHeights();
    UpdateActive();
  }
  UpdateVertScrollBar();
  savedImeName_ = ImeName();
  savedImeMode_ = ImeMode();
}

// Asks for a layout once the messages already queued are handled; several requests make one.
void TCustomDBGridEx::DeferLayout() {
  if (!HandleAllocated()) return;
  MSG pending;
  if (!PeekMessage(pending, Handle(), GM_DEFERREDLAYOUT, GM_DEFERREDLAYOUT, PM_NOREMOVE)) {
    PostMessage(Handle(), GM_DEFERREDLAYOUT, 0, 0);
  }
}

void TCustomDBGridEx::WndProc(TMessage& m) {
  if (m.Msg == GM_DEFERREDLAYOUT) {
    LayoutChanged();
    return;
  }
  if (m.Msg == WM_TIMER && m.WParam == kIncSearchTimerId) {
    IncSearchTimerFired();
    return;
  }
  if (InputMessage(m) || PaintMessage(m) || EditorMessage(m)) return;
  const bool suspendDrag = DragMode() == dmAutomatic && Options().Contains(dgMultiSelect) &&
                           !IsDesigning() && (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK);
  if (suspendDrag) {
    // A press may start a selection instead; the mouse handling starts the drag itself.
    DragModeScope manual(this, dmManual);
    TCustomGrid::WndProc(m);
    return;
  }
  // A row sized with the mouse is set when the button is released.
  const bool rowSized = m.Msg == WM_LBUTTONUP && GridState() == gsRowSizing;
  // The program's handlers run in there may free the grid, or its form with it.
  const TWatchedComponent self(this);
  ScopeGuard rowResize([this, &self, was = userRowResize_] {
    if (self.Get() != nullptr) userRowResize_ = was;
  });
  userRowResize_ = userRowResize_ || rowSized;
  TCustomGrid::WndProc(m);
  if (self.Get() != nullptr) AfterMessage(m);
}

void TCustomDBGridEx::AfterMessage(TMessage& m) {
  if (m.Msg == CM_FONTCHANGED) {
    LayoutChanged();
    return;
  }
  if (m.Msg == CM_PARENTFONTCHANGED) return TakeParentFont();
  if (m.Msg == CM_PARENTCOLORCHANGED) return TakeParentColor();
  // The shared style blends colours only on a screen that shows them.
  if (m.Msg == CM_SYSCOLORCHANGE && Style() != nullptr) return Style()->SysColorChanged();
  if (m.Msg == CM_HINTSHOWPAUSE && m.LParam != 0 && ToolTips()->ShowsAtOnce(ScreenToClient(GetCursorPos()))) {
    // A cell's tool tip shows at once.
    *reinterpret_cast<int*>(m.LParam) = 0;
    return;
  }
  if (m.Msg == CM_HINTSHOW) {
    auto* info = reinterpret_cast<THintInfo*>(m.LParam);
    if (info != nullptr && info->HintStr.empty()) ToolTips()->Fill(*info);
    return;
  }
  // A grid that prefers searching takes typed characters even without editing.
  if (m.Msg == WM_GETDLGCODE && OptionsEx().Contains(dghPreferIncSearch)) m.Result |= DLGC_WANTCHARS;
  if (m.Msg != WM_SIZE || IsLoading() || inLayoutPass_) return;
  if (UpdateLocked()) {
    // The rows follow once, when the update ends.
    pendingResize_ = true;
    UpdateHorzScrollBar();
    return;
  }
  FollowClientSize();
}

// Auto-fitted widths depend on the client width; the rows on its height.
void TCustomDBGridEx::FollowClientSize() {
  if (AutoFitColWidths() && !IsDesigning()) {
    LayoutChanged();
    return;
  }
  SetRowHeights();
  UpdateVertScrollBar();
  // Mirrored, every cell moves with the right edge, the filter cell too.
  PlaceFilterEditor(false);
  // How many columns fit, and so how far they scroll, follows the width.
  UpdateHorzScrollBar();
}

void TCustomDBGridEx::EndUpdate() {
  if (updateLock_ == 0 || --updateLock_ > 0 || !pendingResize_) return;
  pendingResize_ = false;
  if (HandleAllocated() && !IsLoading() && !inLayoutPass_) FollowClientSize();
}

// A right click over a column with a pop-up menu of its own shows that menu alone; elsewhere
// the grid's own menu shows as for any control.
void TCustomDBGridEx::DefaultHandler(TMessage& m) {
  if (m.Msg == WM_RBUTTONUP && ColumnPopup(m)) return;
  TCustomGrid::DefaultHandler(m);
}

bool TCustomDBGridEx::ColumnPopup(TMessage& m) {
  const TPoint at(static_cast<int16_t>(m.LParamLo()), static_cast<int16_t>(m.LParamHi()));
  const TGridCoord cell = MouseCoord(at.x, at.y);
  const int dataCol = cell.X - IndicatorOffset();
  if (cell.X < 0 || dataCol < 0 || dataCol >= Columns()->Count()) return false;
  auto* menu = dynamic_cast<TPopupMenu*>(Columns()->Items(dataCol)->PopupMenu());
  if (menu == nullptr || !menu->AutoPopup()) return false;
  Perform(WM_CANCELMODE);
  menu->SetPopupComponent(this);
  const TPoint screen = ClientToScreen(at);
  menu->Popup(screen.x, screen.y);
  m.Result = 1;
  return true;
}

TDBGridExToolTips* TCustomDBGridEx::ToolTips() {
  if (toolTips_ == nullptr) toolTips_ = std::make_unique<TDBGridExToolTips>(this);
  return toolTips_.get();
}
