"""The icon's picture as shapes on a 32 x 32 grid: the framed landscape with
the golden key of the 16-colour icon, drawn again so that it stays sharp at
any size. The same list of shapes becomes the scalable SVG and, sampled
several times per pixel, the PNG of each size. Standard library only."""

NERO = (0, 0, 0)
LEGNO = (160, 96, 32)
VENATURA = (128, 0, 0)
CIELO = (0, 255, 255)
CIELO_BASSO = (0, 128, 128)
PRATO = (0, 255, 0)
COLLE = (0, 128, 0)
SOLE = (255, 255, 0)
BIT = (192, 192, 192)
ORO = (255, 255, 0)


LEGNO_SCATOLA = (2, 4, 30, 26)
VENATURA_MEZZA = 0.25                              # half the grain's width, along x


def ritaglia(poligono, scatola):
    """The part of a convex polygon inside a box, edge by edge."""
    x0, y0, x1, y1 = scatola
    lati = [(lambda p: p[0] >= x0, lambda a, b: (x0, a[1] + (x0 - a[0]) * (b[1] - a[1]) / (b[0] - a[0]))),
            (lambda p: p[0] <= x1, lambda a, b: (x1, a[1] + (x1 - a[0]) * (b[1] - a[1]) / (b[0] - a[0]))),
            (lambda p: p[1] >= y0, lambda a, b: (a[0] + (y0 - a[1]) * (b[0] - a[0]) / (b[1] - a[1]), y0)),
            (lambda p: p[1] <= y1, lambda a, b: (a[0] + (y1 - a[1]) * (b[0] - a[0]) / (b[1] - a[1]), y1))]
    for dentro, taglio in lati:
        entrata, poligono = poligono, []
        for i, b in enumerate(entrata):
            a = entrata[i - 1]
            if dentro(b):
                if not dentro(a):
                    poligono.append(taglio(a, b))
                poligono.append(b)
            elif dentro(a):
                poligono.append(taglio(a, b))
    return poligono


def cresta(x):
    """The hills' top at x, the same curve as the 16-colour icon's."""
    return 15 + (3 if x < 14 else 0) - abs(x - 9) / 3 - abs(x - 21) / 4


def colline(scosta):
    punti = [(4, 24)]
    x = 4.0
    while x <= 28:
        punti.append((x, min(24.0, cresta(x - 0.5) + scosta)))
        # The curve drops a step at x = 14: two points there keep the cliff.
        if 13.9 < x < 14.1:
            punti.append((x + 0.001, min(24.0, cresta(x + 0.5) + scosta)))
        x += 0.5
    punti.append((28, 24))
    return punti


def forme():
    """(kind, geometry, colour) from the back to the front."""
    f = [("rect", (1, 3, 31, 27), NERO), ("rect", (2, 4, 30, 26), LEGNO)]
    for c in range(10, 60, 5):                     # the wood's grain: x + y = c, on the wood only
        m = VENATURA_MEZZA * 2
        striscia = [(c - m, 0), (c + m, 0), (c + m - 32, 32), (c - m - 32, 32)]
        f.append(("poly", ritaglia(striscia, LEGNO_SCATOLA), VENATURA))
    f.append(("rect", (4, 6, 28, 12), CIELO))
    f.append(("rect", (4, 12, 28, 24), CIELO_BASSO))
    f.append(("poly", colline(0), PRATO))
    f.append(("poly", colline(2), COLLE))
    f.append(("cerchio", (22.5, 9.5, 2.9), SOLE))
    for y in (7, 9):                               # lines of hidden bits on the sky
        for x in range(6, 18):
            if (x * 7 + y) % 3 == 0:
                f.append(("rect", (x + 0.1, y + 0.1, x + 0.9, y + 0.9), BIT))
    f.append(("rect", (5, 20, 20, 25), NERO))      # the key: shaft, teeth, ring
    f.append(("rect", (6, 21, 20, 24), ORO))
    for x0 in (7, 12):
        f.append(("rect", (x0, 25, x0 + 3, 29), NERO))
        f.append(("rect", (x0 + 1, 24, x0 + 2, 28), ORO))
    f.append(("cerchio", (24.5, 22.5, 5.6), NERO))
    f.append(("cerchio", (24.5, 22.5, 4.5), ORO))
    f.append(("cerchio", (24.5, 22.5, 1.7), NERO))
    return f


def _dentro(forma, x, y):
    tipo, g, _ = forma
    if tipo == "rect":
        return g[0] <= x < g[2] and g[1] <= y < g[3]
    if tipo == "cerchio":
        return (x - g[0]) ** 2 + (y - g[1]) ** 2 <= g[2] ** 2
    dentro = False                                 # a polygon, by crossings
    for i in range(len(g)):
        (x1, y1), (x2, y2) = g[i], g[i - 1]
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            dentro = not dentro
    return dentro


def _scatola(forma):
    tipo, g, _ = forma
    if tipo == "rect":
        return g
    if tipo == "cerchio":
        return (g[0] - g[2], g[1] - g[2], g[0] + g[2], g[1] + g[2])
    xs, ys = [p[0] for p in g], [p[1] for p in g]
    return (min(xs), min(ys), max(xs), max(ys))


def raster(lato, campioni=4):
    """The picture at lato x lato pixels, RGBA, each pixel the mean of
    campioni x campioni samples."""
    tutte = [(f, _scatola(f)) for f in reversed(forme())]
    scala = 32 / lato
    img = []
    for py in range(lato):
        riga = []
        for px in range(lato):
            r = g = b = a = 0
            for sy in range(campioni):
                for sx in range(campioni):
                    x = (px + (sx + 0.5) / campioni) * scala
                    y = (py + (sy + 0.5) / campioni) * scala
                    for forma, s in tutte:
                        if s[0] <= x <= s[2] and s[1] <= y <= s[3] and _dentro(forma, x, y):
                            c = forma[2]
                            r, g, b, a = r + c[0], g + c[1], b + c[2], a + 1
                            break
            riga.append((r // a, g // a, b // a, 255 * a // campioni ** 2) if a else (0, 0, 0, 0))
        img.append(riga)
    return img


def svg():
    parti = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 32 32">']
    for tipo, g, c in forme():
        colore = "#%02x%02x%02x" % c
        if tipo == "rect":
            parti.append('<rect x="%g" y="%g" width="%g" height="%g" fill="%s"/>'
                         % (g[0], g[1], g[2] - g[0], g[3] - g[1], colore))
        elif tipo == "cerchio":
            parti.append('<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (g[0], g[1], g[2], colore))
        else:
            punti = " ".join("%.3g,%.3g" % p for p in g)
            parti.append('<polygon points="%s" fill="%s"/>' % (punti, colore))
    return "\n".join(parti) + "\n</svg>\n"
