#pragma once

#include <vector>

#include "examples/showcase/showcase_widgets.h"
#include "platform/controls/forms.h"

// The client's main window: a tool bar along the top, an area on the left kept for the side
// bar, and a page host whose pages the tool bar (and later the side bar) switch by command
// number, as the client's command dispatcher does.
class TShowcaseMainForm : public TForm {
  DECLARE_CLASS(TShowcaseMainForm, TForm)
 public:
  explicit TShowcaseMainForm(TComponent* owner);

  // Shows the page of a command (1..PageCount()); other numbers are ignored.
  void ExecuteCommand(int command);
  int ActiveCommand() const { return activeCommand_; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TShowcasePanel* ToolBar() const { return toolBar_; }
  TShowcasePanel* SideBarArea() const { return sideBarArea_; }
  TShowcasePanel* PageHost() const { return pageHost_; }
  TShowcasePanel* Page(int command) const;
  TShowcaseToolButton* ToolButton(int command) const;
  // Called with every command executed (for whoever embeds the form).
  TEvent<void(TObject* Sender, int Command)> OnCommand;

 private:
  void BuildToolBar();
  void BuildPages();
  void ToolButtonClick(TObject* sender);

  TShowcasePanel* toolBar_ = nullptr;
  TShowcasePanel* sideBarArea_ = nullptr;
  TShowcasePanel* pageHost_ = nullptr;
  std::vector<TShowcasePanel*> pages_;
  std::vector<TShowcaseToolButton*> buttons_;
  int activeCommand_ = 0;
};
