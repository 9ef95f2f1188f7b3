#include "examples/showcase/showcase_message_box.h"

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

TModalResult ShowcaseMessageBox(TControl* from, const String& text, const String& caption, TskIconType icon,
                                int buttons) {
  auto dialog = std::make_unique<TskMessageDialog>(nullptr);
  if (IsPublishedProp(from, "UIStyle") && IsPublishedProp(from, "FileTheme")) {
    dialog->SetFileTheme(dynamic_cast<TskFileTheme*>(GetObjectProp(from, GetPropInfo(from, "FileTheme"))));
    dialog->SetUIStyle(static_cast<TskUIStyle>(GetOrdProp(from, GetPropInfo(from, "UIStyle"))));
  } else if (TskForm* skin = SkinOf(from)) {
    dialog->SetFileTheme(skin->FileTheme());
    dialog->SetUIStyle(skin->UIStyle());
  }
  dialog->SetCaption(caption);
  dialog->SetText(text);
  dialog->SetIconType(icon);
  dialog->SetButtonCount(buttons);
  dialog->SetButton1Caption("确定");
  dialog->SetButton2Caption("取消");
  return dialog->ShowModal();
}

void ShowcaseErrorBox(TControl* from, const String& sentence, const String& detail, const String& remedy) {
  String text = sentence + "\n\n" + detail;
  if (!remedy.empty()) text += "\n\n" + remedy;
  ShowcaseMessageBox(from, text, "短信群发客户端", skdlg::skStop);
}
