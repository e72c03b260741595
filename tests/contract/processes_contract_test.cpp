// What every backend does when asked to start a program.
#include "tests/contract/contract_fixture.h"

namespace kalv::contract {
namespace {

class ProcessesContract : public ContractTest {};

TEST_F(ProcessesContract, StartingAMissingExecutableIsFileNotFound) {
  const std::string exe = At("quake3.exe");
  auto started = platform().processes.Start(exe, "\"" + exe + "\" +set sv_pure 0",
                                            ShowMode::NormalFocus, scratch());
  ASSERT_FALSE(started.ok());
  EXPECT_EQ(started.failure().number, err::kFileNotFound);
}

}  // namespace
}  // namespace kalv::contract
