// The JPEG decoder with any bytes, seeded with small files of every kind in
// fuzz/seeds/jpeg/ (made by fuzz/make_jpeg_seeds.py): it returns a null image
// with a message or an RGB32 image within the size cap, and never allocates
// more than the cap allows (libFuzzer's -malloc_limit_mb, set by
// scripts/fuzz.sh, reports any larger allocation).
//
// libjpeg is the system's library, built without the fuzzer's coverage
// instrumentation, so libFuzzer would see only the few branches of our own
// decoder, keep almost no input it makes, and even drop most seeds as adding
// nothing. As a stand-in for libjpeg's coverage each outcome sets a counter
// that libFuzzer reads as coverage:
//   - a failure: the kind of its message (the text without its numbers, so
//     "3 extraneous bytes before marker 0xc4" and "5 extraneous bytes before
//     marker 0xdb" are one kind) in a file of its kind of frame (baseline,
//     progressive, arithmetic, ...), since libjpeg reads each of them with
//     code of its own;
//   - a decoded picture: the shape of the file as its headers give it (kind
//     of frame, components and their sampling factors, restart interval,
//     roughly how many scans).
// An input that reaches a new outcome is kept and mutated further.
#include "fuzz_support.h"

#include "toolkit/jpeg.h"

#include <cstdint>

namespace {

// libFuzzer clears these before each input and counts each non-zero one as a
// feature; the linker's __start_/__stop_ symbols of the section tell it where
// they are.
constexpr uint32_t outcomeKinds = 4096;
__attribute__((used, section("__libfuzzer_extra_counters"))) uint8_t outcomes[outcomeKinds];

struct Hash {
    uint32_t value = 2166136261u; // FNV-1a
    void add(uint32_t v) { value = (value ^ v) * 16777619u; }
};

bool isFrame(uint8_t marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

struct Headers {
    uint8_t frame = 0; // its marker, 0 for none
    Hash shape;
};

// What the headers before the first scan say, read leniently: a file whose
// segments do not follow each other gives what was read up to there.
Headers readHeaders(const uint8_t* data, size_t size)
{
    Headers headers;
    size_t at = 2; // after the start-of-image marker
    while (at + 4 <= size && data[at] == 0xFF) {
        const uint8_t marker = data[at + 1];
        if (isFrame(marker) && at + 10 <= size) {
            headers.frame = marker;
            headers.shape.add(marker);
            const unsigned components = data[at + 9];
            headers.shape.add(components);
            for (size_t c = 0; c < components && at + 12 + 3 * c <= size; ++c)
                headers.shape.add(data[at + 11 + 3 * c]);
        } else if (marker == 0xDD) {
            headers.shape.add(marker);
        } else if (marker == 0xDA) {
            break;
        }
        at += 2 + (size_t(data[at + 2]) << 8 | data[at + 3]);
    }
    unsigned scans = 0;
    for (size_t i = at; i + 1 < size; ++i)
        scans += data[i] == 0xFF && data[i + 1] == 0xDA;
    headers.shape.add(scans < 2 ? scans : scans < 4 ? 2 : scans < 8 ? 3 : 4);
    return headers;
}

// The message without its numbers, decimal or hexadecimal.
Hash messageKind(const QString& message)
{
    const auto hexDigit = [](QChar c) { return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f'); };
    Hash kind;
    for (qsizetype i = 0; i < message.size(); ++i) {
        if (message[i] == u'0' && i + 1 < message.size() && message[i + 1] == u'x') {
            i += 2;
            while (i < message.size() && hexDigit(message[i]))
                ++i;
            --i;
        } else if (!message[i].isDigit()) {
            kind.add(message[i].unicode());
        }
    }
    return kind;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString error;
    const QImage image = tk::decodeJpeg(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), &error);
    if (image.isNull()) {
        fuzz::require(!error.isEmpty(), "a failure comes with a message");
        Hash kind = messageKind(error);
        kind.add(readHeaders(data, size).frame);
        outcomes[kind.value % outcomeKinds] = 1;
        return 0;
    }
    fuzz::require(image.format() == QImage::Format_RGB32, "RGB32 image");
    fuzz::require(image.width() <= tk::maxJpegSide && image.height() <= tk::maxJpegSide, "within the size cap");
    Hash shape = readHeaders(data, size).shape;
    shape.add(0xD9); // decoded, apart from any failure's hash
    outcomes[shape.value % outcomeKinds] = 1;
    return 0;
}
