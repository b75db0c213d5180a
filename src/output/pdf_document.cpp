#include "output/pdf_document.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <vector>

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
    // One path per line width.
    std::vector<double> widths;
    for (const Rule& r : page.rules) {
        if (std::find(widths.begin(), widths.end(), r.width) == widths.end())
            widths.push_back(r.width);
    }
    for (double width : widths) {
        for (const Rule& r : page.rules) {
            if (r.width == width) {
                cairo_move_to(cr, r.x1, r.y1);
                cairo_line_to(cr, r.x2, r.y2);
            }
        }
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
    }
    fonts.drawAll(cr, page.texts);
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
