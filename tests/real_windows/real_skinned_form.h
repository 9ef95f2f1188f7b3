#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "skin/form.h"

// A point on the caption of a skinned form's title bar, clear of its buttons, on the screen.
TPoint CaptionPoint(TskForm* skin);

// A skinned form in a real window, the program's main form, shown: Pearl gives it a
// three-pixel border and round top corners. A fixture sets `caption_`, `bounds_` and what
// `Prepare` adds before SetUp shows it. Skips the test without an X server.
class RealSkinnedFormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { application_.reset(); }
  // Runs before the form shows, with `form_` and `skin_` made.
  virtual void Prepare() {}

  const char* caption_ = "Skinned form";
  TRect bounds_ = Bounds(120, 100, 480, 320);
  std::unique_ptr<TApplicationScope> application_;
  TForm* form_ = nullptr;
  TskForm* skin_ = nullptr;
};
