#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

// The order of a data set's records: a sequence of record ids (row slots, row ids) with an
// order label per id. Labels grow along the sequence, so two records compare in data-set order
// by their labels alone, without a search. A removed record keeps a label (made odd, while live
// labels are even), so a bookmark to a record that is gone still compares consistently with
// every other bookmark. Inserting between two records takes the midpoint of their labels; when
// no gap is left, every label (gone records included) is renumbered in the same relative order.
class TKeyset {
 public:
  // Dense ids (0, 1, 2, ... as an in-memory store hands them out) keep their labels in a vector.
  // Sparse ids (row ids) appended in increasing order need no stored label at all: their label
  // is the id scaled up; only records placed elsewhere, and gone ones, keep a label in a map.
  explicit TKeyset(bool denseIds);

  int64_t Count() const { return static_cast<int64_t>(order_.size()); }
  int64_t IdAt(int64_t position) const { return order_[static_cast<size_t>(position)]; }
  // Position of a live record, or -1 when the id is gone or was never here.
  int64_t PositionOf(int64_t id) const;
  bool Contains(int64_t id) const;  // live in the sequence
  bool Known(int64_t id) const;     // live or gone
  // Negative, zero or positive as a comes before, is, or comes after b. Ids never seen order
  // after all others, by id; with sparse ids, one in the natural range takes its place in
  // row-id order, so records a lazily read table has not reached yet still compare rightly.
  int Compare(int64_t a, int64_t b) const;

  void Append(int64_t id);
  void InsertAt(int64_t position, int64_t id);
  void Remove(int64_t id);  // the record is gone; it keeps its place for comparisons
  void MoveTo(int64_t id, int64_t position);
  // Replaces the order of the live records (a sort); gone records order after them.
  void Reorder(std::vector<int64_t> ids);
  void Clear();
  const std::vector<int64_t>& Ids() const { return order_; }

 private:
  static constexpr int64_t kGap = int64_t{1} << 30;
  static constexpr int64_t kMissing = INT64_MIN;
  static constexpr int kNaturalShift = 20;
  static constexpr int64_t kNoLabel = INT64_MIN / 2;  // below every label
  static bool HasNaturalLabel(int64_t id) { return id > -(int64_t{1} << 42) && id < (int64_t{1} << 42); }
  static int64_t NaturalLabel(int64_t id) { return id * (int64_t{1} << kNaturalShift); }

  int64_t LabelOf(int64_t id) const;
  void SetLabel(int64_t id, int64_t label);
  int64_t LabelBefore(int64_t position);
  void Renumber();
  template <typename F>
  void ForEachLabel(F&& f) const;

  bool dense_;
  std::vector<int64_t> order_;
  std::vector<int64_t> denseLabels_;
  std::unordered_map<int64_t, int64_t> sparseLabels_;
  int64_t maxLabel_ = kNoLabel;  // no label, live or gone, is larger
};
