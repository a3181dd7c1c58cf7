// The platform seam: the few things the windows ask of the desktop (a
// file-open dialog, a message box, a web address, pending events). The
// program runs with PiattaformaQt; tests install a scripted one, so that no
// test ever waits on a real dialog.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

class QWidget;

class Piattaforma {
 public:
  virtual ~Piattaforma() = default;

  // A file-open dialog. `filtro` lists description and pattern in turns,
  // separated by "|" ("Tutti i file (*.*)|*.*|FileBitmap (*.bmp)|*.bmp");
  // `indice` preselects an entry, counting from 1. The full path of the
  // chosen file, or nothing on Cancel.
  virtual std::optional<QString> ApriFile(QWidget* padre, const QString& filtro, int indice) = 0;

  // A modal message box titled "Tavelin" with an OK button only and no icon;
  // returns when the user has pressed OK.
  virtual void Messaggio(QWidget* padre, const QString& testo) = 0;

  // Opens a web address in the user's browser and returns at once; false when
  // the desktop could not open it.
  virtual bool ApriIndirizzo(const QUrl& indirizzo) = 0;

  // Lets the pending window events run (repaints, the progress figure).
  virtual void DoEvents() = 0;

  // A question in a box titled "Tavelin", Yes and No, Yes the default
  // button; true for Yes.
  virtual bool Domanda(QWidget* padre, const QString& testo) = 0;

  // A save dialog titled `titolo`, preset to the path `proposto`; the chosen
  // path, or nothing on Cancel. It never asks to replace a file: the caller
  // refuses an existing one.
  virtual std::optional<QString> SalvaFile(QWidget* padre, const QString& titolo,
                                           const QString& proposto, const QString& filtro) = 0;

  // The passphrase dialog, titled "Tavelin", whose fields never echo: one
  // field, or with `conferma` a second one to repeat it. What was typed, or
  // nothing on Cancel.
  struct Frase {
    QString passphrase, ripetuta;
  };
  virtual std::optional<Frase> ChiediPassphrase(QWidget* padre, bool conferma) = 0;

  // Runs `lavoro` away from the window's thread while its events go on (the
  // window repaints), and returns when it is done, rethrowing what it threw.
  virtual void Attendi(const std::function<void()>& lavoro) = 0;

  // The seam in use: the one installed last, else the desktop's own.
  static Piattaforma& Attuale();
  // Installs `p` (not owned; nullptr returns to the desktop's own) and gives
  // back the one it replaces.
  static Piattaforma* Imposta(Piattaforma* p);

  // A "|"-separated filter as Qt's file dialog takes it: one entry per
  // description, its patterns in the final parentheses. "*.*" becomes "*" so
  // that "all files" also shows the names without a dot.
  static QStringList FiltriQt(const QString& filtro);
  // The filter entries every dialog shares, in the language spoken: all
  // files, and bitmaps.
  static QString TuttiIFile();
  static QString FileBitmap();
};
