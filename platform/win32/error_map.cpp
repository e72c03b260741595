#include "platform/win32/error_map.h"

#include "platform/win32/windows_api.h"

namespace kalv::win32 {

namespace {
struct Mapping {
  DWORD windowsError;
  int number;
};

// The one table: every Windows error the backend can meet maps here, nowhere else.
constexpr Mapping kMappings[] = {
    {ERROR_FILE_NOT_FOUND, err::kFileNotFound},
    {ERROR_PATH_NOT_FOUND, err::kPathNotFound},
    {ERROR_INVALID_DRIVE, err::kPathNotFound},
    {ERROR_DIRECTORY, err::kPathNotFound},  // a working folder that is missing
    {ERROR_ACCESS_DENIED, err::kPathFileAccess},
    {ERROR_SHARING_VIOLATION, err::kPermissionDenied},
    {ERROR_LOCK_VIOLATION, err::kPermissionDenied},
    {ERROR_WRITE_PROTECT, err::kPermissionDenied},
    {ERROR_FILE_EXISTS, err::kFileExists},
    {ERROR_ALREADY_EXISTS, err::kFileExists},
    {ERROR_DISK_FULL, err::kDiskFull},
    {ERROR_HANDLE_DISK_FULL, err::kDiskFull},
    {ERROR_INVALID_NAME, err::kBadFileName},
    {ERROR_BAD_PATHNAME, err::kBadFileName},
    {ERROR_FILENAME_EXCED_RANGE, err::kBadFileName},
    {ERROR_NOT_READY, err::kDiskNotReady},
    {ERROR_MORE_DATA, err::kInvalidCall},
    {ERROR_INVALID_PARAMETER, err::kInvalidCall},
    {ERROR_NOT_ENOUGH_MEMORY, err::kOutOfMemory},
    {ERROR_OUTOFMEMORY, err::kOutOfMemory},
};
}  // namespace

int ClassicNumber(unsigned long windowsError) {
  for (const Mapping& m : kMappings)
    if (m.windowsError == windowsError) return m.number;
  return err::kPathFileAccess;
}

Failure FailureFromError(unsigned long windowsError) {
  return MakeFailure(ClassicNumber(windowsError));
}

Failure LastFailure() { return FailureFromError(GetLastError()); }

}  // namespace kalv::win32
