#!/usr/bin/env python3
"""Writes the console's four cue sounds into data/ (short generated tones)."""
import math
import struct
import wave
from pathlib import Path

RATE = 22050


def tone(freq, ms, volume=0.6):
    n = RATE * ms // 1000
    fade = min(n // 10, RATE // 200)  # 5 ms ramps keep the speaker from clicking
    out = []
    for i in range(n):
        env = min(1.0, i / fade, (n - 1 - i) / fade) if fade else 1.0
        out.append(volume * env * math.sin(2 * math.pi * freq * i / RATE))
    return out


def silence(ms):
    return [0.0] * (RATE * ms // 1000)


def write(path, samples):
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(s * 32767)) for s in samples))


def main():
    data = Path(__file__).resolve().parent.parent / "data"
    # "Ready": two calm beeps, then the start follows.
    write(data / "FERTIG.wav", tone(660, 250) + silence(250) + tone(660, 250))
    write(data / "START.wav", tone(1320, 350))
    write(data / "STOPP.wav", tone(880, 180))
    # False start: three quick low beeps.
    write(data / "Fehlstart.wav", tone(440, 120) + silence(60) + tone(440, 120) + silence(60) + tone(440, 120))


if __name__ == "__main__":
    main()
