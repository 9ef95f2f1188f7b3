// What a skinned form looks like in each style and with a theme file: the border, the panel's
// background, the title bar's sections and buttons in their three looks, the caption in the
// active and inactive look, and the window's round top corners.

#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/region.h"
#include "platform/windows/input.h"
#include "platform/windows/keys.h"
#include "platform/windows/painting.h"
#include "platform/controls/panel.h"
#include "skin/file_theme.h"
#include "skin/panels.h"
#include "skin/skin_painting.h"
#include "tests/skin/pixel_test_support.h"
#include "tests/skin/skinned_form_support.h"
#include "tests/skin/theme_file_test_support.h"

namespace {

struct TStyleLook {
  TskUIStyle Style;
  const char* Prefix;     // of the style's built-in pictures
  TColor Border;
  int BorderWidth;
  TColor Background;      // clNone: the panel is tiled with the style's form picture
  TColor Caption;
};

const TStyleLook kLooks[] = {
    {Graphite, "GRAPHITE", 0x7F7F7F, 1, clNone, clBlack},
    {Pearl, "PEARL", 0xC82C00, 3, 0xDEEBEF, clWhite},
    {Marine, "MARINE", 0x000000, 1, 0xE8E8E8, clWhite},
    {Jade, "JADE", 0x000000, 1, clNone, clWhite},
    {Glacier, "GLACIER", 0x000000, 1, 0xE7E7E7, clWhite},
};

class SkinnedFormLooks : public SkinnedFormTest, public ::testing::WithParamInterface<TStyleLook> {
 protected:
  void TearDown() override {
    if (form_ != nullptr) SavePictureOnFailure(form_);
    SkinnedFormTest::TearDown();
  }
  // Pixels of the button's rectangle that differ from `cell` (see-through pixels skipped).
  int Mismatches(TskForm* skin, const TskTitleBarButtonPlace& place, TBitmap& cell) {
    TskTitleBarButton* button = skin->TitleBar()->Buttons()->Items(place.Index);
    int bad = 0;
    for (int y = 0; y < cell.Height(); ++y) {
      for (int x = 0; x < cell.Width(); ++x) {
        TColor want = cell.Canvas()->Pixels(x, y);
        if (button->Transparent() && want == clSkinTransparent) continue;
        TPoint at = skin->TitleBar()->ClientToScreen({place.Rect.Left + x, place.Rect.Top + y});
        TPoint onForm = form_->ScreenToClient(at);
        if (Pixel(form_, onForm.x, onForm.y) != want) ++bad;
      }
    }
    return bad;
  }
  int CountColour(TControl* control, TRect r, TColor colour) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) {
        TPoint p = form_->ScreenToClient(control->ClientToScreen({x, y}));
        if (Pixel(form_, p.x, p.y) == ColorToRGB(colour)) ++n;
      }
    }
    return n;
  }
  TForm* form_ = nullptr;
};

int FirstCell(TskTitleBarBtnType type) {
  switch (type) {
    case skControlBox: return 1;
    case skHelp: return 4;
    case skMax: return 7;
    case skMin: return 13;
    case skClose: return 16;
    default: return 0;
  }
}

TEST_P(SkinnedFormLooks, BorderAndBackgroundComeFromTheStyle) {
  const TStyleLook& look = GetParam();
  form_ = SizeableForm();
  TskForm* skin = Skin(form_, look.Style);
  const int w = form_->ClientWidth(), h = form_->ClientHeight();
  for (int i = 0; i < look.BorderWidth; ++i) {
    EXPECT_EQ(Pixel(form_, i, h / 2), look.Border) << "left " << i;
    EXPECT_EQ(Pixel(form_, w - 1 - i, h / 2), look.Border) << "right " << i;
    EXPECT_EQ(Pixel(form_, w / 2, h - 1 - i), look.Border) << "bottom " << i;
  }
  TPoint inside{look.BorderWidth + 20, h - look.BorderWidth - 20};
  if (look.Background != clNone) {
    EXPECT_EQ(Pixel(form_, inside.x, inside.y), look.Background);
  } else {
    TBitmap tile;
    tile.LoadFromResourceName(0, String(look.Prefix) + "_FORM_BACKGROUND");
    TPoint p = skin->ScreenToClient(OnForm(form_, inside.x, inside.y));
    EXPECT_EQ(Pixel(form_, inside.x, inside.y), tile.Canvas()->Pixels(p.x % tile.Width(), p.y % tile.Height()));
  }
}

TEST_P(SkinnedFormLooks, EveryButtonShowsItsThreeLooks) {
  const TStyleLook& look = GetParam();
  form_ = SizeableForm();
  TskForm* skin = Skin(form_, look.Style);
  skin->TitleBarButtons()->Add()->SetButtonType(skHelp);
  skin->SetUIStyle(look.Style);  // the new button takes the bar's style
  Pump();
  const String strip = String(look.Prefix) + "_TITLEBTN";
  TskTitleBarLayout layout = skin->TitleBar()->Layout();
  ASSERT_EQ(layout.Buttons.size(), 5u);
  for (const TskTitleBarButtonPlace& place : layout.Buttons) {
    TskTitleBarBtnType type = skin->TitleBarButtons()->Items(place.Index)->ButtonType();
    SCOPED_TRACE(testing::Message() << "button type " << int(type));
    TPoint centre = skin->TitleBar()->ClientToScreen(
        {(place.Rect.Left + place.Rect.Right) / 2, (place.Rect.Top + place.Rect.Bottom) / 2});
    TPoint away = skin->TitleBar()->ClientToScreen({layout.CaptionLeft + 5, 3});
    SetCursorPos(away);
    Pump();
    TBitmap normal;
    BuiltInCell(strip.c_str(), 18, FirstCell(type), normal);
    EXPECT_EQ(Mismatches(skin, place, normal), 0) << "normal";
    SetCursorPos(centre);
    Pump();
    TBitmap over;
    BuiltInCell(strip.c_str(), 18, FirstCell(type) + 1, over);
    EXPECT_EQ(Mismatches(skin, place, over), 0) << "mouse over";
    InjectMouseButton(mbLeft, true, centre);
    Pump();
    TBitmap down;
    BuiltInCell(strip.c_str(), 18, FirstCell(type) + 2, down);
    EXPECT_EQ(Mismatches(skin, place, down), 0) << "pressed";
    // Released away from the button: nothing is clicked.
    SetCursorPos(away);
    InjectMouseButton(mbLeft, false, away);
    Pump();
  }
  EXPECT_TRUE(form_->Visible());
  EXPECT_EQ(form_->WindowState(), wsNormal);
}

TEST_P(SkinnedFormLooks, TheCaptionFadesWhenTheFormIsInactive) {
  const TStyleLook& look = GetParam();
  form_ = SizeableForm();
  TskForm* skin = Skin(form_, look.Style);
  skin->SetFormCaption("WWWW MMMM");
  Pump();
  TskTitleBar* bar = skin->TitleBar();
  TRect caption = Rect(bar->Layout().CaptionLeft, 0, bar->Layout().CaptionRight, bar->Height());
  EXPECT_GT(CountColour(bar, caption, look.Caption), 0);
  form_->Perform(WM_ACTIVATE, WA_INACTIVE, 0);
  Pump();
  EXPECT_FALSE(bar->FormActive());
  EXPECT_GT(CountColour(bar, caption, clInactiveCaption), 0);
  form_->Perform(WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_TRUE(bar->FormActive());
}

INSTANTIATE_TEST_SUITE_P(BuiltInStyles, SkinnedFormLooks, ::testing::ValuesIn(kLooks),
                         [](const auto& test) { return String(test.param.Prefix); });

// A theme file whose pictures are plain colours, so every drawn pixel says where it came from.
class SkinnedFormThemeFile : public SkinnedFormTest {
 protected:
  static TColor CellColour(int cell) { return Rgb(10 * cell, 200, 30); }
  void WriteTheme(const String& path) {
    TskThemeFileWriter w;
    w.AddColor("FormBorderColor", Rgb(1, 2, 3));
    w.AddInteger("FormBorderWidthInt", 2);
    w.AddColor("FormBackgroundColor", Rgb(9, 8, 7));
    TBitmap left(10, 24), client(5, 24), right(12, 24), buttons(18 * 16, 16);
    Fill(left, Rgb(255, 0, 0));
    Fill(client, Rgb(0, 255, 0));
    Fill(right, Rgb(0, 0, 255));
    for (int cell = 1; cell <= 18; ++cell) Fill(buttons, CellColour(cell), Bounds(16 * (cell - 1), 0, 16, 16));
    w.AddBitmap("TitleBarLeftImage", left);
    w.AddBitmap("TitleBarClientImage", client);
    w.AddBitmap("TitleBarRightImage", right);
    w.AddBitmap("TitleBarButtonImage", buttons);
    w.AddBool("TitleBarButtonTransparentBool", false);
    w.AddInteger("TitleBarButtonLeftOffsetInt", 2);
    w.AddInteger("TitleBarButtonRightOffsetInt", -1);
    w.AddInteger("TitleBarButtonTopInt", 4);
    w.AddInteger("FormMinWidthInt", 100);
    w.AddInteger("FormRoundCornerInt", 0);
    w.SaveToFile(path);
  }
  TTempFolder folder_;
};

TEST_F(SkinnedFormThemeFile, FrameSectionsAndButtonsComeFromTheFile) {
  WriteTheme(folder_.File("plain.skn"));
  TForm* form = SizeableForm();
  auto* theme = new TskFileTheme(form);
  theme->SetThemeFile(folder_.File("plain.skn"));
  TskForm* skin = Skin(form, Marine);
  skin->SetFileTheme(theme);
  skin->SetUIStyle(FromThemeFile);
  Pump();
  const int w = form->ClientWidth(), h = form->ClientHeight();
  EXPECT_EQ(Pixel(form, 1, h / 2), Rgb(1, 2, 3));
  EXPECT_EQ(Pixel(form, w - 2, h / 2), Rgb(1, 2, 3));
  EXPECT_EQ(Pixel(form, w / 2, h - 2), Rgb(1, 2, 3));
  EXPECT_EQ(Pixel(form, 20, h - 20), Rgb(9, 8, 7));
  TskTitleBar* bar = skin->TitleBar();
  EXPECT_EQ(bar->Height(), 24);
  EXPECT_EQ(form->Constraints()->MinWidth(), 100);
  auto at = [&](int x, int y) {
    TPoint p = form->ScreenToClient(bar->ClientToScreen({x, y}));
    return Pixel(form, p.x, p.y);
  };
  EXPECT_EQ(at(0, 20), Rgb(255, 0, 0));
  EXPECT_EQ(at(9, 20), Rgb(255, 0, 0));
  EXPECT_EQ(at(10, 22), Rgb(0, 255, 0));
  EXPECT_EQ(at(bar->Width() - 13, 22), Rgb(0, 255, 0));
  EXPECT_EQ(at(bar->Width() - 12, 22), Rgb(0, 0, 255));
  for (const TskTitleBarButtonPlace& place : bar->Layout().Buttons) {
    TskTitleBarBtnType type = bar->Buttons()->Items(place.Index)->ButtonType();
    EXPECT_EQ(place.Rect.Top, 4);
    EXPECT_EQ(at(place.Rect.Left + 8, place.Rect.Top + 8), CellColour(FirstCell(type))) << int(type);
  }
  // The control box stands at the left offset.
  EXPECT_EQ(bar->Layout().Buttons.back().Rect.Left, 2);
  SavePictureOnFailure(form);
}

TEST_F(SkinnedFormThemeFile, MissingValuesNeverGiveANegativeBorder) {
  TskThemeFileWriter w;
  w.AddColor("FormBackgroundColor", Rgb(9, 8, 7));
  w.SaveToFile(folder_.File("sparse.skn"));
  TForm* form = SizeableForm();
  auto* theme = new TskFileTheme(form);
  theme->SetThemeFile(folder_.File("sparse.skn"));
  TskForm* skin = Skin(form, Marine);
  skin->SetFileTheme(theme);
  skin->SetUIStyle(FromThemeFile);
  EXPECT_EQ(skin->FormBorderWidth(), 0);
  EXPECT_EQ(skin->Left(), 0);
  EXPECT_EQ(skin->Width(), form->ClientWidth());
}

class SkinnedFormShape : public SkinnedFormTest {};

class TPaintCounter : public TCustomControl {
  DECLARE_CLASS(TPaintCounter, TCustomControl)
 public:
  using TCustomControl::TCustomControl;
  int paints = 0;

 protected:
  void Paint() override { ++paints; }
};

TEST_F(SkinnedFormShape, AStyleOrThemeChangeRepaintsTheWholeForm) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form);
  auto* onSkin = new TPaintCounter(form);
  onSkin->SetParent(skin);
  onSkin->SetBounds(20, 40, 100, 100);
  auto* inner = new TPaintCounter(form);  // left on the form itself
  inner->SetParent(form);
  inner->SetBounds(5, 5, 20, 20);
  Pump();
  const int before = inner->paints;
  skin->SetUIStyle(Jade);
  Pump();
  EXPECT_GT(inner->paints, before);
  EXPECT_GT(onSkin->paints, 1);
  TskFileTheme theme(nullptr);
  skin->SetFileTheme(&theme);
  Pump();
  EXPECT_GT(inner->paints, before + 1);
}

TEST_F(SkinnedFormShape, PearlRoundsOnlyTheTopCornersOfTheWindow) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form, Pearl);
  EXPECT_EQ(skin->BorderColor(), TColor(0xC82C00));
  EXPECT_EQ(skin->FormBorderWidth(), 3);
  EXPECT_EQ(skin->Color(), TColor(0xDEEBEF));
  EXPECT_EQ(skin->RoundCorner(), 13);
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(form->Handle(), shape), RGN_ERROR);
  const int w = form->Width(), h = form->Height();
  EXPECT_FALSE(PtInRegion(shape, 0, 0));
  EXPECT_FALSE(PtInRegion(shape, w - 1, 0));
  EXPECT_TRUE(PtInRegion(shape, w / 2, 0));
  EXPECT_TRUE(PtInRegion(shape, 0, h - 1));
  EXPECT_TRUE(PtInRegion(shape, w - 1, h - 1));
  skin->SetUIStyle(Marine);  // no round corners: the whole window
  ASSERT_NE(GetWindowRgn(form->Handle(), shape), RGN_ERROR);
  EXPECT_TRUE(PtInRegion(shape, 0, 0));
  DeleteObject(shape);
}

TEST_F(SkinnedFormShape, AFormSkinnedBeforeItShowsIsShapedWhenItShows) {
  TForm* form = new TForm(Application);
  form->SetBoundsRect(Bounds(100, 100, 400, 300));
  auto* skin = new TskForm(form);
  skin->SetParent(form);
  skin->SetUIStyle(Pearl);
  // The wider border grows the form around the panel across (2 x 2 pixels); down, by what the
  // height rule puts below the panel for the wider border: one and a half borders, 3 + 1 pixels
  // where 1 + 0 were.
  EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 404, 303));
  form->Show();
  Pump();
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(form->Handle(), shape), RGN_ERROR);
  EXPECT_FALSE(PtInRegion(shape, 0, 0));
  EXPECT_TRUE(PtInRegion(shape, 0, form->Height() - 1));
  DeleteObject(shape);
  EXPECT_EQ(skin->BoundsRect(), Rect(3, 0, form->ClientWidth() - 3, form->ClientHeight() - 3));
}

TEST_F(SkinnedFormShape, ThePanelFillsTheFormInsideTheBorder) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form, Pearl);
  EXPECT_EQ(form->BorderStyle(), bsNone);
  EXPECT_EQ(skin->BoundsRect(), Rect(3, 0, form->ClientWidth() - 3, form->ClientHeight() - 3));
  skin->SetPanelHeight(400);
  EXPECT_EQ(form->Height(), 404);
  const int before = form->Height();
  skin->SetUIStyle(Pearl);  // the same border again keeps the size
  EXPECT_EQ(form->Height(), before);
  skin->SetTitleBarVisible(false);
  EXPECT_EQ(skin->Top(), 3);
  EXPECT_FALSE(skin->TitleBar()->Visible());
}

// Switching styles there and back gives the form back its size, whether the title bar shows
// or not: each switch takes away what the old border added and adds what the new one does.
TEST_F(SkinnedFormShape, StyleRoundTripsGiveBackTheFormsSize) {
  for (bool titleBar : {true, false}) {
    SCOPED_TRACE(titleBar);
    TForm* form = SizeableForm();
    TskForm* skin = Skin(form, Marine);
    skin->SetTitleBarVisible(titleBar);
    const TRect before = form->BoundsRect();
    for (int trip = 0; trip < 5; ++trip) {
      skin->SetUIStyle(Pearl);
      Pump();
      skin->SetUIStyle(Marine);
      Pump();
      EXPECT_EQ(form->BoundsRect(), before) << "after round trip " << trip + 1;
    }
    delete form;
  }
}

// Without the title bar the border runs along the top as well, as wide as on the other edges.
TEST_F(SkinnedFormShape, WithoutTheTitleBarEveryEdgeIsAsWideAsTheBorder) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form, Pearl);
  skin->SetTitleBarVisible(false);
  Pump();
  const int w = form->ClientWidth(), h = form->ClientHeight(), bw = skin->FormBorderWidth();
  ASSERT_EQ(bw, 3);
  const TColor border = skin->BorderColor();
  for (int i = 0; i < bw; ++i) {
    EXPECT_EQ(Pixel(form, w / 2, i), border) << "top " << i;
    EXPECT_EQ(Pixel(form, i, h / 2), border) << "left " << i;
    EXPECT_EQ(Pixel(form, w - 1 - i, h / 2), border) << "right " << i;
    EXPECT_EQ(Pixel(form, w / 2, h - 1 - i), border) << "bottom " << i;
  }
  EXPECT_EQ(Pixel(form, w / 2, bw), skin->Color()) << "the panel starts inside the top border";
  SavePictureOnFailure(form);
}

// The form's panel fills the skin below the title bar. A plain panel gives up its bevels,
// border and caption; an image panel gives up its caption, so only its picture shows.
TEST_F(SkinnedFormShape, TheFormPanelFillsTheSkinAndGivesUpItsCaption) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form, Marine);
  auto* plain = new TPanel(form);
  plain->SetParent(skin);
  plain->SetCaption("plain");
  plain->SetBevelOuter(bvRaised);
  skin->SetFormPanel(plain);
  EXPECT_EQ(plain->Align(), alClient);
  EXPECT_EQ(plain->Caption(), "");
  EXPECT_EQ(plain->BevelOuter(), bvNone);
  auto* image = new TskImagePanel(form);
  image->SetParent(skin);
  image->SetCaption("欢迎使用");
  image->SetColor(clWhite);
  image->Font()->SetColor(clBlack);
  skin->SetFormPanel(image);
  Pump();
  EXPECT_EQ(skin->FormPanel(), image);
  EXPECT_EQ(image->Align(), alClient);
  EXPECT_EQ(image->Caption(), "");
  TBitmap shown(image->Width(), image->Height());
  image->PaintTo(shown.Canvas()->Handle(), 0, 0);
  const int middle = image->Height() / 2;
  EXPECT_EQ(CountColour(shown, clBlack, Rect(0, middle - 8, image->Width(), middle + 8)), 0)
      << "no caption is drawn across the middle";
  delete image;
  EXPECT_EQ(skin->FormPanel(), nullptr);
}

}  // namespace
