// The record store of the in-memory data set: rows of typed values and shared texts.
#include "platform/data/record_store.h"

#include <cstring>

#include "platform/core/exceptions.h"

namespace {

// A text slot holds up to 15 bytes inline (first byte = length); longer text is kept in the
// arena, the slot then holding a marker, the length and the arena offset.
constexpr size_t kTextSlot = 16;
constexpr size_t kInlineText = 15;
constexpr uint8_t kInArena = 0xFF;

size_t WidthOf(TStorageKind kind) {
  switch (kind) {
    case skBoolean: return 1;
    case skInt16: return 2;
    case skInt32: return 4;
    case skText: return kTextSlot;
    default: return 8;
  }
}

template <typename T>
T Load(const uint8_t* at) {
  T v;
  std::memcpy(&v, at, sizeof v);
  return v;
}

template <typename T>
void Store(uint8_t* at, T v) {
  std::memcpy(at, &v, sizeof v);
}

}  // namespace

TRecordStore::TRecordStore(std::vector<TStorageKind> columns) : kinds_(std::move(columns)) {
  nullBytes_ = (kinds_.size() + 7) / 8;
  size_t at = nullBytes_;
  for (TStorageKind k : kinds_) {
    offsets_.push_back(static_cast<uint32_t>(at));
    at += WidthOf(k);
  }
  rowSize_ = at;
}

int64_t TRecordStore::AddRow() {
  rows_.resize(rows_.size() + rowSize_, 0);
  uint8_t* row = Row(rowCount_);
  std::memset(row, 0xFF, nullBytes_);
  return rowCount_++;
}

bool TRecordStore::IsNull(int64_t row, int column) const {
  return (Row(row)[column / 8] >> (column % 8)) & 1;
}

void TRecordStore::SetNull(int64_t row, int column, bool isNull) {
  uint8_t& bits = Row(row)[column / 8];
  uint8_t mask = static_cast<uint8_t>(1u << (column % 8));
  bits = isNull ? (bits | mask) : (bits & ~mask);
}

Variant TRecordStore::Get(int64_t row, int column) const {
  if (IsNull(row, column)) return Variant::Null();
  const uint8_t* at = Row(row) + offsets_[column];
  switch (kinds_[column]) {
    case skBoolean: return Variant(at[0] != 0);
    case skInt16: return Variant(static_cast<int>(Load<int16_t>(at)));
    case skInt32: return Variant(static_cast<int>(Load<int32_t>(at)));
    case skInt64: return Variant(Load<int64_t>(at));
    case skDouble: return Variant(Load<double>(at));
    case skDate: return Variant::FromDateTime(Load<double>(at));
    case skCurrency: return Variant(Currency::FromRaw(Load<int64_t>(at)));
    case skText: return Variant(ReadText(at));
  }
  return Variant::Null();
}

void TRecordStore::Set(int64_t row, int column, const Variant& value) {
  uint8_t* at = Row(row) + offsets_[column];
  if (value.IsEmptyOrNull()) {
    ReleaseText(row, column);
    SetNull(row, column, true);
    return;
  }
  if (kinds_[column] == skText) {
    String text = value.AsString();
    ReleaseText(row, column);
    WriteText(at, text);
  } else {
    // Convert before touching the row, so a value that does not convert changes nothing.
    uint8_t bytes[8] = {};
    Encode(kinds_[column], value, bytes);
    std::memcpy(at, bytes, WidthOf(kinds_[column]));
  }
  SetNull(row, column, false);
  if (deadText_ > 65536 && deadText_ * 2 > text_.size()) CompactText();
}

void TRecordStore::Encode(TStorageKind kind, const Variant& value, uint8_t* at) {
  switch (kind) {
    case skBoolean: at[0] = value.AsBoolean() ? 1 : 0; break;
    case skInt16: Store<int16_t>(at, static_cast<int16_t>(value.AsInteger())); break;
    case skInt32: Store<int32_t>(at, value.AsInteger()); break;
    case skInt64: Store<int64_t>(at, value.AsInt64()); break;
    case skDouble: Store<double>(at, value.AsDouble()); break;
    case skDate: Store<double>(at, value.AsDateTime()); break;
    case skCurrency: Store<int64_t>(at, value.AsCurrency().Raw()); break;
    case skText: break;
  }
}

void TRecordStore::ReleaseText(int64_t row, int column) {
  const uint8_t* at = Row(row) + offsets_[column];
  if (kinds_[column] == skText && !IsNull(row, column) && at[0] == kInArena)
    deadText_ += Load<uint32_t>(at + 4);
}

void TRecordStore::WriteText(uint8_t* at, std::string_view text) {
  if (text.size() <= kInlineText) {
    at[0] = static_cast<uint8_t>(text.size());
    std::memcpy(at + 1, text.data(), text.size());
    return;
  }
  if (text.size() > UINT32_MAX) throw EOutOfResources("Text too long for a record");
  at[0] = kInArena;
  Store<uint32_t>(at + 4, static_cast<uint32_t>(text.size()));
  Store<uint64_t>(at + 8, text_.size());
  text_.insert(text_.end(), text.begin(), text.end());
}

String TRecordStore::ReadText(const uint8_t* at) const {
  if (at[0] != kInArena) return String(reinterpret_cast<const char*>(at + 1), at[0]);
  return String(text_.data() + Load<uint64_t>(at + 8), Load<uint32_t>(at + 4));
}

// Rewrites the arena with only the text rows still refer to.
void TRecordStore::CompactText() {
  std::vector<char> old;
  old.swap(text_);
  for (int64_t r = 0; r < rowCount_; ++r) {
    for (int c = 0; c < ColumnCount(); ++c) {
      uint8_t* at = Row(r) + offsets_[c];
      if (kinds_[c] != skText || IsNull(r, c) || at[0] != kInArena) continue;
      uint64_t from = Load<uint64_t>(at + 8);
      Store<uint64_t>(at + 8, text_.size());
      text_.insert(text_.end(), old.begin() + static_cast<ptrdiff_t>(from),
                   old.begin() + static_cast<ptrdiff_t>(from + Load<uint32_t>(at + 4)));
    }
  }
  deadText_ = 0;
}

void TRecordStore::Clear() {
  rows_.clear();
  rows_.shrink_to_fit();
  text_.clear();
  text_.shrink_to_fit();
  rowCount_ = 0;
  deadText_ = 0;
}

size_t TRecordStore::BytesUsed() const { return rows_.capacity() + text_.capacity(); }
