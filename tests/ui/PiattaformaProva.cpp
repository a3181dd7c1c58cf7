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
