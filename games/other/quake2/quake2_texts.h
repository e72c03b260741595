// Quake 2's messages in the string table (each the English row; German and Afrikaans
// follow).
#pragma once

namespace kalv::q2text {

constexpr int kCompanionFailed = 1021;  // %1 the companion, %2 why
constexpr int kFolderMissing = 1024;    // %1 the demo's game folder, %2 its path
constexpr int kOtherProtocol = 1027;    // %1 the demo's protocol (a question)
constexpr int kGameMissing = 1030;      // %1 quake2.exe

}  // namespace kalv::q2text
