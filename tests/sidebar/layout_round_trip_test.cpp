#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/classes/object_text.h"
#include "platform/classes/properties.h"
#include "platform/controls/actions.h"
#include "platform/controls/menus.h"
#include "platform/core/streams.h"
#include "tests/sidebar/sidebar_fixture.h"
#include "tests/support/round_trip_walk.h"

// A layout loads back as it was saved: a bar with every stored property away from its
// default, in each alignment, saved and loaded into a fresh bar of each alignment (as stored
// and through its text form), stands where the saved one stood, saves the same bytes and
// paints the same pixels.

namespace {

using Bytes = round_trip::Bytes;

constexpr TAlign kAligns[] = {alNone, alTop, alBottom, alLeft, alRight, alClient};

Bytes SavedBytes(TnbSideBar* bar) {
  TMemoryStream stream;
  bar->SaveToStream(stream);
  return stream.Bytes();
}

void Load(TnbSideBar* bar, const Bytes& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  bar->LoadFromStream(stream);
}

// The layout written out as text and read back in.
Bytes ThroughText(const Bytes& bytes) {
  TMemoryStream binary, text, again;
  binary.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  binary.SetPosition(0);
  ObjectBinaryToText(binary, text);
  text.SetPosition(0);
  ObjectTextToBinary(text, again);
  return again.Bytes();
}

void Picture(TBitmap* b, int size, TColor a, TColor c) {
  b->SetSize(size, size);
  b->Canvas()->Brush()->SetColor(a);
  b->Canvas()->FillRect(Rect(0, 0, size, size));
  b->Canvas()->Brush()->SetColor(c);
  b->Canvas()->FillRect(Rect(0, 0, size / 2, size / 2));
}

// A background with every stored property set, showing a picture.
void ArrangeBackground(TnbCustomBackground* look, TColor colour, int size, TnbBackgroundStyle style) {
  look->SetColor(colour);
  look->SetAlphaBlend(200);
  look->SetBitmapCopy(bcMergePaint);
  look->SetGrayscale(true);
  look->Gradient()->SetBeginColor(clTeal);
  look->Gradient()->SetEndColor(colour);
  look->Gradient()->SetDrawStyle(gtEllipse);
  look->Gradient()->SetDirection(gdInverse);
  Picture(look->Bitmap(), size, colour, clFuchsia);
  look->SetStyle(style);
}

// Left out of "every stored property": where the bar stands (each alignment is a row of its
// own), what is never stored (its name, which the bar keeps, the preset, the tab order, a
// button's index), its Visible (a hidden bar shows nothing to compare) and ParentColor (its
// colour is its background's).
const std::set<String> kLeftOut = {"Left",    "Top",      "Align",       "Anchors", "Name",   "PreSet",
                                   "TabOrder", "ButtonIndex", "Visible", "ParentColor"};

// Names (with their path) of the stored properties of `o` and of the side bar's nested objects
// and items in it, sorted into those written and those left at their default. A property
// counts as written when it is written for any item of a collection.
void SortProperties(TObject* o, const String& path, std::set<String>& all, std::set<String>& written) {
  for (const TPropInfo* info : GetPropList(o)) {
    const bool leftOut = (path.empty() || info->Name == "ButtonIndex") && kLeftOut.count(info->Name) != 0;
    if (info->Kind == pkMethod || leftOut) continue;
    const String name = path + info->Name;
    if (info->Kind == pkClass) {
      TObject* nested = GetObjectProp(o, info);
      if (auto* items = dynamic_cast<TCollection*>(nested)) {
        for (int i = 0; i < items->Count(); ++i) SortProperties(items->Items(i), name + "[].", all, written);
      } else if (nested != nullptr && nested->ClassName().rfind("Tnb", 0) == 0) {
        SortProperties(nested, name + ".", all, written);
      }
      continue;
    }
    all.insert(name);
    if (IsStoredProp(o, info) && !IsDefaultPropValue(o, info)) written.insert(name);
  }
}

class LayoutRoundTripTest : public SidebarTest {
 protected:
  void SetUp() override {
    SidebarTest::SetUp();
    delete bar_;  // each row places bars of its own on the form
    bar_ = nullptr;
    images_ = SquareImages(16, clLime);
    images_->SetName("Images1");
    hotImages_ = SquareImages(16, clAqua);
    hotImages_->SetName("Images2");
    menu_ = new TPopupMenu(form_);
    menu_->SetName("Menu1");
    action_ = new TAction(form_);
    action_->SetName("Action1");
    action_->SetCaption("By action");
  }

  // A bar whose every stored property differs from its default, aligned `align`.
  TnbSideBar* Arrange(TAlign align) {
    auto* b = new TnbSideBar(form_);
    b->SetParent(form_);
    b->SetAlign(align);
    b->SetBoundsRect(Bounds(10, 20, 160, 270));
    b->SetName("nbSideBar1");
    b->SetAlertColor(clBlue);
    b->SetAutoButtonScrollDelay(700);
    b->SetAutoScrollDelay(400);
    b->SetAutoChangeDelay(150);
    b->SetAlertInterval(800);
    b->SetBevelInner(bvLowered);
    b->SetBevelOuter(bvRaised);
    b->SetBevelWidth(2);
    b->SetBorderStyle(bsSingle);
    b->SetBorderWidth(1);
    b->SetCommonStyle(false);
    b->SetDropMarkColor(clRed);
    b->SetEachHeaderSelection(true);
    b->SetFlat(false);
    b->SetHeaderScrollAcceleration(3);
    b->SetScrollChange(40);
    b->SetHeaderScrollType(stNone);
    b->SetHeaderScrollValue(15);
    b->SetScrollBoxSize(17);
    b->SetScrollView(ssExpress);
    b->SetOptions({boAcceptOLEDrop, boAlwaysFlatScroller, boExplorerBorder, hoShowFocusRect});
    b->SetViewStyle(vsExplorerBar);
    b->SetExplorerMethod(emStandard);
    b->SetPopupMenu(menu_);
    b->SetCursor(crHandPoint);
    b->SetHint("Commands");
    b->SetShowHint(true);
    b->SetParentShowHint(false);
    b->SetBiDiMode(bdRightToLeft);
    b->SetParentBiDiMode(false);
    b->SetDockSite(true);
    b->SetTabStop(false);
    b->SetDragMode(dmAutomatic);
    b->SetDragKind(dkDock);
    b->SetDragCursor(crHandPoint);
    b->SetEnabled(false);
    b->Constraints()->SetMaxWidth(500);
    b->SetTag(5);
    b->SetParentCtl3D(false);
    b->SetCtl3D(false);
    b->SetImeMode(imClose);
    b->SetImeName("Pinyin");
    b->SetParentFont(false);
    b->Font()->SetColor(clGreen);

    ArrangeBackground(b->Background(), clCream, 10, btTileBitmap);
    for (auto set : {&TnbBorder::SetLeft, &TnbBorder::SetTop, &TnbBorder::SetRight, &TnbBorder::SetBottom,
                     &TnbBorder::SetSeparator})
      (b->Border()->*set)(0);
    ArrangeSettings(b->Settings());
    b->HeaderImages()->SetNormal(images_);
    b->HeaderImages()->SetHot(hotImages_);
    TnbCloseButton* close = b->CloseButton();
    close->SetVisible(true);
    close->SetCaption("收藏夹里保存的常用联系人和短信模板");
    close->SetHeight(26);
    close->SetImageIndex(0);
    close->SetMargin(6);
    close->SetTransparent(true);
    close->Font()->SetColor(clNavy);
    TnbInplaceEditor* editor = b->InplaceEditor();
    editor->SetAlignment(taCenter);
    editor->SetBorderColor(clRed);
    editor->SetFlat(false);
    editor->SetShowBorder(false);
    editor->SetWordWrap(false);
    editor->SetPopupMenu(menu_);
    editor->Font()->SetColor(clMaroon);

    TnbHeader* first = b->Headers()->Add();
    ArrangeHeader(first, "今晚需要发送给所有客户的群发短信");
    TnbHeader* second = b->Headers()->Add();
    second->SetCaption("Replies waiting for an answer since yesterday");
    second->Buttons()->Add()->SetCaption("Reply");
    second->SetAllowSelected(true);
    second->SetSelectedIndex(0);
    TnbHeader* hidden = b->Headers()->Add();
    hidden->SetCaption("Hidden");
    hidden->SetVisible(false);
    hidden->SetEnabled(false);
    hidden->SetHeaderState(hsClosed);
    hidden->Glyph()->SetVisible(false);
    b->SetActiveHeader(first);
    first->SetCaptionState(hbsUp);  // the look under the mouse is no part of a layout
    return b;
  }

  static void ArrangeSettings(TnbBarSettings* s) {
    s->SetAlignment(taLeftJustify);
    const TnbButtonState states[] = {hbsUp, hbsDown, hbsFocused, hbsDisabled};
    for (int i = 0; i < 4; ++i)
      ArrangeBackground(s->StateBackground(states[i]), static_cast<TColor>(RGB(40 * i, 200, 90)), 6, btTileBitmap);
    s->ButtonFont()->SetColor(clMaroon);
    s->ButtonHighlightFont()->SetColor(clPurple);
    s->Font()->SetColor(clNavy);
    s->HighlightFont()->SetColor(clGreen);
    s->SetButtonStyle(bsSmall);
    s->SetButtonView(bvWindowsXP);
    s->SetCaptionStyle(csCustomDraw);
    s->CaptionPen()->SetColor(clGreen);
    s->HeaderPen()->SetWidth(2);
    s->SetColor(clSilver);
    s->SetDistance(3);
    s->SetExplorerAddOn(4);
    s->SetGlyphTop(6);
    s->SetHeight(26);
    s->SetKeySupport(false);
    s->SetLayout(glGlyphRight);
    s->SetLargeWidth(50);
    s->SetLargeHeight(44);
    s->SetSmallHeight(24);
    s->SetPicLabDistance(5);
    s->StatusButton()->SetArrowColor(clRed);
    s->StatusButton()->SetBackground(clYellow);
    s->StatusButton()->SetBorderColor(clBlue);
    s->StatusButton()->SetTransparent(true);
    s->XPColors()->SetBorderColor(clGreen);
    s->XPColors()->SetBackground(clLime);
    s->XPColors()->SetPressedBackground(clOlive);
    s->XPColors()->SetUseShadow(false);
    s->XPColors()->SetShadowColor(clGray);
  }

  void ArrangeHeader(TnbHeader* h, const String& caption) {
    h->SetCaption(caption);
    h->SetName("Messages");
    h->SetAllowSelected(true);
    h->SetBiDiMode(bdRightToLeft);
    h->SetEnabled(true);
    h->SetFirstButtonTop(6);
    h->SetImageIndex(0);
    h->SetMargin(3);
    h->SetOptions({hoButtonDown, hoCustomSettings, hoDrawBorder, hoRoundedHeader, hoShowStatusButton});
    h->SetPopupMenu(menu_);
    h->SetTag(7);
    h->SetTransparent(true);
    h->SetSpacing(5);
    ArrangeBackground(h->Background(), clInfoBk, 30, btBitmap);
    Picture(h->Glyph()->Bitmap(), 8, clLime, clBlue);
    h->Glyph()->SetPosition(gpTopLeft);
    h->Glyph()->SetTransparent(false);
    for (Slot slot : {TnbButtonImages::Normal_, TnbButtonImages::Hot_, TnbButtonImages::Small_,
                      TnbButtonImages::HotSmall_, TnbButtonImages::Disabled_, TnbButtonImages::DisabledSmall_})
      h->Images()->SetList(slot, slot == TnbButtonImages::Hot_ ? hotImages_ : images_);
    ArrangeSettings(h->Settings());
    h->Settings()->SetButtonView(bvNormal);
    TnbButton* b = h->Buttons()->Add();
    b->SetAction(action_);
    b->SetAutoSize(false);
    b->SetAlignment(taRightJustify);
    b->SetAllowGrayed(true);
    b->SetButtonKind(bkCheckBox);
    b->SetButtonStyle(bsLarge);
    b->SetButtonView(bvBig);
    b->SetBiDiMode(bdRightToLeft);
    b->SetCaption("A check box with a caption much longer than the bar is wide");
    b->SetColor(clYellow);
    b->SetCursor(crHandPoint);
    b->SetCheckState(cbGrayed);
    b->SetEnabled(true);
    b->Font()->SetColor(clRed);
    b->HighlightFont()->SetColor(clBlue);
    b->SetHelpContext(12);
    b->SetHeight(24);
    b->SetHint("Check");
    b->SetImageIndex(0);
    b->SetMargin(2);
    b->SetName("Check");
    b->SetPopupMenu(menu_);
    b->SetShowAccelChar(false);
    b->SetTag(9);
    b->SetTransparent(false);
    b->SetOptions({boCustomFont, boCustomStyle, boCustomView, boReadOnlyCaption});
    b->SetUserString("kept");
    b->SetWidth(90);
    b->SetWordWrap(true);
    TnbButton* plain = h->Buttons()->Add();
    plain->SetCaption("Send all");
    plain->SetChecked(true);
    plain->SetImageIndex(0);
    TnbButton* hidden = h->Buttons()->Add();
    hidden->SetCaption("Hidden");
    hidden->SetVisible(false);
    hidden->SetParentBiDiMode(false);
    h->SetSelectedIndex(1);
  }

  using Slot = TnbButtonImages::Slot;
  TImageList* images_ = nullptr;
  TImageList* hotImages_ = nullptr;
  TPopupMenu* menu_ = nullptr;
  TAction* action_ = nullptr;
};

// Counts the pixels where two pictures of the same size differ.
int Differing(TBitmap& a, TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) n += a.Pixel32(x, y) != b.Pixel32(x, y) ? 1 : 0;
  return n;
}

}  // namespace

TEST_F(LayoutRoundTripTest, TheArrangedBarWritesEveryStoredProperty) {
  TnbSideBar* b = Arrange(alNone);
  std::set<String> all, written;
  SortProperties(b, "", all, written);
  std::vector<String> missing;
  for (const String& name : all)
    if (written.count(name) == 0) missing.push_back(name);
  for (const String& name : missing) ADD_FAILURE() << name << " is left at its default";
}

TEST_F(LayoutRoundTripTest, ALayoutLoadsIntoAFreshBarOfAnyAlignmentAsItWasSaved) {
  for (TAlign saved : kAligns) {
    TnbSideBar* original = Arrange(saved);
    const Bytes bytes = SavedBytes(original);
    const TRect bounds = original->BoundsRect();
    auto picture = Paint(original);
    delete original;
    const Bytes text = ThroughText(bytes);
    for (TAlign fresh : kAligns) {
      for (const Bytes* form : {&bytes, &text}) {
        SCOPED_TRACE(testing::Message() << "saved aligned " << static_cast<int>(saved) << ", loaded into a bar aligned "
                                        << static_cast<int>(fresh) << (form == &text ? ", through text" : ""));
        auto* loaded = new TnbSideBar(form_);
        loaded->SetParent(form_);
        loaded->SetAlign(fresh);
        if (fresh == alNone) loaded->SetBoundsRect(Bounds(40, 50, 90, 120));
        Load(loaded, *form);
        EXPECT_EQ(loaded->Align(), saved);
        EXPECT_EQ(loaded->BoundsRect(), bounds);
        EXPECT_EQ(SavedBytes(loaded), bytes) << "every stored property";
        auto again = Paint(loaded);
        const int differing = Differing(*picture, *again);
        EXPECT_EQ(differing, 0) << "pixels";
        if (differing != 0) {
          Save(*picture, "round_trip_saved");
          Save(*again, "round_trip_loaded");
        }
        delete loaded;
        if (HasFailure()) return;
      }
    }
  }
}

// Each published value of a bar with a header and a button, set alone to a value a new bar
// does not have (its stored default among them), is saved and comes back so in a new bar.
TEST_F(LayoutRoundTripTest, EachValueSetAloneComesBackAsSaved) {
  round_trip::Subject bars;
  bars.make = [this] {
    auto* b = new TnbSideBar(form_);
    b->SetParent(form_);
    b->Headers()->Add()->Buttons()->Add();
    return b;
  };
  bars.saveAndFree = [](TObject* b) {
    const Bytes bytes = SavedBytes(static_cast<TnbSideBar*>(b));
    delete b;
    return bytes;
  };
  bars.load = [this](const Bytes& bytes) {
    auto* loaded = new TnbSideBar(form_);
    loaded->SetParent(form_);
    Load(loaded, bytes);
    return loaded;
  };
  bars.free = [](TObject* b) { delete b; };
  for (const String& difference : round_trip::ValuesThatComeBackDifferent(bars)) ADD_FAILURE() << difference;
}
