#include "output/pdf_document.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cerrno>
#include <memory>

#include "files/atomic_file.h"
#include "output/paper_fonts.h"

namespace quorvel::paper {
namespace {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};

void drawPage(cairo_t* cr, const PaperFonts& fonts, const Page& page) {
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    for (const Rule& r : page.rules) {
        cairo_set_line_width(cr, r.width);
        cairo_move_to(cr, r.x1, r.y1);
        cairo_line_to(cr, r.x2, r.y2);
        cairo_stroke(cr);
    }
    for (const PlacedText& t : page.texts) {
        fonts.draw(cr, t);
    }
}

void check(cairo_status_t status, const std::string& path) {
    if (status != CAIRO_STATUS_SUCCESS) {
        const int code = status == CAIRO_STATUS_WRITE_ERROR ? errno : 0;
        throw FileError("cannot write " + path + ": " + cairo_status_to_string(status), path, code);
    }
}

}  // namespace

int writePdf(const Document& document, const std::string& title, const std::string& path) {
    const PaperFonts fonts;
    int pages = 0;
    replaceFileAtomically(path, [&](const std::string& temp) {
        std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
            cairo_pdf_surface_create(temp.c_str(), document.format.width, document.format.height));
        check(cairo_surface_status(surface.get()), path);
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, title.c_str());
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "Quorvel");
        std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));
        pages = layOut(document, fonts, [&](const Page& page) {
            drawPage(cr.get(), fonts, page);
            cairo_show_page(cr.get());
            check(cairo_status(cr.get()), path);
        });
        cr.reset();
        cairo_surface_finish(surface.get());
        check(cairo_surface_status(surface.get()), path);
    });
    return pages;
}

}  // namespace quorvel::paper
