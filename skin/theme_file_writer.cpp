// Writing theme files.
#include "skin/theme_file_writer.h"

#include <algorithm>

#include "platform/core/streams.h"
#include "platform/graphics/bitmap.h"
#include "skin/theme_file_layout.h"

using namespace theme_file;

void TskThemeFileWriter::AddInteger(const String& name, int32_t value) {
  std::vector<uint8_t> bytes(4);
  WriteU32(bytes.data(), static_cast<uint32_t>(value));
  AddEntry(name, vtInteger, std::move(bytes));
}

void TskThemeFileWriter::AddBoolByte(const String& name, uint8_t value) {
  AddEntry(name, vtBoolean, {value});
}

void TskThemeFileWriter::AddString(const String& name, const String& text) {
  String gbk = Utf8ToGbk(text);
  AddEntry(name, vtString, std::vector<uint8_t>(gbk.begin(), gbk.end()));
}

void TskThemeFileWriter::AddBitmap(const String& name, TBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  AddEntry(name, vtBitmap, stream.Bytes());
}

void TskThemeFileWriter::AddEntry(const String& name, uint8_t type, std::vector<uint8_t> value) {
  entries_.push_back({name, type, std::move(value)});
}

std::vector<uint8_t> TskThemeFileWriter::Bytes() const {
  const size_t count = entries_.size();
  size_t dataStart = kHeaderLength + count * kEntryLength;
  size_t total = dataStart;
  for (const Entry& e : entries_) total += e.Value.size();
  std::vector<uint8_t> out(total, 0);
  WriteU32(&out[kHeaderLengthOffset], kHeaderLength);
  WriteU32(&out[kFirstEntryOffset], count == 0 ? 0 : kHeaderLength);
  size_t data = dataStart;
  for (size_t i = 0; i < count; ++i) {
    const Entry& e = entries_[i];
    uint8_t* entry = &out[kHeaderLength + i * kEntryLength];
    std::copy_n(e.Name.begin(), std::min<size_t>(e.Name.size(), kNameLength), entry);
    entry[kTypeOffset] = e.Type;
    WriteU32(entry + kDataOffset, static_cast<uint32_t>(data));
    WriteU32(entry + kDataSizeOffset, static_cast<uint32_t>(e.Value.size()));
    bool last = i + 1 == count;
    WriteU32(entry + kNextOffset, last ? 0 : static_cast<uint32_t>(kHeaderLength + (i + 1) * kEntryLength));
    std::copy(e.Value.begin(), e.Value.end(), out.begin() + static_cast<ptrdiff_t>(data));
    data += e.Value.size();
  }
  return out;
}

void TskThemeFileWriter::SaveToFile(const String& fileName) const {
  std::vector<uint8_t> bytes = Bytes();
  TFileStream file(fileName, fmCreate);
  file.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  file.Flush();  // a refused write raises here instead of vanishing when the file closes
}
