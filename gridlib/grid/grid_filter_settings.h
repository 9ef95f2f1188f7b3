#pragma once

#include "platform/classes/persistent.h"

class TCustomDBGridEx;

// The grid-wide settings of the filter row under the titles: whether the row is shown, and a
// lock that keeps the filter editor where it is while the grid rearranges its columns.
class TSTDBGridExFilter : public TPersistent {
  DECLARE_CLASS(TSTDBGridExFilter, TPersistent)
 public:
  // `grid` may be nullptr for free-standing settings that are only assigned from.
  explicit TSTDBGridExFilter(TCustomDBGridEx* grid) : grid_(grid) {}
  static void Publish();
  // Copies Visible and Local from other filter settings; anything else raises.
  void Assign(TPersistent* source) override;
  TPersistent* GetOwner() override;

  // Kept and streamed for the application; the grid itself does not read it.
  bool Local() const { return local_; }
  void SetLocal(bool value) { local_ = value; }
  // Whether the grid shows the filter row; a change lays the grid out again and resizes the
  // vertical scroll bar's page to the data rows left.
  bool Visible() const { return visible_; }
  void SetVisible(bool value);

  // While the placement lock is held the grid neither moves nor hides the filter editor.
  void LockPlacement() { ++placementLocks_; }
  void UnlockPlacement();
  bool PlacementLocked() const { return placementLocks_ > 0; }

 private:
  TCustomDBGridEx* grid_;
  bool local_ = false;
  bool visible_ = false;
  int placementLocks_ = 0;
};

// Holds the filter editor's placement lock for the life of a scope.
class STFilterPlacementLock {
 public:
  explicit STFilterPlacementLock(TSTDBGridExFilter* filter) : filter_(filter) { filter_->LockPlacement(); }
  ~STFilterPlacementLock() { filter_->UnlockPlacement(); }
  STFilterPlacementLock(const STFilterPlacementLock&) = delete;
  STFilterPlacementLock& operator=(const STFilterPlacementLock&) = delete;

 private:
  TSTDBGridExFilter* filter_;
};
