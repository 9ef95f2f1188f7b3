#pragma once

// Cases of a program's handler that frees the control it is about, or the control's whole
// form, while the control runs the user's input; AddressSanitizer watches what follows.

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>
#include <utility>

#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/windows/input.h"

template <typename Fixture>
struct TFreeCase {
  const char* name;
  bool freesForm;
  // Makes the control on the fixture's form with `freeIt` as one of its handlers.
  std::function<TComponent*(Fixture&, std::function<void()> freeIt)> make;
  // The user's input that runs the handler.
  std::function<void(TComponent*)> drive;
};

namespace freeing_handlers {

inline void ClickAt(TComponent* c, TPoint p) {
  InjectClick(static_cast<TControl*>(c)->ClientToScreen(p));
  Application->ProcessMessages();
}

inline void Stroke(TComponent* c, uint16_t vk, const String& text = {}) {
  static_cast<TWinControl*>(c)->SetFocus();
  InjectKeyStroke(vk, text);
  Application->ProcessMessages();
}

// Runs a case on `form` (as it is once the case made its control): the handler runs once and frees its victim; the messages that
// follow find nothing of it.
template <typename Fixture>
void RunCase(std::type_identity_t<Fixture>& fixture, const TFreeCase<Fixture>& c, TForm* const& form) {
  TComponent* victim = nullptr;
  TComponent* control = c.make(fixture, [&victim] { delete std::exchange(victim, nullptr); });
  victim = c.freesForm ? form : control;
  Application->ProcessMessages();
  c.drive(control);
  EXPECT_EQ(victim, nullptr) << "the handler did not run";
  Application->ProcessMessages();
}

template <typename Fixture>
String CaseName(const ::testing::TestParamInfo<TFreeCase<Fixture>>& info) {
  return info.param.name;
}

}  // namespace freeing_handlers
