// The ready-made looks a side bar can be given.
#include "sidebar/presets.h"

#include "sidebar/side_bar.h"

// The eleven ready-made looks: three bases (outlook, office, explorer) with their
// variations. Every value goes through the property's setter, in the order listed.

namespace {

void StandardFont(TFont* f, TColor color = clWindowText) {
  f->SetName("MS Sans Serif");
  f->SetColor(color);
  f->SetSize(8);
  f->SetStyle({});
}

void SolidBackground(TnbCustomBackground* bg, TColor color) {
  bg->SetColor(color);
  bg->SetStyle(btSolid);
  bg->SetGrayscale(false);
}

void ForEachHeader(TnbSideBar* bar, const std::function<void(TnbHeader*)>& apply) {
  for (int i = 0; i < bar->HeaderCount(); ++i) apply(bar->Header(i));
}

void BarBase(TnbSideBar* bar, TBevelCut inner, bool flat) {
  bar->SetBevelInner(inner);
  bar->SetBevelOuter(bvLowered);
  bar->SetBevelWidth(1);
  bar->SetBorderStyle(bsNone);
  bar->SetBorderWidth(0);
  bar->SetCommonStyle(true);
  bar->SetFlat(flat);
}

void OutlookBase(TnbSideBar* bar, TColor back, TColor fontColor, uint16_t firstTop) {
  SolidBackground(bar->Background(), back);
  BarBase(bar, bvLowered, false);
  bar->SetScrollBoxSize(15);
  bar->SetScrollView(ssNormal);
  bar->SetViewStyle(vsOutlook);
  bar->SetOptions(bar->Options() - boActivateToolBoxScroller);
  TnbBarSettings* s = bar->Settings();
  s->SetAlignment(taCenter);
  s->SetButtonStyle(bsLarge);
  s->SetButtonView(bvNormal);
  s->SetCaptionStyle(csButtonStyle);
  s->SetColor(clBtnFace);
  s->SetDistance(0);
  s->SetGlyphTop(10);
  s->SetHeight(22);
  s->SetLargeWidth(60);
  s->SetLargeHeight(60);
  s->SetSmallHeight(30);
  s->SetPicLabDistance(1);
  StandardFont(s->Font());
  StandardFont(s->HighlightFont());
  StandardFont(s->ButtonFont(), fontColor);
  StandardFont(s->ButtonHighlightFont(), fontColor);
  ForEachHeader(bar, [&](TnbHeader* h) {
    SolidBackground(h->Background(), back);
    h->SetFirstButtonTop(firstTop);
    h->SetMargin(4);
    h->SetOptions({hoButtonDown});
    h->SetSpacing(2);
    h->SetTransparent(false);
    h->Glyph()->SetVisible(false);
  });
}

void OfficeBase(TnbSideBar* bar) {
  OutlookBase(bar, clSilver, clWindowText, 10);
  bar->SetBevelInner(bvNone);
  bar->SetFlat(true);
  ForEachHeader(bar, [](TnbHeader* h) { h->SetOptions({hoActivateOnSelect, hoButtonDown}); });
}

void ResetXPColors(TnbXPColors* xp) {
  xp->SetBorderColor(clNavy);
  xp->SetBackground(TnbXPColors::kBackground);
  xp->SetPressedBackground(TnbXPColors::kPressedBackground);
  xp->SetShadowColor(clBlack);
  xp->SetUseShadow(true);
}

void ExplorerBase(TnbSideBar* bar, TColor back, TColor penColor, bool whiteCaptions, bool captionBorder) {
  SolidBackground(bar->Background(), back);
  BarBase(bar, bvNone, true);
  bar->SetViewStyle(vsExplorerBar);
  bar->SetOptions(bar->Options() - boExplorerBorder);
  TnbBorder* border = bar->Border();
  for (auto set : {&TnbBorder::SetLeft, &TnbBorder::SetTop, &TnbBorder::SetRight, &TnbBorder::SetBottom,
                   &TnbBorder::SetSeparator})
    (border->*set)(5);
  TnbBarSettings* s = bar->Settings();
  s->SetAlignment(taLeftJustify);
  s->SetButtonStyle(bsLarge);
  s->SetButtonView(bvExplorer);
  s->SetCaptionStyle(csCustomDraw);
  s->SetColor(clBtnFace);
  s->SetDistance(0);
  s->SetGlyphTop(10);
  s->SetHeight(25);
  s->SetLargeWidth(60);
  s->SetLargeHeight(60);
  s->SetSmallHeight(30);
  s->SetPicLabDistance(3);
  s->SetExplorerAddOn(15);
  SolidBackground(s->ButtonUp(), clBtnFace);
  for (TPen* pen : {s->HeaderPen(), s->CaptionPen()}) {
    pen->SetColor(pen == s->HeaderPen() ? penColor : clBtnFace);
    pen->SetMode(pmCopy);
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
  }
  s->StatusButton()->SetArrowColor(clBlack);
  s->StatusButton()->SetTransparent(true);
  s->StatusButton()->SetBorderColor(clBtnFace);
  for (TFont* f : {s->ButtonFont(), s->ButtonHighlightFont(), s->Font(), s->HighlightFont()}) StandardFont(f);
  for (TFont* f : {s->Font(), s->HighlightFont()}) {
    if (whiteCaptions) f->SetColor(clWhite);
    f->SetStyle({fsBold});
  }
  ForEachHeader(bar, [&](TnbHeader* h) {
    SolidBackground(h->Background(), back);
    h->Background()->SetStyle(btTransparent);
    h->SetFirstButtonTop(10);
    h->SetMargin(4);
    h->SetOptions(TnbHeaderOptions::FromMask(captionBorder ? 20532 : 20500));
    h->SetSpacing(2);
    h->SetTransparent(false);
    h->Glyph()->SetVisible(true);
  });
}

void HeaderWash(TnbSideBar* bar, uint8_t alpha, TColor color) {
  ForEachHeader(bar, [&](TnbHeader* h) {
    h->Background()->SetAlphaBlend(alpha);
    h->Background()->SetStyle(btTransparent);
    h->Background()->SetColor(color);
  });
}

void ToolBox(TnbSideBar* bar) {
  TnbBarSettings* s = bar->Settings();
  s->SetAlignment(taLeftJustify);
  s->SetButtonStyle(bsSmall);
  s->SetButtonView(bvToolBox);
  s->SetSmallHeight(25);
  s->SetHeight(19);
  bar->SetScrollView(ssToolBox);
}

void ExplorerXP(TnbSideBar* bar) {
  ExplorerBase(bar, clWhite, clGray, true, false);
  TnbBackground* bg = bar->Background();
  bg->SetAlphaBlend(255);
  bg->SetStyle(btGradient);
  bg->Gradient()->SetBeginColor(15310715);
  bg->Gradient()->SetEndColor(14055268);
  TnbBarSettings* s = bar->Settings();
  s->SetButtonStyle(bsSmall);
  s->SetButtonView(bvExplorer);
  s->SetPicLabDistance(3);
  s->StatusButton()->SetArrowColor(16775639);
  s->StatusButton()->SetBorderColor(15373153);
  s->StatusButton()->SetTransparent(true);
  for (TnbButtonState state : {hbsUp, hbsDown, hbsFocused, hbsDisabled}) {
    TnbButtonBackground* b = s->StateBackground(state);
    b->SetAlphaBlend(255);
    b->SetGrayscale(false);
    b->SetStyle(btSolid);
    b->SetColor(state == hbsUp ? 13393454 : 10437638);
    b->Gradient()->SetBeginColor(10437638);
    b->Gradient()->SetEndColor(13393454);
    b->Gradient()->SetDrawStyle(gtLeftToRight);
  }
  HeaderWash(bar, 50, clWhite);
}

void Explorer2000(TnbSideBar* bar) {
  ExplorerBase(bar, clNavy, clWhite, true, false);
  TnbBarSettings* s = bar->Settings();
  s->SetButtonStyle(bsSmall);
  s->SetButtonView(bvWindows2000);
  s->XPColors()->SetBorderColor(clWhite);
  s->ButtonFont()->SetColor(clWhite);
  s->ButtonHighlightFont()->SetColor(clWhite);
  s->HeaderPen()->SetColor(clWhite);
  s->HeaderPen()->SetWidth(2);
  HeaderWash(bar, 150, clWhite);
}

}  // namespace

void nbApplyPreset(TnbSideBar* bar, TnbPreSet preset) {
  switch (preset) {
    case psOutlook: return OutlookBase(bar, clGray, clWhite, 10);
    case psFlatOutlook:
    case psOutlookExpress:
      OutlookBase(bar, clGray, clWhite, 10);
      bar->SetBevelInner(bvNone);
      bar->SetFlat(true);
      if (preset == psFlatOutlook) return;
      bar->SetScrollView(ssExpress);
      bar->Settings()->SetButtonView(bvToolBox);
      bar->SetOptions(bar->Options() + boActivateToolBoxScroller);
      return;
    case psOffice: return OfficeBase(bar);
    case psOfficeXP:
    case psOffice2000:
      OfficeBase(bar);
      bar->Settings()->SetButtonView(preset == psOfficeXP ? bvWindowsXP : bvWindows2000);
      return ResetXPColors(bar->Settings()->XPColors());
    case psToolBox:
    case psFlatToolBox:
      OutlookBase(bar, clSilver, clGray, 2);
      if (preset == psFlatToolBox) {
        bar->SetBevelInner(bvNone);
        bar->SetFlat(true);
      }
      return ToolBox(bar);
    case psExplorerBar:
      ExplorerBase(bar, 11242102, clBtnFace, false, true);
      bar->Settings()->SetButtonStyle(bsSmall);
      bar->Settings()->SetButtonView(bvNormal);
      return HeaderWash(bar, 70, clWhite);
    case psExplorerBarXP: return ExplorerXP(bar);
    case psExplorerBar2000: return Explorer2000(bar);
  }
}
