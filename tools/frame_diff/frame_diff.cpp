// vantro2-frame-diff: the display pictures of a scenario's expected and actual output side
// by side. Every `lcd` picture in the two texts (64 lines of 128 '#' and '.') is paired by
// its order; each pair that differs is written as PREFIX-N.png: the expected picture on the
// left, the actual one in the middle and the differing pixels in red on the right, each at
// twice the display's size.
//   vantro2-frame-diff EXPECTED ACTUAL PREFIX
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "host/panel_actions.h"
#include "host/png_writer.h"

namespace {

constexpr int Width = 128;
constexpr int Height = 64;
constexpr int Scale = 2;
constexpr int Gap = 8;
constexpr u32 GapRgb = 0xFFFFFFFF;
constexpr u32 DiffRgb = 0xFFE00000;

using Frame = std::vector<std::string>;

bool IsPictureLine(const std::string &line)
{
    return line.size() == Width && line.find_first_not_of("#.") == std::string::npos;
}

// The pictures of a text, in order: runs of 64 picture lines.
std::vector<Frame> ReadFrames(const char *path, bool &ok)
{
    std::ifstream in(path);
    ok = static_cast<bool>(in);
    std::vector<Frame> frames;
    Frame run;
    std::string line;
    while (std::getline(in, line)) {
        if (!IsPictureLine(line)) {
            run.clear();
            continue;
        }
        run.push_back(line);
        if (run.size() == Height) {
            frames.push_back(run);
            run.clear();
        }
    }
    return frames;
}

bool Lit(const Frame *frame, int x, int y) { return frame != nullptr && (*frame)[y][x] == '#'; }

// Panel p (0 expected, 1 actual, 2 difference) of the side-by-side picture.
void Paint(std::vector<u32> &image, int stride, int p, const Frame *expected, const Frame *actual)
{
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const bool a = Lit(expected, x, y), b = Lit(actual, x, y);
            u32 rgb = LcdUnlitRgb;
            if (p == 0 && a) rgb = LcdLitRgb;
            if (p == 1 && b) rgb = LcdLitRgb;
            if (p == 2) rgb = a != b ? DiffRgb : (a ? LcdLitRgb : LcdUnlitRgb);
            for (int dy = 0; dy < Scale; ++dy)
                for (int dx = 0; dx < Scale; ++dx)
                    image[static_cast<size_t>((y * Scale + dy) * stride + p * (Width * Scale + Gap) + x * Scale + dx)] = rgb;
        }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: vantro2-frame-diff EXPECTED ACTUAL PREFIX\n");
        return 2;
    }
    bool okExpected = false, okActual = false;
    const std::vector<Frame> expected = ReadFrames(argv[1], okExpected);
    const std::vector<Frame> actual = ReadFrames(argv[2], okActual);
    if (!okExpected || !okActual) {
        std::fprintf(stderr, "vantro2-frame-diff: cannot read %s\n", okExpected ? argv[2] : argv[1]);
        return 2;
    }
    const int stride = 3 * Width * Scale + 2 * Gap;
    const size_t pairs = expected.size() > actual.size() ? expected.size() : actual.size();
    for (size_t i = 0; i < pairs; ++i) {
        const Frame *a = i < expected.size() ? &expected[i] : nullptr;
        const Frame *b = i < actual.size() ? &actual[i] : nullptr;
        if (a != nullptr && b != nullptr && *a == *b) continue;
        std::vector<u32> image(static_cast<size_t>(stride * Height * Scale), GapRgb);
        for (int p = 0; p < 3; ++p) Paint(image, stride, p, a, b);
        const std::string path = std::string(argv[3]) + "-" + std::to_string(i + 1) + ".png";
        if (!WritePng(path.c_str(), image.data(), stride, Height * Scale)) {
            std::fprintf(stderr, "vantro2-frame-diff: cannot write %s\n", path.c_str());
            return 2;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
