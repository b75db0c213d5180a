// The snapshot: the bitmap file byte for byte, the clipboard, the save dialog's request, the
// suffix, the confirmation and a failed save.
#include "output/window_snapshot.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>

#include "files/file_error.h"

#include "output/bitmap_file.h"
#include "support/recording_ui.h"

namespace quorvel {
namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

// The 54 header bytes of a 24-bit bitmap at 96 pixels per inch.
std::string header(int fileSize, int width, int height, int imageSize) {
    auto le32 = [](int v) {
        return bytes({v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF, (v >> 24) & 0xFF});
    };
    return "BM" + le32(fileSize) + le32(0) + le32(54) + le32(40) + le32(width) + le32(height) +
           bytes({1, 0, 24, 0}) + le32(0) + le32(imageSize) + le32(3780) + le32(3780) + le32(0) +
           le32(0);
}

TEST(Bitmap, RowsBottomUpInBlueGreenRedPaddedToFourBytes) {
    struct Case {
        const char* name;
        Picture picture;
        std::string file;
    };
    const std::vector<Case> cases = {
        {"two pixels in a row",
         {2, 1, {0xFF112233, 0x80445566}},
         header(62, 2, 1, 8) + bytes({0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0, 0})},
        {"a column of two: the bottom row first",
         {1, 2, {0xFFAABBCC, 0xFF010203}},
         header(62, 1, 2, 8) + bytes({3, 2, 1, 0, 0xCC, 0xBB, 0xAA, 0})},
        {"no padding at a width of four",
         {4, 1, {0, 0, 0, 0xFFFFFFFF}},
         header(66, 4, 1, 12) + std::string(9, '\0') + bytes({0xFF, 0xFF, 0xFF})},
        {"empty picture", {0, 0, {}}, header(54, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeBitmap(c.picture), c.file) << c.name;
    }
    EXPECT_THROW(encodeBitmap({2, 2, {1, 2, 3}}), std::invalid_argument);
}

class SnapshotTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("quorvel-snapshot-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    static std::string take(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path dir_;
    const Picture picture_{3, 2, {1, 2, 3, 4, 5, 6}};
};

TEST_F(SnapshotTest, SavedWhateverTheNameAndConfirmed) {
    struct Case {
        const char* chosen;
        const char* written;
    };
    for (const Case& c : {Case{"打印窗体", "打印窗体.bmp"}, Case{"shot.png", "shot.png"},
                          Case{"shot.bmp", "shot.bmp"}}) {
        testsupport::RecordingUi ui;
        const std::string target = path(c.written);
        std::ofstream(target) << "an older file";  // replaced without a question
        ui.saveAnswers.push_back(path(c.chosen));
        EXPECT_EQ(saveWindowSnapshot(picture_, ui), target);
        EXPECT_EQ(take(target), encodeBitmap(picture_)) << c.chosen;
        EXPECT_EQ(ui.clipboard, picture_);
        ASSERT_EQ(ui.saveRequests.size(), 1u);
        EXPECT_EQ(ui.saveRequests[0], (SaveFileRequest{"打印窗体", "bmp", "*.bmp"}));
        ASSERT_EQ(ui.shown.size(), 2u);
        EXPECT_EQ(ui.shown[1], (testsupport::ShownBox{
                                   testsupport::ShownBox::Kind::Box,
                                   "打印的窗体保存到您指定的图形文件，您可打开该文件进行打印！",
                                   "提示", MessageButtons::Ok, MessageIcon::Information}));
    }
}

TEST_F(SnapshotTest, CancelKeepsThePictureOnTheClipboardAndWritesNothing) {
    testsupport::RecordingUi ui;
    EXPECT_EQ(saveWindowSnapshot(picture_, ui), "");
    EXPECT_EQ(ui.clipboard, picture_);
    EXPECT_EQ(ui.shown.size(), 1u);  // the dialog only
    EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

TEST_F(SnapshotTest, AFailedSaveThrowsWithoutConfirmation) {
    std::ofstream(path("file")) << "x";
    testsupport::RecordingUi ui;
    ui.saveAnswers.push_back(path("file") + "/shot.bmp");
    try {
        saveWindowSnapshot(picture_, ui);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), path("file") + "/shot.bmp");
        EXPECT_EQ(e.code(), ENOTDIR);
    }
    EXPECT_EQ(ui.shown.size(), 1u);  // the dialog; no confirmation
}

}  // namespace
}  // namespace quorvel
