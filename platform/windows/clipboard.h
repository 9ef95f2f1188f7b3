#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/strings.h"

// The clipboard: data in formats. Text is kept as the window system keeps it: CF_TEXT in the
// client's 8-bit code page (GBK) and CF_UNICODETEXT in UTF-16, either answering a request for
// the other. Named formats registered by libraries get numbers from 0xC000 up, the same
// number for the same name (ignoring case).
using TClipboardFormat = uint32_t;
inline constexpr TClipboardFormat CF_TEXT = 1;
inline constexpr TClipboardFormat CF_BITMAP = 2;
inline constexpr TClipboardFormat CF_UNICODETEXT = 13;
inline constexpr TClipboardFormat CF_HDROP = 15;

TClipboardFormat RegisterClipboardFormat(const String& name);
// Empty for a number that is neither registered nor standard.
String GetClipboardFormatName(TClipboardFormat format);

using TClipboardData = std::vector<uint8_t>;

// Text as the two text formats hold it, each ending in a zero: CF_UNICODETEXT as UTF-16 code
// units (low byte first), CF_TEXT in GBK. Reading stops at the first zero or at the end.
TClipboardData UnicodeTextBytes(const String& text);
TClipboardData AnsiTextBytes(const String& text);
String TextOfUnicodeBytes(const TClipboardData& data);
String TextOfAnsiBytes(const TClipboardData& data);

// Where clipboard data lives: in this process (the default, also what tests use) or the
// toolkit's clipboard, which the backend installs.
class TClipboardService {
 public:
  virtual ~TClipboardService() = default;
  virtual void Clear() = 0;
  virtual void SetData(TClipboardFormat format, const TClipboardData& data) = 0;
  virtual bool GetData(TClipboardFormat format, TClipboardData& data) const = 0;
  virtual bool HasData(TClipboardFormat format) const = 0;
};

class TMemoryClipboard : public TClipboardService {
 public:
  void Clear() override { formats_.clear(); }
  void SetData(TClipboardFormat format, const TClipboardData& data) override;
  bool GetData(TClipboardFormat format, TClipboardData& data) const override;
  bool HasData(TClipboardFormat format) const override;

 private:
  std::vector<std::pair<TClipboardFormat, TClipboardData>> formats_;
};

TClipboardService& ClipboardService();
void SetClipboardService(std::unique_ptr<TClipboardService> service);  // nullptr: in-memory

// The class library's clipboard object. Between Open and Close, setting data adds formats;
// outside, each setting replaces what the clipboard held.
class TClipboard {
 public:
  void Open();
  void Close();
  void Clear();
  bool HasFormat(TClipboardFormat format) const;
  String AsText() const;
  void SetAsText(const String& text);
  void SetBuffer(TClipboardFormat format, const void* data, size_t size);
  TClipboardData GetBuffer(TClipboardFormat format) const;

 private:
  void Adding();
  int openCount_ = 0;
  bool emptied_ = false;
};

TClipboard* Clipboard();
