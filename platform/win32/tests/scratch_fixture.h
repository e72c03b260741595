// A scratch folder per test, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/test_support.h"
#include "platform/win32/tests/child_modes.h"
#include "platform/win32/win32_platform.h"

namespace kalv::win32::testing {

class ScratchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scratch_ = MakeScratchDirectory("kalvbackend");
    ASSERT_FALSE(scratch_.empty());
  }
  void TearDown() override { RemoveTree(scratch_); }
  std::string At(const std::string& name) const { return scratch_ + "\\" + name; }
  const std::string& scratch() const { return scratch_; }

  Win32Platform backend;

 private:
  std::string scratch_;
};

}  // namespace kalv::win32::testing
