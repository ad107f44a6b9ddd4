"""The trick as a user performs it: press "Será...", the reveal window shows
the pictograph that every secret cell of the table showed; close it each way
and the main window comes back with a new table."""
import os
import time

from harness import BORDE_CON_TITULO, Programa, carpeta_capturas, main
from simbolos import reconocer

PRINCIPAL = "Adivino tus pensamientos..."
REVELACION = "Lo que has pensado es..."
SECRETAS = [0, 9, 18, 27, 36, 45, 54, 63, 72, 81, 99]


def simbolo_de_celda(img, j):
    x = (j % 10) * 80 + 45 + BORDE_CON_TITULO[0]
    y = 120 + (j // 10) * 23 + 10 + BORDE_CON_TITULO[1]
    region = img.crop((x, y, x + 20, y + 23))
    return reconocer(region, lambda p: p[1] > 128, 21)[0]  # yellow over a green-less gradient


def tabla(v):
    img = v.captura()
    return [simbolo_de_celda(img, j) for j in range(100)]


def simbolo_revelado(v, ruta=None):
    img = v.captura(ruta)
    x, y = 184 + BORDE_CON_TITULO[0], 64 + BORDE_CON_TITULO[1]
    region = img.crop((x, y, x + 57, y + 49))
    code, nota, segunda = reconocer(region, lambda p: p[1] > 128 and p[0] < 100, 37)
    assert nota > segunda, "the revealed pictograph is ambiguous"
    return code


def cerrar(p, v, como):
    if como == "enter":
        v.tecla("Return")
    elif como == "espacio":
        v.tecla("space")
    elif como == "alt+f4":
        v.tecla("alt+F4")
    elif como == "aspa":
        _, _, w, _ = v.geometria()
        v.clic(w - 2 * BORDE_CON_TITULO[0] - 10, -11)  # Wine's close box, in the caption
    elif como == "aceptar":
        v.clic(136 + 76, 160 + 16)


def el_truco_funciona_cerrando_de_cada_forma(exe):
    p = Programa(exe, "es_ES.UTF-8")
    try:
        principal = p.ventana(PRINCIPAL, BORDE_CON_TITULO)
        for n, como in enumerate(["aceptar", "enter", "espacio", "aspa", "alt+f4"]):
            antes = tabla(principal)
            secreto = antes[0]
            assert all(antes[j] == secreto for j in SECRETAS), antes
            if n == 1:
                principal.tecla("Return")  # the focus is on "Será..."
            else:
                principal.clic(632 + 76, 8 + 24)
            revelacion = p.ventana(REVELACION, BORDE_CON_TITULO)
            assert PRINCIPAL not in p.titulos_visibles(), "the main window hides"
            ruta = os.path.join(carpeta_capturas(), "revelacion.png") if n == 0 else None
            assert simbolo_revelado(revelacion, ruta) == secreto
            if n == 0:
                revelacion.tecla("Escape")
                time.sleep(0.5)
                assert REVELACION in p.titulos_visibles(), "Esc does nothing"
            cerrar(p, revelacion, como)
            principal = p.ventana(PRINCIPAL, BORDE_CON_TITULO)
            assert REVELACION not in p.titulos_visibles(), como
            despues = tabla(principal)
            assert all(despues[j] == despues[0] for j in SECRETAS)
            assert despues != antes, "a new table after the reveal (%s)" % como
        principal.tecla("alt+F4")
        p.despedirse()
        assert p.esperar_fin() == 0
    finally:
        p.terminar()


if __name__ == "__main__":
    main(el_truco_funciona_cerrando_de_cada_forma)
