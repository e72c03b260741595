#include "platform/fake/fake_platform.h"

namespace kalv::fake {

Result<std::string> FakeSystem::UserName() {
  if (!userName) return Result<std::string>::Fail(err::kInvalidCall);
  return *userName;
}

Result<std::string> FakeSystem::LocalAppDataDirectory() {
  if (!localAppData) return Result<std::string>::Fail(err::kPathNotFound);
  return *localAppData;
}

// "e:\", "E:" and "E:\" name the same drive.
int FakeSystem::DriveType(const std::string& root) {
  if (root.empty()) return drive::kNoRootDir;
  for (const auto& [name, type] : driveTypes)
    if (!name.empty() && EqualsNoCase(name.substr(0, 1), root.substr(0, 1))) return type;
  return drive::kFixed;
}

std::optional<FixedFileVersion> FakeSystem::FileVersion(const std::string& path) {
  for (const auto& [name, version] : versions)
    if (EqualsNoCase(name, path)) return version;
  return std::nullopt;
}

std::optional<std::string> FakeSystem::LoadString(int id) {
  auto it = strings.find(id);
  if (it == strings.end()) return std::nullopt;
  return it->second;
}

bool FakeSystem::ProgramRunning(const std::string& fileName) {
  for (const std::string& running : runningPrograms)
    if (EqualsNoCase(running, fileName)) return true;
  return false;
}

void FakeSystem::EndProgram(int code) {
  ++endCount;
  exitCode = code;
  throw ProgramEnded{};
}

}  // namespace kalv::fake
