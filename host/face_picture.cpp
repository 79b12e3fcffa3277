// JPEG decoding with libjpeg. libjpeg's default error handler ends the process, so a
// custom handler jumps back here instead and the picture is reported as damaged.
#include "face_picture.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace {

/// libjpeg's error manager followed by the place to jump back to on a fatal error.
struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

/// Fatal errors: leave libjpeg and return to DecodeJpeg.
[[noreturn]] void LeaveOnError(j_common_ptr info) {
    ErrorTrap *trap = reinterpret_cast<ErrorTrap *>(info->err);
    std::longjmp(trap->escape, 1);
}

/// Messages are not printed; warnings are still counted in num_warnings.
void KeepQuiet(j_common_ptr) {}

/// Largest side accepted; guards against absurd sizes in a damaged header.
constexpr JDIMENSION kLargestSide = 16384;

}  // namespace

bool DecodeJpeg(const unsigned char *data, unsigned long size, std::vector<unsigned char> &rgb, int &width,
                int &height) {
    rgb.clear();
    width = 0;
    height = 0;
    if (data == nullptr || size == 0) return false;

    jpeg_decompress_struct info;
    ErrorTrap trap;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = LeaveOnError;
    trap.manager.output_message = KeepQuiet;

    if (setjmp(trap.escape) != 0) {
        jpeg_destroy_decompress(&info);
        rgb.clear();
        return false;
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);

    const JDIMENSION w = info.output_width;
    const JDIMENSION h = info.output_height;
    if (w == 0 || h == 0 || w > kLargestSide || h > kLargestSide || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }

    const std::size_t stride = static_cast<std::size_t>(w) * 3;
    rgb.resize(stride * h);
    while (info.output_scanline < h) {
        JSAMPROW row = rgb.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    const bool damaged = trap.manager.num_warnings != 0;
    jpeg_destroy_decompress(&info);

    if (damaged) {
        rgb.clear();
        return false;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}
