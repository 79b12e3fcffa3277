#pragma once
// Text placement with the two fonts. Positions are 8-bit and wrap modulo 256, so text that
// starts left of the display shows only its visible tail.
#include "types.h"

/// Large font at (x, y); tall = 1 draws double height, inverse = 1 draws light on dark.
void DrawText(u8 x, u8 y, char *text, u8 tall, u8 inverse);
/// Constant-text twin: copies up to 31 characters into a working buffer first.
void DrawText(u8 x, u8 y, const char *text, u8 tall, u8 inverse);
/// Large font centred on xCentre (start x = xCentre - 4 x length).
void DrawTextCentred(u8 xCentre, u8 y, char *text, u8 tall, u8 inverse);
void DrawTextCentred(u8 xCentre, u8 y, const char *text, u8 tall, u8 inverse);
/// Small font; characters from index invertFrom on are drawn inverted (100 = none).
void DrawSmallText(u8 x, u8 y, char *text, u8 invertFrom);
void DrawSmallText(u8 x, u8 y, const char *text, u8 invertFrom);
/// Small font centred on xCentre (start x = xCentre - 3 x length).
void DrawSmallTextCentred(u8 xCentre, u8 y, char *text, u8 invertFrom);
void DrawSmallTextCentred(u8 xCentre, u8 y, const char *text, u8 invertFrom);
