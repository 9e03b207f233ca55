#pragma once
// A fixture for the modal boxes and choosers: the headless harness and an active
// top-level window that owns them.
#include <gtest/gtest.h>

#include "tests/support/WindowTestSupport.h"

namespace platform::test {

class DialogOwnerTest : public ::testing::Test {
protected:
  void SetUp() override {
    wintest::RegisterRecorderClasses();
    owner = wintest::MakeTop(CRect(0, 0, 400, 300));
    SetActiveWindow(owner);
    harness.Pump();
  }
  void TearDown() override { DestroyWindow(owner); }

  WindowHarness harness;
  HWND owner = nullptr;
};

}  // namespace platform::test
