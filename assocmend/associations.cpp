#include "assocmend/associations.h"

#include "assocmend/association_table.h"
#include "assocmend/texts.h"
#include "platform/files.h"

namespace kalv::assocmend {

namespace {

constexpr std::uint32_t kBrowserFlags = 8;
constexpr std::uint32_t kEditFlags = 0;

// Runs every step even after a failure, as the keys are independent of each other, and
// remembers whether any of them failed.
class Writer {
 public:
  Writer(Registry& registry, const ClassesPlace& place) : registry_(registry), place_(place) {}

  void Create(const std::string& key) { Note(registry_.CreateKey(place_.root, Path(key))); }
  void SetString(const std::string& key, const std::string& name, const std::string& value) {
    Note(registry_.SetString(place_.root, Path(key), name, value));
  }
  void SetDword(const std::string& key, const std::string& name, std::uint32_t value) {
    Note(registry_.SetDword(place_.root, Path(key), name, value));
  }
  bool allSucceeded() const { return allSucceeded_; }

 private:
  std::string Path(const std::string& key) const { return place_.prefix + key; }
  void Note(const Status& status) { allSucceeded_ = allSucceeded_ && status.ok(); }

  Registry& registry_;
  ClassesPlace place_;
  bool allSucceeded_ = true;
};

}  // namespace

ClassesPlace MachineClasses() { return {RegRoot::ClassesRoot, ""}; }
ClassesPlace PerUserClasses() { return {RegRoot::CurrentUser, text::kPerUserClasses}; }

// Three passes: every key first, then the ProgID values, then the extension defaults, so
// an extension never names a ProgID that is not complete yet.
bool WriteAssociationsAt(Registry& registry, const ClassesPlace& place, const std::string& ownDir) {
  Writer writer(registry, place);
  for (const DemoType& type : DemoTypes())
    for (const std::string& sub : ProgIdSubKeysToCreate()) writer.Create(type.progId + sub);
  for (const std::string& extension : ExtensionCreateOrder()) writer.Create(extension);

  for (const DemoType& type : DemoTypes()) {
    const std::string p = type.progId;
    writer.SetString(p, "", type.description);
    writer.SetDword(p, "BrowserFlags", kBrowserFlags);
    writer.SetDword(p, "EditFlags", kEditFlags);
    writer.SetString(p + "\\DefaultIcon", "", IconValue(type, ownDir));
    writer.SetString(p + "\\Shell", "", type.verb);
    writer.SetString(p + "\\Shell\\Open\\Command", "", OpenCommand(ownDir));
    writer.SetString(p + "\\Shell\\Open Kalvenmarque\\Command", "", SecondVerbCommand(ownDir));
  }

  for (const std::string& extension : ExtensionValueOrder())
    for (const DemoType& type : DemoTypes())
      if (extension == type.extension) writer.SetString(extension, "", type.progId);
  return writer.allSucceeded();
}

namespace {

// Whether an ending's key is ours to remove: its default value names one of our types, or
// it names nothing at all (an empty key loses nobody anything). An ending another program
// has taken over since keeps its key.
bool IsOurs(Registry& registry, const ClassesPlace& place, const std::string& extension) {
  constexpr std::size_t kValueChars = 1024;
  auto value = registry.QueryString(place.root, place.prefix + extension, "", kValueChars);
  if (!value || value.value().empty()) return true;
  for (const DemoType& type : DemoTypes())
    if (EqualsNoCase(value.value(), type.progId)) return true;
  return false;
}

}  // namespace

// A key that is absent, or that another program gave a subkey of its own, is left as it
// is; that is not a failure of the removal.
void RemoveAssociationsAt(Registry& registry, const ClassesPlace& place) {
  const std::string prefix = place.prefix;
  for (const std::string& progId : RemoveProgIdOrder())
    for (const std::string& sub : ProgIdSubKeysToRemove())
      Skip(registry.DeleteKey(place.root, prefix + progId + sub));
  for (const std::string& extension : ExtensionCreateOrder())
    if (IsOurs(registry, place, extension))
      Skip(registry.DeleteKey(place.root, prefix + extension));
}

// Without administrator rights current Windows refuses writes below HKEY_CLASSES_ROOT;
// the per-user classes then give the same associations to the user who asked.
WriteOutcome WriteAssociations(Registry& registry, const std::string& ownDir) {
  if (WriteAssociationsAt(registry, MachineClasses(), ownDir)) return WriteOutcome::MachineWide;
  if (WriteAssociationsAt(registry, PerUserClasses(), ownDir)) return WriteOutcome::PerUser;
  return WriteOutcome::Failed;
}

// Per-user keys go first: HKEY_CLASSES_ROOT shows a per-user key in place of the
// machine-wide one, so deleting through it first would leave the machine-wide key behind.
void RemoveAssociations(Registry& registry) {
  RemoveAssociationsAt(registry, PerUserClasses());
  RemoveAssociationsAt(registry, MachineClasses());
}

}  // namespace kalv::assocmend
