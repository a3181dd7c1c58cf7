// The working buffers of hiding and revealing, kept per thread between calls.
#include <vector>

#include "Interno.h"

namespace Crypta {

uint8_t* Scorta(int quale, size_t n) {
  thread_local std::vector<uint8_t> scorte[2];
  std::vector<uint8_t>& s = scorte[quale];
  if (s.size() < n) s.resize(n);
  return s.data();
}

}  // namespace Crypta
