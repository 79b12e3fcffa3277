#include "command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "vantro2_version.h"

bool ParseBoundedLong(const char *text, long low, long high, long &value)
{
    char *end = nullptr;
    errno = 0;
    const long number = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != 0 || number < low || number > high) return false;
    value = number;
    return true;
}

bool AnswerHelpOrVersion(const char *argument, const char *program, const char *usage)
{
    if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
        std::fputs(usage, stdout);
    } else if (std::strcmp(argument, "--version") == 0) {
        std::printf("%s %s\n", program, VANTRO2_VERSION);
    } else {
        return false;
    }
    std::fflush(stdout);
    return true;
}

bool LooksLikeOption(const char *argument)
{
    return argument[0] == '-' && argument[1] != 0 && std::strcmp(argument, "--") != 0;
}

int RejectOption(const char *argument, const char *program, const char *usage)
{
    std::fprintf(stderr, "%s: unknown option %s\n", program, argument);
    std::fputs(usage, stderr);
    return 2;
}
