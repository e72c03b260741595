// A PACK's directory in any bytes: found only inside the file, one name of at most 55
// characters per 64-byte entry; and read from a file, as it reads from the bytes whole.
#include "games/archive_directory.h"
#include "platform/fake/fake_platform.h"
#include "tests/fuzz/fuzz_target.h"

using namespace kalv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = fuzz::Text(data, size);
  std::optional<std::vector<std::string>> names;
  if (const auto directory = ReadPackHeader(bytes, bytes.size())) {
    fuzz::Require(directory->offset + directory->size <= bytes.size(),
                  "the directory lies inside the file");
    names = ReadPackNames(std::string_view(bytes).substr(
        static_cast<std::size_t>(directory->offset), static_cast<std::size_t>(directory->size)));
    if (names) {
      fuzz::Require(names->size() == directory->size / 64, "one name per entry");
      for (const std::string& name : *names) fuzz::Require(name.size() < 56, "a name in its field");
    }
  }
  fake::FakeFiles files;
  files.AddFile("C:\\Q1\\id1\\pak0.pak", bytes);
  fuzz::Require(ArchiveNames(files, "C:\\Q1\\id1\\pak0.pak") == names,
                "the file reads as its bytes do");
  return 0;
}
