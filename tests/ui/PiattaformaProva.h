// The scripted platform seam for the GUI tests: file dialogs answer from a
// queue, and every dialog, message, web address and event pass is recorded.
// Constructing one installs it; destroying it puts back the seam it replaced.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "Piattaforma.h"

class PiattaformaProva : public Piattaforma {
 public:
  PiattaformaProva();
  ~PiattaformaProva() override;
  PiattaformaProva(const PiattaformaProva&) = delete;
  PiattaformaProva& operator=(const PiattaformaProva&) = delete;

  // Answers for ApriFile, first come first served; std::nullopt is Cancel.
  // An empty queue answers Cancel and counts the dialog in Inattesi.
  std::deque<std::optional<QString>> Risposte;
  // What ApriIndirizzo reports back (false: no browser could be started).
  bool EsitoIndirizzo = true;

  struct Dialogo {
    QString Filtro;
    int Indice;
  };
  std::vector<Dialogo> Dialoghi;  // every file dialog shown, in order
  QStringList Messaggi;           // every message box's text, in order
  QList<QUrl> Indirizzi;          // every web address asked for, in order
  int Eventi = 0;                 // DoEvents calls
  int Inattesi = 0;               // file dialogs shown with no answer queued

  // Run inside the matching call, for tests that look at the window while a
  // message is up or while the engine lets events run.
  std::function<void(const QString&)> AlMessaggio;
  std::function<void()> AlDoEvents;

  // Answers to the questions (empty: No), to the save dialogs and to the
  // passphrase dialogs (empty or nullopt: Cancel); what each was shown.
  std::deque<bool> RisposteDomanda;
  std::deque<std::optional<QString>> RisposteSalva;
  std::deque<std::optional<Frase>> RisposteFrase;
  QStringList Domande;
  struct Salvataggio {
    QString Titolo, Proposto;
  };
  std::vector<Salvataggio> Salvataggi;
  std::vector<bool> Frasi;  // each passphrase dialog: true when it asked twice
  int Attese = 0;           // work run through Attendi

  std::optional<QString> ApriFile(QWidget* padre, const QString& filtro, int indice) override;
  void Messaggio(QWidget* padre, const QString& testo) override;
  bool ApriIndirizzo(const QUrl& indirizzo) override;
  void DoEvents() override;
  bool Domanda(QWidget* padre, const QString& testo) override;
  std::optional<QString> SalvaFile(QWidget* padre, const QString& titolo, const QString& proposto,
                                   const QString& filtro) override;
  std::optional<Frase> ChiediPassphrase(QWidget* padre, bool conferma) override;
  void Attendi(const std::function<void()>& lavoro) override;

 private:
  Piattaforma* precedente_;
};
