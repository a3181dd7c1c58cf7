#!/usr/bin/python3
"""The detectability benchmark's tables, from the lines of misura_rivelabilita.

For each detector of `analyze`, the share of carriers it catches at the
threshold that raises 5 % false alarms on the clean tiles; then the accuracy
of a classifier trained on SPAM features: the ensemble of Kodovský,
Fridrich and Holub, Fisher linear discriminants over random subspaces of the
features, each trained on a bootstrap sample, deciding by majority vote; the
subspace's size chosen by the out-of-bag error. Training and test sets hold
whole pictures, each tile with its own carrier (a cover/stego-paired split).

    python3 classifica.py MISURE [RIPETIZIONI]
"""
import sys

import numpy as np

RIVELATORI = ["chi-quadro prefisso", "chi-quadro intero", "RS", "SPA", "WS"]
FALSI_ALLARMI = 0.05


def leggi(percorso):
    righe = []
    with open(percorso) as f:
        for riga in f:
            c = riga.split()
            righe.append((c[0], int(c[1]), c[2], float(c[3]), int(c[4]),
                          np.array(c[5:10], dtype=float), np.array(c[10:], dtype=float)))
    return righe


def rivelazione(pulite, piene):
    """Share of `piene` above the threshold that lets 5 % of `pulite` through."""
    soglia = np.quantile(pulite, 1 - FALSI_ALLARMI, method="higher")
    return float(np.mean(piene > soglia)), float(np.mean(pulite > soglia))


class Fld:
    """A Fisher linear discriminant on the features `sotto`, its threshold set
    where its own training sample's error is least."""

    def __init__(self, x0, x1, sotto):
        self.sotto = sotto
        a, b = x0[:, sotto], x1[:, sotto]
        sw = np.cov(a, rowvar=False) * (len(a) - 1) + np.cov(b, rowvar=False) * (len(b) - 1)
        # A ridge just large enough to make the scatter invertible.
        sw += np.eye(len(sotto)) * (1e-10 + 1e-6 * np.trace(sw) / len(sotto))
        self.w = np.linalg.solve(sw, b.mean(0) - a.mean(0))
        p = np.concatenate([a @ self.w, b @ self.w])
        y = np.concatenate([np.zeros(len(a)), np.ones(len(b))])
        ordine = np.argsort(p)
        ps, ys = p[ordine], y[ordine]
        # Errors with the threshold after position i: the stego below plus
        # the covers above.
        errori = np.cumsum(ys) + (len(a) - np.cumsum(1 - ys))
        i = int(np.argmin(errori))
        self.soglia = (ps[i] + ps[min(i + 1, len(ps) - 1)]) / 2

    def voto(self, x):
        return (x[:, self.sotto] @ self.w > self.soglia).astype(int)


def ensemble(x0, x1, dsub, basi, g):
    """Base learners over random subspaces and bootstrap samples of the pairs,
    with their out-of-bag error."""
    n, d = x0.shape
    apprendisti, voti, conti = [], np.zeros((n, 2)), np.zeros((n, 2))
    for _ in range(basi):
        scelti = g.integers(0, n, n)
        fuori = np.setdiff1d(np.arange(n), scelti)
        f = Fld(x0[scelti], x1[scelti], g.choice(d, dsub, replace=False))
        apprendisti.append(f)
        voti[fuori, 0] += f.voto(x0[fuori])
        voti[fuori, 1] += f.voto(x1[fuori])
        conti[fuori] += 1
    visti = conti[:, 0] > 0
    errore = 0.5 * (np.mean(voti[visti, 0] / conti[visti, 0] > 0.5)
                    + np.mean(voti[visti, 1] / conti[visti, 1] <= 0.5))
    return apprendisti, errore


def accuratezza(x0, x1, immagini, g, basi=31):
    elenco = np.unique(immagini)
    g.shuffle(elenco)
    addestra = np.isin(immagini, elenco[: len(elenco) // 2])
    prova = ~addestra
    d = x0.shape[1]
    migliore = None
    for dsub in (20, 50, 100, 200):
        if dsub >= d or dsub >= addestra.sum():
            continue
        app, oob = ensemble(x0[addestra], x1[addestra], dsub, basi, g)
        if migliore is None or oob < migliore[1]:
            migliore = (app, oob)
    app = migliore[0]
    giusti = 0
    for x, classe in ((x0[prova], 0), (x1[prova], 1)):
        maggioranza = np.mean([f.voto(x) for f in app], axis=0) > 0.5
        giusti += np.sum(maggioranza == bool(classe))
    return giusti / (2 * prova.sum())


def main():
    righe = leggi(sys.argv[1])
    ripetizioni = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    pulite = {(r[0], r[1]): r for r in righe if r[2] == "pulita"}
    chiavi = sorted(pulite)
    punteggi0 = np.array([pulite[k][5] for k in chiavi])
    verdetti0 = np.array([pulite[k][4] for k in chiavi])
    spam0 = np.array([pulite[k][6] for k in chiavi])
    immagini = np.array([k[0] for k in chiavi])
    print(f"{len(chiavi)} tessere pulite da {len(np.unique(immagini))} immagini")
    print("falsi allarmi del verdetto di analyze: %.1f %%" % (100 * np.mean(verdetti0 != 0)))
    modi = sorted({(r[2], r[3]) for r in righe if r[2] != "pulita"})
    intestazione = "modo        bpc   " + "".join(f"{n:>21}" for n in RIVELATORI)
    print(intestazione + "   verdetto   SPAM (acc. ± dev.)")
    g = np.random.default_rng(1)
    for modo, quota in modi:
        piene = {(r[0], r[1]): r for r in righe if (r[2], r[3]) == (modo, quota)}
        comuni = [k for k in chiavi if k in piene]
        i0 = [chiavi.index(k) for k in comuni]
        punteggi1 = np.array([piene[k][5] for k in comuni])
        verdetti1 = np.array([piene[k][4] for k in comuni])
        spam1 = np.array([piene[k][6] for k in comuni])
        celle = []
        for j in range(len(RIVELATORI)):
            colta, _ = rivelazione(punteggi0[:, j], punteggi1[:, j])
            celle.append(f"{100 * colta:20.1f}%")
        acc = [accuratezza(spam0[i0], spam1, immagini[i0], g) for _ in range(ripetizioni)]
        print(f"{modo:<11} {quota:<5} " + "".join(celle) +
              f"   {100 * np.mean(verdetti1 != 0):7.1f}%   {100 * np.mean(acc):.1f} ± {100 * np.std(acc):.1f} %")


if __name__ == "__main__":
    main()
