#pragma once

#include <functional>
#include <memory>

// Objects a benchmark program builds once and reuses across runs (an application, forms over
// many records) are kept here and freed by the program's main after the last run, newest
// first, while the platform's own state is still alive. Freed from static destructors instead,
// they would run after parts of the window system are gone.
void KeepUntilBenchmarksEnd(std::function<void()> release);
void ReleaseBenchmarkFixtures();

template <typename T>
T& KeepForBenchmarks(std::unique_ptr<T> object) {
  T* kept = object.release();
  KeepUntilBenchmarksEnd([kept] { delete kept; });
  return *kept;
}
