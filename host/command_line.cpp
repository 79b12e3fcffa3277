#include "command_line.h"

#include <cerrno>
#include <cstdlib>

bool ParseBoundedLong(const char *text, long low, long high, long &value)
{
    char *end = nullptr;
    errno = 0;
    const long number = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != 0 || number < low || number > high) return false;
    value = number;
    return true;
}
