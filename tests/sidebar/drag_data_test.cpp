#include <gtest/gtest.h>

#include <functional>

#include "platform/windows/drag_drop.h"
#include "platform/windows/keys.h"
#include "tests/sidebar/sidebar_fixture.h"

// The data a drag of a side-bar button offers, the format records it answers to, and the
// drop source's rules, as a receiver in this or another process sees them.

namespace {

// A drag that only looks at the offered data while it runs, then is cancelled.
class TLookingDrag : public TDragDropService {
 public:
  std::function<void(IDataObject&, IDropSource&)> look;
  HRESULT Run(IDataObject* data, IDropSource* source, uint32_t, uint32_t& effect) override {
    look(*data, *source);
    effect = DROPEFFECT_NONE;
    return DRAGDROP_S_CANCEL;
  }
};

TClipboardData Bytes(std::initializer_list<uint32_t> words) {
  TClipboardData bytes;
  for (uint32_t w : words)
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(w >> (8 * i)));
  return bytes;
}

class DragDataTest : public SidebarTest {
 protected:
  void SetUp() override {
    SidebarTest::SetUp();
    auto service = std::make_unique<TLookingDrag>();
    drag_ = service.get();
    SetDragDropService(std::move(service));
    bar_->SetViewStyle(vsExplorerBar);
    AddHeader("A", 2);
    AddHeader("B", 4);
    Layout();
  }
  void TearDown() override {
    SetDragDropService(nullptr);
    SidebarTest::TearDown();
  }
  // Drags `button` of the bar and runs `look` while the drag is under way.
  void WhileDragging(TnbButton* button, std::function<void(IDataObject&, IDropSource&)> look) {
    bool looked = false;
    drag_->look = [&](IDataObject& data, IDropSource& source) {
      looked = true;
      look(data, source);
    };
    const TPoint p = Centre(button->Rects().Button);
    Move(p);
    Press(p);
    Move({p.x, p.y + 20});
    ASSERT_TRUE(looked) << "no drag started";
  }
  TnbDragDropManager* Manager() { return bar_->DragDropManager(); }
  static FORMATETC Resource() { return ContentFormat(TnbDragDropManager::ResourceFormat()); }
  TLookingDrag* drag_ = nullptr;
};

}  // namespace

TEST_F(DragDataTest, ResourceAndReferenceBlocksNameTheButtonAndTheBar) {
  WhileDragging(bar_->Header(1)->GetButton(3), [&](IDataObject& data, IDropSource&) {
    TClipboardData block;
    ASSERT_TRUE(DataObjectBytes(data, TnbDragDropManager::ResourceFormat(), block));
    EXPECT_EQ(block, Bytes({24, 1, 16, 2, 8, 1, 3}));
    ASSERT_TRUE(DataObjectBytes(data, TnbDragDropManager::ReferenceFormat(), block));
    EXPECT_EQ(block.size(), 12u);
    EXPECT_EQ(TnbDragDropManager::SourceBar(&data), bar_);
  });
}

TEST_F(DragDataTest, RenderingTheButtonWithoutADragFails) {
  STGMEDIUM medium;
  EXPECT_EQ(Manager()->GetData(Resource(), medium), E_FAIL);
  EXPECT_EQ(medium.tymed, TYMED_NULL);
  EXPECT_EQ(Manager()->GetData(ContentFormat(TnbDragDropManager::ReferenceFormat()), medium), S_OK)
      << "which bar it is needs no drag";
}

TEST_F(DragDataTest, ReferencesOfOtherProcessesOrOfFreedBarsNameNoBar) {
  TClipboardData reference;
  ASSERT_TRUE(DataObjectBytes(*Manager(), TnbDragDropManager::ReferenceFormat(), reference));
  auto withReference = [](TClipboardData block) {
    auto data = std::make_unique<TDataObject>();
    data->SetData(TnbDragDropManager::ReferenceFormat(), block);
    return data;
  };
  EXPECT_EQ(TnbDragDropManager::SourceBar(withReference(reference).get()), bar_);
  TClipboardData otherProcess = reference;
  otherProcess[4] ^= 0x5A;
  EXPECT_EQ(TnbDragDropManager::SourceBar(withReference(otherProcess).get()), nullptr);
  TClipboardData truncated(reference.begin(), reference.begin() + 8);
  EXPECT_EQ(TnbDragDropManager::SourceBar(withReference(truncated).get()), nullptr);
  TDataObject text;
  text.SetData(CF_TEXT, {'h', 'i', 0});
  EXPECT_EQ(TnbDragDropManager::SourceBar(&text), nullptr);
  EXPECT_EQ(TnbDragDropManager::SourceBar(nullptr), nullptr);

  auto* other = new TnbSideBar(form_);
  other->SetParent(form_);
  other->Handle();
  TClipboardData gone;
  ASSERT_TRUE(DataObjectBytes(*other->DragDropManager(), TnbDragDropManager::ReferenceFormat(), gone));
  EXPECT_EQ(TnbDragDropManager::SourceBar(withReference(gone).get()), other);
  delete other;
  EXPECT_EQ(TnbDragDropManager::SourceBar(withReference(gone).get()), nullptr) << "a freed bar is no source";
}

TEST_F(DragDataTest, FormatQueriesAnswerTheFurthestMismatch) {
  struct Case {
    const char* what;
    FORMATETC format;
    HRESULT expected;
  };
  const TClipboardFormat resource = TnbDragDropManager::ResourceFormat();
  const Case cases[] = {
      {"the Resource record", Resource(), S_OK},
      {"any medium that includes global memory", {resource, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL | TYMED_ISTREAM}, S_OK},
      {"a stream", {resource, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM}, DV_E_TYMED},
      {"an icon", {resource, nullptr, DVASPECT_ICON, -1, TYMED_HGLOBAL}, DV_E_DVASPECT},
      {"a part of it", {resource, nullptr, DVASPECT_CONTENT, 0, TYMED_HGLOBAL}, DV_E_LINDEX},
      {"the wrong medium and aspect", {resource, nullptr, DVASPECT_ICON, -1, TYMED_FILE}, DV_E_TYMED},
      {"text", ContentFormat(CF_TEXT), DV_E_FORMATETC},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Manager()->QueryGetData(c.format), c.expected) << c.what;
    STGMEDIUM medium;
    if (c.expected != S_OK) {
      EXPECT_EQ(Manager()->GetData(c.format, medium), DV_E_FORMATETC) << c.what;
    }
  }
}

TEST_F(DragDataTest, TheEnumeratorListsReferenceThenResource) {
  std::unique_ptr<IEnumFORMATETC> e;
  ASSERT_EQ(Manager()->EnumFormatEtc(DATADIR_GET, e), S_OK);
  FORMATETC got[5];
  uint32_t fetched = 9;
  EXPECT_EQ(e->Next(5, got, &fetched), S_OK);
  ASSERT_EQ(fetched, 2u);
  EXPECT_EQ(got[0], ContentFormat(TnbDragDropManager::ReferenceFormat()));
  EXPECT_EQ(got[1], Resource());
  EXPECT_EQ(e->Next(5, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);

  ASSERT_EQ(e->Reset(), S_OK);
  EXPECT_EQ(e->Skip(3), S_FALSE) << "beyond the end nothing moves";
  EXPECT_EQ(e->Skip(1), S_OK);
  std::unique_ptr<IEnumFORMATETC> clone;
  ASSERT_EQ(e->Clone(clone), S_OK);
  EXPECT_EQ(clone->Next(1, got, &fetched), S_OK) << "a clone starts where its original is";
  EXPECT_EQ(got[0], Resource());
  EXPECT_EQ(e->Next(1, got, nullptr), S_OK) << "and leaves the original where it was";

  EXPECT_EQ(Manager()->EnumFormatEtc(DATADIR_SET, e), OLE_S_USEREG);
  EXPECT_EQ(e, nullptr);
}

TEST_F(DragDataTest, SettingDataRecordsTheFormatButTakesNothing) {
  const FORMATETC text = ContentFormat(CF_TEXT);
  STGMEDIUM medium = GlobalMedium({'x', 0});
  EXPECT_EQ(Manager()->SetData(text, medium, true), E_FAIL);
  EXPECT_EQ(Manager()->FormatList().Count(), 2) << "released data is not looked at";
  EXPECT_EQ(Manager()->SetData(text, medium, false), E_FAIL);
  ASSERT_EQ(Manager()->FormatList().Count(), 3);
  EXPECT_EQ(Manager()->QueryGetData(text), S_OK);
  EXPECT_EQ(Manager()->GetData(text, medium), E_FAIL) << "but there is nothing to render for it";
  FORMATETC stream = Resource();
  stream.tymed = TYMED_ISTREAM;
  EXPECT_EQ(Manager()->SetData(stream, medium, false), E_FAIL);
  EXPECT_EQ(Manager()->FormatList().Count(), 3) << "a format replaces its own record";
  EXPECT_EQ(Manager()->QueryGetData(Resource()), DV_E_TYMED);
}

TEST_F(DragDataTest, CanonicalFormatsAndNotificationsAreNotOffered) {
  FORMATETC out;
  EXPECT_EQ(Manager()->GetCanonicalFormatEtc(Resource(), out), DATA_S_SAMEFORMATETC);
  STGMEDIUM medium;
  EXPECT_EQ(Manager()->GetDataHere(Resource(), medium), E_NOTIMPL);
  uint32_t connection = 0;
  EXPECT_EQ(Manager()->DAdvise(Resource(), 0, nullptr, connection), E_NOTIMPL);
  EXPECT_EQ(Manager()->DUnadvise(connection), E_NOTIMPL);
  EXPECT_EQ(Manager()->EnumDAdvise(nullptr), OLE_E_ADVISENOTSUPPORTED);
}

TEST_F(DragDataTest, TheDragGoesOnWhileOneButtonIsHeld) {
  struct Case {
    bool escape;
    uint32_t keys;
    HRESULT expected;
  };
  const Case cases[] = {
      {false, MK_LBUTTON, S_OK},
      {false, MK_RBUTTON, S_OK},
      {false, MK_LBUTTON | MK_SHIFT, S_OK},
      {false, 0, DRAGDROP_S_DROP},
      {false, MK_MBUTTON, DRAGDROP_S_DROP},
      {false, MK_LBUTTON | MK_RBUTTON, DRAGDROP_S_CANCEL},
      {true, MK_LBUTTON, DRAGDROP_S_CANCEL},
      {true, 0, DRAGDROP_S_CANCEL},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Manager()->QueryContinueDrag(c.escape, c.keys), c.expected) << c.escape << " " << c.keys;
  EXPECT_EQ(Manager()->GiveFeedback(DROPEFFECT_MOVE), DRAGDROP_S_USEDEFAULTCURSORS);
}

TEST(FormatEtcList, IndexesOutsideTheListAreRefused) {
  TnbFormatEtcList list;
  EXPECT_EQ(list.Add(ContentFormat(CF_TEXT)), 0);
  EXPECT_EQ(list.Add(ContentFormat(CF_UNICODETEXT)), 1);
  list.Put(1, ContentFormat(CF_HDROP));
  std::unique_ptr<TnbFormatEtcList> copy = list.Clone();
  list.Clear();
  ASSERT_EQ(copy->Count(), 2);
  EXPECT_EQ(copy->Get(1).cfFormat, CF_HDROP);
  for (int bad : {-1, 2}) {
    try {
      copy->Get(bad);
      ADD_FAILURE() << bad;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), "FormatEtcList: Invalid item index.");
    }
    EXPECT_THROW(copy->Put(bad, ContentFormat(CF_TEXT)), EListError);
  }
}

TEST_F(DragDataTest, TheBarTakesPartInADragOnlyAsItsOptionsSay) {
  TDataObject foreign;
  foreign.SetData(CF_TEXT, {'x', 0});
  TClipboardData reference;
  ASSERT_TRUE(DataObjectBytes(*Manager(), TnbDragDropManager::ReferenceFormat(), reference));
  TDataObject own;
  own.SetData(TnbDragDropManager::ReferenceFormat(), reference);
  struct Case {
    const char* what;
    IDataObject* data;
    TnbBarOption option;
    bool set;
    HRESULT expected;
  };
  const Case cases[] = {
      {"data from outside, accepted", &foreign, boAcceptOLEDrop, true, S_OK},
      {"data from outside, not accepted", &foreign, boAcceptOLEDrop, false, E_ABORT},
      {"a button of the bar, internal drops on", &own, boInternalDrop, true, S_OK},
      {"a button of the bar, internal drops off", &own, boInternalDrop, false, E_ABORT},
  };
  const TnbBarOptions saved = bar_->Options();
  for (const Case& c : cases) {
    bar_->SetOptions(c.set ? saved + c.option : saved - c.option);
    uint32_t effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(Manager()->DragEnter(c.data, 0, bar_->ClientToScreen({5, 5}), effect), c.expected) << c.what;
    if (c.expected != S_OK) {
      EXPECT_EQ(effect, DROPEFFECT_NONE) << c.what;
    }
    Manager()->DragLeave();
  }
}

TEST_F(DragDataTest, ANewWindowKeepsTheBarsOneManager) {
  TnbDragDropManager* manager = Manager();
  const HWND before = bar_->Handle();
  bar_->SetBorderStyle(bsSingle);  // the border is the window's own: a new window
  ASSERT_NE(bar_->Handle(), before);
  EXPECT_EQ(Manager(), manager);
  EXPECT_EQ(DropTargetAt(bar_->Handle()), manager) << "the new window takes drops through it";
}

TEST_F(DragDataTest, AWindowDestroyedWithItsParentsIsFollowedByOneThatTakesDrops) {
  const HWND before = bar_->Handle();
  DestroyWindow(form_->Handle());  // not through the bar: its window goes with the form's
  ASSERT_NE(bar_->Handle(), before);
  EXPECT_EQ(DropTargetAt(bar_->Handle()), Manager());
}
