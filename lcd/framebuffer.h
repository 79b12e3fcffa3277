#pragma once
// The 128 x 64 display image and the pixel primitives every picture is built from.
//
// Byte (y / 8) * 128 + x holds column x of page y / 8; bit (y mod 8) is pixel (x, y),
// bit 0 the top row of the page. A set bit is a lit (dark) pixel. The two host bytes
// KeySlot and KeyStep sit directly after the 1024 image bytes.
#include "types.h"

enum PixelMode : u8 { PixelClear = 0, PixelSet = 1, PixelInvert = 2 };

/// The display memory block: image bytes followed by the two host bytes.
struct LcdMemoryBlock {
    u8 FrameBuffer[1024];
    u8 KeySlot;  ///< pending key code, 0 = none
    u8 KeyStep;  ///< edit step: 10 while "KeyFast" is ticked, else 1
};
extern LcdMemoryBlock LcdMemory;

extern u8 (&FrameBuffer)[1024];
extern u8 &KeySlot;
extern u8 &KeyStep;

/// Bit masks 1, 2, 4 ... 128 indexed by (y mod 8); shared by text drawing and the display copy.
extern const u8 PixelMask[8];

/// Key codes stored in KeySlot.
enum KeyCode : u8 { KeyNone = 0, KeyCentre = 1, KeyClockwise = 2, KeyAntiClockwise = 3, KeyLeft = 4, KeyRight = 5 };

/// Sets all 1024 image bytes to 0 (KeySlot and KeyStep untouched).
void ClearFrameBuffer();
/// True if pixel (x, y) is lit; false for any point off the display.
bool GetPixel(u8 x, u8 y);
/// Clears, sets or toggles one pixel; points off the display and unknown modes are ignored.
void PlotPixel(u8 x, u8 y, u8 mode);
/// Bresenham line from (x0, y0) to (x1, y1), both ends included, plotted from the first point.
void DrawLine(int x0, int y0, int x1, int y1, u8 mode);
/// Rectangle outline: left, top, right and bottom edges in that order.
void DrawFrame(int x0, int y0, int x1, int y1, u8 mode);
/// Filled rectangle, one vertical line per column from x0 up to x1; nothing when x0 > x1.
void FillBox(u8 x0, u8 y0, u8 x1, u8 y1, u8 mode);
