#!/bin/sh
# Writes the seed pictures of the user_picture fuzz target with ImageMagick: one small picture in each
# variant the decoders take. Rerun only to change the seeds; the files are committed.
set -eu
out="$(dirname "$0")/corpus/user_picture"
mkdir -p "$out"
im() { convert -seed 7 -size 13x9 gradient:orange-navy -swirl 90 "$@"; }

im -quality 80 "$out/baseline.jpg"
im -quality 80 -interlace Plane "$out/progressive.jpg"
im -colorspace Gray -quality 80 "$out/grey.jpg"
im -colorspace CMYK -quality 80 "$out/cmyk.jpg"
im -depth 8 -define png:color-type=2 "$out/rgb.png"
im -alpha set -channel A -evaluate set 50% +channel -depth 8 -define png:color-type=6 "$out/rgba.png"
im -colors 5 -define png:color-type=3 "$out/palette.png"
im -colorspace Gray -depth 16 "$out/grey16.png"
im -depth 8 -interlace PNG "$out/interlaced.png"
im -type TrueColor "BMP3:$out/rgb24.bmp"
im -alpha set -define bmp:format=bmp4 -type TrueColorAlpha "$out/bitfields32.bmp"
im -colors 12 -type Palette -compress None "BMP3:$out/paletted4.bmp"
convert -size 13x9 xc: -fx "(i*7+j*29)%256/255" -colorspace Gray +dither -colors 40 -type Palette -compress None "BMP3:$out/paletted8.bmp"
im -colors 2 -type Bilevel -compress None "BMP3:$out/bilevel1.bmp"
