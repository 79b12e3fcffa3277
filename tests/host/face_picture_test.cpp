// Tests for DecodeJpeg, run against the instrument-face picture in assets/face.jpg.
// FACE_JPEG_PATH is given by the build, e.g. -DFACE_JPEG_PATH="\"/path/assets/face.jpg\"".
#include "../../host/face_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <vector>

#ifndef FACE_JPEG_PATH
#error "FACE_JPEG_PATH must name assets/face.jpg"
#endif

namespace {

constexpr int kFaceSize = 371;
// The window shows the picture stretched to 336 x 323.
constexpr double kToPictureX = 371.0 / 336.0;
constexpr double kToPictureY = 371.0 / 323.0;

std::vector<unsigned char> ReadFaceFile() {
    std::ifstream in(FACE_JPEG_PATH, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// The decoded face, shared by the pixel checks.
class FacePicture : public ::testing::Test {
protected:
    void SetUp() override {
        file = ReadFaceFile();
        ASSERT_FALSE(file.empty()) << "cannot read " << FACE_JPEG_PATH;
        ASSERT_TRUE(DecodeJpeg(file.data(), file.size(), rgb, width, height));
    }

    /// Rec. 601 brightness of the picture pixel under window point (u, v).
    double LumaAtWindow(double u, double v) const {
        const int x = std::min(width - 1, static_cast<int>(u * kToPictureX));
        const int y = std::min(height - 1, static_cast<int>(v * kToPictureY));
        const unsigned char *p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
    }

    /// Mean and maximum brightness over a window-pixel rectangle.
    void LumaOver(double left, double top, double right, double bottom, double &mean, double &max) const {
        double sum = 0;
        int count = 0;
        max = 0;
        for (double v = top; v < bottom; v += 1.0) {
            for (double u = left; u < right; u += 1.0) {
                const double l = LumaAtWindow(u, v);
                sum += l;
                max = std::max(max, l);
                ++count;
            }
        }
        mean = count ? sum / count : 0;
    }

    double MeanLuma(double left, double top, double right, double bottom) const {
        double mean, max;
        LumaOver(left, top, right, bottom, mean, max);
        return mean;
    }

    /// Mean of one colour channel (0 red, 1 green, 2 blue) over a window-pixel square.
    double MeanChannel(double cu, double cv, double half, int channel) const {
        double sum = 0;
        int count = 0;
        for (double v = cv - half; v <= cv + half; v += 1.0) {
            for (double u = cu - half; u <= cu + half; u += 1.0) {
                const int x = static_cast<int>(u * kToPictureX), y = static_cast<int>(v * kToPictureY);
                sum += rgb[(static_cast<size_t>(y) * width + x) * 3 + channel];
                ++count;
            }
        }
        return sum / count;
    }

    std::vector<unsigned char> file;
    std::vector<unsigned char> rgb;
    int width = 0;
    int height = 0;
};

TEST_F(FacePicture, DecodesTo371By371Rgb) {
    EXPECT_EQ(width, kFaceSize);
    EXPECT_EQ(height, kFaceSize);
    EXPECT_EQ(rgb.size(), static_cast<size_t>(kFaceSize) * kFaceSize * 3);
}

TEST_F(FacePicture, DisplayRecessIsDarkAndEven) {
    // Display panel at window 39,92 259 x 131, checked a few pixels in from its edges.
    double mean, max;
    LumaOver(39 + 4, 92 + 4, 39 + 259 - 4, 92 + 131 - 4, mean, max);
    EXPECT_LT(mean, 25.0);
    EXPECT_LT(max, 45.0);
}

TEST_F(FacePicture, BezelIsDarkGreyAndLighterThanTheDisplay) {
    // Plain plate left of the display, clear of the rim and the recess frame.
    const double bezel = MeanLuma(12, 130, 26, 190);
    EXPECT_GT(bezel, 30.0);
    EXPECT_LT(bezel, 90.0);
    EXPECT_GT(bezel, MeanLuma(100, 130, 240, 190) + 15.0);
}

TEST_F(FacePicture, ButtonCapsSitUnderTheClickAreas) {
    const double bezel = MeanLuma(12, 130, 26, 190);
    struct Centre {
        double u, v;
    };
    // Centres of the left, centre and right click areas (window pixels); the sample is
    // taken beside the cap marking.
    for (const Centre c : {Centre{96.5, 265.5}, Centre{167.5, 278.5}, Centre{236.5, 265.5}}) {
        const double cap = MeanLuma(c.u - 9, c.v - 9, c.u - 5, c.v - 5);
        EXPECT_GT(cap, bezel + 25.0) << "no button cap at " << c.u << "," << c.v;
        // A dark gap rings the cap about 19 window pixels from the centre.
        EXPECT_LT(LumaAtWindow(c.u, c.v + 19.2), cap - 40.0);
        EXPECT_LT(LumaAtWindow(c.u - 19.2, c.v), cap - 40.0);
    }
}

TEST_F(FacePicture, AlarmLampSeatHoldsARedLens) {
    const double cu = 153 + 14.5, cv = 16 + 14.5;
    const double red = MeanChannel(cu, cv, 4, 0);
    EXPECT_GT(red, MeanChannel(cu, cv, 4, 1) + 30.0);
    EXPECT_GT(red, MeanChannel(cu, cv, 4, 2) + 30.0);
    // The seat ring around the 14.5-pixel lens is bright metal somewhere on its lit side.
    double mean, max;
    LumaOver(cu - 19, cv - 19, cu - 8, cv - 8, mean, max);
    EXPECT_GT(max, 150.0);
}

TEST_F(FacePicture, CornerScrewsAndLetteringStandOut) {
    const double bezel = MeanLuma(12, 130, 26, 190);
    for (const double u : {13.0, 336.0 - 13.0}) {
        for (const double v : {13.0, 323.0 - 13.0}) {
            double mean, max;
            LumaOver(u - 4, v - 4, u + 4, v + 4, mean, max);
            EXPECT_GT(max, bezel + 60.0) << "no screw head at " << u << "," << v;
        }
    }
    // Product name left of the lamp, maker name right of it: light paint on the plate.
    double mean, max;
    LumaOver(30, 22, 140, 40, mean, max);
    EXPECT_GT(max, 180.0);
    LumaOver(195, 25, 310, 36, mean, max);
    EXPECT_GT(max, 120.0);
}

TEST_F(FacePicture, KnobIsDrawnRightOfTheButtons) {
    // Knurled knob in the lower right: a white pointer line and dark grip teeth.
    double mean, max;
    LumaOver(280, 255, 322, 300, mean, max);
    EXPECT_GT(max, 180.0);
    EXPECT_LT(mean, 80.0);
}

TEST(DecodeJpeg, EmptyBufferFails) {
    std::vector<unsigned char> rgb{1, 2, 3};
    int width = 7, height = 7;
    const unsigned char nothing[1] = {0};
    EXPECT_FALSE(DecodeJpeg(nothing, 0, rgb, width, height));
    EXPECT_TRUE(rgb.empty());
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    EXPECT_FALSE(DecodeJpeg(nullptr, 0, rgb, width, height));
}

TEST(DecodeJpeg, TruncatedPictureFails) {
    const std::vector<unsigned char> file = ReadFaceFile();
    ASSERT_GT(file.size(), 1000u);
    for (const size_t keep : {size_t{2}, size_t{100}, file.size() / 2, file.size() - 3}) {
        std::vector<unsigned char> rgb;
        int width = -1, height = -1;
        EXPECT_FALSE(DecodeJpeg(file.data(), keep, rgb, width, height)) << "kept " << keep << " bytes";
        EXPECT_TRUE(rgb.empty());
        EXPECT_EQ(width, 0);
        EXPECT_EQ(height, 0);
    }
}

TEST(DecodeJpeg, DamagedBytesFail) {
    const std::vector<unsigned char> file = ReadFaceFile();
    ASSERT_GT(file.size(), 1000u);
    std::vector<unsigned char> rgb;
    int width, height;

    std::vector<unsigned char> badStart = file;
    badStart[0] = 0x00;  // no start-of-image marker
    EXPECT_FALSE(DecodeJpeg(badStart.data(), badStart.size(), rgb, width, height));

    std::vector<unsigned char> notJpeg(4096);
    for (size_t i = 0; i < notJpeg.size(); ++i) notJpeg[i] = static_cast<unsigned char>(i * 131 + 7);
    EXPECT_FALSE(DecodeJpeg(notJpeg.data(), notJpeg.size(), rgb, width, height));

    // Markers sprinkled through the compressed data.
    std::vector<unsigned char> badData = file;
    for (size_t i = file.size() / 3; i + 1 < file.size() - 2; i += 97) {
        badData[i] = 0xFF;
        badData[i + 1] = 0xD9;
    }
    EXPECT_FALSE(DecodeJpeg(badData.data(), badData.size(), rgb, width, height));
    EXPECT_TRUE(rgb.empty());
}

TEST(DecodeJpeg, DecodesAgainAfterAFailure) {
    const std::vector<unsigned char> file = ReadFaceFile();
    std::vector<unsigned char> rgb;
    int width, height;
    EXPECT_FALSE(DecodeJpeg(file.data(), file.size() / 2, rgb, width, height));
    EXPECT_TRUE(DecodeJpeg(file.data(), file.size(), rgb, width, height));
    EXPECT_EQ(width, kFaceSize);
}

}  // namespace
