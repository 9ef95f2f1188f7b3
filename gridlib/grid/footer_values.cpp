// Footer texts: static text, a field of the current record, or an aggregate of the data set.
#include "gridlib/controls/sum_list.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_host.h"
#include "platform/core/format.h"
#include "platform/data/dataset.h"
#include "platform/data/field_kinds.h"

namespace {

String FormatIntegerSum(TField* field, const String& footerFormat, Currency value) {
  if (!footerFormat.empty()) return FormatFloat(footerFormat, value.ToDouble());
  auto* numeric = dynamic_cast<TNumericField*>(field);
  if (numeric != nullptr && !numeric->DisplayFormat().empty()) {
    return FormatFloat(numeric->DisplayFormat(), value.ToDouble());
  }
  return IntToStr(value.Raw() / Currency::Scale);
}

String FormatFloatSum(TFloatField* field, const String& footerFormat, Currency value) {
  if (!footerFormat.empty()) return FormatFloat(footerFormat, value.ToDouble());
  if (!field->DisplayFormat().empty()) return FormatFloat(field->DisplayFormat(), value.ToDouble());
  if (field->Currency()) {
    return FloatToStrF(value.ToDouble(), ffCurrency, field->Precision(), FormatSettings.CurrencyDecimals);
  }
  return FloatToStrF(value.ToDouble(), ffGeneral, field->Precision(), 0);
}

String FormatBcdSum(TBCDField* field, const String& footerFormat, Currency value) {
  if (!footerFormat.empty()) return FormatFloat(footerFormat, value.ToDouble());
  if (!field->DisplayFormat().empty()) return FormatCurr(field->DisplayFormat(), value);
  return field->Currency() ? CurrToStrF(value, ffCurrency, FormatSettings.CurrencyDecimals)
                           : CurrToStrF(value, ffGeneral, 0);
}

// An aggregate in the way its field shows numbers; fields that are no numbers show "0".
String FormatSum(TField* field, const String& footerFormat, Currency value) {
  switch (field->DataType()) {
    case ftSmallint: case ftInteger: case ftWord: case ftAutoInc: case ftLargeint:
      return FormatIntegerSum(field, footerFormat, value);
    case ftFloat: case ftCurrency:
      if (auto* f = dynamic_cast<TFloatField*>(field)) return FormatFloatSum(f, footerFormat, value);
      return "0";
    case ftBCD:
      if (auto* f = dynamic_cast<TBCDField*>(field)) return FormatBcdSum(f, footerFormat, value);
      return "0";
    default:
      return "0";
  }
}

}  // namespace

// A footer never raises while it is painted: a field that is not there shows "0" for an
// aggregate and nothing for a field value, and so does a footer without sums to read.
String TDBGridExHost::GetFooterValue(int row, TColumnEx* column) {
  TColumnFooterEx* footer = column->GetFooter(row);
  TDataSet* dataSet = dataLink_ != nullptr ? dataLink_->DataSet() : nullptr;
  TDBSumCollection* sums = sumList_ != nullptr ? sumList_->SumCollection() : nullptr;
  switch (footer->ValueType()) {
    case fvtSum:
    case fvtAvg: {
      const String& name = footer->FieldName().empty() ? column->FieldName() : footer->FieldName();
      TField* field = dataSet != nullptr ? dataSet->FindField(name) : nullptr;
      if (field == nullptr) return "0";
      const TGroupOperation operation = footer->ValueType() == fvtSum ? goSum : goAvg;
      TDBSum* sum = sums != nullptr ? sums->FindSum(operation, field->FieldName()) : nullptr;
      return FormatSum(field, footer->DisplayFormat(), sum != nullptr ? sum->SumValue() : Currency());
    }
    case fvtCount: {
      TDBSum* sum = sums != nullptr ? sums->FindSum(goCount, "") : nullptr;
      const double count = sum != nullptr ? static_cast<double>(sum->SumValue().Raw()) / 10000.0 : 0;
      return footer->DisplayFormat().empty() ? FloatToStr(count) : FormatFloat(footer->DisplayFormat(), count);
    }
    case fvtFieldValue: {
      if (dataSet == nullptr || !dataSet->Active() || footer->FieldName().empty()) return String();
      TField* field = dataSet->FindField(footer->FieldName());
      return field != nullptr ? TColumnEx::FormatFieldValue(field, footer->DisplayFormat()) : String();
    }
    case fvtStaticText:
      return footer->Value();
    case fvtNon:
      return String();
  }
  return String();
}
