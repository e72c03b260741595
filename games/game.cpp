#include "games/game.h"

namespace kalv {

GameState StateByFile(const Install& install, const std::string& dir, const char* marker) {
  GameState state;
  if (dir.size() >= kShortestGamePath)
    state.status =
        install.Has(dir + marker) ? GameState::Status::Found : GameState::Status::NotFound;
  return state;
}

// Each 32-bit half gives its high and low 16 bits, so 0x00010001 0x00000008 is 1.1.0.8.
std::string FileVersionText(const Install& install, const std::string& path) {
  const FixedFileVersion version = install.system.FileVersion(path).value_or(FixedFileVersion{});
  auto halves = [](std::uint32_t field) {
    return std::to_string(field >> 16) + "." + std::to_string(field & 0xFFFFu);
  };
  return halves(version.fileVersionMS) + "." + halves(version.fileVersionLS);
}

Notice Message(int id, std::vector<std::string> args) {
  Notice notice;
  notice.kind = Notice::Kind::Text;
  notice.id = id;
  notice.args = std::move(args);
  return notice;
}

}  // namespace kalv
