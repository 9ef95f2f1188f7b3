// Streams: memory and file streams, reading, writing and copying.
#include "platform/core/streams.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "platform/core/exceptions.h"

namespace {

const char* const kReadError = "Stream read error";
const char* const kWriteError = "Stream write error";
constexpr int64_t kCopyChunk = 64 * 1024;

// The absolute position a seek asks for; raises rather than move before the start or
// overflow, so a corrupt length read from a stream cannot send a reader astray.
int64_t ResolveSeek(int64_t offset, TSeekOrigin origin, int64_t position, int64_t size) {
  int64_t base = 0;
  switch (origin) {
    case soBeginning: base = 0; break;
    case soCurrent: base = position; break;
    case soEnd: base = size; break;
    default: throw EStreamError("Invalid stream seek origin");
  }
  int64_t target = 0;
  if (__builtin_add_overflow(base, offset, &target) || target < 0) {
    throw EStreamError("Invalid stream position");
  }
  return target;
}

// Bytes available to read at `position` in `size` bytes, limited to a non-negative count.
int64_t Available(int64_t position, int64_t size, int64_t count) {
  if (count <= 0 || position >= size) return 0;
  return std::min(count, size - position);
}

}  // namespace

// ---- TStream ----------------------------------------------------------------------------

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count < 0 || (count > 0 && Read(buffer, count) != count)) throw EReadError(kReadError);
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count < 0 || (count > 0 && Write(buffer, count) != count)) throw EWriteError(kWriteError);
}

int64_t TStream::Size() {
  const int64_t position = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(position, soBeginning);
  return size;
}

void TStream::SetSize(int64_t) {}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count < 0) return 0;
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min(count, kCopyChunk)));
  for (int64_t left = count; left > 0;) {
    const int64_t n = std::min(left, kCopyChunk);
    source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= n;
  }
  return count;
}

// ---- TMemoryStream ----------------------------------------------------------------------

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t n = Available(position_, Size(), count);
  if (n > 0) std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  int64_t end = 0;
  if (__builtin_add_overflow(position_, count, &end)) throw EWriteError(kWriteError);
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  const bool ownBytes = !data_.empty() && bytes >= data_.data() && bytes < data_.data() + data_.size();
  if (end > Size() && ownBytes) {
    // Growing may move our bytes, so a write from our own memory goes through a copy.
    const std::vector<uint8_t> copy(bytes, bytes + count);
    return Write(copy.data(), count);
  }
  if (end > Size()) data_.resize(static_cast<size_t>(end));
  std::memmove(data_.data() + position_, bytes, static_cast<size_t>(count));
  position_ = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  position_ = ResolveSeek(offset, origin, position_, Size());
  return position_;
}

void TMemoryStream::SetSize(int64_t size) {
  data_.resize(static_cast<size_t>(std::max<int64_t>(size, 0)));
  position_ = std::min(position_, Size());
}

void TMemoryStream::Clear() {
  data_.clear();
  data_.shrink_to_fit();
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& s) {
  s.SetPosition(0);
  const int64_t size = s.Size();
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  s.ReadBuffer(bytes.data(), size);
  data_ = std::move(bytes);
  position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& s) { s.WriteBuffer(data_.data(), Size()); }

void TMemoryStream::LoadFromFile(const String& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const String& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
  file.Flush();
}

// ---- TBytesStream -----------------------------------------------------------------------

TBytesStream::TBytesStream(const void* data, int64_t size)
    : data_(static_cast<const uint8_t*>(data)), size_(data == nullptr ? 0 : std::max<int64_t>(size, 0)) {}

int64_t TBytesStream::Read(void* buffer, int64_t count) {
  const int64_t n = Available(position_, size_, count);
  if (n > 0) std::memcpy(buffer, data_ + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t TBytesStream::Write(const void*, int64_t) { throw EWriteError(kWriteError); }

int64_t TBytesStream::Seek(int64_t offset, TSeekOrigin origin) {
  position_ = ResolveSeek(offset, origin, position_, size_);
  return position_;
}

// ---- TFileStream ------------------------------------------------------------------------

namespace {

const char* OpenModeFor(uint16_t mode) {
  if ((mode & fmCreate) == fmCreate) return "w+b";
  switch (mode & 0x3) {
    case fmOpenWrite:
    case fmOpenReadWrite: return "r+b";
    default: return "rb";
  }
}

String QuotedFileMessage(const char* what, const String& fileName) {
  return String(what) + " \"" + fileName + "\"";
}

}  // namespace

TFileStream::TFileStream(const String& fileName, uint16_t mode) : fileName_(fileName) {
  const bool create = (mode & fmCreate) == fmCreate;
  file_ = fileName.find('\0') == String::npos ? std::fopen(fileName.c_str(), OpenModeFor(mode)) : nullptr;
  // fopen happily "opens" a directory for reading; it is not a file we can stream.
  struct stat info {};
  if (file_ != nullptr && (fstat(fileno(file_), &info) != 0 || S_ISDIR(info.st_mode))) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (file_ == nullptr) {
    if (create) throw EFCreateError(QuotedFileMessage("Cannot create file", fileName));
    throw EFOpenError(QuotedFileMessage("Cannot open file", fileName));
  }
}

TFileStream::~TFileStream() { std::fclose(file_); }

void TFileStream::Flush() {
  if (std::fflush(file_) != 0) throw EWriteError(kWriteError);
}

void TFileStream::SwitchTo(LastAccess access) {
  if (lastAccess_ != LastAccess::kNone && lastAccess_ != access) std::fseek(file_, 0, SEEK_CUR);
  lastAccess_ = access;
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  SwitchTo(LastAccess::kRead);
  return static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_));
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  SwitchTo(LastAccess::kWrite);
  return static_cast<int64_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), file_));
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  if (origin == soCurrent && offset == 0) return ftello(file_);
  const int64_t target = ResolveSeek(offset, origin, ftello(file_), origin == soEnd ? Size() : 0);
  if (fseeko(file_, target, SEEK_SET) != 0) throw EStreamError("Invalid stream position");
  lastAccess_ = LastAccess::kNone;
  return target;
}

int64_t TFileStream::Size() {
  std::fflush(file_);
  const int64_t position = ftello(file_);
  fseeko(file_, 0, SEEK_END);
  const int64_t size = ftello(file_);
  fseeko(file_, position, SEEK_SET);
  lastAccess_ = LastAccess::kNone;
  return size;
}

void TFileStream::SetSize(int64_t size) {
  std::fflush(file_);
  const int64_t position = ftello(file_);
  if (size < 0 || ftruncate(fileno(file_), size) != 0) throw EWriteError(kWriteError);
  fseeko(file_, std::min(position, size), SEEK_SET);
  lastAccess_ = LastAccess::kNone;
}

// ---- TStringStream ----------------------------------------------------------------------

TStringStream::TStringStream(std::string_view text) {
  WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
  SetPosition(0);
}

String TStringStream::DataString() const { return String(Bytes().begin(), Bytes().end()); }
