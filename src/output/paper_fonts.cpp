#include "output/paper_fonts.h"

#include <pango/pangocairo.h>

#include <map>
#include <utility>

#include "output/output_messages.h"

namespace quorvel::paper {
namespace {

struct Metrics {
    double ascent;
    double descent;
};

}  // namespace

struct PaperFonts::Impl {
    PangoFontMap* fontMap = nullptr;
    PangoContext* context = nullptr;
    PangoLayout* layout = nullptr;
    // One description and its metrics per style, made when first asked for.
    mutable std::map<std::pair<double, bool>, std::pair<PangoFontDescription*, Metrics>> styles;

    ~Impl() {
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

void PaperFonts::draw(cairo_t* cr, const PlacedText& text) const {
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
