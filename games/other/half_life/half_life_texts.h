// Half-Life's messages in the string table (each the English row; German and Afrikaans
// follow).
#pragma once

namespace kalv::hltext {

// A demo of a game the installation lacks: %1 the game, %2 its folder.
constexpr int kGameMissing = 1033;

}  // namespace kalv::hltext
