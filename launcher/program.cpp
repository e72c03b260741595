#include "launcher/program.h"

namespace kalv {

// Before the options window exists the language is English.
Program::Program(Platform& p) : platform(p), commandLine(p.system.CommandLine()) {
  languageIndex = [this] {
    return frmOptions.created() ? frmOptions.comLanguage.Selected() : 0;
  };
}

void Program::RegisterPlay(const std::string& gameCode, Operation play) {
  for (auto& entry : plays_) {
    if (entry.first == gameCode) {
      entry.second = std::move(play);
      return;
    }
  }
  plays_.emplace_back(gameCode, std::move(play));
}

const Program::Operation* Program::FindPlay(const std::string& gameCode) const {
  for (const auto& entry : plays_)
    if (entry.first == gameCode && entry.second) return &entry.second;
  return nullptr;
}

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
