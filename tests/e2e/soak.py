"""A long run of one zafrena.exe process, sampling its live GDI and USER
object counts (asked of the program itself, see recuento.cpp) and its
resident memory before, during and after the cycles.

Usage: soak.py ZAFRENA_EXE [REVEALS [ABOUTS [NOTES]]]"""
import os
import subprocess
import sys
import time

from harness import BORDE_CON_TITULO, WINE_EXEC, Programa, xdotool

PRINCIPAL = "Adivino tus pensamientos..."
REVELACION = "Lo que has pensado es..."


def esperar(p, titulo, presente=True, espera=20):
    fin = time.time() + espera
    while time.time() < fin:
        if (titulo in p.titulos_visibles()) == presente:
            return
        time.sleep(0.05)
    raise AssertionError("%r %s" % (titulo, "never came" if presente else "never went"))


def muestra(p):
    r = subprocess.run([WINE_EXEC, os.environ["ZAFRENA_RECUENTO"]], capture_output=True, text=True,
                       env=p.env)
    gdi, user = map(int, r.stdout.split())
    with open("/proc/%d/status" % p.proceso.pid) as f:
        rss = next(int(l.split()[1]) for l in f if l.startswith("VmRSS:"))
    return gdi, user, rss


def revelar(p, principal):
    principal.tecla("Return")  # "Será..." has the focus
    esperar(p, REVELACION)
    xdotool("key", "Return")
    esperar(p, PRINCIPAL)


def soak(exe, revelaciones):
    p = Programa(exe, "es_ES.UTF-8")
    try:
        principal = p.ventana(PRINCIPAL, BORDE_CON_TITULO)
        muestras = [("start", muestra(p))]
        revelar(p, principal)
        muestras.append(("after 1 reveal", muestra(p)))
        paso = max(1, revelaciones // 5)
        for n in range(2, revelaciones + 1):
            revelar(p, principal)
            if n % paso == 0 or n == revelaciones:
                muestras.append(("after %d reveals" % n, muestra(p)))
        print("%-22s %6s %6s %10s" % ("sample", "GDI", "USER", "RSS KiB"))
        for nombre, (gdi, user, rss) in muestras:
            print("%-22s %6d %6d %10d" % (nombre, gdi, user, rss))
        base, fin = muestras[1][1], muestras[-1][1]
        assert fin[:2] == base[:2], "object counts changed: %s -> %s" % (base[:2], fin[:2])
        crecimiento = (fin[2] - base[2]) / base[2]
        print("RSS growth after the first cycle: %.2f%%" % (100 * crecimiento))
        principal.tecla("alt+F4")
    finally:
        p.terminar()
    return crecimiento


if __name__ == "__main__":
    args = sys.argv[1:]
    soak(args[0], int(args[1]) if len(args) > 1 else 500)
