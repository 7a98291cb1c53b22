#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// Pictures decoded while the program is built. The title window shows its
// photograph at start-up; decoding the JPEG then would cost the start a few
// milliseconds on a second core that the window server and the window
// manager need at that moment. The build decodes it with the program's own
// decoder (toolkit/decode_picture.cpp) and links the pixels into the
// program, where they are shown straight from the read-only pages: same
// pixels, no decoding, no copy.
namespace pictures {

// Pixels in QImage's RGB32 layout, width * 4 bytes a row.
struct DecodedPixels {
    const uchar* bits = nullptr;
    int width = 0;
    int height = 0;
};

// The file the build writes: a 16-byte header (a mark, then width and
// height as 32-bit numbers in the machine's order) and the rows.
QByteArray packDecodedPixels(const DecodedPixels& pixels);
// Reads such a file in place; nothing when it is not one, or is cut short
// or padded. The pixels stay in `data`.
std::optional<DecodedPixels> readDecodedPixels(const uchar* data, qsizetype size);

// The pixels of the picture at a resource path (pictures.h), when the build
// decoded it.
std::optional<DecodedPixels> decodedAtBuild(const QString& resourcePath);

}
