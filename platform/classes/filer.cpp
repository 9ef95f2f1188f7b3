// Properties that objects store themselves (TPersistent::DefineProperties).
#include "platform/classes/filer.h"

void TReader::DefineProperty(std::string_view name, const TReaderProc& read, const TWriterProc&,
                             bool) {
  if (definedRead_ || !SameText(name, definedName_)) return;
  definedRead_ = true;
  if (read) read(*this);
  else SkipValue();
}

void TReader::DefineBinaryProperty(std::string_view name, const TStreamProc& read,
                                   const TStreamProc&, bool) {
  if (definedRead_ || !SameText(name, definedName_)) return;
  definedRead_ = true;
  const std::vector<uint8_t> data = ReadBinary();
  TBytesStream stream(data.data(), static_cast<int64_t>(data.size()));
  if (read) read(stream);
}

void TWriter::DefineProperty(std::string_view name, const TReaderProc&, const TWriterProc& write,
                             bool hasData) {
  if (!hasData || !write) return;
  WritePropName(name);
  write(*this);
}

void TWriter::DefineBinaryProperty(std::string_view name, const TStreamProc&,
                                   const TStreamProc& write, bool hasData) {
  if (!hasData || !write) return;
  TMemoryStream data;
  write(data);
  WritePropName(name);
  WriteBinary(data.Memory(), data.Size());
}
