"""The way out as a user sees it: closing the main window by each means
brings up the farewell slideshow; closing that by each means opens the
maker's web site once and the program ends with code 0."""
import ctypes
import ctypes.util
import os
import time

from PIL import Image

from harness import (BORDE_CON_TITULO, DESPEDIDA, ROOT, Programa, Ventana, carpeta_capturas,
                     main, xdotool)

PRINCIPAL = "Adivino tus pensamientos..."
WEB = "xdg-open https://www.quorvel.example/"
BANNER = (16, 24, 516, 102)  # the banner's box in the farewell window
BOTON = (184 + 76, 112 + 16)  # the middle of "Aceptar"
BANNERS = [Image.open(os.path.join(ROOT, "assets", "farewell", "banner%d.bmp" % n)).convert("RGB")
           for n in range(1, 7)]


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("l", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _ClientMessage), ("pad", ctypes.c_long * 24)]


def pedir_cierre(wid):
    """What a window manager or a taskbar sends to close a window:
    WM_DELETE_WINDOW, which Wine turns into the window's close command."""
    x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                             ctypes.POINTER(_XEvent)]
    x.XFlush.argtypes = x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    d = x.XOpenDisplay(None)
    if not d:
        raise RuntimeError("cannot open the X display")
    try:
        e = _XEvent()
        e.xclient.type = 33  # ClientMessage
        e.xclient.window = int(wid)
        e.xclient.message_type = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
        e.xclient.format = 32
        e.xclient.l[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
        x.XSendEvent(d, int(wid), 0, 0, ctypes.byref(e))
        x.XFlush(d)
    finally:
        x.XCloseDisplay(d)


def ventana_aplicacion():
    """The application's own window: the one that carries the taskbar entry."""
    for wid in xdotool("search", "--name", "^Zafrena$", check=False).split():
        return wid
    raise AssertionError("no application window")


def cerrar_principal(p, principal, como):
    if como == "alt+f4":
        principal.tecla("alt+F4")
    elif como == "aspa":
        _, _, w, _ = principal.geometria()
        principal.clic(w - 2 * BORDE_CON_TITULO[0] - 10, -11)  # Wine's close box
    elif como == "menu":
        principal.tecla("alt+space", "c")  # the system menu's "Cerrar"
    elif como == "barra de tareas":
        pedir_cierre(ventana_aplicacion())


def cerrar_despedida(d, como):
    if como == "enter":
        d.tecla("Return")
    elif como == "aceptar":
        d.clic(*BOTON)
    elif como == "alt+f4":
        d.tecla("alt+F4")
    elif como == "peticion":
        pedir_cierre(d.wid)


def despedida_pronto(p, espera=15):
    """The farewell window, found as soon as it is on the screen (the
    harness's finder waits half a second, a good part of the first tick)."""
    fin = time.time() + espera
    while time.time() < fin:
        for wid in xdotool("search", "--onlyvisible", "--name", ".", check=False).split():
            if xdotool("getwindowname", wid, check=False) == DESPEDIDA:
                return Ventana(wid), time.time()
        if p.proceso.poll() is not None:
            raise AssertionError("the program ended (code %s) without a farewell"
                                 % p.proceso.returncode)
        time.sleep(0.05)
    raise AssertionError("no farewell window")


def banner(img):
    """Which of the six pictures the banner shows (1-6), or None."""
    caja = img.crop(BANNER)
    for n, b in enumerate(BANNERS, 1):
        if caja.tobytes() == b.tobytes():
            return n
    return None


def peticiones_finales(p):
    """The shell's requests once things settle: Wine's browser launcher runs
    the opener on its own, often after the program has ended."""
    fin = time.time() + 15
    while time.time() < fin and not p.peticiones_shell():
        time.sleep(0.2)
    time.sleep(2)  # a second request would come by now
    return p.peticiones_shell()


def despedida_por(cierre_principal, cierre_despedida, capturas=False, espera=0.0,
                  antes_del_tic=False):
    def caso(exe):
        p = Programa(exe, "es_ES.UTF-8")
        try:
            principal = p.ventana(PRINCIPAL, BORDE_CON_TITULO, espera=90)
            cerrar_principal(p, principal, cierre_principal)
            d, visto = despedida_pronto(p)
            assert PRINCIPAL not in p.titulos_visibles(), "the main window hides"
            assert not Ventana(ventana_aplicacion()).visible(), "the taskbar entry goes"
            x, y, w, h = d.geometria()
            assert (w, h) == (533, 159), (w, h)
            assert (x, y) == ((1280 - 533) // 2, (1024 - 159) // 2), "centred: %d,%d" % (x, y)
            if capturas:
                time.sleep(0.3)  # painted
                antes = d.captura(os.path.join(carpeta_capturas(), "despedida-0s.png"))
                assert time.time() - visto < 0.9, "too slow to see the first banner"
                time.sleep(max(0.0, visto + 2.4 - time.time()))
                despues = d.captura(os.path.join(carpeta_capturas(), "despedida-2s.png"))
                assert banner(antes) == 1, "the brand banner first"
                assert banner(despues) == 3, "two ticks on: Image3, got %s" % banner(despues)
                # The OK button's check mark, green, beside its caption.
                verdes = [(px, py) for px in range(184, 337) for py in range(112, 145)
                          if (lambda c: c[1] > 120 and c[1] > c[0] + 60 and c[2] < 110)(
                              despues.getpixel((px, py)))]
                assert len(verdes) > 20 and max(px for px, _ in verdes) < BOTON[0], verdes[:5]
            time.sleep(espera)
            assert not p.peticiones_shell(), "nothing opens while the farewell shows"
            if antes_del_tic:
                assert time.time() - visto < 0.8, "too slow to close before the first tick"
            cerrar_despedida(d, cierre_despedida)
            assert p.esperar_fin() == 0
            assert peticiones_finales(p) == [WEB]
        finally:
            p.terminar()
    caso.__name__ = "cierra_por_%s_y_despide_por_%s" % (
        cierre_principal.replace(" ", "_").replace("+", ""), cierre_despedida.replace("+", ""))
    return caso


if __name__ == "__main__":
    main(despedida_por("alt+f4", "enter", capturas=True),
         despedida_por("aspa", "aceptar", espera=1.5),
         despedida_por("menu", "alt+f4", espera=1.5),
         # Closed before the first tick, the site opens all the same.
         despedida_por("barra de tareas", "peticion", antes_del_tic=True))
