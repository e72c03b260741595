#include "assocmend/association_table.h"

#include "assocmend/texts.h"

namespace kalv::assocmend {

// Icon indices follow the main program's icon order; the Quake 3 releases from 1.30 on
// name their verb in lower case.
const std::vector<DemoType>& DemoTypes() {
  static const std::vector<DemoType> types = {
      {"Kalvenmarque.HL", ".dem", "Half-Life/Unreal Tournament/Quake 1 Demo", 5, "Open"},
      {"Kalvenmarque.v1_17_", ".dm3", "Quake 3 Demo (v1.17)", 3, "Open"},
      {"Kalvenmarque.v1_27h", ".dm_48", "Quake 3 Demo (v1.27h)", 4, "Open"},
      {"Kalvenmarque.v1_30_", ".dm_66", "Quake 3 Demo (v1.30)", 1, "open"},
      {"Kalvenmarque.v1_31_", ".dm_67", "Quake 3 Demo (v1.31)", 7, "open"},
      {"Kalvenmarque.v1_32_", ".dm_68", "Quake 3 Demo (v1.32)", 8, "open"},
      {"Kalvenmarque.STVEF", ".efdemo", "Star Trek Voyager Elite Force Demo", 2, "Open"},
      {"Kalvenmarque.Q2", ".dm2", "Quake 2 Demo", 6, "Open"},
  };
  return types;
}

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
