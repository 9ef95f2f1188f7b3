// Edit, insert, append, post, cancel and delete on an in-memory data set: what links hear,
// where the window ends up, and the errors for operations the state does not allow.
#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "tests/data/data_test_support.h"

using namespace data_test;

class Editing : public testing::TestWithParam<Store> {};

namespace {

TField* F(TDataSet* ds, const char* name) { return ds->FieldByName(name); }

void ExpectDatabaseError(const std::function<void()>& action, const std::string& message) {
  try {
    action();
    ADD_FAILURE() << "expected EDatabaseError: " << message;
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), message);
  }
}

}  // namespace

TEST_P(Editing, EditPostSendsEditingRecordAndChangedInOrder) {
  LinkedData d(GetParam(), 10, 3);
  d.link->noteChecks = true;
  d.ds->Edit();
  EXPECT_EQ(d.ds->State(), dsEdit);
  EXPECT_EQ(d.link->Take(), "check @0, editing @0, record - @0");
  EXPECT_TRUE(d.link->Editing());
  F(d.ds.get(), "Name")->SetAsString("Changed");
  EXPECT_TRUE(d.ds->Modified());
  EXPECT_EQ(d.link->Take(), "record Name @0");
  d.ds->Post();
  EXPECT_EQ(d.link->Take(), "update @0, check @0, editing @0, changed @0");
  EXPECT_EQ(d.ds->State(), dsBrowse);
  EXPECT_FALSE(d.ds->Modified());
  d.ds->Last();
  d.ds->First();
  EXPECT_EQ(F(d.ds.get(), "Name")->AsString(), "Changed");
}

TEST_P(Editing, CancelRestoresTheStoredValues) {
  LinkedData d(GetParam(), 3, 3);
  d.ds->Next();
  d.ds->Edit();
  F(d.ds.get(), "Amount")->SetAsFloat(99);
  d.link->log.clear();
  d.ds->Cancel();
  EXPECT_EQ(d.link->Take(), "editing @1, changed @1");
  EXPECT_EQ(F(d.ds.get(), "Amount")->AsFloat(), 3.0);
  EXPECT_EQ(F(d.ds.get(), "ID")->AsInteger(), 2);
}

TEST_P(Editing, InsertInTheMiddleKeepsTheRowAndPostsInPlace) {
  LinkedData d(GetParam(), 10, 3);
  d.ds->MoveBy(4);
  EXPECT_EQ(d.link->Window(), "3 4 5");
  d.link->log.clear();
  d.ds->Insert();
  EXPECT_EQ(d.link->Take(), "editing @2, changed @2");
  EXPECT_EQ(d.link->Window(), "3 4 ");
  EXPECT_EQ(d.ds->State(), dsInsert);
  F(d.ds.get(), "ID")->SetAsInteger(100);
  F(d.ds.get(), "Name")->SetAsString("New");
  d.link->log.clear();
  d.ds->Post();
  EXPECT_EQ(d.link->Take(), "update @2, editing @2, changed @2");
  EXPECT_EQ(d.link->Window(), "3 4 100");
  EXPECT_EQ(d.ds->RecNo(), 5);
  EXPECT_EQ(AllIds(d.ds.get()), "1 2 3 4 100 5 6 7 8 9 10");
}

TEST_P(Editing, CancelledInsertReturnsToTheRecordThatWasCurrent) {
  LinkedData d(GetParam(), 10, 3);
  d.ds->MoveBy(4);
  d.ds->Insert();
  d.link->log.clear();
  d.ds->Cancel();
  EXPECT_EQ(d.link->Take(), "editing @2, changed @2");
  EXPECT_EQ(F(d.ds.get(), "ID")->AsInteger(), 5);
  EXPECT_EQ(d.link->Window(), "3 4 5");
  EXPECT_EQ(d.ds->RecordCount(), 10);
}

TEST_P(Editing, AppendShowsTheLastRecordsAboveTheNewOneAtTheEnd) {
  LinkedData d(GetParam(), 10, 3);
  d.ds->Append();
  EXPECT_EQ(d.link->Take(), "editing @2, changed @2");
  EXPECT_EQ(d.link->Window(), "9 10 ");
  EXPECT_TRUE(d.ds->Eof()) << "the new record stands past the last one";
  EXPECT_FALSE(d.ds->Bof());
  F(d.ds.get(), "ID")->SetAsInteger(11);
  d.ds->Post();
  EXPECT_EQ(d.link->Window(), "9 10 11");
  EXPECT_EQ(d.ds->RecordCount(), 11);
  d.ds->Append();
  d.ds->Cancel();
  EXPECT_EQ(F(d.ds.get(), "ID")->AsInteger(), 11);
}

TEST_P(Editing, DeletingTheCurrentRecordShowsTheNextOne) {
  LinkedData d(GetParam(), 10, 3);
  d.ds->MoveBy(4);
  d.link->log.clear();
  d.ds->Delete();
  EXPECT_EQ(d.link->Take(), "changed @2");
  EXPECT_EQ(d.link->Window(), "3 4 6");
  EXPECT_EQ(F(d.ds.get(), "ID")->AsInteger(), 6);
  d.ds->Last();
  d.ds->Delete();
  EXPECT_EQ(d.link->Window(), "7 8 9");
  EXPECT_EQ(F(d.ds.get(), "ID")->AsInteger(), 9);
  EXPECT_EQ(AllIds(d.ds.get()), "1 2 3 4 6 7 8 9");
}

TEST_P(Editing, DeletingAnotherRecordKeepsTheCurrentOneThroughItsBookmark) {
  LinkedData d(GetParam(), 10, 3);
  d.ds->MoveBy(6);
  d.link->log.clear();
  TBookmark here = d.ds->GetBookmark();
  {
    DisableControlsGuard quiet(d.ds.get());
    ASSERT_TRUE(d.ds->Locate("ID", 2, {}));
    d.ds->Delete();
    d.ds->GotoBookmark(here);
  }
  EXPECT_EQ(d.link->Take(), "changed @1");
  EXPECT_EQ(F(d.ds.get(), "ID")->AsInteger(), 7);
  EXPECT_EQ(d.link->Window(), "6 7 8");
  EXPECT_EQ(d.ds->RecNo(), 6);
}

TEST_P(Editing, DeletingEveryRecordLeavesAnEmptyDataSet) {
  LinkedData d(GetParam(), 2, 3);
  d.ds->Delete();
  d.ds->Delete();
  EXPECT_TRUE(d.ds->IsEmpty());
  EXPECT_TRUE(d.ds->Eof());
  EXPECT_TRUE(d.ds->Bof());
  EXPECT_EQ(d.link->RecordCount(), 0);
  ExpectDatabaseError([&] { d.ds->Delete(); }, "Cannot perform this operation on an empty dataset");
  // Edit on an empty data set inserts.
  d.ds->Edit();
  EXPECT_EQ(d.ds->State(), dsInsert);
}

TEST_P(Editing, EventsFireInTheOrderOfTheClassLibrary) {
  People people(GetParam(), 3);
  TDataSet* ds = people.ds.get();
  std::string order;
  auto note = [&](TDataSetNotifyEvent& ev, const char* name) {
    ev.Bind(nullptr, name, [&order, name](TDataSet*) { order += std::string(order.empty() ? "" : " ") + name; });
  };
  note(ds->BeforeInsert, "BeforeInsert");
  note(ds->AfterInsert, "AfterInsert");
  note(ds->OnNewRecord, "OnNewRecord");
  note(ds->BeforeScroll, "BeforeScroll");
  note(ds->AfterScroll, "AfterScroll");
  note(ds->BeforePost, "BeforePost");
  note(ds->AfterPost, "AfterPost");
  note(ds->BeforeDelete, "BeforeDelete");
  note(ds->AfterDelete, "AfterDelete");
  note(ds->BeforeEdit, "BeforeEdit");
  note(ds->AfterEdit, "AfterEdit");
  note(ds->BeforeCancel, "BeforeCancel");
  note(ds->AfterCancel, "AfterCancel");
  note(ds->BeforeClose, "BeforeClose");
  note(ds->AfterClose, "AfterClose");
  note(ds->BeforeOpen, "BeforeOpen");
  note(ds->AfterOpen, "AfterOpen");
  ds->Insert();
  EXPECT_EQ(order, "BeforeInsert BeforeScroll OnNewRecord AfterInsert AfterScroll");
  order.clear();
  ds->FieldByName("ID")->SetAsInteger(9);
  ds->Post();
  EXPECT_EQ(order, "BeforePost AfterPost");
  order.clear();
  ds->Edit();
  ds->Cancel();
  EXPECT_EQ(order, "BeforeEdit AfterEdit BeforeCancel AfterCancel");
  order.clear();
  ds->Delete();
  EXPECT_EQ(order, "BeforeDelete BeforeScroll AfterDelete AfterScroll");
  order.clear();
  ds->Close();
  ds->Open();
  EXPECT_EQ(order, "BeforeClose AfterClose BeforeOpen AfterOpen");
  EXPECT_EQ(ds->RecordCount(), 3);
}

TEST_P(Editing, OnNewRecordFillsDefaultsThatDoNotCountAsModified) {
  People people(GetParam(), 1);
  TDataSet* ds = people.ds.get();
  ds->OnNewRecord.Bind(nullptr, "Defaults", [](TDataSet* d) { d->FieldByName("Name")->SetAsString("Default"); });
  ds->Append();
  EXPECT_EQ(ds->FieldByName("Name")->AsString(), "Default");
  EXPECT_FALSE(ds->Modified());
  // An unmodified new record is dropped by CheckBrowseMode.
  ds->CheckBrowseMode();
  EXPECT_EQ(ds->RecordCount(), 1);
}

TEST_P(Editing, WritesOutsideEditModeOrOnReadOnlyDataRaise) {
  People people(GetParam(), 2);
  TDataSet* ds = people.ds.get();
  ExpectDatabaseError([&] { ds->FieldByName("Name")->SetAsString("x"); }, "Dataset not in edit or insert mode");
  ExpectDatabaseError([&] { ds->Post(); }, "Dataset not in edit or insert mode");
  ds->FieldByName("Name")->SetReadOnly(true);
  ds->Edit();
  ExpectDatabaseError([&] { ds->FieldByName("Name")->SetAsString("x"); }, "Field 'Name' cannot be modified");
  ds->Cancel();
  ds->SetReadOnly(true);
  EXPECT_FALSE(ds->CanModify());
  EXPECT_FALSE(ds->FieldByName("ID")->CanModify());
  ExpectDatabaseError([&] { ds->Edit(); }, "Cannot modify a read-only dataset");
  ExpectDatabaseError([&] { ds->Append(); }, "Cannot modify a read-only dataset");
  ExpectDatabaseError([&] { ds->Delete(); }, "Cannot modify a read-only dataset");
  EXPECT_EQ(ds->State(), dsBrowse);
  EXPECT_EQ(ds->RecordCount(), 2);
  ds->Close();
  ExpectDatabaseError([&] { ds->First(); }, "Cannot perform this operation on a closed dataset");
}

TEST_P(Editing, RequiredFieldStopsPostAndKeepsTheInsert) {
  People people(GetParam(), 1);
  TDataSet* ds = people.ds.get();
  ds->FieldByName("Name")->SetRequired(true);
  ds->Append();
  ds->FieldByName("ID")->SetAsInteger(5);
  ExpectDatabaseError([&] { ds->Post(); }, "Field 'Name' must have a value");
  EXPECT_EQ(ds->State(), dsInsert);
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 5);
  ds->FieldByName("Name")->SetAsString("Given");
  ds->Post();
  EXPECT_EQ(ds->RecordCount(), 2);
}

TEST_P(Editing, OnValidateCanRejectAValueWhichIsThenNotStored) {
  People people(GetParam(), 1);
  TDataSet* ds = people.ds.get();
  TField* id = ds->FieldByName("ID");
  id->OnValidate.Bind(nullptr, "Positive", [](TField* f) {
    if (f->AsInteger() < 0) throw EDatabaseError("negative");
  });
  ds->Edit();
  EXPECT_THROW(id->SetAsInteger(-1), EDatabaseError);
  EXPECT_EQ(id->AsInteger(), 1);
  EXPECT_FALSE(ds->Modified());
}

TEST_P(Editing, DataSourceReportsStateAndDataChanges) {
  LinkedData d(GetParam(), 3, 1);
  std::vector<std::string> seen;
  d.source->OnStateChange.Bind(nullptr, "State", [&](TObject*) { seen.push_back("state " + std::to_string(d.source->State())); });
  d.source->OnDataChange.Bind(nullptr, "Data", [&](TObject*, TField* f) { seen.push_back(f ? "data " + f->FieldName() : "data -"); });
  d.source->Edit();
  EXPECT_EQ(d.ds->State(), dsEdit);
  d.ds->FieldByName("Name")->SetAsString("x");
  d.ds->Post();
  std::vector<std::string> expected = {"state 2", "data -", "data Name", "state 1", "data -"};
  EXPECT_EQ(seen, expected);
  d.source->SetAutoEdit(false);
  EXPECT_FALSE(d.link->Edit());
  EXPECT_EQ(d.ds->State(), dsBrowse);
}

INSTANTIATE_TEST_SUITE_P(AllStores, Editing,
                         testing::Values(Store::Memory, Store::Sqlite, Store::SqliteQuery), StoreName);
