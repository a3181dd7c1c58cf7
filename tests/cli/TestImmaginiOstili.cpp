// prepare against pictures made to hurt it: data that swell past what the
// header declares, headers that declare far more than the data hold, files
// cut inside their rows. Each is refused with its reason, within its memory
// bound and leaving nothing behind; the compact pictures they resemble, and
// a bitmap stored top-down, are still taken. All are made at run time by
// Python (zlib and Pillow), a few kilobytes each.
#include <filesystem>
#include <string>
#include <vector>

#include "Banco.h"
#include "Figure.h"

namespace prova {
namespace {

// Writes the pictures into the folder given: `motivo` is a 64 x 48 gradient.
const char* const kFabbrica = R"(
import io, os, struct, sys, zlib
from PIL import Image
d = sys.argv[1]
def scrivi(nome, b): open(os.path.join(d, nome), 'wb').write(bytes(b))
def chunk(t, b): return struct.pack('>I', len(b)) + t + b + struct.pack('>I', zlib.crc32(t + b))
def png(w, h, bit, tipo, dati):
    testa = struct.pack('>IIBBBBB', w, h, bit, tipo, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', testa) + chunk(b'IDAT', zlib.compress(dati, 9))
            + chunk(b'IEND', b''))
def salva(im, **k):
    f = io.BytesIO(); im.save(f, **k); return bytearray(f.getvalue())
def misure(b, firma, pos, formato, *v):  # rewrites the sizes after a marker
    i = b.find(firma) + pos; b[i:i + struct.calcsize(formato)] = struct.pack(formato, *v); return b
g = Image.linear_gradient('L').resize((64, 48))
motivo = Image.merge('RGB', [g, g.transpose(Image.FLIP_LEFT_RIGHT), g.transpose(Image.ROTATE_180)])
scrivi('png-1x1-80MiB.png', png(1, 1, 8, 2, bytes(80 << 20)))
scrivi('png-16bit.png', png(2800, 2800, 16, 6, (b'\0' + b'\x80\x80\x60\x60\x40\x40\xff\xff' * 2800) * 2800))
for nome, k in (('jpeg-progressiva.jpg', {'progressive': True}), ('jpeg-base.jpg', {})):
    b = salva(motivo, format='JPEG', **k)
    scrivi(nome, misure(b, b'\xff\xc2' if k else b'\xff\xc0', 5, '>HH', 8192, 16384))
lsd = b'GIF89a' + struct.pack('<HH', 16384, 8192) + b'\x80\0\0\0\0\0\xff\xff\xff'
scrivi('gif-senza-dati.gif', lsd + b'\x2c' + struct.pack('<HHHH', 0, 0, 16384, 8192) + b'\0\x02\x02\x44\x01\0;')
scrivi('gif-solo-schermo.gif', lsd + b';')
gif = salva(motivo.quantize(64), format='GIF')
scrivi('gif-riquadro.gif', misure(bytearray(gif), b'GIF8', 6, '<HH', 640, 480))
dieci = misure(bytearray(gif), b'GIF8', 6, '<HH', 64, 480)
scrivi('gif-corta.gif', misure(dieci, b'\x2c\0\0\0\0' + struct.pack('<HH', 64, 48), 5, '<HH', 64, 480))
scrivi('tga-tronca.tga', salva(motivo, format='TGA')[:18 + 64 * 48 * 3 - 93])
bmp = b'BM' + struct.pack('<IHHIIiiHHI', 0, 0, 0, 54, 40, 16384, 8192, 1, 24, 0) + bytes(120)
scrivi('bmp-senza-righe.bmp', bmp)
scrivi('tga-rle-senza-dati.tga', bytes([0, 0, 10]) + bytes(9) + struct.pack('<HH', 16384, 8192) + b'\x18\0\xff\1\2\3')
scrivi('enorme.gif', b'GIF89a\xff\x7f\xff\x7f\0\0\0')
bmp = salva(motivo, format='BMP'); righe = [bmp[54 + i * 192:54 + (i + 1) * 192] for i in range(48)]
scrivi('dall-alto.bmp', misure(bmp[:54], b'BM', 22, '<i', -48) + b''.join(reversed(righe)))
piatta = Image.new('RGB', (2048, 1024), (90, 120, 200))
scrivi('progressiva-piatta.jpg', salva(piatta, format='JPEG', progressive=True, subsampling=0))
scrivi('gif-piatta.gif', salva(piatta, format='GIF'))
)";

class PrepareOstile : public Banco {};

constexpr long kMiB = 1024;                      // in KiB, as the memory is measured
// AddressSanitizer's shadow memory and allocator, or the emulator that runs
// another machine's build, come on top of the program's own: some tens of
// MiB whatever the picture, which a bound meant for gigabytes of bombs can
// allow.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kSanitizzatore = 48 * kMiB;
#else
const long kSanitizzatore = std::vector<std::string>{TAVELIN_EMULATORE}.empty() ? 0 : 48 * kMiB;
#endif
constexpr bool kRigaPerRiga = TAVELIN_CON_SPNG;  // PNGs decoded row by row

TEST_F(PrepareOstile, HostilePicturesAreRefusedWithinTheirBoundsAndCompactOnesTaken) {
  SENZA_PROGRAMMI_DI_IMMAGINI();
  ASSERT_TRUE(Shell(std::string(kPython) + " -c " + Q(kFabbrica) + " " + Q(dir.Path().string())));
  struct Caso {
    std::string file;
    int stato;
    std::string causa;  // part of the reason; for a picture taken, empty
    long memoria;       // the bound on the memory held, in KiB: 3 x the bitmap + 64 MiB
  };
  // A child started by posix_spawn shares this process's memory until it
  // runs, and its peak counts what this process held then: the pictures
  // taken, which leave their copies here, come last, the largest at the end.
  const Caso casi[] = {
      // 1 x 1 pixel inflating to 80 MiB: 80 KiB of compressed data for 4 bytes of rows.
      {"png-1x1-80MiB.png", 1, "si espanderebbero oltre quanto dichiara l'intestazione", 64 * kMiB},
      // A few kilobytes of scans for 8192 x 16384 pixels: refused, not made up.
      {"jpeg-progressiva.jpg", 1, "i dati finiscono prima dell'ultimo pixel", 16 * kMiB},
      {"jpeg-base.jpg", 1, "i dati finiscono prima dell'ultimo pixel", 16 * kMiB},
      {"gif-senza-dati.gif", 1, "i dati finiscono prima dell'ultimo pixel", 16 * kMiB},
      {"gif-solo-schermo.gif", 1, "i dati finiscono prima dell'ultimo pixel", 16 * kMiB},
      {"gif-corta.gif", 1, "i dati finiscono prima dell'ultimo pixel", 16 * kMiB},
      {"gif-riquadro.gif", 1, "il primo fotogramma copre solo 64 x 48 dei 640 x 480 pixel",
       16 * kMiB},
      // Raw rows cut 93 bytes before their end.
      {"tga-tronca.tga", 1, "è troncato): 9141 byte, meno dei 9234 che servono ai suoi pixel",
       16 * kMiB},
      // 402 MB of pixels declared in a few bytes.
      {"bmp-senza-righe.bmp", 1, "154 byte, meno dei 402653238 che servono", 16 * kMiB},
      {"tga-rle-senza-dati.tga", 1, "22 byte, meno dei 4194322 che servono", 16 * kMiB},
      {"enorme.gif", 1, "è troppo grande: 32767 x 32767 pixel, oltre i 134217728", 16 * kMiB},
      {"dall-alto.bmp", 0, "", 64 * kMiB},
      // 32768 blocks in long end-of-band runs, 2 million pixels in long codes.
      {"progressiva-piatta.jpg", 0, "", 3 * 6 * kMiB + 64 * kMiB},
      {"gif-piatta.gif", 0, "", 3 * 6 * kMiB + 64 * kMiB},
      // 16-bit RGBA: row by row it fits; whole, the rows and the samples would
      // not, and it is refused before a byte is inflated.
      {"png-16bit.png", kRigaPerRiga ? 0 : 1, kRigaPerRiga ? "" : "a 16 bit per campione",
       3 * 23 * kMiB + 64 * kMiB},
  };
  for (const Caso& caso : casi) {
    const std::string file = dir / caso.file, uscita = file + ".bmp";
    const Risultato r = Cli({"prepare", file, "-o", uscita});
    EXPECT_EQ(r.stato, caso.stato) << caso.file << r.err;
    EXPECT_LT(r.memoriaKiB, caso.memoria + kSanitizzatore) << caso.file;
    if (caso.stato != 0) {
      EXPECT_EQ(r.out, "") << caso.file;
      EXPECT_NE(r.err.find(caso.causa), std::string::npos) << caso.file << ": " << r.err;
      EXPECT_FALSE(std::filesystem::exists(uscita)) << caso.file;
      continue;
    }
    EXPECT_EQ(r.err, "") << caso.file;
    EXPECT_LT(Differenza(LeggiBitmap24(uscita), SecondoPillow(file)), 1.0) << caso.file;
  }
}

}  // namespace
}  // namespace prova
