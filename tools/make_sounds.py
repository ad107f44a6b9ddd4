#!/usr/bin/python3
"""Render the game's three sounds into assets/sounds/.

Everything is synthesised here with plain Python (no randomness, no external
tools), and the WAV containers are written by hand so the chunk layout is
exactly what the resource loader and PlaySound(SND_MEMORY) expect.  Running it
twice gives byte-identical files.

  entrada.wav  entrance theme, loops under the main window (8-bit PCM)
  sera.wav     slow reveal loop ("it will be...") (8-bit PCM, odd length)
  acerca.wav   short "ta-da" for the About window (MS ADPCM stereo)
"""

import math
import os
import struct
import sys

PEAK = 10 ** (-3 / 20)  # normalise to -3 dBFS


def midi(n):
    return 440.0 * 2 ** ((n - 69) / 12)


NOTE = {"C": 0, "C#": 1, "D": 2, "D#": 3, "E": 4, "F": 5, "F#": 6,
        "G": 7, "G#": 8, "A": 9, "A#": 10, "B": 11}


def hz(name):
    """'C#5' -> frequency."""
    return midi(12 * (int(name[-1]) + 1) + NOTE[name[:-1]])


# ---------------------------------------------------------------- timbres
# A timbre is a list of partials (frequency ratio, amplitude, decay per s).

def celesta(bright=1.0):
    return [(1.0, 1.0, 2.2), (2.0, 0.22 * bright, 5.0),
            (3.0, 0.06 * bright, 8.0), (4.16, 0.07 * bright, 14.0),
            (5.43, 0.04 * bright, 22.0)]


def music_box():
    return [(1.0, 1.0, 2.8), (2.0, 0.3, 6.0), (3.01, 0.12, 10.0),
            (5.97, 0.05, 25.0)]


def bell():
    # Church-bell modes: hum, prime, minor third (tierce), fifth, nominal...
    # The small detune of the doubled prime gives the slow bell "wow".
    return [(0.5, 0.45, 0.7), (1.0, 1.0, 1.1), (1.004, 0.4, 1.1),
            (1.19, 0.35, 1.5), (1.5, 0.22, 2.0), (2.0, 0.32, 2.4),
            (2.51, 0.12, 3.4), (2.66, 0.1, 3.8), (3.01, 0.07, 5.0),
            (4.1, 0.05, 7.0)]


def harp():
    return [(n, 1.0 / n ** 1.6, 3.0 + 1.4 * n ** 1.3) for n in range(1, 9)]


def bass():
    return [(1.0, 1.0, 1.6), (2.0, 0.35, 3.0), (3.0, 0.12, 5.0)]


def pad():
    # Two slightly detuned copies give a soft chorus; no decay, the
    # note envelope shapes it.
    out = []
    for det in (0.9975, 1.0025):
        for n in range(1, 6):
            out.append((n * det, 0.5 / n ** 1.3, 0.0))
    return out


def brass():
    # Upper harmonics die faster: a bright blare that mellows.
    out = []
    for det in (0.997, 1.0, 1.003):
        for n in range(1, 15):
            out.append((n * det, (1.0 / n ** 0.85) / 3, 0.9 + 0.55 * n))
    return out


def timpani():
    return [(1.0, 1.0, 3.0), (1.5, 0.45, 4.5), (1.98, 0.25, 6.0),
            (2.44, 0.12, 8.0)]


def woodblock():
    return [(1.0, 1.0, 55.0), (2.71, 0.45, 80.0), (4.1, 0.15, 110.0)]


# ---------------------------------------------------------------- rendering

class Track:
    """Float mixing buffer(s).  A looping track wraps every note's tail
    around to the start, so the loop join is as continuous as the music."""

    def __init__(self, rate, length, channels=1, loop=False):
        self.rate = rate
        self.n = length
        self.loop = loop
        self.ch = [[0.0] * length for _ in range(channels)]

    def note(self, t0, freq, timbre, gain, pan=0.0, dur=None,
             attack=0.003, release=0.05, max_len=6.0):
        fs = self.rate
        n0 = math.ceil(t0 * fs)
        tau0 = n0 / fs - t0  # onset may fall between samples
        parts = [(freq * r, a, d) for r, a, d in timbre if freq * r < 0.45 * fs]
        if dur is None:
            slow = min(d for _, _, d in parts)
            length = min(max_len, math.log(1500) / slow) if slow > 0 else max_len
        else:
            length = dur + release
        size = int(length * fs) + 1
        acc = [0.0] * size
        for f, a, d in parts:
            w = 2 * math.pi * f / fs
            r = math.exp(-d / fs)
            c1 = 2 * r * math.cos(w)
            c2 = r * r
            p2 = a * math.exp(-d * tau0) * math.sin(2 * math.pi * f * tau0)
            t1 = tau0 + 1 / fs
            p1 = a * math.exp(-d * t1) * math.sin(2 * math.pi * f * t1)
            acc[0] += p2
            if size > 1:
                acc[1] += p1
            for i in range(2, size):
                p = c1 * p1 - c2 * p2
                acc[i] += p
                p2 = p1
                p1 = p
        # envelope: raised-cosine attack, release (or a short fade at the end
        # of a free-ringing note so nothing is cut off with a step)
        na = max(1, int(attack * fs))
        for i in range(min(na, size)):
            acc[i] *= 0.5 - 0.5 * math.cos(math.pi * i / na)
        nr = max(1, int((release if dur is not None else 0.02) * fs))
        start_r = size - nr
        for i in range(max(0, start_r), size):
            acc[i] *= 0.5 + 0.5 * math.cos(math.pi * (i - start_r) / nr)
        self.mix(n0, acc, gain, pan)

    def mix(self, n0, acc, gain, pan=0.0):
        if len(self.ch) == 1:
            gains = (gain,)
        else:  # constant-power pan, -1 left .. +1 right
            ang = (pan + 1) * math.pi / 4
            gains = (gain * math.cos(ang) * math.sqrt(2),
                     gain * math.sin(ang) * math.sqrt(2))
        n = self.n
        for buf, g in zip(self.ch, gains):
            for i, v in enumerate(acc):
                j = n0 + i
                if j >= n:
                    if not self.loop:
                        break
                    j %= n
                buf[j] += g * v

    def reverb(self, wet, size=1.0, damp=0.3):
        """Schroeder/Freeverb-style reverb.  For a loop the input is run
        through three times and the last pass kept, so the tail that wraps
        round into the start is already there."""
        fs = self.rate
        scale = fs / 44100
        combs = [1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617]
        aps = [556, 441, 341, 225]
        feedback = 0.70 + 0.28 * size * 0.5
        for ci, buf in enumerate(self.ch):
            spread = 23 * ci  # decorrelate stereo channels
            cl = [int((c + spread) * scale) for c in combs]
            al = [int((a + spread) * scale) for a in aps]
            src = buf * 3 if self.loop else buf
            out = freeverb(src, cl, al, feedback, damp)
            out = out[-self.n:]
            for i in range(self.n):
                buf[i] = buf[i] * (1 - wet * 0.5) + out[i] * wet


def freeverb(src, comb_lens, ap_lens, feedback, damp):
    n = len(src)
    total = [0.0] * n
    for L in comb_lens:
        line = [0.0] * L
        idx = 0
        store = 0.0
        out = total
        for i in range(n):
            y = line[idx]
            store = y * (1 - damp) + store * damp
            line[idx] = src[i] * 0.015 + store * feedback
            out[i] += y
            idx += 1
            if idx == L:
                idx = 0
    for L in ap_lens:
        line = [0.0] * L
        idx = 0
        for i in range(n):
            b = line[idx]
            x = total[i]
            total[i] = b - x
            line[idx] = x + b * 0.5
            idx += 1
            if idx == L:
                idx = 0
    return total


def normalise(chans, peak=PEAK):
    top = max(abs(v) for ch in chans for v in ch)
    k = peak / top
    return [[v * k for v in ch] for ch in chans]


def loop_start(x, window):
    """Index just before the first downbeat where the wave is nearly at rest,
    so the first play-through starts without a step and the downbeat masks
    the start.  The loop join itself is continuous whatever the rotation,
    as the buffer is circular."""
    n = len(x)
    best, best_cost = 0, None
    for i in list(range(n - window, n)) + [0]:
        cost = abs(x[i]) + 3 * abs(x[i] - x[i - 1]) + abs(x[(i + 1) % n] - x[i])
        if best_cost is None or cost < best_cost:
            best, best_cost = i, cost
    return best


def to_u8(x):
    return bytes(max(0, min(255, int(math.floor(128 + v * 128 + 0.5)))) for v in x)


def to_s16(x):
    return [max(-32768, min(32767, int(math.floor(v * 32768 + 0.5)))) for v in x]


# ---------------------------------------------------------------- WAV output

def riff(chunks):
    body = b"WAVE"
    for cid, data in chunks:
        body += cid + struct.pack("<I", len(data)) + data
        if len(data) & 1:
            body += b"\0"  # RIFF pad byte, not counted in the chunk size
    return b"RIFF" + struct.pack("<I", len(body)) + body


def pcm8_wav(samples, rate):
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate, 1, 8)
    return riff([(b"fmt ", fmt), (b"data", samples)])


ADAPT = [230, 230, 230, 230, 307, 409, 512, 614,
         768, 614, 512, 409, 307, 230, 230, 230]
COEFS = [(256, 0), (512, -256), (0, 0), (192, 64), (240, 0),
         (460, -208), (392, -232)]


def cdiv256(v):
    # C integer division (toward zero), as the Windows/Wine decoders do
    return v // 256 if v >= 0 else -((-v) // 256)


def adpcm_channel(x, ci, delta):
    """Encode samples x[2:] of one channel; returns (nibbles, sq. error)."""
    c1, c2 = COEFS[ci]
    s2, s1 = x[0], x[1]
    nib = []
    err = 0
    for v in x[2:]:
        pred = cdiv256(s1 * c1 + s2 * c2)
        q = (v - pred) / delta
        q = int(math.floor(q + 0.5))
        q = -8 if q < -8 else 7 if q > 7 else q
        s = pred + q * delta
        s = -32768 if s < -32768 else 32767 if s > 32767 else s
        err += (v - s) * (v - s)
        code = q & 15
        nib.append(code)
        delta = ADAPT[code] * delta // 256
        if delta < 16:
            delta = 16
        s2, s1 = s1, s
    return nib, err


def adpcm_block_channel(x):
    best = None
    for ci, (c1, c2) in enumerate(COEFS):
        res = [abs(x[i] - cdiv256(x[i - 1] * c1 + x[i - 2] * c2))
               for i in range(2, min(len(x), 6))]
        est = max(16, int(sum(res) / max(1, len(res)) / 2))
        for d in (max(16, est // 2), est, est * 2):
            nib, err = adpcm_channel(x, ci, d)
            if best is None or err < best[0]:
                best = (err, ci, d, nib)
    return best[1:]


def ms_adpcm_wav(left, right, rate, spb=1012, align=1024):
    frames = len(left)
    blocks = []
    for b in range(0, frames, spb):
        chans = []
        for x in (left, right):
            part = x[b:b + spb]
            part = part + [0] * (spb - len(part))  # last block padded with silence
            ci, d, nib = adpcm_block_channel(part)
            chans.append((ci, d, part[1], part[0], nib))
        (ca, da, s1a, s2a, na), (cb, db, s1b, s2b, nb) = chans
        blk = struct.pack("<BBhhhhhh", ca, cb, da, db, s1a, s1b, s2a, s2b)
        blk += bytes((p << 4) | q for p, q in zip(na, nb))
        assert len(blk) == align
        blocks.append(blk)
    fmt = struct.pack("<HHIIHHHHH", 2, 2, rate, rate * align // spb, align, 4,
                      32, spb, len(COEFS))
    fmt += b"".join(struct.pack("<hh", a, b) for a, b in COEFS)
    fact = struct.pack("<I", frames)
    return riff([(b"fmt ", fmt), (b"fact", fact), (b"data", b"".join(blocks))])


# ---------------------------------------------------------------- the music

def entrada():
    rate, n = 11025, 43482
    tr = Track(rate, n, loop=True)
    beat = n / rate / 8  # two bars of 4/4, ~122 bpm

    def b(x):
        # light swing: off-beat eighths land a little late, for a playful lilt
        whole, frac = divmod(x, 1.0)
        lilt = 0.6
        if frac < 0.5:
            frac = frac * 2 * lilt
        else:
            frac = lilt + (frac - 0.5) * 2 * (1 - lilt)
        return (whole + frac) * beat

    # A minor with the harmonic-minor E7: a wink of stage mystery, kept light.
    chords = [("A2", ["A3", "E4", "A4", "C5"], ["A3", "C4", "E4"]),
              ("F2", ["F3", "C4", "F4", "A4"], ["F3", "A3", "C4"]),
              ("D2", ["D3", "A3", "D4", "F4"], ["D4", "F3", "A3"]),
              ("E2", ["E3", "B3", "D4", "G#4"], ["E3", "G#3", "D4"])]
    for k, (root, arp, padn) in enumerate(chords):
        t = b(2 * k)
        # bass is damped before the next chord so the low end stays clean
        tr.note(t, hz(root), bass(), 0.30, dur=1.85 * beat, release=0.12)
        for j, a in enumerate(arp):
            tr.note(t + b(0.5 * j), hz(a), harp(), 0.16 if j else 0.19)
        for p in padn:
            tr.note(t, hz(p), pad(), 0.030, dur=1.8 * beat, attack=0.12,
                    release=0.6 * beat)

    melody = [(0.0, "E5", 0.5), (0.5, "A5", 0.5), (1.0, "C6", 0.5), (1.5, "E6", 0.5),
              (2.0, "D6", 0.5), (2.5, "C6", 0.5), (3.0, "A5", 1.0),
              (4.0, "F5", 0.5), (4.5, "A5", 0.5), (5.0, "D6", 0.5), (5.5, "F6", 0.5),
              (6.0, "E6", 0.5), (6.5, "D6", 0.25), (6.75, "B5", 0.25),
              (7.0, "G#5", 0.5)]
    for at, nm, _ in melody:
        accent = 1.0 if at == int(at) else 0.85
        tr.note(b(at), hz(nm), music_box(), 0.30 * accent)
        tr.note(b(at), hz(nm) * 2, celesta(0.5), 0.05 * accent)  # sparkle octave

    # a little wand flourish that leads back into the top of the loop
    for j, nm in enumerate(["E6", "G#6", "B6", "E7"]):
        tr.note(b(7.5 + 0.125 * j), hz(nm), celesta(0.6), 0.07 + 0.015 * j)

    # soft ticking, like a stage clock
    for k in range(8):
        tr.note(b(k), 1350 if k % 2 == 0 else 1100, woodblock(), 0.05 if k % 2 else 0.07)

    tr.reverb(0.30, size=0.6, damp=0.35)
    x = normalise(tr.ch)[0]
    s = loop_start(x, int(0.025 * rate))
    return x[s:] + x[:s]


def sera():
    rate, n = 11025, 81161
    tr = Track(rate, n, loop=True)
    beat = n / rate / 8  # two slow bars, ~65 bpm

    def b(x):
        return x * beat

    # Minor line cliche: D F A over a falling inner voice D, C#, C, B.
    figure = [["D5", "F5", "A5", "D6"], ["D6", "A5", "F5", "C#5"],
              ["C5", "F5", "A5", "D6"], ["D6", "A5", "F5", "B4"]]
    inner = ["D4", "C#4", "C4", "B3"]
    for k, fig in enumerate(figure):
        t = b(2 * k)
        for j, nm in enumerate(fig):
            g = 0.22 if j == 0 else 0.17
            tr.note(t + b(0.5 * j), hz(nm), celesta(), g, max_len=3.5)
        for nm in (inner[k], "F3", "A3"):
            tr.note(t, hz(nm), pad(), 0.022, dur=b(1.7), attack=0.5, release=b(0.9))

    tr.note(b(0), hz("D4"), bell(), 0.16)
    tr.note(b(4), hz("A3"), bell(), 0.13)
    tr.note(b(6.5), hz("E6"), bell(), 0.03)  # a distant high chime

    # Drone and shimmer: every partial has a whole number of cycles in the
    # loop, so they run straight through the join.
    def cyc(f):
        return max(1, round(f * n / rate))

    layers = []  # (cycles, amplitude, lfo cycles, lfo depth, phase)
    for f, a in ((hz("D2"), 0.11), (hz("A2"), 0.05), (hz("D3"), 0.04)):
        k = cyc(f)
        layers += [(k, a, 1, 0.35, 0.0), (k + 1, a * 0.6, 1, 0.35, 1.0),
                   (2 * k, a * 0.25, 2, 0.5, 2.0), (3 * k, a * 0.1, 3, 0.5, 0.5)]
    for i, (nm, m) in enumerate((("A5", 3), ("D6", 5), ("E6", 4), ("A6", 7))):
        layers.append((cyc(hz(nm)), 0.012, m, 1.0, 1.7 * i))
    buf = tr.ch[0]
    for k, a, m, depth, ph in layers:
        w = 2 * math.pi * k / n
        wl = 2 * math.pi * m / n
        for i in range(n):
            amp = a * (1 - depth * 0.5 + depth * 0.5 * math.sin(wl * i + ph))
            buf[i] += amp * math.sin(w * i + ph * 1.3)

    tr.reverb(0.45, size=1.0, damp=0.4)
    x = normalise(tr.ch)[0]
    s = loop_start(x, int(0.04 * rate))
    return x[s:] + x[:s]


def acerca():
    rate, frames = 22050, 47215
    tr = Track(rate, frames, channels=2)

    run = ["G4", "C5", "E5", "G5", "C6", "E6"]
    for j, nm in enumerate(run):
        pan = -0.6 + 1.2 * j / (len(run) - 1)
        tr.note(0.01 + 0.055 * j, hz(nm), celesta(1.2), 0.20, pan=pan, max_len=1.5)

    # "ta" ...
    for nm, pan in (("C4", -0.3), ("E4", 0.3), ("G4", -0.1), ("C5", 0.2)):
        tr.note(0.36, hz(nm), brass(), 0.09, pan=pan, dur=0.09, attack=0.008, release=0.07)
    tr.note(0.36, hz("C2"), timpani(), 0.22, dur=0.12, release=0.08)
    # ... "DAAA"
    for nm, pan in (("C3", 0.0), ("G3", -0.4), ("C4", 0.4), ("E4", -0.25),
                    ("G4", 0.25), ("C5", -0.5), ("E5", 0.5)):
        tr.note(0.54, hz(nm), brass(), 0.085, pan=pan, dur=1.0, attack=0.02, release=0.45)
    tr.note(0.54, hz("C2"), timpani(), 0.35, max_len=1.4)

    # sparkles over the held chord, alternating sides and fading
    sparkle = ["C7", "G6", "E6", "A6", "C7", "E7", "D7", "G6", "C7", "E6", "G6", "C7"]
    for j, nm in enumerate(sparkle):
        t = 0.58 + 0.075 * j
        tr.note(t, hz(nm), celesta(0.7), 0.075 * (1 - j / 16),
                pan=0.7 if j % 2 else -0.7, max_len=1.3)

    tr.reverb(0.25, size=0.5, damp=0.3)
    left, right = normalise(tr.ch)
    # end in true silence
    f0, f1 = int(1.85 * rate), int(2.05 * rate)
    for ch in (left, right):
        for i in range(f0, frames):
            ch[i] *= 0.5 + 0.5 * math.cos(math.pi * (i - f0) / (f1 - f0)) if i < f1 else 0.0
    return to_s16(left), to_s16(right)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    out = os.path.join(root, "assets", "sounds")
    if len(sys.argv) > 1:
        out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    files = {
        "entrada.wav": lambda: pcm8_wav(to_u8(entrada()), 11025),
        "sera.wav": lambda: pcm8_wav(to_u8(sera()), 11025),
        "acerca.wav": lambda: ms_adpcm_wav(*acerca(), 22050),
    }
    for name, make in files.items():
        data = make()
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
