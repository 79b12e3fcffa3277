#include "png_writer.h"

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// libpng's own handlers print to standard error; the caller reports failures itself.
[[noreturn]] void QuietPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void QuietPngWarning(png_structp, png_const_charp) {}

/// Encodes the image as an RGB PNG into an open file; false on any error.
bool EncodePng(std::FILE *file, const u32 *pixels, u32 width, u32 height)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietPngError, QuietPngWarning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (png == nullptr || info == nullptr) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    std::vector<png_byte> row(width * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (u32 y = 0; y < height; ++y) {
        for (u32 x = 0; x < width; ++x) {
            const u32 p = pixels[y * width + x];
            row[3 * x] = static_cast<png_byte>(p >> 16);
            row[3 * x + 1] = static_cast<png_byte>(p >> 8);
            row[3 * x + 2] = static_cast<png_byte>(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

std::string ErrorText(int error) { return error != 0 ? std::strerror(error) : "write error"; }

} // namespace

bool ReplaceFile(const char *path, const std::function<bool(std::FILE *)> &write, std::string &reason)
{
    std::string temporary = std::string(path) + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        reason = ErrorText(errno);
        return false;
    }
    // A new file gets the ordinary permissions of the user's files, not mkstemp's 0600.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    std::FILE *file = fdopen(fd, "wb");
    if (file == nullptr) {
        reason = ErrorText(errno);
        close(fd);
        unlink(temporary.c_str());
        return false;
    }
    errno = 0;
    bool written = write(file) && std::fflush(file) == 0 && !std::ferror(file);
    int error = errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && std::rename(temporary.c_str(), path) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        reason = ErrorText(error);
        unlink(temporary.c_str());
    }
    return written;
}

bool WritePng(const char *path, const u32 *pixels, u32 width, u32 height, std::string *reason)
{
    std::string why;
    const bool written = ReplaceFile(
        path, [&](std::FILE *file) { return EncodePng(file, pixels, width, height); }, why);
    if (!written && reason != nullptr) *reason = why;
    return written;
}
