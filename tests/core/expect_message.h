#pragma once

#include <gtest/gtest.h>

#include <string>

// Expects `call` to raise exactly the exception class E (or a subclass) with `message`.
template <class E, class F>
void ExpectRaises(F&& call, const std::string& message) {
  try {
    call();
    ADD_FAILURE() << "nothing raised; expected: " << message;
  } catch (const E& e) {
    EXPECT_EQ(e.Message(), message);
  }
}
