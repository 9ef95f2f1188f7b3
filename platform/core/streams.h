#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/core/strings.h"

enum TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };

// Byte streams. Read/Write move as many bytes as they can and return the count (a negative
// count moves nothing); ReadBuffer/WriteBuffer raise EReadError ("Stream read error") and
// EWriteError ("Stream write error") when the full count cannot be moved. Seeking to a
// position before the start raises EStreamError and leaves the position as it was.
class TStream {
 public:
  virtual ~TStream() = default;
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t pos) { Seek(pos, soBeginning); }
  virtual int64_t Size();
  // Streams that cannot change their size ignore the call.
  virtual void SetSize(int64_t size);
  // Copies `count` bytes from source's position (0: all of source from its start); returns
  // the count. Raises EReadError when source ends early.
  int64_t CopyFrom(TStream& source, int64_t count);
};

// Bytes in memory. Seeking past the end is allowed: Read then returns 0, and Write fills
// the gap with zero bytes.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(data_.size()); }
  // Keeps the position unless it lies past the new end, where it moves to the end.
  void SetSize(int64_t size) override;
  void Clear();
  const uint8_t* Memory() const { return data_.data(); }
  uint8_t* Memory() { return data_.data(); }
  const std::vector<uint8_t>& Bytes() const { return data_; }
  // Replace the contents with all of `s` (from its start) or the file; position 0.
  void LoadFromStream(TStream& s);
  void LoadFromFile(const String& fileName);
  // Write all of the contents, whatever the position.
  void SaveToStream(TStream& s);
  void SaveToFile(const String& fileName);

 private:
  std::vector<uint8_t> data_;
  int64_t position_ = 0;
};

// A read-only stream over bytes the caller keeps alive.
class TBytesStream : public TStream {
 public:
  TBytesStream(const void* data, int64_t size);
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;  // raises EWriteError
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return size_; }

 private:
  const uint8_t* data_;
  int64_t size_;
  int64_t position_ = 0;
};

// File modes: fmCreate, or fmOpenRead/fmOpenWrite/fmOpenReadWrite combined with a sharing
// mode (sharing is accepted and not enforced here).
constexpr uint16_t fmCreate = 0xFF00;
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyNone = 0x0040;

// fmCreate creates or empties the file for reading and writing; fmOpenWrite and
// fmOpenReadWrite open an existing file without emptying it. Raises EFCreateError
// ("Cannot create file \"name\"") or EFOpenError ("Cannot open file \"name\"").
class TFileStream : public TStream {
 public:
  TFileStream(const String& fileName, uint16_t mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override;
  void SetSize(int64_t size) override;
  // Hands buffered bytes to the file; raises EWriteError when the file refuses them. Whoever
  // must know that a write arrived flushes before the stream closes, which cannot report.
  void Flush();
  const String& FileName() const { return fileName_; }

 private:
  enum class LastAccess : uint8_t { kNone, kRead, kWrite };
  // The C library needs a flush or seek between a read and a write on one file.
  void SwitchTo(LastAccess access);

  String fileName_;
  std::FILE* file_ = nullptr;
  LastAccess lastAccess_ = LastAccess::kNone;
};

// An in-memory stream over a string (used by text forms and tests).
class TStringStream : public TMemoryStream {
 public:
  explicit TStringStream(std::string_view text = {});
  String DataString() const;
};
