// Links as data-aware controls use them: a field link that follows one field, edits through
// AutoEdit, hands its value back on post, and the focus request of a required field.
#include <gtest/gtest.h>

#include <functional>

#include "platform/core/exceptions.h"
#include "tests/data/data_test_support.h"

using namespace data_test;

namespace {

// A control's link: its "text" shows the field, and it hands back edited text.
struct EditLink {
  explicit EditLink(TDataSource* source, const char* field) {
    link.OnDataChange.Bind(nullptr, "Data", [this](TObject*) {
      text = link.Field() ? link.Field()->Text() : "";
      ++dataChanges;
    });
    link.OnUpdateData.Bind(nullptr, "Update", [this](TObject*) { link.Field()->SetText(text); });
    link.OnEditingChange.Bind(nullptr, "Editing", [this](TObject*) { ++editingChanges; });
    link.SetDataSource(source);
    link.SetFieldName(field);
  }
  TFieldDataLink link;
  std::string text;
  int dataChanges = 0;
  int editingChanges = 0;
};

// A link that takes the focus for one field.
class FocusLink : public TDataLink {
 public:
  FocusLink(TDataSource* source, TField* field) : field_(field) { SetDataSource(source); }
  int focused = 0;

 protected:
  void FocusControl(TField** field) override {
    if (*field != field_) return;
    *field = nullptr;
    ++focused;
  }

 private:
  TField* field_;
};

}  // namespace

TEST(FieldDataLink, FollowsItsFieldAndWritesBackOnPost) {
  LinkedData d(Store::Memory, 3, 1);
  EditLink edit(d.source.get(), "Name");
  EXPECT_EQ(edit.link.Field(), d.ds->FieldByName("Name"));
  EXPECT_EQ(edit.text, "Name1");
  d.ds->Next();
  EXPECT_EQ(edit.text, "Name2");
  // Another field's change is not this link's business.
  int editing = edit.editingChanges;
  ASSERT_TRUE(edit.link.Edit());
  EXPECT_EQ(edit.editingChanges, editing + 1);
  int before = edit.dataChanges;
  d.ds->FieldByName("Amount")->SetAsInteger(7);
  EXPECT_EQ(edit.dataChanges, before);
  edit.text = "Typed";
  edit.link.Modified();
  d.ds->Post();
  EXPECT_EQ(d.ds->FieldByName("Name")->AsString(), "Typed");
  EXPECT_EQ(edit.editingChanges, editing + 2);
  EXPECT_TRUE(edit.link.CanModify());
}

class HeldChange : public testing::TestWithParam<Store> {
 protected:
  // The control holds the text "Typed", not yet in the record it edits.
  static void HoldChange(EditLink& edit) {
    ASSERT_TRUE(edit.link.Edit());
    edit.text = "Typed";
    edit.link.Modified();
  }
};

// A control holding a change writes it into the record posted while the program keeps the
// data set's controls quiet: the change belongs to that record.
TEST_P(HeldChange, GoesIntoTheRecordPostedWhileControlsAreDisabled) {
  const struct {
    const char* name;
    std::function<void(TDataSet*)> work;
  } cases[] = {
      {"a move", [](TDataSet* ds) { ds->Next(); }},
      {"a post", [](TDataSet* ds) { ds->Post(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LinkedData d(GetParam(), 3, 1);
    EditLink edit(d.source.get(), "Name");
    HoldChange(edit);
    {
      DisableControlsGuard quiet(d.ds.get());
      c.work(d.ds.get());
    }
    EXPECT_EQ(d.ds->State(), dsBrowse);
    d.ds->Close();
    d.ds->Open();
    EXPECT_EQ(d.ds->FieldByName("Name")->AsString(), "Typed");
  }
}

// Once the program ended that edit, the change has no record left: the next record the
// program edits and posts while the controls are still quiet does not take it.
TEST_P(HeldChange, GoesIntoNoOtherRecordOnceItsEditIsCancelled) {
  LinkedData d(GetParam(), 3, 1);
  EditLink edit(d.source.get(), "Name");
  HoldChange(edit);
  {
    DisableControlsGuard quiet(d.ds.get());
    d.ds->Cancel();
    d.ds->Next();
    d.ds->Edit();
    d.ds->FieldByName("Amount")->SetAsInteger(7);
    d.ds->Post();
  }
  d.ds->Close();
  d.ds->Open();
  d.ds->Next();
  EXPECT_EQ(d.ds->FieldByName("Amount")->AsInteger(), 7);
  EXPECT_EQ(d.ds->FieldByName("Name")->AsString(), "Name2");
}

INSTANTIATE_TEST_SUITE_P(Stores, HeldChange, testing::Values(Store::Memory, Store::Sqlite), StoreName);

TEST(FieldDataLink, ReadOnlyLinksDoNotEditAndUnknownFieldsRaise) {
  LinkedData d(Store::Memory, 2, 1);
  EditLink edit(d.source.get(), "Name");
  edit.link.SetReadOnly(true);
  EXPECT_FALSE(edit.link.CanModify());
  d.ds->Edit();
  EXPECT_FALSE(edit.link.Editing());
  d.ds->Cancel();
  EXPECT_THROW(edit.link.SetFieldName("Nope"), EDatabaseError);
  d.ds->Close();
  EXPECT_EQ(edit.link.Field(), nullptr);
  EXPECT_FALSE(edit.link.Active());
}

TEST(FieldDataLink, RequiredFieldAsksItsControlForTheFocus) {
  LinkedData d(Store::Memory, 1, 1);
  TField* name = d.ds->FieldByName("Name");
  name->SetRequired(true);
  FocusLink focus(d.source.get(), name);
  d.ds->Append();
  EXPECT_THROW(d.ds->Post(), EDatabaseError);
  EXPECT_EQ(focus.focused, 1);
  name->FocusControl();
  EXPECT_EQ(focus.focused, 2);
}

TEST(FieldDataLink, LinksLetGoWhenTheirSourceOrDataSetGoesFirst) {
  auto ds = MakePeople(2);
  auto source = std::make_unique<TDataSource>(nullptr);
  source->SetDataSet(ds.get());
  RecordingLink link(source.get(), 2);
  EXPECT_TRUE(link.Active());
  ds.reset();
  EXPECT_FALSE(link.Active());
  EXPECT_EQ(source->DataSet(), nullptr);
  source.reset();
  EXPECT_EQ(link.DataSource(), nullptr);
  EXPECT_EQ(link.RecordCount(), 0);
}

TEST(FieldDataLink, FreeingADefaultFieldWhileOpenIsSafe) {
  LinkedData d(Store::Memory, 2, 1);
  delete d.ds->FieldByName("Amount");
  EXPECT_EQ(d.link->Take(), "layout @0");
  EXPECT_EQ(d.ds->FieldCount(), 2);
  d.ds->Close();
  d.ds->Open();
  EXPECT_EQ(d.ds->FieldCount(), 3);
}

// A control showing the field that is freed loses it quietly: the freeing cannot raise.
TEST(FieldDataLink, FreeingTheLinkedFieldWhileOpenLeavesTheLinkWithout) {
  LinkedData d(Store::Memory, 2, 1);
  EditLink edit(d.source.get(), "Amount");
  ASSERT_NE(edit.link.Field(), nullptr);
  delete d.ds->FieldByName("Amount");
  EXPECT_EQ(edit.link.Field(), nullptr);
  EXPECT_EQ(edit.text, "");
  d.ds->Close();
  d.ds->Open();
  EXPECT_EQ(edit.link.Field(), d.ds->FieldByName("Amount"));
}

TEST(FieldDataLink, DisablingTheSourceDeactivatesItsLinks) {
  LinkedData d(Store::Memory, 3, 2);
  int stateChanges = 0;
  d.source->OnStateChange.Bind(nullptr, "State", [&](TObject*) { ++stateChanges; });
  d.source->SetEnabled(false);
  EXPECT_EQ(d.source->State(), dsInactive);
  EXPECT_EQ(d.link->Take(), "active");
  d.ds->Next();
  EXPECT_EQ(d.link->Take(), "");
  d.source->SetEnabled(true);
  EXPECT_EQ(d.link->Take(), "active @1");
  EXPECT_EQ(stateChanges, 2);
  EXPECT_EQ(d.link->Window(), "1 2");
}

// A source moved from one open data set to another: its links let go of the first and take
// the second, as if it had been closed and the other opened.
TEST(FieldDataLink, ASourceMovedBetweenOpenDataSetsRestartsItsLinks) {
  LinkedData d(Store::Memory, 5, 2);
  d.ds->Last();
  auto other = MakePeople(3);
  int stateChanges = 0;
  d.source->OnStateChange.Bind(nullptr, "State", [&](TObject*) { ++stateChanges; });
  d.link->Take();
  d.source->SetDataSet(other.get());
  EXPECT_EQ(d.link->Take(), "active, active @0");
  EXPECT_EQ(stateChanges, 2);
  EXPECT_EQ(d.link->Window(), "1 2");
  d.source->SetDataSet(nullptr);
}
