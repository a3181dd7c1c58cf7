#!/usr/bin/env python3
"""Draws Tavelin's own pictures: the 32 x 32 icon in 16 colours that the
window shows, the same picture at every size a desktop asks for (PNG from 16
to 256 pixels and a scalable SVG, from the shapes in disegno_icona.py), the
Windows icon with all those sizes, and the maker's 257 x 72 logo. Standard
library only, so the pictures can be remade anywhere. The output is
committed: the window's icon and the logo in piattaforma/risorse/, the
desktop icons in app/icone/, the Windows icon in app/risorse/."""
import os
import struct
import sys
import zlib

import disegno_icona

LATI = (16, 24, 32, 48, 64, 128, 256)  # the sizes desktops and Windows show

# The sixteen colours of the icon; index 0 is the transparent background.
TAVOLOZZA = [
    (0, 0, 0),        # 0 transparent
    (0, 0, 0),        # 1 black
    (128, 0, 0),      # 2 maroon
    (0, 128, 0),      # 3 green
    (128, 128, 0),    # 4 olive
    (0, 0, 128),      # 5 navy
    (0, 128, 128),    # 6 teal
    (192, 192, 192),  # 7 silver
    (128, 128, 128),  # 8 grey
    (255, 0, 0),      # 9 red
    (0, 255, 0),      # 10 lime
    (255, 255, 0),    # 11 yellow
    (0, 0, 255),      # 12 blue
    (160, 96, 32),    # 13 brown (frame wood)
    (0, 255, 255),    # 14 aqua
    (255, 255, 255),  # 15 white
]


def icona():
    """A framed landscape with a golden key across its lower right corner."""
    px = [[0] * 32 for _ in range(32)]
    for y in range(3, 27):
        for x in range(1, 31):
            if x in (1, 30) or y in (3, 26):
                px[y][x] = 1                      # outline
            elif x in (2, 3, 28, 29) or y in (4, 5, 24, 25):
                px[y][x] = 13 if (x + y) % 5 else 2  # wood with a grain
            else:
                px[y][x] = 14 if y < 12 else 6    # sky, lighter at the top
    for y in range(6, 24):                        # hills
        for x in range(4, 28):
            crest = 15 + (3 if x < 14 else 0) - abs(x - 9) // 3 - abs(x - 21) // 4
            if y >= crest:
                px[y][x] = 10 if y < crest + 2 else 3
    for y in range(6, 24):                        # sun
        for x in range(4, 28):
            d = (x - 22) ** 2 + (y - 9) ** 2
            if d <= 6:
                px[y][x] = 11
    for y in range(32):                           # the key: a ring, a shaft, two teeth
        for x in range(32):
            d = (x - 24) ** 2 + (y - 22) ** 2
            if d <= 26:
                px[y][x] = 1 if d >= 19 or d <= 2 else 11
            elif 5 <= x <= 19 and 20 <= y <= 24:
                px[y][x] = 1 if y in (20, 24) or x == 5 else 11
            elif (7 <= x <= 9 or 12 <= x <= 14) and 25 <= y <= 28:
                px[y][x] = 1 if y == 28 or x in (7, 9, 12, 14) else 11
    for y in range(32):                           # lines of hidden bits on the sky
        for x in range(6, 18):
            if y in (7, 9) and (x * 7 + y) % 3 == 0 and px[y][x] == 14:
                px[y][x] = 7
    return px


FONT = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    ".": [".....", ".....", ".....", ".....", ".....", ".##..", ".##.."],
}


def scrivi(img, testo, x0, y0, scala, colore, ombra=None):
    for i, c in enumerate(testo):
        for r, riga in enumerate(FONT[c]):
            for k, ch in enumerate(riga):
                if ch != "#":
                    continue
                for dy in range(scala):
                    for dx in range(scala):
                        x = x0 + i * 6 * scala + k * scala + dx
                        y = y0 + r * scala + dy
                        if ombra:
                            img[y + 1][x + 1] = ombra
                        img[y][x] = colore


def logo():
    w, h = 257, 72
    img = []
    for y in range(h):
        riga = []
        for x in range(w):
            t = x / (w - 1)
            riga.append((int(11 + 18 * t), int(37 + 55 * t + y * 0.2), int(64 + 58 * t)))
        img.append(riga)
    ico = icona()
    for y in range(32):                           # the icon, doubled, on a light tile
        for x in range(32):
            c = ico[y][x]
            rgb = TAVOLOZZA[c] if c else (228, 236, 240)
            for dy in range(2):
                for dx in range(2):
                    img[4 + 2 * y + dy][4 + 2 * x + dx] = rgb
    scrivi(img, "QUORVANE", 78, 10, 3, (242, 193, 78), (4, 20, 36))
    for x in range(78, 250):
        img[37][x] = (120, 200, 220)
    scrivi(img, "WWW.QUORVANE.EXAMPLE", 78, 48, 1, (220, 236, 242))
    return img


def chunk(tipo, dati):
    return (struct.pack(">I", len(dati)) + tipo + dati +
            struct.pack(">I", zlib.crc32(tipo + dati) & 0xFFFFFFFF))


def png_tavolozza(px):
    h, w = len(px), len(px[0])
    righe = b""
    for r in px:
        righe += b"\0" + bytes((r[i] << 4) | r[i + 1] for i in range(0, w, 2))
    plte = b"".join(bytes(c) for c in TAVOLOZZA)
    trns = b"\0"                                  # only index 0 is transparent
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 4, 3, 0, 0, 0)) +
            chunk(b"PLTE", plte) + chunk(b"tRNS", trns) +
            chunk(b"IDAT", zlib.compress(righe, 9)) + chunk(b"IEND", b""))


def png_rgb(img):
    h, w = len(img), len(img[0])
    righe = b"".join(b"\0" + b"".join(bytes(p) for p in r) for r in img)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(righe, 9)) + chunk(b"IEND", b""))


def png_rgba(img):
    h, w = len(img), len(img[0])
    righe = b"".join(b"\0" + b"".join(bytes(p) for p in r) for r in img)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(righe, 9)) + chunk(b"IEND", b""))


def bmp_16_colori(px):
    """The 32 x 32 icon as a Windows icon image: 4 bits per pixel and its mask."""
    xor = b"".join(bytes((r[i] << 4) | r[i + 1] for i in range(0, 32, 2)) for r in reversed(px))
    maschera = b""
    for r in reversed(px):
        bits = 0
        for x in range(32):
            bits = (bits << 1) | (1 if r[x] == 0 else 0)
        maschera += struct.pack(">I", bits)
    tav = b"".join(bytes((b, g, r, 0)) for (r, g, b) in TAVOLOZZA)
    dib = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, len(xor) + len(maschera), 0, 0, 16, 0)
    return dib + tav + xor + maschera


def ico(immagini):
    """A Windows icon from (side, colours, bits per pixel, image) entries."""
    testa = struct.pack("<HHH", 0, 1, len(immagini))
    voci, corpo = b"", b""
    inizio = 6 + 16 * len(immagini)
    for lato, colori, bit, dati in immagini:
        voci += struct.pack("<BBBBHHII", lato % 256, lato % 256, colori, 0, 1, bit, len(dati),
                            inizio + len(corpo))
        corpo += dati
    return testa + voci + corpo


def icone(px):
    """Each desktop size: the 16-colour drawing at 32, where it was designed,
    the shapes sampled anew at every other size."""
    return {lato: png_tavolozza(px) if lato == 32 else png_rgba(disegno_icona.raster(lato))
            for lato in LATI}


def main():
    radice = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..")
    px = icona()
    png = icone(px)
    windows = [(lato, 0, 32, png[lato]) if lato != 32 else (32, 16, 4, bmp_16_colori(px))
               for lato in LATI]
    file = [("piattaforma/risorse/tavelin.png", png_tavolozza(px)),
            ("app/risorse/tavelin.ico", ico(windows)),
            ("piattaforma/risorse/logo.png", png_rgb(logo())),
            ("app/icone/tavelin.svg", disegno_icona.svg().encode())]
    file += [("app/icone/tavelin-%d.png" % lato, png[lato]) for lato in LATI]
    for nome, dati in file:
        percorso = os.path.join(radice, nome)
        os.makedirs(os.path.dirname(percorso), exist_ok=True)
        with open(percorso, "wb") as f:
            f.write(dati)


if __name__ == "__main__":
    main()
