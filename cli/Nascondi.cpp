// The hide command: the window's checks on the carrier and the payload, then
// one hide of the engine, in place or into a new copy of the carrier. With
// --encrypt the engine takes the ciphertext as it is made, a chunk at a time.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

#include "Avvisi.h"
#include "Barra.h"
#include "Cifratura.h"
#include "Comandi.h"
#include "Comune.h"
#include "Esito.h"
#include "Furtivo.h"
#include "Lingua.h"
#include "Lingue.h"
#include "Segnali.h"
#include "Testo.h"

namespace Cli {

namespace {

constexpr size_t kMaxStringa = 65536;  // the window's string box holds no more
constexpr int64_t kMassimo = kMassimoNascondibile;

// What the payload takes in the carrier: itself, or its ciphertext.
struct Misura {
  bool cifra = false;
  int64_t operator()(int64_t chiaro) const {
    return cifra ? Crypta::LunghezzaCifrata(chiaro) : chiaro;
  }
  std::string Cifrato(int64_t chiaro) const {
    return cifra ? Crypta::Componi(_(" (%1 cifrato)"),
                                   {std::to_string(Crypta::LunghezzaCifrata(chiaro))})
                 : "";
  }
};

// What goes to the engine: the codes of a text, or an open file.
struct Dati {
  std::string codici;
  std::optional<Crypta::File> file;
  int64_t lunghezza = 0;
  Crypta::Carico Carico() const {
    return file ? Crypta::Carico::DiAperto(*file) : Crypta::Carico::DiByte(codici);
  }
  // Reads the payload in order, for the cipher.
  std::function<void(uint8_t*, size_t)> Lettore() const {
    return [this, pos = int64_t{0}](uint8_t* dest, size_t n) mutable {
      if (file) {
        if (file->LeggiA(pos, dest, n) != n)
          throw Crypta::Errore(
              Crypta::Componi(_("Il file \"%1\" si è accorciato durante l'operazione."),
                              {file->Nome()}),
              Crypta::Genere::File);
      } else {
        std::copy_n(codici.data() + pos, n, dest);
      }
      pos += int64_t(n);
    };
  }
};

Dati DaTesto(const std::string& utf8, double capienza, const Misura& misura) {
  Dati d;
  char32_t errato = 0;
  // Lines end in CR LF in the carrier, as a Windows text box holds them.
  if (!Crypta::Utf8ACodici(Crypta::CapoCRLF(utf8), d.codici, &errato))
    Rifiuta(Crypta::Componi(_("La stringa contiene un carattere che non si può nascondere (%1)."),
                            {NomeCarattere(errato)}));
  if (Caratteri(utf8) > kMaxStringa)
    Rifiuta(Crypta::Componi(_("La stringa è troppo lunga: al massimo %1 caratteri."),
                            {std::to_string(kMaxStringa)}));
  d.lunghezza = int64_t(d.codici.size());
  if (double(misura(d.lunghezza)) > capienza)
    Rifiuta(Crypta::Componi(
        P_("La stringa è troppo lunga: occupa %1 byte%2, la bitmap ne contiene al massimo %3.",
           "La stringa è troppo lunga: occupa %1 byte%2, la bitmap ne contiene al massimo %3.",
           d.codici.size()),
        {std::to_string(d.codici.size()), misura.Cifrato(d.lunghezza), Numero(capienza)}));
  return d;
}

// The window's rule: the name (without its folder) and the content together
// must stay below the capacity, though only the content is hidden. The file
// stays open from the check to the hide.
Dati DaFile(const std::string& path, double capienza, const Misura& misura) {
  Dati d;
  d.file.emplace(Crypta::File::Apri(path, Crypta::File::Modo::Lettura));
  const std::string nome = Crypta::NomeDi(path);
  d.lunghezza = d.file->Dimensione();
  const int64_t occupa = misura(d.lunghezza);
  const double conNome = double(Caratteri(nome)) + double(occupa);
  if (occupa > kMassimo)
    Rifiuta(Crypta::Componi(
        _("Attenzione !!\nFile troppo grande\nIl file occupa %1 byte%2, oltre "
          "i %3 che il campo della lunghezza può indicare."),
        {std::to_string(d.lunghezza), misura.Cifrato(d.lunghezza), std::to_string(kMassimo)}));
  if (conNome >= capienza)
    Rifiuta(Crypta::Componi(
        P_("Attenzione !!\nFile troppo grande\nIl file occupa %1 byte%2, %3 con il nome: file e "
           "nome insieme devono restare sotto i %4 byte utilizzabili della bitmap.",
           "Attenzione !!\nFile troppo grande\nIl file occupa %1 byte%2, %3 con il nome: file e "
           "nome insieme devono restare sotto i %4 byte utilizzabili della bitmap.",
           static_cast<unsigned long>(d.lunghezza)),
        {std::to_string(d.lunghezza), misura.Cifrato(d.lunghezza), Numero(conNome),
         Numero(capienza)}));
  return d;
}

// Reads standard input into `blocco` until its end, or until more than
// `limite` bytes came, and hands each part to `prendi`; the bytes read.
int64_t LeggiIngresso(int64_t limite, uint8_t* blocco, size_t n,
                      const std::function<void(const uint8_t*, size_t)>& prendi) {
  int64_t letti = 0;
  while (letti <= limite) {
    if (SegnaleRicevuto() != 0)
      throw Crypta::Errore(_("Operazione interrotta."), Crypta::Genere::Annullata);
    if (!AttendiIngresso()) continue;  // a signal: seen above
    const std::optional<size_t> r = StandardInput().LeggiParte(blocco, n);
    if (!r) continue;
    if (*r == 0) break;
    prendi(blocco, *r);
    letti += int64_t(*r);
  }
  return letti;
}

int64_t Limite(double capienza) {
  return static_cast<int64_t>(std::min<double>(capienza, double(kMassimo)));
}

[[noreturn]] void PiuDelLimite(int64_t limite) {
  Rifiuta(Crypta::Componi(_("Attenzione !!\nFile troppo grande\nLo standard input porta più di "
                            "%1 byte, quanti la bitmap ne contiene al massimo."),
                          {std::to_string(limite)}));
}

// Standard input has no name, so its bytes may fill the capacity. It is held
// in a file that nothing can see and that vanishes with the process however
// it ends; reading stops one byte past the capacity.
Dati DaStandardInput(double capienza) {
  const int64_t limite = Limite(capienza);
  Dati d;
  d.file.emplace(Crypta::File::Temporaneo(Crypta::CartellaTemporanea()));
  std::vector<uint8_t> blocco(size_t{1} << 20);
  d.lunghezza =
      LeggiIngresso(limite, blocco.data(), blocco.size(), [&d](const uint8_t* p, size_t n) {
        d.file->ScriviA(d.lunghezza, p, n);
        d.lunghezza += int64_t(n);
      });
  if (d.lunghezza > limite) PiuDelLimite(limite);
  return d;
}

// With --encrypt the same file holds only ciphertext: the passphrase is
// known before the first byte is read, each chunk is sealed as it comes,
// and the plaintext is only ever in locked memory that is wiped.
Dati DaStandardInputCifrato(double capienza, const Crypta::Derivazione& deriva) {
  const int64_t limite = Limite(capienza);
  Dati d;
  d.file.emplace(Crypta::File::Temporaneo(Crypta::CartellaTemporanea()));
  Crypta::Sigillatore sigillo(deriva, [&d, limite](const uint8_t* p, size_t n) {
    // Past the capacity it is only counted, to be refused at the end.
    if (d.lunghezza + int64_t(n) <= limite) d.file->ScriviA(d.lunghezza, p, n);
    d.lunghezza += int64_t(n);
  });
  Crypta::Segreto blocco(size_t{1} << 20);
  blocco.Ridimensiona(blocco.Capienza());
  const int64_t chiaro =
      LeggiIngresso(limite, blocco.Dati(), blocco.Lunghezza(),
                    [&sigillo](const uint8_t* p, size_t n) { sigillo.Aggiungi(p, n); });
  if (chiaro > limite) PiuDelLimite(limite);
  sigillo.Chiudi();
  if (d.lunghezza > limite)
    Rifiuta(Crypta::Componi(
        _("Attenzione !!\nFile troppo grande\nLo standard input porta %1 byte "
          "(%2 cifrato), la bitmap ne contiene al massimo %3."),
        {std::to_string(chiaro), std::to_string(d.lunghezza), std::to_string(limite)}));
  return d;
}

}  // namespace

void Nascondi(const OpzioniNascondi& o) {
  const int16_t Nbit = LeggiBit(o.bit);
  if (o.conTrattino && o.trattino != "-")
    ErroreUso(Crypta::Componi(_("Argomento non previsto: \"%1\" (un file da nascondere si indica "
                                "con -f FILE, lo standard input con -)."),
                              {o.trattino}));
  if (int{o.conTesto} + int{o.conFile} + int{o.conTrattino} != 1)
    ErroreUso(_("Indicare una e una sola sorgente: -t TESTO, -f FILE oppure - (standard input)."));
  if (o.furtivo) return NascondiFurtivo(o);
  if (o.conRata) ErroreUso(_("--rate vale solo con --stealth."));
  if (o.cifra.cifra && !Crypta::CifraturaDisponibile()) ErroreUso(_(kSenzaCifratura));
  if (!o.cifra.cifra && o.cifra.conFile)
    ErroreUso(_("--passphrase-file vale solo con --encrypt o --stealth."));
  FileDistinti(o.chiave, o.cifra);
  const std::string chiave = ChiaveDa(o.chiave, o.conTrattino);
  // Before standard input is read: a copy never replaces a file.
  if (o.conCopia && Crypta::File::Esiste(o.copia)) Crypta::ErroreFile(o.copia, "creare", EEXIST);

  const Crypta::Analisi a = Carica(o.bitmap, Nbit, true);
  if (a.Compressa())
    Rifiuta(Crypta::Componi(_("Formato file non valido\nLa bitmap non può accogliere dati: %1."),
                            {a.Perche()}));
  const double capienza = a.campi.BytesUtilizzabili;
  if (!(capienza > 0)) Rifiuta(_("Bitmap di dimensioni insufficienti"));

  const Misura misura{o.cifra.cifra};
  const Dati dati =
      o.conTesto  ? DaTesto(o.testo, capienza, misura)
      : o.conFile ? DaFile(o.file, capienza, misura)
      : o.cifra.cifra
          ? DaStandardInputCifrato(capienza, Crypta::DaPassphrase(Passphrase(o.cifra, true, true)))
          : DaStandardInput(capienza);
  Crypta::Richiesta r;
  r.carrier = o.bitmap;
  r.Nbit = Nbit;
  r.chiave = chiave;
  r.carico = dati.Carico();
  r.lunghezza = dati.lunghezza;
  if (o.conCopia) r.copia = o.copia;
  std::optional<Crypta::Cifratore> cifratore;
  if (o.cifra.cifra && !o.conTrattino) {
    cifratore.emplace(Crypta::DaPassphrase(Passphrase(o.cifra, true, false)), dati.lunghezza,
                      dati.Lettore());
    r.carico = Crypta::Carico::DiProduttore(
        [&cifratore](uint8_t* dest, size_t n) { cifratore->Produci(dest, n); });
    r.lunghezza = cifratore->Lunghezza();
  }
  AvvisaNascondi(o.bitmap, a, Nbit, chiave, o.cifra.cifra, r.lunghezza);
  const auto prima = Rilevabilita(o.bitmap);
  Barra barra(_("Nascondo"));
  barra.Inizio(r.lunghezza);
  Crypta::Nascondi(r, Osserva(barra));
  AvvisaRilevabile(prima, o.conCopia ? o.copia : o.bitmap);
}

}  // namespace Cli
