#pragma once

#include <memory>

#include "gridlib/grid/filter_expression.h"
#include "gridlib/grid/grid_types.h"
#include "platform/classes/collection.h"
#include "platform/core/string_list.h"
#include "platform/graphics/colors.h"

class TColumnDefValuesEx;
class TColumnEx;
class TDataSet;
class TDataSource;
class TDBGridColumnsEx;
class TDBSum;
class TFont;
class TInheritedFont;
class TSpecRowEx;

// One footer cell of a column: static text, a field value or an aggregate.
class TColumnFooterEx : public TCollectionItem {
  DECLARE_CLASS(TColumnFooterEx, TCollectionItem)
 public:
  // A footer in a column's Footers collection.
  explicit TColumnFooterEx(TCollection* collection);
  // The column's single footer, outside any collection.
  TColumnFooterEx(TColumnEx* column, std::nullptr_t);
  ~TColumnFooterEx() override;
  static void Publish();
  void Assign(TPersistent* source) override;

  TColumnEx* Column() const { return column_; }
  TAlignment Alignment() const;
  void SetAlignment(TAlignment value);
  TColor Color() const;
  void SetColor(TColor value);
  TFont* Font() const;
  void SetFont(TFont* value);
  bool ToolTips() const;
  void SetToolTips(bool value);
  const String& DisplayFormat() const { return displayFormat_; }
  void SetDisplayFormat(const String& value);
  bool EndEllipsis() const { return endEllipsis_; }
  void SetEndEllipsis(bool value);
  const String& FieldName() const { return fieldName_; }
  void SetFieldName(const String& value);
  const String& Value() const { return value_; }
  void SetValue(const String& value);
  TFooterValueType ValueType() const { return valueType_; }
  void SetValueType(TFooterValueType value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  virtual void RestoreDefaults();
  // Keeps the footer's aggregate in the grid's sum list in step with its type and field.
  void BindSum();
  TDBSum* Sum() const { return sum_; }

  bool IsAlignmentStored() const;
  bool IsColorStored() const;
  bool IsFontStored() const { return (assigned_ & kFontBit) != 0; }
  bool IsToolTipsStored() const { return (assigned_ & kToolTipsBit) != 0 && toolTips_; }

 private:
  static constexpr uint8_t kAlignmentBit = 1, kFontBit = 2, kColorBit = 4, kToolTipsBit = 8;
  TAlignment DefaultAlignment() const;
  TColor DefaultColor() const;
  TFont* DefaultFont() const;
  void ColumnChanged(bool allItems);
  void FontChanged();
  void FreeSum();
  void RepaintFooterRows();

  TColumnEx* column_;
  uint8_t assigned_ = 0;
  TAlignment alignment_ = taLeftJustify;
  TColor color_ = clWindow;
  std::unique_ptr<TInheritedFont> font_;
  bool toolTips_ = false;
  String displayFormat_;
  bool endEllipsis_ = false;
  String fieldName_;
  String value_;
  TFooterValueType valueType_ = fvtNon;
  bool wordWrap_ = false;
  TDBSum* sum_ = nullptr;
};

class TColumnFootersEx : public TOwnedCollection {
  DECLARE_CLASS(TColumnFootersEx, TOwnedCollection)
 public:
  explicit TColumnFootersEx(TColumnEx* column);
  TColumnEx* Column() const { return column_; }
  TColumnFooterEx* Items(int index) const {
    return static_cast<TColumnFooterEx*>(TCollection::Items(index));
  }
  TColumnFooterEx* Add() { return static_cast<TColumnFooterEx*>(TCollection::Add()); }

 private:
  TColumnEx* column_;
};

enum TDBLookupGridExOption : uint8_t {
  dlgColumnResizeEx, dlgColLinesEx, dlgRowLinesEx, dlgAutoSortMarkingEx, dlgMultiSortMarkingEx
};
DECLARE_ENUM_NAMES(TDBLookupGridExOption, "dlgColumnResizeEx", "dlgColLinesEx", "dlgRowLinesEx",
                   "dlgAutoSortMarkingEx", "dlgMultiSortMarkingEx")
using TDBLookupGridExOptions = Set<TDBLookupGridExOption>;

// How a column's lookup drop-down looks: its list source, options and special row.
class TColumnDropDownBoxEx : public TPersistent {
  DECLARE_CLASS(TColumnDropDownBoxEx, TPersistent)
 public:
  explicit TColumnDropDownBoxEx(TColumnEx* column);
  ~TColumnDropDownBoxEx() override;
  static void Publish();
  void Assign(TPersistent* source) override;
  TPersistent* GetOwner() override;

  bool AutoFitColWidths() const { return autoFitColWidths_; }
  void SetAutoFitColWidths(bool value) { autoFitColWidths_ = value; }
  bool UseMultiTitle() const { return useMultiTitle_; }
  void SetUseMultiTitle(bool value) { useMultiTitle_ = value; }
  // The list's data source, a component the column does not own; cleared when it goes.
  TDataSource* ListSource() const { return listSource_; }
  void SetListSource(TDataSource* value);
  // The same seen as a component, for streaming; other components are ignored.
  TComponent* ListSourceComponent() const;
  void SetListSourceComponent(TComponent* value);
  // The list source is being freed.
  void ComponentRemoved(const void* gone);
  TDBLookupGridExOptions Options() const { return options_; }
  void SetOptions(TDBLookupGridExOptions value);
  TSpecRowEx* SpecRow() const { return specRow_.get(); }
  // The drop-down list's own columns and their defaults, read and written through to it;
  // the columns are stored only once customized.
  TDBGridColumnsEx* Columns() const;
  void SetColumns(TDBGridColumnsEx* value);
  bool IsColumnsStored() const;
  TColumnDefValuesEx* ColumnDefValues() const;
  void SetColumnDefValues(TColumnDefValuesEx* value);
  // Only a list that was made has defaults of its own to store.
  bool IsColumnDefValuesStored() const;

 private:
  TColumnEx* column_;
  bool autoFitColWidths_ = true;
  bool useMultiTitle_ = false;
  TDataSource* listSource_ = nullptr;
  TDBLookupGridExOptions options_ = {dlgColLinesEx};
  std::unique_ptr<TSpecRowEx> specRow_;
};

class TFieldDataLink;

// The text a column's filter cell shows: its expression, nothing for a column without a field.
String ColumnFilterText(TColumnEx* column);

// The filter-row settings of a column: which field it filters on, where its value list comes
// from and whether the column has a filter cell at all. ("ST" marks the filter row's types; see
// filter_expression.h.)
class TSTColumnFilterEx : public TPersistent {
  DECLARE_CLASS(TSTColumnFilterEx, TPersistent)
 public:
  explicit TSTColumnFilterEx(TColumnEx* column);
  ~TSTColumnFilterEx() override;
  static void Publish();
  void Assign(TPersistent* source) override;
  TPersistent* GetOwner() override;
  TColumnEx* Column() const { return column_; }

  // Field to filter on; empty means the column's own field.
  const String& DataField() const { return dataField_; }
  void SetDataField(const String& value) { dataField_ = value; }
  // Key field of the value list's data set; empty means the lookup's key fields.
  const String& KeyField() const { return keyField_; }
  void SetKeyField(const String& value);
  // Shown field of the value list's data set; empty means the lookup's result field.
  const String& ListField() const { return listField_; }
  void SetListField(const String& value);
  // The value list's data source, a component the column does not own; cleared when it goes.
  TDataSource* ListSource() const;
  void SetListSource(TDataSource* value);
  TComponent* ListSourceComponent() const;
  void SetListSourceComponent(TComponent* value);
  void ComponentRemoved(const void* gone);
  // Whether the column has a filter cell; a change repaints the grid.
  bool Visible() const { return visible_; }
  void SetVisible(bool value);

  // ---- The expression typed into the column's filter cell.
  // The expression as text that reads back into it; for a value-list column the listed
  // value(s); "" when nothing filters.
  virtual String GetExpressionText();
  // Whether the filter cell offers a list of values.
  virtual bool HasValueList();
  // The field the filter tests: DataField, else a lookup's key fields, else the column's field.
  virtual String GetDataField();
  // The value a key-field filter found in its list, else the expression's first operand.
  virtual Variant GetFilterValue();
  virtual Variant GetKeyValue() { return keyValue_; }
  // Reads `text` as the column's expression (raises EFilterExpressionError for text it cannot
  // read, keeping the expression in force). With a key field the text is looked up in the
  // list data set instead.
  void SetExpressionText(const String& text);
  // The same, then the grid shows it.
  void SetExpressionTextAndRefresh(const String& text);
  // No filter on the column.
  void Clear();
  TSTFilterExpressionEx GetExpression() const { return expression_; }
  // The text as last set.
  const String& ExpressionText() const { return expressionText_; }
  // The expression now is the one the data set is filtered with; the column goes back to
  // that one when the user gives up what was typed since.
  void KeepAsApplied();
  void RevertToApplied();
  bool FilterApplied() const { return applied_.expression.Operator1 != foNoneEx; }
  // The key values and display texts of the list data set, read when its source opens and
  // when KeyField or ListField change.
  const TStringList* KeyValues() const { return &keyValues_; }
  const TStringList* DisplayValues() const { return &displayValues_; }
  // Size of the value list as the user left it; 0 until resized.
  int DropDownWidth() const { return dropDownWidth_; }
  int DropDownRows() const { return dropDownRows_; }
  void SetDropDownSize(int width, int rows) {
    dropDownWidth_ = width;
    dropDownRows_ = rows;
  }

  // KeyField, else a lookup column's lookup key fields: what the filter's text is a key of.
  String EffectiveKeyField();

 private:
  String EffectiveListField();
  TDataSet* ListDataSet();
  TSTFilterValueKindEx ValueKind();
  TSTFilterExpressionEx Parsed(const String& text);
  void ReadListValues();

  TColumnEx* column_;
  String dataField_;
  String keyField_;
  String listField_;
  std::unique_ptr<TFieldDataLink> listLink_;
  bool visible_ = true;
  struct TFilterState {
    TSTFilterExpressionEx expression;
    String text;
    Variant keyValue = Variant::Null();
  };
  TSTFilterExpressionEx expression_;
  String expressionText_;
  Variant keyValue_ = Variant::Null();
  TFilterState applied_;
  int dropDownWidth_ = 0;
  int dropDownRows_ = 0;
  TStringList keyValues_;
  TStringList displayValues_;
};
