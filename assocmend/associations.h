// Writing and removing the Explorer associations of the demo types.
#pragma once

#include <string>

#include "platform/registry.h"

namespace kalv::assocmend {

// Where a set of associations lives: machine-wide under HKEY_CLASSES_ROOT, or per user
// under HKEY_CURRENT_USER\Software\Classes.
struct ClassesPlace {
  RegRoot root;
  const char* prefix;  // put before every key path
};
ClassesPlace MachineClasses();
ClassesPlace PerUserClasses();

enum class WriteOutcome { MachineWide, PerUser, Failed };

// Writes every key and value at one place; true when every step succeeded.
bool WriteAssociationsAt(Registry& registry, const ClassesPlace& place, const std::string& ownDir);
// Deletes the keys written at one place, deepest first; other keys stay.
void RemoveAssociationsAt(Registry& registry, const ClassesPlace& place);

// Machine-wide, or per user when the machine-wide writes are refused.
WriteOutcome WriteAssociations(Registry& registry, const std::string& ownDir);
// Both places.
void RemoveAssociations(Registry& registry);

}  // namespace kalv::assocmend
