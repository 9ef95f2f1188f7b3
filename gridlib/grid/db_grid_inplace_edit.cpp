// The grid's own cell editor: its buttons, drop-down lists and calendar, keys and write-back.
#include "gridlib/grid/db_grid_inplace_edit.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "gridlib/controls/edit_buttons.h"
#include "gridlib/controls/popup_calendar.h"
#include "gridlib/controls/popup_list.h"
#include "gridlib/grid/cell_editing.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_texts.h"
#include "gridlib/grid/grid_unit.h"
#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/core/format.h"
#include "platform/core/scope_guard.h"
#include "platform/core/string_list.h"
#include "platform/data/field.h"
#include "platform/graphics/canvas.h"
#include "platform/windows/cursors.h"
#include "platform/windows/focus.h"
#include "platform/windows/keys.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/messages.h"
#include "platform/windows/system_metrics.h"
#include "platform/windows/timers.h"
#include "platform/windows/window_tree.h"

namespace {

constexpr uintptr_t kRepeatTimerId = 1;
constexpr int kRepeatDelay = 400;
constexpr int kRepeatInterval = 100;
constexpr unsigned kDefaultDropDownRows = 7;

bool DropKey(uint16_t key, TShiftState shift) {
  const bool alt = shift.Contains(ssAlt);
  return (key == VK_F4 && !alt && !shift.Contains(ssCtrl)) || (alt && (key == VK_DOWN || key == VK_UP));
}

// The buttons as the cell shows them; in the flat look each leaves its pixel next to the
// text in the editor's colour.
void PaintEditButtons(TCanvas* canvas, const TCellEditButtonsEx& buttons, int pressed, bool enabled, bool flat,
                      TColor background) {
  for (int i = 0; i < buttons.Count(); ++i) {
    TRect face = buttons.Buttons()[static_cast<size_t>(i)].Rect;
    if (flat) {
      const TRect gap = buttons.AtLeft() ? Rect(face.Right - 1, face.Top, face.Right, face.Bottom)
                                         : Rect(face.Left, face.Top, face.Left + 1, face.Bottom);
      canvas->Brush()->SetColor(background);
      canvas->FillRect(gap);
      if (buttons.AtLeft()) --face.Right;
      else ++face.Left;
    }
    const TButtonDrawStyleEx style = DrawStyleOf(buttons.Buttons()[static_cast<size_t>(i)].Style);
    PaintButtonControlEx(canvas->Handle(), face, clBtnFace, style, enabled, flat, i == pressed, 0);
  }
}

bool IsMouseMessage(UINT msg) {
  return msg == WM_MOUSEMOVE || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_LBUTTONUP;
}

}  // namespace

TDBGridInplaceEdit::TDBGridInplaceEdit(TCustomDBGridEx* grid) : TInplaceEdit(grid) {}

// The popups go first, while the editor they may call back is whole.
TDBGridInplaceEdit::~TDBGridInplaceEdit() {
  dropped_ = nullptr;
  if (HandleAllocated()) KillTimer(Handle(), kRepeatTimerId);
  delete std::exchange(list_, nullptr);
  delete std::exchange(calendar_, nullptr);
}

TCustomDBGridEx* TDBGridInplaceEdit::DBGrid() const { return dynamic_cast<TCustomDBGridEx*>(Grid()); }

TColumnEx* TDBGridInplaceEdit::Column() const {
  TCustomDBGridEx* grid = DBGrid();
  return grid != nullptr ? grid->CellEditingColumn() : nullptr;
}

// New and changed records follow the grid's allowed operations before the column's rules.
bool TDBGridInplaceEdit::EditCanModify() {
  TCustomDBGridEx* grid = DBGrid();
  return grid != nullptr && grid->AllowsEditingCurrentRecord() && TInplaceEdit::EditCanModify();
}

TPopupListEx* TDBGridInplaceEdit::DroppedList() const { return dropped_ != nullptr && dropped_ == list_ ? list_ : nullptr; }

TPopupCalendarEx* TDBGridInplaceEdit::DroppedCalendar() const {
  return dropped_ != nullptr && dropped_ == calendar_ ? calendar_ : nullptr;
}

// ---- Layout and painting.

void TDBGridInplaceEdit::BoundsChanged() {
  TCustomDBGridEx* grid = DBGrid();
  // The editor covers the cell, so it offers the buttons where the cell shows them.
  buttons_ = grid != nullptr ? grid->EditButtonRects(Column(), ClientRect(), true) : TCellEditButtonsEx();
  const TRect text = buttons_.TextRect(ClientRect());
  TRect r = Rect(text.Left + 2, 2, std::max(text.Left + 2, text.Right - 2), Height());
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
  Perform(EM_SCROLLCARET);
}

void TDBGridInplaceEdit::Paint() {
  TInplaceEdit::Paint();
  TCustomDBGridEx* grid = DBGrid();
  const int shownPressed = dropped_ != nullptr ? 0 : pressedInside_ ? pressed_ : -1;
  PaintEditButtons(Canvas(), buttons_, shownPressed, Enabled(), grid != nullptr && grid->Flat(), Color());
}

// A cell holds one value: a paste takes the clipboard's first, up to a tab or a line break, so
// a copied row does not land whole in a name. One longer than the cell takes is refused with the
// grid's paste message rather than cut where typing would stop.
void TDBGridInplaceEdit::PasteFromClipboard() {
  if (IsMasked()) return TInplaceEdit::PasteFromClipboard();
  if (!CanChangeText()) return;
  String text = Clipboard()->AsText();
  text.resize(std::min(text.size(), text.find_first_of("\t\r\n")));
  TColumnEx* column = Column();
  const int limit = ColumnTextLimit(column);
  if (limit > 0 && CharCount() - SelLength() + CharLength(text) > limit) {
    DatabaseError(Format(grid_texts::SPastedTextTooLong, {column->Title()->Caption(), limit}));
  }
  ReplaceSel(text, true);
}

// ---- Keys.

// The grid's own shortcuts reach it from the editor too.
bool TDBGridInplaceEdit::GridShortcut(uint16_t key, TShiftState shift) const {
  const TDBGridExUnitSettings& settings = DBGridExUnitSettings();
  const TShortCut pressed = ShortCut(key, shift);
  return pressed != 0 && (pressed == settings.CopyFromAboveKey || pressed == settings.IncSearchKey ||
                          pressed == settings.FindDialogKey);
}

void TDBGridInplaceEdit::KeyDown(uint16_t& key, TShiftState shift) {
  swallowChar_ = false;
  if (dropped_ != nullptr && DroppedKey(key, shift)) {
    key = 0;
    return;
  }
  if (dropped_ == nullptr && DropKey(key, shift) && HasDropDown()) {
    key = 0;
    DropDown();
    return;
  }
  if (TCustomDBGridEx* grid = DBGrid(); grid != nullptr && GridShortcut(key, shift)) {
    grid->Perform(WM_KEYDOWN, key, 0);
    key = 0;
    return;
  }
  TInplaceEdit::KeyDown(key, shift);
}

// The grid waits for Ctrl's release to sort on titles clicked with Ctrl held, and the editor
// keeps the focus through those clicks.
void TDBGridInplaceEdit::KeyUp(uint16_t& key, TShiftState shift) {
  if (TCustomDBGridEx* grid = DBGrid()) grid->Input()->KeyUp(key);
  TInplaceEdit::KeyUp(key, shift);
}

bool TDBGridInplaceEdit::DroppedKey(uint16_t key, TShiftState shift) {
  // A list whose lines went with their table only closes.
  if (dropped_ == list_ && choices_ != nullptr && choices_->Outdated()) {
    swallowChar_ = key == VK_RETURN || key == VK_ESCAPE;
    CloseUp(false);
    return true;
  }
  if (DropKey(key, shift) || key == VK_RETURN || key == VK_ESCAPE) {
    swallowChar_ = key == VK_RETURN || key == VK_ESCAPE;
    CloseUp(key != VK_ESCAPE);
    return true;
  }
  return dropped_->PopupKeyDown(key, shift);
}

void TDBGridInplaceEdit::KeyPress(char16_t& key) {
  if (std::exchange(swallowChar_, false) && (key == u'\r' || key == 0x1B)) {
    key = 0;
    return;
  }
  TInplaceEdit::KeyPress(key);
}

// ---- Messages: the mouse over the buttons and while a list is down.

void TDBGridInplaceEdit::WndProc(TMessage& m) {
  if (dropped_ != nullptr && DroppedMouse(m)) return;
  if (ButtonMouse(m)) return;
  switch (m.Msg) {
    case WM_SETCURSOR:
      // Over the buttons the pointer is the arrow of buttons, not the text's beam.
      if (LoSigned(m.LParam) != HTCLIENT || Screen == nullptr || buttons_.ButtonAt(ScreenToClient(GetCursorPos())) < 0) break;
      ::SetCursor(Screen->Cursors(crArrow));
      m.Result = 1;
      return;
    case WM_TIMER:
      if (m.WParam != kRepeatTimerId) break;
      RepeatStep();
      return;
    case WM_KILLFOCUS:
      CloseUp(false);
      break;
    case WM_CAPTURECHANGED:
      CaptureChanged(reinterpret_cast<HWND>(m.LParam));
      break;
    default:
      break;
  }
  TInplaceEdit::WndProc(m);
  if (m.Msg == CM_VISIBLECHANGED && !Visible()) CloseUp(false);
  // Enter and Escape close the list rather than reach the form's default and cancel buttons.
  if (m.Msg == WM_GETDLGCODE && dropped_ != nullptr) m.Result |= DLGC_WANTALLKEYS;
}

void TDBGridInplaceEdit::CaptureChanged(HWND to) {
  if (to == (HandleAllocated() ? Handle() : nullptr)) return;
  CloseUp(false);
  if (pressed_ >= 0) {
    pressed_ = -1;
    pressedInside_ = false;
    KillTimer(Handle(), kRepeatTimerId);
    Invalidate();
  }
}

// While the list is down the editor holds the mouse and hands the pointer to the list; a
// press elsewhere closes it without a choice.
bool TDBGridInplaceEdit::DroppedMouse(TMessage& m) {
  if (m.Msg == WM_MOUSEWHEEL) {
    dropped_->PopupWheel(static_cast<int16_t>(m.WParamHi()));
    m.Result = 1;
    return true;
  }
  if (m.Msg == WM_RBUTTONDOWN || m.Msg == WM_MBUTTONDOWN) {
    CloseUp(false);
    return true;
  }
  if (!IsMouseMessage(m.Msg)) return false;
  const TPoint screen = ClientToScreen(LParamToPoint(m.LParam));
  const bool over = OverDropDownPopup(dropped_->PopupWindow(), screen);
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      if (over) dropped_->PopupMouseMove(screen);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (over) dropped_->PopupMouseDown(screen);
      else CloseUp(false);
      break;
    case WM_LBUTTONUP:
      if (over && dropped_->PopupMouseUp(screen)) CloseUp(true);
      break;
  }
  return true;
}

bool TDBGridInplaceEdit::ButtonMouse(TMessage& m) {
  if (!IsMouseMessage(m.Msg)) return false;
  const TPoint p = LParamToPoint(m.LParam);
  if (pressed_ >= 0) {
    if (m.Msg == WM_LBUTTONUP) ButtonUp(p);
    else if (m.Msg == WM_MOUSEMOVE && pressed_ < buttons_.Count()) {
      const bool inside = buttons_.Buttons()[static_cast<size_t>(pressed_)].Rect.Contains(p);
      if (inside != pressedInside_) {
        pressedInside_ = inside;
        Invalidate();
      }
    }
    return true;
  }
  if (m.Msg != WM_LBUTTONDOWN && m.Msg != WM_LBUTTONDBLCLK) return false;
  const int index = buttons_.ButtonAt(p);
  if (index < 0) return false;
  if (!Focused() && CanFocus()) ::SetFocus(Handle());
  const TRect& rect = buttons_.Buttons()[static_cast<size_t>(index)].Rect;
  ButtonDown(index, p.y < (rect.Top + rect.Bottom) / 2);
  return true;
}

// ---- Buttons.

bool TDBGridInplaceEdit::HasDropDown() const {
  switch (buttons_.DefaultStyle()) {
    case cesPickListEx: case cesLookupEx: case cesCalendarEx: return true;
    case cesDropDownEx: {
      TColumnEx* column = Column();
      return column != nullptr && (column->HasPickList() || (column->Field() != nullptr && column->Field()->Lookup()));
    }
    default: return false;
  }
}

// Drop-downs and up-down buttons act themselves; ellipsis and extra buttons leave the click
// to the grid.
bool TDBGridInplaceEdit::OwnAction(const TCellEditButtonEx& button) const {
  if (button.Extra != nullptr) return false;
  return button.EditStyle == cesUpDownEx || HasDropDown();
}

// The column's default button reports as the column, an extra button as its own item.
TObject* TDBGridInplaceEdit::ButtonSender(const TCellEditButtonEx& button) const {
  if (button.Extra != nullptr) return button.Extra;
  return Column();
}

void TDBGridInplaceEdit::ButtonDown(int index, bool top) {
  const TCellEditButtonEx button = buttons_.Buttons()[static_cast<size_t>(index)];
  TColumnEx* column = Column();
  bool autoRepeat = button.Extra == nullptr && button.EditStyle == cesUpDownEx;
  bool handled = false;
  if (column != nullptr) column->OnEditButtonDown.Call(ButtonSender(button), top, autoRepeat, handled);
  if (button.Extra == nullptr && HasDropDown()) {
    if (!handled) DropDown();
    return;
  }
  pressed_ = index;
  pressedTop_ = top;
  pressedInside_ = true;
  autoRepeat_ = autoRepeat;
  SetCapture(Handle());
  Invalidate();
  if (!handled && button.Extra == nullptr && button.EditStyle == cesUpDownEx) StepValue(top);
  if (autoRepeat_) SetTimer(Handle(), kRepeatTimerId, kRepeatDelay);
}

void TDBGridInplaceEdit::ButtonUp(TPoint p) {
  const int index = std::exchange(pressed_, -1);
  const bool inside = pressedInside_ && index < buttons_.Count() &&
                      buttons_.Buttons()[static_cast<size_t>(index)].Rect.Contains(p);
  pressedInside_ = false;
  KillTimer(Handle(), kRepeatTimerId);
  if (GetCapture() == Handle()) ReleaseCapture();
  Invalidate();
  if (!inside) return;
  const TCellEditButtonEx button = buttons_.Buttons()[static_cast<size_t>(index)];
  bool handled = false;
  if (TColumnEx* column = Column()) column->OnEditButtonClick.Call(ButtonSender(button), handled);
  TCustomDBGridEx* grid = DBGrid();
  if (!handled && !OwnAction(button) && grid != nullptr) grid->EditButtonClick();
}

void TDBGridInplaceEdit::RepeatStep() {
  if (pressed_ < 0 || !autoRepeat_) {
    KillTimer(Handle(), kRepeatTimerId);
    return;
  }
  SetTimer(Handle(), kRepeatTimerId, kRepeatInterval);
  if (pressedInside_ && buttons_.Buttons()[static_cast<size_t>(pressed_)].EditStyle == cesUpDownEx) {
    StepValue(pressedTop_);
  }
}

// The text steps as a number by the column's Increment; an empty text counts as one step
// below zero, so the first step gives 0.
void TDBGridInplaceEdit::StepValue(bool up) {
  TColumnEx* column = Column();
  const double step = (column != nullptr ? column->Increment() : 1.0) * (up ? 1 : -1);
  const String text = Trim(Text());
  double value = -step;
  if (!text.empty() && !TryStrToFloat(text, value)) {
    MessageBeep(0);
    return;
  }
  if (!EditCanModify()) return;
  SetText(FloatToStr(value + step));
  SetModified(true);
  SelectAll();
}

// ---- The drop-down.

void TDBGridInplaceEdit::DropDown() {
  if (dropped_ != nullptr || !Visible() || !HasDropDown()) return;
  IDropDownPopupEx* popup = buttons_.DefaultStyle() == cesCalendarEx ? PrepareCalendar() : PrepareList();
  if (popup == nullptr) return;
  TRect below;
  GetWindowRect(Handle(), below);
  TWinControl* window = popup->PopupWindow();
  TColumnEx* column = Column();
  const TPoint size = popup == calendar_ ? calendar_->PreferredSize()
                                         : TPoint{std::max(column->DropDownWidth(), Width()), window->Height()};
  ShowDropDownPopup(window, below, size, column->UseRightToLeftAlignment());
  dropped_ = popup;
  SetCapture(Handle());
  Invalidate();
}

IDropDownPopupEx* TDBGridInplaceEdit::PrepareList() {
  TCustomDBGridEx* grid = DBGrid();
  if (list_ != nullptr) list_->SetRows(nullptr);
  choices_ = ColumnDropDownChoices(Column(), Text(), grid->CellEditing()->EditValue());
  if (choices_ == nullptr || choices_->RowCount() == 0) return nullptr;
  if (list_ == nullptr) list_ = new TPopupListEx(this);
  list_->Font()->Assign(grid->Font());
  const unsigned rows = Column()->DropDownRows() > 0 ? Column()->DropDownRows() : kDefaultDropDownRows;
  const int shown = std::min(static_cast<int>(rows), choices_->RowCount());
  list_->SetBounds(0, 0, Width(), list_->HeightForRows(shown));
  list_->SetRows(choices_.get());
  const int current = choices_->CurrentRow();
  list_->SetItemIndex(current);
  if (current >= 0) list_->SetTopIndex(current);
  return list_;
}

IDropDownPopupEx* TDBGridInplaceEdit::PrepareCalendar() {
  if (calendar_ == nullptr) calendar_ = new TPopupCalendarEx(this);
  calendar_->Font()->Assign(DBGrid()->Font());
  TDateTime shown = 0;
  calendar_->SetDate(TryStrToDateTime(Text(), shown) ? shown : Date());
  return calendar_;
}

void TDBGridInplaceEdit::CloseUp(bool accept) {
  IDropDownPopupEx* popup = std::exchange(dropped_, nullptr);
  if (popup == nullptr) return;
  popup->PopupWindow()->Hide();
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  Invalidate();
  if (accept) ChooseFrom(popup);
}

bool TDBGridInplaceEdit::DroppedWheel(int wheelDelta) {
  if (dropped_ == nullptr) return false;
  dropped_->PopupWheel(wheelDelta);
  return true;
}

void TDBGridInplaceEdit::ChooseFrom(IDropDownPopupEx* popup) {
  if (popup == calendar_) {
    TField* field = Column() != nullptr ? Column()->Field() : nullptr;
    TDateTime date = calendar_->Date();
    TDateTime before = 0;
    // A date and time keeps its time of day.
    const bool withTime = field == nullptr || field->DataType() != ftDate;
    if (withTime && TryStrToDateTime(Text(), before)) date += before - std::floor(before);
    Choose(withTime ? DateTimeToStr(date) : DateToStr(date), Variant::FromDateTime(date));
    return;
  }
  const int index = list_->ItemIndex();
  if (choices_ == nullptr || choices_->Outdated() || index < 0 || index >= choices_->RowCount()) return;
  Choose(choices_->RowText(index), choices_->RowValue(index));
}

// The choice goes in as typing would put it: the record goes into edit mode first, the text
// is the editor's, and the chosen value is the grid's edit value until it is written back.
void TDBGridInplaceEdit::Choose(const String& text, const Variant& value) {
  TCustomDBGridEx* grid = DBGrid();
  if (grid == nullptr || !EditCanModify()) return;
  TDBGridExCellEditing* editing = grid->CellEditing();
  // The entry's value is known: its text is not searched for in a lookup list.
  editing->BeginChoice(text, value);
  ScopeGuard ended([editing] { editing->EndChoice(); });
  SetText(text);
  SetModified(true);
  SelectAll();
  editing->SetEditValue(value);
}
