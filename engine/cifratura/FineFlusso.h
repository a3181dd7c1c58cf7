// Where a secretstream ends inside a chunk that failed as a whole: the
// libsodium side of telling "bytes after the end" from a wrong passphrase.
#pragma once

#include <sodium.h>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace Crypta {

using Stream = crypto_secretstream_xchacha20poly1305_state;

// The length of the shortest prefix of `pezzo`, shorter than `n`, that is a
// whole final chunk of the stream `s`, if there is one; `s` is not changed.
std::optional<size_t> FineNelPezzo(const Stream& s, const uint8_t* pezzo, size_t n,
                                   const uint8_t* associati, size_t quanti);

}  // namespace Crypta
