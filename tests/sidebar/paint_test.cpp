#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/shapes.h"
#include "platform/windows/messages.h"
#include "platform/windows/painting.h"
#include "sidebar/presets.h"
#include "tests/sidebar/sidebar_fixture.h"

// Pixels of the painted bar in its views and states.

namespace {

// A control without a window that paints itself one colour.
class TColourPatch : public TGraphicControl {
 public:
  TColourPatch(TComponent* owner, TColor colour) : TGraphicControl(owner), colour_(colour) {}

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(colour_);
    Canvas()->FillRect(Rect(0, 0, Width(), Height()));
  }

 private:
  TColor colour_;
};

class PaintTest : public ThreeHeaderTest {
 protected:
  // Whether any pixel of `r` differs from `background`.
  static bool HasInk(TBitmap& b, const TRect& r, TColor background) {
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (At(b, x, y) != background) return true;
    return false;
  }
  void Check(bool ok, TBitmap& b, const char* name) {
    EXPECT_TRUE(ok);
    if (!ok) Save(b, name);
  }
  const TColor face_ = ColorToRGB(clBtnFace);
};

}  // namespace

TEST_F(PaintTest, OutlookViewShowsCaptionsBodyAndLabels) {
  auto bmp = Paint();
  Check(At(*bmp, 100, 200) == clGray, *bmp, "outlook_body");            // the active body
  Check(At(*bmp, 10, 12) == face_, *bmp, "outlook_caption");            // caption face
  Check(HasInk(*bmp, Rect(70, 3, 130, 21), face_), *bmp, "outlook_caption_text");
  Check(At(*bmp, 10, 348) == face_, *bmp, "outlook_stacked");            // the Tools caption
  const TRect label = mail_->GetButton(0)->Rects().Label;
  Check(HasInk(*bmp, label, clGray), *bmp, "outlook_label");
  Check(At(*bmp, 0, 100) == ColorToRGB(clBtnShadow), *bmp, "outlook_bevel");  // lowered bevel
}

TEST_F(PaintTest, HoveredAndSelectedButtonsGetTheirFrames) {
  Layout();
  TnbButton* b = mail_->GetButton(1);
  Move(Centre(b->Rects().Button));
  auto hovered = Paint();
  const TPoint corner = b->Rects().Focus.TopLeft();
  EXPECT_EQ(At(*hovered, corner.x + 2, corner.y), ColorToRGB(cl3DLight));  // raised outer edge
  Move({5, 1000});
  mail_->SetAllowSelected(true);
  mail_->SetSelectedIndex(1);
  auto selected = Paint();
  EXPECT_EQ(At(*selected, corner.x + 2, corner.y), ColorToRGB(cl3DDkShadow));  // sunken inner edge
}

TEST_F(PaintTest, ExplorerViewDrawsTheStatusArrowOnTallEnoughCaptions) {
  bar_->SetViewStyle(vsExplorerBar);
  auto bmp = Paint();
  const TRect cap = mail_->CaptionRect();
  // 18 x 18 circle, 4 pixels from the right, centred in the caption below the add-on.
  const TRect status = Bounds(cap.Right - 4 - 18, cap.Top + 12 + 2, 18, 18);
  Check(At(*bmp, status.Left + 4, status.Top + 9) == clWhite, *bmp, "explorer_status_fill");
  Check(At(*bmp, status.Left + 9, status.Top + 4) == clBlack, *bmp, "explorer_status_arrow");
  bar_->Settings()->SetHeight(20);
  auto low = Paint();
  const TRect lowCap = mail_->CaptionRect();
  Check(At(*low, lowCap.Right - 4 - 18 + 4, lowCap.Top + 12 + 10) == face_, *low, "explorer_no_status");
}

TEST_F(PaintTest, DisabledCaptionTextIsEmbossed) {
  contacts_->SetEnabled(false);
  auto bmp = Paint();
  const TRect text = contacts_->CaptionTextRect();
  ASSERT_FALSE(IsRectEmpty(text));
  bool highlight = false, shadow = false;
  for (int y = text.Top; y <= text.Bottom; ++y)
    for (int x = text.Left; x <= text.Right; ++x) {
      highlight |= At(*bmp, x, y) == ColorToRGB(clBtnHighlight);
      shadow |= At(*bmp, x, y) == ColorToRGB(clBtnShadow);
    }
  Check(highlight && shadow, *bmp, "disabled_caption");
}

TEST_F(PaintTest, AlertBlinksTheCaptionOfAHiddenButton) {
  bar_->SetAlertButton(tools_->GetButton(0));
  auto dark = Paint();
  const TPoint p{10, tools_->CaptionRect().Top + 10};
  Check(At(*dark, p.x, p.y) == face_, *dark, "alert_off");
  Clock().Advance(500);
  Application->ProcessMessages();
  ASSERT_TRUE(tools_->GetButton(0)->AlertPhase());
  auto lit = Paint();
  const TColor washed = At(*lit, p.x, p.y);
  Check(GetRValue(washed) > GetBValue(washed) + 40, *lit, "alert_on");
  tools_->GetButton(0)->Click();
  EXPECT_EQ(bar_->AlertButton(), nullptr);
}

TEST_F(PaintTest, AnExceptionWhilePaintingStillShowsWhatWasDrawn) {
  HWND h = bar_->Handle();
  const TRect client = bar_->ClientRect();
  const auto windowPixel = [h](TPoint p) {
    HDC dc = GetDC(h);
    const COLORREF c = GetPixel(dc, p.x, p.y);
    ReleaseDC(h, dc);
    return c;
  };
  {
    // The window shows lime where the bar is, so whatever the bar draws can be told from it.
    HDC dc = GetDC(h);
    TGdiOwner<HBRUSH> lime(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(clLime))));
    FillRect(dc, client, lime.get());
    ReleaseDC(h, dc);
  }
  bar_->OnAfterDrawHeaderButtons.Bind(form_, "Boom", [](TObject*, TCanvas*, TRect, int) {
    throw Exception("handler failed");
  });
  bar_->Invalidate();
  // The window system may hand the error to the application instead of passing it on.
  try {
    UpdateWindow(h);
  } catch (const Exception&) {
  }
  // The first caption was drawn before its handler raised.
  EXPECT_NE(windowPixel(Centre(mail_->CaptionRect())), static_cast<COLORREF>(ColorToRGB(clLime)));
  bar_->OnAfterDrawHeaderButtons = nullptr;
  auto again = Paint();  // nothing stays stuck
  Check(At(*again, 100, 200) == clGray, *again, "after_exception");
}

TEST_F(PaintTest, TransparentBackgroundShowsTheParent) {
  form_->SetColor(clLime);
  bar_->Background()->SetStyle(btTransparent);
  bar_->SetActiveHeader(nullptr);
  auto bmp = Paint();
  Check(At(*bmp, 100, 200) == 0x00FF00, *bmp, "transparent_background");
}

TEST_F(PaintTest, TransparentBackgroundShowsGraphicControlsBehind) {
  form_->SetColor(clLime);
  auto* under = new TColourPatch(form_, clBlue);  // overlaps the bar's lower part
  under->SetParent(form_);
  under->SetBounds(40, 180, 100, 300);
  auto* hidden = new TColourPatch(form_, clRed);
  hidden->SetParent(form_);
  hidden->SetBounds(150, 180, 40, 40);
  hidden->SetVisible(false);
  bar_->Background()->SetStyle(btTransparent);
  bar_->SetActiveHeader(nullptr);
  auto bmp = Paint();
  Check(At(*bmp, 60, 200) == 0xFF0000, *bmp, "transparent_graphic_control");  // blue, as 0x00BBGGRR
  Check(At(*bmp, 20, 200) == 0x00FF00, *bmp, "transparent_beside_control");
  Check(At(*bmp, 160, 200) == 0x00FF00, *bmp, "transparent_hidden_control");
  EXPECT_FALSE(under->ControlState().Contains(csPaintCopy));
  EXPECT_FALSE(form_->ControlState().Contains(csPaintCopy));
}

TEST_F(PaintTest, OverflowingListShowsItsScrollBoxes) {
  TnbHeader* many = AddHeader("Many", 12);
  bar_->SetActiveHeader(many);
  Layout();
  const TnbScrollBox& down = bar_->ScrollBox(TnbSideBar::ListDown);
  const TnbScrollBox& up = bar_->ScrollBox(TnbSideBar::ListUp);
  ASSERT_TRUE(nbShown(down.Rect));
  EXPECT_FALSE(nbShown(up.Rect));  // nothing above: hidden
  Click(down.Rect);
  EXPECT_EQ(many->FirstVisibleIndex(), 1);
  auto bmp = Paint();
  EXPECT_TRUE(nbShown(bar_->ScrollBox(TnbSideBar::ListUp).Rect));
  const TRect box = bar_->ScrollBox(TnbSideBar::ListDown).Rect;
  Check(At(*bmp, box.Left + 3, box.Top + 3) == face_, *bmp, "list_boxes");
}

TEST_F(PaintTest, ExplorerLookWithOneActiveHeaderShowsOnlyItsButtons) {
  bar_->SetViewStyle(vsExplorerBar);
  bar_->SetExplorerMethod(emStandard);  // activates the first header
  bar_->SetActiveHeader(contacts_);
  auto bmp = Paint();
  EXPECT_EQ(mail_->GetButton(0)->Rects().Button, kHiddenRect);
  const TRect body = contacts_->BodyRect();
  ASSERT_FALSE(IsRectEmpty(body));
  Check(HasInk(*bmp, contacts_->GetButton(0)->Rects().Label, clGray), *bmp, "explorer_standard");
  EXPECT_EQ(tools_->CaptionRect().Bottom, 359 - 5);  // stacked above the bottom margin
}

TEST_F(PaintTest, RightToLeftButtonTextIsMirrored) {
  TnbButton* label = mail_->GetButton(0);
  label->SetButtonKind(bkLabel);
  label->SetAlignment(taLeftJustify);
  label->SetCaption("Hi");
  Layout();
  const TRect r = label->Rects().Label;
  ASSERT_GT(r.Width(), 40);
  const TRect leftEnd = Rect(r.Left, r.Top, r.Left + r.Width() / 3, r.Bottom);
  const TRect rightEnd = Rect(r.Right - r.Width() / 3, r.Top, r.Right, r.Bottom);
  auto bmp = Paint();
  const TColor ground = At(*bmp, r.Right - 1, r.Top + 1);
  Check(HasInk(*bmp, leftEnd, ground) && !HasInk(*bmp, rightEnd, ground), *bmp, "left_to_right_label");
  label->SetBiDiMode(bdRightToLeft);
  auto mirrored = Paint();
  Check(!HasInk(*mirrored, leftEnd, ground) && HasInk(*mirrored, rightEnd, ground), *mirrored, "right_to_left_label");
}

TEST_F(PaintTest, RightToLeftCaptionTextIsMirrored) {
  bar_->Settings()->SetAlignment(taLeftJustify);
  Layout();
  const TRect cap = contacts_->CaptionRect();
  const TRect text = contacts_->CaptionTextRect();
  ASSERT_TRUE(nbShown(text));
  EXPECT_LT(text.Right, Centre(cap).x);
  const TRect leftEnd = Rect(cap.Left + 2, cap.Top + 2, cap.Left + cap.Width() / 3, cap.Bottom - 2);
  const TRect rightEnd = Rect(cap.Right - cap.Width() / 3, cap.Top + 2, cap.Right - 2, cap.Bottom - 2);
  auto bmp = Paint();
  const TColor ground = At(*bmp, Centre(cap).x, cap.Top + 3);
  Check(HasInk(*bmp, leftEnd, ground) && !HasInk(*bmp, rightEnd, ground), *bmp, "left_to_right_caption");
  contacts_->SetBiDiMode(bdRightToLeft);
  Layout();
  EXPECT_GT(contacts_->CaptionTextRect().Left, Centre(cap).x);
  auto mirrored = Paint();
  Check(!HasInk(*mirrored, leftEnd, ground) && HasInk(*mirrored, rightEnd, ground), *mirrored, "right_to_left_caption");
}

// The caption's image keeps to the side its text starts from: left, and right when the header
// reads right to left; a glyph asked for at the right goes left then.
TEST_F(PaintTest, RightToLeftCaptionsPutTheirImageOnTheOtherSide) {
  bar_->HeaderImages()->SetNormal(SquareImages(16, clLime));
  contacts_->SetImageIndex(0);
  bar_->Settings()->SetAlignment(taLeftJustify);
  struct Row {
    TnbGlyphLayout layout;
    TBiDiMode mode;
    bool left;
  };
  const Row rows[] = {{glGlyphLeft, bdLeftToRight, true},
                      {glGlyphLeft, bdRightToLeft, false},
                      {glGlyphRight, bdRightToLeft, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << int{row.layout} << " " << int{row.mode});
    bar_->Settings()->SetLayout(row.layout);
    contacts_->SetBiDiMode(row.mode);
    Layout();
    const TRect cap = contacts_->CaptionRect();
    auto bmp = Paint();
    const TRect leftEnd = Rect(cap.Left, cap.Top, cap.Left + cap.Width() / 4, cap.Bottom);
    const TRect rightEnd = Rect(cap.Right - cap.Width() / 4, cap.Top, cap.Right, cap.Bottom);
    const auto lime = [&](const TRect& r) {
      for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
          if (At(*bmp, x, y) == clLime) return true;
      return false;
    };
    Check(lime(leftEnd) == row.left && lime(rightEnd) == !row.left, *bmp, "caption_image_side");
  }
}

TEST_F(PaintTest, ExplorerCaptionTextSitsHalfTheAddOnLower) {
  bar_->SetViewStyle(vsExplorerBar);
  bar_->Settings()->SetExplorerAddOn(20);
  Layout();
  const TRect cap = mail_->CaptionRect();
  const TRect text = mail_->CaptionTextRect();
  ASSERT_TRUE(nbShown(text));
  // Centred in the part below the add-on, then half the add-on lower, as far as the caption
  // reaches: none of its rows goes under the body.
  const int middleBelowAddOn = (cap.Top + 20 + cap.Bottom) / 2;
  const int lowestMiddle = cap.Bottom - text.Height() / 2;
  EXPECT_NEAR((text.Top + text.Bottom) / 2, std::min(middleBelowAddOn + 10, lowestMiddle), 1);
  EXPECT_LE(text.Bottom, cap.Bottom);
}

TEST_F(PaintTest, TheBarTakesItsBackgroundsColourWithoutANewWindowWhilePainting) {
  bar_->Background()->SetColor(clTeal);
  EXPECT_EQ(bar_->Color(), clTeal);
  const HWND window = bar_->Handle();
  Paint();
  EXPECT_EQ(bar_->Handle(), window);
  EXPECT_EQ(bar_->Color(), clTeal);
}

TEST_F(PaintTest, KeptTextIsDrawnAnewWhenCaptionOrFontChange) {
  const auto inkOf = [&](TBitmap& bmp, const TRect& r) {
    std::vector<bool> ink;
    const TColor ground = At(bmp, r.Left, r.Top);
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) ink.push_back(At(bmp, x, y) != ground);
    return ink;
  };
  Layout();
  const TRect label = mail_->GetButton(0)->Rects().Text;
  ASSERT_TRUE(nbShown(label));
  auto first = Paint();
  auto again = Paint();
  EXPECT_EQ(inkOf(*first, label), inkOf(*again, label));  // the kept picture is the drawn one
  mail_->GetButton(0)->SetCaption("Mail 9");
  auto renamed = Paint();
  EXPECT_NE(inkOf(*renamed, label), inkOf(*first, label));
  bar_->Settings()->ButtonFont()->SetStyle({fsBold});
  auto bold = Paint();
  EXPECT_NE(inkOf(*bold, label), inkOf(*renamed, label));
  bar_->Settings()->ButtonFont()->SetColor(clRed);
  auto red = Paint();
  bool redInk = false;
  for (int y = label.Top; y < label.Bottom; ++y)
    for (int x = label.Left; x < label.Right; ++x) redInk |= At(*red, x, y) == clRed;
  Check(redInk, *red, "kept_text_colour");
}

// Captions are kept as pictures while their look stays. Whatever changes a caption's look must
// show in the very next paint, exactly as a bar that draws everything afresh shows it.
TEST_F(PaintTest, KeptCaptionPicturesFollowEveryChangeOfTheirLook) {
  const auto same = [](TBitmap& a, TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x)
        if (At(a, x, y) != At(b, x, y)) return false;
    return true;
  };
  // Pressed and hot captions look different only with these options.
  contacts_->SetOptions(contacts_->Options() + hoButtonDown + hoUseHighlightFont);
  bar_->Settings()->HighlightFont()->SetStyle({fsUnderline});
  struct Change {
    const char* Name;
    std::function<void()> Apply;
  };
  const std::vector<Change> changes = {
      {"caption text", [&] { contacts_->SetCaption("People"); }},
      {"hot", [&] { Move(Centre(contacts_->CaptionRect())); }},
      {"pressed", [&] { Press(Centre(contacts_->CaptionRect())); }},
      {"released elsewhere", [&] { Release(Centre(mail_->CaptionRect())); }},
      {"colour", [&] { bar_->Settings()->SetColor(clTeal); }},
      {"font", [&] { bar_->Settings()->Font()->SetStyle({fsItalic}); }},
      {"preset", [&] { nbApplyPreset(bar_, psOffice2000); }},
      {"size", [&] { bar_->SetBounds(bar_->Left(), bar_->Top(), bar_->Width() + 30, bar_->Height()); }},
  };
  Layout();
  for (const Change& change : changes) {
    SCOPED_TRACE(change.Name);
    auto before = Paint();
    change.Apply();
    auto after = Paint();
    bar_->Invalidate();  // every kept picture is forgotten
    auto fresh = Paint();
    EXPECT_FALSE(same(*before, *after));
    const bool asFresh = same(*after, *fresh);
    EXPECT_TRUE(asFresh);
    if (!asFresh) Save(*after, change.Name);
  }
}
