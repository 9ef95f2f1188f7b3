#pragma once

// Conversions the stream tests share: component and text forms of byte vectors.
#include <string_view>
#include <vector>

#include "platform/classes/object_text.h"
#include "platform/classes/stream_components.h"

namespace stream_samples {

inline String ToText(const std::vector<uint8_t>& binary) {
  TBytesStream in(binary.data(), static_cast<int64_t>(binary.size()));
  TStringStream out;
  ObjectBinaryToText(in, out);
  return out.DataString();
}

inline std::vector<uint8_t> ToBinary(std::string_view text) {
  TStringStream in(text);
  TMemoryStream out;
  ObjectTextToBinary(in, out);
  return out.Bytes();
}

inline std::vector<uint8_t> WriteTree(TComponent* root) {
  TMemoryStream stream;
  WriteComponent(stream, root);
  return stream.Bytes();
}

inline TComponent* ReadInto(const std::vector<uint8_t>& binary, TComponent* instance) {
  TBytesStream in(binary.data(), static_cast<int64_t>(binary.size()));
  return ReadComponent(in, instance);
}

}  // namespace stream_samples
