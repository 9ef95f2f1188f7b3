#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/core/lists.h"
#include "tests/core/expect_message.h"

namespace {

int values[6] = {0, 1, 2, 3, 4, 5};
void* P(int i) { return &values[i]; }

std::vector<int> Contents(const TList& list) {
  std::vector<int> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(*static_cast<int*>(list.Items(i)));
  return out;
}

void ExpectIndexError(const std::function<void()>& action, int index) {
  ExpectRaises<EListError>(action, "List index out of bounds (" + std::to_string(index) + ")");
}

TEST(List, AddsInsertsAndDeletesByIndex) {
  TList list;
  EXPECT_EQ(list.Add(P(1)), 0);
  EXPECT_EQ(list.Add(P(3)), 1);
  list.Insert(1, P(2));
  list.Insert(0, P(0));
  list.Insert(list.Count(), P(4));
  EXPECT_EQ(Contents(list), (std::vector<int>{0, 1, 2, 3, 4}));
  list.Delete(2);
  EXPECT_EQ(Contents(list), (std::vector<int>{0, 1, 3, 4}));
  EXPECT_EQ(list.First(), P(0));
  EXPECT_EQ(list.Last(), P(4));
  list.SetItems(0, P(5));
  EXPECT_EQ(list.IndexOf(P(5)), 0);
  EXPECT_EQ(list.IndexOf(P(2)), -1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(List, RaisesForEveryIndexOutsideTheList) {
  TList list;
  ExpectIndexError([&] { list.First(); }, 0);
  ExpectIndexError([&] { list.Last(); }, -1);
  list.Add(P(0));
  list.Add(P(1));
  ExpectIndexError([&] { list.Items(2); }, 2);
  ExpectIndexError([&] { list.Items(-1); }, -1);
  ExpectIndexError([&] { list.Delete(5); }, 5);
  ExpectIndexError([&] { list.Insert(3, P(2)); }, 3);
  ExpectIndexError([&] { list.Insert(-1, P(2)); }, -1);
  ExpectIndexError([&] { list.SetItems(2, P(2)); }, 2);
  ExpectIndexError([&] { list.Exchange(0, 2); }, 2);
  ExpectIndexError([&] { list.Move(3, 0); }, 3);
  EXPECT_EQ(Contents(list), (std::vector<int>{0, 1}));
}

TEST(List, RemoveAndExtractTakeTheFirstOccurrence) {
  TList list;
  for (int i : {1, 2, 1, 3}) list.Add(P(i));
  EXPECT_EQ(list.Remove(P(1)), 0);
  EXPECT_EQ(Contents(list), (std::vector<int>{2, 1, 3}));
  EXPECT_EQ(list.Remove(P(5)), -1);
  EXPECT_EQ(list.Extract(P(1)), P(1));
  EXPECT_EQ(list.Extract(P(1)), nullptr);
  EXPECT_EQ(Contents(list), (std::vector<int>{2, 3}));
}

TEST(List, ExchangesMovesAndSortsStably) {
  TList list;
  for (int i = 0; i < 5; ++i) list.Add(P(i));
  list.Exchange(0, 4);
  EXPECT_EQ(Contents(list), (std::vector<int>{4, 1, 2, 3, 0}));
  list.Move(0, 3);
  EXPECT_EQ(Contents(list), (std::vector<int>{1, 2, 3, 4, 0}));
  list.Move(4, 1);
  EXPECT_EQ(Contents(list), (std::vector<int>{1, 0, 2, 3, 4}));

  // Sorted by parity only: equal keys keep their order.
  list.Sort([](void* a, void* b) { return *static_cast<int*>(a) % 2 - *static_cast<int*>(b) % 2; });
  EXPECT_EQ(Contents(list), (std::vector<int>{0, 2, 4, 1, 3}));
}

TEST(List, CapacityNeverDropsBelowCount) {
  TList list;
  list.SetCapacity(100);
  EXPECT_GE(list.Capacity(), 100);
  for (int i = 0; i < 3; ++i) list.Add(P(i));
  list.SetCapacity(3);
  EXPECT_EQ(list.Capacity(), 3);
  ExpectRaises<EListError>([&] { list.SetCapacity(2); }, "List capacity out of bounds (2)");
  EXPECT_EQ(Contents(list), (std::vector<int>{0, 1, 2}));
}

// ---- Object lists -----------------------------------------------------------------------

class Tracked : public TObject {
 public:
  explicit Tracked(int& alive) : alive_(alive) { ++alive_; }
  ~Tracked() override { --alive_; }

 private:
  int& alive_;
};

TEST(ObjectList, DeletesOwnedObjectsWhenTheyLeaveTheList) {
  int alive = 0;
  auto* kept = new Tracked(alive);
  {
    TObjectList list;
    EXPECT_TRUE(list.OwnsObjects());
    for (int i = 0; i < 4; ++i) list.Add(new Tracked(alive));
    list.Add(kept);
    EXPECT_EQ(alive, 5);
    list.Delete(0);
    EXPECT_EQ(alive, 4);
    list.Remove(list.Items(0));
    EXPECT_EQ(alive, 3);
    EXPECT_EQ(list.Extract(kept), kept);  // handed back, not deleted
    EXPECT_EQ(alive, 3);
    list.SetItems(0, new Tracked(alive));  // the replaced object is deleted
    EXPECT_EQ(alive, 3);
    list.Clear();
    EXPECT_EQ(alive, 1);
    list.Add(new Tracked(alive));
  }
  EXPECT_EQ(alive, 1);  // destroying the list deleted the rest
  delete kept;
  EXPECT_EQ(alive, 0);
}

TEST(ObjectList, LeavesObjectsAloneWhenNotOwning) {
  int alive = 0;
  Tracked a(alive);
  Tracked b(alive);
  {
    TObjectList list(false);
    list.Add(&a);
    list.Insert(0, &b);
    EXPECT_EQ(list.First(), &b);
    EXPECT_EQ(list.IndexOf(&a), 1);
    list.Delete(0);
    list.Clear();
    list.Add(&a);
  }
  EXPECT_EQ(alive, 2);
  TObjectList list;
  list.Add(new Tracked(alive));
  list.SetOwnsObjects(false);
  TObject* loose = list.Last();
  list.Clear();
  EXPECT_EQ(alive, 3);
  delete loose;
}

}  // namespace
