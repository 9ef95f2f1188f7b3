// Skinned buttons: their faces in every look and state, caption, glyph and focus mark, mouse
// and keyboard, the hold-down repeat and sizing from the theme.

#include "platform/controls/actions.h"
#include "platform/controls/timer.h"
#include "platform/graphics/image_list.h"
#include "platform/graphics/picture.h"
#include "platform/windows/focus.h"
#include "platform/windows/input.h"
#include "platform/windows/keys.h"
#include "skin/buttons.h"
#include "skin/skin_painting.h"
#include "tests/skin/skin_controls_support.h"

namespace {

constexpr TColor kGray = static_cast<TColor>(0x808080);

enum TLook { lkNormal, lkMouseOn, lkPressed, lkDisabled };

class SkinButtons : public SkinControlTest, public ::testing::WithParamInterface<TskUIStyle> {
 protected:
  // A button sized to its face, so the face is drawn at its natural size.
  TskButton* FaceSized(TskUIStyle style) {
    auto* button = Make<TskButton>(style);
    button->SetAutoSize(true);
    return button;
  }
  static void Show(TskCustomButton* button, TLook look) {
    if (look == lkMouseOn) button->Perform(CM_MOUSEENTER);
    if (look == lkPressed) button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pos(5, 5));
    if (look == lkDisabled) button->SetEnabled(false);
  }
  // Pixel of the face cell the look shows.
  TColor FaceColour(TskUIStyle style, TLook look, TPoint p) {
    if (style == FromThemeFile) return TThemeFileColours::Face[look == lkDisabled ? 0 : look];
    TBitmap cell;
    GetInsideThemeBitmapPiece(style, tkButtonImage, &cell, 3, look == lkDisabled ? 1 : look + 1);
    return cell.Canvas()->Pixels(p.x, p.y);
  }
  // How many pixels of a column differ between two pictures.
  static int Differences(TBitmap& a, TBitmap& b, int x) {
    int n = 0;
    for (int y = 0; y < a.Height(); ++y) n += a.Canvas()->Pixels(x, y) != b.Canvas()->Pixels(x, y);
    return n;
  }
};

TEST_P(SkinButtons, EachLookShowsItsFaceCell) {
  const TskUIStyle style = GetParam();
  for (TLook look : {lkNormal, lkMouseOn, lkPressed, lkDisabled}) {
    SCOPED_TRACE(look);
    TskButton* button = FaceSized(style);
    Show(button, look);
    Paint(button);
    const TPoint p = Point(button->Width() / 4, button->Height() / 4);
    EXPECT_EQ(At(p.x, p.y), FaceColour(style, look, p));
    delete button;
  }
}

TEST_P(SkinButtons, CaptionIsInkedAndEmbossedWhenDisabled) {
  TskButton* button = Make<TskButton>(GetParam(), Bounds(0, 0, 100, 27));
  button->SetCaption("Send");
  const TRect caption = Rect(30, 4, 70, 23);
  Paint(button);
  EXPECT_GT(Count(clBlack, caption), 10);
  EXPECT_EQ(Count(kGray, caption), 0);
  button->SetEnabled(false);
  Paint(button);
  EXPECT_EQ(Count(clBlack, caption), 0);
  EXPECT_GT(Count(kGray, caption), 10);
  EXPECT_GT(Count(clWhite, caption), 10);
}

TEST_P(SkinButtons, FocusShowsADottedFrameOrABoldCaption) {
  const TskUIStyle style = GetParam();
  TskButton* button = Make<TskButton>(style, Bounds(0, 0, 100, 27));
  button->SetCaption("Send");
  Paint(button);
  TBitmap unfocused;
  unfocused.Assign(&picture_);
  const int ink = Count(clBlack, Rect(20, 2, 80, 25));
  button->SetFocus();
  Paint(button);
  if (style == Graphite || style == Glacier) {
    EXPECT_EQ(Differences(picture_, unfocused, 2), 0);
    EXPECT_GT(Count(clBlack, Rect(20, 2, 80, 25)), ink);
  } else {
    EXPECT_GT(Differences(picture_, unfocused, 2), 5);
  }
}

INSTANTIATE_TEST_SUITE_P(Looks, SkinButtons, ::testing::ValuesIn(kEveryLook),
                         [](const auto& test) { return String(StyleName(test.param)); });

class SkinButtonInput : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    button_ = Make<TskButton>(Marine);
    button_->OnClick.Bind(nullptr, "Clicked", [this](TObject*) { ++clicks_; });
    button_->OnMouseContinuouslyDown.Bind(nullptr, "Repeated", [this](TObject*) { ++repeats_; });
  }
  void Press() { button_->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pos(5, 5)); }
  void Release(int x = 5) { button_->Perform(WM_LBUTTONUP, 0, Pos(x, 5)); }
  TskButton* button_ = nullptr;
  int clicks_ = 0;
  int repeats_ = 0;
};

TEST_F(SkinButtonInput, AClickPressesAndReleases) {
  Press();
  EXPECT_TRUE(button_->IsPressed());
  Release();
  EXPECT_FALSE(button_->IsPressed());
  EXPECT_EQ(clicks_, 1);
  EXPECT_TRUE(button_->Focused());
}

TEST_F(SkinButtonInput, DraggingOffAndReleasingGivesNoClick) {
  Press();
  button_->Perform(WM_MOUSEMOVE, MK_LBUTTON, Pos(200, 5));
  EXPECT_FALSE(button_->IsPressed());
  Release(200);
  EXPECT_EQ(clicks_, 0);
  EXPECT_FALSE(button_->Repeating());
}

TEST_F(SkinButtonInput, SpaceAndReturnClickOnKeyUp) {
  button_->SetFocus();
  for (uint16_t key : {VK_SPACE, VK_RETURN}) {
    button_->Perform(WM_KEYDOWN, key);
    EXPECT_TRUE(button_->IsPressed());
    EXPECT_EQ(clicks_, key == VK_SPACE ? 0 : 1);
    button_->Perform(WM_KEYUP, key);
    EXPECT_FALSE(button_->IsPressed());
  }
  EXPECT_EQ(clicks_, 2);
}

TEST_F(SkinButtonInput, ReturnAndEscapeClickDefaultAndCancelButtonsWithoutShift) {
  auto* cancel = Make<TskButton>(Marine);
  int cancels = 0;
  cancel->OnClick.Bind(nullptr, "Cancelled", [&cancels](TObject*) { ++cancels; });
  button_->SetDefault(true);
  cancel->SetCancel(true);
  EXPECT_EQ(button_->Perform(CM_DIALOGKEY, VK_RETURN), 1);
  EXPECT_EQ(cancel->Perform(CM_DIALOGKEY, VK_ESCAPE), 1);
  EXPECT_EQ(cancel->Perform(CM_DIALOGKEY, VK_RETURN), 0);
  InjectKey(VK_SHIFT, true);
  EXPECT_EQ(button_->Perform(CM_DIALOGKEY, VK_RETURN), 0);
  InjectKey(VK_SHIFT, false);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(cancels, 1);
}

TEST_F(SkinButtonInput, AClickHandsTheModalResultToTheForm) {
  button_->SetModalResult(mrOk);
  Press();
  Release();
  EXPECT_EQ(form_->ModalResult(), mrOk);
}

TEST_F(SkinButtonInput, HoldingDownRepeatsEveryIntervalFromOneIntervalAfterThePress) {
  Press();
  Tick(99);
  EXPECT_EQ(repeats_, 0);
  Tick(1);
  EXPECT_EQ(repeats_, 1);
  Tick(100);
  EXPECT_EQ(repeats_, 2);
  Release();
  Tick(500);
  EXPECT_EQ(repeats_, 2);
  EXPECT_EQ(clicks_, 1);
}

TEST_F(SkinButtonInput, TheRepeatStopsWhenThePressEndsAnyWay) {
  struct TEnd {
    const char* Name;
    void (*End)(TskButton*, TForm*);
  };
  const TEnd ends[] = {
      {"mouse leaves", [](TskButton* b, TForm*) { b->Perform(CM_MOUSELEAVE); }},
      {"disabled", [](TskButton* b, TForm*) { b->SetEnabled(false); }},
      {"hidden", [](TskButton* b, TForm*) { b->SetVisible(false); }},
      {"capture taken", [](TskButton*, TForm* f) { SetCapture(f->Handle()); }},
      {"capture released", [](TskButton*, TForm*) { ReleaseCapture(); }},
      {"cancel mode", [](TskButton* b, TForm*) { b->Perform(WM_CANCELMODE); }},
  };
  for (const TEnd& end : ends) {
    SCOPED_TRACE(end.Name);
    button_->SetEnabled(true);
    button_->SetVisible(true);
    repeats_ = 0;
    Press();
    Tick(100);
    ASSERT_EQ(repeats_, 1);
    end.End(button_, form_);
    EXPECT_FALSE(button_->Repeating());
    EXPECT_FALSE(button_->IsPressed());
    Tick(300);
    EXPECT_EQ(repeats_, 1);
    ReleaseCapture();
  }
}

TEST_F(SkinButtonInput, AnIntervalOfZeroOrLessNeverRepeats) {
  for (int interval : {0, -5}) {
    button_->SetMouseContinuouslyDownInterval(interval);
    Press();
    Tick(1000);
    Release();
  }
  EXPECT_EQ(repeats_, 0);
}

TEST_F(SkinButtonInput, AutoSizeTakesOneCellOfTheThemesFace) {
  struct TCase {
    TskUIStyle Style;
    bool LoadedFile;
    int Width, Height;
  };
  // A theme file in use sizes the button to its own face; FromThemeFile without a loaded file
  // looks and sizes like Marine.
  const TCase cases[] = {{Marine, false, 74, 21}, {Pearl, false, 18, 21}, {FromThemeFile, true, 30, 21},
                         {FromThemeFile, false, 74, 21}};
  for (const TCase& c : cases) {
    auto* button = new TskButton(form_);
    button->SetParent(form_);
    if (c.LoadedFile) button->SetFileTheme(Theme());
    button->SetUIStyle(c.Style);
    button->SetAutoSize(true);
    EXPECT_EQ(button->Width(), c.Width) << StyleName(c.Style);
    EXPECT_EQ(button->Height(), c.Height) << StyleName(c.Style);
    delete button;
  }
}

TEST_F(SkinButtonInput, FreeingTheThemeFallsBackToMarine) {
  Styled(button_, FromThemeFile);
  delete theme_;
  EXPECT_EQ(button_->FileTheme(), nullptr);
  EXPECT_EQ(button_->UIStyle(), Marine);
}

TEST_F(SkinButtonInput, SettingTheTextSetsTheCaption) {
  button_->SetText("Close");
  EXPECT_EQ(button_->Caption(), "Close");
}

TEST_F(SkinButtonInput, ATwoImageGlyphShowsItsRightHalfWhenDisabled) {
  const TColor enabled = Rgb(0, 200, 0), disabled = Rgb(0, 0, 200);
  TBitmap glyph;
  MakeStrip(glyph, 8, 8, {enabled, disabled});
  glyph.Canvas()->SetPixels(0, 0, clSkinTransparent);
  button_->SetGlyph(&glyph);
  Paint(button_);
  EXPECT_GT(Count(enabled, Rect(0, 0, 80, 27)), 40);
  button_->SetEnabled(false);
  Paint(button_);
  EXPECT_EQ(Count(enabled, Rect(0, 0, 80, 27)), 0);
  EXPECT_GT(Count(disabled, Rect(0, 0, 80, 27)), 40);
}

// The action's image comes from its list's images, unless the button has a glyph of its own;
// an index outside the list leaves the button without one.
TEST_F(SkinButtonInput, AButtonWithoutGlyphShowsItsActionsImage) {
  const TColor ink = Rgb(200, 30, 30), own = Rgb(30, 30, 200);
  auto* images = new TImageList(8, 8, form_);
  TBitmap picture;
  MakeStrip(picture, 8, 8, {Rgb(90, 90, 90), ink}, true);
  images->AddMasked(&picture, clSkinTransparent);
  auto* list = new TActionList(form_);
  list->SetImages(images);
  struct TCase {
    int imageIndex;
    bool ownGlyph;
    TColor shown;
  };
  for (TCase c : {TCase{1, false, ink}, TCase{1, true, own}, TCase{2, false, clNone}, TCase{-1, false, clNone}}) {
    SCOPED_TRACE(c.imageIndex);
    auto* action = new TAction(form_);
    action->SetActionList(list);
    action->SetCaption("Send");
    action->SetImageIndex(c.imageIndex);
    auto* button = Make<TskButton>(Marine, Bounds(0, 0, 100, 27));
    if (c.ownGlyph) {
      TBitmap glyph;
      MakeStrip(glyph, 8, 8, {own}, true);
      button->SetGlyph(&glyph);
    }
    button->SetAction(action);
    EXPECT_EQ(button->Caption(), "Send");
    Paint(button);
    if (c.shown == clNone) EXPECT_TRUE(button->Glyph()->Empty());
    else EXPECT_GT(Count(c.shown, Rect(0, 0, 100, 27)), 40);
    EXPECT_EQ(Count(ink, Rect(0, 0, 100, 27)) > 0, c.shown == ink);
    delete button;
    delete action;
  }
}

TEST_F(SkinButtonInput, AnImageButtonWithOnlyPicNormalShowsItInEveryLook) {
  auto* button = Make<TskImageButton>(Marine, Bounds(0, 0, 20, 20));
  const TColor normal = Rgb(10, 120, 230);
  TBitmap picture;
  MakeStrip(picture, 20, 20, {normal});
  button->PicNormal()->SetBitmap(&picture);
  for (TLook look : {lkNormal, lkMouseOn, lkPressed, lkDisabled}) {
    button->Perform(CM_MOUSEENTER);
    if (look == lkPressed) button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pos(5, 5));
    button->SetEnabled(look != lkDisabled);
    Paint(button);
    EXPECT_EQ(At(10, 10), normal) << look;
  }
  EXPECT_EQ(button->UIStyle(), FromThemeFile);
}

TEST_F(SkinButtonInput, AnArrowButtonPointsUpOrDown) {
  auto* arrow = Make<TSkArrowButton>(Marine, Bounds(0, 0, 16, 11));
  Paint(arrow);
  // Up: the tip row is one pixel wide, the base row wider.
  EXPECT_EQ(At(8, 4), clBlack);
  EXPECT_NE(At(5, 4), clBlack);
  EXPECT_EQ(At(6, 6), clBlack);
  arrow->SetArrow(skDown);
  Paint(arrow);
  EXPECT_EQ(At(6, 4), clBlack);
  EXPECT_EQ(At(8, 5), clBlack);
  EXPECT_NE(At(6, 6), clBlack);
}

}  // namespace

namespace {

TEST_F(SkinButtonInput, TheCaptionsAcceleratorClicksButNotWhenDisabled) {
  button_->SetCaption("&Send");
  EXPECT_EQ(button_->Perform(CM_DIALOGCHAR, 'x'), 0);
  EXPECT_EQ(button_->Perform(CM_DIALOGCHAR, 's'), 1);
  button_->SetEnabled(false);
  EXPECT_EQ(button_->Perform(CM_DIALOGCHAR, 's'), 0);
  EXPECT_EQ(clicks_, 1);
}

}  // namespace
