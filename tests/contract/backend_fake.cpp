// The contract cases against the in-memory platform.
#include "platform/fake/fake_platform.h"
#include "tests/contract/contract_backend.h"

namespace {

class FakeBackend : public kalv::contract::ContractBackend {
 public:
  FakeBackend() { fake_.files.AddDirectory(kScratch); }
  kalv::Platform& platform() override { return fake_.platform(); }
  std::string Scratch() override { return kScratch; }
  void HoldOpen(const std::string& path) override { fake_.files.HoldOpen(path); }
  void ReleaseAll() override { fake_.files.ReleaseAll(); }

 private:
  static constexpr const char* kScratch = "C:\\Users\\Player\\Temp\\KalvContract";
  kalv::fake::FakePlatform fake_;
};

}  // namespace

std::unique_ptr<kalv::contract::ContractBackend> MakeContractBackend() {
  return std::make_unique<FakeBackend>();
}
