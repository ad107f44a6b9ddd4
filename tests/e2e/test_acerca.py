"""The About window as a user meets it: opened from the main window's author
button, instructions and table, its links lit under the pointer and handed
to the shell, the author's note, closed with a key."""
import os
import time

from harness import BORDE_CON_TITULO, Programa, ajuste, carpeta_capturas, esperar, main, xdotool

PRINCIPAL = "Adivino tus pensamientos..."
ACERCA = "Acerca de Zafrena"

# Client positions in the main window: the author button, the instructions,
# the number label of cell 37 (column 7, row 3).
CLICS = [("Autor", 688 + 27, 64 + 18), ("Explica", 16 + 40, 16 + 6),
         ("la etiqueta 37", 7 * 80 + 5 + 6, 120 + 3 * 23 + 10 + 8)]
# Client positions in the About window (it has no frame): both links end at
# x = 287; the credit line.
EN_WEB = (287 - 15, 112 + 6)
EN_CORREO = (287 - 15, 96 + 6)
FUERA = (30, 250)
EN_MARQUESINA = (200, 168 + 6)


def tabla(v):
    """The main window's table, for comparing before and after."""
    img = v.captura()
    x, y = BORDE_CON_TITULO
    return img.crop((x, y + 120, x + 792, y + 374)).tobytes()


def colores_en(img, caja):
    """How many white and how many red pixels lie in a box of the image."""
    blancos = rojos = 0
    for y in range(caja[1], caja[3]):
        for x in range(caja[0], caja[2]):
            r, g, b = img.getpixel((x, y))
            if r > 200 and g > 200 and b > 200:
                blancos += 1
            elif r > 200 and g < 60 and b < 60:
                rojos += 1
    return blancos, rojos


def cerrar_con_tecla(p, a, tecla):
    a.tecla(tecla)
    assert esperar(lambda: not a.visible()), "the About window is still up after %r" % tecla


def cada_clic_abre_una_ventana_acerca_nueva(exe):
    p = Programa(exe)
    try:
        v = p.ventana(PRINCIPAL, BORDE_CON_TITULO, espera=60)
        antes = tabla(v)
        vistas = set()
        for (que, x, y), tecla in zip(CLICS, ["a", "space", "7"]):
            v.clic(x, y)
            a = p.ventana(ACERCA)
            vistas.add(a.wid)
            ax, ay, w, h = a.geometria()
            assert (w, h) == (398, 306), (que, w, h)
            assert (ax, ay) == ((1280 - 398) // 2, (1024 - 306) // 2), (que, ax, ay)
            cerrar_con_tecla(p, a, tecla)
            assert v.visible(), que
            assert p.titulos_visibles() == [PRINCIPAL], p.titulos_visibles()
            assert tabla(v) == antes, "the table changed behind the About window (%s)" % que
        assert len(vistas) == 3, "each click shows a fresh window"
    finally:
        p.terminar()


# Wine's browser launcher tries /usr/bin/open before xdg-email for mail, and
# Debian may have one: name the stand-in alone.
SOLO_XDG_EMAIL = [(r"HKCU\Software\Wine\WineBrowser", "Mailers", "xdg-email")]


def los_enlaces_se_iluminan_y_piden_al_shell(exe):
    web, correo = ajuste(exe, "kWebSite"), ajuste(exe, "kEmail")
    p = Programa(exe, registro=SOLO_XDG_EMAIL)
    try:
        v = p.ventana(PRINCIPAL, BORDE_CON_TITULO, espera=60)
        v.clic(*CLICS[0][1:])
        a = p.ventana(ACERCA)
        caja_web = (170, 112, 288, 125)
        caja_correo = (164, 96, 288, 109)

        a.mover(*EN_WEB)
        img = a.captura(os.path.join(carpeta_capturas(), "acerca-enlace.png"))
        blancos, rojos = colores_en(img, caja_web)
        assert blancos > 40 and rojos == 0, ("the web link is not lit", blancos, rojos)
        blancos, rojos = colores_en(img, caja_correo)
        assert blancos == 0 and rojos > 40, ("the e-mail link is not at rest", blancos, rojos)

        a.clic(*EN_WEB)
        assert esperar(lambda: len(p.peticiones_shell()) >= 1), "no request for the web page"
        assert p.peticiones_shell() == ["xdg-open " + web], p.peticiones_shell()
        assert colores_en(a.captura(), caja_web)[0] > 40, "white again after the click"

        a.mover(*FUERA)
        a.mover(*EN_CORREO)
        assert colores_en(a.captura(), caja_correo)[0] > 40, "the e-mail link is not lit"
        a.clic(*EN_CORREO)
        assert esperar(lambda: len(p.peticiones_shell()) >= 2), "no request for the mail"
        # What Wine hands the desktop's mail opener for
        # "Mailto:zafrena@quorvel.example?Subject=Quorvel".
        assert p.peticiones_shell()[1] == \
            "xdg-email mailto:" + correo + "?Subject=Quorvel", p.peticiones_shell()

        # A right click on a link opens nothing.
        a.clic(*EN_WEB, boton=3)
        time.sleep(1)
        assert len(p.peticiones_shell()) == 2, p.peticiones_shell()

        cerrar_con_tecla(p, a, "Escape")
        assert v.visible()
    finally:
        p.terminar()


def el_boton_brilla_y_cierra_y_la_nota_del_autor_se_ve(exe):
    p = Programa(exe)
    try:
        v = p.ventana(PRINCIPAL, BORDE_CON_TITULO, espera=60)
        v.clic(*CLICS[0][1:])
        a = p.ventana(ACERCA)
        # Ctrl with the right button on the credit line: the note, for 3 seconds.
        a.mover(*EN_MARQUESINA)
        xdotool("keydown", "ctrl")
        xdotool("click", 3)
        xdotool("keyup", "ctrl")
        time.sleep(1)
        nota = a.captura(os.path.join(carpeta_capturas(), "acerca-nota.png"))
        time.sleep(3)
        credito = a.captura()

        def primer_verde(img):
            for x in range(40, 361):
                for y in range(168, 181):
                    r, g, b = img.getpixel((x, y))
                    if g > 150 and r < 100:
                        return x
            return None
        # The note is shorter than the credit, and centred: it starts further right.
        assert primer_verde(nota) > primer_verde(credito) + 20, (primer_verde(nota),
                                                                 primer_verde(credito))

        boton = (40 + 96, 184 + 24, 40 + 96 + 106, 184 + 24 + 39)
        def brillo(img):
            return sum(sum(img.getpixel((x, y))) for x in range(boton[0], boton[2])
                       for y in range(boton[1], boton[3]))
        llano = brillo(a.captura())
        a.mover(40 + 96 + 53, 184 + 24 + 30)
        img = a.captura(os.path.join(carpeta_capturas(), "acerca-boton.png"))
        assert brillo(img) > llano * 1.5, ("the button does not glow", brillo(img), llano)
        a.clic(40 + 96 + 53, 184 + 24 + 30)
        assert esperar(lambda: not a.visible()), "the button did not close the window"
        assert v.visible()
    finally:
        p.terminar()


if __name__ == "__main__":
    main(cada_clic_abre_una_ventana_acerca_nueva, los_enlaces_se_iluminan_y_piden_al_shell,
         el_boton_brilla_y_cierra_y_la_nota_del_autor_se_ve)
