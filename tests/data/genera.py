#!/usr/bin/env python3
"""Writes the broken and borderline carrier bitmaps of this folder and
attese.txt, the outcome each one must have.

Run it from anywhere: python3 tests/data/genera.py. Standard library only, and
deterministic, so a second run reproduces the committed files byte for byte.

Every case states its outcome by hand. The test of this folder holds both the
engine and the tests' model of the format (tests/modello) against it, so a
slip in the statement cannot pass unseen; this script only writes.
"""
import os
import struct

CARTELLA = os.path.dirname(os.path.abspath(__file__))

BM = "Windows 3.1x,95,98,Me,NT,2000 .... "
TIPI = {
    b"BM": BM,
    b"BA": "OS/2 Bitmap Array",
    b"CI": "OS/2 Color Icon",
    b"CP": "OS/2 Color Pointer",
    b"IC": "OS/2 Icon",
    b"PT": "OS/2 Pointer",
}


# ---------------------------------------------------------------- building

def rumore(n, seme):
    """n reproducible pseudo-random bytes (a plain LCG: no library versions)."""
    out = bytearray()
    x = seme & 0xFFFFFFFF
    for _ in range(n):
        x = (x * 1103515245 + 12345) & 0xFFFFFFFF
        out.append((x >> 16) & 0xFF)
    return out


def bitmap(firma=b"BM", dimensione=None, offset=54, lunghezza_header=40, larghezza=10,
           altezza=10, piani=1, bpp=24, compressione=0, pixel=None, seme=1, riempi=True):
    """A bitmap file: the 14-byte file header, an info header of the given
    length (fields filled as far as it reaches), padding up to the offset when
    the offset lies beyond the headers (unless riempi is false, for an offset
    that points past the end), then the pixel bytes. The declared size
    defaults to the real one."""
    if lunghezza_header == 12:  # the old core header: 16-bit fields
        info = struct.pack("<IHHHH", 12, larghezza & 0xFFFF, altezza & 0xFFFF, piani, bpp)
    else:
        info = struct.pack("<IIIHHIIIIII", lunghezza_header, larghezza & 0xFFFFFFFF,
                           altezza & 0xFFFFFFFF, piani, bpp, compressione, 320, 2835, 2835, 0, 0)
        info = (info + bytes(lunghezza_header))[:lunghezza_header]
    testa = 14 + len(info)
    if pixel is None:
        pixel = rumore(320, seme)
    corpo = bytearray(info) + bytes(max(0, offset - testa) if riempi else 0)
    dati = bytearray(firma) + bytearray(12) + corpo + pixel
    reale = len(dati)
    struct.pack_into("<II", dati, 2, reale if dimensione is None else dimensione, 0)
    struct.pack_into("<I", dati, 10, offset)
    return dati


def flusso(payload, K, lunghezza=None):
    """The hidden stream: the 32-bit length field (L XOR K, or a raw value)
    and the payload bytes XOR K."""
    campo = (len(payload) ^ K) if lunghezza is None else lunghezza
    return struct.pack(">I", campo) + bytes(b ^ K for b in payload)


def nascondi(dati, inizio, stream, nbit):
    """Writes the stream into the low nbit bits of the bytes from `inizio`,
    most significant bits first; the upper bits stay."""
    dati = bytearray(dati)
    bits = "".join(format(b, "08b") for b in stream)
    basso = (1 << nbit) - 1
    for k in range(0, len(bits), nbit):
        p = inizio + k // nbit
        dati[p] = (dati[p] & ~basso & 0xFF) | int(bits[k:k + nbit], 2)
    return bytes(dati)


def maschera(chiave):
    K = 0
    for c in chiave.encode("latin-1"):
        K ^= c
    return K


def con(payload, nbit=1, chiave="", lunghezza=None, **campi):
    """A carrier built by bitmap(**campi) holding `payload` hidden from its offset."""
    dati = bitmap(**campi)
    offset = struct.unpack_from("<I", dati, 10)[0]
    return nascondi(dati, offset, flusso(payload, maschera(chiave), lunghezza), nbit)


# ---------------------------------------------------------------- the cases

VALIDO = con(b"Tavelin")          # 374 bytes, the stream ends at offset 142
NOTA = "Tavelin".encode()
ENORME = 0xFFFFFFFF

# name: (bytes, Nbit of the reveal, key, LeggiHeader at 1 bit, TipoBitmap,
#        BytesUtilizzabili at 1 bit or None, reveal: "False", "Errore" or bytes)
CASI = {
    # whole carriers
    "valido_1bit.bmp": (VALIDO, 1, "", True, BM, 36, NOTA),
    "valido_2bit.bmp": (con(b"Bit a due", nbit=2), 2, "", True, BM, 36, b"Bit a due"),
    "valido_4bit.bmp": (con(b"Quattro bit", nbit=4), 4, "", True, BM, 36, b"Quattro bit"),
    "valido_8bit.bmp": (con(bytes(range(200, 256)) + bytes(100), nbit=8), 8, "", True, BM, 36,
                        bytes(range(200, 256)) + bytes(100)),
    "bit_sbagliati.bmp": (con(b"Due bit letti a quattro", nbit=2), 4, "", True, BM, 36, "False"),
    "testo_False.bmp": (con(b"False"), 1, "", True, BM, 36, b"False"),
    "altezza_negativa.bmp": (con(b"Dall'alto", altezza=-10), 1, "", True, BM, 36, b"Dall'alto"),
    "rle_compressione_1.bmp": (con(b"RLE", bpp=8, compressione=1), 1, "", True, BM, 36, b"RLE"),
    # keys
    "chiave_giusta.bmp": (con(b"segreto", chiave="Tavelin"), 1, "Tavelin", True, BM, 36,
                          b"segreto"),
    "chiave_stessa_maschera.bmp": (con(b"segreto", chiave="ab"), 1, "ba", True, BM, 36,
                                   b"segreto"),
    # hidden with mask 3, read with none: length 5 ^ 3 = 6, bytes ^ 3, then a
    # sixth byte from carrier bits that are all zero
    "chiave_vuota.bmp": (con(b"piano", chiave="ab", pixel=bytearray([0x80]) * 320), 1, "",
                         True, BM, 36, bytes(b ^ 3 for b in b"piano") + b"\x00"),
    # signatures
    "vuoto.bmp": (b"", 1, "", False, "", None, "False"),
    "un_byte.bmp": (b"B", 1, "", False, "", None, "False"),
    "solo_firma.bmp": (b"BM", 1, "", False, BM, None, "False"),
    "firma_minuscola.bmp": (con(NOTA, firma=b"bm"), 1, "", False, "", None, "False"),
    "firma_invertita.bmp": (con(NOTA, firma=b"MB"), 1, "", False, "", None, "False"),
    "firma_sconosciuta.bmp": (con(NOTA, firma=b"\x00\xff"), 1, "", False, "", None, "False"),
    "firma_BA.bmp": (con(b"BA", firma=b"BA"), 1, "", True, "OS/2 Bitmap Array", 36, b"BA"),
    "firma_CI.bmp": (con(b"CI", firma=b"CI"), 1, "", True, "OS/2 Color Icon", 36, b"CI"),
    "firma_CP.bmp": (con(b"CP", firma=b"CP"), 1, "", True, "OS/2 Color Pointer", 36, b"CP"),
    "firma_IC.bmp": (con(b"IC", firma=b"IC"), 1, "", True, "OS/2 Icon", 36, b"IC"),
    "firma_PT.bmp": (con(b"PT", firma=b"PT"), 1, "", True, "OS/2 Pointer", 36, b"PT"),
    # info-header lengths other than 40
    "header_12.bmp": (con(NOTA, lunghezza_header=12, offset=26), 1, "", False, BM, None, "False"),
    "header_64.bmp": (con(NOTA, lunghezza_header=64, offset=78), 1, "", False, BM, None, "False"),
    "header_108.bmp": (con(NOTA, lunghezza_header=108, offset=122), 1, "", False, BM, None,
                       "False"),
    "header_124.bmp": (con(NOTA, lunghezza_header=124, offset=138), 1, "", False, BM, None,
                       "False"),
    "header_0.bmp": (con(NOTA, lunghezza_header=0, offset=14), 1, "", False, BM, None, "False"),
    # the valid carrier cut short: the missing header bytes count 0
    "troncato_6.bmp": (VALIDO[:6], 1, "", False, BM, None, "False"),
    "troncato_10.bmp": (VALIDO[:10], 1, "", False, BM, None, "False"),
    "troncato_14.bmp": (VALIDO[:14], 1, "", False, BM, None, "False"),
    "troncato_18.bmp": (VALIDO[:18], 1, "", True, BM, 36, "Errore"),
    "troncato_30.bmp": (VALIDO[:30], 1, "", True, BM, 36, "Errore"),
    "troncato_54.bmp": (VALIDO[:54], 1, "", True, BM, 36, "Errore"),
    "troncato_70.bmp": (VALIDO[:70], 1, "", True, BM, 36, "Errore"),
    "troncato_86.bmp": (VALIDO[:86], 1, "", True, BM, 36, "Errore"),
    "troncato_141.bmp": (VALIDO[:141], 1, "", True, BM, 36, "Errore"),
    "troncato_142.bmp": (VALIDO[:142], 1, "", True, BM, 36, NOTA),
    # declared size and offset
    "dimensione_uguale_offset.bmp": (con(NOTA, dimensione=54), 1, "", False, BM, None, "False"),
    "dimensione_minore_offset.bmp": (con(NOTA, dimensione=40), 1, "", False, BM, None, "False"),
    "dimensione_zero.bmp": (bitmap(dimensione=0, offset=0), 1, "", False, BM, None, "False"),
    "dimensione_minore_reale.bmp": (con(b"Z", dimensione=100), 1, "", True, BM, 1, b"Z"),
    "offset_oltre_fine.bmp": (bitmap(offset=1000, dimensione=2000, riempi=False), 1, "", True,
                              BM, 121, "Errore"),
    "offset_vicino_2alla32.bmp": (bitmap(offset=0xFFFFFF00, dimensione=ENORME, riempi=False), 1,
                                  "", True, BM, 27, "Errore"),
    "offset_massimo.bmp": (bitmap(offset=0xFFFFFFFE, dimensione=ENORME, riempi=False), 1, "",
                           True, BM, -4, "False"),
    # at offset 0 the length field comes from the header's own low bits:
    # 0x50000008, far above the capacity
    "offset_zero.bmp": (bitmap(offset=0), 1, "", True, BM, 42, "False"),
    "dimensione_enorme.bmp": (con(NOTA, dimensione=ENORME), 1, "", True, BM, 536870901, NOTA),
    "dimensione_enorme_lunghezza_grande.bmp": (con(b"", dimensione=ENORME, lunghezza=1000000),
                                               1, "", True, BM, 536870901, "Errore"),
    "lunghezza_massima_8bit.bmp": (con(b"", nbit=8, dimensione=ENORME, lunghezza=0x7FFFFFFF),
                                   8, "", True, BM, 536870901, "Errore"),
    "lunghezza_2alla31_8bit.bmp": (con(b"", nbit=8, dimensione=ENORME, lunghezza=0x80000000),
                                   8, "", True, BM, 536870901, "False"),
    # stored lengths against the capacity (36 at 1 bit)
    "lunghezza_2alla31.bmp": (con(b"", lunghezza=0x80000000), 1, "", True, BM, 36, "False"),
    "lunghezza_ffffffff.bmp": (con(b"", lunghezza=0xFFFFFFFF), 1, "", True, BM, 36, "False"),
    "lunghezza_zero.bmp": (con(b""), 1, "", True, BM, 36, b""),
    "lunghezza_capienza_meno_1.bmp": (con(bytes(range(65, 100))), 1, "", True, BM, 36,
                                      bytes(range(65, 100))),
    "lunghezza_uguale_capienza.bmp": (con(bytes(range(65, 101))), 1, "", True, BM, 36,
                                      bytes(range(65, 101))),
    "lunghezza_sopra_capienza.bmp": (con(b"", lunghezza=37), 1, "", True, BM, 36, "False"),
    "capienza_zero.bmp": (con(b"", dimensione=86), 1, "", True, BM, 0, b""),
    "capienza_zero_lunghezza_1.bmp": (con(b"", dimensione=86, lunghezza=1), 1, "", True, BM, 0,
                                      "False"),
    "capienza_negativa.bmp": (con(b"", dimensione=55), 1, "", True, BM, -4, "False"),
    "capienza_negativa_corta.bmp": (con(b"", dimensione=55)[:55], 1, "", True, BM, -4, "False"),
}


def esito(r):
    return r if isinstance(r, str) else "hex:" + r.hex()


def main():
    righe = [
        "# Outcomes of the carriers in this folder; written by genera.py, do not edit.",
        "# name  LeggiHeader(1 bit)  \"TipoBitmap\"  BytesUtilizzabili(1 bit, - if refused)"
        "  Nbit  \"key\"  DeCryptBitmap",
        "# The reveal is in text mode at Nbit with the key: False, Errore (Crypta::Errore"
        " thrown) or hex: and the revealed bytes.",
    ]
    for nome, (dati, nbit, chiave, ok, tipo, capienza, atteso) in sorted(CASI.items()):
        with open(os.path.join(CARTELLA, nome), "wb") as f:
            f.write(bytes(dati))
        righe.append('%s %s "%s" %s %d "%s" %s' % (nome, "True" if ok else "False", tipo,
                                                    "-" if capienza is None else capienza, nbit,
                                                    chiave, esito(atteso)))
    with open(os.path.join(CARTELLA, "attese.txt"), "w", newline="\n") as f:
        f.write("\n".join(righe) + "\n")
    print("%d file scritti in %s" % (len(CASI), CARTELLA))


if __name__ == "__main__":
    main()
