// The demo types the updater associates with the main program, and the registry keys
// and values each one gets.
#pragma once

#include <string>
#include <vector>

#include "core/demo_types.h"

namespace kalv::assocmend {

// The demo types, in the order the keys are created: the player's own table.
using kalv::DemoType;
using kalv::DemoTypes;

// The orders of the three write passes and of removal.
const std::vector<std::string>& ExtensionCreateOrder();
const std::vector<std::string>& ExtensionValueOrder();
const std::vector<std::string>& RemoveProgIdOrder();

// Subkeys of one ProgID as written (empty text is the ProgID key itself), creation order.
const std::vector<std::string>& ProgIdSubKeysToCreate();
// The same keys as removal names them, deepest first.
const std::vector<std::string>& ProgIdSubKeysToRemove();

// Values of one ProgID, ownDir being the directory of the main program.
std::string IconValue(const DemoType& type, const std::string& ownDir);
std::string OpenCommand(const std::string& ownDir);
std::string SecondVerbCommand(const std::string& ownDir);

}  // namespace kalv::assocmend
