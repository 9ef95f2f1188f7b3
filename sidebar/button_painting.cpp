// Painting a side-bar button: frame, image, caption and check mark.
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/image_list.h"
#include "sidebar/alpha_blend.h"
#include "sidebar/canvas_fonts.h"
#include "sidebar/check_glyph.h"
#include "sidebar/headers.h"
#include "sidebar/side_bar.h"
#include "sidebar/text_cache.h"

// How one button is drawn: frame, image and text by view and state, check glyphs, and the
// alert wash.

// The frame-control state of a check, push or radio glyph.
UINT nbCheckGlyphState(TnbButtonKind kind, TCheckBoxState check, bool checked, bool pressed) {
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

void TnbButton::Paint(TCanvas* c, TnbButtonState s) {
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
    nbAlphaBlend(c, rects_.Button, 50, bar->AlertColor());
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
  if (list == nullptr || !nbShown(rects_.Image)) return;
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

void TnbButton::DrawText(TCanvas* c, TnbButtonState s, bool pressOffset, bool underline) {
  TnbSideBar* bar = Bar();
  TnbTextCache* cache = bar ? bar->TextCache() : nullptr;
  if (buttonKind_ == bkCheckBox || buttonKind_ == bkPushButton || buttonKind_ == bkRadioButton) DrawCheckGlyph(c);
  if (!enabled_ || buttonKind_ != bkButton) pressOffset = underline = false;
  nbUseFont(c, TextFont(s));
  if (underline) c->Font()->SetStyle(c->Font()->Style() + fsUnderline);
  const UINT flags = TextFlags();
  const String text = DrawnCaption();
  TRect r = rects_.Text;
  if (pressOffset) OffsetRect(r, 1, 1);
  c->Brush()->SetStyle(bsClear);
  if (!enabled_) {
    TRect shadow = r;
    OffsetRect(shadow, 1, 1);
    c->Font()->SetColor(clBtnHighlight);
    nbDrawText(cache, c, text, shadow, flags);
    c->Font()->SetColor(clBtnShadow);
  }
  nbDrawText(cache, c, text, r, flags);
}

void TnbButton::DrawCheckGlyph(TCanvas* c) {
  TRect box = rects_.Check;
  DrawFrameControl(c->Handle(), box, DFC_BUTTON, nbCheckGlyphState(buttonKind_, checkState_, checked_, down_));
}
