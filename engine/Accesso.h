// What hiding and revealing need of a file: its size, positioned block reads
// and writes, and a flush to the device. The engine's File is one; tests put
// a recording or failing one in its place to see the order of the writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Crypta {

class Accesso {
 public:
  virtual ~Accesso() = default;
  virtual const std::string& Nome() const = 0;  // the name in messages
  virtual int64_t Dimensione() const = 0;
  // Reads up to n bytes at pos; returns fewer only at the end of the file.
  virtual size_t LeggiA(int64_t pos, void* buf, size_t n) const = 0;
  virtual void ScriviA(int64_t pos, const void* buf, size_t n) const = 0;
  // Returns once the data written so far is on the device.
  virtual void Sincronizza() const = 0;
  // Copies the n bytes at pos of `da` to the same place here. This one goes
  // through a buffer; a file may do it without one.
  virtual void CopiaDa(const Accesso& da, int64_t pos, int64_t n) const;

 protected:
  Accesso() = default;
  Accesso(const Accesso&) = default;
  Accesso& operator=(const Accesso&) = default;
};

}  // namespace Crypta
