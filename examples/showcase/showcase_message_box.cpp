#include "examples/showcase/showcase_message_box.h"

#include <algorithm>
#include <memory>

#include "platform/classes/properties.h"
#include "platform/controls/control.h"
#include "platform/controls/forms.h"
#include "skin/file_theme.h"
#include "skin/form.h"

namespace {

// The skin of the form `control` stands on, if it has one.
TskForm* SkinOf(TControl* control) {
  TCustomForm* form = control != nullptr ? GetParentForm(control) : nullptr;
  for (int i = 0; form != nullptr && i < form->ControlCount(); ++i) {
    if (auto* skin = dynamic_cast<TskForm*>(form->Controls(i))) return skin;
  }
  return nullptr;
}

}  // namespace

namespace {

// A skinned box for `text` under `caption`, in the look of `from` (see ShowcaseMessageBox),
// centred on the window.
std::unique_ptr<TskMessageDialog> SkinnedBox(TControl* from, const String& text, const String& caption,
                                             TskIconType icon) {
  auto dialog = std::make_unique<TskMessageDialog>(nullptr);
  if (IsPublishedProp(from, "UIStyle") && IsPublishedProp(from, "FileTheme")) {
    dialog->SetFileTheme(dynamic_cast<TskFileTheme*>(GetObjectProp(from, GetPropInfo(from, "FileTheme"))));
    dialog->SetUIStyle(static_cast<TskUIStyle>(GetOrdProp(from, GetPropInfo(from, "UIStyle"))));
  } else if (TskForm* skin = SkinOf(from)) {
    dialog->SetFileTheme(skin->FileTheme());
    dialog->SetUIStyle(skin->UIStyle());
  }
  dialog->SetPosition(poMainFormCenter);
  dialog->SetCaption(caption);
  dialog->SetText(text);
  dialog->SetIconType(icon);
  return dialog;
}

TskIconType IconOf(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return skdlg::skWarning;
    case mtError: return skdlg::skStop;
    case mtInformation: return skdlg::skInformation;
    case mtConfirmation: return skdlg::skHelp;
    case mtCustom: break;
  }
  return skdlg::skNone;
}

}  // namespace

TModalResult ShowcaseMessageBox(TControl* from, const String& text, const String& caption, TskIconType icon,
                                int buttons) {
  std::unique_ptr<TskMessageDialog> dialog = SkinnedBox(from, text, caption, icon);
  dialog->SetButtonCount(buttons);
  dialog->SetButton1Caption("确定");
  dialog->SetButton2Caption("取消");
  return dialog->ShowModal();
}

TModalResult ShowcaseMessageDlg(TControl* from, const TMessageDlgRequest& request) {
  std::unique_ptr<TskMessageDialog> dialog = SkinnedBox(from, request.Message, request.Caption, IconOf(request.Type));
  const int count = std::clamp(static_cast<int>(request.Buttons.size()), 1, 3);
  dialog->SetButtonCount(count);
  for (int k = 1; k <= count && k <= static_cast<int>(request.Buttons.size()); ++k) {
    dialog->SetButtonCaption(k, request.Buttons[static_cast<size_t>(k - 1)].first);
    dialog->SetButtonModalResult(k, request.Buttons[static_cast<size_t>(k - 1)].second);
  }
  return dialog->ShowModal();
}

void ShowcaseErrorBox(TControl* from, const String& sentence, const String& detail, const String& remedy) {
  String text = sentence + "\n\n" + detail;
  if (!remedy.empty()) text += "\n\n" + remedy;
  ShowcaseMessageBox(from, text, "短信群发客户端", skdlg::skStop);
}
