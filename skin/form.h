#pragma once

#include "platform/controls/panel.h"
#include "skin/themes.h"

class TskFileTheme;

// The skin of a form: dropped on an ordinary form, it gives the form its theme's border and
// background and hands its style to the skinned controls created on that form. This class
// holds the theme settings; the title bar, the border painting and the window handling of a
// skinned form build on them.
class TskForm : public TCustomPanel {
  DECLARE_CLASS(TskForm, TCustomPanel)
 public:
  explicit TskForm(TComponent* owner);
  ~TskForm() override;
  static void Publish();

  // Applying a style takes the border colour, border width and background colour from the
  // theme (the file theme for FromThemeFile with a loaded file, else the built-in table) and,
  // with UIStyleAutoUpdateSub, passes style and theme to the direct children.
  TskUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TskUIStyle value);
  // Not owned; when it is freed the skin falls back to Marine, children included.
  TskFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TskFileTheme* value);
  bool UIStyleAutoUpdateSub() const { return uiStyleAutoUpdateSub_; }
  void SetUIStyleAutoUpdateSub(bool value) { uiStyleAutoUpdateSub_ = value; }
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value) { borderColor_ = value; }
  // The width of the border drawn around the form, in pixels.
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value) { borderWidth_ = value; }
  TColor MenuBarColor() const { return menuBarColor_; }
  void SetMenuBarColor(TColor value) { menuBarColor_ = value; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TskUIStyle uiStyle_ = Marine;
  TskFileTheme* fileTheme_ = nullptr;
  bool uiStyleAutoUpdateSub_ = false;
  TColor borderColor_ = clBlack;
  int borderWidth_ = 1;
  TColor menuBarColor_ = clBtnFace;
};
