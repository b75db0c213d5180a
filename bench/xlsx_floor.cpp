// The floor of a long capacity table's workbook: libxlsxwriter alone, in its constant-memory
// mode, writing the cells quorvel-table writes for a table of one column block (the title
// across A1:K1, the header row, then per table row its number, level and volume with the
// same two formats) and the same page setup, from the rows of a CSV the table printed
// beforehand ("level,litres" per line, read and parsed as it goes). Paired with
// `quorvel-table --out` by farm-bench, it prices the work a workbook cannot avoid.
//
//     xlsx_floor TABLE.csv OUT.xlsx
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <xlsxwriter.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: xlsx_floor TABLE.csv OUT.xlsx\n");
        return 2;
    }
    std::FILE* in = std::fopen(argv[1], "r");
    if (in == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(argv[2], &options);
    lxw_worksheet* sheet = workbook_add_worksheet(book, "罐容表");
    lxw_format* title = workbook_add_format(book);
    format_set_font_name(title, "Arial Black");
    format_set_align(title, LXW_ALIGN_VERTICAL_TOP);
    format_set_text_wrap(title);
    lxw_format* header = workbook_add_format(book);
    format_set_bold(header);
    format_set_align(header, LXW_ALIGN_CENTER);
    format_set_pattern(header, LXW_PATTERN_SOLID);
    format_set_bg_color(header, 0xFFCC99);
    lxw_format* plain = workbook_add_format(book);
    format_set_align(plain, LXW_ALIGN_CENTER);
    lxw_format* value = workbook_add_format(book);
    format_set_align(value, LXW_ALIGN_CENTER);
    format_set_num_format(value, "0.00");

    worksheet_set_paper(sheet, 9);
    worksheet_set_margins(sheet, 0.98, 0.59, 0.79, 0.79);
    worksheet_set_footer(sheet, "&C第 &P 页 共 &N 页");
    worksheet_repeat_rows(sheet, 2, 2);
    worksheet_set_column(sheet, 0, 0, 6, nullptr);
    worksheet_set_column(sheet, 1, 1, 8, nullptr);
    worksheet_set_column(sheet, 2, 2, 11, nullptr);
    worksheet_merge_range(sheet, 0, 0, 0, 10, "", nullptr);
    worksheet_set_row(sheet, 0, 200, title);
    worksheet_write_string(sheet, 0, 0, "计算参数如下：\r\n中间筒体：水平正直圆柱体", title);
    const char* headers[] = {"序号", "高度mm", "容积L"};
    for (lxw_col_t col = 0; col < 3; ++col) {
        worksheet_write_string(sheet, 2, col, headers[col], header);
    }
    char line[128];
    lxw_row_t row = 3;
    while (std::fgets(line, sizeof line, in) != nullptr) {
        char* comma = std::strchr(line, ',');
        if (comma == nullptr) {
            continue;
        }
        *comma = '\0';
        worksheet_write_number(sheet, row, 0, row - 2, plain);
        worksheet_write_number(sheet, row, 1, std::strtod(line, nullptr), plain);
        worksheet_write_number(sheet, row, 2, std::strtod(comma + 1, nullptr), value);
        ++row;
    }
    std::fclose(in);
    worksheet_print_area(sheet, 0, 0, row - 1, 10);
    return workbook_close(book) == LXW_NO_ERROR ? 0 : 1;
}
