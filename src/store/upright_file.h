// courses.txt: the upright tank's course and deadwood rows (page 立式圆筒) between runs, beside
// bd.txt. Plain ASCII text, CR LF line ends (LF alone is read too):
//
//   Quorvel courses 1
//   course,HEIGHT,DIAMETER,CIRCUMFERENCE,THICKNESS     one line per course, from the bottom
//   deadwood,FROM,TO,LITRES                            one line per deadwood band
//
// Each value is the cell's text as typed (empty when the cell is empty), so a row reads back
// exactly; the first line names the format and its version. Written only once the page holds
// a row or the file exists.
#pragma once

#include <string>

#include "files/file_error.h"
#include "form/upright_fields.h"

namespace quorvel {

inline constexpr const char* kUprightFileName = "courses.txt";
inline constexpr const char* kUprightFileHeader = "Quorvel courses 1";
// Rows the file may hold of each kind; more is a damaged file, not a tank.
inline constexpr std::size_t kMaxUprightRows = 1000;

// A line of the file that is no row: `line` its number from 1, `text` as it stands (cut).
class UprightFileError : public FileError {
  public:
    UprightFileError(const std::string& path, int line, std::string text);
    int line;
    std::string text;
};

// Replaces `path` atomically with the rows. Throws FileError when a cell holds a character
// other than printable ASCII or a comma (the window's filters let none through), naming the
// row, or when the file cannot be written; the previous file then stays.
void saveUprightRows(const UprightRows& rows, const std::string& path);

// The rows of `path` (bounded as every stored file: files/read_file.h). Throws FileError with
// code ENOENT when there is none, UprightFileError naming the first line that is not the
// header, a course of four values or a deadwood band of three, or one row too many.
UprightRows loadUprightRows(const std::string& path);

}  // namespace quorvel
