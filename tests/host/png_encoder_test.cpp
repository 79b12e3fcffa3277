// The project's PNG encoder, checked against zlib as an independent decoder: every picture
// inflates back to its rows, and every checksum agrees with zlib's.
#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <string>
#include <vector>

#include "host/display_copy.h"
#include "host/panel_actions.h"
#include "host/png_encoder.h"
#include "lcd/framebuffer.h"
#include "lcd/text.h"

namespace {

u32 ReadU32(const std::vector<u8> &bytes, size_t at)
{
    return static_cast<u32>(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
}

struct Chunk {
    std::string Type;
    std::vector<u8> Data;
};

// Splits a PNG into its chunks, checking the signature and each chunk's CRC with zlib.
std::vector<Chunk> Chunks(const std::vector<u8> &png)
{
    static const u8 Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(png.size() >= 8 && std::equal(Signature, Signature + 8, png.begin()));
    std::vector<Chunk> chunks;
    size_t at = 8;
    while (at + 12 <= png.size()) {
        const u32 length = ReadU32(png, at);
        EXPECT_LE(at + 12 + length, png.size());
        if (at + 12 + length > png.size()) break;
        const u8 *typeAndData = png.data() + at + 4;
        EXPECT_EQ(ReadU32(png, at + 8 + length), crc32(0, typeAndData, length + 4));
        chunks.push_back({std::string(typeAndData, typeAndData + 4),
                          std::vector<u8>(typeAndData + 4, typeAndData + 4 + length)});
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size());
    return chunks;
}

// The rows the encoder must have stored: filter byte 0, then R, G, B of each pixel.
std::vector<u8> RawRows(const std::vector<u32> &pixels, u32 width, u32 height)
{
    std::vector<u8> raw;
    for (u32 y = 0; y < height; ++y) {
        raw.push_back(0);
        for (u32 x = 0; x < width; ++x) {
            const u32 p = pixels[y * width + x];
            raw.insert(raw.end(), {static_cast<u8>(p >> 16), static_cast<u8>(p >> 8), static_cast<u8>(p)});
        }
    }
    return raw;
}

void ExpectDecodesTo(const std::vector<u32> &pixels, u32 width, u32 height)
{
    std::vector<u8> png;
    EncodePng(pixels.data(), width, height, png);
    const std::vector<Chunk> chunks = Chunks(png);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].Type, "IHDR");
    EXPECT_EQ(chunks[1].Type, "IDAT");
    EXPECT_EQ(chunks[2].Type, "IEND");
    EXPECT_TRUE(chunks[2].Data.empty());
    const std::vector<u8> &header = chunks[0].Data;
    ASSERT_EQ(header.size(), 13u);
    EXPECT_EQ(ReadU32(header, 0), width);
    EXPECT_EQ(ReadU32(header, 4), height);
    EXPECT_EQ(std::vector<u8>(header.begin() + 8, header.end()), (std::vector<u8>{8, 2, 0, 0, 0}));

    const std::vector<u8> want = RawRows(pixels, width, height);
    std::vector<u8> got(want.size() + 1);
    uLongf gotSize = got.size();
    const std::vector<u8> &idat = chunks[1].Data;
    ASSERT_EQ(uncompress(got.data(), &gotSize, idat.data(), idat.size()), Z_OK);  // checks Adler-32 too
    got.resize(gotSize);
    EXPECT_TRUE(got == want) << width << "x" << height << ": rows differ after inflating";
}

std::vector<u32> Noise(size_t count, u32 seed)
{
    std::mt19937 random(seed);
    std::vector<u32> pixels(count);
    for (u32 &p : pixels) p = random();
    return pixels;
}

TEST(PngEncoder, PicturesInflateBackToTheirRows)
{
    struct Case {
        const char *What;
        u32 Width, Height;
        std::vector<u32> Pixels;
    };
    // Rows of random pixels repeated: a match reaches back exactly one row.
    auto repeatedRows = [](u32 width, u32 rows) {
        std::vector<u32> row = Noise(width, 5), pixels;
        for (u32 i = 0; i < rows; ++i) pixels.insert(pixels.end(), row.begin(), row.end());
        return pixels;
    };
    const Case cases[] = {
        {"one pixel", 1, 1, {0xFF123456}},
        {"flat display", 256, 128, std::vector<u32>(256 * 128, LcdUnlitRgb)},
        {"noise: literals only", 300, 200, Noise(300 * 200, 1)},
        {"one long run: many longest matches", 4000, 3, std::vector<u32>(12000, 0xFF000000)},
        // A row of 1 + 3 * 10922 = 32767 bytes is just inside deflate's window, 10923 pixels
        // (32770 bytes) just outside: there the repeat must not be used.
        {"repeat at the window's edge", 10922, 3, repeatedRows(10922, 3)},
        {"repeat beyond the window", 10923, 3, repeatedRows(10923, 3)},
        {"alpha is dropped", 2, 1, {0x00FF0000, 0x7F00FF00}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.What);
        ExpectDecodesTo(c.Pixels, c.Width, c.Height);
    }
}

TEST(PngEncoder, DisplayPictureIsSmallAndExact)
{
    ClearFrameBuffer();
    DrawText(4, 10, "VANTRO-2", 1, 0);
    DrawSmallText(2, 50, "0123456789 ABC", 100);
    std::vector<u32> pixels(256 * 128);
    DisplayCopy copy;
    copy.Paint(pixels.data(), 256);
    ExpectDecodesTo(pixels, 256, 128);
    std::vector<u8> png;
    EncodePng(pixels.data(), 256, 128, png);
    EXPECT_LT(png.size(), 4000u) << "the 2x display picture should compress well";
}

TEST(PngEncoder, ChecksumsAgreeWithZlib)
{
    const std::vector<u32> words = Noise(20000, 9);
    const u8 *bytes = reinterpret_cast<const u8 *>(words.data());
    for (size_t size : {size_t{0}, size_t{1}, size_t{5551}, size_t{5552}, size_t{80000}}) {
        EXPECT_EQ(Crc32(bytes, size), crc32(0, bytes, static_cast<uInt>(size))) << size;
        EXPECT_EQ(Adler32(bytes, size), adler32(1, bytes, static_cast<uInt>(size))) << size;
    }
    // A CRC continued over two parts equals the CRC of the whole.
    EXPECT_EQ(Crc32(bytes + 100, 900, Crc32(bytes, 100)), Crc32(bytes, 1000));
    // All 0xFF bytes drive Adler-32's sums to their modulus fastest.
    const std::vector<u8> ones(100000, 0xFF);
    EXPECT_EQ(Adler32(ones.data(), ones.size()), adler32(1, ones.data(), static_cast<uInt>(ones.size())));
}

} // namespace
