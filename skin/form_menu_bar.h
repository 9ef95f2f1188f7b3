#pragma once

#include "platform/controls/tool_bar.h"
#include "skin/themes.h"

class TMainMenu;
class TskForm;
class TskThemeValues;

// The menu bar of a skinned form: a flat tool bar with a button for each title of the form's
// main menu, drawn in the menu's theme (hot and pressed titles framed in the selection
// colours, or on the Graphite pictures).
class TskFormMenuBar {
 public:
  explicit TskFormMenuBar(TskForm* skin);
  ~TskFormMenuBar();
  TskFormMenuBar(const TskFormMenuBar&) = delete;
  TskFormMenuBar& operator=(const TskFormMenuBar&) = delete;

  TToolBar* Bar() const { return bar_; }
  // The buttons again, one per title of `menu`, in the titles' order.
  void Rebuild(TMainMenu* menu);
  // Captions and enabled states again from the titles (the buttons again when titles came or
  // went).
  void ItemsChanged(TMainMenu* menu);
  void ApplyFont(TMainMenu* menu);
  void SetColor(TColor color);
  void SetHeight(int height);

 private:
  void DrawBar(TToolBar* sender, const TRect& r, bool& defaultDraw);
  void DrawButton(TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw);
  // The style the titles are drawn in: the skinned menu's, else the skin's.
  TskUIStyle Style() const;
  bool ShowsTitlesOf(TMainMenu* menu) const;
  TToolButton* NewButton();
  TskThemeValues Theme() const;

  TskForm* skin_;
  TToolBar* bar_;
};
