// The record order behind bookmarks: positions, comparisons that survive removal, and labels
// that run out of room between two neighbours.
#include <gtest/gtest.h>

#include "platform/data/keyset.h"

namespace {

void ExpectStrictOrder(const TKeyset& k, const std::vector<int64_t>& ids) {
  for (size_t i = 0; i + 1 < ids.size(); ++i) {
    EXPECT_LT(k.Compare(ids[i], ids[i + 1]), 0) << ids[i] << " before " << ids[i + 1];
    EXPECT_GT(k.Compare(ids[i + 1], ids[i]), 0);
  }
}

}  // namespace

TEST(Keyset, PositionsFollowAppendsAndInserts) {
  for (bool dense : {true, false}) {
    TKeyset k(dense);
    for (int64_t id = 0; id < 5; ++id) k.Append(id);
    k.InsertAt(2, 7);
    k.InsertAt(0, 8);
    EXPECT_EQ(k.Ids(), (std::vector<int64_t>{8, 0, 1, 7, 2, 3, 4}));
    for (int64_t p = 0; p < k.Count(); ++p) EXPECT_EQ(k.PositionOf(k.IdAt(p)), p);
    EXPECT_EQ(k.PositionOf(42), -1);
    ExpectStrictOrder(k, k.Ids());
  }
}

TEST(Keyset, RemovedRecordsKeepTheirPlaceInComparisons) {
  for (bool dense : {true, false}) {
    TKeyset k(dense);
    for (int64_t id = 0; id < 6; ++id) k.Append(id);
    k.Remove(2);
    k.Remove(3);
    EXPECT_FALSE(k.Contains(2));
    EXPECT_TRUE(k.Known(2));
    EXPECT_EQ(k.PositionOf(4), 2);
    ExpectStrictOrder(k, {0, 1, 2, 3, 4, 5});
    // A record inserted where the gone ones were sorts between their neighbours.
    k.InsertAt(2, 9);
    EXPECT_LT(k.Compare(1, 9), 0);
    EXPECT_LT(k.Compare(9, 4), 0);
    EXPECT_LT(k.Compare(1, 2), 0);
    EXPECT_LT(k.Compare(3, 4), 0);
  }
}

TEST(Keyset, CrowdedInsertsRenumberWithoutChangingAnyComparison) {
  for (bool dense : {true, false}) {
    TKeyset k(dense);
    k.Append(0);
    k.Append(1);
    k.Remove(1);
    k.Append(2);
    int64_t next = 3;
    // Always inserting right after the first record halves the gap until it runs out.
    for (int i = 0; i < 80; ++i) k.InsertAt(1, next++);
    std::vector<int64_t> expected = {0};
    for (int64_t id = next - 1; id >= 3; --id) expected.push_back(id);
    expected.push_back(2);
    EXPECT_EQ(k.Ids(), expected);
    ExpectStrictOrder(k, expected);
    for (int64_t p = 0; p < k.Count(); ++p) EXPECT_EQ(k.PositionOf(k.IdAt(p)), p);
    // The gone record 1 was before 2 and stays so.
    EXPECT_LT(k.Compare(1, 2), 0);
    EXPECT_LT(k.Compare(0, 1), 0);
  }
}

TEST(Keyset, ReorderPutsGoneRecordsAfterTheLiveOnes) {
  TKeyset k(true);
  for (int64_t id = 0; id < 4; ++id) k.Append(id);
  k.Remove(1);
  k.Reorder({3, 2, 0});
  EXPECT_EQ(k.PositionOf(3), 0);
  EXPECT_EQ(k.PositionOf(0), 2);
  ExpectStrictOrder(k, {3, 2, 0, 1});
  k.MoveTo(3, 2);
  EXPECT_EQ(k.Ids(), (std::vector<int64_t>{2, 0, 3}));
  ExpectStrictOrder(k, {2, 0, 3});
}

TEST(Keyset, SparseIdsAppendedOutOfOrderStillOrderByPosition) {
  TKeyset k(false);
  k.Append(100);
  k.Append(5);  // smaller than the one before: cannot use its natural place
  k.Append(200);
  EXPECT_EQ(k.PositionOf(5), 1);
  EXPECT_EQ(k.PositionOf(200), 2);
  ExpectStrictOrder(k, {100, 5, 200});
  k.Clear();
  EXPECT_EQ(k.Count(), 0);
  EXPECT_FALSE(k.Known(100));
}
