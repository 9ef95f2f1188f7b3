#include "examples/showcase/main_form.h"

#include <array>

namespace {

struct TPageInfo {
  const char* button;
  const char* page;
  TColor color;
};

constexpr std::array<TPageInfo, 5> Pages{{
    {"发送短信", "发送短信：号码、内容与发送队列", clWindow},
    {"通讯录", "通讯录：分组与联系人", static_cast<TColor>(0xF0F8FF)},
    {"常用短语", "常用短语：分类与短语", static_cast<TColor>(0xF0FFF0)},
    {"已发短信", "已发短信：历史记录", static_cast<TColor>(0xFFF8F0)},
    {"账户余额", "账户余额与密码", static_cast<TColor>(0xF5F0FF)},
}};

TShowcasePanel* MakePanel(TComponent* owner, TWinControl* parent, TAlign align, const String& caption, TColor color) {
  auto* panel = new TShowcasePanel(owner);
  panel->SetParent(parent);
  panel->SetAlign(align);
  panel->SetCaption(caption);
  panel->SetColor(color);
  return panel;
}

}  // namespace

TShowcaseMainForm::TShowcaseMainForm(TComponent* owner) : TForm(owner) {
  SetCaption("短信群发客户端");
  SetBounds(0, 0, 1024, 700);
  SetPosition(poScreenCenter);
  Font()->SetName("宋体");
  Font()->SetHeight(-12);
  toolBar_ = MakePanel(this, this, alTop, "", clBtnFace);
  toolBar_->SetHeight(44);
  sideBarArea_ = MakePanel(this, this, alLeft, "导航栏", static_cast<TColor>(0xE8D8C8));
  sideBarArea_->SetWidth(180);
  pageHost_ = MakePanel(this, this, alClient, "", clWindow);
  BuildToolBar();
  BuildPages();
  ExecuteCommand(1);
}

void TShowcaseMainForm::BuildToolBar() {
  int left = 6;
  for (size_t i = 0; i < Pages.size(); ++i) {
    auto* button = new TShowcaseToolButton(this);
    button->SetParent(toolBar_);
    button->SetBounds(left, 6, 88, 32);
    button->SetCaption(Pages[i].button);
    button->SetTag(static_cast<intptr_t>(i + 1));
    button->OnClick.Bind(this, "ToolButtonClick", &TShowcaseMainForm::ToolButtonClick);
    buttons_.push_back(button);
    left += 92;
  }
}

void TShowcaseMainForm::BuildPages() {
  for (const TPageInfo& info : Pages) {
    TShowcasePanel* page = MakePanel(this, pageHost_, alClient, info.page, info.color);
    page->SetVisible(false);
    pages_.push_back(page);
  }
}

void TShowcaseMainForm::ToolButtonClick(TObject* sender) {
  if (auto* button = dynamic_cast<TShowcaseToolButton*>(sender)) ExecuteCommand(static_cast<int>(button->Tag()));
}

void TShowcaseMainForm::ExecuteCommand(int command) {
  if (command < 1 || command > PageCount() || command == activeCommand_) return;
  activeCommand_ = command;
  for (int i = 1; i <= PageCount(); ++i) {
    Page(i)->SetVisible(i == command);
    ToolButton(i)->SetDown(i == command);
  }
  OnCommand.Call(this, command);
}

TShowcasePanel* TShowcaseMainForm::Page(int command) const {
  return command >= 1 && command <= PageCount() ? pages_[static_cast<size_t>(command - 1)] : nullptr;
}

TShowcaseToolButton* TShowcaseMainForm::ToolButton(int command) const {
  return command >= 1 && command <= PageCount() ? buttons_[static_cast<size_t>(command - 1)] : nullptr;
}
