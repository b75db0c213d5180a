// The rows of quorvel-table's option table (cli/table_options.cpp), shared by the files that
// hold rows of it.
#pragma once

#include <span>
#include <string_view>

#include "cli/table_options.h"

namespace quorvel::cli {

struct OptionSpec {
    std::string_view name;
    std::string_view value;  // empty for a flag
    std::string_view help;
    void (*record)(TableOptions&, std::string_view value);
    // The value may be left out (the next argument is then another option): recorded empty.
    bool valueOptional = false;
};

// The options of a table to issue: its identity, the increment column, the PDF.
std::span<const OptionSpec> documentOptions();

// The options of the booked quantity beside --quantity (cli/quantity_options.cpp).
std::span<const OptionSpec> bookedOptions();
// The options of the uncertainty: --u, --u-limit, --u-title.
std::span<const OptionSpec> uncertaintyOptions();

// Throws UsageError for document options that make no sense with the rest.
void checkDocumentOptions(const TableOptions& options);

// The options of a depot's tanks: tank files, batches, output units.
std::span<const OptionSpec> depotOptions();

// Throws UsageError for depot options that make no sense with the rest.
void checkDepotOptions(const TableOptions& options);

}  // namespace quorvel::cli
