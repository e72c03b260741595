#include "launcher/program.h"

namespace kalv {

Program::Program(Platform& p) : platform(p), commandLine(p.system.CommandLine()) {}

void Program::RegisterRestore(const std::string& gameCode, Restore restore) {
  for (auto& entry : restores_) {
    if (entry.first == gameCode) {
      entry.second = std::move(restore);
      return;
    }
  }
  restores_.emplace_back(gameCode, std::move(restore));
}

// Codes compare exactly: "q3a" is not "Q3A".
const Program::Restore* Program::FindRestore(const std::string& gameCode) const {
  for (const auto& entry : restores_)
    if (entry.first == gameCode && entry.second) return &entry.second;
  return nullptr;
}

}  // namespace kalv
