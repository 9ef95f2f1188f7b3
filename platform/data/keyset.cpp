// The ordered set of record keys behind a data set's positions.
#include "platform/data/keyset.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

TKeyset::TKeyset(bool denseIds) : dense_(denseIds) {}

int64_t TKeyset::LabelOf(int64_t id) const {
  if (dense_) {
    if (id < 0 || id >= static_cast<int64_t>(denseLabels_.size())) return kMissing;
    return denseLabels_[static_cast<size_t>(id)];
  }
  auto it = sparseLabels_.find(id);
  if (it != sparseLabels_.end()) return it->second;
  return HasNaturalLabel(id) ? NaturalLabel(id) : kMissing;
}

void TKeyset::SetLabel(int64_t id, int64_t label) {
  if (!dense_) {
    sparseLabels_[id] = label;
    return;
  }
  if (id >= static_cast<int64_t>(denseLabels_.size()))
    denseLabels_.resize(static_cast<size_t>(id) + 1, kMissing);
  denseLabels_[static_cast<size_t>(id)] = label;
}

template <typename F>
void TKeyset::ForEachLabel(F&& f) const {
  if (dense_) {
    for (size_t id = 0; id < denseLabels_.size(); ++id)
      if (denseLabels_[id] != kMissing) f(static_cast<int64_t>(id), denseLabels_[id]);
  } else {
    // Live records may carry their natural label; gone ones always have a stored, odd one.
    for (int64_t id : order_) f(id, LabelOf(id));
    for (const auto& [id, label] : sparseLabels_)
      if (label & 1) f(id, label);
  }
}

int64_t TKeyset::PositionOf(int64_t id) const {
  int64_t label = LabelOf(id);
  if (label == kMissing || (label & 1) != 0) return -1;
  auto it = std::lower_bound(order_.begin(), order_.end(), label,
                             [this](int64_t other, int64_t l) { return LabelOf(other) < l; });
  if (it == order_.end() || *it != id) return -1;
  return it - order_.begin();
}

bool TKeyset::Contains(int64_t id) const { return PositionOf(id) >= 0; }

bool TKeyset::Known(int64_t id) const {
  if (dense_) return LabelOf(id) != kMissing;
  return sparseLabels_.count(id) > 0 || PositionOf(id) >= 0;
}

int TKeyset::Compare(int64_t a, int64_t b) const {
  int64_t la = LabelOf(a), lb = LabelOf(b);
  // Unknown ids order after every known one.
  if (la == kMissing) la = INT64_MAX;
  if (lb == kMissing) lb = INT64_MAX;
  if (la != lb) return la < lb ? -1 : 1;
  return a < b ? -1 : (a > b ? 1 : 0);
}

void TKeyset::Append(int64_t id) {
  if (!dense_ && HasNaturalLabel(id) && NaturalLabel(id) > maxLabel_) {
    if (!sparseLabels_.empty()) sparseLabels_.erase(id);
    maxLabel_ = NaturalLabel(id);
  } else {
    SetLabel(id, LabelBefore(Count()));
  }
  order_.push_back(id);
}

// An even label strictly between the records at position-1 and position, renumbering first
// when they sit too close.
int64_t TKeyset::LabelBefore(int64_t position) {
  if (position >= Count()) {
    int64_t label = (maxLabel_ & ~int64_t{1}) + kGap;
    maxLabel_ = label;
    return label;
  }
  int64_t hi = LabelOf(IdAt(position));
  int64_t lo = position == 0 ? hi - 2 * kGap : LabelOf(IdAt(position - 1));
  if (hi - lo < 4) {
    Renumber();
    return LabelBefore(position);
  }
  return lo + (((hi - lo) / 2) & ~int64_t{1});
}

void TKeyset::InsertAt(int64_t position, int64_t id) {
  position = std::clamp<int64_t>(position, 0, Count());
  SetLabel(id, LabelBefore(position));
  order_.insert(order_.begin() + position, id);
}

void TKeyset::Remove(int64_t id) {
  int64_t pos = PositionOf(id);
  if (pos < 0) return;
  order_.erase(order_.begin() + pos);
  SetLabel(id, LabelOf(id) | 1);
}

void TKeyset::MoveTo(int64_t id, int64_t position) {
  int64_t pos = PositionOf(id);
  if (pos < 0) return;
  order_.erase(order_.begin() + pos);
  InsertAt(position, id);
}

void TKeyset::Renumber() {
  std::vector<std::pair<int64_t, int64_t>> all;  // (label, id)
  ForEachLabel([&](int64_t id, int64_t label) { all.emplace_back(label, id); });
  std::sort(all.begin(), all.end());
  int64_t next = 0;
  for (const auto& [label, id] : all) {
    next += kGap;
    SetLabel(id, next | (label & 1));
  }
  maxLabel_ = next;
}

void TKeyset::Reorder(std::vector<int64_t> ids) {
  // A gone id may be live again (SQLite hands a deleted last row id out anew): it is live.
  const std::unordered_set<int64_t> live(ids.begin(), ids.end());
  std::vector<std::pair<int64_t, int64_t>> gone;  // (label, id)
  ForEachLabel([&](int64_t id, int64_t label) {
    if ((label & 1) && live.count(id) == 0) gone.emplace_back(label, id);
  });
  std::sort(gone.begin(), gone.end());
  order_ = std::move(ids);
  int64_t next = 0;
  for (int64_t id : order_) SetLabel(id, next += kGap);
  for (const auto& [label, id] : gone) SetLabel(id, (next += kGap) | 1);
  maxLabel_ = next;
}

void TKeyset::Clear() {
  order_.clear();
  denseLabels_.clear();
  sparseLabels_.clear();
  maxLabel_ = kNoLabel;
}
