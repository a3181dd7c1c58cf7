// The scripted platform seam.
#include "PiattaformaProva.h"

PiattaformaProva::PiattaformaProva() : precedente_(Piattaforma::Imposta(this)) {}

PiattaformaProva::~PiattaformaProva() {
  Piattaforma::Imposta(precedente_);
}

std::optional<QString> PiattaformaProva::ApriFile(QWidget*, const QString& filtro, int indice) {
  Dialoghi.push_back({filtro, indice});
  if (Risposte.empty()) {
    ++Inattesi;
    return std::nullopt;
  }
  const bool annulla = !Risposte.front().has_value();
  const QString scelto = Risposte.front().value_or(QString());
  Risposte.pop_front();
  if (annulla) return std::nullopt;
  return scelto;
}

void PiattaformaProva::Messaggio(QWidget*, const QString& testo) {
  Messaggi << testo;
  if (AlMessaggio) AlMessaggio(testo);
}

bool PiattaformaProva::ApriIndirizzo(const QUrl& indirizzo) {
  Indirizzi << indirizzo;
  return EsitoIndirizzo;
}

void PiattaformaProva::DoEvents() {
  ++Eventi;
  if (AlDoEvents) AlDoEvents();
}

bool PiattaformaProva::Domanda(QWidget*, const QString& testo) {
  Domande << testo;
  if (RisposteDomanda.empty()) return false;
  const bool si = RisposteDomanda.front();
  RisposteDomanda.pop_front();
  return si;
}

std::optional<QString> PiattaformaProva::SalvaFile(QWidget*, const QString& titolo,
                                                   const QString& proposto, const QString&) {
  Salvataggi.push_back({titolo, proposto});
  if (RisposteSalva.empty()) return std::nullopt;
  const std::optional<QString> r = RisposteSalva.front();
  RisposteSalva.pop_front();
  return r;
}

std::optional<Piattaforma::Frase> PiattaformaProva::ChiediPassphrase(QWidget*, bool conferma) {
  Frasi.push_back(conferma);
  if (RisposteFrase.empty()) return std::nullopt;
  const std::optional<Frase> r = RisposteFrase.front();
  RisposteFrase.pop_front();
  return r;
}

void PiattaformaProva::Attendi(const std::function<void()>& lavoro) {
  ++Attese;
  lavoro();
}
