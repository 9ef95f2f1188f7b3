#pragma once

#include "platform/core/format.h"
#include "platform/data/field.h"

class TStringField : public TField {
  DECLARE_CLASS(TStringField, TField)
 public:
  explicit TStringField(TComponent* owner) : TField(owner, ftString, 20) {}
  // Cuts text to Size characters; Size 0 sets no limit.
  Variant Coerce(const Variant& value) const override;

 protected:
  int DefaultDisplayWidth() const override { return Size() > 0 ? Size() : 20; }
};

// Numbers: right aligned, DisplayFormat/EditFormat masks of FormatFloat.
class TNumericField : public TField {
  DECLARE_CLASS(TNumericField, TField)
 public:
  const String& DisplayFormat() const { return displayFormat_; }
  void SetDisplayFormat(const String& f) { displayFormat_ = f; PropertyChanged(false); }
  const String& EditFormat() const { return editFormat_; }
  void SetEditFormat(const String& f) { editFormat_ = f; PropertyChanged(false); }
  bool IsValidChar(char32_t c) const override;

 protected:
  TNumericField(TComponent* owner, TFieldType type);
  // The mask for the text asked for: the edit text falls back to DisplayFormat.
  const String& FormatFor(bool displayText) const;
  virtual bool AcceptsFraction() const { return false; }

 private:
  String displayFormat_;
  String editFormat_;
};

class TIntegerField : public TNumericField {
  DECLARE_CLASS(TIntegerField, TNumericField)
 public:
  explicit TIntegerField(TComponent* owner) : TIntegerField(owner, ftInteger, MinInt, MaxInt) {}
  int64_t MinValue() const { return minValue_; }
  int64_t MaxValue() const { return maxValue_; }
  void SetMinValue(int64_t v) { minValue_ = v; }
  void SetMaxValue(int64_t v) { maxValue_ = v; }
  Variant Coerce(const Variant& value) const override;

 protected:
  TIntegerField(TComponent* owner, TFieldType type, int64_t minValue, int64_t maxValue);
  String FormatText(const Variant& value, bool displayText) const override;
  Variant ParseText(const String& text) const override;
  int DefaultDisplayWidth() const override { return 11; }
  virtual Variant Native(int64_t v) const { return Variant(static_cast<int>(v)); }

 private:
  int64_t minValue_;
  int64_t maxValue_;
};

class TSmallintField : public TIntegerField {
  DECLARE_CLASS(TSmallintField, TIntegerField)
 public:
  explicit TSmallintField(TComponent* owner) : TIntegerField(owner, ftSmallint, -32768, 32767) {}

 protected:
  int DefaultDisplayWidth() const override { return 6; }
};

class TWordField : public TIntegerField {
  DECLARE_CLASS(TWordField, TIntegerField)
 public:
  explicit TWordField(TComponent* owner) : TIntegerField(owner, ftWord, 0, 65535) {}

 protected:
  int DefaultDisplayWidth() const override { return 5; }
};

class TAutoIncField : public TIntegerField {
  DECLARE_CLASS(TAutoIncField, TIntegerField)
 public:
  explicit TAutoIncField(TComponent* owner) : TIntegerField(owner, ftAutoInc, MinInt, MaxInt) {}
};

class TLargeintField : public TIntegerField {
  DECLARE_CLASS(TLargeintField, TIntegerField)
 public:
  explicit TLargeintField(TComponent* owner)
      : TIntegerField(owner, ftLargeint, INT64_MIN, INT64_MAX) {}

 protected:
  int DefaultDisplayWidth() const override { return 15; }
  Variant Native(int64_t v) const override { return Variant(v); }
};

// Floating point; with Currency set, shown as money.
class TFloatField : public TNumericField {
  DECLARE_CLASS(TFloatField, TNumericField)
 public:
  explicit TFloatField(TComponent* owner) : TFloatField(owner, ftFloat) {}
  int Precision() const { return precision_; }
  void SetPrecision(int p) { precision_ = p; PropertyChanged(false); }
  bool Currency() const { return currency_; }
  void SetCurrency(bool v) { currency_ = v; PropertyChanged(false); }
  Variant Coerce(const Variant& value) const override;

 protected:
  TFloatField(TComponent* owner, TFieldType type);
  String FormatText(const Variant& value, bool displayText) const override;
  Variant ParseText(const String& text) const override;
  bool AcceptsFraction() const override { return true; }

 private:
  int precision_ = 15;
  bool currency_ = false;
};

// Money kept exactly (four decimals).
class TCurrencyField : public TFloatField {
  DECLARE_CLASS(TCurrencyField, TFloatField)
 public:
  explicit TCurrencyField(TComponent* owner);
  Variant Coerce(const Variant& value) const override;

 protected:
  String FormatText(const Variant& value, bool displayText) const override;
};

// Fixed-point decimal (kept as Currency); Size is the number of decimals.
class TBCDField : public TNumericField {
  DECLARE_CLASS(TBCDField, TNumericField)
 public:
  explicit TBCDField(TComponent* owner);
  bool Currency() const { return currency_; }
  void SetCurrency(bool v) { currency_ = v; PropertyChanged(false); }
  int Precision() const { return precision_; }
  void SetPrecision(int p) { precision_ = p; }
  Variant Coerce(const Variant& value) const override;

 protected:
  String FormatText(const Variant& value, bool displayText) const override;
  Variant ParseText(const String& text) const override;
  bool AcceptsFraction() const override { return true; }

 private:
  bool currency_ = false;
  int precision_ = 0;
};

// DisplayValues "Yes;No" names true and false; text matches either by prefix, ignoring case.
class TBooleanField : public TField {
  DECLARE_CLASS(TBooleanField, TField)
 public:
  explicit TBooleanField(TComponent* owner);
  const String& DisplayValues() const { return displayValues_; }
  void SetDisplayValues(const String& v);
  String AsString() const override;
  Variant Coerce(const Variant& value) const override;

 protected:
  String FormatText(const Variant& value, bool displayText) const override;
  Variant ParseText(const String& text) const override;
  int DefaultDisplayWidth() const override { return 5; }

 private:
  String displayValues_ = "True;False";
  String trueText_ = "True";
  String falseText_ = "False";
};

class TDateTimeField : public TField {
  DECLARE_CLASS(TDateTimeField, TField)
 public:
  explicit TDateTimeField(TComponent* owner) : TDateTimeField(owner, ftDateTime) {}
  const String& DisplayFormat() const { return displayFormat_; }
  void SetDisplayFormat(const String& f) { displayFormat_ = f; PropertyChanged(false); }
  String AsString() const override;
  Variant Coerce(const Variant& value) const override;

 protected:
  TDateTimeField(TComponent* owner, TFieldType type) : TField(owner, type, 0) {}
  String FormatText(const Variant& value, bool displayText) const override;
  Variant ParseText(const String& text) const override;
  int DefaultDisplayWidth() const override { return 18; }

 private:
  String displayFormat_;
};

class TDateField : public TDateTimeField {
  DECLARE_CLASS(TDateField, TDateTimeField)
 public:
  explicit TDateField(TComponent* owner) : TDateTimeField(owner, ftDate) {}

 protected:
  int DefaultDisplayWidth() const override { return 10; }
};

class TTimeField : public TDateTimeField {
  DECLARE_CLASS(TTimeField, TDateTimeField)
 public:
  explicit TTimeField(TComponent* owner) : TDateTimeField(owner, ftTime) {}

 protected:
  int DefaultDisplayWidth() const override { return 10; }
};

class TSQLTimeStampField : public TDateTimeField {
  DECLARE_CLASS(TSQLTimeStampField, TDateTimeField)
 public:
  explicit TSQLTimeStampField(TComponent* owner) : TDateTimeField(owner, ftTimeStamp) {}
};

// Binary data; shown as "(BLOB)" (or "(blob)" when empty).
class TBlobField : public TField {
  DECLARE_CLASS(TBlobField, TField)
 public:
  explicit TBlobField(TComponent* owner) : TBlobField(owner, ftBlob) {}
  bool IsBlob() const override { return true; }
  // Whether `text` is what a blob or memo field shows in place of its data.
  static bool IsPlaceholder(const String& text);

 protected:
  TBlobField(TComponent* owner, TFieldType type) : TField(owner, type, 0) {}
  String GetText(bool displayText) const override;
};

// Long text; shown as "(MEMO)" in a grid, edited as the text itself.
class TMemoField : public TBlobField {
  DECLARE_CLASS(TMemoField, TBlobField)
 public:
  explicit TMemoField(TComponent* owner) : TBlobField(owner, ftMemo) {}

 protected:
  String GetText(bool displayText) const override;
};

// A new field of the class that fits `type`, owned by `owner`; raises EDatabaseError for a
// kind this layer has no field class for.
TField* CreateFieldOfType(TFieldType type, TComponent* owner);
