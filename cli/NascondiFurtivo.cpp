// hide --stealth: the payload (a text, a file with its name, or standard
// input), checked against the stealth capacity at the safe rate or at the
// rate asked for, then one stealth hide of the engine with the passphrase.
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "Avvisi.h"
#include "Barra.h"
#include "Comune.h"
#include "Esito.h"
#include "Furtivo.h"
#include "Lingua.h"
#include "Lingue.h"
#include "OperazioniFurtive.h"
#include "Passphrase.h"
#include "Segnali.h"
#include "Testo.h"

namespace Cli {

namespace {

double LeggiRata(std::string testo) {
  for (char& c : testo)
    if (c == ',') c = '.';
  char* fine = nullptr;
  const double r = testo.empty() ? 0 : std::strtod(testo.c_str(), &fine);
  if (testo.empty() || *fine != '\0' || !(r > 0 && r <= Crypta::Furtivo::kRataMassima))
    ErroreUso(Crypta::Componi(
        _("Densità non valida: \"%1\" (un numero oltre 0 e fino a %2 bit per valore)."),
        {testo, Rata(Crypta::Furtivo::kRataMassima)}));
  return r;
}

// Standard input's bytes, one past `limite` at most.
std::string DaStandardInput(int64_t limite) {
  std::string s;
  std::vector<char> blocco(size_t{1} << 16);
  while (int64_t(s.size()) <= limite) {
    if (SegnaleRicevuto() != 0)
      throw Crypta::Errore(_("Operazione interrotta."), Crypta::Genere::Annullata);
    if (!AttendiIngresso()) continue;
    const std::optional<size_t> letti = StandardInput().LeggiParte(blocco.data(), blocco.size());
    if (!letti) continue;
    if (*letti == 0) break;
    s.append(blocco.data(), *letti);
  }
  return s;
}

[[noreturn]] void TroppoGrande(int64_t occupa, int64_t capienza, double rata) {
  Rifiuta(Crypta::Componi(
      _("Attenzione !!\nFile troppo grande\nI dati occupano %1 byte, la capienza furtiva della "
        "bitmap è di %2 a %3 bit per valore (--rate ne chiede di più, a rischio di essere "
        "scoperti)."),
      {std::to_string(occupa), std::to_string(capienza), Rata(rata)}));
}

}  // namespace

void NascondiFurtivo(const OpzioniNascondi& o) {
  if (o.conBit || o.chiave.conTesto || o.chiave.conFile)
    ErroreUso(
        _("-b e -k non valgono con --stealth: lo strato furtivo sceglie da sé dove nascondere."));
  const double rata = o.conRata ? LeggiRata(o.rata) : Crypta::Furtivo::kRataSicura;
  if (o.conCopia && Crypta::File::Esiste(o.copia)) Crypta::ErroreFile(o.copia, "creare", EEXIST);
  const Crypta::Analisi a = Carica(o.bitmap, 1, true);
  if (const std::string perche = Crypta::OstacoloFurtivo(a); !perche.empty())
    Rifiuta(Crypta::Componi(_("Impossibile usare lo strato furtivo sulla bitmap \"%1\": %2."),
                            {o.bitmap, perche}));

  Crypta::RichiestaFurtiva r;
  r.carrier = o.bitmap;
  r.rata = rata;
  if (o.conCopia) r.copia = o.copia;
  std::string byte;
  if (o.conTesto) {
    char32_t errato = 0;
    if (!Crypta::Utf8ACodici(Crypta::CapoCRLF(o.testo), byte, &errato))
      Rifiuta(Crypta::Componi(_("La stringa contiene un carattere che non si può nascondere (%1)."),
                              {NomeCarattere(errato)}));
    r.carico = Crypta::Carico::DiByte(byte);
  } else if (o.conFile) {
    r.carico = Crypta::Carico::DiFile(o.file);
    r.nome = Crypta::NomeDi(o.file);
    if (const std::string perche = Crypta::Furtivo::NomeNonValido(r.nome); !perche.empty())
      ErroreUso(Crypta::Componi(_("Il nome del file da nascondere non si può conservare: %1."),
                                {perche}));
  }
  const int64_t capienza = Crypta::CapienzaFurtiva(a, r.nome.size(), rata);
  if (o.conTrattino) {
    byte = DaStandardInput(capienza);
    r.carico = Crypta::Carico::DiByte(byte);
  }
  const int64_t occupa = o.conFile
                             ? Crypta::File::Apri(o.file, Crypta::File::Modo::Lettura).Dimensione()
                             : int64_t(byte.size());
  if (occupa > capienza) TroppoGrande(occupa, capienza, rata);
  if (rata > Crypta::Furtivo::kRataSicura)
    Avvisa(Crypta::Componi(_("la densità di %1 bit per valore supera quella sicura di %2: "
                             "un'analisi statistica può accorgersi che la bitmap nasconde "
                             "qualcosa."),
                           {Rata(rata), Rata(Crypta::Furtivo::kRataSicura)}));
  r.passphrase = Testo(Passphrase(o.cifra, true, o.conTrattino));
  // The time goes with the carrier's size, not the payload's.
  Barra barra(_("Nascondo"));
  barra.Inizio(int64_t(a.campi.DimensioneFile));
  Crypta::NascondiFurtivo(r, Osserva(barra));
}

}  // namespace Cli
