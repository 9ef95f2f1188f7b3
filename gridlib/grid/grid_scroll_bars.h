#pragma once

#include <cstdint>

#include "platform/classes/persistent.h"
#include "platform/controls/std_control_types.h"
#include "platform/core/events.h"
#include "platform/windows/scroll_bars.h"

class TCustomDBGridEx;
class TScrollBar;

enum TScrollBarVisibleModeEx : uint8_t { sbAlwaysShowEx, sbNeverShowEx, sbAutoShowEx };
DECLARE_ENUM_NAMES(TScrollBarVisibleModeEx, "sbAlwaysShowEx", "sbNeverShowEx", "sbAutoShowEx")

// Whether the grid shows its own scroll bar on one side, whether it follows a dragged thumb,
// and an optional external scroll bar that takes the window bar's place.
class TDBGridExScrollBar : public TPersistent {
  DECLARE_CLASS(TDBGridExScrollBar, TPersistent)
 public:
  TDBGridExScrollBar(TCustomDBGridEx* grid, TScrollBarKind kind);
  ~TDBGridExScrollBar() override;
  static void Publish();
  void Assign(TPersistent* source) override;

  TCustomDBGridEx* Grid() const { return grid_; }
  TScrollBarKind Kind() const { return kind_; }
  TScrollBar* ExtScrollBar() const { return extScrollBar_; }
  // Raises when the bar already drives another grid.
  void SetExtScrollBar(TScrollBar* bar);
  bool Tracking() const { return tracking_; }
  void SetTracking(bool value) { tracking_ = value; }
  bool Visible() const { return visibleMode_ != sbNeverShowEx; }
  void SetVisible(bool value);
  TScrollBarVisibleModeEx VisibleMode() const { return visibleMode_; }
  void SetVisibleMode(TScrollBarVisibleModeEx value);
  // The external bar's Visible, else whether the grid's window shows its own bar.
  bool IsScrollBarVisible();
  bool GetScrollInfo(SCROLLINFO& info);
  // The external bar is being freed.
  void ExtScrollBarGone();

 private:
  void Hook(TScrollBar* bar);
  void Unhook(TScrollBar* bar);
  void Changed();

  TCustomDBGridEx* grid_;
  TScrollBarKind kind_;
  TScrollBar* extScrollBar_ = nullptr;
  bool tracking_ = false;
  TScrollBarVisibleModeEx visibleMode_ = sbAutoShowEx;
};

// The vertical bar stores its visible mode rather than Visible. With Tracking on, the rows
// follow its thumb while it is dragged; off (the stored default), they move when it is let go.
class TVertDBGridExScrollBar : public TDBGridExScrollBar {
  DECLARE_CLASS(TVertDBGridExScrollBar, TDBGridExScrollBar)
 public:
  explicit TVertDBGridExScrollBar(TCustomDBGridEx* grid) : TDBGridExScrollBar(grid, sbVertical) {}
  static void Publish();
};
