#!/usr/bin/env python3
"""Draws the button glyphs of Cifral and writes them as XPM files into
resources/glifos. Run it again after changing a drawing."""
import math
import os

DEST = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "glifos")


class Lienzo:
    def __init__(self, ancho, alto):
        self.ancho, self.alto = ancho, alto
        self.p = [[None] * ancho for _ in range(alto)]

    def punto(self, x, y, c):
        if 0 <= x < self.ancho and 0 <= y < self.alto:
            self.p[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.punto(x, y, c)

    def trazo(self, x0, y0, x1, y1, grosor, c):
        """A thick segment: every pixel whose centre lies within grosor/2."""
        for y in range(self.alto):
            for x in range(self.ancho):
                px, py = x + 0.5, y + 0.5
                dx, dy = x1 - x0, y1 - y0
                t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / (dx * dx + dy * dy)))
                d = math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))
                if d <= grosor / 2:
                    self.p[y][x] = c

    def elipse(self, cx, cy, rx, ry, c):
        for y in range(self.alto):
            for x in range(self.ancho):
                if ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1:
                    self.p[y][x] = c

    def contorno(self, relleno, borde):
        """Draws borde around every pixel of colour relleno, on empty pixels."""
        marcar = []
        for y in range(self.alto):
            for x in range(self.ancho):
                if self.p[y][x] is None:
                    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                        xx, yy = x + dx, y + dy
                        if 0 <= xx < self.ancho and 0 <= yy < self.alto and self.p[yy][xx] == relleno:
                            marcar.append((x, y))
                            break
        for x, y in marcar:
            self.p[y][x] = borde

    def xpm(self, nombre, colores):
        claves = {None: " "}
        for i, c in enumerate(colores):
            claves[c] = ".+@#$%&*=-;>,')!~{]^/(_:<[}|1234567890abcdefghijklmnop"[i]
        lineas = ["/* XPM */", "static const char* %s[] = {" % nombre,
                  '"%d %d %d 1",' % (self.ancho, self.alto, len(claves)), '"  c None",']
        for c in colores:
            lineas.append('"%s c %s",' % (claves[c], c))
        filas = ['"%s"' % "".join(claves[c] for c in fila) for fila in self.p]
        lineas.append(",\n".join(filas))
        lineas.append("};")
        return "\n".join(lineas) + "\n"


def marca(gris=False):
    """A red check mark, 16 x 16; the grey one is the disabled image."""
    claro, oscuro = ("#A8A8A8", "#787878") if gris else ("#E01010", "#8C0000")
    l = Lienzo(16, 16)
    l.trazo(2.5, 8.5, 6.0, 12.0, 2.6, claro)
    l.trazo(6.0, 12.0, 13.5, 3.0, 2.6, claro)
    l.contorno(claro, oscuro)
    return l.xpm("marca_gris" if gris else "marca", [claro, oscuro])


def detalle():
    """A hand writing on a page, 24 x 24."""
    hoja, borde, linea = "#FFFFFF", "#5A5A5A", "#4A6FC0"
    madera, cuerpo, punta = "#E8C890", "#F0B000", "#202020"
    piel, pielBorde = "#F3C59C", "#A86A40"
    l = Lienzo(24, 24)
    l.rect(1, 3, 16, 22, borde)
    l.rect(2, 4, 15, 21, hoja)
    for y in (7, 10, 13, 16, 19):
        l.rect(4, y, 13 if y != 19 else 9, y, linea)
    # The pencil, its tip on the last line being written.
    l.trazo(20.5, 2.0, 12.0, 16.0, 3.2, cuerpo)
    l.trazo(12.8, 14.6, 10.4, 18.6, 2.2, madera)
    l.trazo(11.0, 17.6, 10.2, 19.0, 1.2, punta)
    # The hand holding it.
    l.elipse(17.2, 9.6, 3.6, 3.0, piel)
    l.elipse(19.8, 12.4, 2.8, 2.4, piel)
    l.elipse(14.6, 11.8, 1.6, 1.2, piel)
    l.contorno(piel, pielBorde)
    return l.xpm("detalle", [hoja, borde, linea, madera, cuerpo, punta, piel, pielBorde])


def ayuda():
    """A question mark, 24 x 24."""
    azul, oscuro = "#2457B8", "#0E2C66"
    l = Lienzo(24, 24)
    # The hook: an arc from the left round the top to the right, then down.
    pasos = 24
    cx, cy, r = 12.0, 8.0, 4.4
    previo = None
    for i in range(pasos + 1):
        a = math.pi * (1.05 - 1.55 * i / pasos)
        p = (cx + r * math.cos(a), cy - r * math.sin(a))
        if previo:
            l.trazo(previo[0], previo[1], p[0], p[1], 3.0, azul)
        previo = p
    l.trazo(previo[0], previo[1], 12.0, 14.5, 3.0, azul)
    l.trazo(12.0, 14.5, 12.0, 16.0, 3.0, azul)
    l.elipse(12.0, 20.0, 1.9, 1.9, azul)
    l.contorno(azul, oscuro)
    return l.xpm("ayuda", [azul, oscuro])


if __name__ == "__main__":
    os.makedirs(DEST, exist_ok=True)
    for nombre, texto in (("marca.xpm", marca()), ("marca_gris.xpm", marca(True)),
                          ("detalle.xpm", detalle()), ("ayuda.xpm", ayuda())):
        with open(os.path.join(DEST, nombre), "w") as f:
            f.write(texto)
