// Styles on forms: the style a new control starts with, pushing a style down to children, the
// skinned form's theme values, the theme file's refresh of its form's controls, the active
// look, and painting under and around controls.

#include <filesystem>

#include "platform/graphics/bitmap.h"
#include "platform/windows/focus.h"
#include "platform/graphics/canvas.h"
#include "skin/file_theme.h"
#include "skin/form.h"
#include "skin/skin_painting.h"
#include "skin/style_propagation.h"
#include "tests/skin/pixel_test_support.h"
#include "tests/skin/skin_fixture.h"
#include "tests/skin/theme_file_test_support.h"

namespace {

// Paints its left half red and its right half green.
class TTwoColourPanel : public TCustomControl {
  DECLARE_CLASS(TTwoColourPanel, TCustomControl)
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(Rgb(255, 0, 0));
    Canvas()->FillRect(Rect(0, 0, Width() / 2, Height()));
    Canvas()->Brush()->SetColor(Rgb(0, 255, 0));
    Canvas()->FillRect(Rect(Width() / 2, 0, Width(), Height()));
  }
};

template <typename T>
T* Child(TWinControl* parent, TRect bounds = Bounds(0, 0, 10, 10)) {
  T* c = new T(parent);
  c->SetBoundsRect(bounds);
  c->SetParent(parent);
  return c;
}

void WriteTheme(const String& path) {
  TskThemeFileWriter w;
  w.AddColor("FormBorderColor", Rgb(1, 2, 3));
  w.AddInteger("FormBorderWidthInt", 4);
  w.AddColor("FormBackgroundColor", Rgb(9, 8, 7));
  w.SaveToFile(path);
}

using SkinStyles = SkinFormTest;

TEST_F(SkinStyles, NewControlsTakeTheStyleOfTheFormsSkin) {
  TForm* form = MakeForm();
  EXPECT_EQ(GetOwnerFormUIStyle(form), Marine);  // no skin yet
  auto* panel = Child<TTwoColourPanel>(form);
  auto* nested = Child<TskForm>(panel);  // not a direct child: not looked at
  nested->SetUIStyle(Glacier);
  EXPECT_EQ(GetOwnerFormUIStyle(form), Marine);
  auto* skin = Child<TskForm>(form);
  EXPECT_EQ(skin->UIStyle(), Marine);  // a skin itself starts as Marine
  skin->SetUIStyle(Pearl);
  EXPECT_EQ(GetOwnerFormUIStyle(form), Pearl);
  TComponent dataModule(nullptr);
  EXPECT_EQ(GetOwnerFormUIStyle(&dataModule), Marine);
  EXPECT_EQ(GetOwnerFormUIStyle(nullptr), Marine);
}

TEST_F(SkinStyles, ContainerApplyUIStyleSetsThemeThenStyleOnDirectChildren) {
  TForm* form = MakeForm();
  TskFileTheme theme(nullptr);
  auto* probe = Child<TskThemeProbe>(form);
  auto* styleOnly = Child<TskStyleOnlyProbe>(form);
  auto* panel = Child<TTwoColourPanel>(form);
  auto* grandchild = Child<TskThemeProbe>(panel);
  ContainerApplyUIStyle(form, Jade, &theme);
  EXPECT_EQ(probe->calls, (std::vector<String>{"FileTheme", "UIStyle"}));
  EXPECT_EQ(probe->FileTheme(), &theme);
  EXPECT_EQ(probe->UIStyle(), Jade);
  EXPECT_EQ(styleOnly->UIStyle(), Marine);  // no FileTheme: left alone
  EXPECT_TRUE(grandchild->calls.empty());
}

TEST_F(SkinStyles, TheSkinTakesBorderAndBackgroundFromItsStyle) {
  TForm* form = MakeForm();
  auto* skin = Child<TskForm>(form);
  EXPECT_EQ(skin->BorderColor(), TColor(0x000000));
  EXPECT_EQ(skin->FormBorderWidth(), 1);
  EXPECT_EQ(skin->Color(), TColor(0xE8E8E8));
  skin->SetUIStyle(Pearl);
  EXPECT_EQ(skin->BorderColor(), TColor(0xC82C00));
  EXPECT_EQ(skin->FormBorderWidth(), 3);
  EXPECT_EQ(skin->Color(), TColor(0xDEEBEF));
  EXPECT_EQ(skin->MenuBarColor(), TColor(0xDEEBEF));
  skin->SetUIStyle(FromThemeFile);  // no theme: Marine's values
  EXPECT_EQ(skin->Color(), TColor(0xE8E8E8));
  EXPECT_EQ(skin->UIStyle(), FromThemeFile);
}

TEST_F(SkinStyles, TheSkinReadsItsThemeFileAndFallsBackWhenTheThemeGoes) {
  TTempFolder folder;
  WriteTheme(folder.File("t.skn"));
  TForm* form = MakeForm();
  auto* theme = new TskFileTheme(nullptr);
  theme->SetThemeFile(folder.File("t.skn"));
  auto* skin = Child<TskForm>(form);
  auto* probe = Child<TskThemeProbe>(skin);
  skin->SetUIStyleAutoUpdateSub(true);
  skin->SetFileTheme(theme);
  skin->SetUIStyle(FromThemeFile);
  EXPECT_EQ(skin->BorderColor(), Rgb(1, 2, 3));
  EXPECT_EQ(skin->FormBorderWidth(), 4);
  EXPECT_EQ(skin->Color(), Rgb(9, 8, 7));
  EXPECT_EQ(probe->FileTheme(), theme);
  EXPECT_EQ(probe->UIStyle(), FromThemeFile);

  delete theme;
  EXPECT_EQ(skin->FileTheme(), nullptr);
  EXPECT_EQ(skin->UIStyle(), Marine);
  EXPECT_EQ(skin->Color(), TColor(0xE8E8E8));
  EXPECT_EQ(probe->FileTheme(), nullptr);
  EXPECT_EQ(probe->UIStyle(), Marine);
}

// After a file loads, the form's controls that use this theme set it again, so that they read
// the new values, whatever their class is named.
TEST_F(SkinStyles, ALoadedThemeFileRefreshesItsFormsControls) {
  TTempFolder folder;
  WriteTheme(folder.File("t.skn"));
  TForm* form = MakeForm();
  auto* theme = new TskFileTheme(form);
  TskFileTheme other(nullptr);
  auto* user = Child<TskThemeProbe>(form);
  auto* otherCase = Child<TSkThemeProbe>(form);
  auto* otherTheme = Child<TskThemeProbe>(form);
  user->SetFileTheme(theme);
  otherCase->SetFileTheme(theme);
  otherTheme->SetFileTheme(&other);
  for (auto* p : {user, static_cast<TskThemeProbe*>(otherCase), otherTheme}) p->calls.clear();

  theme->SetThemeFile(folder.File("missing.skn"));  // nothing loaded: no refresh
  EXPECT_TRUE(user->calls.empty());
  theme->SetThemeFile(folder.File("t.skn"));
  EXPECT_EQ(user->calls, std::vector<String>{"FileTheme"});
  EXPECT_EQ(user->FileTheme(), theme);
  EXPECT_EQ(otherCase->calls, std::vector<String>{"FileTheme"});
  EXPECT_TRUE(otherTheme->calls.empty());
}

TEST_F(SkinStyles, AThemeOwnedByANonFormRefreshesNothing) {
  TTempFolder folder;
  WriteTheme(folder.File("t.skn"));
  TComponent dataModule(nullptr);
  auto* theme = new TskFileTheme(&dataModule);
  auto* probe = new TskThemeProbe(&dataModule);
  probe->SetFileTheme(theme);
  probe->calls.clear();
  theme->SetThemeFile(folder.File("t.skn"));
  EXPECT_TRUE(theme->CanUse());
  EXPECT_TRUE(probe->calls.empty());
}

TEST_F(SkinStyles, TheMainFormLooksActiveWhileTheApplicationIs) {
  EXPECT_FALSE(IsFormActive(nullptr));
  TForm* main = MakeForm();
  Application->SetMainForm(main);
  TForm* other = MakeForm(Bounds(400, 50, 100, 100));
  Pump();
  ASSERT_TRUE(other->Active());  // shown last, so the active window
  ASSERT_FALSE(main->Active());
  EXPECT_TRUE(IsFormActive(main));
  EXPECT_TRUE(IsFormActive(nullptr));
  EXPECT_TRUE(IsFormActive(other));
  SetActiveWindow(main->Handle());
  Pump();
  EXPECT_FALSE(IsFormActive(other));
  Application->SetMainForm(nullptr);  // then each form by its own flag
  EXPECT_TRUE(IsFormActive(main));
  EXPECT_FALSE(IsFormActive(other));
}

class SkinControlPainting : public SkinFormTest {};

TEST_F(SkinControlPainting, ParentBackgroundIsWhatTheParentPaintsUnderTheControl) {
  TForm* form = MakeForm();
  auto* panel = Child<TTwoColourPanel>(form, Bounds(0, 0, 100, 50));
  auto* child = Child<TskThemeProbe>(panel, Bounds(40, 10, 20, 20));
  Pump();
  TBitmap under(20, 20);
  Fill(under, Rgb(0, 0, 255));
  PaintParentBackground(under.Canvas(), child);
  EXPECT_EQ(under.Canvas()->Pixels(0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(under.Canvas()->Pixels(9, 19), Rgb(255, 0, 0));
  EXPECT_EQ(under.Canvas()->Pixels(10, 0), Rgb(0, 255, 0));
  EXPECT_EQ(under.Canvas()->Pixels(19, 19), Rgb(0, 255, 0));

  TBitmap orphanCanvas(5, 5);
  Fill(orphanCanvas, Rgb(0, 0, 255));
  TskThemeProbe orphan(nullptr);
  PaintParentBackground(orphanCanvas.Canvas(), &orphan);  // no parent: nothing
  EXPECT_EQ(orphanCanvas.Canvas()->Pixels(2, 2), Rgb(0, 0, 255));
}

TEST_F(SkinControlPainting, ControlBorderFramesTheWholeWindow) {
  TForm* form = MakeForm();
  auto* panel = Child<TTwoColourPanel>(form, Bounds(20, 20, 60, 40));
  Pump();
  DrawControlBorder(panel, Rgb(0, 0, 255), clBtnFace, true);
  EXPECT_EQ(Pixel(form, 20, 20), Rgb(0, 0, 255));
  EXPECT_EQ(Pixel(form, 79, 59), Rgb(0, 0, 255));
  EXPECT_EQ(Pixel(form, 21, 21), ColorToRGB(clBtnFace));  // system colours resolved
  EXPECT_EQ(Pixel(form, 78, 58), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(form, 22, 22), Rgb(255, 0, 0));
  EXPECT_NE(Pixel(form, 19, 19), Rgb(0, 0, 255));
  DrawControlBorder(panel, Rgb(0, 0, 128), clBtnFace, false);
  EXPECT_EQ(Pixel(form, 20, 20), Rgb(0, 0, 128));
  EXPECT_EQ(Pixel(form, 21, 21), ColorToRGB(clBtnFace));
  SavePictureOnFailure(form);
}

}  // namespace
