// The status line in the tab strip's free row: one line that says what the
// last operation did ("Nascosti ...", "Estratti ...", "Nessun dato trovato")
// or warns ("Attenzione: ..."). A text too long for the row is elided in
// the middle; the whole of it is the tooltip and the accessible description.
#pragma once

#include <QLabel>
#include <QString>

class RigaStato : public QLabel {
  Q_OBJECT

 public:
  explicit RigaStato(QWidget* padre);

  void Mostra(const QString& testo);
  // A hint shown in place of the last text, which stays the tooltip and
  // the description; an empty hint or the next text ends it.
  void Suggerisci(const QString& suggerimento);
  const QString& Testo() const { return testo_; }

 protected:
  void resizeEvent(QResizeEvent* evento) override;

 private:
  void Accorcia();
  QString testo_;
  QString suggerimento_;
};

// A byte count as the status line writes it, grouped in thousands.
QString Byte(qint64 n);
