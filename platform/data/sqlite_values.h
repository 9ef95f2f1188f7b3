#pragma once

#include "platform/core/variant.h"
#include "platform/data/db_types.h"

// How the SQLite data set maps columns and values. Dates are stored as ISO text
// ("2024-05-01", "13:45:00", "2024-05-01 13:45:00.250"), the form SQLite's own date functions
// read; numbers stored in a date column are taken as day counts of TDateTime.

// The field type for a column's declared type ("VARCHAR(40)" gives ftString, Size 40; "TEXT"
// gives ftString with no size limit).
TFieldType FieldTypeOfDecl(std::string_view declared, int& size);
// A stored value as the field type's own kind; text that does not read as the kind gives Null
// (the stored value is left as it is unless the user changes it).
Variant FromStored(TFieldType type, const Variant& stored);
Variant ToStored(TFieldType type, const Variant& value);
String IsoDateTimeText(TFieldType type, TDateTime value);
bool ParseIsoDateTime(std::string_view text, TDateTime& value);
