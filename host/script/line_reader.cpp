#include "line_reader.h"

LineStatus ReadScriptLine(std::FILE *input, char *line, std::size_t capacity)
{
    std::size_t length = 0;
    int c;
    while ((c = std::getc(input)) != EOF) {
        if (c == '\n') break;
        if (c == 0) return LineStatus::NulByte;
        if (c == '\r') {
            if (std::getc(input) != '\n') return LineStatus::LoneCr;
            break;
        }
        if (length + 1 >= capacity) return LineStatus::TooLong;
        line[length++] = static_cast<char>(c);
    }
    if (c == EOF) {
        if (std::ferror(input)) return LineStatus::ReadError;
        if (length == 0) return LineStatus::End;
    }
    line[length] = 0;
    return LineStatus::Line;
}
