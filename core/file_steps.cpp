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
FileStep PutBack(std::string aside, std::string path) {
  return {FileStep::Kind::PutBack, std::move(path), std::move(aside)};
}

namespace {

bool Gone(const Status& status) {
  return status.number() == err::kFileNotFound || status.number() == err::kPathNotFound;
}

Status PutBackAside(Files& files, const FileStep& step) {
  if (!files.GetAttributes(step.source)) return Status::Ok();
  Skip(files.SetAttributes(step.path, attr::kNormal));
  if (const Status deleted = files.Delete(step.path); !deleted && !Gone(deleted)) return deleted;
  return files.Rename(step.source, step.path);
}

}  // namespace

Status Apply(Files& files, const FileStep& step) {
  switch (step.kind) {
    case FileStep::Kind::MakeNormal: return files.SetAttributes(step.path, attr::kNormal);
    case FileStep::Kind::MakeReadOnly: return files.SetAttributes(step.path, attr::kReadOnly);
    case FileStep::Kind::Copy: return files.Copy(step.source, step.path);
    case FileStep::Kind::Rename: return files.Rename(step.source, step.path);
    case FileStep::Kind::MakeDirectory: return files.MakeDirectory(step.path);
    case FileStep::Kind::Delete: return files.Delete(step.path);
    case FileStep::Kind::SetAttributes: return files.SetAttributes(step.path, step.attributes);
    case FileStep::Kind::PutBack: return PutBackAside(files, step);
  }
  return Status::Fail(err::kInvalidCall);
}

std::vector<Leftover> UndoEach(Files& files, const Steps& steps) {
  std::vector<Leftover> left;
  for (const FileStep& step : steps) {
    if (step.kind == FileStep::Kind::Delete) Skip(files.SetAttributes(step.path, attr::kNormal));
    const Status status = Apply(files, step);
    const bool onAFile = step.kind == FileStep::Kind::Delete ||
                         step.kind == FileStep::Kind::MakeNormal ||
                         step.kind == FileStep::Kind::SetAttributes;
    if (!status && !(onAFile && Gone(status))) left.push_back({step.path, status.failure()});
  }
  return left;
}

int ApplyEach(Files& files, const Steps& steps) {
  int failed = 0;
  for (const FileStep& step : steps)
    if (!Apply(files, step).ok()) ++failed;
  return failed;
}

}  // namespace kalv
