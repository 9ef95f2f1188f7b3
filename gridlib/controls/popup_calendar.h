#pragma once

#include "gridlib/controls/drop_down_popup.h"
#include "platform/controls/custom_control.h"
#include "platform/core/datetime.h"

// The month calendar that drops down from a date edit: a title with the month and arrows to
// the months before and after, the weekday names, and six weeks of days from the Sunday on
// or before the month's first. The marked day is the one Enter or a click chooses; the arrows,
// Page Up and Page Down move it.
class TPopupCalendarEx : public TCustomControl, public IDropDownPopupEx {
  DECLARE_CLASS(TPopupCalendarEx, TCustomControl)
 public:
  explicit TPopupCalendarEx(TComponent* owner);

  // The marked day (no time of day).
  TDateTime Date() const;
  void SetDate(TDateTime date);
  // The window's size for its font, border included.
  TPoint PreferredSize();
  // Where the cells lie: the title row, the weekday row, then the weeks; `row` from 0.
  TRect CellRect(int col, int row);

  TWinControl* PopupWindow() override { return this; }
  bool PopupKeyDown(uint16_t key, TShiftState shift) override;
  void PopupMouseMove(TPoint) override {}
  void PopupMouseDown(TPoint screen) override;
  bool PopupMouseUp(TPoint screen) override;
  void PopupWheel(int wheelDelta) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  bool IsTopLevel() const override { return true; }
  void Paint() override;

 private:
  static constexpr int kTitleRow = 0;
  static constexpr int kWeekdayRow = 1;
  static constexpr int kFirstWeekRow = 2;
  static constexpr int kWeeks = 6;
  // The first day shown: the Sunday on or before the month's first.
  TDateTime FirstShown() const;
  TPoint CellSize();
  // The day under a client point; false off the weeks.
  bool DayAt(TPoint p, TDateTime& day);
  void MoveDays(int days);
  void MoveMonths(int months);
  void PaintTitle(TCanvas* canvas);
  void PaintDays(TCanvas* canvas);

  int year_ = 2000;
  int month_ = 1;
  int day_ = 1;
  // The day the button went down on; a release there chooses it.
  TDateTime pressed_ = -1;
  bool dayPressed_ = false;
};
