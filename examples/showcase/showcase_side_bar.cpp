#include "examples/showcase/showcase_side_bar.h"

#include <array>
#include <initializer_list>

#include "platform/graphics/image_list.h"
#include "sidebar/side_bar.h"

namespace {

struct TCommandButton {
  const char* caption;
  int command;
};

struct THeaderInfo {
  const char* caption;
  std::initializer_list<TCommandButton> buttons;
};

const std::array<THeaderInfo, 3>& Headers() {
  static const std::array<THeaderInfo, 3> headers{{
      {"短信业务", {{"发送短信", 1}, {"已发短信", 4}, {"常用短语", 3}}},
      {"客户资料", {{"通讯录", 2}, {"账户余额", 5}}},
      {"界面组件", {{"标准控件", 6}, {"皮肤样式", 7}}},
  }};
  return headers;
}

void FillButton(TnbButton* button, const TCommandButton& entry) {
  button->SetCaption(entry.caption);
  button->SetTag(entry.command);
  button->SetImageIndex(entry.command - 1);
}

void AddButtons(TnbHeader* header, const THeaderInfo& info) {
  for (const TCommandButton& entry : info.buttons) FillButton(header->Buttons()->Add(), entry);
}

}  // namespace

void BuildShowcaseSideBar(TnbSideBar* bar, TImageList* buttonImages, TImageList* captionImages,
                          const TNotifyEvent& click) {
  TnbUpdateLock lock(bar);
  for (const THeaderInfo& info : Headers()) {
    TnbHeader* header = bar->Headers()->Add();
    header->SetCaption(info.caption);
    header->SetImageIndex(info.buttons.begin()->command - 1);
    header->SetAllowSelected(true);
    AddButtons(header, info);
  }
  ConnectShowcaseSideBar(bar, buttonImages, captionImages, click);
  bar->SetActiveHeader(bar->Header(0));
}

void ConnectShowcaseSideBar(TnbSideBar* bar, TImageList* buttonImages, TImageList* captionImages,
                            const TNotifyEvent& click) {
  TnbUpdateLock lock(bar);
  // Tab reaches the bar, and F2 renames there: the bar shows when it has the focus.
  bar->SetOptions(bar->Options() + hoShowFocusRect);
  bar->HeaderImages()->SetNormal(captionImages);
  for (int h = 0; h < bar->HeaderCount(); ++h) {
    TnbHeader* header = bar->Header(h);
    header->Images()->SetNormal(buttonImages);
    for (int b = 0; b < header->ButtonCount(); ++b) header->GetButton(b)->OnClick.Assign(click);
  }
}

TnbButton* SideBarButtonFor(const TnbSideBar* bar, int command) {
  for (int h = 0; h < bar->HeaderCount(); ++h) {
    TnbHeader* header = bar->Header(h);
    for (int b = 0; b < header->ButtonCount(); ++b)
      if (header->GetButton(b)->Tag() == command) return header->GetButton(b);
  }
  return nullptr;
}

bool FillSideBarButton(TnbButton* button, int command, const TNotifyEvent& click) {
  for (const THeaderInfo& info : Headers())
    for (const TCommandButton& entry : info.buttons)
      if (entry.command == command) {
        FillButton(button, entry);
        button->OnClick.Assign(click);
        return true;
      }
  return false;
}
