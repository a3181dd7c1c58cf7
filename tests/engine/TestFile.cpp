// The file layer on each system: names outside ASCII, offsets past 4 GiB,
// locks that exclude each other but never a plain read or write (Windows'
// own locks would), files that get their name only when complete and never
// over another, temporary files that leave nothing, the parts of a path.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "File.h"
#include "Operazioni.h"
#include "Supporto.h"

namespace {

using namespace prova;
using Crypta::File;
namespace fs = std::filesystem;

const std::string kNome = "prova è€.bmp";

size_t Voci(const Cartella& dir) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& v : fs::directory_iterator(dir.Path())) ++n;
  return n;
}

int CodiceDi(const std::function<void()>& f) {
  try {
    f();
  } catch (const Crypta::Errore& e) {
    return e.codice;
  }
  return 0;
}

TEST(Percorsi, ANameOutsideAsciiInAFolderOutsideAscii) {
  Cartella dir;
  fs::create_directory(fs::u8path(dir / "cartella è€"));
  const std::string c = Scrivi(dir, "cartella è€/" + kNome, Bitmap{});
  EXPECT_TRUE(File::Esiste(c));
  EXPECT_FALSE(File::Esiste(dir / "cartella è€/prova e.bmp"));
  Crypta::Richiesta r;
  r.carrier = c;
  r.chiave = "k";
  r.carico = Crypta::Carico::DiByte("ciao");
  r.copia = dir / "cartella è€/copia €.bmp";
  Crypta::Nascondi(r);
  r.copia.clear();
  Crypta::Nascondi(r);
  Crypta::DestinazioneMemoria m;
  ASSERT_TRUE(Crypta::Rivela(dir / "cartella è€/copia €.bmp", "k", 1, m).trovato);
  EXPECT_EQ(m.dati, "ciao");
  EXPECT_EQ(Leggi(c), Leggi(dir / "cartella è€/copia €.bmp"));
}

TEST(Percorsi, MissingFileAndFolderAreTheirPosixErrors) {
  Cartella dir;
  EXPECT_EQ(CodiceDi([&] { File::Apri(dir / "manca è.bmp", File::Modo::Lettura); }), ENOENT);
  EXPECT_EQ(CodiceDi([&] { File::Apri(dir / "manca/x.bmp", File::Modo::Lettura); }), ENOENT);
  EXPECT_EQ(CodiceDi([&] { File::Apri(dir.Path().u8string(), File::Modo::Lettura); }), EISDIR);
  try {
    File::Apri(dir / "manca è.bmp", File::Modo::Lettura);
  } catch (const Crypta::Errore& e) {
    EXPECT_EQ(std::string(e.what()), "Impossibile aprire il file \"" + (dir / "manca è.bmp") +
                                         "\": il file o la cartella non esiste.");
  }
}

TEST(Percorsi, FolderAndNameOfAPath) {
  EXPECT_EQ(Crypta::CartellaDi("a/b/c.bmp"), "a/b");
  EXPECT_EQ(Crypta::CartellaDi("c.bmp"), ".");
  EXPECT_EQ(Crypta::CartellaDi("/c.bmp"), "/");
  EXPECT_EQ(Crypta::NomeDi("a/b/c è.bmp"), "c è.bmp");
  EXPECT_EQ(Crypta::NomeDi("c.bmp"), "c.bmp");
#ifdef _WIN32
  EXPECT_EQ(Crypta::CartellaDi("C:\\dati\\c.bmp"), "C:\\dati");
  EXPECT_EQ(Crypta::CartellaDi("C:\\c.bmp"), "C:\\");
  EXPECT_EQ(Crypta::CartellaDi("C:c.bmp"), "C:");
  EXPECT_EQ(Crypta::NomeDi("C:\\dati\\c.bmp"), "c.bmp");
  EXPECT_EQ(Crypta::NomeDi("C:c.bmp"), "c.bmp");
#else
  EXPECT_EQ(Crypta::NomeDi("a\\c.bmp"), "a\\c.bmp");  // a backslash is part of a name
#endif
  EXPECT_TRUE(fs::is_directory(fs::u8path(Crypta::CartellaTemporanea())));
}

TEST(Blocchi, ExcludeEachOtherAndNeverAReadOrAWrite) {
  Cartella dir;
  const std::string c = Scrivi(dir, kNome, Bitmap{});
  const File a = File::Apri(c, File::Modo::LetturaScrittura);
  const File b = File::Apri(c, File::Modo::Lettura);
  {
    const File d = File::Apri(c, File::Modo::LetturaScrittura);
    ASSERT_TRUE(d.Blocca(File::Blocco::Esclusivo));
    EXPECT_FALSE(a.Blocca(File::Blocco::Condiviso));
  }
  // A handle that closes gives its lock back.
  ASSERT_TRUE(a.Blocca(File::Blocco::Condiviso));
  EXPECT_TRUE(b.Blocca(File::Blocco::Condiviso));
  {
    const File d = File::Apri(c, File::Modo::LetturaScrittura);
    EXPECT_FALSE(d.Blocca(File::Blocco::Esclusivo));
  }
  // Every byte of the file stays readable and writable through a handle
  // without the lock, whatever the others hold.
  const File libero = File::Apri(c, File::Modo::LetturaScrittura);
  char byte[4] = {};
  EXPECT_EQ(libero.LeggiA(0, byte, 2), 2u);
  EXPECT_EQ(std::string(byte, 2), "BM");
  libero.ScriviA(libero.Dimensione() - 3, "fin", 3);
  EXPECT_EQ(b.LeggiA(b.Dimensione() - 3, byte, 3), 3u);
  EXPECT_EQ(std::string(byte, 3), "fin");
}

TEST(Blocchi, AnExclusiveLockExcludesEveryOther) {
  Cartella dir;
  const std::string c = Scrivi(dir, kNome, Bitmap{});
  const File a = File::Apri(c, File::Modo::LetturaScrittura);
  ASSERT_TRUE(a.Blocca(File::Blocco::Esclusivo));
  const File b = File::Apri(c, File::Modo::LetturaScrittura);
  EXPECT_FALSE(b.Blocca(File::Blocco::Condiviso));
  EXPECT_FALSE(b.Blocca(File::Blocco::Esclusivo));
  char byte[2];
  EXPECT_EQ(b.LeggiA(0, byte, 2), 2u);
  b.ScriviA(0, "MB", 2);
  EXPECT_EQ(a.LeggiA(0, byte, 2), 2u);
  EXPECT_EQ(std::string(byte, 2), "MB");
}

TEST(Posizioni, ReadsAndWritesPast4GiB) {
  Cartella dir;
  const std::string c = dir / kNome;
  Scrivi(c, Byte{1, 2, 3});
  const int64_t lontano = (int64_t{5} << 30) + 7;  // the file stays sparse
  {
    const File f = File::Apri(c, File::Modo::LetturaScrittura);
    f.ScriviA(lontano, "oltre", 5);
    EXPECT_EQ(f.Dimensione(), lontano + 5);
    char letto[8] = {};
    EXPECT_EQ(f.LeggiA(lontano - 1, letto, 8), 6u);  // short at the end only
    EXPECT_EQ(std::string(letto, 6), std::string("\0oltre", 6));
    EXPECT_EQ(f.LeggiA(1, letto, 2), 2u);
    EXPECT_EQ(letto[1], 3);
    f.Tronca(3);
    EXPECT_EQ(f.Dimensione(), 3);
  }
  EXPECT_EQ(Leggi(c), (Byte{1, 2, 3}));
}

TEST(SenzaNome, NamedOnlyWhenCompleteNeverOverAnother) {
  Cartella dir;
  const std::string nuovo = dir / "nuovo è€.bin";
  {
    File f = File::Anonimo(nuovo, 0644);
    f.ScriviA(0, "intero", 6);
    EXPECT_FALSE(File::Esiste(nuovo));
    f.Sincronizza();
    f.DaiNome();
    EXPECT_TRUE(File::Esiste(nuovo));
    f.ScriviA(6, "!", 1);  // still the same file
  }
  EXPECT_EQ(Leggi(nuovo), (Byte{'i', 'n', 't', 'e', 'r', 'o', '!'}));
  EXPECT_EQ(Voci(dir), 1u);

  // Over an existing file: an error, and both files as they were.
  {
    File f = File::Anonimo(nuovo, 0644);
    f.ScriviA(0, "altro", 5);
    EXPECT_EQ(CodiceDi([&] { f.DaiNome(); }), EEXIST);
  }
  EXPECT_EQ(Leggi(nuovo), (Byte{'i', 'n', 't', 'e', 'r', 'o', '!'}));
  EXPECT_EQ(Voci(dir), 1u);

  // Never named: nothing of it stays.
  { File::Anonimo(dir / "mai.bin", 0600).ScriviA(0, "x", 1); }
  EXPECT_EQ(Voci(dir), 1u);
}

TEST(SenzaNome, ATemporaryFileLeavesNothing) {
  Cartella dir;
  {
    const File t = File::Temporaneo(dir.Path().u8string());
    t.ScriviA(0, "segreto", 7);
    char letto[7];
    EXPECT_EQ(t.LeggiA(0, letto, 7), 7u);
  }
  EXPECT_EQ(Voci(dir), 0u);
  EXPECT_EQ(CodiceDi([&] { File::Temporaneo(dir / "manca"); }), ENOENT);
}

}  // namespace
