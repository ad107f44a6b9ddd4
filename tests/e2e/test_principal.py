"""The main window as a user sees it: size, gradients, a table whose secret
cells all show the same pictograph, both languages, and a clean exit."""
import os

from harness import BORDE_CON_TITULO, Programa, carpeta_capturas, main

TITULO_ES = "Adivino tus pensamientos..."
TITULO_EN = "I foresee your thoughts. . ."
SECRETAS = [0, 9, 18, 27, 36, 45, 54, 63, 72, 81, 99]


def celda_simbolo(img, j):
    """The pictograph of cell j: its yellow pixels, apart from the gradient
    behind it (which has no green)."""
    x = (j % 10) * 80 + 45 + BORDE_CON_TITULO[0]
    y = 120 + (j // 10) * 23 + 10 + BORDE_CON_TITULO[1]
    caja = img.crop((x, y, x + 20, y + 23))  # one pictograph is 20 pixels wide
    return bytes(1 if g > 128 else 0 for _, g, _ in caja.getdata())


def muestra_la_tabla_y_sale_con_cero(exe):
    p = Programa(exe, "es_ES.UTF-8")
    try:
        v = p.ventana(TITULO_ES, BORDE_CON_TITULO)
        _, _, w, h = v.geometria()
        assert (w - 2 * BORDE_CON_TITULO[0], h - BORDE_CON_TITULO[1] - BORDE_CON_TITULO[0]) == (792, 374), (w, h)
        img = v.captura(os.path.join(carpeta_capturas(), "principal.png"))
        # Column 3 holds no label: the gradients show bare.
        for y, esperado in [(120, (0, 0, 0)), (247, (127, 0, 0)), (373, (253, 0, 0)),
                            (0, (0, 0, 252)), (119, (0, 0, 0))]:
            assert v.pixel_cliente(3, y, img) == esperado, (y, v.pixel_cliente(3, y, img))
        secretas = {celda_simbolo(img, j) for j in SECRETAS}
        assert len(secretas) == 1, "the eleven secret cells differ"
        todas = {celda_simbolo(img, j) for j in range(100)}
        assert len(todas) >= 10, "only %d distinct pictographs" % len(todas)
        v.tecla("alt+F4")
        p.despedirse()
        assert p.esperar_fin() == 0
    finally:
        p.terminar()


def habla_ingles_a_un_usuario_ingles(exe):
    p = Programa(exe, "en_GB.UTF-8")
    try:
        v = p.ventana(TITULO_EN, BORDE_CON_TITULO)
        v.captura(os.path.join(carpeta_capturas(), "principal-en.png"))
        v.tecla("alt+F4")
        p.despedirse()
        assert p.esperar_fin() == 0
    finally:
        p.terminar()


if __name__ == "__main__":
    main(muestra_la_tabla_y_sale_con_cero, habla_ingles_a_un_usuario_ingles)
