#pragma once

#include "platform/classes/component.h"
#include "skin/theme_binding.h"

// The theme part every skinned control shares: UIStyle and FileTheme, each reloading what the
// control takes from its theme (StyleChanged), and the fall back to Marine when the theme
// component is freed. Base is the control class the skinned control derives from.
template <class Base>
class TskThemed : public Base {
 public:
  using Base::Base;

  TskUIStyle UIStyle() const { return theme_.Style(); }
  void SetUIStyle(TskUIStyle value) {
    theme_.SetStyle(value);
    StyleChanged();
  }
  // Not owned.
  TskFileTheme* FileTheme() const { return theme_.FileTheme(); }
  void SetFileTheme(TskFileTheme* value) {
    theme_.SetFileTheme(value);
    SetUIStyle(theme_.Style());
  }

 protected:
  // Reloads what the control takes from its theme and repaints.
  virtual void StyleChanged() { this->Invalidate(); }
  TskThemeValues Theme() const { return theme_.Values(); }

  void Notification(TComponent* component, TOperation operation) override {
    Base::Notification(component, operation);
    if (operation == opRemove && theme_.Forget(component)) SetUIStyle(Marine);
  }

 private:
  TskThemeBinding theme_{this};
};
