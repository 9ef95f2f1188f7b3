#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "platform/classes/class_registry.h"
#include "platform/classes/object_text.h"
#include "platform/classes/properties.h"
#include "platform/controls/menus.h"
#include "platform/core/streams.h"
#include "platform/windows/messages.h"
#include "tests/sidebar/sidebar_fixture.h"

// Saving a bar's layout and reading it back into another bar.

namespace {

using Bytes = std::vector<uint8_t>;

// Takes `limit` bytes and refuses the rest, as a full disk does.
class TRefusingStream : public TMemoryStream {
 public:
  explicit TRefusingStream(int64_t limit) : limit_(limit) {}
  int64_t Write(const void* buffer, int64_t count) override {
    if (Size() + count > limit_) throw EWriteError("Stream write error");
    return TMemoryStream::Write(buffer, count);
  }

 private:
  int64_t limit_;
};

// A picture of four coloured quarters, so that where it lands can be seen.
void Quarters(TBitmap* b, int size, TColor a, TColor c) {
  b->SetSize(size, size);
  TCanvas* canvas = b->Canvas();
  canvas->Brush()->SetColor(a);
  canvas->FillRect(Rect(0, 0, size, size));
  canvas->Brush()->SetColor(c);
  canvas->FillRect(Rect(0, 0, size / 2, size / 2));
  canvas->FillRect(Rect(size / 2, size / 2, size, size));
}

Bytes SavedBytes(TnbSideBar* bar) {
  TMemoryStream stream;
  bar->SaveToStream(stream);
  return stream.Bytes();
}

void Fill(TMemoryStream& stream, const Bytes& bytes) {
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
}

// `bytes` with the first `from` replaced by `to` (of the same length).
Bytes Patched(Bytes bytes, const std::string& from, const std::string& to) {
  const auto at = std::search(bytes.begin(), bytes.end(), from.begin(), from.end());
  EXPECT_NE(at, bytes.end()) << from;
  if (at != bytes.end()) std::copy(to.begin(), to.end(), at);
  return bytes;
}

// The bar's background, the four state backgrounds of its settings and the header's.
std::vector<TnbCustomBackground*> Backgrounds(TnbSideBar* b) {
  TnbBarSettings* s = b->Settings();
  return {b->Background(), s->ButtonUp(), s->ButtonDown(), s->ButtonFocused(), s->ButtonDisabled(),
          b->Header(0)->Background()};
}

namespace fs = std::filesystem;

// layout-convert is built next to the test programs.
int RunLayoutConvert(const std::string& arguments) {
  const fs::path tool = fs::path(TEST_OUTPUT_DIR).parent_path() / "tools" / "layout-convert";
  const int status = std::system((tool.string() + " " + arguments + " 2>/dev/null").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

class PersistenceTest : public SidebarTest {
 protected:
  // A bar whose layout differs from a new bar's in headers, buttons, looks and the active header.
  void Arrange() {
    bar_->SetName("nbSideBar1");
    TnbHeader* mail = AddHeader("邮件", 2);
    TnbHeader* tools = AddHeader("Tools", 1);
    mail->GetButton(1)->SetTag(42);
    mail->GetButton(1)->SetButtonKind(bkCheckBox);
    tools->SetOptions({hoButtonDown, hoRoundedHeader});
    bar_->Settings()->SetButtonView(bvWindowsXP);
    bar_->Settings()->ButtonFont()->SetColor(clMaroon);
    bar_->Background()->SetAlphaBlend(70);
    bar_->Background()->Gradient()->SetBeginColor(clTeal);
    bar_->InplaceEditor()->SetBorderColor(clRed);
    bar_->SetHeaderScrollType(stNone);
    bar_->SetActiveHeader(tools);
    Quarters(bar_->Background()->Bitmap(), 12, clYellow, clNavy);
    Quarters(mail->Glyph()->Bitmap(), 9, clLime, clPurple);
  }
};

TEST_F(PersistenceTest, LayoutRoundTripsIntoAnotherBarKeepingItsName) {
  Arrange();
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
  EXPECT_EQ(other->Settings()->ButtonFont()->Color(), clMaroon);
  EXPECT_EQ(other->Background()->AlphaBlend(), 70);
  EXPECT_EQ(other->InplaceEditor()->BorderColor(), clRed);
  EXPECT_EQ(other->ActiveHeader(), other->Header(1));
  EXPECT_EQ(changes, 0);  // activated without the switch
}

TEST_F(PersistenceTest, EveryBorderMarginComesBackAsSaved) {
  for (uint16_t value : {0, 1, 9}) {
    SCOPED_TRACE(value);
    TnbBorder* b = bar_->Border();
    b->SetLeft(value);
    b->SetTop(value);
    b->SetRight(value);
    b->SetBottom(value);
    b->SetSeparator(value);
    TMemoryStream stream;
    bar_->SaveToStream(stream);
    auto* other = new TnbSideBar(form_);
    stream.SetPosition(0);
    other->LoadFromStream(stream);
    const TnbBorder* o = other->Border();
    EXPECT_EQ(std::vector<int>({o->Left(), o->Top(), o->Right(), o->Bottom(), o->Separator()}),
              std::vector<int>(5, value));
    delete other;
  }
}

// A bar with pictures in every background and glyph, margins of 0 and captions longer than
// the bar: a fresh bar loading its layout stores and paints exactly the same.
TEST_F(PersistenceTest, ALayoutWithPicturesZeroMarginsAndLongCaptionsPaintsTheSameAfterLoading) {
  bar_->SetHeaderScrollType(stNone);
  bar_->SetViewStyle(vsExplorerBar);
  bar_->CloseButton()->SetVisible(true);
  bar_->CloseButton()->SetCaption("收藏夹里保存的常用联系人和短信模板");
  TnbHeader* first = AddHeader("今晚需要发送给所有客户的群发短信", 2);
  TnbHeader* second = AddHeader("Replies waiting for an answer since yesterday", 1);
  for (TnbBorder* b = bar_->Border(); auto set : {&TnbBorder::SetLeft, &TnbBorder::SetTop, &TnbBorder::SetRight,
                                                  &TnbBorder::SetBottom, &TnbBorder::SetSeparator})
    (b->*set)(0);
  TnbBarSettings* s = bar_->Settings();
  s->SetCaptionStyle(csCustomDraw);
  Quarters(bar_->Background()->Bitmap(), 10, clTeal, clOlive);
  bar_->Background()->SetStyle(btTileBitmap);
  Quarters(first->Background()->Bitmap(), 30, clSilver, clMaroon);
  first->Background()->SetStyle(btBitmap);
  Quarters(second->Glyph()->Bitmap(), 8, clLime, clBlue);
  second->Glyph()->SetTransparent(false);
  const TnbButtonState states[] = {hbsUp, hbsDown, hbsFocused, hbsDisabled};
  for (int i = 0; i < 4; ++i) {
    TnbCustomBackground* look = s->StateBackground(states[i]);
    Quarters(look->Bitmap(), 6, static_cast<TColor>(RGB(40 * i, 200, 90)), clFuchsia);
    look->SetStyle(btTileBitmap);
  }
  bar_->SetActiveHeader(second);
  second->SetCaptionState(hbsUp);  // the look under the mouse is no part of a layout
  const Bytes saved = SavedBytes(bar_);

  auto* other = new TnbSideBar(form_);
  other->SetAlign(alNone);  // placed as the saved bar is
  other->SetParent(form_);
  TMemoryStream stream;
  Fill(stream, saved);
  other->LoadFromStream(stream);
  EXPECT_EQ(other->Border()->Left(), 0);
  EXPECT_EQ(other->Border()->Separator(), 0);
  EXPECT_EQ(other->Background()->Bitmap()->Width(), 10);
  EXPECT_EQ(other->Header(0)->Background()->Bitmap()->Height(), 30);
  EXPECT_EQ(other->Header(1)->Glyph()->Bitmap()->Width(), 8);
  EXPECT_EQ(other->Settings()->StateBackground(hbsDisabled)->Bitmap()->Width(), 6);
  EXPECT_EQ(other->CloseButton()->Caption(), bar_->CloseButton()->Caption());
  EXPECT_EQ(SavedBytes(other), saved) << "every stored property";
  ASSERT_EQ(other->BoundsRect(), bar_->BoundsRect());
  auto mine = Paint(bar_), theirs = Paint(other);
  int differing = 0;
  TRect where = Rect(mine->Width(), mine->Height(), 0, 0);
  for (int y = 0; y < mine->Height(); ++y)
    for (int x = 0; x < mine->Width(); ++x)
      if (At(*mine, x, y) != At(*theirs, x, y)) {
        ++differing;
        where = Rect(std::min(where.Left, x), std::min(where.Top, y), std::max(where.Right, x + 1), std::max(where.Bottom, y + 1));
      }
  EXPECT_EQ(differing, 0) << "within " << where.Left << "," << where.Top << " - " << where.Right << "," << where.Bottom;
  if (differing != 0) {
    Save(*mine, "layout_saved");
    Save(*theirs, "layout_loaded");
  }
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
  bar_->SetBevelInner(bvNone);  // the stored default: not written
  bar_->SetAlign(alCustom);     // no AlignInfo either
  TMemoryStream stream;
  bar_->SaveToStream(stream);
  auto* other = new TnbSideBar(form_);
  stream.SetPosition(0);
  other->LoadFromStream(stream);
  EXPECT_EQ(other->BevelInner(), bvNone);
  const String bytes(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
  EXPECT_EQ(bytes.find("BevelInner"), String::npos);
  EXPECT_EQ(bytes.find("AlignInfo"), String::npos);
  EXPECT_NE(bytes.find("ActiveIndex"), String::npos);
}

// Values a new bar, header or background does not start with, though they are the stored
// defaults, come back as saved; layouts written without them leave the new bar's own.
TEST_F(PersistenceTest, ValuesANewBarDoesNotStartWithComeBackAsSaved) {
  struct Value {
    const char* what;
    std::function<void(TnbSideBar*)> set;
    std::function<bool(TnbSideBar*)> isSet;
  };
  const Value values[] = {
      {"BevelOuter bvRaised", [](TnbSideBar* b) { b->SetBevelOuter(bvRaised); },
       [](TnbSideBar* b) { return b->BevelOuter() == bvRaised; }},
      {"BorderStyle bsSingle", [](TnbSideBar* b) { b->SetBorderStyle(bsSingle); },
       [](TnbSideBar* b) { return b->BorderStyle() == bsSingle; }},
      {"TabStop off", [](TnbSideBar* b) { b->SetTabStop(false); }, [](TnbSideBar* b) { return !b->TabStop(); }},
      {"a background washed wholly in its colour", [](TnbSideBar* b) { b->Background()->SetAlphaBlend(0); },
       [](TnbSideBar* b) { return b->Background()->AlphaBlend() == 0; }},
      {"a header background in the button face colour",
       [](TnbSideBar* b) { b->Header(0)->Background()->SetColor(clBtnFace); },
       [](TnbSideBar* b) { return b->Header(0)->Background()->Color() == clBtnFace; }},
      {"gradients beginning in black",
       [](TnbSideBar* b) {
         for (TnbCustomBackground* look : Backgrounds(b)) look->Gradient()->SetBeginColor(clBlack);
       },
       [](TnbSideBar* b) {
         for (TnbCustomBackground* look : Backgrounds(b))
           if (look->Gradient()->BeginColor() != clBlack) return false;
         return true;
       }},
      {"a close bar without a caption", [](TnbSideBar* b) { b->CloseButton()->SetCaption(""); },
       [](TnbSideBar* b) { return b->CloseButton()->Caption().empty(); }},
      {"a rename font of its own beside a fixed-pitch bar",
       [](TnbSideBar* b) {
         b->InplaceEditor()->Font()->SetSize(12);
         b->Font()->SetPitch(fpFixed);
       },
       [](TnbSideBar* b) {
         const TFont* font = b->InplaceEditor()->Font();
         return font->Size() == 12 && font->Pitch() == fpDefault && b->Font()->Pitch() == fpFixed;
       }},
  };
  for (const Value& v : values) {
    SCOPED_TRACE(v.what);
    auto* saved = new TnbSideBar(form_);
    saved->Headers()->Add();
    v.set(saved);
    const Bytes bytes = SavedBytes(saved);
    auto* loaded = new TnbSideBar(form_);
    loaded->Headers()->Add();
    ASSERT_FALSE(v.isSet(loaded)) << "a new bar starts so";
    TMemoryStream stream;
    Fill(stream, bytes);
    loaded->LoadFromStream(stream);
    EXPECT_TRUE(v.isSet(loaded));
    delete saved;
    delete loaded;
  }
  // A layout written before these were always stored.
  const std::string text = "object NBCOMPONENTSAVEDATA: TnbSideBar\n  Width = 150\n  Height = 300\nend\n";
  TMemoryStream textStream, binary;
  textStream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
  textStream.SetPosition(0);
  ObjectTextToBinary(textStream, binary);
  binary.SetPosition(0);
  bar_->LoadFromStream(binary);
  EXPECT_EQ(bar_->BevelOuter(), bvLowered);
  EXPECT_EQ(bar_->BorderStyle(), bsNone);
  EXPECT_EQ(bar_->Width(), 150);
}

// A layout written while a header could enter a bar keeping a name the bar already had still
// loads: an item read with a name taken before it takes a free one.
TEST_F(PersistenceTest, ALayoutRepeatingANameStillLoads) {
  const std::string text =
      "object NBCOMPONENTSAVEDATA: TnbSideBar\n"
      "  Headers = <\n"
      "    item\n      Caption = 'Mail'\n      Name = 'nbHeader1'\n"
      "      Buttons = <\n"
      "        item\n          Caption = 'Inbox'\n          Name = 'nbButton1'\n        end\n"
      "        item\n          Caption = 'Sent'\n          Name = 'nbButton1'\n        end>\n"
      "    end\n"
      "    item\n      Caption = 'Moved in'\n      Name = 'nbHeader1'\n    end>\n"
      "end\n";
  TMemoryStream textStream, binary;
  textStream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
  textStream.SetPosition(0);
  ObjectTextToBinary(textStream, binary);
  binary.SetPosition(0);
  ASSERT_NO_THROW(bar_->LoadFromStream(binary));
  ASSERT_EQ(bar_->HeaderCount(), 2);
  EXPECT_EQ(bar_->Header(1)->Caption(), "Moved in");
  EXPECT_NE(bar_->Header(0)->Name(), bar_->Header(1)->Name());
  ASSERT_EQ(bar_->Header(0)->ButtonCount(), 2);
  EXPECT_NE(bar_->Header(0)->GetButton(0)->Name(), bar_->Header(0)->GetButton(1)->Name());
  // Once loaded, a name already taken is refused again.
  EXPECT_THROW(bar_->Header(1)->SetName(bar_->Header(0)->Name()), Exception);
  auto* other = new TnbSideBar(form_);
  TMemoryStream again;
  bar_->SaveToStream(again);
  again.SetPosition(0);
  EXPECT_NO_THROW(other->LoadFromStream(again));
}

// Where a loaded bar stands and how it is aligned is the layout's, whatever the bar had.
TEST_F(PersistenceTest, ALayoutStandsWhereItWasSavedWhateverTheBarsAlignment) {
  struct Placement {
    TAlign saved, loadedInto;
  };
  const Placement placements[] = {{alNone, alLeft}, {alLeft, alTop}, {alTop, alNone}, {alNone, alClient}};
  for (const Placement& p : placements) {
    SCOPED_TRACE(testing::Message() << "saved " << static_cast<int>(p.saved) << ", into " << static_cast<int>(p.loadedInto));
    bar_->SetAlign(p.saved);
    bar_->SetBoundsRect(Bounds(10, 20, 160, 270));
    const TRect where = bar_->BoundsRect();
    const Bytes bytes = SavedBytes(bar_);
    bar_->SetParent(nullptr);
    auto* loaded = new TnbSideBar(form_);
    loaded->SetParent(form_);
    loaded->SetAlign(p.loadedInto);
    TMemoryStream stream;
    Fill(stream, bytes);
    loaded->LoadFromStream(stream);
    EXPECT_EQ(loaded->Align(), p.saved);
    EXPECT_EQ(loaded->BoundsRect(), where);
    delete loaded;
    bar_->SetParent(form_);
  }
}

TEST_F(PersistenceTest, LoadingOverTrackedItemsLeavesNoReference) {
  TnbHeader* h = AddHeader("A", 2);
  bar_->SetHeaderScrollType(stNone);
  bar_->SetActiveHeader(h);
  TMemoryStream stream;
  bar_->SaveToStream(stream);
  Layout();
  Move(Centre(h->GetButton(0)->Rects().Button));
  ASSERT_NE(bar_->Input().HotButton(), nullptr);
  bar_->SetAlertButton(h->GetButton(1));
  stream.SetPosition(0);
  bar_->LoadFromStream(stream);  // replaces every header and button
  EXPECT_EQ(bar_->Input().HotButton(), nullptr);
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

TEST_F(PersistenceTest, HeadersAndButtonsPublishTheirPopUpMenus) {
  TnbHeader* h = AddHeader("A", 1);
  for (TObject* item : std::initializer_list<TObject*>{h, h->GetButton(0)}) {
    const TPropInfo* info = GetPropInfo(item, "PopupMenu");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Kind, pkComponent);
  }
}

TEST_F(PersistenceTest, ABarMakesItsClassesKnownToStreaming) {
  for (const char* name : {"TnbSideBar", "TnbHeader", "TnbInplaceEdit", "TnbBackground", "TnbBarSettings"})
    EXPECT_NE(GetClass(name), nullptr) << name;
}

TEST_F(PersistenceTest, ALayoutReadBackIsSavedByteForByteAsItWasRead) {
  Arrange();
  const Bytes saved = SavedBytes(bar_);
  auto* other = new TnbSideBar(form_);
  TMemoryStream stream;
  Fill(stream, saved);
  other->LoadFromStream(stream);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(saved.size()));
  EXPECT_EQ(SavedBytes(other), saved);
}

TEST_F(PersistenceTest, AFailedSaveLeavesTheBarItsName) {
  Arrange();
  const int64_t whole = static_cast<int64_t>(SavedBytes(bar_).size());
  for (int64_t limit : {int64_t{0}, int64_t{4}, whole / 2, whole - 1}) {
    SCOPED_TRACE(limit);
    TRefusingStream stream(limit);
    EXPECT_THROW(bar_->SaveToStream(stream), EWriteError);
    EXPECT_EQ(bar_->Name(), "nbSideBar1");
  }
}

TEST_F(PersistenceTest, DamagedLayoutsAreRefusedAndTheBarStaysAsItWas) {
  Arrange();
  const Bytes layout = SavedBytes(bar_);
  auto* other = new TnbSideBar(form_);
  other->SetName("Bar2");
  TnbHeader* own = other->Headers()->Add();
  own->SetCaption("Own");
  own->Buttons()->Add()->SetCaption("Own 1");
  other->Settings()->SetButtonView(bvExplorer);
  other->SetHeaderScrollType(stNone);
  other->SetActiveHeader(own);
  int changes = 0;
  other->OnChange.Bind(form_, "Changed", [&](TObject*, int, int) { ++changes; });
  const Bytes before = SavedBytes(other);

  std::vector<std::pair<std::string, Bytes>> damaged = {
      {"empty", {}},
      {"not a layout", Bytes(64, 'x')},
      {"another class", Patched(layout, "TnbSideBar", "TnbSideBaz")},
      {"unknown property", Patched(layout, "ButtonView", "ButtonViex")},
      {"unknown value", Patched(layout, "bvWindowsXP", "bvWindowsXQ")},
  };
  // Cut at forty places from the header to the last byte: also after the headers have been read.
  const size_t step = std::max<size_t>(1, layout.size() / 40);
  for (size_t length = 1; length < layout.size(); length += step)
    damaged.emplace_back("cut at " + std::to_string(length), Bytes(layout.begin(), layout.begin() + length));
  damaged.emplace_back("last byte missing", Bytes(layout.begin(), layout.end() - 1));
  for (const auto& [what, bytes] : damaged) {
    SCOPED_TRACE(what);
    TMemoryStream stream;
    Fill(stream, bytes);
    EXPECT_THROW(other->LoadFromStream(stream), Exception);
    EXPECT_EQ(stream.Position(), 0);
    EXPECT_EQ(other->Name(), "Bar2");
    EXPECT_EQ(SavedBytes(other), before);
    if (HasFailure()) break;
  }
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(other->ActiveHeader(), own);
}

TEST_F(PersistenceTest, AStoredLayoutReadsAsTextAndBackWithLayoutConvert) {
  Arrange();
  const fs::path dir = fs::path(TEST_OUTPUT_DIR) / "sidebar-layout-convert";
  fs::create_directories(dir);
  const std::string bin = (dir / "bar.bin").string(), text = (dir / "bar.txt").string(),
                    again = (dir / "again.bin").string();
  bar_->SaveToFile(bin);
  ASSERT_EQ(RunLayoutConvert("--to-text " + bin + " " + text), 0);
  TMemoryStream textFile;
  textFile.LoadFromFile(text);
  const String shown(textFile.Bytes().begin(), textFile.Bytes().end());
  for (const char* line : {"object NBCOMPONENTSAVEDATA: TnbSideBar\n", "  ActiveIndex = 1\n",
                           "  AlignInfo = 'alNone'\n", "  Headers = <\n", "ButtonView = bvWindowsXP\n",
                           "Tag = 42\n", "ButtonKind = bkCheckBox\n",
                           "HeaderIndex = 1\n", "  Background.Bitmap.Data = {\n", "Glyph.Bitmap.Data = {\n"})
    EXPECT_NE(shown.find(line), String::npos) << line << "\nin\n" << shown;
  ASSERT_EQ(RunLayoutConvert("--to-binary " + text + " " + again), 0);
  auto* other = new TnbSideBar(form_);
  other->LoadFromFile(again);
  EXPECT_EQ(SavedBytes(other), SavedBytes(bar_));
  fs::remove_all(dir);
}

namespace {

// What a bar's layout names besides the bar: a pop-up menu and a handler of the component
// that owns the bar, as a form does.
class TLayoutHost : public TComponent {
  DECLARE_CLASS(TLayoutHost, TComponent)
 public:
  explicit TLayoutHost(TComponent* owner) : TComponent(owner) {}
  static void Publish() { RegisterMethod<TLayoutHost>("BarChanged", &TLayoutHost::BarChanged); }
  void BarChanged(TObject*, int, int) { ++changes; }
  int changes = 0;
};

}  // namespace

TEST_F(PersistenceTest, ALayoutNamingItsFormsMenuAndHandlerLoadsIntoABarOfThatForm) {
  for (const char* hostName : {"", "Host1"}) {
    SCOPED_TRACE(hostName);
    TLayoutHost host(nullptr);
    host.SetName(hostName);
    auto* menu = new TPopupMenu(&host);
    menu->SetName("Menu1");
    auto* saved = new TnbSideBar(&host);
    saved->SetPopupMenu(menu);
    saved->Headers()->Add()->SetPopupMenu(menu);
    saved->OnChange.Bind(&host, "BarChanged", &TLayoutHost::BarChanged);
    TMemoryStream stream;
    saved->SaveToStream(stream);

    auto* loaded = new TnbSideBar(&host);
    stream.SetPosition(0);
    loaded->LoadFromStream(stream);
    EXPECT_EQ(loaded->PopupMenu(), menu);
    ASSERT_EQ(loaded->HeaderCount(), 1);
    EXPECT_EQ(loaded->Header(0)->PopupMenu(), menu);
    loaded->OnChange.Call(loaded, 0, 1);
    EXPECT_EQ(host.changes, 1) << "the handler is the host's again";
  }
}
