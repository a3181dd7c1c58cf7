// The stealth hide over files: every check, then the keys, then the pixels
// changed in memory and written in place or into a new copy.
#include <cerrno>

#include "Chiavi.h"
#include "Lingua.h"
#include "OperazioniFurtive.h"
#include "Portatore.h"

namespace Crypta {

namespace {

// The payload's size, known before any of it is read.
int64_t Dimensione(const RichiestaFurtiva& r, const File* aperto) {
  if (r.carico.tipo == Carico::Tipo::Byte) return int64_t(r.carico.byte.size());
  if (!aperto)
    throw Errore(Tr("Lo strato furtivo non prende dati prodotti man mano."), Genere::Argomento);
  return aperto->Dimensione();
}

std::string Payload(const RichiestaFurtiva& r, const File* aperto) {
  if (r.carico.tipo == Carico::Tipo::Byte) return std::string(r.carico.byte);
  std::string s(size_t(aperto->Dimensione()), '\0');
  if (aperto->LeggiA(0, s.data(), s.size()) != s.size())
    throw Errore(Tr("Il file \"%1\" si è accorciato durante la lettura.", {aperto->Nome()}),
                 Genere::File);
  return s;
}

}  // namespace

std::string OstacoloFurtivo(const Analisi& a) {
  std::string perche;
  Furtivo::Geometria(a, int64_t(a.campi.DimensioneFile), &perche);
  return perche;
}

int64_t CapienzaFurtiva(const Analisi& a, size_t nome, double rata) {
  const auto g = Furtivo::Geometria(a, int64_t(a.campi.DimensioneFile), nullptr);
  return g ? Furtivo::Capienza(g->forma.Valori(), nome, rata) : 0;
}

void NascondiFurtivo(const RichiestaFurtiva& r, const Osservatore& o) {
  std::optional<File> proprio;
  const File* aperto = r.carico.aperto;
  if (r.carico.tipo == Carico::Tipo::Percorso) {
    proprio.emplace(File::Apri(r.carico.percorso, File::Modo::Lettura));
    aperto = &*proprio;
  }
  const std::string nome = !r.nome.empty() || r.carico.tipo != Carico::Tipo::Percorso
                               ? r.nome
                               : NomeDi(r.carico.percorso);
  if (!(r.rata > 0 && r.rata <= Furtivo::kRataMassima))
    throw Errore(Tr("Densità non valida: al massimo 0,5 bit per valore."), Genere::Argomento);
  if (const std::string perche = Furtivo::NomeNonValido(nome); !perche.empty())
    throw Errore(Tr("Nome del file da nascondere non valido: %1.", {perche}), Genere::Argomento);

  const bool copia = !r.copia.empty();
  const File carrier =
      File::Apri(r.carrier, copia ? File::Modo::Lettura : File::Modo::LetturaScrittura);
  if (!carrier.Blocca(copia ? File::Blocco::Condiviso : File::Blocco::Esclusivo))
    throw Errore(Tr("La bitmap \"%1\" è in uso in un'altra operazione: riprovare quando è finita.",
                    {r.carrier}),
                 Genere::InUso);
  if (aperto && carrier.StessoFile(*aperto))
    throw Errore(Tr("Il file da nascondere non può essere la bitmap di appoggio stessa."),
                 Genere::Argomento);
  const Analisi a = Analizza(carrier, 1);
  std::string perche;
  auto g = Furtivo::Geometria(a, carrier.Dimensione(), &perche);
  if (!g)
    throw Errore(Tr("Impossibile nascondere dati nella bitmap \"%1\": %2.", {r.carrier, perche}),
                 Genere::Rifiutata);
  const int64_t capienza = Furtivo::Capienza(g->forma.Valori(), nome.size(), r.rata);
  if (Dimensione(r, aperto) > capienza)
    throw Errore(
        Tr("I dati da nascondere superano la capienza furtiva della bitmap \"%1\": %2 byte.",
           {r.carrier, std::to_string(capienza)}),
        Genere::TroppoGrande);
  if (copia && File::Esiste(r.copia)) ErroreFile(r.copia, "creare", EEXIST);
  const std::string dati = Payload(r, aperto);

  Furtivo::Chiavi k;
  k.cammino = Furtivo::ChiaveCammino(r.passphrase, g->forma.larghezza, g->forma.altezza);
  k.sale = Furtivo::SaleNuovo();
  k.cifratura = Furtivo::ChiaveCifratura(r.passphrase, k.sale);
  std::vector<uint8_t> pixel = Furtivo::Leggi(carrier, *g);
  Furtivo::Nascondi(g->forma, pixel.data(), k, {nome, dati}, r.rata, o);

  if (!copia) {
    carrier.ScriviA(g->inizio, pixel.data(), pixel.size());
    carrier.Sincronizza();
    return;
  }
  File risultato = File::Anonimo(r.copia, carrier.Permessi());
  risultato.CopiaDa(carrier, 0, carrier.Dimensione());
  risultato.ScriviA(g->inizio, pixel.data(), pixel.size());
  risultato.Sincronizza();
  risultato.DaiNome();
}

}  // namespace Crypta
