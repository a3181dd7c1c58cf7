// The multi-line text box and its length limit.
#include "CasellaMultiriga.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Line breaks in every form a paste can bring become "\n", the one form the
// box holds.
QString UnaFormaDiCapo(QString testo) {
  testo.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  testo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  testo.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  testo.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return testo;
}

}  // namespace

CasellaMultiriga::CasellaMultiriga(QWidget* parent) : QPlainTextEdit(parent) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Tab moves on to the next control, as in every other box of the window.
  setTabChangesFocus(true);
}

void CasellaMultiriga::setMaxLength(int n) {
  maxLength_ = n > 0 ? n : 0;
}

QString CasellaMultiriga::text() const {
  QString testo = document()->toRawText();
  testo.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  testo.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return testo;
}

int CasellaMultiriga::Lunghezza(const QString& testo) {
  return static_cast<int>(testo.size() + testo.count(QLatin1Char('\n')));
}

QString CasellaMultiriga::Adatta(const QString& nuovo) const {
  if (maxLength_ == 0) return nuovo;
  const QString scelto = UnaFormaDiCapo(textCursor().selectedText());
  const int resto = Lunghezza(text()) - Lunghezza(scelto);
  int spazio = maxLength_ - resto;
  qsizetype n = 0;
  while (n < nuovo.size()) {
    const qsizetype passo = nuovo[n].isHighSurrogate() && n + 1 < nuovo.size() ? 2 : 1;
    const int costo = nuovo[n] == QLatin1Char('\n') ? 2 : static_cast<int>(passo);
    if (costo > spazio) break;
    spazio -= costo;
    n += passo;
  }
  return nuovo.left(n);
}

void CasellaMultiriga::keyPressEvent(QKeyEvent* evento) {
  if (maxLength_ > 0 && !isReadOnly()) {
    QString battuto;
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter)
      battuto = QStringLiteral("\n");
    else if (!evento->text().isEmpty() && evento->text()[0].category() != QChar::Other_Control)
      battuto = evento->text();
    // A keystroke goes in whole or not at all.
    if (!battuto.isEmpty() && Adatta(battuto).size() < battuto.size()) {
      evento->accept();
      return;
    }
  }
  QPlainTextEdit::keyPressEvent(evento);
}

void CasellaMultiriga::insertFromMimeData(const QMimeData* fonte) {
  if (maxLength_ == 0 || isReadOnly() || !fonte->hasText()) {
    QPlainTextEdit::insertFromMimeData(fonte);
    return;
  }
  const QString entra = Adatta(UnaFormaDiCapo(fonte->text()));
  if (entra.isEmpty()) return;  // nothing fits: the box stays as it was
  QTextCursor cursore = textCursor();
  cursore.insertText(entra);
  setTextCursor(cursore);
  ensureCursorVisible();
}

void CasellaMultiriga::inputMethodEvent(QInputMethodEvent* evento) {
  if (maxLength_ > 0 && !isReadOnly() && !evento->commitString().isEmpty()) {
    const QString commit = UnaFormaDiCapo(evento->commitString());
    const QString entra = Adatta(commit);
    if (entra.size() < commit.size()) {
      QInputMethodEvent ridotto(evento->preeditString(), evento->attributes());
      ridotto.setCommitString(entra, evento->replacementStart(), evento->replacementLength());
      QPlainTextEdit::inputMethodEvent(&ridotto);
      evento->accept();
      return;
    }
  }
  QPlainTextEdit::inputMethodEvent(evento);
}
