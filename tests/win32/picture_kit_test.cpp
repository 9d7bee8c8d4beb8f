// The image library: a capture buffer in, image files out in the four formats, recognised
// by the `file` tool and, for the lossless ones, holding the picture the right way up.
#include <objidl.h>
#include <windows.h>
// GDI+ needs the min/max that NOMINMAX removes.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
#include <gtest/gtest.h>

#include <vector>

#include "file_tool.h"
#include "kit_test_support.h"
#include "doubles/recording_message_box.h"
#include "support/temp_dir.h"

namespace halvertone {
namespace {

namespace pk = kits::picture_kit;

class PictureKit : public ::testing::Test {
  protected:
    static constexpr int kWidth = 37, kHeight = 23, kStride = 112;  // rows padded to 4 bytes

    void SetUp() override {
        ASSERT_TRUE(LoadPictureKit(kits_, KitLocation{testing::ProgramDir(), true}, messages_));
        // Bottom-up rows: the first row in memory is the picture's bottom row, painted red;
        // the top row (last in memory) is blue; the rest grey.
        pixels_.assign(static_cast<size_t>(kStride) * kHeight, 0x80);
        for (int x = 0; x < kWidth; ++x) {
            uint8_t* bottom = &pixels_[static_cast<size_t>(x) * 3];
            uint8_t* top =
                &pixels_[static_cast<size_t>(kHeight - 1) * kStride + static_cast<size_t>(x) * 3];
            bottom[0] = 0, bottom[1] = 0, bottom[2] = 255;
            top[0] = 255, top[1] = 0, top[2] = 0;
        }
    }
    void TearDown() override { ReleaseKits(kits_); }

    template <typename Fn>
    Fn Entry(int index) {
        return kits::TableEntry<Fn>(kits_.picture.table, index);
    }
    void* Create(const void* pixels, int layout = pk::kPixelsBgr24, int stride = kStride) {
        return Entry<pk::CreateImageFn>(pk::kCreateImage)(pixels, layout, 0, kWidth, stride,
                                                          kHeight, 96, 96, 1, 1, 96 | 7, 0);
    }

    KitModules kits_;
    sim::RecordingMessageBox messages_;
    std::vector<uint8_t> pixels_;
    testing::TempDir dir_;
};

TEST_F(PictureKit, SavesAllFourFormats) {
    struct Case {
        int format;
        const char* name;
        const char* fileSays;
        const char* size;  // as `file` words it
        std::string magic;
    };
    const Case cases[] = {
        {pk::kBitmap, "capture.bmp", "PC bitmap", "37 x 23", "BM"},
        {pk::kJpeg, "capture.jpg", "JPEG image data", "37x23", "\xFF\xD8\xFF"},
        {pk::kTiff, "capture.tif", "TIFF image data", "width=37", "II*"},
        {pk::kPng, "capture.png", "PNG image data", "37 x 23", "\x89PNG"},
    };
    void* image = Create(pixels_.data());
    ASSERT_NE(image, nullptr);
    const int quality[2] = {0, 90};
    for (const Case& c : cases) {
        const std::string path = dir_.File(c.name);
        EXPECT_EQ(
            Entry<pk::SaveImageFn>(pk::kSaveImage)(path.c_str(), c.format, quality, image, 0, 0), 1)
            << c.name;
        EXPECT_EQ(dir_.Read(c.name).substr(0, c.magic.size()), c.magic) << c.name;
        const std::string says = testing::FileToolSays(path);
        EXPECT_NE(says.find(c.fileSays), std::string::npos) << c.name << ": " << says;
        EXPECT_NE(says.find(c.size), std::string::npos) << c.name << ": " << says;
    }
    Entry<pk::FreeImageFn>(pk::kFreeImage)(image);
}

TEST_F(PictureKit, TheBottomUpBufferComesOutTheRightWayUp) {
    void* image = Create(pixels_.data());
    ASSERT_NE(image, nullptr);
    pixels_.assign(pixels_.size(), 0);  // the image holds its own copy
    const int quality[2] = {0, -1};
    const std::string path = dir_.File("capture.png");
    ASSERT_EQ(Entry<pk::SaveImageFn>(pk::kSaveImage)(path.c_str(), pk::kPng, quality, image, 0, 0),
              1);
    Entry<pk::FreeImageFn>(pk::kFreeImage)(image);

    const std::wstring wide(path.begin(), path.end());
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
    {
        Gdiplus::Bitmap saved(wide.c_str());
        ASSERT_EQ(saved.GetLastStatus(), Gdiplus::Ok);
        EXPECT_EQ(saved.GetWidth(), static_cast<UINT>(kWidth));
        Gdiplus::Color top, bottom, middle;
        saved.GetPixel(5, 0, &top);
        saved.GetPixel(5, kHeight - 1, &bottom);
        saved.GetPixel(5, kHeight / 2, &middle);
        EXPECT_EQ(top.GetValue() & 0xFFFFFF, 0x0000FFu);     // blue
        EXPECT_EQ(bottom.GetValue() & 0xFFFFFF, 0xFF0000u);  // red
        EXPECT_EQ(middle.GetValue() & 0xFFFFFF, 0x808080u);
        EXPECT_NEAR(saved.GetHorizontalResolution(), 96.0f, 0.5f);
    }
    Gdiplus::GdiplusShutdown(token);
}

TEST_F(PictureKit, BadRequestsAreRefused) {
    EXPECT_EQ(Create(nullptr), nullptr);
    EXPECT_EQ(Create(pixels_.data(), 5), nullptr);                  // not 24-bit BGR
    EXPECT_EQ(Create(pixels_.data(), 6, kWidth * 3 - 1), nullptr);  // rows overlap
    const auto create = Entry<pk::CreateImageFn>(pk::kCreateImage);
    EXPECT_EQ(create(pixels_.data(), 6, 0, 0, kStride, kHeight, 96, 96, 1, 1, 103, 0), nullptr);
    EXPECT_EQ(create(pixels_.data(), 6, 0, 1 << 20, 3 << 20, 1 << 12, 96, 96, 1, 1, 103, 0),
              nullptr);

    void* image = Create(pixels_.data());
    ASSERT_NE(image, nullptr);
    const auto save = Entry<pk::SaveImageFn>(pk::kSaveImage);
    const std::string path = dir_.File("x.img");
    EXPECT_EQ(save(path.c_str(), 4, nullptr, image, 0, 0), 0);
    EXPECT_EQ(save(path.c_str(), -1, nullptr, image, 0, 0), 0);
    EXPECT_EQ(save(nullptr, pk::kPng, nullptr, image, 0, 0), 0);
    EXPECT_EQ(save(path.c_str(), pk::kPng, nullptr, nullptr, 0, 0), 0);
    EXPECT_FALSE(dir_.Exists("x.img"));
    EXPECT_EQ(save(dir_.File("nodir\\x.jpg").c_str(), pk::kJpeg, nullptr, image, 0, 0), 0);
    EXPECT_EQ(save(dir_.File("q.jpg").c_str(), pk::kJpeg, nullptr, image, 0, 0),
              1);  // quality: the default
    Entry<pk::FreeImageFn>(pk::kFreeImage)(image);
}

}  // namespace
}  // namespace halvertone
