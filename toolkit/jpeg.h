#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tk {

// The largest width and height a JPEG header may ask for. The program's
// pictures are at most 1200 x 816; a header beyond this is taken as damaged
// rather than trusted with gigabytes of memory.
inline constexpr int maxJpegSide = 4096;

// Decodes a JPEG with libjpeg into an RGB32 image. A damaged, truncated or
// unsupported file, or one larger than maxJpegSide either way, gives a null
// image and, if asked, the decoder's message: a picture that could be decoded
// only in part is never shown as if it were whole. It never ends the process.
QImage decodeJpeg(const QByteArray& data, QString* error = nullptr);

// Decodes a JPEG compiled into the program (a ":/..." resource path).
QImage loadJpegResource(const QString& path, QString* error = nullptr);

}
