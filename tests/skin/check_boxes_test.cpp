// Skinned check boxes and radio buttons: the glyph of each state in every look, caption and
// focus mark, toggling by mouse and keyboard, group exclusion and automatic size.

#include "platform/classes/component.h"
#include "platform/controls/actions.h"
#include "platform/windows/input.h"
#include "platform/windows/keys.h"
#include "platform/windows/window_tree.h"
#include "skin/check_boxes.h"
#include "tests/skin/skin_controls_support.h"

namespace {

class SkinCheckBoxLooks : public SkinControlTest, public ::testing::WithParamInterface<TskUIStyle> {
 protected:
  // The centre pixel of glyph cell `cell` (checked, unchecked, checked disabled, unchecked
  // disabled) of the style.
  static TColor GlyphCentre(TskUIStyle style, TskThemeKey key, int cell) {
    if (style == FromThemeFile)
      return (key == tkCheckBoxImage ? TThemeFileColours::Check : TThemeFileColours::Radio)[cell - 1];
    TBitmap glyph;
    GetInsideThemeBitmapPiece(style, key, &glyph, 4, cell);
    return glyph.Canvas()->Pixels(glyph.Width() / 2, glyph.Height() / 2);
  }
  template <class TBox>
  void ExpectEveryState(TskThemeKey key) {
    const TskUIStyle style = GetParam();
    TBox* box = Make<TBox>(style);
    box->SetCaption("Save");
    TBitmap glyph;
    GetInsideThemeBitmapPiece(style == FromThemeFile ? Marine : style, key, &glyph, 4, 1);
    const int size = style == FromThemeFile ? 13 : glyph.Width();
    for (int cell = 1; cell <= 4; ++cell) {
      SCOPED_TRACE(cell);
      box->SetChecked(cell % 2 == 1);
      box->SetEnabled(cell <= 2);
      Paint(box);
      EXPECT_EQ(At(1 + size / 2, (box->Height() - size) / 2 + size / 2), GlyphCentre(style, key, cell));
      EXPECT_GT(Count(clBlack, Rect(size + 4, 0, box->Width(), box->Height())), 10);
    }
  }
};

TEST_P(SkinCheckBoxLooks, CheckBoxShowsTheGlyphOfEachState) { ExpectEveryState<TskCheckBox>(tkCheckBoxImage); }

TEST_P(SkinCheckBoxLooks, RadioButtonShowsTheGlyphOfEachState) {
  ExpectEveryState<TskRadioButton>(tkRadioButtonImage);
}

TEST_P(SkinCheckBoxLooks, FocusFramesTheCaption) {
  auto* box = Make<TskCheckBox>(GetParam());
  box->SetCaption("Save");
  Paint(box);
  const int background = Count(ColorToRGB(box->Color()), Rect(0, 0, box->Width(), box->Height()));
  box->SetFocus();
  Paint(box);
  EXPECT_LT(Count(ColorToRGB(box->Color()), Rect(0, 0, box->Width(), box->Height())), background - 10);
}

INSTANTIATE_TEST_SUITE_P(Looks, SkinCheckBoxLooks, ::testing::ValuesIn(kEveryLook),
                         [](const auto& test) { return StyleName(test.param); });

class SkinCheckBoxes : public SkinControlTest {
 protected:
  template <class TBox>
  TBox* Box(int group = 0) {
    auto* box = Make<TBox>(Marine, Bounds(10, 10 + 20 * boxes_++, 90, 17));
    if constexpr (std::is_same_v<TBox, TskRadioButton>) box->SetGroupIndex(group);
    box->OnClick.Bind(nullptr, "Clicked", [this](TObject*) { ++clicks_; });
    return box;
  }
  static void ClickOn(TControl* box) {
    box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pos(3, 3));
    box->Perform(WM_LBUTTONUP, 0, Pos(3, 3));
  }
  int boxes_ = 0;
  int clicks_ = 0;
};

TEST_F(SkinCheckBoxes, AClickTogglesAndFiresOnClickOnce) {
  auto* box = Box<TskCheckBox>();
  ClickOn(box);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
  ClickOn(box);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks_, 2);
}

// A box linked to an action runs it once per click when it took the action's handler; a box
// with a handler of its own runs that alone, as every control does.
TEST_F(SkinCheckBoxes, AClickRunsTheLinkedActionOrTheBoxsOwnHandler) {
  for (bool ownHandler : {false, true}) {
    SCOPED_TRACE(ownHandler);
    auto* list = new TActionList(form_);
    int listed = 0, executed = 0;
    list->OnExecute.Bind(nullptr, "ListExecute", [&](TBasicAction*, bool&) { ++listed; });
    auto* action = new TAction(form_);
    action->SetActionList(list);
    TNotifyEvent execute;
    execute.Bind(nullptr, "ActionExecute", [&](TObject*) { ++executed; });
    action->SetOnExecute(execute);
    auto* box = Make<TskCheckBox>(Marine, Bounds(10, 200, 90, 17));
    box->SetAction(action);
    clicks_ = 0;
    if (ownHandler) box->OnClick.Bind(nullptr, "Clicked", [this](TObject*) { ++clicks_; });
    ClickOn(box);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(listed, ownHandler ? 0 : 1);
    EXPECT_EQ(executed, ownHandler ? 0 : 1);
    EXPECT_EQ(clicks_, ownHandler ? 1 : 0);
    delete box;
    delete action;
    delete list;
  }
}

TEST_F(SkinCheckBoxes, CodeFiresOnClickOnlyForAChangeAndNotWhileLoading) {
  auto* box = Box<TskCheckBox>();
  box->SetChecked(true);
  box->SetChecked(true);
  EXPECT_EQ(clicks_, 1);
  box->SetState(cbGrayed);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(clicks_, 2);
  {
    TComponentStateScope loading(box, csLoading);
    box->SetChecked(true);
  }
  EXPECT_EQ(clicks_, 2);
}

TEST_F(SkinCheckBoxes, SpaceAndReturnToggleACheckBoxButNotARadioButton) {
  auto* check = Box<TskCheckBox>();
  auto* radio = Box<TskRadioButton>();
  for (uint16_t key : {VK_SPACE, VK_RETURN}) {
    check->SetFocus();
    check->Perform(WM_KEYUP, key);
    radio->SetFocus();
    radio->Perform(WM_KEYUP, key);
  }
  check->SetFocus();
  check->Perform(WM_KEYUP, 'A');
  EXPECT_EQ(clicks_, 2);
  EXPECT_FALSE(check->Checked());
  EXPECT_FALSE(radio->Checked());
}

TEST_F(SkinCheckBoxes, CheckingARadioButtonUnchecksItsGroupUnderTheSameParent) {
  TskRadioButton* group[3] = {Box<TskRadioButton>(), Box<TskRadioButton>(), Box<TskRadioButton>()};
  TskRadioButton* other = Box<TskRadioButton>(1);
  other->SetChecked(true);
  group[0]->SetChecked(true);
  group[1]->SetChecked(true);
  ClickOn(group[2]);
  EXPECT_FALSE(group[0]->Checked());
  EXPECT_FALSE(group[1]->Checked());
  EXPECT_TRUE(group[2]->Checked());
  EXPECT_TRUE(other->Checked());
  // A click on a checked radio button leaves it checked and fires nothing.
  const int before = clicks_;
  ClickOn(group[2]);
  EXPECT_TRUE(group[2]->Checked());
  EXPECT_EQ(clicks_, before);
}

// The arrow keys step the focus to the next control beside the focused one; a radio button
// reached from another radio button is checked on the way, one from a check box is not.
TEST_F(SkinCheckBoxes, TheFocusComingFromARadioButtonChecksTheNextOne) {
  form_->Show();
  TskRadioButton* radios[3] = {Box<TskRadioButton>(), Box<TskRadioButton>(), Box<TskRadioButton>()};
  auto* check = Box<TskCheckBox>();
  radios[0]->SetChecked(true);
  radios[0]->SetFocus();
  clicks_ = 0;
  InjectKeyStroke(VK_DOWN);
  Pump();
  ASSERT_TRUE(radios[1]->Focused());
  EXPECT_TRUE(radios[1]->Checked());
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_EQ(clicks_, 1);
  InjectKeyStroke(VK_UP);
  Pump();
  EXPECT_TRUE(radios[0]->Checked());
  EXPECT_FALSE(radios[1]->Checked());
  check->SetFocus();
  radios[2]->SetFocus();
  EXPECT_FALSE(radios[2]->Checked()) << "coming from the check box";
  EXPECT_FALSE(check->Checked());
  EXPECT_EQ(GetClassName(radios[2]->Handle()), "TskRadioGroupButton");
}

TEST_F(SkinCheckBoxes, AutoSizeFollowsGlyphCaptionAndFont) {
  auto* box = Box<TskCheckBox>();
  box->SetCaption("Remember me");
  TBitmap measure(1, 1);
  measure.Canvas()->SetFont(box->Font());
  // Marine's glyph is 13 x 13: 8 pixels of room beside it and the caption.
  EXPECT_EQ(box->Width(), 21 + measure.Canvas()->TextWidth("Remember me"));
  EXPECT_EQ(box->Height(), std::max(13, measure.Canvas()->TextHeight("W") + 2) + 4);
  const int height = box->Height();
  box->Font()->SetSize(20);
  EXPECT_GT(box->Height(), height);
}

TEST_F(SkinCheckBoxes, FreeingTheThemeFallsBackToMarine) {
  auto* box = Box<TskCheckBox>();
  Styled(box, FromThemeFile);
  delete theme_;
  EXPECT_EQ(box->FileTheme(), nullptr);
  EXPECT_EQ(box->UIStyle(), Marine);
}

}  // namespace

namespace {

TEST_F(SkinCheckBoxes, TheCaptionsAcceleratorClicksButNotWhenDisabled) {
  auto* box = Box<TskCheckBox>();
  box->SetCaption("&Timed");
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'x'), 0);
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 't'), 1);
  EXPECT_TRUE(box->Checked());
  box->SetEnabled(false);
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 't'), 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks_, 1);
}

}  // namespace
