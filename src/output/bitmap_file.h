// The Windows bitmap (BMP) form of a picture, as the snapshot is saved for printing.
#pragma once

#include <string>

#include "ports/ui_services.h"

namespace quorvel {

// A 24-bit uncompressed bitmap: the 14-byte file header, the 40-byte information header
// (96 pixels per inch), then the rows from the bottom up, each padded to four bytes. The
// alpha of each pixel is dropped. Throws std::invalid_argument for a picture whose pixel
// count does not match its size, or one too large for the format's 32-bit sizes.
std::string encodeBitmap(const Picture& picture);

}  // namespace quorvel
