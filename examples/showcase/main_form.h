#pragma once

#include <vector>

#include "examples/showcase/showcase_widgets.h"
#include "examples/showcase/side_bar_layout_file.h"
#include "platform/controls/forms.h"

class Exception;
class TImageList;
class TnbSideBar;
class TArtworkGallery;
class TFlatPanel;
class TskFileTheme;
class TskForm;
class TskMainMenu;
class TskPageControl;
class TPopupMenu;

// The client's main window: a tool bar along the top, the navigation side bar on the left,
// and a page host whose pages the tool bar and the side bar switch by command number, as the
// client's command dispatcher does.
class TShowcaseMainForm : public TForm {
  DECLARE_CLASS(TShowcaseMainForm, TForm)
 public:
  // Commands of the pages that show finished components.
  static constexpr int kContactsCommand = 2;
  static constexpr int kSentCommand = 4;
  static constexpr int kStandardControlsCommand = 6;
  static constexpr int kSkinCommand = 7;

  explicit TShowcaseMainForm(TComponent* owner);
  ~TShowcaseMainForm() override;

  // Shows the page of a command (1..PageCount()) and marks its tool button and side-bar
  // button; other numbers are ignored.
  void ExecuteCommand(int command);
  int ActiveCommand() const { return activeCommand_; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  // A short ASCII name of a command's page ("standard", "skin", ...), for file names.
  static String PageKey(int command);
  TShowcasePanel* ToolBar() const { return toolBar_; }
  TnbSideBar* SideBar() const { return sideBar_; }
  // The framed panel on the left that holds the side bar.
  TFlatPanel* SideBarPanel() const { return sideBarPanel_; }
  TImageList* SideBarImages() const { return sideBarImages_; }
  TImageList* HeaderImages() const { return headerImages_; }
  // Reads the user's arrangement of the side bar from `path` (see LoadShowcaseSideBarLayout)
  // and connects its buttons to the pages again.
  TSideBarLayoutLoad RestoreSideBarLayout(const String& path);
  // Writes the side bar's arrangement to `path` (see SaveShowcaseSideBarLayout); answers the
  // problem in words for the user, "" when none.
  String SaveSideBarLayout(const String& path);
  TShowcasePanel* PageHost() const { return pageHost_; }
  TShowcasePanel* Page(int command) const;
  TShowcaseToolButton* ToolButton(int command) const;

  // The theme file shown by the skin page's last row. Loading looks for `fileName` as the
  // theme component does (as given, then beside the program); false when no file is found,
  // and the theme loaded before stays.
  bool LoadTheme(const String& fileName);
  TskFileTheme* FileTheme() const { return fileTheme_; }
  TArtworkGallery* Gallery() const { return gallery_; }
  // The skin page's pages: the artwork, then one page of controls per style.
  TskPageControl* SkinPages() const { return skinPages_; }
  // The window's skin: title bar, border and the style every part of the window takes.
  TskForm* Skin() const { return skin_; }
  TskMainMenu* MainMenu() const { return mainMenu_; }

  // Closing posts the edits still pending in the data grids; a post that fails keeps the
  // window open with the reason shown.
  bool CloseQuery() override;
  // The narrowest the window gets: its tool bar's buttons stay whole.
  int MinimumWidth();

  // Called with every command executed (for whoever embeds the form).
  TEvent<void(TObject* Sender, int Command)> OnCommand;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void WMGetMinMaxInfo(TMessage& m);

 private:
  void BuildSkin();
  void BuildToolBar();
  void BuildSideBar();
  void BuildPages();
  void BuildSkinPage(TShowcasePanel* page);
  void ToolButtonClick(TObject* sender);
  void SideBarButtonClick(TObject* sender);
  // Shows the page of a command and marks it on the tool bar and the side bar.
  void ShowPage(int command);
  void MarkSideBarButton(int command);
  // Errors nobody handled reach the user in the window's skinned message box.
  void ReportError(TObject* sender, Exception& e);

  TShowcasePanel* toolBar_ = nullptr;
  TnbSideBar* sideBar_ = nullptr;
  TFlatPanel* sideBarPanel_ = nullptr;
  TImageList* sideBarImages_ = nullptr;
  TImageList* headerImages_ = nullptr;
  TShowcasePanel* pageHost_ = nullptr;
  TskFileTheme* fileTheme_ = nullptr;
  TskForm* skin_ = nullptr;
  TArtworkGallery* gallery_ = nullptr;
  TskPageControl* skinPages_ = nullptr;
  TskMainMenu* mainMenu_ = nullptr;
  TPopupMenu* renameMenu_ = nullptr;
  std::vector<TShowcasePanel*> pages_;
  std::vector<TShowcaseToolButton*> buttons_;
  int activeCommand_ = 0;
  bool reportingError_ = false;
};
