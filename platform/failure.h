// Failures as the programs report them: a classic run-time number with its English
// description. Platform calls return Status / Result; operations either skip a failed
// step or raise it into their handler.
#pragma once

#include <exception>
#include <optional>
#include <string>
#include <utility>

namespace kalv {

namespace err {
constexpr int kNone = 0;
constexpr int kInvalidCall = 5;         // "Invalid procedure call or argument"
constexpr int kOutOfMemory = 7;         // "Out of memory"
constexpr int kBadFileName = 52;        // "Bad file name or number"
constexpr int kFileNotFound = 53;       // "File not found"
constexpr int kBadFileMode = 54;        // "Bad file mode"
constexpr int kFileAlreadyOpen = 55;    // "File already open"
constexpr int kDeviceIO = 57;           // "Device I/O error"
constexpr int kFileExists = 58;         // "File already exists"
constexpr int kDiskFull = 61;           // "Disk full"
constexpr int kInputPastEnd = 62;       // "Input past end of file"
constexpr int kTooManyFiles = 67;       // "Too many files"
constexpr int kDeviceUnavailable = 68;  // "Device unavailable"
constexpr int kPermissionDenied = 70;   // "Permission denied"
constexpr int kDiskNotReady = 71;       // "Disk not ready"
constexpr int kPathFileAccess = 75;     // "Path/File access error"
constexpr int kPathNotFound = 76;       // "Path not found"
}  // namespace err

struct Failure {
  int number = err::kNone;
  std::string description;
};

// The English description of a classic run-time number ("" for 0).
std::string DescribeFailure(int number);
Failure MakeFailure(int number);

// Success, or one failure.
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(Failure failure) : failure_(std::move(failure)) {}  // NOLINT: implicit by design
  static Status Ok() { return Status(); }
  static Status Fail(int number) { return Status(MakeFailure(number)); }
  bool ok() const { return failure_.number == err::kNone; }
  explicit operator bool() const { return ok(); }
  // The failure; number kNone for a success, so asking is never undefined.
  const Failure& failure() const { return failure_; }
  int number() const { return failure_.number; }

 private:
  Failure failure_;
};

// A value, or one failure.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}              // NOLINT: implicit by design
  Result(Failure failure) : failure_(std::move(failure)) {}  // NOLINT
  // No conversion from Status: a successful one would make a Result with neither a value
  // nor a failure. Pass status.failure() where the status is known to have failed.
  Result(const Status&) = delete;
  static Result Fail(int number) { return Result(MakeFailure(number)); }
  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  const T& value() const& { return *value_; }
  T& value() & { return *value_; }
  T&& value() && { return std::move(*value_); }
  T value_or(T other) const { return ok() ? *value_ : std::move(other); }
  const Failure& failure() const { return failure_; }
  Status status() const { return ok() ? Status() : Status(failure_); }

 private:
  std::optional<T> value_;
  Failure failure_;
};

// Thrown by OrRaise: carries a failure into the handler of a "handled" operation.
class RaisedFailure : public std::exception {
 public:
  explicit RaisedFailure(Failure failure) : failure_(std::move(failure)) {}
  const Failure& failure() const { return failure_; }
  const char* what() const noexcept override { return failure_.description.c_str(); }

 private:
  Failure failure_;
};

// Handled mode: a failed step jumps to the operation's handler.
void OrRaise(const Status& status);
template <class T>
T OrRaise(Result<T> result) {
  if (!result.ok()) throw RaisedFailure(result.failure());
  return std::move(result).value();
}
[[noreturn]] void Raise(int number);

// Skipping mode: a failed step is ignored and the next one runs.
inline void Skip(const Status&) {}
template <class T>
void Skip(const Result<T>&) {}

}  // namespace kalv
