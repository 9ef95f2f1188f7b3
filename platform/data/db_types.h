#pragma once

#include <cstdint>

#include "platform/classes/text_alignment.h"
#include "platform/core/resource_strings.h"
#include "platform/core/sets.h"
#include "platform/core/strings.h"

// Kinds of field values, in the class library's order (streams store them as ordinals).
enum TFieldType : uint8_t {
  ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat, ftCurrency, ftBCD,
  ftDate, ftTime, ftDateTime, ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic,
  ftFmtMemo, ftParadoxOle, ftDBaseOle, ftTypedBinary, ftCursor, ftFixedChar, ftWideString,
  ftLargeint, ftADT, ftArray, ftReference, ftDataSet, ftOraBlob, ftOraClob, ftVariant,
  ftInterface, ftIDispatch, ftGuid, ftTimeStamp
};

enum TFieldKind : uint8_t { fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate };

enum TDataSetState : uint8_t {
  dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey, dsCalcFields, dsFilter, dsNewValue,
  dsOldValue, dsCurValue, dsBlockRead, dsInternalCalc, dsOpening
};

// Kinds whose values are text (searches compare them as text, with case and prefix options).
inline bool IsTextType(TFieldType t) {
  return t == ftString || t == ftFixedChar || t == ftWideString || t == ftMemo || t == ftFmtMemo;
}

inline bool IsEditMode(TDataSetState s) { return s == dsEdit || s == dsInsert || s == dsSetKey; }

// What a data set tells its data sources and links.
enum TDataEvent : uint8_t {
  deFieldChange, deRecordChange, deDataSetChange, deDataSetScroll, deLayoutChange,
  deUpdateRecord, deUpdateState, deCheckBrowseMode, dePropertyChange, deFieldListChange,
  deFocusControl, deParentScroll, deConnectChange, deReconcileError, deDisabledStateChange
};

enum TLocateOption : uint8_t { loCaseInsensitive, loPartialKey };
using TLocateOptions = Set<TLocateOption>;

// One key of a record order: a field and its direction.
struct TSortKey {
  String FieldName;
  bool Descending = false;
};


// A bookmark: an opaque byte string naming one record of one data set.
using TBookmark = String;
using TBookmarkStr = String;

// Raises EDatabaseError with `message`; names the component when given ("Table1: ...").
class TComponent;
[[noreturn]] void DatabaseError(const String& message, const TComponent* component = nullptr);

// The data sets' messages, in the platform's table of texts (their names there start with "S").
namespace db_messages {
extern TResourceString NotEditing;  // "Dataset not in edit or insert mode"
extern TResourceString DataSetReadOnly;  // "Cannot modify a read-only dataset"
extern TResourceString DataSetClosed;  // "Cannot perform this operation on a closed dataset"
extern TResourceString DataSetOpen;  // "Cannot perform this operation on an open dataset"
extern TResourceString DataSetEmpty;  // "Cannot perform this operation on an empty dataset"
extern TResourceString RecordNotFound;  // "Record not found"
extern TResourceString FieldNotFound;  // "Field '%s' not found"
extern TResourceString FieldReadOnly;  // "Field '%s' cannot be modified"
extern TResourceString FieldRequired;  // "Field '%s' must have a value"
extern TResourceString NotBoolean;  // "'%s' is not a valid boolean value for field '%s'"
extern TResourceString FieldRange;  // "%s is not a valid value for field '%s'. The allowed range is %d to %d"
extern TResourceString DataSetMissing;  // "Field '%s' has no dataset"
extern TResourceString CircularDataLink;  // "Circular datalinks are not allowed"
extern TResourceString NoLookupDataSet;  // "Lookup information for field '%s' is incomplete"
}  // namespace db_messages
