// The stealth layout's keys from a passphrase, each by Argon2id at the cost
// of the encrypted payload's default (3 passes over 256 MiB): the walk's from
// a fixed application salt and the carrier's width and height, the cipher's
// from the random salt hidden in the carrier. Two full derivations stand
// between a guess and its check, and a dictionary made for one carrier's
// salt is worth nothing on the next.
#pragma once

#include <cstdint>
#include <string_view>

#include "Furtivo.h"

namespace Crypta::Furtivo {

constexpr unsigned long long kPassate = 3;
constexpr size_t kMemoria = size_t(256) << 20;

Chiave ChiaveCammino(std::string_view passphrase, int64_t larghezza, int64_t altezza);
Chiave ChiaveCifratura(std::string_view passphrase, const Sale& sale);
// A fresh random salt.
Sale SaleNuovo();

}  // namespace Crypta::Furtivo
