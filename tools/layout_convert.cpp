// layout-convert: shows a stored component layout as text, or stores text as a layout.
//   layout-convert --to-text IN OUT
//   layout-convert --to-binary IN OUT
#include <cstdio>
#include <cstring>

#include "platform/classes/object_text.h"
#include "platform/core/exceptions.h"
#include "platform/core/streams.h"

namespace {

int Usage() {
  std::fputs("usage: layout-convert --to-text IN OUT\n"
             "       layout-convert --to-binary IN OUT\n"
             "Converts a stored component layout to its text form, or the text form back.\n",
             stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Usage();
  const bool toText = std::strcmp(argv[1], "--to-text") == 0;
  if (!toText && std::strcmp(argv[1], "--to-binary") != 0) return Usage();
  try {
    TMemoryStream input;
    input.LoadFromFile(argv[2]);
    TMemoryStream output;
    if (toText) ObjectBinaryToText(input, output);
    else ObjectTextToBinary(input, output);
    output.SaveToFile(argv[3]);
  } catch (const Exception& e) {
    std::fprintf(stderr, "layout-convert: %s: %s\n", argv[2], e.Message().c_str());
    return 1;
  }
  return 0;
}
