#include "ui/picture_image.h"

#include <cstring>

namespace quorvel::ui {

Picture pictureOf(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Picture picture{argb.width(), argb.height(), {}};
    picture.pixels.resize(static_cast<std::size_t>(argb.width()) *
                          static_cast<std::size_t>(argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        std::memcpy(picture.pixels.data() +
                        static_cast<std::size_t>(y) * static_cast<std::size_t>(argb.width()),
                    argb.constScanLine(y), static_cast<std::size_t>(argb.width()) * 4);
    }
    return picture;
}

QImage imageOf(const Picture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(image.scanLine(y),
                    picture.pixels.data() +
                        static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width),
                    static_cast<std::size_t>(picture.width) * 4);
    }
    return image;
}

}  // namespace quorvel::ui
