#pragma once

#include "platform/classes/component.h"
#include "platform/classes/object_text.h"
#include "platform/classes/stream_components.h"
#include "platform/core/streams.h"

namespace grid_test {

// What a component stream of `root` holds, in the readable text form.
inline String ComponentAsText(TComponent* root) {
  TMemoryStream binary;
  WriteComponent(binary, root);
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(binary, text);
  return text.DataString();
}

// Writes `from` to a stream and reads that stream into `to`, as loading a saved form does.
inline void CopyByStream(TComponent* from, TComponent* to) {
  TMemoryStream binary;
  WriteComponent(binary, from);
  binary.SetPosition(0);
  ReadComponent(binary, to);
}

}  // namespace grid_test
