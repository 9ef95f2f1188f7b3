#pragma once

#include "skin/theme_values.h"
#include "skin/themes.h"

class TComponent;
class TskFileTheme;

// The style and theme file a skinned control paints with. It keeps the control registered for
// the theme component's free notification, so a freed theme is never read again, and among
// the theme's users, so a newly loaded theme file reaches it wherever it is.
class TskThemeBinding {
 public:
  explicit TskThemeBinding(TComponent* holder) : holder_(holder) {}
  ~TskThemeBinding();
  TskThemeBinding(const TskThemeBinding&) = delete;
  TskThemeBinding& operator=(const TskThemeBinding&) = delete;

  TskUIStyle Style() const { return style_; }
  void SetStyle(TskUIStyle value) { style_ = value; }
  TskFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TskFileTheme* value);
  // True when `removed` was the theme component: it is forgotten and the caller falls back
  // to Marine through its own style setter.
  bool Forget(const TComponent* removed);
  TskThemeValues Values() const { return TskThemeValues(fileTheme_, style_); }

 private:
  void Release();

  TComponent* holder_;
  TskFileTheme* fileTheme_ = nullptr;
  TskUIStyle style_ = Marine;
};
