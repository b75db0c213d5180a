// Pictures of the window between Qt images and the core's Picture.
#pragma once

#include <QImage>

#include "ports/ui_services.h"

namespace quorvel::ui {

Picture pictureOf(const QImage& image);
QImage imageOf(const Picture& picture);

}  // namespace quorvel::ui
