// The prepare command on pictures that other programs wrote (ImageMagick and
// Pillow, from a pattern of the tests' own), what it does with alpha, grey,
// 16-bit and animated pictures, and what it refuses; then the carriers it
// writes through hide and reveal.
#include <sys/stat.h>

#include "Banco.h"
#include "Figure.h"

namespace prova {
namespace {

using Argomenti = std::vector<std::string>;

class Prepare : public Banco {
 protected:
  void SetUp() override {
    Banco::SetUp();
    ppm = dir / "motivo.ppm";
    ScriviPpm(ppm, Motivo());
  }
  // ImageMagick writes the pattern; `formato` may name its writer ("BMP3:").
  std::string Magick(const std::string& nome, const std::string& opzioni = "",
                     const std::string& formato = "") {
    const std::string out = dir / nome;
    EXPECT_TRUE(Shell("convert " + Q(ppm) + " " + opzioni + " " + Q(formato + out))) << nome;
    return out;
  }
  // Pillow saves the pattern after `trasforma`, Python code on the image `im`.
  std::string Pillow(const std::string& nome, const std::string& trasforma = "",
                     const std::string& salva = "") {
    const std::string out = dir / nome;
    const std::string codice = "import sys; from PIL import Image; im = Image.open(sys.argv[1]); " +
                               (trasforma.empty() ? "" : trasforma + "; ") + "im.save(sys.argv[2]" +
                               salva + ")";
    EXPECT_TRUE(Shell(std::string(kPython) + " -c " + Q(codice) + " " + Q(ppm) + " " + Q(out)))
        << nome;
    return out;
  }
  static uint32_t LunghezzaHeader(const std::string& bmp) {
    const Byte b = Leggi(bmp);
    return b.size() < 18 ? 0 : uint32_t(b[14] | b[15] << 8 | b[16] << 16 | b[17] << 24);
  }
  std::string ppm;
};

// The capacity lines for a bitmap of the pattern's size.
std::string Capienze(int larghezza, int altezza) {
  const double pixel = double((larghezza * 3 + 3) / 4 * 4 * altezza);
  std::string righe;
  for (const int n : {1, 2, 4, 8})
    righe += "Bytes utilizzabili a " + std::to_string(n) +
             " bit: " + std::to_string(int64_t((pixel - 32.0 / n) * n / 8)) + "\n";
  return righe;
}

TEST_F(Prepare, PicturesFromOtherWritersBecomeCarriers) {
  SENZA_PROGRAMMI_DI_IMMAGINI();
  struct Caso {
    std::string nome, file;
    bool esatto;  // lossless: the very pixels that another reader finds
  };
  const Caso casi[] = {
      {"ImageMagick PNG", Magick("im.png"), true},
      {"ImageMagick JPEG", Magick("im.jpg", "-quality 95"), false},
      {"ImageMagick GIF", Magick("im.gif"), true},
      {"ImageMagick TGA", Magick("im.tga"), true},
      {"ImageMagick BMP v4", Magick("im4.bmp", "-intent Undefined"), true},
      {"ImageMagick BMP v5", Magick("im5.bmp"), true},
      {"Pillow PNG", Pillow("pil.png"), true},
      {"Pillow JPEG", Pillow("pil.jpg", "", ", quality=95, subsampling=0"), false},
      {"Pillow GIF", Pillow("pil.gif"), true},
      {"Pillow TGA", Pillow("pil.tga"), true},
      {"Pillow BMP", Pillow("pil.bmp"), true},
  };
  // The bitmaps really have the headers the engine refuses.
  EXPECT_EQ(LunghezzaHeader(casi[4].file), 108u);
  EXPECT_EQ(LunghezzaHeader(casi[5].file), 124u);
  for (const Caso& caso : casi) {
    const Figura attesa = SecondoPillow(caso.file);
    const std::string c = dir / (caso.nome + ".bmp");
    Risultato r = Cli({"prepare", caso.file, "-o", c});
    ASSERT_EQ(r.stato, 0) << caso.nome << r.err;
    EXPECT_EQ(r.err, "") << caso.nome;
    EXPECT_EQ(r.out, "Bitmap scritta in " + c + ": 37 x 23 pixel, 24 bit.\n" + Capienze(37, 23));
    const Figura f = LeggiBitmap24(c);
    EXPECT_EQ(f.larghezza, 37);
    EXPECT_EQ(f.altezza, 23);
    if (caso.esatto)
      EXPECT_EQ(f.rgb, attesa.rgb) << caso.nome;
    else  // two JPEG decoders round differently
      EXPECT_LT(Differenza(f, attesa), 2.0) << caso.nome;

    EXPECT_TRUE(Crypta::LeggiHeader(c, 1)) << caso.nome;
    r = Cli({"hide", c, "-t", "Dal " + caso.nome, "-k", "chiave", "-b", "2"});
    EXPECT_EQ(r.stato, 0) << caso.nome << r.err;
    EXPECT_EQ(Cli({"reveal", c, "-t", "-k", "chiave", "-b", "2"}).out, "Dal " + caso.nome);
  }
}

TEST_F(Prepare, AlphaIsDroppedWithAWarning) {
  SENZA_PROGRAMMI_DI_IMMAGINI();
  const std::string trasparente =
      Pillow("alfa.png", "im.putalpha(Image.linear_gradient('L').resize(im.size))");
  const std::string c = dir / "alfa.bmp";
  Risultato r = Cli({"prepare", trasparente, "-o", c});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(r.err,
            "tavelin-cli: Attenzione: l'immagine ha un canale alfa, che la bitmap non conserva: i "
            "pixel trasparenti diventano opachi, con il loro colore.\n");
  EXPECT_EQ(LeggiBitmap24(c).rgb, Motivo().rgb);  // the colours as they were, without alpha

  // An alpha channel that is opaque throughout loses nothing.
  const std::string opaco = Pillow("opaco.png", "im = im.convert('RGBA')");
  r = Cli({"prepare", opaco, "-o", dir / "opaco.bmp"});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(LeggiBitmap24(dir / "opaco.bmp").rgb, Motivo().rgb);
}

TEST_F(Prepare, GreyPaletteAndSixteenBitPicturesAsTheLibraryDecodesThem) {
  SENZA_PROGRAMMI_DI_IMMAGINI();
  const Figura motivo = Motivo();
  Figura grigia = motivo;
  for (size_t i = 0; i < grigia.rgb.size(); i += 3)
    grigia.rgb[i + 1] = grigia.rgb[i + 2] = grigia.rgb[i];
  const std::pair<std::string, const Figura*> casi[] = {
      {Pillow("grigia.png", "im = im.getchannel('R')"), &grigia},
      {Pillow("tavolozza.png", "im = im.convert('P', palette=Image.ADAPTIVE, colors=64)"), &motivo},
      // 16 bits a sample; the library keeps the high byte.
      {Pillow("sedici.png", "im = im.getchannel('R').point(lambda v: v * 257, 'I')"), &grigia},
  };
  for (const auto& [file, attesa] : casi) {
    const std::string c = file + ".bmp";
    const Risultato r = Cli({"prepare", file, "-o", c});
    EXPECT_EQ(r.stato, 0) << file << r.err;
    EXPECT_EQ(r.err, "") << file;
    EXPECT_EQ(LeggiBitmap24(c).rgb, attesa->rgb) << file;
  }
}

TEST_F(Prepare, TheCarrierKeepsThePicturesPermissionsAndItsOwnerWritesIt) {
  SENZA_PROGRAMMI_DI_IMMAGINI();
  const std::string png = Magick("sola-lettura.png");
  for (const mode_t modo : {mode_t{0444}, mode_t{0640}}) {
    ASSERT_EQ(::chmod(png.c_str(), modo), 0);
    const std::string c = dir / ("c" + std::to_string(modo) + ".bmp");
    ASSERT_EQ(Cli({"prepare", png, "-o", c}).stato, 0);
    struct stat st;
    ASSERT_EQ(::stat(c.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, modo | 0600);
    EXPECT_EQ(Cli({"hide", c, "-t", "x", "-k", "k"}).stato, 0);
  }
}

TEST_F(Prepare, AnAnimationGivesItsFirstFrame) {
  SENZA_PROGRAMMI_DI_IMMAGINI();
  const std::string gif = Pillow("animata.gif", "rosso = Image.new('RGB', im.size, (255, 0, 0))",
                                 ", save_all=True, append_images=[rosso, rosso], duration=100");
  const std::string c = dir / "animata.bmp";
  const Risultato r = Cli({"prepare", gif, "-o", c});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(LeggiBitmap24(c).rgb, Motivo().rgb);
}

TEST_F(Prepare, NeverOverwritesAndLeavesNothingBehindARefusal) {
  SENZA_PROGRAMMI_DI_IMMAGINI();
  const std::string png = Magick("x.png");
  const std::string esistente = File("esiste.bmp", "mio");
  Risultato r = Cli({"prepare", png, "-o", esistente});
  EXPECT_EQ(r.stato, 2);
  EXPECT_EQ(r.err,
            "tavelin-cli: Il file \"" + esistente + "\" esiste già: non viene sovrascritto.\n");
  EXPECT_EQ(Testo(esistente), "mio");
  EXPECT_EQ(Cli({"prepare", png, "-o", png}).stato, 2);

  const Byte tutto = Leggi(png);
  const std::string tronco = File("tronco.png", std::string(tutto.begin(), tutto.begin() + 60));
  const std::string rle = Magick("rle.bmp", "-type palette -compress rle", "BMP3:");
  const std::pair<std::string, std::string> rifiuti[] = {
      {File("testo.png", "non sono un'immagine"), "non è un'immagine in un formato conosciuto"},
      {tronco, "è un file PNG danneggiato o incompleto"},
      {File("tronca.bmp", Testo(Magick("intera.bmp", "", "BMP3:")).substr(0, 1500)),
       "il file finisce prima dell'immagine (è troncato)"},
      {rle, "compressa (RLE)"},
      {File("vuoto.png", ""), "non è un'immagine"},
      // A GIF whose screen is 6 pixels wide and none high.
      {File("senza-righe.gif",
            std::string("GIF89a\x06\0\0\0\0\0\0,\0\0\0\0\x06\0\0\0\0\x02\x02\x44\x01\0;", 29)),
       "non ha pixel (6 x 0)"},
  };
  const auto voci = [this] {
    return std::distance(std::filesystem::directory_iterator(dir.Path()), {});
  };
  const auto prima = voci();
  for (const auto& [file, causa] : rifiuti) {
    const std::string c = dir / "uscita.bmp";
    r = Cli({"prepare", file, "-o", c});
    EXPECT_EQ(r.stato, 1) << file;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Impossibile leggere l'immagine \"" + file + "\": "), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find(causa), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(c)) << file;
  }
  r = Cli({"prepare", dir / "manca.png", "-o", dir / "uscita.bmp"});
  EXPECT_EQ(r.stato, 2);
  EXPECT_NE(r.err.find("non esiste"), std::string::npos) << r.err;
  r = Cli({"prepare", png});
  EXPECT_EQ(r.stato, 2);
  EXPECT_NE(r.err.find("--output"), std::string::npos) << r.err;
  // "-" names no standard stream here, nor a file in the current folder.
  for (const auto& argomenti :
       {Argomenti{"prepare", png, "-o", "-"}, {"prepare", "-", "-o", "x.bmp"}}) {
    r = Cli(argomenti);
    EXPECT_EQ(r.stato, 2);
    EXPECT_NE(r.err.find("\"-\", lo standard"), std::string::npos) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists("-"));
  EXPECT_FALSE(std::filesystem::exists("x.bmp"));
  EXPECT_EQ(voci(), prima);

  // A Huffman table of more than 256 codes, which the library would write
  // past its own table for, is refused before it reads the file.
  Byte jpeg = Leggi(Magick("tabella.jpg"));
  for (size_t i = 2; i + 21 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC4) {
      std::fill(jpeg.begin() + std::ptrdiff_t(i) + 5, jpeg.begin() + std::ptrdiff_t(i) + 21, 0x20);
      break;
    }
  Scrivi(dir / "tabella.jpg", jpeg);
  r = Cli({"prepare", dir / "tabella.jpg", "-o", dir / "uscita.bmp"});
  EXPECT_EQ(r.stato, 1);
  EXPECT_NE(r.err.find("è un file JPEG con una tabella di Huffman non valida"), std::string::npos)
      << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "uscita.bmp"));
  EXPECT_EQ(Cli({"info", dir / "tabella.jpg"}).err.find("tavelin-cli prepare"), std::string::npos);
}

}  // namespace
}  // namespace prova
