#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  // Tests never need a display; the few that prove the real backend start their own.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
