// What the program needs of the system it starts on, before anything else:
// on Windows the arguments in UTF-8 (the system hands them over in UTF-16),
// UTF-8 on the console, and standard input, output and error in binary mode,
// so that payloads pass byte for byte and lines end as on Linux. Elsewhere
// the arguments already are UTF-8 bytes and nothing is done.
#pragma once

#include <string>
#include <vector>

namespace Cli {

class Console {
 public:
  // May point argc and argv at the arguments it keeps; it lives as long as they.
  Console(int& argc, char**& argv);
  ~Console();  // the console's code page as it was
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

 private:
  std::vector<std::string> argomenti_;
  std::vector<char*> puntatori_;
  unsigned codicePagina_ = 0;  // the console's output code page before ours
};

}  // namespace Cli
