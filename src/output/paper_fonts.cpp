#include "output/paper_fonts.h"

#include <pango/pangocairo.h>

#include <array>
#include <map>
#include <utility>
#include <vector>

#include "output/output_messages.h"

namespace quorvel::paper {
namespace {

struct Metrics {
    double ascent;
    double descent;
};

// The printable ASCII characters of one style as glyphs of its font, so that the digits of a
// long table are drawn without shaping each cell: most texts of a table are numbers.
struct AsciiGlyphs {
    cairo_scaled_font_t* font = nullptr;
    std::array<unsigned long, 128> glyph{};
    std::array<double, 128> advance{};
    std::array<bool, 128> present{};
};

bool isPlainAscii(std::string_view text) {
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u > 0x7E)
            return false;
    }
    return true;
}

}  // namespace

struct PaperFonts::Impl {
    PangoFontMap* fontMap = nullptr;
    PangoContext* context = nullptr;
    PangoLayout* layout = nullptr;
    // One description and its metrics per style, made when first asked for.
    mutable std::map<std::pair<double, bool>, std::pair<PangoFontDescription*, Metrics>> styles;
    mutable std::map<std::pair<double, bool>, AsciiGlyphs> ascii;
    mutable std::vector<cairo_glyph_t> glyphs;  // reused by draw
    mutable std::vector<cairo_text_cluster_t> clusters;

    ~Impl() {
        for (auto& [key, entry] : ascii)
            cairo_scaled_font_destroy(entry.font);
        for (auto& [key, entry] : styles)
            pango_font_description_free(entry.first);
        if (layout != nullptr)
            g_object_unref(layout);
        if (context != nullptr)
            g_object_unref(context);
        if (fontMap != nullptr)
            g_object_unref(fontMap);
    }

    const std::pair<PangoFontDescription*, Metrics>& style(const TextStyle& s) const {
        const auto key = std::pair{s.size, s.bold};
        if (auto it = styles.find(key); it != styles.end())
            return it->second;
        PangoFontDescription* desc = pango_font_description_new();
        pango_font_description_set_family(desc, kFontFamily);
        pango_font_description_set_weight(desc, s.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_font_description_set_absolute_size(desc, s.size * PANGO_SCALE);
        PangoFontMetrics* m = pango_context_get_metrics(context, desc, nullptr);
        const Metrics metrics{pango_font_metrics_get_ascent(m) / double(PANGO_SCALE),
                              pango_font_metrics_get_descent(m) / double(PANGO_SCALE)};
        pango_font_metrics_unref(m);
        return styles.emplace(key, std::pair{desc, metrics}).first->second;
    }

    // The ASCII glyphs of style `s`; their font is the one Pango picks for the style.
    const AsciiGlyphs& asciiGlyphs(const TextStyle& s) const {
        const auto key = std::pair{s.size, s.bold};
        if (auto it = ascii.find(key); it != ascii.end())
            return it->second;
        AsciiGlyphs g;
        PangoFont* font = pango_font_map_load_font(fontMap, context, style(s).first);
        if (font != nullptr) {
            g.font = cairo_scaled_font_reference(
                pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(font)));
            g_object_unref(font);
        }
        for (int c = 0x20; g.font != nullptr && c < 0x7F; ++c) {
            const char text[2] = {static_cast<char>(c), 0};
            cairo_glyph_t* out = nullptr;
            int count = 0;
            if (cairo_scaled_font_text_to_glyphs(g.font, 0, 0, text, 1, &out, &count, nullptr,
                                                 nullptr, nullptr) == CAIRO_STATUS_SUCCESS &&
                count == 1 && out[0].index != 0) {
                cairo_text_extents_t extents;
                cairo_scaled_font_glyph_extents(g.font, out, 1, &extents);
                g.glyph[static_cast<std::size_t>(c)] = out[0].index;
                g.advance[static_cast<std::size_t>(c)] = extents.x_advance;
                g.present[static_cast<std::size_t>(c)] = true;
            }
            cairo_glyph_free(out);
        }
        return ascii.emplace(key, g).first->second;
    }

    // Whether every character of `text` has its glyph in the style's ASCII table.
    const AsciiGlyphs* asciiFor(std::string_view text, const TextStyle& s) const {
        if (!isPlainAscii(text))
            return nullptr;
        const AsciiGlyphs& g = asciiGlyphs(s);
        if (g.font == nullptr)
            return nullptr;
        for (char c : text) {
            if (!g.present[static_cast<unsigned char>(c)])
                return nullptr;
        }
        return &g;
    }

    // The layout holding `text` in style `s`.
    PangoLayout* laidOut(std::string_view text, const TextStyle& s) const {
        pango_layout_set_font_description(layout, style(s).first);
        pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
        return layout;
    }
};

PaperFonts::PaperFonts() : impl_(std::make_unique<Impl>()) {
    impl_->fontMap = pango_cairo_font_map_new();
    impl_->context = pango_font_map_create_context(impl_->fontMap);
    pango_cairo_context_set_resolution(impl_->context, 72);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(impl_->context, options);
    cairo_font_options_destroy(options);
    impl_->layout = pango_layout_new(impl_->context);

    // fontconfig answers any family with some font: make sure it is the one asked for.
    PangoFont* font =
        pango_font_map_load_font(impl_->fontMap, impl_->context, impl_->style({9, false}).first);
    std::string family;
    if (font != nullptr) {
        PangoFontDescription* described = pango_font_describe(font);
        const char* name = pango_font_description_get_family(described);
        family = name != nullptr ? name : "";
        pango_font_description_free(described);
        g_object_unref(font);
    }
    if (family != kFontFamily) {
        throw FontMissing(output_messages::fontMissing(kFontFamily));
    }
}

PaperFonts::~PaperFonts() = default;

double PaperFonts::width(std::string_view text, const TextStyle& style) const {
    if (const AsciiGlyphs* g = impl_->asciiFor(text, style)) {
        double w = 0;
        for (char c : text)
            w += g->advance[static_cast<unsigned char>(c)];
        return w;
    }
    PangoRectangle logical;
    pango_layout_get_extents(impl_->laidOut(text, style), nullptr, &logical);
    return logical.width / double(PANGO_SCALE);
}

double PaperFonts::ascent(const TextStyle& style) const {
    return impl_->style(style).second.ascent;
}

double PaperFonts::descent(const TextStyle& style) const {
    return impl_->style(style).second.descent;
}

void PaperFonts::drawAll(cairo_t* cr, const std::vector<PlacedText>& texts) const {
    auto& glyphs = impl_->glyphs;
    std::string run;
    const AsciiGlyphs* runFont = nullptr;
    const PlacedText* runStart = nullptr;
    const auto flush = [&] {
        if (runFont == nullptr)
            return;
        impl_->clusters.assign(run.size(), cairo_text_cluster_t{1, 1});
        cairo_set_scaled_font(cr, runFont->font);
        cairo_show_text_glyphs(cr, run.data(), static_cast<int>(run.size()), glyphs.data(),
                               static_cast<int>(glyphs.size()), impl_->clusters.data(),
                               static_cast<int>(impl_->clusters.size()),
                               cairo_text_cluster_flags_t{});
        runFont = nullptr;
    };
    for (const PlacedText& t : texts) {
        const AsciiGlyphs* g = impl_->asciiFor(t.text, t.style);
        if (g == nullptr || !g->present[' ']) {
            flush();
            draw(cr, t);
            continue;
        }
        const bool joins = runFont == g && runStart->baseline == t.baseline;
        if (!joins) {
            flush();
            run.clear();
            glyphs.clear();
            runFont = g;
            runStart = &t;
        }
        const double w = width(t.text, t.style);
        double x = t.align == Align::Left ? t.x : t.align == Align::Centre ? t.x - w / 2 : t.x - w;
        if (joins) {
            // A space between two cells, where the last one ended.
            run += ' ';
            const cairo_glyph_t& last = glyphs.back();
            glyphs.push_back({g->glyph[' '],
                              last.x + g->advance[static_cast<unsigned char>(run[run.size() - 2])],
                              t.baseline});
        }
        for (char c : t.text) {
            const auto u = static_cast<unsigned char>(c);
            run += c;
            glyphs.push_back({g->glyph[u], x, t.baseline});
            x += g->advance[u];
        }
    }
    flush();
}

void PaperFonts::draw(cairo_t* cr, const PlacedText& text) const {
    if (const AsciiGlyphs* g = impl_->asciiFor(text.text, text.style)) {
        // Glyphs and their characters one to one, so the text can be searched and copied.
        const double w = width(text.text, text.style);
        double x = text.align == Align::Left     ? text.x
                   : text.align == Align::Centre ? text.x - w / 2
                                                 : text.x - w;
        auto& glyphs = impl_->glyphs;
        auto& clusters = impl_->clusters;
        glyphs.clear();
        clusters.assign(text.text.size(), cairo_text_cluster_t{1, 1});
        for (char c : text.text) {
            const auto u = static_cast<unsigned char>(c);
            glyphs.push_back({g->glyph[u], x, text.baseline});
            x += g->advance[u];
        }
        cairo_set_scaled_font(cr, g->font);
        cairo_show_text_glyphs(cr, text.text.data(), static_cast<int>(text.text.size()),
                               glyphs.data(), static_cast<int>(glyphs.size()), clusters.data(),
                               static_cast<int>(clusters.size()), cairo_text_cluster_flags_t{});
        return;
    }
    PangoLayout* layout = impl_->laidOut(text.text, text.style);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    const double w = logical.width / double(PANGO_SCALE);
    const double baseline = pango_layout_get_baseline(layout) / double(PANGO_SCALE);
    const double x = text.align == Align::Left     ? text.x
                     : text.align == Align::Centre ? text.x - w / 2
                                                   : text.x - w;
    cairo_move_to(cr, x, text.baseline - baseline);
    pango_cairo_show_layout(cr, layout);
}

}  // namespace quorvel::paper
