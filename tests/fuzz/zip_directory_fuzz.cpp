// A zip's directory in any bytes: found only inside the file, its names as many as its
// entries and within it; and read from a file, as it reads from the bytes whole.
#include "games/archive_directory.h"
#include "platform/fake/fake_platform.h"
#include "tests/fuzz/fuzz_target.h"

using namespace kalv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = fuzz::Text(data, size);
  std::optional<std::vector<std::string>> names;
  if (const auto directory = FindZipDirectory(bytes, 0, bytes.size())) {
    fuzz::Require(directory->offset + directory->size <= bytes.size(),
                  "the directory lies inside the file");
    const std::string_view within = std::string_view(bytes).substr(
        static_cast<std::size_t>(directory->offset), static_cast<std::size_t>(directory->size));
    names = ReadZipNames(within, directory->entries);
    if (names) {
      std::size_t total = 0;
      for (const std::string& name : *names) total += name.size();
      fuzz::Require(names->size() == directory->entries && total <= within.size(),
                    "one name per entry, each inside the directory");
    }
  }
  fake::FakeFiles files;
  files.AddFile("C:\\Q3\\baseq3\\a.pk3", bytes);
  fuzz::Require(ArchiveNames(files, "C:\\Q3\\baseq3\\a.pk3") == names,
                "the file reads as its bytes do");
  return 0;
}
