// The contract cases against the in-memory platform.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "tests/contract/contract_backend.h"

namespace {

class FakeBackend : public kalv::contract::ContractBackend {
 public:
  FakeBackend() {
    fake_.files.AddDirectory(kScratch);
    fake_.files.MapDrive(kRouteDrive, kRouteFolder);
    // A waiting child ends at the first wait after its flag appears.
    fake_.processes.whileWaiting = [this] {
      for (const kalv::fake::StartedProcess& process : fake_.processes.started())
        for (const auto& [commandLine, flag] : waiting_)
          if (process.commandLine == commandLine && fake_.files.IsFile(flag))
            fake_.processes.Exit(process.id, 3);
    };
  }
  kalv::Platform& platform() override { return fake_.platform(); }
  std::string Scratch() override { return kScratch; }
  void HoldOpen(const std::string& path, Hold hold) override {
    using FakeHold = kalv::fake::FakeFiles::Hold;
    if (!fake_.files.HoldOpen(path,
                              hold == Hold::Exclusive ? FakeHold::Exclusive : FakeHold::Reading))
      ADD_FAILURE() << "could not hold " << path << " open";
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
  ChildProgram ChildWaitingFor(const std::string& executable, const std::string& flag) override {
    fake_.files.AddFile(executable, "MZ waiting child");
    fake_.processes.next.runMilliseconds = 24 * 3600 * 1000;
    const std::string commandLine = "\"" + executable + "\" --child-wait " + flag;
    waiting_.emplace_back(commandLine, flag);
    return {executable, commandLine};
  }

  // The in-memory file system keeps no short names.
  std::string ShortNameOf(const std::string&) override { return std::string(); }

  SmallDrive FolderOnASmallDrive() override {
    fake_.files.AddDirectory(kSmallFolder);
    fake_.files.SetFreeSpace(kSmallFolder, kSmallDriveBytes);
    return {kSmallFolder, kSmallDriveBytes};
  }

 private:
  static constexpr const char* kScratch = "C:\\Users\\Player\\Temp\\KalvContract";
  static constexpr const char* kChild = "C:\\Tools\\child.exe";
  static constexpr const char* kRouteDrive = "Z:";
  static constexpr const char* kRouteFolder = "C:\\Users";
  static constexpr const char* kSmallFolder = "K:\\KalvContract";
  static constexpr std::uint64_t kSmallDriveBytes = 256 * 1024;
  kalv::fake::FakePlatform fake_;
  std::vector<std::pair<std::string, std::string>> waiting_;  // command line, flag
};

}  // namespace

std::unique_ptr<kalv::contract::ContractBackend> MakeContractBackend() {
  return std::make_unique<FakeBackend>();
}
