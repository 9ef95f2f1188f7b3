#include "examples/showcase/main_form.h"

#include <algorithm>
#include <array>

#include "examples/showcase/contacts_page.h"
#include "examples/showcase/pending_edits.h"
#include "examples/showcase/scrolling_page.h"
#include "examples/showcase/sent_messages_page.h"
#include "examples/showcase/skin_controls_page.h"
#include "examples/showcase/skin_styles_page.h"
#include "examples/showcase/showcase_data_file.h"
#include "examples/showcase/showcase_main_menu.h"
#include "examples/showcase/showcase_side_bar.h"
#include "examples/showcase/showcase_message_box.h"
#include "examples/showcase/showcase_texts.h"
#include "examples/showcase/side_bar_drop.h"
#include "examples/showcase/side_bar_images.h"
#include "examples/showcase/side_bar_preset_menu.h"
#include "examples/showcase/side_bar_rename.h"
#include "examples/showcase/standard_controls_page.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/core/scope_guard.h"
#include "platform/graphics/image_list.h"
#include "platform/windows/size_limits.h"
#include "platform/windows/window_tree.h"
#include "sidebar/side_bar.h"
#include "examples/showcase/artwork_gallery.h"
#include "skin/file_theme.h"
#include "skin/flat_panel.h"
#include "skin/form.h"
#include "skin/page_control.h"

namespace {

struct TPageInfo {
  const char* button;
  const char* key;
  const char* page;
  TColor color;
};

// In command order: command i shows page i.
constexpr std::array<TPageInfo, 7> Pages{{
    {"发送短信", "send", "发送短信：号码、内容与发送队列", clWindow},
    {"通讯录", "contacts", "通讯录：分组与联系人", static_cast<TColor>(0xF0F8FF)},
    {"常用短语", "phrases", "常用短语：分类与短语", static_cast<TColor>(0xF0FFF0)},
    {"已发短信", "sent", "已发短信：历史记录", static_cast<TColor>(0xFFF8F0)},
    {"账户余额", "account", "账户余额与密码", static_cast<TColor>(0xF5F0FF)},
    {"标准控件", "standard", "", clBtnFace},
    {"皮肤样式", "skin", "", clWindow},
}};
static_assert(Pages.size() == kSideBarImageCount, "one side-bar picture per command");

// The window whose skinned box shows the libraries' message boxes: the last one made.
TShowcaseMainForm* boxesShownBy = nullptr;

// Room around the tool bar's buttons.
constexpr int kToolBarMargin = 6;

template <class T = TShowcasePanel>
T* MakePanel(TComponent* owner, TWinControl* parent, TAlign align, const String& caption, TColor color) {
  auto* panel = new T(owner);
  panel->SetParent(parent);
  panel->SetAlign(align);
  panel->SetCaption(caption);
  panel->SetColor(color);
  return panel;
}

}  // namespace

TShowcaseMainForm::TShowcaseMainForm(TComponent* owner) : TForm(owner) {
  UseShowcaseTexts();
  // A value picked from a filter cell's list filters at once, as one typed and entered does.
  if (TDBGridExStyle* style = DefaultDBGridExStyle()) style->SetFilterApplyFlags(1);
  // A tip stays while the pointer rests on what it is for, so that a cut message is read
  // whole however long it takes; moving off the cell takes it away.
  Application->SetHintHidePause(0);
  Application->OnException.Bind(this, "ReportError", &TShowcaseMainForm::ReportError);
  // The libraries' questions and notices come in the window's skinned box too.
  boxesShownBy = this;
  SetMessageDlgHandler([this](const TMessageDlgRequest& request) {
    return ShowcaseMessageDlg(Screen->ActiveForm() != nullptr ? static_cast<TControl*>(Screen->ActiveForm()) : this,
                              request);
  });
  SetCaption("短信群发客户端");
  SetBounds(0, 0, 1024, 700);
  SetPosition(poScreenCenter);
  Font()->SetName("宋体");
  Font()->SetHeight(-12);
  fileTheme_ = new TskFileTheme(this);
  BuildSkin();
  toolBar_ = MakePanel<>(this, skin_, alTop, "", clBtnFace);
  toolBar_->SetHeight(44);
  BuildSideBar();
  pageHost_ = MakePanel<>(this, skin_, alClient, "", clWindow);
  BuildToolBar();
  BuildPages();
  mainMenu_ = BuildShowcaseMainMenu(this);
  ExecuteCommand(1);
}

TShowcaseMainForm::~TShowcaseMainForm() {
  if (Application != nullptr && Application->OnException.Target() == this) Application->OnException.Clear();
  if (boxesShownBy == this) {
    SetMessageDlgHandler(nullptr);
    boxesShownBy = nullptr;
  }
}

void TShowcaseMainForm::ReportError(TObject*, Exception& e) {
  // An error while its box is up (a paint failing again and again) is not told again, so
  // that boxes never pile up.
  if (reportingError_ || Application->Terminated()) return;
  const auto reporting = ScopedValue(reportingError_, true);
  ShowcaseErrorBox(Screen->ActiveForm() != nullptr ? static_cast<TControl*>(Screen->ActiveForm()) : this,
                   "操作没有完成。", e.Message());
}

// The window loses its native frame and takes its look from the theme file, as every window
// of the client does.
void TShowcaseMainForm::BuildSkin() {
  skin_ = new TskForm(this);
  skin_->SetParent(this);
  skin_->SetFileTheme(fileTheme_);
  skin_->SetUIStyle(FromThemeFile);
}

bool TShowcaseMainForm::CloseQuery() { return TForm::CloseQuery() && PostPendingEdits(this); }

const TMessageMap& TShowcaseMainForm::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TForm::ClassMessages());
    m.On(WM_GETMINMAXINFO, &TShowcaseMainForm::WMGetMinMaxInfo);
    return m;
  }();
  return map;
}

// The skin sets the form's minimum width with every style; the tool bar's comes on top of it,
// asked for whenever the window is sized (by the program, by a dragged border or by the
// window manager), so that it always holds for the border the window has then.
void TShowcaseMainForm::WMGetMinMaxInfo(TMessage& m) {
  TForm::WMGetMinMaxInfo(m);
  auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
  if (info != nullptr) info->ptMinTrackSize.x = std::max(info->ptMinTrackSize.x, MinimumWidth());
}

// The tool bar spans the window between equal borders: their width is where its left edge
// stands in the window, whatever width the window has at the moment.
int TShowcaseMainForm::MinimumWidth() {
  if (buttons_.empty() || !HandleAllocated()) return 0;
  const TShowcaseToolButton* last = buttons_.back();
  const int border = toolBar_->ClientToScreen({0, 0}).x - WindowBounds(Handle()).Left;
  return 2 * border + last->Left() + last->Width() + kToolBarMargin;
}

void TShowcaseMainForm::BuildToolBar() {
  int left = kToolBarMargin;
  for (size_t i = 0; i < Pages.size(); ++i) {
    auto* button = new TShowcaseToolButton(this);
    button->SetParent(toolBar_);
    button->SetBounds(left, kToolBarMargin, 88, 32);
    button->SetCaption(Pages[i].button);
    button->SetTag(static_cast<intptr_t>(i + 1));
    button->OnClick.Bind(this, "ToolButtonClick", &TShowcaseMainForm::ToolButtonClick);
    buttons_.push_back(button);
    left += 92;
  }
}

void TShowcaseMainForm::BuildSideBar() {
  sideBarImages_ = new TImageList(32, 32, this);
  FillSideBarImages(sideBarImages_);
  headerImages_ = new TImageList(16, 16, this);
  FillSideBarImages(headerImages_);
  // The bar sits in a flat panel whose one-colour frame shows around it, as in the client.
  sideBarPanel_ = new TFlatPanel(this);
  sideBarPanel_->SetParent(skin_);
  sideBarPanel_->SetAlign(alLeft);
  sideBarPanel_->SetWidth(180);
  sideBarPanel_->SetBorderWidth(1);
  sideBar_ = new TShowcaseSideBar(this);
  sideBar_->SetParent(sideBarPanel_);
  sideBar_->SetAlign(alClient);
  TNotifyEvent click;
  click.Bind(this, "SideBarButtonClick", &TShowcaseMainForm::SideBarButtonClick);
  BuildShowcaseSideBar(sideBar_, sideBarImages_, headerImages_, click);
  AcceptSideBarDropsFromElsewhere(sideBar_, click);
  sideBar_->SetPopupMenu(BuildSideBarPresetMenu(sideBar_));
  renameMenu_ = OfferSideBarRenaming(sideBar_);
}

TSideBarLayoutLoad TShowcaseMainForm::RestoreSideBarLayout(const String& path) {
  TSideBarLayoutLoad result = LoadShowcaseSideBarLayout(sideBar_, path);
  if (!result.loaded) return result;
  TNotifyEvent click;
  click.Bind(this, "SideBarButtonClick", &TShowcaseMainForm::SideBarButtonClick);
  ConnectShowcaseSideBar(sideBar_, sideBarImages_, headerImages_, click);
  AcceptSideBarDropsFromElsewhere(sideBar_, click);
  ConnectSideBarRenaming(sideBar_, renameMenu_);
  // The bar comes back as it was left, and so does the page its open header marks; a bar that
  // marks no page there shows the page shown now.
  TnbHeader* open = sideBar_->ActiveHeader();
  TnbButton* marked = open != nullptr ? open->GetButton(open->SelectedIndex()) : nullptr;
  ShowPage(marked != nullptr && Page(static_cast<int>(marked->Tag())) != nullptr ? static_cast<int>(marked->Tag())
                                                                                  : activeCommand_);
  return result;
}

// The layout keeps the page shown, not merely the header opened last: the bar marks that
// page's button under its own header again before it is written.
String TShowcaseMainForm::SaveSideBarLayout(const String& path) {
  MarkSideBarButton(activeCommand_);
  return SaveShowcaseSideBarLayout(sideBar_, path);
}

void TShowcaseMainForm::BuildPages() {
  for (const TPageInfo& info : Pages) {
    // A window too small for a page scrolls it, so that every control stays within reach.
    TShowcasePanel* page = MakePanel<TShowcaseScrollingPage>(this, pageHost_, alClient, info.page, info.color);
    page->SetVisible(false);
    pages_.push_back(page);
  }
  const TShowcaseDataFile data = OpenShowcaseDataFile(ShowcaseDataFolder());
  BuildContactsPage(Page(kContactsCommand), data);
  BuildSentMessagesPage(Page(kSentCommand), data);
  BuildStandardControlsPage(Page(kStandardControlsCommand), fileTheme_);
  BuildSkinPage(Page(kSkinCommand));
}

void TShowcaseMainForm::BuildSkinPage(TShowcasePanel* page) {
  skinPages_ = BuildSkinStylePages(page, fileTheme_);
  gallery_ = new TArtworkGallery(this);
  gallery_->SetParent(skinPages_->Pages(0));
  gallery_->SetAlign(alClient);
  gallery_->SetFileTheme(fileTheme_);
  AddLiveSkinControls(gallery_, fileTheme_, TArtworkGallery::kRowHeight);
}

bool TShowcaseMainForm::LoadTheme(const String& fileName) {
  const String path = ResolveThemeFilePath(fileName);
  if (path.empty()) return false;
  fileTheme_->SetThemeFile(path);
  gallery_->Invalidate();
  MarkShownStyle(this);
  return fileTheme_->CanUse() && fileTheme_->ThemeFile() == path;
}

void TShowcaseMainForm::ToolButtonClick(TObject* sender) {
  if (auto* button = dynamic_cast<TShowcaseToolButton*>(sender)) ExecuteCommand(static_cast<int>(button->Tag()));
}

void TShowcaseMainForm::SideBarButtonClick(TObject* sender) {
  if (auto* button = dynamic_cast<TnbButton*>(sender)) ExecuteCommand(static_cast<int>(button->Tag()));
}

void TShowcaseMainForm::ExecuteCommand(int command) {
  if (command < 1 || command > PageCount() || command == activeCommand_) return;
  ShowPage(command);
  OnCommand.Call(this, command);
}

void TShowcaseMainForm::ShowPage(int command) {
  activeCommand_ = command;
  for (int i = 1; i <= PageCount(); ++i) {
    Page(i)->SetVisible(i == command);
    ToolButton(i)->SetDown(i == command);
  }
  MarkSideBarButton(command);
}

// The side bar selects the command's button, whether the command came from the bar or from the
// tool bar, and opens its header: the header holding the shown page's button is the open one.
void TShowcaseMainForm::MarkSideBarButton(int command) {
  TnbButton* button = SideBarButtonFor(sideBar_, command);
  if (button == nullptr) return;
  TnbHeader* header = button->Header();
  if (sideBar_->ActiveHeader() != header) sideBar_->SetActiveHeader(header);
  // In the task-pane looks going to a header opens or closes it, as a click on its caption does.
  if (!header->Opened()) header->SetOpened(true);
  header->SetSelectedIndex(button->Index());
}

String TShowcaseMainForm::PageKey(int command) {
  return command >= 1 && command <= static_cast<int>(Pages.size()) ? Pages[static_cast<size_t>(command - 1)].key : "";
}

TShowcasePanel* TShowcaseMainForm::Page(int command) const {
  return command >= 1 && command <= PageCount() ? pages_[static_cast<size_t>(command - 1)] : nullptr;
}

TShowcaseToolButton* TShowcaseMainForm::ToolButton(int command) const {
  return command >= 1 && command <= PageCount() ? buttons_[static_cast<size_t>(command - 1)] : nullptr;
}
