// Build tool: decodes a JPEG with the program's own decoder and writes its
// pixels for linking into the program (resources/decoded_pictures.h).
// Usage: decode_picture PICTURE.jpg OUTPUT
#include "toolkit/jpeg.h"
#include "resources/decoded_pictures.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: decode_picture PICTURE.jpg OUTPUT\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "decode_picture: %s: %s\n", argv[1], qPrintable(in.errorString()));
        return 1;
    }
    QString error;
    const QImage image = tk::decodeJpeg(in.readAll(), &error);
    if (image.isNull() || image.format() != QImage::Format_RGB32) {
        std::fprintf(stderr, "decode_picture: %s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly)
        || out.write(pictures::packDecodedPixels({image.constBits(), image.width(), image.height()})) < 0
        || !out.commit()) {
        std::fprintf(stderr, "decode_picture: %s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
