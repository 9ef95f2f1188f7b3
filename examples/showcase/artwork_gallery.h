#pragma once

#include "platform/controls/custom_control.h"
#include "skin/themes.h"

class TskFileTheme;
class TskThemeValues;

// A page that shows the five built-in styles and a theme file, one row each: the title bar
// with its buttons and the tabs, drawn with the shared skin painting routines, beside the
// live skinned controls that the skin page puts into each row.
class TArtworkGallery : public TCustomControl {
  DECLARE_CLASS(TArtworkGallery, TCustomControl)
 public:
  explicit TArtworkGallery(TComponent* owner);
  ~TArtworkGallery() override;

  // The theme shown in the last row (Marine's pictures while it has no file loaded).
  TskFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TskFileTheme* value);

  static constexpr int kRowHeight = 64;

 protected:
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void PaintRow(TCanvas* canvas, int top, const String& title, const TskThemeValues& theme);

  TskFileTheme* fileTheme_ = nullptr;
};
