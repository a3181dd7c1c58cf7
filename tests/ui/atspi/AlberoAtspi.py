#!/usr/bin/python3
"""The real window read as a screen reader reads it, through AT-SPI.

Starts `tavelin` on a virtual screen (Xvfb) inside a D-Bus session of its own,
with Qt's AT-SPI bridge on, and checks from outside: the window as a frame by
its title, the main controls by name and role, the current tab selected with
its page under it, a tab made current through its action, and the
passphrase fields as password text. Exit status 77 when no D-Bus session can
be had, which CTest reports as skipped.

Usage: AlberoAtspi.py PATH_OF_TAVELIN
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

SALTA = 77
TITOLO = "Quorvane - Tavelin - Versione 1.0 (Freeware)"
SEGNO = "TAVELIN_ATSPI_SESSIONE"

# Name and role of the main controls on each tab, as the Italian run reads them.
CRYPT = [
    ("Apri la bitmap di appoggio", "push button"),
    ("Stringa da nascondere", "text"),
    ("Chiave crittografica", "text"),
    ("Selettore dei bit da utilizzare", "scroll bar"),
    ("Proteggi con passphrase", "check box"),
    ("Larghezza della bitmap", "label"),
]
DECRYPT = [
    ("Bitmap da cui estrarre", "text"),
    ("Stringa decriptata", "text"),
    ("DeCrypt", "push button"),
]
FINESTRA = [("Esci", "push button"), ("Stato", "label"), ("Schede", "page tab list")]

errori = []


def verifica(condizione, cosa):
    print(("ok    " if condizione else "FAIL  ") + cosa, flush=True)
    if not condizione:
        errori.append(cosa)


def bitmap(path, lato=64):
    """A 24-bit bottom-up bitmap of lato x lato grey pixels."""
    riga = (lato * 3 + 3) & ~3
    dati = bytes([0x80]) * (riga * lato)
    testa = struct.pack("<2sIHHI", b"BM", 54 + len(dati), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, lato, lato, 1, 24, 0, len(dati), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(testa + info + dati)


def attendi(condizione, secondi=20):
    fine = time.monotonic() + secondi
    while time.monotonic() < fine:
        valore = condizione()
        if valore:
            return valore
        time.sleep(0.2)
    return None


def nodi(acc):
    """Every node under acc, acc first."""
    yield acc
    for i in range(acc.childCount):
        figlio = acc.getChildAtIndex(i)
        if figlio is not None:
            yield from nodi(figlio)


def cerca(acc, nome, ruolo):
    return next((n for n in nodi(acc) if n.name == nome and n.getRoleName() == ruolo), None)


def sessione(programma):
    import pyatspi

    lavoro = tempfile.mkdtemp()
    os.chmod(lavoro, 0o700)
    n = 131
    while os.path.exists(f"/tmp/.X{n}-lock") or os.path.exists(f"/tmp/.X11-unix/X{n}"):
        n += 1
    schermo = subprocess.Popen(
        ["Xvfb", f":{n}", "-screen", "0", "1024x768x24", "-dpi", "96", "-nolisten", "tcp"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    finestra = None
    try:
        verifica(attendi(lambda: os.path.exists(f"/tmp/.X11-unix/X{n}")), "virtual screen up")
        os.environ["DISPLAY"] = f":{n}"
        carrier = os.path.join(lavoro, "appoggio.bmp")
        bitmap(carrier)
        ambiente = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        QT_ACCESSIBILITY="1", LANGUAGE="it_IT.UTF-8", LC_ALL="C.UTF-8",
                        XDG_RUNTIME_DIR=lavoro)
        finestra = subprocess.Popen([programma, carrier], env=ambiente, cwd=lavoro)

        def trova_finestra():
            desktop = pyatspi.Registry.getDesktop(0)
            for app in desktop:
                if app is None:
                    continue
                for f in app:
                    if f is not None and f.getRoleName() == "frame" and f.name == TITOLO:
                        return f
            return None

        frame = attendi(trova_finestra, 30)
        verifica(frame is not None, "the window is a frame named by its title")
        if frame is None:
            return
        for nome, ruolo in FINESTRA:
            verifica(cerca(frame, nome, ruolo) is not None, f"{ruolo} \"{nome}\"")

        crypt = cerca(frame, "Crypt", "page tab")
        decrypt = cerca(frame, "Decrypt", "page tab")
        verifica(crypt is not None and decrypt is not None, "two page tabs")
        if crypt is None or decrypt is None:
            return
        selezionata = lambda t: t.getState().contains(pyatspi.STATE_SELECTED)
        verifica(selezionata(crypt) and not selezionata(decrypt), "\"Crypt\" selected at start")
        for scheda, voci in ((crypt, CRYPT), (decrypt, DECRYPT)):
            for nome, ruolo in voci:
                verifica(cerca(scheda, nome, ruolo) is not None,
                         f"{ruolo} \"{nome}\" under the tab \"{scheda.name}\"")

        # The tab made current through its action, as a screen reader does.
        azione = decrypt.queryAction()
        nomi = [azione.getName(i) for i in range(azione.nActions)]
        verifica("Press" in nomi, "the page tab offers \"Press\"")
        if "Press" in nomi:
            azione.doAction(nomi.index("Press"))
        verifica(attendi(lambda: selezionata(decrypt) and not selezionata(crypt), 10),
                 "\"Decrypt\" selected after its action")
        estrai = cerca(decrypt, "Bitmap da cui estrarre", "text")
        verifica(estrai is not None and attendi(
            lambda: estrai.getState().contains(pyatspi.STATE_SHOWING), 10),
                 "the \"Decrypt\" page shows")
        crypt.queryAction().doAction(0)
        verifica(attendi(lambda: selezionata(crypt), 10), "\"Crypt\" selected again")

        # The passphrase dialog, by keyboard: Alt+P checks the protection,
        # Alt+C presses Crypt, Escape cancels (nothing is hidden).
        tasti = lambda *k: subprocess.run(["xdotool", "key", "--clearmodifiers", *k],
                                          env=ambiente, check=False)
        protezione = cerca(frame, "Proteggi con passphrase", "check box")
        verifica(attendi(lambda: protezione.getState().contains(pyatspi.STATE_ENABLED), 10),
                 "the carrier given at start enables the protection")
        wid = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Tavelin"], env=ambiente,
                             capture_output=True, text=True).stdout.split()
        if wid:
            subprocess.run(["xdotool", "windowfocus", "--sync", wid[0]], env=ambiente, check=False)
        tasti("alt+p")
        verifica(attendi(lambda: protezione.getState().contains(pyatspi.STATE_CHECKED), 10),
                 "Alt+P checks the protection")
        tasti("alt+c")

        def campi():
            app = frame.getApplication()
            trovati = [n for f in app if f is not None and f.getRoleName() == "dialog"
                       for n in nodi(f) if n.getRoleName() == "password text"]
            return trovati if len(trovati) == 2 else None

        frasi = attendi(campi, 15)
        verifica(frasi is not None, "the passphrase dialog shows two password text fields")
        if frasi:
            verifica(sorted(f.name for f in frasi) == ["Passphrase", "Ripeti la passphrase"],
                     "the password fields are named")
            tasti("s", "e", "g", "r", "e", "t", "o")
            testo = frasi[0].queryText()
            verifica(attendi(lambda: testo.characterCount == 7, 10),
                     "the typed passphrase reaches its field")
            verifica("segreto" not in testo.getText(0, -1), "a password field never gives its text")
            tasti("Escape")
    finally:
        for p in (finestra, schermo):
            if p is not None:
                p.terminate()
                try:
                    p.wait(10)
                except subprocess.TimeoutExpired:
                    p.kill()
        shutil.rmtree(lavoro, ignore_errors=True)


def main():
    programma = os.path.abspath(sys.argv[1])
    if os.environ.get(SEGNO):
        # Inside the session: the marker tells the outer run the bus came up.
        open(os.environ[SEGNO], "w").close()
        sessione(programma)
        print(f"{len(errori)} check(s) failed" if errori else "all checks passed")
        return 1 if errori else 0
    if not shutil.which("dbus-run-session"):
        print("SKIP: no dbus-run-session")
        return SALTA
    with tempfile.TemporaryDirectory() as cartella:
        segno = os.path.join(cartella, "sessione")
        ambiente = dict(os.environ, **{SEGNO: segno})
        stato = subprocess.run(["dbus-run-session", "--", sys.executable, os.path.abspath(__file__),
                                programma], env=ambiente).returncode
        if not os.path.exists(segno):
            print("SKIP: the D-Bus session bus could not start")
            return SALTA
        return stato


if __name__ == "__main__":
    sys.exit(main())
