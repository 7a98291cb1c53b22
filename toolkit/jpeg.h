#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tk {

// Decodes a JPEG with libjpeg into an RGB32 image. A damaged or unsupported
// file gives a null image and, if asked, the decoder's message; it never ends
// the process.
QImage decodeJpeg(const QByteArray& data, QString* error = nullptr);

// Decodes a JPEG compiled into the program (a ":/..." resource path).
QImage loadJpegResource(const QString& path, QString* error = nullptr);

}
