#!/usr/bin/env python3
# Wraps an MPEG Layer-3 stream (mono, 44.1 kHz, 64 kbit/s CBR) into the RIFF WAVE image the sample set uses.
#   samples_riff.py IN.mp3 OUT.wav DECODED_FRAMES
# Layout: "fmt " of 32 bytes (MPEGLAYER3WAVEFORMAT plus two filler bytes), "fact" with the decoded length,
# "data" with the frames exactly as the encoder wrote them, Info/LAME tag frame included: libsndfile's
# decoder reads the encoder delay and padding from that tag and trims them.
import struct
import sys


def wave_image(mp3: bytes, frames: int) -> bytes:
    if len(mp3) < 4 or mp3[0] != 0xFF or (mp3[1] & 0xE0) != 0xE0:
        raise ValueError("the stream does not start with an MPEG frame (ID3 tag?)")
    fmt = struct.pack(
        "<HHIIHHH" "HIHHH" "2x",
        85,      # WAVE_FORMAT_MPEGLAYER3
        1,       # channels
        44100,   # samples per second
        8000,    # bytes per second: 64 kbit/s
        1,       # block align
        0,       # bits per sample
        12,      # extra size
        1,       # wID: MPEGLAYER3_ID_MPEG
        2,       # fdwFlags: MPEGLAYER3_FLAG_PADDING_OFF
        208,     # nBlockSize
        1,       # nFramesPerBlock
        1393,    # nCodecDelay
    )
    assert len(fmt) == 32
    body = b"WAVE"
    body += b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"fact" + struct.pack("<II", 4, frames)
    body += b"data" + struct.pack("<I", len(mp3)) + mp3
    if len(mp3) % 2:
        body += b"\0"  # RIFF chunks are word aligned
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main() -> None:
    if len(sys.argv) != 4:
        sys.exit("usage: samples_riff.py IN.mp3 OUT.wav DECODED_FRAMES")
    with open(sys.argv[1], "rb") as f:
        mp3 = f.read()
    image = wave_image(mp3, int(sys.argv[3]))
    with open(sys.argv[2], "wb") as f:
        f.write(image)


if __name__ == "__main__":
    main()
