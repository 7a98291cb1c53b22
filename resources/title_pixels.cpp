#include "decoded_pictures.h"
#include "pictures.h"

// The title photograph's pixels as the build decoded them
// (WERKSTOFF_TITLE_PIXELS names the file), linked in byte for byte on a
// 64-byte boundary, so that a QImage can show them where they lie.
asm(".pushsection .rodata,\"a\"\n"
    ".balign 64\n"
    ".globl werkstoff_title_pixels\n"
    ".hidden werkstoff_title_pixels\n"
    "werkstoff_title_pixels:\n"
    ".incbin \"" WERKSTOFF_TITLE_PIXELS "\"\n"
    ".globl werkstoff_title_pixels_end\n"
    ".hidden werkstoff_title_pixels_end\n"
    "werkstoff_title_pixels_end:\n"
    ".popsection\n");

extern "C" {
__attribute__((visibility("hidden"))) extern const uchar werkstoff_title_pixels[];
__attribute__((visibility("hidden"))) extern const uchar werkstoff_title_pixels_end[];
}

namespace pictures {

std::optional<DecodedPixels> decodedAtBuild(const QString& resourcePath)
{
    if (resourcePath != titleFracture())
        return std::nullopt;
    return readDecodedPixels(werkstoff_title_pixels, werkstoff_title_pixels_end - werkstoff_title_pixels);
}

}
