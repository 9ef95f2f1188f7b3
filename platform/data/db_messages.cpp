// The data sets' messages in the platform's table of texts.
#include "platform/data/db_types.h"

namespace db_messages {
TResourceString NotEditing(PlatformTexts(), "SNotEditing", "Dataset not in edit or insert mode");
TResourceString DataSetReadOnly(PlatformTexts(), "SDataSetReadOnly", "Cannot modify a read-only dataset");
TResourceString DataSetClosed(PlatformTexts(), "SDataSetClosed",
                              "Cannot perform this operation on a closed dataset");
TResourceString DataSetOpen(PlatformTexts(), "SDataSetOpen", "Cannot perform this operation on an open dataset");
TResourceString DataSetEmpty(PlatformTexts(), "SDataSetEmpty", "Cannot perform this operation on an empty dataset");
TResourceString RecordNotFound(PlatformTexts(), "SRecordNotFound", "Record not found");
TResourceString FieldNotFound(PlatformTexts(), "SFieldNotFound", "Field '%s' not found");
TResourceString FieldReadOnly(PlatformTexts(), "SFieldReadOnly", "Field '%s' cannot be modified");
TResourceString FieldRequired(PlatformTexts(), "SFieldRequired", "Field '%s' must have a value");
TResourceString NotBoolean(PlatformTexts(), "SNotBoolean", "'%s' is not a valid boolean value for field '%s'");
TResourceString FieldRange(PlatformTexts(), "SFieldRange",
                           "%s is not a valid value for field '%s'. The allowed range is %d to %d");
TResourceString DataSetMissing(PlatformTexts(), "SDataSetMissing", "Field '%s' has no dataset");
TResourceString CircularDataLink(PlatformTexts(), "SCircularDataLink", "Circular datalinks are not allowed");
TResourceString NoLookupDataSet(PlatformTexts(), "SNoLookupDataSet",
                                "Lookup information for field '%s' is incomplete");
}  // namespace db_messages
