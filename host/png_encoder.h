#pragma once
// The project's own PNG encoder: 8-bit RGB, one IDAT chunk compressed with deflate (fixed
// Huffman codes over a greedy LZ77 search), so that every build of the runner, native or
// WebAssembly, writes byte-identical pictures without a compression library.
#include <cstddef>
#include <vector>

#include "../lcd/types.h"

/// Encodes a width x height image of 0xAARRGGBB pixels (alpha ignored) as a PNG file's bytes,
/// replacing the contents of `out`.
void EncodePng(const u32 *pixels, u32 width, u32 height, std::vector<u8> &out);

/// CRC-32 (the PNG and zip polynomial) of `size` bytes, continuing from `crc` (0 to start).
u32 Crc32(const u8 *data, std::size_t size, u32 crc = 0);

/// Adler-32 of `size` bytes (the zlib stream's check value).
u32 Adler32(const u8 *data, std::size_t size);

/// A zlib stream (RFC 1950) holding `size` bytes compressed with deflate (RFC 1951).
void ZlibCompress(const u8 *data, std::size_t size, std::vector<u8> &out);
