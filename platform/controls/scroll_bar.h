#pragma once

#include <memory>

#include "platform/controls/std_control_types.h"
#include "platform/controls/win_control.h"

class TScrollTracker;

using TScrollEvent = TEvent<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

// A stand-alone scroll bar (the window's SB_CTL bar): arrows, page clicks and thumb dragging
// with the mouse (held presses repeat on a timer), arrow and page keys; every move is offered
// to OnScroll, which may change the position, before Position changes and OnChange fires.
class TScrollBar : public TWinControl {
  DECLARE_CLASS(TScrollBar, TWinControl)
 public:
  explicit TScrollBar(TComponent* owner);
  ~TScrollBar() override;
  static void Publish();

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind v);
  int Min() const { return min_; }
  void SetMin(int v) { SetParams(position_, v, max_); }
  int Max() const { return max_; }
  void SetMax(int v) { SetParams(position_, min_, v); }
  int Position() const { return position_; }
  void SetPosition(int v) { SetParams(v, min_, max_); }
  int PageSize() const { return pageSize_; }
  void SetPageSize(int v);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int v) { smallChange_ = v; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int v) { largeChange_ = v; }
  // Raises EInvalidOperation when max < min; the position is kept within the range.
  void SetParams(int position, int min, int max);

  TScrollEvent OnScroll;
  TNotifyEvent OnChange;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateWnd() override;
  void PaintWindow(HDC dc) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  virtual void Scroll(TScrollCode code, int& pos);
  virtual void Change();

 private:
  void CNScroll(TMessage& m);
  void WMLButtonDown(TMessage& m);
  void WMMouseMoveBar(TMessage& m);
  void WMLButtonUp(TMessage& m);
  void WMTimer(TMessage& m);
  void WMGetDlgCode(TMessage& m);
  void WMCancelMode(TMessage& m);
  void WMFocusChanged(TMessage& m);
  void SendScroll(int code, int pos);
  void UpdateBar();
  int MaxPosition() const { return pageSize_ > 0 ? max_ - pageSize_ + 1 : max_; }

  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int pageSize_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
  std::unique_ptr<TScrollTracker> tracker_;
};
