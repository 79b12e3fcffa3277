#include "png_writer.h"

#include <cstdio>
#include <vector>

#include "png_encoder.h"

bool WritePng(const char *path, const u32 *pixels, u32 width, u32 height)
{
    std::vector<u8> bytes;
    EncodePng(pixels, width, height, bytes);
    std::FILE *file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
