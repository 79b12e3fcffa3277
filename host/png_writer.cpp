#include "png_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "png_encoder.h"

namespace {

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
    std::vector<u8> bytes;
    EncodePng(pixels, width, height, bytes);
    std::string why;
    const bool written = ReplaceFile(
        path, [&](std::FILE *file) { return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(); }, why);
    if (!written && reason != nullptr) *reason = why;
    return written;
}
