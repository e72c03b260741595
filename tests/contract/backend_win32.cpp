// The contract cases against the real Windows backend, in a scratch folder below the
// user's temporary folder that is removed after each case.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/test_support.h"
#include "platform/win32/win32_platform.h"
#include "tests/contract/contract_backend.h"

namespace {

class Win32Backend : public kalv::contract::ContractBackend {
 public:
  Win32Backend() : scratch_(kalv::win32::MakeScratchDirectory("kalvcontract")) {}
  // The scratch folder cannot be removed while it is the current directory.
  ~Win32Backend() override {
    ReleaseAll();
    if (!previousDirectory_.empty()) kalv::win32::SetCurrentDirectoryTo(previousDirectory_);
    for (const std::string& drive : drivesSet_) kalv::win32::SetDriveDirectory(drive, "");
    kalv::win32::RemoveTree(scratch_);
    kalv::win32::RemoveTree(smallFolder_);
  }

  kalv::Platform& platform() override { return backend_.platform(); }
  std::string Scratch() override { return scratch_; }

  void HoldOpen(const std::string& path, Hold hold) override {
    using FileHold = kalv::win32::FileHold;
    auto held = std::make_unique<FileHold>(
        path, hold == Hold::Exclusive ? FileHold::Exclusive : FileHold::Reading);
    if (!held->held()) ADD_FAILURE() << "could not hold " << path << " open";
    holds_.push_back(std::move(held));
  }
  void ReleaseAll() override { holds_.clear(); }

  void SetCurrentDirectory(const std::string& dir) override {
    if (previousDirectory_.empty()) previousDirectory_ = kalv::win32::CurrentDirectory();
    if (!kalv::win32::SetCurrentDirectoryTo(dir)) ADD_FAILURE() << "could not change to " << dir;
  }
  void SetDriveDirectory(const std::string& drive, const std::string& dir) override {
    kalv::win32::SetDriveDirectory(drive, dir);
    drivesSet_.push_back(drive);
  }
  // Wine's Z: drive maps the Unix root, so the Unix path is another route to any file.
  std::string OtherRouteTo(const std::string& path) override {
    const std::string route = kalv::win32::UnixDriveRoute(path);
    if (route.empty()) ADD_FAILURE() << "no other route to " << path << " outside Wine";
    return route;
  }

  // The test program itself, in one of its child modes.
  ChildProgram ChildEndingWith(std::uint32_t exitCode) override {
    const std::string self = kalv::win32::RunningProgramPath();
    return {self, "\"" + self + "\" --child-exit " + std::to_string(exitCode)};
  }
  ChildProgram ChildWaitingFor(const std::string& executable, const std::string& flag) override {
    if (!kalv::win32::CopyTestFile(kalv::win32::RunningProgramPath(), executable))
      ADD_FAILURE() << "could not copy the test program to " << executable;
    return {executable, "\"" + executable + "\" --child-wait " + flag};
  }

  std::string ShortNameOf(const std::string& path) override { return kalv::win32::ShortPath(path); }

  // scripts/contract.sh mounts a small file system as a drive and names it in
  // KALV_SMALL_DRIVE ("K:"); the case's folder on it goes with the backend.
  SmallDrive FolderOnASmallDrive() override {
    const std::string drive = kalv::win32::EnvironmentVariable("KALV_SMALL_DRIVE");
    if (drive.empty()) {
      ADD_FAILURE() << "no small drive: KALV_SMALL_DRIVE is not set (scripts/contract.sh sets it)";
      return {};
    }
    if (smallFolder_.empty())
      smallFolder_ = kalv::win32::MakeScratchDirectoryIn(drive, "kalvsmall");
    if (smallFolder_.empty()) ADD_FAILURE() << "no folder could be made on " << drive;
    return {smallFolder_, smallFolder_.empty() ? 0 : kalv::win32::FreeBytes(smallFolder_)};
  }

 private:
  kalv::win32::Win32Platform backend_;
  std::string scratch_;
  std::vector<std::unique_ptr<kalv::win32::FileHold>> holds_;
  std::string previousDirectory_;
  std::vector<std::string> drivesSet_;
  std::string smallFolder_;
};

}  // namespace

std::unique_ptr<kalv::contract::ContractBackend> MakeContractBackend() {
  auto backend = std::make_unique<Win32Backend>();
  if (backend->Scratch().empty()) return nullptr;  // the fixture reports it
  return backend;
}
