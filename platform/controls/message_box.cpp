// The standard message box: its form and buttons.
#include "platform/controls/message_box.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "platform/controls/application.h"
#include "platform/controls/control_text.h"
#include "platform/core/resource_strings.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"

namespace {

constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kGap = 8;
constexpr int kMargin = 12;
constexpr unsigned kMessageFlags = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;

// The boxes' titles and button captions, in the platform's table of texts.
TResourceString SMsgDlgWarning(PlatformTexts(), "SMsgDlgWarning", "Warning");
TResourceString SMsgDlgError(PlatformTexts(), "SMsgDlgError", "Error");
TResourceString SMsgDlgInformation(PlatformTexts(), "SMsgDlgInformation", "Information");
TResourceString SMsgDlgConfirm(PlatformTexts(), "SMsgDlgConfirm", "Confirm");
TResourceString SMsgDlgYes(PlatformTexts(), "SMsgDlgYes", "&Yes");
TResourceString SMsgDlgNo(PlatformTexts(), "SMsgDlgNo", "&No");
TResourceString SMsgDlgOK(PlatformTexts(), "SMsgDlgOK", "OK");
TResourceString SMsgDlgCancel(PlatformTexts(), "SMsgDlgCancel", "Cancel");
TResourceString SMsgDlgAbort(PlatformTexts(), "SMsgDlgAbort", "&Abort");
TResourceString SMsgDlgRetry(PlatformTexts(), "SMsgDlgRetry", "&Retry");
TResourceString SMsgDlgIgnore(PlatformTexts(), "SMsgDlgIgnore", "&Ignore");
TResourceString SMsgDlgAll(PlatformTexts(), "SMsgDlgAll", "&All");
TResourceString SMsgDlgNoToAll(PlatformTexts(), "SMsgDlgNoToAll", "N&o to All");
TResourceString SMsgDlgYesToAll(PlatformTexts(), "SMsgDlgYesToAll", "Yes to &All");
TResourceString SMsgDlgHelp(PlatformTexts(), "SMsgDlgHelp", "&Help");

struct TButtonKind {
  TMsgDlgBtn button;
  const TResourceString& caption;
  TModalResult result;
};

const TButtonKind kButtons[] = {
    {mbYes, SMsgDlgYes, mrYes},         {mbNo, SMsgDlgNo, mrNo},           {mbOK, SMsgDlgOK, mrOk},
    {mbCancel, SMsgDlgCancel, mrCancel}, {mbAbort, SMsgDlgAbort, mrAbort},  {mbRetry, SMsgDlgRetry, mrRetry},
    {mbIgnore, SMsgDlgIgnore, mrIgnore}, {mbAll, SMsgDlgAll, mrAll},       {mbNoToAll, SMsgDlgNoToAll, mrNoToAll},
    {mbYesToAll, SMsgDlgYesToAll, mrYesToAll}, {mbHelp, SMsgDlgHelp, mrNone},
};

TMessageDlgHandler& Handler() {
  static TMessageDlgHandler handler;
  return handler;
}

const TResourceString* TitleOf(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return &SMsgDlgWarning;
    case mtError: return &SMsgDlgError;
    case mtInformation: return &SMsgDlgInformation;
    case mtConfirmation: return &SMsgDlgConfirm;
    default: return nullptr;
  }
}

// A box's title: its type's, else the program's.
String TitleFor(TMsgDlgType type) {
  const TResourceString* title = TitleOf(type);
  return title ? title->Text() : Application ? Application->Title() : String();
}

}  // namespace

TMessageButton::TMessageButton(TComponent* owner, TModalResult result) : TCustomControl(owner), result_(result) {
  SetTabStop(true);
  SetColor(clBtnFace);
  SetBounds(0, 0, kButtonWidth, kButtonHeight);
}

const TMessageMap& TMessageButton::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_GETDLGCODE, &TMessageButton::WMGetDlgCode);
    m.On(WM_SETFOCUS, &TMessageButton::WMFocusChanged);
    m.On(WM_KILLFOCUS, &TMessageButton::WMFocusChanged);
    return m;
  }();
  return map;
}

void TMessageButton::WMFocusChanged(TMessage& m) {
  if (m.Msg == WM_SETFOCUS) TWinControl::WMSetFocus(m);
  else TWinControl::WMKillFocus(m);
  Invalidate();
}

void TMessageButton::Click() {
  TCustomControl::Click();
  if (TCustomForm* form = GetParentForm(this); form && result_ != mrNone) form->SetModalResult(result_);
}

void TMessageButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    pressed_ = true;
    if (CanFocus()) SetFocus();
    Invalidate();
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TMessageButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  pressed_ = false;
  Invalidate();
  TCustomControl::MouseUp(button, shift, x, y);
}

void TMessageButton::KeyUp(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyUp(key, shift);
  if (key == VK_SPACE) Click();
}

void TMessageButton::Paint() {
  TRect r = ClientRect();
  bool thick = default_ || Focused();
  if (thick) {
    Canvas()->Brush()->SetColor(clWindowFrame);
    Canvas()->FrameRect(r);
    InflateRect(r, -1, -1);
  }
  DrawFrameControl(Canvas()->Handle(), r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed_ ? UINT{DFCS_PUSHED} : 0u));
  TRect text = r;
  if (pressed_) OffsetRect(text, 1, 1);
  Canvas()->Font()->Assign(Font());
  DrawControlText(Canvas(), Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
  if (Focused()) {
    InflateRect(r, -4, -4);
    Canvas()->DrawFocusRect(r);
  }
}

TMessageForm::TMessageForm(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetKeyPreview(true);
}

TMessageButton* TMessageForm::Button(TModalResult result) const {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* b = dynamic_cast<TMessageButton*>(Controls(i)); b && b->ModalResult() == result) return b;
  return nullptr;
}

TMessageButton* TMessageForm::DefaultButton() const {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* b = dynamic_cast<TMessageButton*>(Controls(i)); b && b->Default()) return b;
  return nullptr;
}

// Escape means Cancel, or No, or the only OK there is.
TMessageButton* TMessageForm::CancelButton() const {
  if (TMessageButton* b = Button(mrCancel)) return b;
  if (TMessageButton* b = Button(mrNo)) return b;
  int buttons = 0;
  for (int i = 0; i < ControlCount(); ++i) buttons += dynamic_cast<TMessageButton*>(Controls(i)) != nullptr;
  return buttons == 1 ? Button(mrOk) : nullptr;
}

void TMessageForm::KeyDown(uint16_t& key, TShiftState shift) {
  TForm::KeyDown(key, shift);
  TMessageButton* target = nullptr;
  if (key == VK_RETURN) {
    target = dynamic_cast<TMessageButton*>(ActiveControl());
    if (!target) target = DefaultButton();
  } else if (key == VK_ESCAPE) {
    target = CancelButton();
  }
  if (!target) return;
  target->Click();
  key = 0;
}

void TMessageForm::Paint() {
  TForm::Paint();
  Canvas()->Font()->Assign(Font());
  DrawControlText(Canvas(), message_, messageRect_, kMessageFlags, true);
}

TForm* CreateMessageDialog(const String& msg, TMsgDlgType type, TMsgDlgButtons buttons) {
  auto form = std::make_unique<TMessageForm>(Application);
  form->message_ = msg;
  form->SetCaption(TitleFor(type));
  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(form->Font());
  TRect text = MeasureControlText(measure.Canvas(), msg.empty() ? String(" ") : msg, Rect(0, 0, 320, 0), kMessageFlags);
  form->messageRect_ = Bounds(kMargin, kMargin, text.Width(), text.Height());
  std::vector<TMessageButton*> row;
  for (const TButtonKind& kind : kButtons) {
    if (!buttons.Contains(kind.button)) continue;
    auto* b = new TMessageButton(form.get(), kind.result);
    b->SetCaption(kind.caption);
    b->SetParent(form.get());
    row.push_back(b);
  }
  int rowWidth = static_cast<int>(row.size()) * kButtonWidth + std::max(0, static_cast<int>(row.size()) - 1) * kGap;
  int clientWidth = std::max(text.Width(), rowWidth) + 2 * kMargin;
  int top = kMargin + text.Height() + kMargin;
  form->SetClientWidth(clientWidth);
  form->SetClientHeight(top + kButtonHeight + kMargin);
  int x = (clientWidth - rowWidth) / 2;
  for (TMessageButton* b : row) {
    b->SetBounds(x, top, kButtonWidth, kButtonHeight);
    x += kButtonWidth + kGap;
  }
  if (!row.empty()) {
    row.front()->SetDefault(true);
    form->SetActiveControl(row.front());
  }
  return form.release();
}

TMessageDlgHandler SetMessageDlgHandler(TMessageDlgHandler handler) { return std::exchange(Handler(), std::move(handler)); }

namespace {

// The box for `msg` with `buttons`, under `caption` (without one, the type's title): the
// application's own when it has one.
TModalResult ShowMessageDialog(const String& msg, const std::optional<String>& caption, TMsgDlgType type,
                               TMsgDlgButtons buttons) {
  if (Handler()) {
    TMessageDlgRequest request{caption ? *caption : TitleFor(type), msg, type, {}};
    for (const TButtonKind& kind : kButtons)
      if (buttons.Contains(kind.button)) request.Buttons.emplace_back(kind.caption.Text(), kind.result);
    return Handler()(request);
  }
  std::unique_ptr<TForm> form(CreateMessageDialog(msg, type, buttons));
  if (caption) form->SetCaption(*caption);
  return form->ShowModal();
}

}  // namespace

TModalResult MessageDlg(const String& msg, TMsgDlgType type, TMsgDlgButtons buttons, int) {
  return ShowMessageDialog(msg, std::nullopt, type, buttons);
}

int MessageBox(const String& text, const String& caption, unsigned flags) {
  TMsgDlgButtons buttons = (flags & 0xF) == MB_OKCANCEL ? TMsgDlgButtons{mbOK, mbCancel}
                           : (flags & 0xF) == MB_YESNO  ? TMsgDlgButtons{mbYes, mbNo}
                                                        : TMsgDlgButtons{mbOK};
  switch (ShowMessageDialog(text, caption, mtCustom, buttons)) {
    case mrOk: return IDOK;
    case mrYes: return IDYES;
    case mrNo: return IDNO;
    default: return IDCANCEL;
  }
}
