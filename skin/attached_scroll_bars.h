#pragma once

#include "platform/windows/scroll_bars.h"
#include "skin/themes.h"

class TComponent;
class TWinControl;
class TskFileTheme;
class TskScrollBar;

// The skinned scroll bars a list, memo or tree stands over its native ones: a vertical and a
// horizontal TskScrollBar on the control's parent, kept in step with the control's own
// scrolling both ways. The native bars stay under them and tell range, page, position and
// thumb length; a change of a skinned bar scrolls the control by SB_THUMBPOSITION, with the
// full position as the native bar's track position (the message's word holds only 16 bits).
class TskAttachedScrollBars {
 public:
  // How a control shows its bars. A list or tree hides a skinned bar while its native bar is
  // not shown or has nothing to scroll, and lets the control's answer to a bar's scroll move
  // the bar; a memo keeps the bar with its thumb hidden, steps its horizontal bar three pages
  // of pixels at a time, and leaves the bar where the user put it while it scrolls.
  enum TManner : uint8_t { bmList, bmMemo };
  TskAttachedScrollBars(TWinControl* control, TManner manner) : control_(control), manner_(manner) {}
  ~TskAttachedScrollBars();
  TskAttachedScrollBars(const TskAttachedScrollBars&) = delete;
  TskAttachedScrollBars& operator=(const TskAttachedScrollBars&) = delete;

  // SB_VERT or SB_HORZ.
  TskScrollBar* Bar(int kind) const { return bars_[kind == SB_VERT ? 1 : 0]; }
  // Releases the bar attached so far (back to Max 100, enabled, no thumb length, no handler)
  // and takes `bar`, oriented for `kind`, brought to the front; answers whether it changed.
  bool Attach(int kind, TskScrollBar* bar);
  // A freed component that was an attached bar is forgotten; answers whether it was one.
  bool Forget(const TComponent* component);
  // Style and theme for both bars.
  void ApplyStyle(TskUIStyle style, TskFileTheme* fileTheme);
  void ApplyFileTheme(TskFileTheme* fileTheme);
  // Takes the native bars' state into the skinned ones (for a memo, not while a skinned bar
  // is scrolling it).
  void Synchronise();
  // What every such control does after its own handling of a message: the bars follow keys,
  // the wheel, a held left button, scrolling and the control's enabled state. Answers true
  // for a move or resize, after which the control places its bars.
  bool Follow(UINT msg);
  // A vertical bar along the right edge inside the control's border and a horizontal one
  // along the bottom (one larger across than the control: hidden for a memo, at the near edge
  // for a list or tree); `onlyVisible` counts the other bar only when it is shown.
  void Place(bool onlyVisible);

 private:
  void SynchroniseBar(int kind);
  void Release(TskScrollBar* bar);
  void BarChanged(int kind);

  TWinControl* control_;
  TManner manner_;
  TskScrollBar* bars_[2] = {nullptr, nullptr};  // horizontal, vertical
  bool syncing_ = false;
  bool buttonDown_ = false;
  bool scrolling_ = false;
};
