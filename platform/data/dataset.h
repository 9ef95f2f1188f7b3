#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/classes/component.h"
#include "platform/core/events.h"
#include "platform/core/variant.h"
#include "platform/data/bookmark.h"
#include "platform/data/db_types.h"
#include "platform/data/field.h"
#include "platform/data/record_filter.h"

class TDataSet;
class TDataSource;

using TDataSetNotifyEvent = TEvent<void(TDataSet* DataSet)>;

// The description of one column of the records a data set holds.
struct TFieldDef {
  String Name;
  TFieldType DataType = ftUnknown;
  int Size = 0;
  bool Required = false;
};

class TFieldDefs {
 public:
  void Add(const String& name, TFieldType type, int size = 0, bool required = false);
  int Count() const { return static_cast<int>(defs_.size()); }
  const TFieldDef& Items(int index) const { return defs_.at(static_cast<size_t>(index)); }
  int IndexOf(std::string_view name) const;  // ignoring Latin case; -1 when absent
  void Clear() { defs_.clear(); }

 private:
  std::vector<TFieldDef> defs_;
};

// One record held in the data set's buffer window: its id in the record source (-1 while it
// is being inserted) and a value per field slot (columns first, then calculated fields).
struct TRecordBuffer {
  int64_t id = -1;
  std::vector<Variant> values;
  std::vector<bool> changed;  // columns written since the edit began
};

// A cursor over an ordered set of records, with the class library's observable behaviour:
// states, navigation with Bof/Eof, editing with Post/Cancel, bookmarks, searching, and the
// notifications its data sources and links receive. It keeps a window of buffered records
// around the current one, as large as the largest BufferCount of its links, and tells links
// how far that window moved.
//
// A descendant supplies the records (the protected "record source" methods): records are
// addressed by position in data-set order and by a stable id.
class TDataSet : public TComponent {
  DECLARE_CLASS(TDataSet, TComponent)
 public:
  explicit TDataSet(TComponent* owner);
  ~TDataSet() override;

  // Opening and closing.
  bool Active() const { return state_ != dsInactive; }
  void SetActive(bool active);
  void Open() { SetActive(true); }
  void Close() { SetActive(false); }
  TDataSetState State() const { return state_; }

  // Fields.
  TFieldDefs* FieldDefs() { return &fieldDefs_; }
  const TFieldDefs* FieldDefs() const { return &fieldDefs_; }
  TFields* Fields() { return fields_.get(); }
  int FieldCount() const { return fields_->Count(); }
  TField* FindField(std::string_view name) const { return fields_->FindField(name); }
  TField* FieldByName(std::string_view name) const { return fields_->FieldByName(name); }
  // The fields named in "A;B", in that order; raises EDatabaseError for an unknown name.
  void GetFieldList(std::vector<TField*>& list, std::string_view names) const;
  // One value for one name, an array of values for "A;B".
  Variant FieldValues(std::string_view names) const;
  void SetFieldValues(std::string_view names, const Variant& values);

  // Navigation. MoveBy returns the distance actually moved.
  void First();
  void Last();
  void Next() { MoveBy(1); }
  void Prior() { MoveBy(-1); }
  int MoveBy(int distance);
  bool Bof() const { return bof_; }
  bool Eof() const { return eof_; }
  // 1-based position of the active record; 0 when there is none.
  virtual int RecNo() const;
  virtual void SetRecNo(int recNo);
  virtual int RecordCount() const;
  virtual bool IsSequenced() const { return true; }
  bool IsEmpty() const;

  // Editing.
  void Append();
  void Insert();
  void Edit();
  void Post();
  void Cancel();
  void Delete();
  bool Modified() const { return modified_; }
  virtual bool CanModify() const { return !readOnly_; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  // Posts (or cancels an unmodified) pending edit, after asking links to store theirs.
  void CheckBrowseMode();
  // Asks the links to store what their controls hold into the record (UpdateData).
  void UpdateRecord();

  // Counted; while disabled, links hear nothing but the request to store what their controls
  // hold into the edit begun before (UpdateRecord), and the last EnableControls sends them one
  // DataSetChanged (LayoutChanged after a layout change) when something happened meanwhile.
  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const { return disableCount_ > 0; }

  // Bookmarks.
  TBookmark GetBookmark() const;
  TBookmark Bookmark() const { return GetBookmark(); }
  void SetBookmark(const TBookmark& bookmark) { GotoBookmark(bookmark); }
  // Raises EDatabaseError "Record not found" for a record that is gone.
  void GotoBookmark(const TBookmark& bookmark);
  // The same, with the record at buffer row `bufferRow` where the records around it allow,
  // so that a control showing the buffered records shows them where they were.
  void GotoBookmarkAtRow(const TBookmark& bookmark, int bufferRow);
  bool BookmarkValid(const TBookmark& bookmark) const;
  // Negative, zero or positive in data-set order; works for records that are gone too. An
  // empty bookmark comes first.
  int CompareBookmarks(const TBookmark& a, const TBookmark& b) const;
  void FreeBookmark(TBookmark& bookmark) const { bookmark.clear(); }

  // Searching: "A;B" with a Variant (array for several fields). Locate makes the found record
  // current; Lookup leaves the cursor where it is and returns the result field(s) or Null.
  bool Locate(std::string_view keyFields, const Variant& keyValues, TLocateOptions options);
  Variant Lookup(std::string_view keyFields, const Variant& keyValues,
                 std::string_view resultFields);

  // Shows only the records that pass `filter` (an empty one shows all); the current record
  // stays current when it passes, else the first record becomes current. A record posted
  // later stays shown until the filter is set again. Raises EDatabaseError, keeping the
  // filter in force, for a field that is not a column of the records, or when the data set
  // cannot filter.
  virtual void SetRecordFilter(const TRecordFilter& filter);
  // Moves the records of the bookmarks (those still shown) to the record at `toRecNo`:
  // after it when they come from above it, else before it, in their order. False, with
  // nothing moved, when the data set keeps its own order or the records cannot go there;
  // `checkOnly` only answers.
  virtual bool MoveRecords(const std::vector<TBookmark>& bookmarks, int toRecNo, bool checkOnly);
  const TRecordFilter& RecordFilter() const { return recordFilter_; }

  TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
  TDataSetNotifyEvent BeforePost, AfterPost, BeforeDelete, AfterDelete;
  TDataSetNotifyEvent BeforeScroll, AfterScroll, BeforeEdit, AfterEdit;
  TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeCancel, AfterCancel;
  TDataSetNotifyEvent OnCalcFields, OnNewRecord;

  // Used by fields, data sources and links.
  Variant GetFieldValue(const TField* field) const;
  void SetFieldValue(TField* field, const Variant& value);
  void DataEvent(TDataEvent event, intptr_t info);
  void AttachDataSource(TDataSource* source);
  void DetachDataSource(TDataSource* source);
  // Sizes the buffer window to the largest BufferCount among the links.
  void UpdateBufferCount();
  int BufferCount() const { return bufferCount_; }
  int BufferedRecordCount() const { return static_cast<int>(buffers_.size()); }
  int ActiveRecord() const { return activeRecord_; }
  // Selects the buffer fields read (links draw rows this way); past the buffered records
  // fields read Null.
  void SetActiveRecord(int index) { activeRecord_ = index; }
  void FieldListChanged();
  // A field left this data set (freed or moved to another one).
  void FieldRemoved(TField* field);
  void CheckActive() const;    // raises "Cannot perform this operation on a closed dataset"
  void CheckInactive() const;  // raises "Cannot perform this operation on an open dataset"

 protected:
  // The record source.
  virtual void InternalOpen() = 0;  // fills FieldDefs when the source defines them
  virtual void InternalClose() = 0;
  virtual bool RecordExists(int64_t position) = 0;
  virtual int64_t InternalRecordCount() = 0;
  virtual int64_t RecordIdAt(int64_t position) = 0;
  virtual int64_t PositionOfId(int64_t id) = 0;
  virtual int CompareIds(int64_t a, int64_t b) const = 0;
  // Sets every one of columns[0 .. FieldDefs count) to the record's values.
  virtual void ReadRecord(int64_t id, std::vector<Variant>& columns) = 0;
  // Writes the record: an update of buffer.id when insertPosition < 0, otherwise a new record
  // placed at insertPosition. Returns the record's id. Raises and leaves the source unchanged
  // on failure.
  virtual int64_t WriteRecord(const TRecordBuffer& buffer, int64_t insertPosition) = 0;
  virtual void DeleteRecord(int64_t id) = 0;

  // The position of the first record, in data-set order, whose key fields hold the values
  // (already in the fields' kinds), or -1. The default reads record after record; a
  // descendant may ask its store instead.
  virtual int64_t FindPosition(const std::vector<TField*>& keys, const std::vector<Variant>& values,
                               TLocateOptions options);

  // A descendant whose order changed (a sort) calls this: the current record stays current
  // (the first one becomes current when it is no longer shown) and links hear DataSetChanged.
  void OrderChanged();
  // A descendant that applied a filter keeps it for RecordFilter().
  void KeepRecordFilter(const TRecordFilter& filter) { recordFilter_ = filter; }
  // Descendants call this first in their destructor: closes without user events.
  void CloseForDestruction();
  void Notification(TComponent* component, TOperation operation) override;
  int ColumnCount() const { return columnCount_; }

 private:
  void OpenCursor();
  void CloseCursor();
  void CreateFields();
  void BindFields();
  void SetState(TDataSetState state);
  int64_t CurrentPosition() const;
  void FetchInto(int64_t position, TRecordBuffer& buffer);
  void CalculateFields(TRecordBuffer& buffer);
  void ComputeLookup(TField* field);
  void SetLookupValue(TField* field, const Variant& value);
  void Resync(int64_t anchor, int wantedActive);
  void ResyncAround(int64_t anchor) { Resync(anchor, activeRecord_); }
  void ResyncCenter(int64_t anchor) { Resync(anchor, (bufferCount_ - 1) / 2); }
  void ClearBuffers();
  int64_t LastPosition();
  int64_t MoveWindowTo(int64_t position);  // returns how far the window start moved
  void SlideForward(int64_t position, int64_t end);
  void SlideBack(int64_t position, int64_t end);
  TRecordBuffer Fetch(int64_t position);
  void BeginInsertAppend();
  void EndInsertAppend();
  void StartInsert(int64_t position, int bufferIndex);
  void CheckCanModify() const;
  void CheckRequiredFields() const;
  void DoEvent(const TDataSetNotifyEvent& event) { if (event) event(this); }
  TRecordBuffer* CurrentBuffer() const;
  TRecordBuffer NewBuffer() const;
  bool MatchesKeys(const TRecordBuffer& buffer, const std::vector<TField*>& keys,
                   const std::vector<Variant>& values, TLocateOptions options) const;
  // The fields named in keyFields and the values to match, in those fields' kinds.
  void SearchKeys(std::string_view keyFields, const Variant& keyValues, std::vector<TField*>& keys,
                  std::vector<Variant>& values) const;
  bool HasCalcFields() const;
  void NotifySources(TDataEvent event, intptr_t info);
  int LargestLinkBufferCount() const;

  TDataSetState state_ = dsInactive;
  TFieldDefs fieldDefs_;
  std::unique_ptr<TFields> fields_;
  std::vector<TField*> defaultFields_;  // created at open, freed at close
  std::vector<TDataSource*> dataSources_;
  int columnCount_ = 0;
  int slotCount_ = 0;

  // The buffer window: buffers_[i] holds the record at position windowStart_ + i; while
  // inserting, the new record's buffer sits at activeRecord_ and stands for insertPosition_.
  std::vector<TRecordBuffer> buffers_;
  int64_t windowStart_ = 0;
  int activeRecord_ = 0;
  int bufferCount_ = 1;
  int64_t insertPosition_ = -1;
  TRecordBuffer* calcBuffer_ = nullptr;  // the record OnCalcFields fills
  bool lookingUp_ = false;  // computing lookup values: a lookup back into here is circular

  bool bof_ = true;
  bool eof_ = true;
  bool modified_ = false;
  bool readOnly_ = false;
  int disableCount_ = 0;
  TDataSetState disableState_ = dsInactive;
  bool editBeforeDisable_ = false;  // the edit in progress began while the links listened
  bool missedLayout_ = false;
  TRecordFilter recordFilter_;
};

// Keeps DisableControls for the life of the scope.
class DisableControlsGuard {
 public:
  explicit DisableControlsGuard(TDataSet* dataSet) : dataSet_(dataSet) { dataSet_->DisableControls(); }
  ~DisableControlsGuard() { dataSet_->EnableControls(); }
  DisableControlsGuard(const DisableControlsGuard&) = delete;
  DisableControlsGuard& operator=(const DisableControlsGuard&) = delete;

 private:
  TDataSet* dataSet_;
};
