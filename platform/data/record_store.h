#pragma once

#include <cstdint>
#include <vector>

#include "platform/core/variant.h"

// How a column keeps its values in a compact row.
enum TStorageKind : uint8_t { skBoolean, skInt16, skInt32, skInt64, skDouble, skDate, skCurrency, skText };

// Records in memory, one fixed-size row per record: a null bit per column, then each column's
// value in as few bytes as its kind needs; text lives in one shared arena that a row refers to
// by offset and length, so a million short records cost tens of bytes each, not hundreds.
// Rows are numbered from 0 in creation order and never reused, so a row number is a stable id.
class TRecordStore {
 public:
  explicit TRecordStore(std::vector<TStorageKind> columns);

  int ColumnCount() const { return static_cast<int>(kinds_.size()); }
  int64_t RowCount() const { return rowCount_; }
  int64_t AddRow();  // all columns Null
  bool IsNull(int64_t row, int column) const;
  Variant Get(int64_t row, int column) const;
  // Raises EVariantError / EConvertError when the value does not convert to the column's kind.
  void Set(int64_t row, int column, const Variant& value);
  void Clear();
  // Bytes held for rows and text, for the memory-per-record figure.
  size_t BytesUsed() const;

 private:
  const uint8_t* Row(int64_t row) const { return rows_.data() + row * rowSize_; }
  uint8_t* Row(int64_t row) { return rows_.data() + row * rowSize_; }
  void SetNull(int64_t row, int column, bool isNull);
  static void Encode(TStorageKind kind, const Variant& value, uint8_t* at);
  void ReleaseText(int64_t row, int column);
  void WriteText(uint8_t* at, std::string_view text);
  String ReadText(const uint8_t* at) const;
  void CompactText();

  std::vector<TStorageKind> kinds_;
  std::vector<uint32_t> offsets_;  // byte offset of each column in a row
  size_t nullBytes_ = 0;
  size_t rowSize_ = 0;
  int64_t rowCount_ = 0;
  std::vector<uint8_t> rows_;
  std::vector<char> text_;
  size_t deadText_ = 0;  // arena bytes no row refers to any more
};
