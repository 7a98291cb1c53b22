#!/usr/bin/env python3
"""Writes the seeds of the JPEG fuzz harness (fuzz/jpeg.cpp) to fuzz/seeds/jpeg/.

Small files, none larger than a few KiB, each taking the decoder down another
path: the program's own pictures shrunk and re-encoded baseline, progressive,
greyscale, RGB, with restart intervals, arithmetic coding, unusual sampling
factors, scan scripts and 16-bit quantisation tables; a 1 x 1 picture and
pictures at the largest side the decoder accepts (tk::maxJpegSide = 4096);
and files the decoder must refuse with a message: cut short, with a wrong
restart marker or stray bytes, too large, 12-bit, lossless, without a height,
CMYK and YCCK (Adobe), fractional sampling.

Needs Python 3 (standard library only) and djpeg, cjpeg and wrjpgcom from
Debian's libjpeg-turbo-progs (installed by scripts/setup.sh).
Run by hand (fuzz/make_jpeg_seeds.py); the seeds it writes are committed,
and building never runs it. It replaces the whole seed folder and prints
each file with its size.
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile

top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
out = os.path.join(top, "fuzz", "seeds", "jpeg")
resources = os.path.join(top, "resources")
work = tempfile.mkdtemp(prefix="jpeg-seeds-")


def run(command, data=None):
    return subprocess.run(command, input=data, stdout=subprocess.PIPE, check=True).stdout


def temp_file(name, text):
    path = os.path.join(work, name)
    with open(path, "w") as f:
        f.write(text)
    return path


def picture(name, scale, greyscale=False, crop=None):
    """One of the program's pictures, shrunk by `scale` (M/8) and cut to `crop`
    (WxH+X+Y of the shrunk picture), as PPM or PGM."""
    return run(["djpeg", "-scale", scale, "-pnm"] + (["-grayscale"] if greyscale else [])
               + (["-crop", crop] if crop else []) + [os.path.join(resources, name)])


def ramp(width, height, grey=False):
    """A PPM (or PGM) of a diagonal colour ramp, so the picture is not flat."""
    pixels = bytearray()
    for y in range(height):
        for x in range(width):
            v = (x * 255 // max(width - 1, 1) + y * 255 // max(height - 1, 1)) // 2
            pixels += bytes([v]) if grey else bytes([v, 255 - v, (x * 7 + y * 3) & 255])
    return b"P%d\n%d %d\n255\n" % (5 if grey else 6, width, height) + bytes(pixels)


def flat(width, height, grey=False):
    value = b"\x80" if grey else b"\x50\x80\xb0"
    return b"P%d\n%d %d\n255\n" % (5 if grey else 6, width, height) + value * (width * height)


def cjpeg(image, *switches):
    return run(["cjpeg", *switches], image)


def segments(jpeg):
    """(offset, marker) of each marker segment from the start of the file up to the first scan."""
    assert jpeg[:2] == b"\xff\xd8"
    found, at = [], 2
    while True:
        assert jpeg[at] == 0xFF, "marker expected at %d" % at
        marker = jpeg[at + 1]
        found.append((at, marker))
        if marker == 0xDA:
            return found
        at += 2 + struct.unpack(">H", jpeg[at + 2:at + 4])[0]


def frame_offset(jpeg):
    return next(at for at, marker in segments(jpeg) if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC))


def scan_data_offset(jpeg):
    at = segments(jpeg)[-1][0]
    return at + 2 + struct.unpack(">H", jpeg[at + 2:at + 4])[0]


def patched(jpeg, offset, new):
    return jpeg[:offset] + new + jpeg[offset + len(new):]


def with_frame(jpeg, marker=None, precision=None, height=None, width=None, sampling=()):
    at = frame_offset(jpeg)
    for component, factors in enumerate(sampling):
        jpeg = patched(jpeg, at + 11 + 3 * component, bytes([factors]))
    if marker is not None:
        jpeg = patched(jpeg, at + 1, bytes([marker]))
    if precision is not None:
        jpeg = patched(jpeg, at + 4, bytes([precision]))
    if height is not None:
        jpeg = patched(jpeg, at + 5, struct.pack(">H", height))
    if width is not None:
        jpeg = patched(jpeg, at + 7, struct.pack(">H", width))
    return jpeg


def segment(marker, payload):
    return bytes([0xFF, marker]) + struct.pack(">H", len(payload) + 2) + payload


def adobe_four_components(transform):
    """A valid 16 x 16 baseline JPEG of four components (CMYK for transform 0,
    YCCK for 2) with an Adobe marker, every block flat: the Huffman tables have
    a single one-bit code each (DC difference 0, end of block), so each block
    takes two zero bits."""
    adobe = segment(0xEE, b"Adobe" + struct.pack(">HHHB", 100, 0, 0, transform))
    tables = segment(0xDB, bytes([0]) + bytes([1] * 64))
    frame = segment(0xC0, struct.pack(">BHHB", 8, 16, 16, 4)
                    + b"".join(bytes([c, 0x11, 0]) for c in range(1, 5)))
    one_code = bytes([1] + [0] * 15)
    huffman = segment(0xC4, bytes([0x00]) + one_code + b"\x00" + bytes([0x10]) + one_code + b"\x00")
    scan = segment(0xDA, bytes([4]) + b"".join(bytes([c, 0x00]) for c in range(1, 5)) + bytes([0, 63, 0]))
    # 4 MCUs of 4 blocks, two bits each.
    return b"\xff\xd8" + adobe + tables + frame + huffman + scan + bytes(8) + b"\xff\xd9"


# A progressive scan script with spectral selection and successive
# approximation, each component's AC coefficients in scans of their own.
progressive_scans = temp_file("progressive.txt", """
0,1,2: 0-0, 0, 1;
0: 1-9, 0, 2;
0: 10-63, 0, 2;
1: 1-63, 0, 1;
2: 1-63, 0, 1;
0: 1-63, 2, 1;
0,1,2: 0-0, 1, 0;
1: 1-63, 1, 0;
2: 1-63, 1, 0;
0: 1-63, 1, 0;
""")
# Progressive without successive approximation: a flat picture's refinement
# scans would cost a bit for every block, even with arithmetic coding.
spectral_scans = temp_file("spectral.txt", "0,1,2: 0-0, 0, 0;\n0: 1-63, 0, 0;\n1: 1-63, 0, 0;\n2: 1-63, 0, 0;\n")
# A sequential picture whose three components come in scans of their own.
sequential_scans = temp_file("sequential.txt", "0: 0-63, 0, 0;\n1: 0-63, 0, 0;\n2: 0-63, 0, 0;\n")
# Quantisation tables with steps above 255: written with 16-bit precision in
# an extended sequential frame (SOF1).
wide_tables = temp_file("tables.txt", "\n".join(
    " ".join(str(1 + (i + j) * 40) for j in range(8)) for table in range(2) for i in range(8)))
icc_profile = temp_file("profile.icc", "a profile's bytes are not read by the decoder\n" * 4)

seeds = {}
ductile = picture("fracture_ductile.jpg", "1/2")
mixed = picture("fracture_mixed.jpg", "1/2")
baseline = seeds["baseline_fracture_ductile.jpg"] = cjpeg(ductile)
seeds["progressive_fracture_brittle.jpg"] = cjpeg(picture("fracture_brittle.jpg", "1/2"), "-progressive")
seeds["greyscale_fatigue_fracture.jpg"] = cjpeg(picture("fatigue_fracture.jpg", "1/8", greyscale=True), "-grayscale")
seeds["greyscale_progressive_hva223.jpg"] = cjpeg(picture("hva223.jpg", "1/8", greyscale=True),
                                                 "-grayscale", "-progressive")
seeds["rgb_title_fracture.jpg"] = cjpeg(picture("title_fracture.jpg", "1/8", crop="96x64+24+16"), "-rgb")
restart_rows = seeds["restart_rows_fracture_mixed.jpg"] = cjpeg(mixed, "-restart", "1")
seeds["restart_blocks_hva223_koerper.jpg"] = cjpeg(picture("hva223_koerper.jpg", "1/8"), "-restart", "5B")
seeds["arithmetic_pendulum_tester.jpg"] = cjpeg(picture("pendulum_tester.jpg", "1/8"), "-arithmetic")
seeds["arithmetic_progressive_tensile_machine.jpg"] = cjpeg(picture("tensile_machine.jpg", "1/8"),
                                                           "-arithmetic", "-progressive", "-restart", "2")
seeds["sampling_4x1_hva223_kraft.jpg"] = cjpeg(picture("hva223_kraft.jpg", "1/8"), "-sample", "4x1,1x1,1x1")
seeds["sampling_1x2_hva223_lese.jpg"] = cjpeg(picture("hva223_lese.jpg", "1/8"), "-sample", "1x2,1x1,1x1")
seeds["sampling_chroma_finer_fracture_austenitic.jpg"] = cjpeg(picture("fracture_austenitic.jpg", "1/2"),
                                                              "-sample", "1x1,2x2,1x2")
seeds["sampling_3x1_fracture_mixed.jpg"] = cjpeg(mixed, "-sample", "3x1,1x1,1x1")
# 3x2 luma over 2x1 chroma is not a whole multiple: libjpeg refuses to write
# or read it, so the frame header of a 4:2:0 file is changed.
seeds["sampling_fractional_fracture_ductile.jpg"] = with_frame(baseline, sampling=(0x32, 0x21, 0x11))
seeds["scans_successive_approximation_fracture_mixed.jpg"] = cjpeg(mixed, "-optimize", "-scans", progressive_scans)
seeds["scans_sequential_per_component_fracture_ductile.jpg"] = cjpeg(ductile, "-scans", sequential_scans)
seeds["extended_16bit_tables_fracture_mixed.jpg"] = cjpeg(mixed, "-quality", "50", "-qtables", wide_tables)
with_markers = cjpeg(picture("fracture_brittle.jpg", "1/4"), "-icc", icc_profile)
with_markers = run(["wrjpgcom", "-comment", "Bruchfläche, spröde"], with_markers)
exif = segment(0xE1, b"Exif\x00\x00MM\x00\x2a\x00\x00\x00\x08\x00\x00")
seeds["markers_exif_icc_comment.jpg"] = with_markers[:2] + exif + with_markers[2:]

seeds["one_pixel.jpg"] = cjpeg(ramp(1, 1))
seeds["one_pixel_progressive_greyscale.jpg"] = cjpeg(ramp(1, 1, grey=True), "-grayscale", "-progressive")
seeds["largest_width_4096x1.jpg"] = cjpeg(ramp(4096, 1), "-optimize")
seeds["largest_height_1x4096_greyscale.jpg"] = cjpeg(ramp(1, 4096, grey=True), "-grayscale", "-optimize")
# The largest pictures the decoder accepts, flat, which arithmetic coding
# packs into a few KiB; the progressive one needs a full-size coefficient
# buffer for each of its three components.
seeds["largest_4096x4096_greyscale.jpg"] = cjpeg(flat(4096, 4096, grey=True), "-grayscale", "-arithmetic")
seeds["largest_4096x4096_progressive.jpg"] = cjpeg(flat(4096, 4096), "-sample", "1x1,1x1,1x1",
                                                  "-arithmetic", "-scans", spectral_scans)

small = cjpeg(ramp(16, 8))
seeds["too_wide_4097x8.jpg"] = with_frame(small, width=4097)
seeds["too_tall_16x4097.jpg"] = with_frame(small, height=4097)
seeds["no_height.jpg"] = with_frame(small, height=0)
seeds["precision_12bit.jpg"] = with_frame(small, precision=12)
seeds["lossless_frame.jpg"] = with_frame(small, marker=0xC3)
seeds["cmyk_adobe.jpg"] = adobe_four_components(0)
seeds["ycck_adobe.jpg"] = adobe_four_components(2)

data = scan_data_offset(baseline)
seeds["cut_in_scan_data.jpg"] = baseline[:data + (len(baseline) - data) // 2]
seeds["cut_in_header.jpg"] = baseline[:data - 40]
first_restart = restart_rows.index(b"\xff\xd0", scan_data_offset(restart_rows))
seeds["wrong_restart_marker.jpg"] = patched(restart_rows, first_restart + 1, b"\xd3")
tables = next(at for at, marker in segments(baseline) if marker == 0xC4)
seeds["stray_bytes_before_marker.jpg"] = baseline[:tables] + b"\x00\x17\x2a" + baseline[tables:]

shutil.rmtree(out, ignore_errors=True)
os.makedirs(out)
for name, jpeg in sorted(seeds.items()):
    with open(os.path.join(out, name), "wb") as f:
        f.write(jpeg)
    print("%6d  %s" % (len(jpeg), name))
shutil.rmtree(work)
if max(len(jpeg) for jpeg in seeds.values()) > 8192:
    sys.exit("a seed is larger than the harness's -max_len of 8 KiB (scripts/fuzz.sh)")
