// Replays every file of the fuzz corpus through the fuzz target, so the inputs fuzzing found
// interesting stay checked by the ordinary build and its sanitizers.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  const std::filesystem::path dir = argc > 1 ? argv[1] : OMBREL_FUZZ_CORPUS;
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream file(entry.path(), std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++count;
  }
  std::printf("%d inputs replayed from %s\n", count, dir.c_str());
  // An empty or missing corpus would pass silently otherwise.
  return count > 0 ? 0 : 1;
}
