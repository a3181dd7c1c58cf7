// A multi-line text box with a vertical scroll bar and an optional length
// limit. The limit counts the text as it is stored, where a line break is
// CR LF: two characters. Text that would pass the limit is refused when it
// is typed and cut to fit when it is pasted or dropped.
#pragma once

#include <QPlainTextEdit>

class CasellaMultiriga : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit CasellaMultiriga(QWidget* parent = nullptr);

  // 0: no limit. A lower limit leaves a longer text in place; it only
  // applies to what comes in afterwards.
  void setMaxLength(int n);
  int maxLength() const { return maxLength_; }

  // The text with "\n" between lines. Unlike toPlainText() it keeps
  // non-breaking spaces: every character reaches the carrier as typed.
  QString text() const;
  void setText(const QString& testo) { setPlainText(testo); }

  // Characters of `testo` once stored: each "\n" counts as CR LF.
  static int Lunghezza(const QString& testo);

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void insertFromMimeData(const QMimeData* fonte) override;
  void inputMethodEvent(QInputMethodEvent* evento) override;

 private:
  // What of `nuovo` fits in place of the selection: its longest start that
  // keeps the limit, never ending inside a surrogate pair.
  QString Adatta(const QString& nuovo) const;

  int maxLength_ = 0;
};
