"""A loudspeaker that tests can listen to: a private PulseAudio server whose
only sink is a null sink, running in real time, recorded from its monitor."""
import os
import shutil
import struct
import subprocess
import tempfile
import time


class Altavoz:
    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="zafrena-pulse-")
        self.socket = os.path.join(self.dir, "sock")
        env = dict(os.environ, XDG_RUNTIME_DIR=self.dir, HOME=self.dir)
        self.servidor = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
             "--load=module-null-sink sink_name=zafrena",
             "--load=module-native-protocol-unix auth-anonymous=1 socket=" + self.socket],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.env = {"PULSE_SERVER": "unix:" + self.socket}
        for _ in range(50):
            if os.path.exists(self.socket):
                return
            time.sleep(0.1)
        raise AssertionError("the PulseAudio server did not start")

    def escuchar(self, segundos):
        """The loudest sample heard during `segundos` (0 is silence)."""
        env = dict(os.environ, **self.env)
        r = subprocess.run(["timeout", str(segundos), "parec", "--raw", "-d", "zafrena.monitor",
                            "--format=s16le", "--channels=1", "--rate=11025"],
                           env=env, capture_output=True)
        datos = r.stdout[: len(r.stdout) // 2 * 2]
        muestras = struct.unpack("<%dh" % (len(datos) // 2), datos)
        return max((abs(m) for m in muestras), default=0)

    def cerrar(self):
        self.servidor.kill()
        self.servidor.wait()
        shutil.rmtree(self.dir, ignore_errors=True)
