// The table of the six games with their operations, in the order start-up reads their
// directories and the language switch runs their detections.
#pragma once

#include "launcher/base/games.h"

namespace kalv {

const GameTable& Games();

}  // namespace kalv
