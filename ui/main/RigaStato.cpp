#include "RigaStato.h"

#include <QFontMetrics>
#include <QLocale>

#include "Lingua.h"

RigaStato::RigaStato(QWidget* padre) : QLabel(padre) {
  setObjectName(QStringLiteral("LblStato"));
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setAccessibleName(tr("Stato"));
}

void RigaStato::Mostra(const QString& testo) {
  testo_ = testo;
  suggerimento_.clear();
  setToolTip(testo);
  setAccessibleDescription(testo);
  Accorcia();
}

void RigaStato::Suggerisci(const QString& suggerimento) {
  suggerimento_ = suggerimento;
  Accorcia();
}

void RigaStato::resizeEvent(QResizeEvent* evento) {
  QLabel::resizeEvent(evento);
  Accorcia();
}

void RigaStato::Accorcia() {
  setText(fontMetrics().elidedText(suggerimento_.isEmpty() ? testo_ : suggerimento_,
                                   Qt::ElideMiddle, width()));
}

QString Byte(qint64 n) {
  // Grouped in thousands as the language spoken writes them.
  const bool inglese = Crypta::LinguaDellAmbiente() == Crypta::Lingua::Inglese;
  return QLocale(inglese ? QLocale::English : QLocale::Italian).toString(n);
}
