#include "store/ini_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "files/atomic_file.h"
#include "support/temp_folder.h"

namespace quorvel {
namespace {

using testsupport::TempFolder;

TEST(IniFile, NewFileIsGbkWithCrLf) {
    TempFolder folder;
    IniFile file(folder.file("Config.ini"));
    file.writeString("FrmMainPro", "程序版本", "2017");
    file.writeString("FrmMainPro", "Edit1", "");
    file.writeString("FrmMainPro", "ComboBox3", "加上左封头容积");
    file.save();
    EXPECT_EQ(testsupport::readBytes(folder.file("Config.ini")),
              "[FrmMainPro]\r\n"
              "\xB3\xCC\xD0\xF2\xB0\xE6\xB1\xBE=2017\r\n"
              "Edit1=\r\n"
              "ComboBox3=\xBC\xD3\xC9\xCF\xD7\xF3\xB7\xE2\xCD\xB7\xC8\xDD\xBB\xFD\r\n");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(IniFile, ReplacesInPlaceAndAppendsNewKeys) {
    TempFolder folder;
    std::string path = folder.file("a.ini");
    testsupport::writeBytes(
        path,
        "; kept\r\n[Other]\r\nx = 1\r\n[S]\r\nb=2\r\n; about a\r\na = old\r\nc=3\r\n"
        "[T]\r\nz=\xFF\xFE\r\n");
    IniFile file(path);
    file.writeString("S", "A", "new");  // names ignore ASCII case; the file's spelling stays
    file.writeString("S", "d", "4");
    file.writeString("U", "u", "5");
    EXPECT_EQ(file.contents(),
              "; kept\r\n\r\n\r\n"
              "[Other]\r\nx=1\r\n\r\n\r\n"
              "[S]\r\nb=2\r\n\r\n; about a\r\na=new\r\nc=3\r\nd=4\r\n\r\n\r\n"
              "[T]\r\nz=\xFF\xFE\r\n\r\n\r\n"
              "[U]\r\nu=5\r\n");
}

TEST(IniFile, ReadsValuesTrimmedWhateverTheLineEnds) {
    TempFolder folder;
    std::string path = folder.file("a.ini");
    testsupport::writeBytes(
        path, "[FrmMainPro]\nEdit1 =  2600 \nEdit2=\r\n\xBC\xC6\xCB\xE3\xC4\xA3\xBF\xE9=Q\r");
    IniFile file(path);
    EXPECT_EQ(file.readString("FrmMainPro", "Edit1"), "2600");
    EXPECT_EQ(file.readString("frmmainpro", "EDIT1"), "2600");
    EXPECT_EQ(file.readString("FrmMainPro", "Edit2"), "");
    EXPECT_EQ(file.readString("FrmMainPro", "计算模块"), "Q");
    EXPECT_EQ(file.readString("FrmMainPro", "Edit3"), std::nullopt);
    EXPECT_EQ(file.readString("Other", "Edit1"), std::nullopt);
}

TEST(IniFile, MissingFileIsEmptyAndAFolderIsUnreadable) {
    TempFolder folder;
    IniFile missing(folder.file("none.ini"));
    EXPECT_EQ(missing.readString("S", "k"), std::nullopt);
    EXPECT_EQ(missing.contents(), "");
    EXPECT_THROW(IniFile{folder.file("")}, FileError);
}

TEST(IniFile, RefusesValuesItCannotStore) {
    TempFolder folder;
    std::string path = folder.file("a.ini");
    IniFile file(path);
    struct Case {
        const char* value;
        std::string message;
    } cases[] = {
        {"1\r\nEdit2=9",
         "cannot write [S] Edit1 to " + path + ": the value holds a line break or a NUL character"},
        {"x\n",
         "cannot write [S] Edit1 to " + path + ": the value holds a line break or a NUL character"},
        {"密度\xFF",
         "cannot write [S] Edit1 to " + path + ": the bytes 0xFF at byte 6 are not UTF-8 text"},
    };
    for (const Case& c : cases) {
        try {
            file.writeString("S", "Edit1", c.value);
            ADD_FAILURE() << "no error for " << c.value;
        } catch (const FileError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
    }
    EXPECT_EQ(file.readString("S", "Edit1"), std::nullopt);
    for (const char* key : {"", "a=b", ";a", "[a", " a", "a\n"}) {
        EXPECT_THROW(file.writeString("S", key, "1"), std::invalid_argument) << key;
    }
    EXPECT_THROW(file.writeString("S]", "k", "1"), std::invalid_argument);
}

TEST(IniFile, SaveThroughARegularFileFails) {
    TempFolder folder;
    std::string blocker = folder.file("plain");
    testsupport::writeBytes(blocker, "not a folder");
    IniFile through(blocker + "/a.ini");
    through.writeString("S", "k", "1");
    EXPECT_THROW(through.save(), FileError);
    EXPECT_EQ(testsupport::readBytes(blocker), "not a folder");
}

TEST(IniRoutines, ReadAndWriteOneKeyOfANamedFile) {
    TempFolder folder;
    std::string path = folder.file("a.ini");
    EXPECT_EQ(readIniString(path, "S", "k", "fallback"), "fallback");
    writeIniString(path, "S", "k", "1");
    writeIniString(path, "S", "j", "容积");
    writeIniString(path, "S", "k", "2");
    EXPECT_EQ(testsupport::readBytes(path), "[S]\r\nk=2\r\nj=\xC8\xDD\xBB\xFD\r\n");
    EXPECT_EQ(readIniString(path, "S", "j", ""), "容积");
    EXPECT_EQ(readIniString(path, "S", "x", "none"), "none");
}

// A byte damaged or put into the file; every key is still read and the save keeps every value.
TEST(IniFile, ADamagedByteHidesNothingAfterIt) {
    using namespace std::string_literals;
    const std::string clean = "[S]\r\nEdit1=2700\r\nEdit2=8000\r\nEdit3=1\r\n";
    struct Case {
        const char* name;
        std::string bytes;
        std::string saved;  // after writing "2700" to Edit1
    } cases[] = {
        {"NUL before a key", "[S]\r\nEdit1=2600\r\n\0Edit2=8000\r\nEdit3=1\r\n"s, clean},
        {"NUL inside a key", "[S]\r\nEdit1=2600\r\nEdi\0t2=8000\r\nEdit3=1\r\n"s, clean},
        {"NUL inside a value", "[S]\r\nEdit1=2600\r\nEdit2=80\00000\r\nEdit3=1\r\n"s, clean},
        {"NUL after a value", "[S]\r\nEdit1=2600\r\nEdit2=8000\0\r\nEdit3=1\r\n"s, clean},
        {"NUL on a line of its own", "[S]\r\nEdit1=2600\r\n\0\r\nEdit2=8000\r\nEdit3=1\r\n"s,
         clean},
        {"a zeroed block between lines",
         "[S]\r\nEdit1=2600\r\n"s + std::string(512, '\0') + "Edit2=8000\r\nEdit3=1\r\n", clean},
        {"NUL inside the section name", "[\0S]\r\nEdit1=2600\r\nEdit2=8000\r\nEdit3=1\r\n"s, clean},
        {"NUL as the first byte", "\0[S]\r\nEdit1=2600\r\nEdit2=8000\r\nEdit3=1\r\n"s, clean},
        {"a section line without its ]", "[S]\r\nEdit1=2600\r\n  [T\r\nEdit2=8000\r\nEdit3=1\r\n",
         "[S]\r\nEdit1=2700\r\n\r\n;  [T\r\nEdit2=8000\r\nEdit3=1\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string path = folder.file("Config.ini");
        testsupport::writeBytes(path, c.bytes);
        IniFile file(path);
        EXPECT_EQ(file.readString("S", "Edit1"), "2600");
        EXPECT_EQ(file.readString("S", "Edit2"), "8000");
        EXPECT_EQ(file.readString("S", "Edit3"), "1");
        file.writeString("S", "Edit1", "2700");
        file.save();
        EXPECT_EQ(testsupport::readBytes(path), c.saved);
    }
}

// A hand-edited file with a key or a section twice: the first is read and replaced in
// place; the others are kept.
TEST(IniFile, OfRepeatedKeysTheFirstIsReadAndReplaced) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string firstValue;
        std::string saved;  // after writing "9" to Edit1
    } cases[] = {
        {"key twice", "[S]\r\nEdit1=1\r\nEdit2=2\r\nEdit1=3\r\n", "1",
         "[S]\r\nEdit1=9\r\nEdit1=3\r\nEdit2=2\r\n"},
        // The library writes every line of a key in the first one's spelling.
        {"key twice, other spelling", "[S]\r\nedit1=1\r\nEDIT1=3\r\n", "1",
         "[S]\r\nedit1=9\r\nedit1=3\r\n"},
        {"key three times, comment kept",
         "[S]\r\nEdit1=1\r\n; typed again\r\nEdit1=2\r\nEdit1=3\r\n", "1",
         "[S]\r\nEdit1=9\r\n\r\n; typed again\r\nEdit1=2\r\nEdit1=3\r\n"},
        {"section twice", "[S]\r\nEdit1=1\r\n[T]\r\nt=0\r\n[S]\r\nEdit1=3\r\nEdit2=2\r\n", "1",
         "[S]\r\nEdit1=9\r\nEdit1=3\r\nEdit2=2\r\n\r\n\r\n[T]\r\nt=0\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string path = folder.file("Config.ini");
        testsupport::writeBytes(path, c.bytes);
        IniFile file(path);
        EXPECT_EQ(file.readString("S", "Edit1"), c.firstValue);
        file.writeString("S", "Edit1", "9");
        EXPECT_EQ(file.readString("S", "Edit1"), "9");
        file.save();
        EXPECT_EQ(testsupport::readBytes(path), c.saved);
        EXPECT_EQ(IniFile(path).readString("S", "Edit1"), "9");
    }
}

}  // namespace
}  // namespace quorvel
