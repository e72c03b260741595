// How long a Quake 3 or Elite Force demo runs: from its first snapshot's server time to its
// last's. The first is in the blocks after the gamestate. The last is found from the file's
// end, where a block cannot be told from noise by itself: the blocks are the longest chain,
// of two at least, that runs exactly to the end (or to the end mark of -1s) with rising
// sequences.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "games/engine_message.h"
#include "platform/files.h"

namespace kalv {

// How much of each end of a demo is read: enough for two of the largest blocks and the end
// mark, as the end's blocks are told by a chain of at least two.
constexpr std::size_t kEngineLengthBytes = 3 * kEngineMessageBytes;

// head: the file's first bytes, tail: its last (the whole file when it is small). In
// milliseconds; nothing when either snapshot is not found, the file is cut short, or the
// times make no length.
std::optional<std::uint32_t> EngineDemoLength(std::string_view head, std::string_view tail);

// The length of the demo file; nothing when it cannot be read or tells none.
std::optional<std::uint32_t> ReadEngineDemoLength(Files& files, const std::string& path);

}  // namespace kalv
