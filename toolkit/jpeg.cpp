#include "jpeg.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace tk {

namespace {

// libjpeg reports fatal errors through error_exit, which by default calls
// exit(). Ours jumps back to the decoder with the message instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info)
{
    auto* mgr = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, mgr->message);
    std::longjmp(mgr->jump, 1);
}

// libjpeg only warns about corrupt or missing data (and fills the rest of the
// picture with grey); a warning ends decoding as an error does. Trace
// messages (level >= 0) are ignored.
void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        onError(info);
}

// Memory libjpeg may take for a picture of maxJpegSide x maxJpegSide: twice
// the coefficients of three full-resolution components of a progressive file
// (2 bytes each), which leaves room for its other buffers.
constexpr long maxDecoderMemory = 2L * maxJpegSide * maxJpegSide * 3 * 2;

}

namespace {

// Decodes into `image`, which lives in the caller's frame, so nothing in this
// frame that setjmp returns to holds a resource of its own.
bool decodeInto(const QByteArray& data, QImage& image, char (&message)[JMSG_LENGTH_MAX])
{
    jpeg_decompress_struct info{};
    ErrorManager mgr{};
    info.err = jpeg_std_error(&mgr.base);
    mgr.base.error_exit = onError;
    mgr.base.emit_message = onMessage;

    if (setjmp(mgr.jump)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, sizeof message, "%s", mgr.message);
        return false;
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width > unsigned(maxJpegSide) || info.image_height > unsigned(maxJpegSide)) {
        std::snprintf(mgr.message, sizeof mgr.message, "JPEG too large: %u x %u", info.image_width,
                      info.image_height);
        std::longjmp(mgr.jump, 1);
    }
    info.mem->max_memory_to_use = maxDecoderMemory;
#if defined(JCS_EXTENSIONS) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    // Straight into the memory layout of QImage::Format_RGB32.
    info.out_color_space = JCS_EXT_BGRX;
    const QImage::Format format = QImage::Format_RGB32;
#else
    info.out_color_space = JCS_RGB;
    const QImage::Format format = QImage::Format_RGB888;
#endif
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), format);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, sizeof message, "JPEG too large");
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}

QImage decodeJpeg(const QByteArray& data, QString* error)
{
    char message[JMSG_LENGTH_MAX] = "no JPEG data";
    QImage image;
    if (data.isEmpty() || !decodeInto(data, image, message)) {
        if (error)
            *error = QString::fromLocal8Bit(message);
        return {};
    }
    return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage loadJpegResource(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open %1").arg(path);
        return {};
    }
    return decodeJpeg(file.readAll(), error);
}

}
