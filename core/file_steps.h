// A game's prepared files as data: each step names one file operation. Preparing a game
// and undoing it are lists of steps, run in the skipping mode (a step that fails is
// ignored and the next one runs), so every undo step is harmless to repeat.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"

namespace kalv {

struct FileStep {
  enum class Kind {
    MakeNormal,
    MakeReadOnly,
    Copy,
    Rename,
    MakeDirectory,
    Delete,
    SetAttributes,
    PutBack,
  };
  Kind kind;
  std::string path;              // the file acted on; for Copy and Rename the destination
  std::string source;            // Copy and Rename; PutBack: the file set aside
  std::uint32_t attributes = 0;  // SetAttributes only: what the file had before a run
};
using Steps = std::vector<FileStep>;

inline bool operator==(const FileStep& a, const FileStep& b) {
  return a.kind == b.kind && a.path == b.path && a.source == b.source &&
         a.attributes == b.attributes;
}

FileStep MakeNormal(std::string path);
FileStep MakeReadOnly(std::string path);
FileStep CopyFile(std::string source, std::string destination);
FileStep RenameFile(std::string source, std::string destination);
FileStep MakeDirectory(std::string path);
FileStep DeleteFile(std::string path);
FileStep SetAttributes(std::string path, std::uint32_t attributes);
// A user's file that had a name the run needed was set aside as aside: the file under
// path goes and aside takes its name again. Nothing happens while aside is not there (the
// run was cut off before it set the file aside, so path is still the user's own).
FileStep PutBack(std::string aside, std::string path);

// After a file's name, the name it is set aside under while a run needs its name; a
// number follows when that name is taken too.
constexpr const char kAsideSuffix[] = ".kalvenmarque-aside";

// One step; its failure as the platform reports it.
Status Apply(Files& files, const FileStep& step);
// Every step in order, failures ignored. Returns how many failed.
int ApplyEach(Files& files, const Steps& steps);
// Every undo step in order, failures ignored; the steps that could not be done, with why.
// A file to delete or whose attributes to put back that is gone already counts as done (an
// undo is harmless to repeat). A file to delete is made writable first: what a run copied
// in is the run's own, whatever attributes its source had.
struct Leftover {
  std::string path;
  Failure failure;
};
std::vector<Leftover> UndoEach(Files& files, const Steps& steps);

}  // namespace kalv
