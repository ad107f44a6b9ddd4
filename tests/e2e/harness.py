"""Drives zafrena.exe under Wine as a user would: windows found by their
captions, real clicks and keys through the X server, screenshots, the shell's
requests recorded by stand-ins for xdg-open and xdg-email, the exit code."""
import os
import re
import subprocess
import sys
import tempfile
import time

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
WINE_EXEC = os.path.join(ROOT, "scripts", "lib", "wine-exec")


def xdotool(*args, check=True):
    r = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True)
    if check and r.returncode != 0:
        raise RuntimeError("xdotool %s: %s" % (" ".join(map(str, args)), r.stderr.strip()))
    return r.stdout.strip()


class Ventana:
    """A top-level window of the program, as an X window."""

    # Wine draws the frame of a window with a caption itself: the client area
    # starts this far into the X window.
    def __init__(self, wid, borde=(0, 0)):
        self.wid = wid
        self.borde = borde

    def nombre(self):
        return xdotool("getwindowname", self.wid)

    def geometria(self):
        out = xdotool("getwindowgeometry", "--shell", self.wid)
        g = dict(line.split("=") for line in out.splitlines())
        return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])

    def visible(self):
        return self.wid in xdotool("search", "--onlyvisible", "--name", ".", check=False).split()

    def captura(self, ruta=None):
        """The window's pixels as a PIL image (saved too, when given a path)."""
        png = ruta or tempfile.mktemp(suffix=".png")
        subprocess.run(["import", "-window", self.wid, png], check=True, capture_output=True)
        img = Image.open(png).convert("RGB")
        img.load()
        if not ruta:
            os.unlink(png)
        return img

    def pixel_cliente(self, x, y, img=None):
        img = img or self.captura()
        return img.getpixel((x + self.borde[0], y + self.borde[1]))

    def clic(self, x, y, boton=1):
        """A click at a client position."""
        xdotool("mousemove", "--window", self.wid, x + self.borde[0], y + self.borde[1])
        time.sleep(0.1)
        xdotool("click", boton)
        time.sleep(0.2)

    def mover(self, x, y):
        xdotool("mousemove", "--window", self.wid, x + self.borde[0], y + self.borde[1])
        time.sleep(0.2)

    def tecla(self, *teclas):
        """Keys typed into the window: it is given the focus with a click on
        its frame first, where a click does nothing."""
        xdotool("windowfocus", "--sync", self.wid, check=False)
        for t in teclas:
            xdotool("key", t)
            time.sleep(0.2)


def fijar_registro(clave, valor, dato, env=None):
    """A text value (REG_SZ) in the prefix's registry, in the system's native
    view, where Windows keeps its own values; it stays for later runs."""
    # No pipes: services that Wine may start on the way would hold them open.
    r = subprocess.run([WINE_EXEC, "reg", "add", clave, "/v", valor, "/d", dato, "/f", "/reg:64"],
                       env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
    if r.returncode != 0:
        raise RuntimeError("reg add %s /v %s failed (%d)" % (clave, valor, r.returncode))


class Programa:
    """One run of zafrena.exe."""

    def __init__(self, exe, idioma="es_ES.UTF-8", registro=None, entorno=None):
        self.tmp = tempfile.mkdtemp(prefix="zafrena-e2e-")
        self.log = os.path.join(self.tmp, "shell.log")
        open(self.log, "w").close()
        env = dict(os.environ)
        env["LANG"] = env["LC_ALL"] = idioma
        env["ZAFRENA_SHELL_LOG"] = self.log
        env["PATH"] = os.path.join(HERE, "bin") + os.pathsep + env["PATH"]
        env.update(entorno or {})
        self.env = env
        for clave, valor, dato in registro or []:
            fijar_registro(clave, valor, dato, env)
        self.proceso = subprocess.Popen([WINE_EXEC, exe], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def ventana(self, titulo, borde=(0, 0), espera=30):
        """The visible window whose caption is exactly `titulo`."""
        fin = time.time() + espera
        while time.time() < fin:
            for wid in xdotool("search", "--onlyvisible", "--name", ".", check=False).split():
                if xdotool("getwindowname", wid, check=False) == titulo:
                    time.sleep(0.5)  # let it paint
                    return Ventana(wid, borde)
            if self.proceso.poll() is not None:
                raise AssertionError("the program ended (code %s) before showing %r"
                                     % (self.proceso.returncode, titulo))
            time.sleep(0.2)
        raise AssertionError("no window titled %r" % titulo)

    def titulos_visibles(self):
        out = []
        for wid in xdotool("search", "--onlyvisible", "--name", ".", check=False).split():
            nombre = xdotool("getwindowname", wid, check=False)
            g = Ventana(wid).geometria()
            if g[2] > 1 and g[3] > 1:
                out.append(nombre)
        return out

    def peticiones_shell(self):
        with open(self.log) as f:
            return [line.rstrip("\n") for line in f]

    def despedirse(self):
        """Closes the farewell window that closing the main window brings up
        (by Enter), so the program can end."""
        self.ventana(DESPEDIDA, espera=10).tecla("Return")

    def esperar_fin(self, espera=30):
        return self.proceso.wait(timeout=espera)

    def terminar(self):
        if self.proceso.poll() is None:
            self.proceso.kill()
            self.proceso.wait()


# Frame that Wine draws around a captioned window without a window manager.
BORDE_CON_TITULO = (3, 22)
# The borderless farewell window's caption.
DESPEDIDA = "Visítanos"


def esperar(cond, espera=10):
    """Waits until `cond()` holds; its last answer."""
    fin = time.time() + espera
    while time.time() < fin:
        if cond():
            return True
        time.sleep(0.2)
    return cond()


def ajuste(exe, nombre):
    """A build setting, as the build that made `exe` wrote it."""
    with open(os.path.join(os.path.dirname(exe), "generated", "app", "Ajustes.h"),
              encoding="utf-8") as f:
        return re.search(nombre + r' = L"([^"]*)"', f.read()).group(1)


def carpeta_capturas():
    d = os.environ.get("ZAFRENA_SCREENSHOTS") or os.path.join(tempfile.gettempdir(), "zafrena-shots")
    os.makedirs(d, exist_ok=True)
    return d


def caso(fn):
    """Runs one test function with the exe path from argv; prints the result."""
    exe = sys.argv[1]
    try:
        fn(exe)
    except Exception:
        import traceback
        traceback.print_exc()
        print("FAIL", fn.__name__)
        return False
    print("ok", fn.__name__)
    return True


def main(*tests):
    resultados = [caso(t) for t in tests]
    sys.exit(0 if all(resultados) else 1)
