#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/controls/application.h"
#include "platform/controls/custom_control.h"
#include "platform/controls/forms.h"
#include "platform/windows/clock.h"
#include "skin/themes.h"

class TskFileTheme;

// A control that publishes FileTheme and UIStyle as skinned controls do, and records each
// setter call ("FileTheme", "UIStyle") in order.
class TskThemeProbe : public TCustomControl {
  DECLARE_CLASS(TskThemeProbe, TCustomControl)
 public:
  explicit TskThemeProbe(TComponent* owner) : TCustomControl(owner) {}
  static void Publish();
  TskFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TskFileTheme* value);
  TskUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TskUIStyle value);
  std::vector<String> calls;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TskFileTheme* fileTheme_ = nullptr;
  TskUIStyle uiStyle_ = Marine;
};

// The same control under a class name whose case differs after "T": "TSk...".
class TSkThemeProbe : public TskThemeProbe {
  DECLARE_CLASS(TSkThemeProbe, TskThemeProbe)
 public:
  using TskThemeProbe::TskThemeProbe;
};

// Publishes UIStyle but no FileTheme.
class TskStyleOnlyProbe : public TCustomControl {
  DECLARE_CLASS(TskStyleOnlyProbe, TCustomControl)
 public:
  explicit TskStyleOnlyProbe(TComponent* owner) : TCustomControl(owner) {}
  static void Publish();
  TskUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TskUIStyle value) { uiStyle_ = value; }

 private:
  TskUIStyle uiStyle_ = Marine;
};

// Tests that need forms: an application, a test clock, forms drawn into their surfaces.
class SkinFormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A shown form without a frame, owned by the application.
  TForm* MakeForm(TRect bounds = Bounds(50, 50, 300, 200));
  void Pump() { Application->ProcessMessages(); }
  // Pixel (x, y) of a top-level form's window picture as it is now.
  TColor Pixel(TCustomForm* form, int x, int y);
  void SavePictureOnFailure(TCustomForm* form);

 private:
  std::unique_ptr<TApplicationScope> scope_;
};
