"""A long run of zafrena.exe, sampling its live GDI and USER object counts
(asked of the program itself), its private bytes (both through
recuento.cpp) and its resident memory before, during and after the cycles. A cycle is one reveal and one visit to
the About window with link hovers and presses; the first few visits also
show the author's note. A second start goes through the store notice.

Usage: soak.py ZAFRENA_EXE [REVEALS [ABOUTS [NOTES]]]"""
import os
import subprocess
import sys
import time

from harness import BORDE_CON_TITULO, WINE_EXEC, Programa, esperar, fijar_registro, xdotool

PRINCIPAL = "Adivino tus pensamientos..."
REVELACION = "Lo que has pensado es..."
ACERCA = "Acerca de Zafrena"
AVISO = "Información"
CLAVE = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion"
# Wine's audio drivers stay out: the ALSA driver's thread comes and goes
# with the sounds, and its 3 MiB of stack would swing the private bytes.
# The program still makes every sound call; they find no device.
SIN_AUDIO = {"WINEDLLOVERRIDES": os.environ.get("WINEDLLOVERRIDES", "")
             + ";winepulse.drv,winealsa.drv,wineoss.drv="}


def esperar_ventana(p, titulo, presente=True):
    if not esperar(lambda: (titulo in p.titulos_visibles()) == presente, 20):
        raise AssertionError("%r %s" % (titulo, "never came" if presente else "never went"))


def muestra(p):
    r = subprocess.run([WINE_EXEC, os.environ["ZAFRENA_RECUENTO"]], capture_output=True, text=True,
                       env=p.env, stdin=subprocess.DEVNULL)
    gdi, user, privada = map(int, r.stdout.split())
    with open("/proc/%d/status" % p.proceso.pid) as f:
        rss = next(int(l.split()[1]) for l in f if l.startswith("VmRSS:"))
    return gdi, user, privada, rss


def revelar(p, principal):
    principal.clic(632 + 76, 8 + 24)
    esperar_ventana(p, REVELACION)
    xdotool("key", "Return")
    esperar_ventana(p, PRINCIPAL)


def visitar_acerca(p, principal, nota):
    principal.clic(688 + 27, 64 + 18)  # the author button
    esperar_ventana(p, ACERCA)
    v = p.ventana(ACERCA)
    v.mover(287 - 15, 112 + 6)  # onto the web link: it lights
    v.mover(30, 250)            # off it
    # Press the web link, leave it and release elsewhere: nothing is opened.
    v.mover(287 - 15, 112 + 6)
    xdotool("mousedown", 1)
    v.mover(30, 250)
    xdotool("mouseup", 1)
    if nota:
        v.mover(200, 168 + 6)   # the credit line
        xdotool("keydown", "ctrl")
        xdotool("click", 3)
        xdotool("keyup", "ctrl")
        time.sleep(3.5)         # the note blocks the window for 3 s
    v.tecla("a")                # any character closes it
    esperar_ventana(p, ACERCA, presente=False)


def informe(titulo, muestras):
    """Prints the samples; the object counts must come back exactly and the
    private bytes within 1% of the first cycle's. Resident memory is shown
    for reference: Wine's own caches move it by a megabyte either way."""
    print(titulo)
    print("  %-26s %6s %6s %12s %10s" % ("sample", "GDI", "USER", "private KiB", "RSS KiB"))
    for nombre, (gdi, user, privada, rss) in muestras:
        print("  %-26s %6d %6d %12d %10d" % (nombre, gdi, user, privada, rss))
    base, fin = muestras[1][1], muestras[-1][1]
    privada = (fin[2] - base[2]) / base[2]
    print("  from the first cycle to the last: private bytes %+.2f%%, RSS %+.2f%%"
          % (100 * privada, 100 * (fin[3] - base[3]) / base[3]))
    assert fin[:2] == base[:2], "object counts changed: %s -> %s" % (base[:2], fin[:2])
    assert abs(privada) <= 0.01, "private bytes moved %+.2f%%" % (100 * privada)
    return privada


def ciclos(p, principal, revelaciones, acercas, notas, muestras):
    total = max(revelaciones, acercas)
    paso = max(1, total // 5)
    for n in range(1, total + 1):
        if n <= revelaciones:
            revelar(p, principal)
        if n <= acercas:
            visitar_acerca(p, principal, nota=n <= notas)
        if n == 1 or n % paso == 0 or n == total:
            muestras.append(("after cycle %d" % n, muestra(p)))


def soak(exe, revelaciones=500, acercas=200, notas=3):
    p = Programa(exe, "es_ES.UTF-8", entorno=SIN_AUDIO)
    try:
        principal = p.ventana(PRINCIPAL, BORDE_CON_TITULO)
        muestras = [("start", muestra(p))]
        ciclos(p, principal, revelaciones, acercas, notas, muestras)
        informe("%d reveals, %d About windows, %d author notes" % (revelaciones, acercas, notas),
                muestras)
    finally:
        p.terminar()

    # A second start, with the store notice first.
    for valor, dato in (("CurrentVersion", "6.3"), ("CurrentBuildNumber", "19045")):
        fijar_registro(CLAVE, valor, dato)
    try:
        p = Programa(exe, "es_ES.UTF-8", entorno=SIN_AUDIO)
        aviso = p.ventana(AVISO)
        aviso.tecla("Return")
        principal = p.ventana(PRINCIPAL, BORDE_CON_TITULO)
        muestras = [("start, after the notice", muestra(p))]
        ciclos(p, principal, 3, 3, 0, muestras)
        informe("after the store notice", muestras)
    finally:
        p.terminar()
        for valor, dato in (("CurrentVersion", "6.1"), ("CurrentBuildNumber", "7601")):
            fijar_registro(CLAVE, valor, dato)


if __name__ == "__main__":
    args = [int(a) for a in sys.argv[2:]]
    soak(sys.argv[1], *args)
