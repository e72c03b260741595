#include "platform/failure.h"

namespace kalv {

std::string DescribeFailure(int number) {
  switch (number) {
    case err::kNone: return "";
    case err::kInvalidCall: return "Invalid procedure call or argument";
    case err::kOutOfMemory: return "Out of memory";
    case err::kBadFileName: return "Bad file name or number";
    case err::kFileNotFound: return "File not found";
    case err::kBadFileMode: return "Bad file mode";
    case err::kFileAlreadyOpen: return "File already open";
    case err::kDeviceIO: return "Device I/O error";
    case err::kFileExists: return "File already exists";
    case err::kDiskFull: return "Disk full";
    case err::kInputPastEnd: return "Input past end of file";
    case err::kTooManyFiles: return "Too many files";
    case err::kDeviceUnavailable: return "Device unavailable";
    case err::kPermissionDenied: return "Permission denied";
    case err::kDiskNotReady: return "Disk not ready";
    case err::kPathFileAccess: return "Path/File access error";
    case err::kPathNotFound: return "Path not found";
    default: return "Application-defined or object-defined error";
  }
}

Failure MakeFailure(int number) { return Failure{number, DescribeFailure(number)}; }

void OrRaise(const Status& status) {
  if (!status.ok()) throw RaisedFailure(status.failure());
}

void Raise(int number) { throw RaisedFailure(MakeFailure(number)); }

}  // namespace kalv
