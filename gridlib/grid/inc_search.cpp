// Incremental search: typed characters find the next record whose cell starts with them.
#include "gridlib/grid/inc_search.h"

#include <utility>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_host.h"
#include "platform/core/scope_guard.h"

TDBGridExIncSearch::TDBGridExIncSearch(std::unique_ptr<TIncSearchView> view) : view_(std::move(view)) {}
TDBGridExIncSearch::~TDBGridExIncSearch() = default;

// The current column's display text starts with `text`, ignoring case.
bool TDBGridExIncSearch::CurrentMatches(const String& text) {
  TDBGridExHost* grid = view_->Model();
  const int index = grid->SelectedIndex();
  if (index < 0 || index >= grid->Columns()->Count()) return false;
  const String shown = grid->Columns()->Items(index)->DisplayText();
  return CompareTextAnsi(LeftStr(shown, CharLength(text)), text) == 0;
}

// Steps through the records for one whose text matches; without one the current record
// stays current, on the row it was shown on.
bool TDBGridExIncSearch::Walk(const String& text, int direction) {
  TDataSet* dataSet = view_->Model()->DataLink()->DataSet();
  auto held = ScopedValue(paintHeld_, true);
  DisableControlsGuard quiet(dataSet);
  const TBookmark start = dataSet->GetBookmark();
  const int row = dataSet->ActiveRecord();
  if (direction == sdFromFirst) {
    dataSet->First();
  } else if (dataSet->MoveBy(direction == sdPrior ? -1 : 1) == 0) {
    return false;
  }
  const bool backwards = direction == sdPrior;
  while (!(backwards ? dataSet->Bof() : dataSet->Eof())) {
    if (CurrentMatches(text)) return true;
    if (dataSet->MoveBy(backwards ? -1 : 1) == 0) break;
  }
  dataSet->GotoBookmarkAtRow(start, row);
  return false;
}

void TDBGridExIncSearch::Start(const String& text, int timeOut, int direction) {
  TDBGridExHost* grid = view_->Model();
  if (!grid->DataLink()->Active()) return;
  const String wanted = text_ + text;
  const bool found = (direction == sdFromFirst && CurrentMatches(wanted)) || Walk(wanted, direction);
  view_->HideEditor();
  active_ = true;
  if (found) text_ = wanted;
  grid->InvalidateCurrentRow();
  timeOut_ = timeOut;
  RestartTimer();
}

void TDBGridExIncSearch::RestartTimer() {
  view_->StopTimer();
  if (timeOut_ >= 0) view_->StartTimer(timeOut_);
}

void TDBGridExIncSearch::Stop() {
  view_->StopTimer();
  const bool wasActive = active_;
  active_ = false;
  text_.clear();
  view_->Model()->InvalidateCurrentRow();
  if (wasActive) view_->RestoreEditor();
}

void TDBGridExIncSearch::RemoveLastChar() {
  const int length = CharLength(text_);
  if (length > 0) text_ = LeftStr(text_, length - 1);
  view_->Model()->InvalidateCurrentRow();
  RestartTimer();
}

bool TDBGridExIncSearch::TakeTyped(char16_t unit, String& character) {
  if (unit >= 0xD800 && unit <= 0xDBFF) {
    pendingHigh_ = unit;
    return false;
  }
  const char16_t high = std::exchange(pendingHigh_, 0);
  const bool paired = high != 0 && unit >= 0xDC00 && unit <= 0xDFFF;
  const char16_t units[] = {high, unit};
  character = Utf16ToUtf8(paired ? std::u16string_view(units, 2) : std::u16string_view(&unit, 1));
  return true;
}
