#pragma once
// Turns the instrument-face picture (a JPEG kept in memory) into plain RGB pixels.
// Free of any window toolkit so it can be tested on its own.
#include <vector>

/// Decodes a JPEG held in memory into 8-bit RGB rows; false on a damaged picture.
/// On success rgb holds width * height * 3 bytes, top row first; on failure rgb is
/// empty and width and height are 0. Any libjpeg warning (truncated data, bad
/// markers) counts as damage.
bool DecodeJpeg(const unsigned char *data, unsigned long size, std::vector<unsigned char> &rgb, int &width,
                int &height);
