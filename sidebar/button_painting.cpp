#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/image_list.h"
#include "sidebar/alpha_blend.h"
#include "sidebar/canvas_fonts.h"
#include "sidebar/headers.h"
#include "sidebar/side_bar.h"

// How one button is drawn: frame, image and text by view and state, check glyphs, and the
// alert wash.

namespace {

constexpr UINT kAlignFlags[3] = {DT_LEFT, DT_RIGHT, DT_CENTER};
constexpr int kCheckSize = 13;

// The frame-control state of a check, push or radio glyph.
UINT CheckGlyphState(TnbButtonKind kind, TCheckBoxState check, bool checked, bool pressed) {
  const UINT base = kind == bkCheckBox ? DFCS_BUTTONCHECK : kind == bkRadioButton ? DFCS_BUTTONRADIO : DFCS_BUTTONPUSH;
  const bool push = kind == bkPushButton;
  if (pressed) return base | (checked ? DFCS_CHECKED | DFCS_INACTIVE : (push ? DFCS_FLAT : DFCS_INACTIVE));
  switch (check) {
    case cbChecked: return base | (push ? DFCS_PUSHED : DFCS_CHECKED);
    case cbGrayed: return base | DFCS_CHECKED | (push ? DFCS_FLAT : DFCS_INACTIVE);
    case cbUnchecked: break;
  }
  return base;
}

}  // namespace

void TnbButton::Paint(TBitmap* target, TnbButtonState s) {
  TCanvas* c = target->Canvas();
  if (!transparent_) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(color_);
    c->FillRect(rects_.Button);
  }
  OnBeforeDrawButton.Call(this, c, rects_.Button, rects_.Focus, rects_.Image, rects_.Label);
  const TnbButtonView view = EffectiveView();
  if (OnDrawButton) {
    OnDrawButton(this, c, view, s, rects_.Image, rects_.Label);
  } else {
    const bool down = s == hbsDown;
    switch (view) {
      case bvBig:
      case bvToolBox:
        DrawFrame(c, s);
        DrawImage(c, s, false);
        DrawText(c, s, down, false);
        break;
      case bvExplorer:
        DrawImage(c, s, false);
        DrawText(c, s, false, s == hbsDown || s == hbsFocused);
        break;
      case bvNormal:
        DrawFrame(c, s);
        DrawImage(c, s, false);
        DrawText(c, s, false, false);
        break;
      case bvWindows2000:
      case bvWindowsXP:
        DrawXPFrame(c, s);
        DrawImage(c, s, true);
        DrawText(c, s, view == bvWindows2000 && down, false);
        break;
    }
  }
  OnAfterDrawButton.Call(this, c, rects_.Image, rects_.Label);
  TnbSideBar* bar = Bar();
  if (bar != nullptr && bar->AlertButton() == this && alertPhase_ && s == hbsUp)
    nbAlphaBlend(target, rects_.Button, 50, bar->AlertColor());
}

void TnbButton::DrawFrame(TCanvas* c, TnbButtonState s) {
  TnbHeader* header = Header();
  if (buttonKind_ != bkButton) return;
  if (!enabled_ && !(header && header->Options().Contains(hoFocusDisabled))) return;
  TRect r = rects_.Focus;
  if (s == hbsDown) DrawEdge(c->Handle(), r, BDR_SUNKENINNER, BF_RECT);
  else if (s == hbsFocused) DrawEdge(c->Handle(), r, BDR_RAISEDOUTER, BF_RECT);
  else DrawEdge(c->Handle(), r, BDR_SUNKENINNER, BF_FLAT);
}

void TnbButton::DrawXPFrame(TCanvas* c, TnbButtonState s) {
  TnbHeader* header = Header();
  if (buttonKind_ != bkButton || (s != hbsDown && s != hbsFocused)) return;
  if (!enabled_ && !(header && header->Options().Contains(hoFocusDisabled))) return;
  const TnbXPColors* xp = Settings().XPColors();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(xp->BorderColor());
  c->FrameRect(rects_.Focus);
  TRect inner = rects_.Focus;
  InflateRect(inner, -1, -1);
  c->Brush()->SetColor(s == hbsDown ? xp->PressedBackground() : xp->Background());
  c->FillRect(inner);
}

void TnbButton::DrawImage(TCanvas* c, TnbButtonState s, bool shadow) {
  TCustomImageList* list = ImageList(s);
  if (list == nullptr || rects_.Image.Left == kHiddenRect.Left) return;
  const TPoint at = rects_.Image.TopLeft();
  const bool pressed = s == hbsDown && enabled_;
  if (pressed) return list->Draw(c, at.x + 1, at.y + 1, imageIndex_, enabled_);
  const TnbXPColors* xp = Settings().XPColors();
  if (shadow && xp->UseShadow()) {
    // A one-colour silhouette one pixel down and right, under the image.
    TBitmap silhouette;
    silhouette.SetPixelFormat(pf32bit);
    silhouette.SetSize(list->Width(), list->Height());
    silhouette.Canvas()->Brush()->SetColor(clFuchsia);
    silhouette.Canvas()->FillRect(Rect(0, 0, list->Width(), list->Height()));
    list->Draw(silhouette.Canvas(), 0, 0, imageIndex_, enabled_);
    TGdiOwner<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(xp->ShadowColor()))));
    DrawState(c->Handle(), brush.get(), reinterpret_cast<intptr_t>(silhouette.Handle()), 0, at.x + 1, at.y + 1, 0, 0,
              DST_BITMAP | DSS_MONO);
  }
  list->Draw(c, at.x, at.y, imageIndex_, enabled_);
}

UINT TnbButton::TextFlags() const {
  UINT flags = (wordWrap_ ? UINT{DT_WORDBREAK} : 0u) | DT_END_ELLIPSIS | DT_EXPANDTABS | DT_VCENTER;
  if (EffectiveStyle() == bsLarge || buttonKind_ == bkLabel) flags |= kAlignFlags[alignment_];
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  if (!wordWrap_) flags |= DT_SINGLELINE;
  // Right-to-left text mirrors its alignment: left becomes right and right left; centred
  // text stays centred.
  if (biDiMode_ == bdRightToLeft) {
    if (flags & DT_RIGHT) flags &= ~UINT{DT_RIGHT};
    else if (!(flags & DT_CENTER)) flags |= DT_RIGHT;
  }
  return flags;
}

void TnbButton::DrawText(TCanvas* c, TnbButtonState s, bool pressOffset, bool underline) {
  if (buttonKind_ == bkCheckBox || buttonKind_ == bkPushButton || buttonKind_ == bkRadioButton) DrawCheckGlyph(c);
  if (!enabled_ || buttonKind_ != bkButton) pressOffset = underline = false;
  const bool highlight = s != hbsUp && buttonKind_ == bkButton;
  const TnbBarSettings& settings = Settings();
  if (options_.Contains(boCustomFont)) nbUseFont(c, highlight ? highlightFont_.get() : font_.get());
  else nbUseFont(c, highlight ? settings.ButtonHighlightFont() : settings.ButtonFont());
  if (underline) c->Font()->SetStyle(c->Font()->Style() + fsUnderline);
  const UINT flags = TextFlags();
  String text = caption_;
  // An empty caption, or a lone "&" that would be taken as a prefix, keeps its place.
  if (text.empty() || (text == "&" && showAccelChar_)) text += " ";
  TRect calc = rects_.Label;
  ::DrawText(c->Handle(), text, calc, flags | DT_CALCRECT);
  TRect r = rects_.Label;
  const int room = r.Height() - calc.Height();
  if (room > 0) {
    r.Top += room / 2;
    r.Bottom = r.Top + calc.Height();
  }
  if (pressOffset) OffsetRect(r, 1, 1);
  c->Brush()->SetStyle(bsClear);
  if (!enabled_) {
    TRect shadow = r;
    OffsetRect(shadow, 1, 1);
    c->Font()->SetColor(clBtnHighlight);
    ::DrawText(c->Handle(), text, shadow, flags);
    c->Font()->SetColor(clBtnShadow);
  }
  ::DrawText(c->Handle(), text, r, flags);
  rects_.Label = Rect(r.Left, r.Top - 4, r.Right, r.Bottom + 4);
}

void TnbButton::DrawCheckGlyph(TCanvas* c) {
  TRect& label = rects_.Label;
  const int top = label.Top + (label.Height() - kCheckSize) / 2;
  TRect box;
  if (alignment_ == taRightJustify) {
    box = Bounds(label.Right - kCheckSize, top, kCheckSize, kCheckSize);
    label.Right = box.Left - 3;
  } else {
    box = Bounds(label.Left, top, kCheckSize, kCheckSize);
    label.Left = box.Right + 3;
  }
  rects_.Check = box;
  DrawFrameControl(c->Handle(), box, DFC_BUTTON, CheckGlyphState(buttonKind_, checkState_, checked_, down_));
}
