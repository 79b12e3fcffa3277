#include "display_picture.h"

#include <cstddef>

#include "panel_actions.h"

void ScaleDisplayPicture(const u32 *twoX, u32 stride, u32 scale, std::vector<u32> &out)
{
    const u32 width = DisplayColumns * scale;
    const u32 height = DisplayRows * scale;
    out.resize(static_cast<size_t>(width) * height);
    for (u32 y = 0; y < height; ++y) {
        // The top-left pixel of each 2 x 2 block stands for its display pixel.
        const u32 *source = twoX + static_cast<size_t>(2 * (y / scale)) * stride;
        for (u32 x = 0; x < width; ++x) {
            const u32 pixel = source[2 * (x / scale)];
            out[static_cast<size_t>(y) * width + x] = (pixel >> 24) == 0 ? LcdUnlitRgb : (pixel | 0xFF000000u);
        }
    }
}
