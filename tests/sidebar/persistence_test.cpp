#include <gtest/gtest.h>

#include <filesystem>

#include "platform/classes/class_registry.h"
#include "platform/classes/properties.h"
#include "platform/core/streams.h"
#include "platform/windows/messages.h"
#include "tests/sidebar/sidebar_fixture.h"

// Saving a bar's layout and reading it back into another bar.

using PersistenceTest = SidebarTest;

TEST_F(PersistenceTest, LayoutRoundTripsIntoAnotherBarKeepingItsName) {
  bar_->SetName("nbSideBar1");
  TnbHeader* mail = AddHeader("邮件", 2);
  TnbHeader* tools = AddHeader("Tools", 1);
  mail->GetButton(1)->SetTag(42);
  mail->GetButton(1)->SetButtonKind(bkCheckBox);
  tools->SetOptions({hoButtonDown, hoRoundedHeader});
  bar_->Settings()->SetButtonView(bvWindowsXP);
  bar_->Background()->SetAlphaBlend(70);
  bar_->SetHeaderScrollType(stNone);
  bar_->SetActiveHeader(tools);
  TMemoryStream stream;
  bar_->SaveToStream(stream);
  EXPECT_EQ(bar_->Name(), "nbSideBar1");

  auto* other = new TnbSideBar(form_);
  other->SetName("Bar2");
  int changes = 0;
  other->OnChange.Bind(form_, "Changed", [&](TObject*, int, int) { ++changes; });
  stream.SetPosition(0);
  other->LoadFromStream(stream);
  EXPECT_EQ(other->Name(), "Bar2");
  ASSERT_EQ(other->HeaderCount(), 2);
  EXPECT_EQ(other->Header(0)->Caption(), "邮件");
  EXPECT_EQ(other->Header(0)->ButtonCount(), 2);
  EXPECT_EQ(other->Header(0)->GetButton(1)->Tag(), 42);
  EXPECT_EQ(other->Header(0)->GetButton(1)->ButtonKind(), bkCheckBox);
  EXPECT_EQ(other->Header(1)->Options(), (TnbHeaderOptions{hoButtonDown, hoRoundedHeader}));
  EXPECT_EQ(other->Settings()->ButtonView(), bvWindowsXP);
  EXPECT_EQ(other->Background()->AlphaBlend(), 70);
  EXPECT_EQ(other->ActiveHeader(), other->Header(1));
  EXPECT_EQ(changes, 0);  // activated without the switch
}

TEST_F(PersistenceTest, SavingTwiceGivesTheSameBytes) {
  AddHeader("A", 3);
  TMemoryStream first, second;
  bar_->SaveToStream(first);
  bar_->SaveToStream(second);
  ASSERT_EQ(first.Size(), second.Size());
  EXPECT_EQ(0, memcmp(first.Memory(), second.Memory(), static_cast<size_t>(first.Size())));
}

TEST_F(PersistenceTest, NoActiveHeaderStaysNone) {
  AddHeader("A", 1);
  TMemoryStream stream;
  bar_->SaveToStream(stream);
  auto* other = new TnbSideBar(form_);
  stream.SetPosition(0);
  other->LoadFromStream(stream);
  EXPECT_EQ(other->HeaderCount(), 1);
  EXPECT_EQ(other->ActiveHeader(), nullptr);
}

TEST_F(PersistenceTest, ValuesAtTheirStoredDefaultAreNotWritten) {
  bar_->SetBevelOuter(bvRaised);  // the stored default: not written
  bar_->SetAlign(alCustom);       // no AlignInfo either
  TMemoryStream stream;
  bar_->SaveToStream(stream);
  auto* other = new TnbSideBar(form_);
  stream.SetPosition(0);
  other->LoadFromStream(stream);
  EXPECT_EQ(other->BevelOuter(), bvLowered);
  const String bytes(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
  EXPECT_EQ(bytes.find("AlignInfo"), String::npos);
  EXPECT_NE(bytes.find("ActiveIndex"), String::npos);
}

TEST_F(PersistenceTest, LoadingOverTrackedItemsLeavesNoReference) {
  TnbHeader* h = AddHeader("A", 2);
  bar_->SetHeaderScrollType(stNone);
  bar_->SetActiveHeader(h);
  TMemoryStream stream;
  bar_->SaveToStream(stream);
  Layout();
  Move(Centre(h->GetButton(0)->Rects().Button));
  ASSERT_NE(bar_->HotButton(), nullptr);
  bar_->SetAlertButton(h->GetButton(1));
  stream.SetPosition(0);
  bar_->LoadFromStream(stream);  // replaces every header and button
  EXPECT_EQ(bar_->HotButton(), nullptr);
  EXPECT_EQ(bar_->AlertButton(), nullptr);
  ASSERT_EQ(bar_->HeaderCount(), 1);
  EXPECT_EQ(bar_->ActiveHeader(), bar_->Header(0));
  Layout();
  Move({20, 60});
  bar_->Perform(CM_MOUSELEAVE, 0, 0);
}

TEST_F(PersistenceTest, FilesHoldExactlyTheStream) {
  AddHeader("A", 2);
  const String path = String(TEST_OUTPUT_DIR) + "/sidebar_layout.bin";
  std::filesystem::create_directories(TEST_OUTPUT_DIR);
  bar_->SaveToFile(path);
  TMemoryStream stream;
  bar_->SaveToStream(stream);
  EXPECT_EQ(std::filesystem::file_size(path), static_cast<uintmax_t>(stream.Size()));
  auto* other = new TnbSideBar(form_);
  other->LoadFromFile(path);
  EXPECT_EQ(other->HeaderCount(), 1);
  EXPECT_THROW(other->LoadFromFile(path + ".missing"), EStreamError);
  EXPECT_EQ(other->HeaderCount(), 1);
}

TEST_F(PersistenceTest, SavingToADeviceThatRefusesTheBytesRaises) {
  AddHeader("A", 2);
  EXPECT_THROW(bar_->SaveToFile("/dev/full"), EWriteError);
}

TEST_F(PersistenceTest, DragAndCloseBarEventsAreTheBarsOwn) {
  TnbHeader* close = bar_->CloseButton()->Header();
  const std::pair<const char*, TEventBase*> events[] = {
      {"OnDragDrop", &bar_->OnDragDrop},
      {"OnDragOver", &bar_->OnDragOver},
      {"OnDragEnter", &bar_->OnDragEnter},
      {"OnDrawCloseHeader", &close->OnDrawHeaderButton},
      {"OnAfterDrawCloseHeader", &close->OnAfterDrawHeaderButton},
  };
  for (const auto& [name, event] : events) {
    const TPropInfo* info = GetPropInfo(bar_, name);
    ASSERT_NE(info, nullptr) << name;
    EXPECT_EQ(info->GetEvent(bar_), event) << name;
  }
  EXPECT_EQ(*GetPropInfo(bar_, "OnDragDrop")->EventSignature, typeid(TnbEventDragDrop::Signature));
}

TEST_F(PersistenceTest, ABarMakesItsClassesKnownToStreaming) {
  for (const char* name : {"TnbSideBar", "TnbHeader", "TnbInplaceEdit", "TnbBackground", "TnbBarSettings"})
    EXPECT_NE(GetClass(name), nullptr) << name;
}
