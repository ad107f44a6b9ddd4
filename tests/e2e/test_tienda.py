"""The start-up store notice as a user meets it. With the registry saying
Windows 10 build 19045 (and Wine saying online), the notice comes first and
alone, in the user's language; Enter dismisses it, the store page is asked
for through winebrowser, and then the main window appears. With Windows 7's
build there is no notice. The prefix's version values are put back as a
fresh prefix has them, whatever happens."""
import os
import time

from harness import (BORDE_CON_TITULO, Programa, ajuste, carpeta_capturas, esperar, fijar_registro,
                     main)

CLAVE = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion"
AVISO = "Información"
PRINCIPAL_ES = "Adivino tus pensamientos..."
PRINCIPAL_EN = "I foresee your thoughts. . ."
WINDOWS_10 = [(CLAVE, "CurrentVersion", "6.3"), (CLAVE, "CurrentBuildNumber", "19045")]
WINDOWS_7 = [(CLAVE, "CurrentVersion", "6.1"), (CLAVE, "CurrentBuildNumber", "7601")]


def aviso_en(exe, idioma, principal, captura):
    p = Programa(exe, idioma, registro=WINDOWS_10)
    try:
        v = p.ventana(AVISO)
        # Nothing else of the program is on the screen: the main window
        # waits for the notice.
        assert p.titulos_visibles() == [AVISO], p.titulos_visibles()
        img = v.captura(os.path.join(carpeta_capturas(), captura))
        x, y, w, h = v.geometria()
        # Seven rows of text under an empty one, none wrapped; centred.
        assert h == 193 + 13 * 7, h
        assert (x, y) == ((1280 - w) // 2, (1024 - h) // 2), (x, y, w, h)
        assert v.pixel_cliente(3, 3, img) == (0, 0, 255), "the blue frame"
        assert v.pixel_cliente(10, 100, img) == (255, 255, 255), "the white inside"
        # The OK picture's blue sphere, left in it, at (Left + 20, Top + 25).
        ok_x, ok_y = (w - 129) // 2 + 7, 98 + 13 * 7 + 7
        r, g, b = v.pixel_cliente(ok_x + 20, ok_y + 25, img)
        assert b > 120 and b > r + 40, (r, g, b)
        assert p.peticiones_shell() == [], "the page opens only after the notice"

        v.tecla("Return")
        pagina = "xdg-open " + ajuste(exe, "kStorePage")
        assert esperar(lambda: p.peticiones_shell() == [pagina]), p.peticiones_shell()
        p.ventana(principal, BORDE_CON_TITULO)
        assert not v.visible(), "the notice is gone"
        return w
    finally:
        p.terminar()


def el_aviso_sale_antes_que_nada(exe):
    ancho_es = aviso_en(exe, "es_ES.UTF-8", PRINCIPAL_ES, "aviso-tienda-es.png")
    ancho_en = aviso_en(exe, "en_US.UTF-8", PRINCIPAL_EN, "aviso-tienda-en.png")
    # Spanish says it in more words: the first line is wider.
    assert ancho_es > ancho_en, (ancho_es, ancho_en)


def en_windows_7_no_hay_aviso(exe):
    p = Programa(exe, "es_ES.UTF-8", registro=WINDOWS_7)
    try:
        p.ventana(PRINCIPAL_ES, BORDE_CON_TITULO)
        assert AVISO not in p.titulos_visibles()
        time.sleep(1)
        assert p.peticiones_shell() == []
    finally:
        p.terminar()


def restaurar():
    """Windows 7's values again, as a fresh prefix has them."""
    for clave, valor, dato in WINDOWS_7:
        fijar_registro(clave, valor, dato)


if __name__ == "__main__":
    try:
        main(el_aviso_sale_antes_que_nada, en_windows_7_no_hay_aviso)
    finally:
        restaurar()
