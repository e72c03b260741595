// The backend test program: GoogleTest, or one child mode for the process tests.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/tests/child_modes.h"
#include "platform/win32/win32_platform.h"

int main(int argc, char** argv) {
  const int child = kalv::win32::testing::RunChildMode(argc, argv);
  if (child >= 0) return child;
  // A started copy must never run the suite itself (it would start copies in turn).
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]).rfind("--child-", 0) == 0) return 98;
  kalv::win32::PrepareProcess();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
