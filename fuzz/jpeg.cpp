// The JPEG decoder with any bytes, seeded with small files of every kind in
// fuzz/seeds/jpeg/ (made by fuzz/make_jpeg_seeds.py):
// it returns a null image with a message or an RGB32 image within the size
// cap, and never allocates more than the cap allows (libFuzzer's
// -malloc_limit_mb, set by scripts/fuzz.sh, reports any larger allocation).
#include "fuzz_support.h"

#include "toolkit/jpeg.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString error;
    const QImage image = tk::decodeJpeg(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), &error);
    if (image.isNull()) {
        fuzz::require(!error.isEmpty(), "a failure comes with a message");
        return 0;
    }
    fuzz::require(image.format() == QImage::Format_RGB32, "RGB32 image");
    fuzz::require(image.width() <= tk::maxJpegSide && image.height() <= tk::maxJpegSide, "within the size cap");
    return 0;
}
