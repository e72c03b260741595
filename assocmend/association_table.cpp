#include "assocmend/association_table.h"

#include "assocmend/texts.h"

namespace kalv::assocmend {

const std::vector<std::string>& ExtensionCreateOrder() {
  static const std::vector<std::string> order = {".dm3",   ".dm_48", ".dm_66",  ".dm_67",
                                                 ".dm_68", ".dem",   ".efdemo", ".dm2"};
  return order;
}

const std::vector<std::string>& ExtensionValueOrder() {
  static const std::vector<std::string> order = {".efdemo", ".dem",   ".dm3",   ".dm_48",
                                                 ".dm_66",  ".dm_67", ".dm_68", ".dm2"};
  return order;
}

const std::vector<std::string>& RemoveProgIdOrder() {
  static const std::vector<std::string> order = {
      "Kalvenmarque.v1_17_", "Kalvenmarque.v1_27h", "Kalvenmarque.v1_30_", "Kalvenmarque.v1_31_",
      "Kalvenmarque.v1_32_", "Kalvenmarque.HL",     "Kalvenmarque.STVEF",  "Kalvenmarque.Q2"};
  return order;
}

const std::vector<std::string>& ProgIdSubKeysToCreate() {
  static const std::vector<std::string> keys = {"",
                                                "\\DefaultIcon",
                                                "\\Shell",
                                                "\\Shell\\Open",
                                                "\\Shell\\Open\\Command",
                                                "\\Shell\\Open Kalvenmarque",
                                                "\\Shell\\Open Kalvenmarque\\Command"};
  return keys;
}

// A key is deleted only once it has no subkeys, so children go before their parents.
const std::vector<std::string>& ProgIdSubKeysToRemove() {
  static const std::vector<std::string> keys = {"\\shell\\open Kalvenmarque\\Command",
                                                "\\shell\\open Kalvenmarque",
                                                "\\shell\\open\\command",
                                                "\\shell\\open",
                                                "\\Shell",
                                                "\\DefaultIcon",
                                                ""};
  return keys;
}

std::string IconValue(const DemoType& type, const std::string& ownDir) {
  return ownDir + text::kMainProgram + "," + std::to_string(type.iconIndex);
}

// The program path is quoted so that a directory with blanks works; "%1" stays unquoted
// because the main program takes the whole rest of its command line as the demo path.
std::string OpenCommand(const std::string& ownDir) {
  return "\"" + ownDir + text::kMainProgram + "\" %1";
}

std::string SecondVerbCommand(const std::string& ownDir) {
  return "\"" + ownDir + text::kMainProgram + "\" " + text::kSecondVerbMarker + " %1";
}

}  // namespace kalv::assocmend
