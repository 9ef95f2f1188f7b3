#pragma once

#include "platform/data/db_types.h"
#include "platform/windows/keys.h"

class TCustomDBGridEx;

// Moving records by dragging their indicator: which records move, where the drop mark is,
// scrolling past the rows shown, and the move itself on release. The input controller owns
// one and drives it while it is in its dragging-records state.
class TDBGridExRecordDrag {
 public:
  explicit TDBGridExRecordDrag(TCustomDBGridEx* grid) : grid_(grid) {}
  TDBGridExRecordDrag(const TDBGridExRecordDrag&) = delete;
  TDBGridExRecordDrag& operator=(const TDBGridExRecordDrag&) = delete;

  // Whether a press at (x, y) with `shift` is taken for moving records: one in the indicator
  // of a record that may move (with record selection allowed: a selected record, no modifier).
  // With testOnly nothing starts; otherwise the move is under way unless the grid's
  // CanStartMoving refused it (the press is taken all the same).
  bool MouseDown(int x, int y, TShiftState shift, bool testOnly);
  bool Moving() const { return moving_; }
  // The mouse is at (x, y). Over the rows shown the mark follows it; above or below them,
  // with `scroll` (a tick of the timer), the records scroll by one and the mark goes to the
  // first or last row.
  void Follow(int x, int y, bool scroll);
  // The move ends, and with `drop` the records move to the last place the mark accepted.
  void Stop(int x, int y, bool drop);
  // Where the drop mark is drawn now: the line's y; -1 while none is drawn.
  int MarkY() const { return markShown_ ? markY_ : -1; }

 private:
  // Grid rows showing records, and the pixels from the top of the first to the bottom of the
  // last.
  struct RecordRows {
    int First = 0;
    int Last = -1;
    int Top = 0;
    int Bottom = 0;
    bool Empty() const { return Last < First; }
  };
  RecordRows ShownRecordRows();
  int RecNoOfRow(int row);
  // Scrolls the records shown by one in `direction`; the rows the move remembers follow.
  void ScrollRecords(int direction);
  // Asks the grid to move (or, with checkOnly, whether it could move) the selected records,
  // or the dragged one when none is selected, to record `recNo` at tree level `level`.
  bool Step(int recNo, int level, bool checkOnly);
  void Aim(int row, int y);
  bool TargetBelowOrigin() const;
  void ShowMark();
  void HideMark();
  void DrawMarkLine();

  TCustomDBGridEx* grid_;
  bool moving_ = false;
  TBookmark originBookmark_;
  int originRow_ = -1;
  int originRecNo_ = 0;
  int originLevel_ = -1;
  int targetRow_ = -1;
  int targetRecNo_ = 0;
  int targetLevel_ = -1;
  int markX_ = 0;
  // The line drawn (XOR: drawing it again takes it away).
  bool markShown_ = false;
  int markY_ = 0;
  int markLeft_ = 0;
  int markRight_ = 0;
};
