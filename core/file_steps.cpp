#include "core/file_steps.h"

#include <utility>

namespace kalv {

FileStep MakeNormal(std::string path) { return {FileStep::Kind::MakeNormal, std::move(path), ""}; }
FileStep MakeReadOnly(std::string path) {
  return {FileStep::Kind::MakeReadOnly, std::move(path), ""};
}
FileStep CopyFile(std::string source, std::string destination) {
  return {FileStep::Kind::Copy, std::move(destination), std::move(source)};
}
FileStep RenameFile(std::string source, std::string destination) {
  return {FileStep::Kind::Rename, std::move(destination), std::move(source)};
}
FileStep MakeDirectory(std::string path) {
  return {FileStep::Kind::MakeDirectory, std::move(path), ""};
}
FileStep DeleteFile(std::string path) { return {FileStep::Kind::Delete, std::move(path), ""}; }
FileStep SetAttributes(std::string path, std::uint32_t attributes) {
  return {FileStep::Kind::SetAttributes, std::move(path), "", attributes};
}

Status Apply(Files& files, const FileStep& step) {
  switch (step.kind) {
    case FileStep::Kind::MakeNormal: return files.SetAttributes(step.path, attr::kNormal);
    case FileStep::Kind::MakeReadOnly: return files.SetAttributes(step.path, attr::kReadOnly);
    case FileStep::Kind::Copy: return files.Copy(step.source, step.path);
    case FileStep::Kind::Rename: return files.Rename(step.source, step.path);
    case FileStep::Kind::MakeDirectory: return files.MakeDirectory(step.path);
    case FileStep::Kind::Delete: return files.Delete(step.path);
    case FileStep::Kind::SetAttributes: return files.SetAttributes(step.path, step.attributes);
  }
  return Status::Fail(err::kInvalidCall);
}

bool UndoEach(Files& files, const Steps& steps) {
  bool done = true;
  for (const FileStep& step : steps) {
    if (step.kind == FileStep::Kind::Delete) Skip(files.SetAttributes(step.path, attr::kNormal));
    const Status status = Apply(files, step);
    const int n = status.number();
    const bool onAFile = step.kind == FileStep::Kind::Delete ||
                         step.kind == FileStep::Kind::MakeNormal ||
                         step.kind == FileStep::Kind::SetAttributes;
    const bool gone = onAFile && (n == err::kFileNotFound || n == err::kPathNotFound);
    if (!status && !gone) done = false;
  }
  return done;
}

int ApplyEach(Files& files, const Steps& steps) {
  int failed = 0;
  for (const FileStep& step : steps)
    if (!Apply(files, step).ok()) ++failed;
  return failed;
}

}  // namespace kalv
