// The contract cases against the in-memory platform.
#include "platform/fake/fake_platform.h"
#include "tests/contract/contract_backend.h"

namespace {

class FakeBackend : public kalv::contract::ContractBackend {
 public:
  FakeBackend() {
    fake_.files.AddDirectory(kScratch);
    fake_.files.MapDrive(kRouteDrive, kRouteFolder);
  }
  kalv::Platform& platform() override { return fake_.platform(); }
  std::string Scratch() override { return kScratch; }
  void HoldOpen(const std::string& path, Hold hold) override {
    using FakeHold = kalv::fake::FakeFiles::Hold;
    fake_.files.HoldOpen(path, hold == Hold::Exclusive ? FakeHold::Exclusive : FakeHold::Reading);
  }
  void ReleaseAll() override { fake_.files.ReleaseAll(); }

  void SetCurrentDirectory(const std::string& dir) override {
    fake_.files.SetCurrentDirectory(dir);
  }
  void SetDriveDirectory(const std::string& drive, const std::string& dir) override {
    fake_.files.SetDriveDirectory(drive, dir);
  }
  // Every scratch path lies below the mapped folder.
  std::string OtherRouteTo(const std::string& path) override {
    const std::string folder = kRouteFolder;
    if (!kalv::EqualsNoCase(path.substr(0, folder.size()), folder)) return std::string();
    return std::string(kRouteDrive) + path.substr(folder.size());
  }

  // It runs 50 ms of fake time, so a first look finds it still running.
  ChildProgram ChildEndingWith(std::uint32_t exitCode) override {
    fake_.files.AddFile(kChild, "MZ");
    fake_.processes.next.runMilliseconds = 50;
    fake_.processes.next.exitCode = exitCode;
    return {kChild, std::string("\"") + kChild + "\""};
  }

 private:
  static constexpr const char* kScratch = "C:\\Users\\Player\\Temp\\KalvContract";
  static constexpr const char* kChild = "C:\\Tools\\child.exe";
  static constexpr const char* kRouteDrive = "Z:";
  static constexpr const char* kRouteFolder = "C:\\Users";
  kalv::fake::FakePlatform fake_;
};

}  // namespace

std::unique_ptr<kalv::contract::ContractBackend> MakeContractBackend() {
  return std::make_unique<FakeBackend>();
}
