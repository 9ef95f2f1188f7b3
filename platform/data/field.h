#pragma once

#include <vector>

#include "platform/classes/component.h"
#include "platform/core/events.h"
#include "platform/core/variant.h"
#include "platform/data/db_types.h"

class TDataSet;
class TField;

using TFieldNotifyEvent = TEvent<void(TField* Sender)>;
using TFieldGetTextEvent = TEvent<void(TField* Sender, String& Text, bool DisplayText)>;
using TFieldSetTextEvent = TEvent<void(TField* Sender, const String& Text)>;

// One column of a data set as its users see it: a name, a kind, display properties, and the
// value of that column in the data set's active record. Values convert on the way in to the
// field's own kind (EConvertError for text that is no number, EDatabaseError for a value out of
// range); writing needs the data set in edit or insert mode.
class TField : public TComponent {
  DECLARE_CLASS(TField, TComponent)
 public:
  explicit TField(TComponent* owner);
  ~TField() override;

  TDataSet* DataSet() const { return dataSet_; }
  // Adds the field to `dataSet`'s Fields (removing it from its previous data set).
  void SetDataSet(TDataSet* dataSet);
  const String& FieldName() const { return fieldName_; }
  void SetFieldName(const String& name);
  int Index() const;  // position in the data set's Fields, -1 without a data set
  void SetIndex(int index);
  TFieldType DataType() const { return dataType_; }
  TFieldKind FieldKind() const { return fieldKind_; }
  void SetFieldKind(TFieldKind kind);
  bool Calculated() const { return fieldKind_ == fkCalculated; }
  bool Lookup() const { return fieldKind_ == fkLookup; }
  // 1-based column of the underlying record for a data field bound to an open data set, else 0.
  int FieldNo() const { return fieldNo_; }

  String DisplayLabel() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
  void SetDisplayLabel(const String& label);
  String DisplayName() const { return DisplayLabel(); }
  int DisplayWidth() const { return displayWidth_ > 0 ? displayWidth_ : DefaultDisplayWidth(); }
  void SetDisplayWidth(int width);
  const String& EditMask() const { return editMask_; }
  void SetEditMask(const String& mask) { editMask_ = mask; PropertyChanged(false); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v) { readOnly_ = v; PropertyChanged(false); }
  bool Required() const { return required_; }
  void SetRequired(bool v) { required_ = v; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  int Size() const { return size_; }
  void SetSize(int size);

  // Lookup fields: KeyFields of this data set matched against LookupKeyFields of
  // LookupDataSet give LookupResultField.
  const String& KeyFields() const { return keyFields_; }
  void SetKeyFields(const String& v) { keyFields_ = v; }
  TDataSet* LookupDataSet() const { return lookupDataSet_; }
  void SetLookupDataSet(TDataSet* dataSet);
  const String& LookupKeyFields() const { return lookupKeyFields_; }
  void SetLookupKeyFields(const String& v) { lookupKeyFields_ = v; }
  const String& LookupResultField() const { return lookupResultField_; }
  void SetLookupResultField(const String& v) { lookupResultField_ = v; }

  // The value in the active record (Null when none).
  Variant Value() const;
  void SetValue(const Variant& value);
  bool IsNull() const { return Value().IsNull(); }
  virtual String AsString() const;
  void SetAsString(const String& value);
  int32_t AsInteger() const;
  void SetAsInteger(int32_t value) { SetValue(Variant(static_cast<int>(value))); }
  int64_t AsLargeInt() const;
  void SetAsLargeInt(int64_t value) { SetValue(Variant(value)); }
  double AsFloat() const;
  void SetAsFloat(double value) { SetValue(Variant(value)); }
  bool AsBoolean() const;
  void SetAsBoolean(bool value) { SetValue(Variant(value)); }
  TDateTime AsDateTime() const;
  void SetAsDateTime(TDateTime value) { SetValue(Variant::FromDateTime(value)); }
  Currency AsCurrency() const;
  void SetAsCurrency(Currency value) { SetValue(Variant(value)); }
  Variant AsVariant() const { return Value(); }
  void SetAsVariant(const Variant& value) { SetValue(value); }

  // Text as a grid shows it (DisplayText) and as an editor edits it (Text, EditText), both
  // through OnGetText when assigned. Setting Text goes through OnSetText when assigned.
  String Text() const { return GetText(false); }
  void SetText(const String& text);
  String DisplayText() const { return GetText(true); }
  String EditText() const { return GetText(false); }
  void SetEditText(const String& text) { SetText(text); }

  bool CanModify() const;
  virtual bool IsBlob() const { return false; }
  // Whether an editor should accept the character (digits and signs for numbers).
  virtual bool IsValidChar(char32_t c) const;
  void Clear() { SetValue(Variant::Null()); }
  // Asks the controls linked to the data set to focus the control that edits this field.
  void FocusControl();

  TFieldNotifyEvent OnChange;
  TFieldNotifyEvent OnValidate;
  TFieldGetTextEvent OnGetText;
  TFieldSetTextEvent OnSetText;

  // Turns a value given by a caller into this field's own kind: Null for empty text or
  // Null, raising EConvertError/EDatabaseError when it cannot. Used by writes and searches.
  virtual Variant Coerce(const Variant& value) const;

  // Used by the data set: binding to the record's column and the slot in a record buffer.
  void Bind(int fieldNo, int slot) { fieldNo_ = fieldNo; slot_ = slot; }
  int Slot() const { return slot_; }
  void Change() { if (OnChange) OnChange(this); }
  void Validate() { if (OnValidate) OnValidate(this); }

 protected:
  TField(TComponent* owner, TFieldType type, int size);
  void Notification(TComponent* component, TOperation operation) override;
  void SetDataType(TFieldType type) { dataType_ = type; }
  // Text of a non-null value.
  virtual String FormatText(const Variant& value, bool displayText) const;
  // Value of non-empty text, in this field's kind.
  virtual Variant ParseText(const String& text) const;
  virtual int DefaultDisplayWidth() const { return 10; }
  virtual String GetText(bool displayText) const;
  // Tells linked controls that a display property changed.
  void PropertyChanged(bool layoutAffected);
  String ErrorName() const { return DisplayName(); }

 private:
  TDataSet* dataSet_ = nullptr;
  String fieldName_;
  TFieldType dataType_ = ftUnknown;
  TFieldKind fieldKind_ = fkData;
  int fieldNo_ = 0;
  int slot_ = -1;
  String displayLabel_;
  int displayWidth_ = 0;
  String editMask_;
  TAlignment alignment_ = taLeftJustify;
  bool readOnly_ = false;
  bool required_ = false;
  bool visible_ = true;
  int size_ = 0;
  String keyFields_;
  TDataSet* lookupDataSet_ = nullptr;
  String lookupKeyFields_;
  String lookupResultField_;
};

// The fields of a data set in display order.
class TFields {
 public:
  explicit TFields(TDataSet* dataSet) : dataSet_(dataSet) {}
  int Count() const { return static_cast<int>(list_.size()); }
  TField* Fields(int index) const;  // raises EListError for a bad index
  TField* operator[](int index) const { return Fields(index); }
  int IndexOf(const TField* field) const;
  TField* FindField(std::string_view name) const;  // ignoring Latin case
  TField* FieldByName(std::string_view name) const;  // raises EDatabaseError
  TDataSet* DataSet() const { return dataSet_; }

  // Used by TField and TDataSet.
  void Add(TField* field);
  void Remove(TField* field);
  void Move(TField* field, int index);
  const std::vector<TField*>& List() const { return list_; }

 private:
  TDataSet* dataSet_;
  std::vector<TField*> list_;
};

// Splits "A;B" into names (spaces around names ignored).
std::vector<String> SplitFieldNames(std::string_view names);
// The keys' field names as "A;B", and each key's direction in `descending`.
String JoinSortKeys(const std::vector<TSortKey>& keys, std::vector<bool>& descending);
