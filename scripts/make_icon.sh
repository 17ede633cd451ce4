#!/usr/bin/env bash
# Draws the program's icon, src/win32/tastrel.ico: 32x32, 256 colours. The
# palette's grey buttons in two columns, with the keypad's blue keys beside
# them. Run it again after changing the drawing; the icon is kept in the tree
# so that builds need no drawing tools.
set -euo pipefail
cd "$(dirname "$0")/.."
button="#A8A898" key="#3C6EC8" edge="#202020"
draw=(-fill "#707070" -stroke "$edge" -draw "roundrectangle 0,0 31,31 4,4" -stroke none)
for row in 0 1 2 3 4; do
  top=$((3 + row * 5))
  draw+=(-fill "$button" -draw "rectangle 3,$top 9,$((top + 3))" -draw "rectangle 11,$top 17,$((top + 3))")
done
for row in 0 1 2 3; do
  top=$((5 + row * 6))
  for col in 0 1; do
    left=$((20 + col * 5))
    draw+=(-fill "$key" -draw "rectangle $left,$top $((left + 3)),$((top + 3))")
  done
done
draw+=(-fill "#F0F0F0" -draw "rectangle 3,28 17,29")
# ImageMagick draws; the ICO is packed here, as ImageMagick would store so
# few colours in 4 bits: 8 bits a pixel with a 256-entry palette, bottom-up
# rows, then the 1-bit transparency mask.
convert -size 32x32 xc:none "${draw[@]}" -depth 8 RGBA:- | python3 -c '
import struct, sys
rgba = sys.stdin.buffer.read()
pixels = [rgba[i:i + 4] for i in range(0, 32 * 32 * 4, 4)]
palette = sorted({bytes(p[:3]) for p in pixels if p[3] >= 128} | {b"\0\0\0"})
index = {c: i for i, c in enumerate(palette)}
rows = [pixels[r * 32:(r + 1) * 32] for r in range(32)][::-1]
colour = b"".join(bytes(index[bytes(p[:3])] if p[3] >= 128 else 0 for p in row) for row in rows)
mask = b"".join(int("".join("0" if p[3] >= 128 else "1" for p in row), 2).to_bytes(4, "big") for row in rows)
table = b"".join(bytes((c[2], c[1], c[0], 0)) for c in palette) + bytes(4 * (256 - len(palette)))
image = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 8, 0, len(colour) + len(mask), 0, 0, 256, 0) + table + colour + mask
header = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 0, 0, 1, 8, len(image), 22)
open("src/win32/tastrel.ico", "wb").write(header + image)
'
echo "wrote src/win32/tastrel.ico"
