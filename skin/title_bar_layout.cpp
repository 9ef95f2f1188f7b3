// The layout of the title bar: where buttons and sections stand.
#include "skin/title_bar_layout.h"

#include "platform/graphics/picture.h"

namespace {

constexpr int kIconStep = 21;       // room the icon takes before the caption
constexpr int kControlBoxGap = 5;   // between the control box and the caption
constexpr int kBareCaptionLeft = 6; // the caption's indent when nothing stands before it

TRect PictureRect(const TskTitleBarButton* button, int x) {
  TPicture* picture = button->PicNormal();
  return Bounds(x, button->Top(), picture->Width(), picture->Height());
}

}  // namespace

int TskTitleBarLayout::ButtonAt(TPoint p) const {
  int hit = -1;
  for (const TskTitleBarButtonPlace& place : Buttons) {
    if (p.x >= place.Rect.Left && p.x <= place.Rect.Right && p.y >= place.Rect.Top &&
        p.y <= place.Rect.Bottom) {
      hit = place.Index;
    }
  }
  return hit;
}

TskTitleBarLayout LayoutTitleBar(const TskTitleBarLayoutInput& input,
                                 const TskTitleBarButtons& buttons) {
  TskTitleBarLayout layout;
  int x = input.BarWidth + 1 + input.RightBtnXOffset;
  const TskTitleBarButton* controlBox = nullptr;
  for (int i = 0; i < buttons.Count(); ++i) {
    const TskTitleBarButton* button = buttons.Items(i);
    if (!button->Visible()) continue;
    if (button->ButtonType() == skControlBox) {
      controlBox = button;
      continue;
    }
    x -= button->PicNormal()->Width() + 1 + input.ButtonInterval;
    layout.Buttons.push_back({i, PictureRect(button, x)});
  }
  int left = input.LeftBtnXOffset;
  if (controlBox != nullptr) {
    int index = controlBox->Index();
    if (input.DrawAppIcon) {
      layout.AppIcon = true;
      layout.Buttons.push_back(
          {index, Bounds(left + 3, controlBox->Top(), kTitleBarIconSize, kTitleBarIconSize)});
      left += kIconStep;
    } else {
      layout.Buttons.push_back({index, PictureRect(controlBox, left)});
      left += controlBox->PicNormal()->Width() + kControlBoxGap;
    }
  }
  layout.CaptionLeft = left == 0 ? kBareCaptionLeft : left;
  layout.CaptionRight = x;
  return layout;
}

String FitCaption(const String& caption, int room,
                  const std::function<int(const String&)>& width) {
  if (width(caption) <= room) return caption;
  int count = CharLength(caption);
  String kept;
  while (count > 0) {
    --count;
    kept = LeftStr(caption, count);
    if (width(kept + "...") <= room) break;
  }
  return kept + "...";
}
