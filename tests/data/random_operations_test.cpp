// Long random runs of moves, inserts, appends, deletes, edits, searches and bookmarks on both
// data sets, checked after every step against a plain list of IDs: the current record, its
// number, the count, and link windows that are unbroken stretches of the list around the
// current record (full for the link that sets the window size).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/data/data_test_support.h"

using namespace data_test;

namespace {

constexpr int kRows = 4;

class Model {
 public:
  explicit Model(int count) {
    for (int i = 1; i <= count; ++i) ids.push_back(i);
  }
  std::vector<int> ids;
  int current = 0;
  int nextId = 1000;
  void Clamp() { current = std::clamp(current, 0, std::max(0, static_cast<int>(ids.size()) - 1)); }
};

// A link's window: the rows it shows are consecutive records of the list, the current one among
// them at the link's active row.
void CheckWindow(RecordingLink& link, const Model& m, int expectedRows) {
  int rows = link.RecordCount();
  if (expectedRows > 0) {
    ASSERT_EQ(rows, expectedRows);
  } else {
    ASSERT_GE(rows, 1);
  }
  int first = m.current - link.ActiveRecord();
  ASSERT_GE(first, 0);
  ASSERT_LE(first + rows, static_cast<int>(m.ids.size()));
  std::string expected;
  for (int i = first; i < first + rows; ++i) expected += (expected.empty() ? "" : " ") + std::to_string(m.ids[i]);
  EXPECT_EQ(link.Window(), expected);
}

void Check(LinkedData& d, RecordingLink& small, const Model& m, const std::string& step) {
  SCOPED_TRACE(step);
  ASSERT_EQ(d.ds->RecordCount(), static_cast<int>(m.ids.size()));
  if (m.ids.empty()) {
    EXPECT_TRUE(d.ds->IsEmpty());
    return;
  }
  ASSERT_EQ(d.ds->FieldByName("ID")->AsInteger(), m.ids[m.current]);
  EXPECT_EQ(d.ds->RecNo(), m.current + 1);
  CheckWindow(*d.link, m, std::min<int>(kRows, static_cast<int>(m.ids.size())));
  CheckWindow(small, m, 0);
}

}  // namespace

class RandomOperations : public testing::TestWithParam<Store> {};

TEST_P(RandomOperations, KeepOrderPositionAndWindowConsistent) {
  LinkedData d(GetParam(), 12, kRows);
  RecordingLink small(d.source.get(), 2);
  Model m(12);
  std::mt19937 random(20240501);
  TBookmark saved = d.ds->GetBookmark();
  int savedId = 1;
  for (int step = 0; step < 600; ++step) {
    int n = static_cast<int>(m.ids.size());
    std::string name;
    switch (random() % 11) {
      case 0: {
        int distance = static_cast<int>(random() % 13) - 6;
        name = "MoveBy " + std::to_string(distance);
        int moved = d.ds->MoveBy(distance);
        int target = std::clamp(m.current + distance, 0, std::max(0, n - 1));
        if (n > 0) {
          EXPECT_EQ(moved, target - m.current) << name;
        }
        m.current = target;
        break;
      }
      case 1:
        name = "First";
        d.ds->First();
        m.current = 0;
        break;
      case 2:
        name = "Last";
        d.ds->Last();
        m.current = n - 1;
        m.Clamp();
        break;
      case 3:
      case 4: {
        name = "Insert";
        d.ds->Insert();
        d.ds->FieldByName("ID")->SetAsInteger(m.nextId);
        d.ds->Post();
        m.ids.insert(m.ids.begin() + (n ? m.current : 0), m.nextId++);
        if (!n) m.current = 0;
        break;
      }
      case 5:
        name = "Append";
        d.ds->Append();
        d.ds->FieldByName("ID")->SetAsInteger(m.nextId);
        d.ds->Post();
        m.ids.push_back(m.nextId++);
        m.current = static_cast<int>(m.ids.size()) - 1;
        break;
      case 6:
        if (n == 0) continue;
        name = "Delete";
        d.ds->Delete();
        m.ids.erase(m.ids.begin() + m.current);
        m.Clamp();
        break;
      case 7:
        if (n == 0) continue;
        name = "Edit and cancel";
        d.ds->Edit();
        d.ds->FieldByName("Name")->SetAsString("changed");
        if (random() % 2)
          d.ds->Post();
        else
          d.ds->Cancel();
        break;
      case 8: {
        if (n == 0) continue;
        int index = static_cast<int>(random() % n);
        name = "Locate " + std::to_string(m.ids[index]);
        ASSERT_TRUE(d.ds->Locate("ID", m.ids[index], {}));
        m.current = index;
        break;
      }
      case 9: {
        auto it = std::find(m.ids.begin(), m.ids.end(), savedId);
        name = "GotoBookmark";
        if (it == m.ids.end()) {
          EXPECT_FALSE(d.ds->BookmarkValid(saved));
          EXPECT_THROW(d.ds->GotoBookmark(saved), EDatabaseError);
        } else {
          d.ds->GotoBookmark(saved);
          m.current = static_cast<int>(it - m.ids.begin());
        }
        if (n > 0) {
          saved = d.ds->GetBookmark();
          savedId = d.ds->FieldByName("ID")->AsInteger();
        }
        break;
      }
      case 10: {
        int recNo = static_cast<int>(random() % (n + 2));
        name = "RecNo " + std::to_string(recNo);
        d.ds->SetRecNo(recNo);
        if (n > 0) m.current = std::clamp(recNo - 1, 0, n - 1);
        break;
      }
    }
    Check(d, small, m, std::to_string(step) + ": " + name);
    if (HasFatalFailure() || HasFailure()) break;
  }
}

INSTANTIATE_TEST_SUITE_P(AllStores, RandomOperations,
                         testing::Values(Store::Memory, Store::Sqlite, Store::SqliteQuery), StoreName);
