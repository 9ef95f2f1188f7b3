// The month calendar that drops down from date editors: painting, keys, mouse and wheel.
#include "gridlib/controls/popup_calendar.h"

#include <algorithm>
#include <cmath>

#include "platform/core/format.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/draw_text.h"
#include "platform/windows/messages.h"

namespace {

constexpr const char* kWeekdayNames[7] = {"日", "一", "二", "三", "四", "五", "六"};

}  // namespace

TPopupCalendarEx::TPopupCalendarEx(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  SetTabStop(false);
  SetColor(clWindow);
  SetDate(::Date());
}

void TPopupCalendarEx::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_BORDER;
  params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}

TDateTime TPopupCalendarEx::Date() const { return EncodeDate(year_, month_, day_); }

// The six weeks shown around any month stay inside the years the calendar knows.
void TPopupCalendarEx::SetDate(TDateTime date) {
  const TDateParts parts = DecodeDateTime(std::clamp(std::floor(date), EncodeDate(1, 2, 1), EncodeDate(9999, 11, 30)));
  year_ = parts.year;
  month_ = parts.month;
  day_ = parts.day;
  Invalidate();
}

TDateTime TPopupCalendarEx::FirstShown() const {
  const TDateTime first = EncodeDate(year_, month_, 1);
  return first - (DayOfWeek(first) - 1);
}

TPoint TPopupCalendarEx::CellSize() {
  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(Font());
  return {measure.Canvas()->TextWidth("00") + 12, measure.Canvas()->TextHeight("0") + 6};
}

TPoint TPopupCalendarEx::PreferredSize() {
  const TPoint cell = CellSize();
  return {cell.x * 7 + 2, cell.y * (kFirstWeekRow + kWeeks) + 2};
}

TRect TPopupCalendarEx::CellRect(int col, int row) {
  const TPoint cell = CellSize();
  return Rect(col * cell.x, row * cell.y, (col + 1) * cell.x, (row + 1) * cell.y);
}

bool TPopupCalendarEx::DayAt(TPoint p, TDateTime& day) {
  const TPoint cell = CellSize();
  if (p.x < 0 || p.y < 0 || p.x >= cell.x * 7) return false;
  const int row = p.y / cell.y - kFirstWeekRow;
  if (row < 0 || row >= kWeeks) return false;
  day = FirstShown() + row * 7 + p.x / cell.x;
  return true;
}

void TPopupCalendarEx::MoveDays(int days) { SetDate(Date() + days); }

// A month away keeps the day where the month has it, else takes the month's last.
void TPopupCalendarEx::MoveMonths(int months) {
  const int index = year_ * 12 + (month_ - 1) + months;
  if (index < 12 + 1 || index >= 9999 * 12 + 11) return;
  year_ = index / 12;
  month_ = index % 12 + 1;
  day_ = std::min(day_, DaysInMonth(year_, month_));
  Invalidate();
}

bool TPopupCalendarEx::PopupKeyDown(uint16_t key, TShiftState shift) {
  if (shift.Contains(ssAlt)) return false;
  const bool ctrl = shift.Contains(ssCtrl);
  switch (key) {
    case VK_LEFT: MoveDays(-1); return true;
    case VK_RIGHT: MoveDays(1); return true;
    case VK_UP: MoveDays(-7); return true;
    case VK_DOWN: MoveDays(7); return true;
    case VK_PRIOR: MoveMonths(ctrl ? -12 : -1); return true;
    case VK_NEXT: MoveMonths(ctrl ? 12 : 1); return true;
    case VK_HOME: day_ = 1; Invalidate(); return true;
    case VK_END: day_ = DaysInMonth(year_, month_); Invalidate(); return true;
    default: return false;
  }
}

// The title's end cells turn the months; a day is marked and chosen when the button comes
// up on it.
void TPopupCalendarEx::PopupMouseDown(TPoint screen) {
  const TPoint p = ScreenToClient(screen);
  dayPressed_ = false;
  if (CellRect(0, kTitleRow).Contains(p)) return MoveMonths(-1);
  if (CellRect(6, kTitleRow).Contains(p)) return MoveMonths(1);
  TDateTime day = 0;
  if (!DayAt(p, day)) return;
  SetDate(day);
  pressed_ = day;
  dayPressed_ = true;
}

bool TPopupCalendarEx::PopupMouseUp(TPoint screen) {
  TDateTime day = 0;
  const bool chosen = dayPressed_ && DayAt(ScreenToClient(screen), day) && day == pressed_;
  dayPressed_ = false;
  return chosen;
}

void TPopupCalendarEx::PopupWheel(int wheelDelta) { MoveMonths(wheelDelta > 0 ? -1 : 1); }

void TPopupCalendarEx::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Font()->Assign(Font());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  PaintTitle(canvas);
  PaintDays(canvas);
}

void TPopupCalendarEx::PaintTitle(TCanvas* canvas) {
  TRect title = CellRect(0, kTitleRow);
  title.Right = CellRect(6, kTitleRow).Right;
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(title);
  canvas->Brush()->SetColor(clBtnText);
  canvas->Pen()->SetColor(clBtnText);
  const TRect prior = CellRect(0, kTitleRow);
  const TRect next = CellRect(6, kTitleRow);
  const int midY = (title.Top + title.Bottom) / 2;
  const int cx = prior.Width() / 2;
  canvas->Polygon({{prior.Left + cx + 2, midY - 4}, {prior.Left + cx + 2, midY + 4}, {prior.Left + cx - 2, midY}});
  canvas->Polygon({{next.Left + cx - 2, midY - 4}, {next.Left + cx - 2, midY + 4}, {next.Left + cx + 2, midY}});
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetColor(clBtnText);
  TRect text = title;
  DrawText(canvas->Handle(), IntToStr(year_) + (month_ < 10 ? "-0" : "-") + IntToStr(month_), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  for (int col = 0; col < 7; ++col) {
    TRect cell = CellRect(col, kWeekdayRow);
    canvas->Font()->SetColor(clGrayText);
    DrawText(canvas->Handle(), kWeekdayNames[col], cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

void TPopupCalendarEx::PaintDays(TCanvas* canvas) {
  const TDateTime first = FirstShown();
  const TDateTime marked = Date();
  for (int i = 0; i < 7 * kWeeks; ++i) {
    const TDateTime day = first + i;
    TRect cell = CellRect(i % 7, kFirstWeekRow + i / 7);
    const TDateParts parts = DecodeDateTime(day);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(day == marked ? clHighlight : Color());
    canvas->FillRect(cell);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(day == marked ? clHighlightText : parts.month == month_ ? clWindowText : clGrayText);
    DrawText(canvas->Handle(), IntToStr(parts.day), cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}
