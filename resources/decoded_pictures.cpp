#include "decoded_pictures.h"
#include "pictures.h"

#include <cstring>

namespace pictures {

namespace {

constexpr char mark[8] = {'W', 'P', 'I', 'X', 'E', 'L', 'S', '1'};
constexpr qsizetype headerSize = 16;
// As large as the JPEG decoder accepts (toolkit/jpeg.h).
constexpr int largestSide = 4096;

}

QByteArray packDecodedPixels(const DecodedPixels& pixels)
{
    const quint32 size[2] = {quint32(pixels.width), quint32(pixels.height)};
    QByteArray file;
    file.reserve(headerSize + qsizetype(pixels.width) * pixels.height * 4);
    file.append(mark, sizeof mark);
    file.append(reinterpret_cast<const char*>(size), sizeof size);
    file.append(reinterpret_cast<const char*>(pixels.bits), qsizetype(pixels.width) * pixels.height * 4);
    return file;
}

std::optional<DecodedPixels> readDecodedPixels(const uchar* data, qsizetype size)
{
    if (!data || size < headerSize || std::memcmp(data, mark, sizeof mark) != 0)
        return std::nullopt;
    quint32 side[2];
    std::memcpy(side, data + sizeof mark, sizeof side);
    if (side[0] < 1 || side[0] > largestSide || side[1] < 1 || side[1] > largestSide
        || size != headerSize + qsizetype(side[0]) * side[1] * 4)
        return std::nullopt;
    return DecodedPixels{data + headerSize, int(side[0]), int(side[1])};
}

}
