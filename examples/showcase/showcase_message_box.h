#pragma once

#include "platform/controls/control_types.h"
#include "platform/controls/message_box.h"
#include "skin/message_dialog.h"

class TControl;

// The showcase's message boxes: skinned message dialogs in the look of what they are opened
// from: a skinned control's own style and theme file, else those of its window's skin
// (Marine without one), centred on the window. One button answers
// mrOk or closes with mrCancel; two buttons are "确定" (mrOk) and "取消" (mrCancel).
TModalResult ShowcaseMessageBox(TControl* from, const String& text, const String& caption, TskIconType icon,
                                int buttons = 1);

// A message dialog a library asks for (MessageDlg), shown as the showcase's skinned box: the
// icon of its type, its own buttons (up to three) and answers.
TModalResult ShowcaseMessageDlg(TControl* from, const TMessageDlgRequest& request);

// What went wrong, told in a skinned box: a short sentence saying what did not happen, then
// the detail (the component's own message) below it, then what the user can do, if anything.
void ShowcaseErrorBox(TControl* from, const String& sentence, const String& detail, const String& remedy = {});
