// Runs the fuzz target once over each file named on the command line, or in
// each folder named there, so that an ordinary build tests it without
// libFuzzer. A failed check aborts, and the name printed last is the culprit.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  std::vector<fs::path> file;
  for (int i = 1; i < argc; ++i) {
    const fs::path p = argv[i];
    if (fs::is_directory(p)) {
      for (const auto& e : fs::directory_iterator(p))
        if (e.is_regular_file()) file.push_back(e.path());
    } else if (fs::is_regular_file(p)) {
      file.push_back(p);
    } else {
      std::fprintf(stderr, "not a file or folder: %s\n", p.c_str());
      return 2;
    }
  }
  std::sort(file.begin(), file.end());
  for (const fs::path& p : file) {
    std::fprintf(stderr, "%s\n", p.c_str());
    std::ifstream f(p, std::ios::binary);
    const std::vector<uint8_t> dati(std::istreambuf_iterator<char>(f), {});
    LLVMFuzzerTestOneInput(dati.data(), dati.size());
  }
  std::printf("%zu inputs run\n", file.size());
  return file.empty() ? 1 : 0;
}
