"""Short WAV songs made in memory: a few seconds of a simple melody, different for every name."""

import hashlib
import io
import math
import struct
import wave

SAMPLE_RATE = 11025
NOTE_SECONDS = 0.25
# A pentatonic scale, so any sequence sounds like a tune.
SCALE_HZ = [261.63, 293.66, 329.63, 392.00, 440.00, 523.25, 587.33, 659.25]


def melody_for(name, notes=12):
    digest = hashlib.sha256(name.encode("utf-8")).digest()
    return [SCALE_HZ[digest[i] % len(SCALE_HZ)] for i in range(notes)]


def render_wav(name, notes=12):
    """A mono 16-bit WAV of `notes` quarter-second notes chosen from the name."""
    frames = bytearray()
    per_note = int(SAMPLE_RATE * NOTE_SECONDS)
    for frequency in melody_for(name, notes):
        for n in range(per_note):
            # A short fade at both ends of each note avoids clicks.
            envelope = min(1.0, n / 200.0, (per_note - n) / 200.0)
            value = 0.4 * envelope * math.sin(2 * math.pi * frequency * n / SAMPLE_RATE)
            frames += struct.pack("<h", int(value * 32767))
    buffer = io.BytesIO()
    with wave.open(buffer, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(SAMPLE_RATE)
        out.writeframes(bytes(frames))
    return buffer.getvalue()
