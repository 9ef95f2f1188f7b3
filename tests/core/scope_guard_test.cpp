#include "platform/core/scope_guard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/core/sets.h"

namespace {

enum TDemoState { dsOne, dsTwo, dsThree };

TEST(ScopeGuard, ValueIsSetForTheScopeAndPutBackOnEveryWayOut) {
  bool flag = false;
  std::string text = "before";
  {
    auto f = ScopedValue(flag, true);
    auto t = ScopedValue(text, "during");
    EXPECT_TRUE(flag);
    EXPECT_EQ(text, "during");
  }
  EXPECT_FALSE(flag);
  EXPECT_EQ(text, "before");

  try {
    auto f = ScopedValue(flag, true);
    throw std::runtime_error("drawing failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(flag) << "an exception must not leave the flag set";
}

TEST(ScopeGuard, NestedScopesRestoreInTurn) {
  int depth = 0;
  {
    auto outer = ScopedValue(depth, 1);
    {
      auto inner = ScopedValue(depth, 2);
      EXPECT_EQ(depth, 2);
    }
    EXPECT_EQ(depth, 1) << "the inner scope gives back the outer value, not the first";
  }
  EXPECT_EQ(depth, 0);
}

TEST(ScopeGuard, KeptChangeStays) {
  std::string value = "old";
  {
    auto write = ScopedValue(value, "new");
    write.Keep();
  }
  EXPECT_EQ(value, "new");
}

TEST(ScopeGuard, RestoreUndoesWhateverTheScopeDid) {
  std::string handler = "OnChange";
  try {
    auto quiet = ScopedRestore(handler);
    handler.clear();
    handler += "other";
    throw std::runtime_error("copy failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(handler, "OnChange");
}

TEST(ScopeGuard, IncludedItemLeavesTheSetAgain) {
  Set<TDemoState> state{dsOne};
  {
    auto during = ScopedInclude(state, dsThree);
    EXPECT_TRUE(state.Contains(dsThree));
  }
  EXPECT_TRUE(state.Contains(dsOne));
  EXPECT_FALSE(state.Contains(dsThree));
}

TEST(ScopeGuard, ReleaseActionRunsOnceAtTheEnd) {
  int released = 0;
  try {
    ScopeGuard unlock([&] { ++released; });
    EXPECT_EQ(released, 0);
    throw std::runtime_error("layout failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(released, 1);
}

}  // namespace
