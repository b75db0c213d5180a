// The typeface of every paper document (paper::kFontFamily) through Pango: how wide a text
// is, and drawing texts with cairo. The layout (output/page_layout.h) is measured with it,
// so the PDF and the printed pages place every text alike.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "output/page_layout.h"

typedef struct _cairo cairo_t;

namespace quorvel::paper {

// The typeface is not installed: what() says what to install, for the user.
class FontMissing : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Text metrics at 72 units per inch (one unit a point), without hinting, so that widths
// scale exactly with the size. Not shared between threads.
class PaperFonts : public TextMeasure {
  public:
    // Throws FontMissing when fontconfig offers another family for kFontFamily.
    PaperFonts();
    ~PaperFonts() override;
    PaperFonts(const PaperFonts&) = delete;
    PaperFonts& operator=(const PaperFonts&) = delete;

    double width(std::string_view text, const TextStyle& style) const override;
    double ascent(const TextStyle& style) const override;
    double descent(const TextStyle& style) const override;

    // Draws `text` on `cr` (user space in points) as vector glyphs with their text.
    void draw(cairo_t* cr, const PlacedText& text) const;

    // Draws all `texts` in order; neighbours of plain ASCII in one style on one baseline (the
    // cells of a table row) go out as one run of glyphs, a space between them.
    void drawAll(cairo_t* cr, const std::vector<PlacedText>& texts) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace quorvel::paper
