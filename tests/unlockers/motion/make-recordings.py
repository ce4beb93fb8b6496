#!/usr/bin/env python3
"""Writes the accelerometer sequences the shake tests replay: one sample per
0.1 s, "x,y,z" in g, as a phone's accelerometer reports them (gravity
included). Seeded, so the files only change when this script does.

  shake.csv   held still 1 s, shaken by hand 7 s (3 to 5 shakes a second,
              1 to 2.5 g, the wrist turning), put down 2 s
  jitter.csv  carried while walking 6 s: steps and tremor, nothing over 0.5 g
  spikes.csv  lying on a table 6 s, knocked once a second (one 3 g sample)
  stuck.csv   a driver that repeats one value 6 s
"""
import math
import random

rng = random.Random(13)
STILL = (0.0, 0.0, -1.0)


def still(n):
    return [tuple(v + rng.gauss(0, 0.01) for v in STILL) for _ in range(n)]


def shake(n):
    out, phase = [], 0.0
    freq = 4.0
    for i in range(n):
        freq = min(5.0, max(3.0, freq + rng.gauss(0, 0.2)))
        phase += 2 * math.pi * freq * 0.1
        amp = rng.uniform(1.0, 2.5)
        turn = 0.6 * math.sin(2 * math.pi * 0.7 * i * 0.1)
        x = amp * math.sin(phase)
        y = amp * 0.8 * math.sin(phase + 1.2) + turn
        z = -1.0 + 0.5 * amp * math.sin(phase + 2.1)
        out.append(tuple(v + rng.gauss(0, 0.03) for v in (x, y, z)))
    return out


def jitter(n):
    out = []
    for i in range(n):
        step = 0.25 * math.sin(2 * math.pi * 1.8 * i * 0.1)
        out.append((rng.gauss(0, 0.05), step + rng.gauss(0, 0.05), -1.0 + 0.4 * step + rng.gauss(0, 0.05)))
    return out


def spikes(n):
    out = still(n)
    for i in range(5, n, 10):
        out[i] = (3.0, -3.0, 2.0)
    return out


def write(name, rows):
    with open(name, "w") as f:
        for r in rows:
            f.write("%.4f,%.4f,%.4f\n" % r)


write("shake.csv", still(10) + shake(70) + still(20))
write("jitter.csv", jitter(60))
write("spikes.csv", spikes(60))
write("stuck.csv", [(0.02, -0.01, -0.98)] * 60)
