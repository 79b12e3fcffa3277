#include "png_encoder.h"

#include <algorithm>

namespace {

// --- deflate with the fixed Huffman codes --------------------------------------------------------

constexpr u32 WindowSize = 32768;  // farthest distance deflate can reach back
constexpr u32 MinMatch = 3;
constexpr u32 MaxMatch = 258;
constexpr u32 HashBits = 15;
constexpr u32 MaxChain = 64;       // candidates tried per position: plenty for flat pictures

// Smallest length and distance of each code, and the extra bits that follow the code.
const u16 LengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                            31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const u8 LengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const u16 DistanceBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                              193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const u8 DistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

/// Writes bits least significant first, as deflate packs them.
class BitWriter {
public:
    explicit BitWriter(std::vector<u8> &out) : Out(out) {}

    void Bits(u32 value, unsigned count)
    {
        Buffer |= value << Filled;
        Filled += count;
        while (Filled >= 8) {
            Out.push_back(static_cast<u8>(Buffer));
            Buffer >>= 8;
            Filled -= 8;
        }
    }

    /// A Huffman code goes out most significant bit first.
    void Code(u32 code, unsigned length)
    {
        u32 reversed = 0;
        for (unsigned i = 0; i < length; ++i) reversed |= ((code >> i) & 1u) << (length - 1 - i);
        Bits(reversed, length);
    }

    void Flush()
    {
        if (Filled > 0) Out.push_back(static_cast<u8>(Buffer));
        Buffer = 0;
        Filled = 0;
    }

private:
    std::vector<u8> &Out;
    u32 Buffer = 0;
    unsigned Filled = 0;
};

void WriteSymbol(BitWriter &writer, u32 symbol)
{
    if (symbol < 144) writer.Code(0x30 + symbol, 8);
    else if (symbol < 256) writer.Code(0x190 + symbol - 144, 9);
    else if (symbol < 280) writer.Code(symbol - 256, 7);
    else writer.Code(0xC0 + symbol - 280, 8);
}

/// Index of the last table entry not above `value` (the tables rise).
template <size_t N>
u32 CodeIndex(const u16 (&base)[N], u32 value)
{
    u32 i = N - 1;
    while (base[i] > value) --i;
    return i;
}

void WriteMatch(BitWriter &writer, u32 length, u32 distance)
{
    const u32 l = CodeIndex(LengthBase, length);
    WriteSymbol(writer, 257 + l);
    writer.Bits(length - LengthBase[l], LengthExtra[l]);
    const u32 d = CodeIndex(DistanceBase, distance);
    writer.Code(d, 5);
    writer.Bits(distance - DistanceBase[d], DistanceExtra[d]);
}

/// Remembers, for every three-byte sequence, the positions where it began (newest first).
class MatchFinder {
public:
    MatchFinder(const u8 *data, size_t size) : Data(data), Size(size), Head(1u << HashBits, 0), Previous(WindowSize, 0) {}

    void Insert(size_t pos)
    {
        if (pos + MinMatch > Size) return;
        const u32 h = Hash(pos);
        Previous[pos % WindowSize] = Head[h];
        Head[h] = static_cast<u32>(pos + 1);
    }

    /// The longest earlier match for the bytes at `pos`: its length (0 if none) and distance.
    u32 Longest(size_t pos, u32 &distance) const
    {
        u32 best = 0;
        if (pos + MinMatch > Size) return 0;
        const u32 limit = static_cast<u32>(std::min<size_t>(MaxMatch, Size - pos));
        u32 entry = Head[Hash(pos)];
        for (u32 tries = 0; entry != 0 && tries < MaxChain; ++tries) {
            const size_t candidate = entry - 1;
            if (pos - candidate > WindowSize) break;
            u32 length = 0;
            while (length < limit && Data[candidate + length] == Data[pos + length]) ++length;
            if (length > best) {
                best = length;
                distance = static_cast<u32>(pos - candidate);
                if (length == limit) break;
            }
            const u32 next = Previous[candidate % WindowSize];
            if (next == 0 || next - 1 >= candidate) break;  // the chain only goes back in time
            entry = next;
        }
        return best;
    }

private:
    u32 Hash(size_t pos) const
    {
        const u32 key = Data[pos] | Data[pos + 1] << 8 | static_cast<u32>(Data[pos + 2]) << 16;
        return (key * 2654435761u) >> (32 - HashBits);
    }

    const u8 *Data;
    size_t Size;
    std::vector<u32> Head;      ///< newest position + 1 for each hash, 0 for none
    std::vector<u32> Previous;  ///< the position + 1 before, by position modulo the window
};

// One final block with the fixed codes: greedy matches, literals between them.
void Deflate(const u8 *data, size_t size, std::vector<u8> &out)
{
    BitWriter writer(out);
    writer.Bits(1, 1);  // final block
    writer.Bits(1, 2);  // fixed Huffman codes
    MatchFinder finder(data, size);
    size_t pos = 0;
    while (pos < size) {
        u32 distance = 0;
        const u32 length = finder.Longest(pos, distance);
        if (length >= MinMatch) {
            WriteMatch(writer, length, distance);
            for (u32 i = 0; i < length; ++i) finder.Insert(pos + i);
            pos += length;
        } else {
            WriteSymbol(writer, data[pos]);
            finder.Insert(pos);
            ++pos;
        }
    }
    WriteSymbol(writer, 256);  // end of block
    writer.Flush();
}

// --- PNG chunks ------------------------------------------------------------------------------------

void AppendU32(std::vector<u8> &out, u32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<u8>(value >> shift));
}

void AppendChunk(std::vector<u8> &out, const char *type, const std::vector<u8> &data)
{
    AppendU32(out, static_cast<u32>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    AppendU32(out, Crc32(out.data() + start, out.size() - start));
}

} // namespace

u32 Crc32(const u8 *data, size_t size, u32 crc)
{
    static const auto table = [] {
        std::vector<u32> t(256);
        for (u32 n = 0; n < 256; ++n) {
            u32 c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

u32 Adler32(const u8 *data, size_t size)
{
    u32 a = 1, b = 0;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

void ZlibCompress(const u8 *data, size_t size, std::vector<u8> &out)
{
    out.push_back(0x78);  // deflate, 32 KB window
    out.push_back(0x01);  // no dictionary, fastest-level hint; (0x78 * 256 + 0x01) % 31 == 0
    Deflate(data, size, out);
    AppendU32(out, Adler32(data, size));
}

void EncodePng(const u32 *pixels, u32 width, u32 height, std::vector<u8> &out)
{
    static const u8 Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    out.assign(Signature, Signature + 8);

    std::vector<u8> header;
    AppendU32(header, width);
    AppendU32(header, height);
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, deflate, no filter choice, no interlace
    AppendChunk(out, "IHDR", header);

    // Every row: filter type 0 (none), then red, green, blue of each pixel.
    std::vector<u8> raw;
    raw.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
    for (u32 y = 0; y < height; ++y) {
        raw.push_back(0);
        for (u32 x = 0; x < width; ++x) {
            const u32 p = pixels[static_cast<size_t>(y) * width + x];
            raw.insert(raw.end(), {static_cast<u8>(p >> 16), static_cast<u8>(p >> 8), static_cast<u8>(p)});
        }
    }
    std::vector<u8> compressed;
    ZlibCompress(raw.data(), raw.size(), compressed);
    AppendChunk(out, "IDAT", compressed);
    AppendChunk(out, "IEND", {});
}
