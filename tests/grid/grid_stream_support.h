#pragma once

#include "platform/classes/component.h"
#include "tests/classes/stream_test_support.h"

namespace grid_test {

// What a component stream of `root` holds, in the readable text form.
inline String ComponentAsText(TComponent* root) {
  return stream_samples::ToText(stream_samples::WriteTree(root));
}

// Writes `from` to a stream and reads that stream into `to`, as loading a saved form does.
inline void CopyByStream(TComponent* from, TComponent* to) {
  stream_samples::ReadInto(stream_samples::WriteTree(from), to);
}

}  // namespace grid_test
