#pragma once
// Reading a script line by line, refusing the bytes a text line cannot hold.
#include <cstddef>
#include <cstdio>

/// What one read found.
enum class LineStatus {
    Line,       ///< a line, without its LF or CRLF end (the last one may lack it)
    End,        ///< no more lines
    TooLong,    ///< the line does not fit the buffer
    NulByte,    ///< a NUL byte in the line
    LoneCr,     ///< a CR that does not end the line as CRLF
    ReadError,  ///< the file could not be read (errno says why)
};

/// Reads the next line into `line` (`capacity` bytes, NUL-terminated on LineStatus::Line).
/// Stops at the first bad byte, so an endless stream of them ends at once.
LineStatus ReadScriptLine(std::FILE *input, char *line, std::size_t capacity);
