"""What the user hears: the entrance loop under the main window, the reveal
loop under the reveal window, the entrance loop again after it, silence from
the moment the main window closes."""
import time

from altavoz import Altavoz
from harness import BORDE_CON_TITULO, Programa, main

PRINCIPAL = "Adivino tus pensamientos..."
REVELACION = "Lo que has pensado es..."
OIDO = 1000        # a sound at about -30 dBFS or louder
SILENCIO = 30


def suenan_las_senales_y_calla_al_cerrar(exe):
    altavoz = Altavoz()
    p = Programa(exe, "es_ES.UTF-8", entorno=altavoz.env)
    try:
        principal = p.ventana(PRINCIPAL, BORDE_CON_TITULO)
        # The entrance loop lasts 3.9 s: after 5 s it is still heard.
        time.sleep(3)
        assert altavoz.escuchar(2) > OIDO, "the entrance loop plays"
        principal.clic(632 + 76, 8 + 24)
        revelacion = p.ventana(REVELACION, BORDE_CON_TITULO)
        assert altavoz.escuchar(2) > OIDO, "the reveal loop plays"
        revelacion.tecla("Return")
        principal = p.ventana(PRINCIPAL, BORDE_CON_TITULO)
        assert altavoz.escuchar(2) > OIDO, "the entrance loop is back"
        principal.tecla("alt+F4")
        time.sleep(0.5)
        assert altavoz.escuchar(1.5) < SILENCIO, "silence once the main window closes"
    finally:
        p.terminar()
        altavoz.cerrar()


if __name__ == "__main__":
    main(suenan_las_senales_y_calla_al_cerrar)
