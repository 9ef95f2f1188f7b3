// A theme file loaded anew reaches every skinned control that uses it, whichever form or
// data module owns the theme and whatever the control's class is named.

#include "platform/classes/properties.h"
#include "skin/buttons.h"
#include "skin/check_boxes.h"
#include "skin/form.h"
#include "skin/panels.h"
#include "skin/progress_bar.h"
#include "skin/scroll_bar.h"
#include "skin/track_bars.h"
#include "tests/skin/skin_controls_support.h"

namespace {

constexpr TColor kNewFace = static_cast<TColor>(0x0080FF);
constexpr TColor kNewCheck = static_cast<TColor>(0xFF8000);
constexpr TColor kNewBorder = static_cast<TColor>(0x00FFFF);

class SkinThemeRefresh : public SkinControlTest {
 protected:
  void WriteSecondTheme(const String& path) {
    TskThemeFileWriter w;
    TBitmap face, check;
    MakeStrip(face, 30, 21, {kNewFace, kNewFace, kNewFace});
    w.AddBitmap("ButtonImage", face);
    MakeStrip(check, 13, 13, {kNewCheck, kNewCheck, kNewCheck, kNewCheck});
    w.AddBitmap("CheckBoxImage", check);
    w.AddColor("ControlBorderColor", kNewBorder);
    w.SaveToFile(path);
  }
  void ExpectEveryControlTakesTheNewFile(TskFileTheme* theme) {
    auto* button = Make<TskButton>(Marine, Bounds(0, 0, 30, 21));
    auto* arrow = Make<TSkArrowButton>(Marine, Bounds(0, 30, 30, 21));
    auto* check = Make<TskCheckBox>(Marine, Bounds(0, 60, 90, 17));
    auto* progress = Make<TskProgressBar>(Marine, Bounds(0, 90, 100, 12));
    auto* group = Make<TskGroupBox>(Marine, Bounds(100, 0, 185, 105));
    auto* inner = new TskCheckBox(form_);
    inner->SetParent(group);
    auto* track = Make<TskTrackBar>(Marine, Bounds(0, 120, 100, 30));
    auto* scroll = Make<TskScrollBar>(Marine, Bounds(0, 160, 100, 16));
    for (auto* control : std::initializer_list<TControl*>{button, arrow, check, progress, group, track, scroll}) {
      SetObjectProp(control, GetPropInfo(control, "FileTheme"), theme);
      SetOrdProp(control, GetPropInfo(control, "UIStyle"), FromThemeFile);
    }
    EXPECT_EQ(inner->FileTheme(), theme);
    WriteSecondTheme(folder_.File("second.skn"));
    theme->SetThemeFile(folder_.File("second.skn"));
    EXPECT_EQ(progress->BorderColor(), kNewBorder);
    EXPECT_EQ(group->BorderColor(), kNewBorder);
    Paint(button);
    EXPECT_EQ(At(5, 5), kNewFace);
    Paint(arrow);
    EXPECT_EQ(At(3, 3), kNewFace);
    Paint(check);
    EXPECT_EQ(At(7, 8), kNewCheck);
    Paint(inner);
    EXPECT_EQ(At(7, inner->Height() / 2), kNewCheck);
  }
};

TEST_F(SkinThemeRefresh, ANewFileReachesEveryControlOfTheForm) {
  ExpectEveryControlTakesTheNewFile(Theme());
}

TEST_F(SkinThemeRefresh, ANewFileReachesControlsWhenTheThemeLivesElsewhere) {
  TComponent module(nullptr);
  auto* theme = new TskFileTheme(&module);
  theme->SetThemeFile(folder_.File("controls.skn"));
  ExpectEveryControlTakesTheNewFile(theme);
}

// A skinned form and its title bar wear a theme file loaded after them, whether the theme
// lives on the form or in a data module.
class SkinFormThemeRefresh : public SkinThemeRefresh {
 protected:
  static void WriteFormTheme(const String& path, TColor border, TColor title) {
    TskThemeFileWriter w;
    TBitmap section;
    MakeStrip(section, 8, 24, {title});
    for (const char* key : {"TitleBarLeftImage", "TitleBarClientImage", "TitleBarRightImage"})
      w.AddBitmap(key, section);
    w.AddColor("FormBorderColor", border);
    w.AddInteger("FormBorderWidthInt", 3);
    w.SaveToFile(path);
  }
  void ExpectBorderAndTitle(TForm* form, TColor border, TColor title) {
    Pump();
    EXPECT_EQ(Pixel(form, 1, form->ClientHeight() / 2), border);
    EXPECT_EQ(Pixel(form, form->ClientWidth() / 2, 12), title);
    SavePictureOnFailure(form);
  }
};

TEST_F(SkinFormThemeRefresh, ANewFileReachesTheFormAndItsTitleBar) {
  constexpr TColor kOldBorder = static_cast<TColor>(0x204080), kOldTitle = static_cast<TColor>(0x406020);
  WriteFormTheme(folder_.File("old.skn"), kOldBorder, kOldTitle);
  WriteFormTheme(folder_.File("new.skn"), kNewBorder, kNewFace);
  for (bool inModule : {false, true}) {
    SCOPED_TRACE(inModule);
    TForm* form = MakeForm(Bounds(40, 40, 320, 200));
    TComponent module(nullptr);
    auto* theme = new TskFileTheme(inModule ? &module : static_cast<TComponent*>(form));
    theme->SetThemeFile(folder_.File("old.skn"));
    auto* skin = new TskForm(form);
    skin->SetParent(form);
    skin->SetFormCaption("");
    skin->SetFileTheme(theme);
    skin->SetUIStyle(FromThemeFile);
    ExpectBorderAndTitle(form, kOldBorder, kOldTitle);
    theme->SetThemeFile(folder_.File("new.skn"));
    ExpectBorderAndTitle(form, kNewBorder, kNewFace);
    delete form;
  }
}

}  // namespace
