// The file system through the wide Windows file API.
#pragma once

#include "platform/files.h"

namespace kalv::win32 {

class Win32Files : public Files {
 public:
  Status CanOpenForRead(const std::string& path) override;
  Result<std::unique_ptr<FileStream>> OpenRead(const std::string& path) override;
  Result<std::unique_ptr<FileStream>> OpenWrite(const std::string& path) override;
  Result<std::unique_ptr<FileStream>> OpenAppend(const std::string& path) override;
  Result<std::uint64_t> Length(const std::string& path) override;
  Result<FileStamp> Stamp(const std::string& path) override;
  Result<std::uint32_t> GetAttributes(const std::string& path) override;
  Status SetAttributes(const std::string& path, std::uint32_t attributes) override;
  Status Copy(const std::string& from, const std::string& to) override;
  Status Rename(const std::string& from, const std::string& to) override;
  Status Replace(const std::string& from, const std::string& to) override;
  Status Delete(const std::string& path) override;
  Status MakeDirectory(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  bool SameFile(const std::string& a, const std::string& b) override;
  Result<std::vector<std::string>> List(const std::string& dir,
                                        const std::string& pattern) override;
  Result<std::vector<std::string>> ListFolders(const std::string& dir) override;
  Result<std::string> FullDirectoryPath(const std::string& dir) override;
};

}  // namespace kalv::win32
