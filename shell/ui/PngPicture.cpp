#include "shell/ui/PngPicture.h"

#include <png.h>

namespace {

// Larger than any picture the program draws or a board may hold.
constexpr png_uint_32 kMaxSide = 16384;

} // namespace

QImage DecodePng(QByteArrayView bytes) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    QImage image;
    if (!bytes.isEmpty() &&
        png_image_begin_read_from_memory(&png, bytes.data(), size_t(bytes.size())) &&
        png.width <= kMaxSide && png.height <= kMaxSide) {
        // Four bytes a pixel in the order QImage keeps an ARGB32 pixel in memory.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        png.format = PNG_FORMAT_BGRA;
#else
        png.format = PNG_FORMAT_ARGB;
#endif
        image = QImage(int(png.width), int(png.height), QImage::Format_ARGB32);
        if (!image.isNull() && !png_image_finish_read(&png, nullptr, image.bits(),
                                                      png_int_32(image.bytesPerLine()), nullptr))
            image = QImage();
    }
    // Safe at any point, and needed after a failed or skipped read.
    png_image_free(&png);
    // Premultiplied is what the screen draws: converted here, once.
    return image.isNull() ? QImage()
                          : std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
