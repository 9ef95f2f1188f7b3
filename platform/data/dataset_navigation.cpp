// The buffer window: which records the data set holds around the current one, and how
// moving the cursor shifts them.
#include <algorithm>

#include "platform/data/dataset.h"

int64_t TDataSet::CurrentPosition() const { return windowStart_ + activeRecord_; }

TRecordBuffer* TDataSet::CurrentBuffer() const {
  if (activeRecord_ < 0 || activeRecord_ >= static_cast<int>(buffers_.size())) return nullptr;
  return const_cast<TRecordBuffer*>(&buffers_[static_cast<size_t>(activeRecord_)]);
}

TRecordBuffer TDataSet::NewBuffer() const {
  TRecordBuffer buffer;
  buffer.values.assign(static_cast<size_t>(slotCount_), Variant::Null());
  buffer.changed.assign(static_cast<size_t>(columnCount_), false);
  return buffer;
}

// The record source writes every column, so a reused buffer needs no clearing first.
void TDataSet::FetchInto(int64_t position, TRecordBuffer& buffer) {
  buffer.id = RecordIdAt(position);
  buffer.values.resize(static_cast<size_t>(slotCount_));
  buffer.changed.assign(static_cast<size_t>(columnCount_), false);
  ReadRecord(buffer.id, buffer.values);
  if (HasCalcFields()) CalculateFields(buffer);
}

TRecordBuffer TDataSet::Fetch(int64_t position) {
  TRecordBuffer buffer;
  FetchInto(position, buffer);
  return buffer;
}

void TDataSet::ClearBuffers() {
  buffers_.clear();
  windowStart_ = 0;
  activeRecord_ = 0;
}

int64_t TDataSet::LastPosition() { return InternalRecordCount() - 1; }

// Refills the window so that the record at `anchor` sits at buffer `wantedActive` when enough
// records precede it; the rest of the window takes the records that follow, and when those run
// out, more of those that precede.
void TDataSet::Resync(int64_t anchor, int wantedActive) {
  ClearBuffers();
  if (!RecordExists(0)) return;
  if (anchor < 0) anchor = 0;
  if (!RecordExists(anchor)) anchor = LastPosition();
  wantedActive = std::clamp(wantedActive, 0, bufferCount_ - 1);
  int64_t prior = std::min<int64_t>(wantedActive, anchor);
  int64_t after = 0;
  while (prior + after + 1 < bufferCount_ && RecordExists(anchor + after + 1)) ++after;
  prior = std::min<int64_t>(anchor, bufferCount_ - 1 - after);
  windowStart_ = anchor - prior;
  for (int64_t p = windowStart_; p <= anchor + after; ++p) buffers_.push_back(Fetch(p));
  activeRecord_ = static_cast<int>(prior);
}

// Moves the current record to `position`, keeping the buffers still in the window: forward,
// the window grows until full and then slides so that the record is its last; backward, the
// record becomes its first. Buffers that leave the window are refilled with the records that
// enter it.
int64_t TDataSet::MoveWindowTo(int64_t position) {
  int64_t end = windowStart_ + static_cast<int64_t>(buffers_.size());
  int64_t start = windowStart_;
  if (position >= end)
    SlideForward(position, end);
  else if (position < windowStart_)
    SlideBack(position, end);
  activeRecord_ = static_cast<int>(position - windowStart_);
  return windowStart_ - start;
}

void TDataSet::SlideForward(int64_t position, int64_t end) {
  int64_t newStart = std::max(windowStart_, position - bufferCount_ + 1);
  size_t leaving = static_cast<size_t>(std::min<int64_t>(newStart - windowStart_, static_cast<int64_t>(buffers_.size())));
  std::rotate(buffers_.begin(), buffers_.begin() + static_cast<ptrdiff_t>(leaving), buffers_.end());
  size_t keep = buffers_.size() - leaving;
  int64_t firstNew = std::max(end, newStart);
  buffers_.resize(keep + static_cast<size_t>(position - firstNew + 1));
  for (int64_t p = firstNew; p <= position; ++p) FetchInto(p, buffers_[keep + static_cast<size_t>(p - firstNew)]);
  windowStart_ = newStart;
}

void TDataSet::SlideBack(int64_t position, int64_t end) {
  int64_t newEnd = std::min(end, position + bufferCount_);
  size_t keep = static_cast<size_t>(std::max<int64_t>(0, newEnd - windowStart_));
  size_t entering = static_cast<size_t>(std::min(windowStart_, newEnd) - position);
  buffers_.resize(keep + entering);
  std::rotate(buffers_.begin(), buffers_.begin() + static_cast<ptrdiff_t>(keep), buffers_.end());
  for (size_t i = 0; i < entering; ++i) FetchInto(position + static_cast<int64_t>(i), buffers_[i]);
  windowStart_ = position;
}

void TDataSet::First() {
  CheckBrowseMode();
  DoEvent(BeforeScroll);
  Resync(0, 0);
  bof_ = true;
  eof_ = buffers_.empty();
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterScroll);
}

void TDataSet::Last() {
  CheckBrowseMode();
  DoEvent(BeforeScroll);
  Resync(LastPosition(), bufferCount_ - 1);
  eof_ = true;
  bof_ = buffers_.empty();
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterScroll);
}

int TDataSet::MoveBy(int distance) {
  CheckBrowseMode();
  DoEvent(BeforeScroll);
  if (!((distance > 0 && !eof_) || (distance < 0 && !bof_))) return 0;
  bof_ = eof_ = false;
  int64_t current = CurrentPosition();
  int64_t target = current + distance;
  if (distance > 0 && !RecordExists(target)) {
    eof_ = true;
    target = LastPosition();
  } else if (target < 0) {
    bof_ = true;
    target = 0;
  }
  int64_t shift = MoveWindowTo(target);
  DataEvent(deDataSetScroll, static_cast<intptr_t>(shift));
  DoEvent(AfterScroll);
  return static_cast<int>(target - current);
}

int TDataSet::RecNo() const {
  if (!Active() || state_ == dsInsert || buffers_.empty()) return 0;
  return static_cast<int>(CurrentPosition() + 1);
}

void TDataSet::SetRecNo(int recNo) {
  CheckBrowseMode();
  if (buffers_.empty() || recNo == RecNo()) return;
  int64_t target = std::max<int64_t>(recNo - 1, 0);
  if (!RecordExists(target)) target = LastPosition();
  DoEvent(BeforeScroll);
  ResyncCenter(target);
  bof_ = eof_ = false;
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterScroll);
}

int TDataSet::RecordCount() const {
  if (!Active()) return 0;
  return static_cast<int>(const_cast<TDataSet*>(this)->InternalRecordCount());
}

bool TDataSet::IsEmpty() const { return !Active() || (buffers_.empty() && state_ != dsInsert); }

TBookmark TDataSet::GetBookmark() const {
  TRecordBuffer* buffer = CurrentBuffer();
  if (!Active() || buffer == nullptr || buffer->id < 0) return TBookmark();
  return EncodeBookmark(buffer->id);
}

void TDataSet::GotoBookmark(const TBookmark& bookmark) { GotoBookmarkAtRow(bookmark, (bufferCount_ - 1) / 2); }

void TDataSet::GotoBookmarkAtRow(const TBookmark& bookmark, int bufferRow) {
  CheckBrowseMode();
  int64_t id = 0;
  int64_t position = DecodeBookmark(bookmark, id) ? PositionOfId(id) : -1;
  if (position < 0) DatabaseError(db_messages::RecordNotFound, this);
  DoEvent(BeforeScroll);
  Resync(position, bufferRow);
  bof_ = eof_ = false;
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterScroll);
}

bool TDataSet::BookmarkValid(const TBookmark& bookmark) const {
  int64_t id = 0;
  return Active() && DecodeBookmark(bookmark, id) && const_cast<TDataSet*>(this)->PositionOfId(id) >= 0;
}

int TDataSet::CompareBookmarks(const TBookmark& a, const TBookmark& b) const {
  int64_t ia = 0, ib = 0;
  bool hasA = DecodeBookmark(a, ia), hasB = DecodeBookmark(b, ib);
  if (!hasA || !hasB) return hasA == hasB ? 0 : (hasA ? 1 : -1);
  int c = CompareIds(ia, ib);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

void TDataSet::OrderChanged() {
  if (!Active()) return;
  TRecordBuffer* buffer = CurrentBuffer();
  int64_t position = buffer != nullptr ? PositionOfId(buffer->id) : 0;
  ResyncAround(position);
  // The record stands where the new order puts it: an end reached before is no end of it
  // (only no record at all is both ends).
  bof_ = eof_ = !RecordExists(0);
  DataEvent(deDataSetChange, 0);
}
