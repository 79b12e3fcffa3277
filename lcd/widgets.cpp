#include "widgets.h"

#include <cstdio>
#include <cstring>

#include "framebuffer.h"
#include "icons.h"
#include "text.h"

namespace {

// Working copies of constant texts (title, label, value), as texts held in program memory
// are copied before drawing.
char TitleCopy[WidgetTextSize];
char LabelCopy[WidgetTextSize];
char ValueCopy[WidgetTextSize];

char *CopyText(char (&buffer)[WidgetTextSize], const char *text)
{
    std::snprintf(buffer, sizeof buffer, "%s", text);
    return buffer;
}

u8 Length(const char *text) { return static_cast<u8>(std::strlen(text)); }

} // namespace

void AppendText(char *text, const char *tail)
{
    const size_t used = std::strlen(text);
    if (used >= WidgetTextSize - 1) return;
    std::snprintf(text + used, WidgetTextSize - used, "%s", tail);
}

void DrawTitle(char *text)
{
    const u8 n = Length(text);
    DrawText(static_cast<u8>(64 - 4 * n), 0, text, 0, 0);
    // The line ends are plain integers: past 16 characters the left end lies left of the
    // display and the line stops at x 0 rather than wrapping round across the title.
    DrawLine(0, 4, 66 - 4 * n, 4, PixelSet);
    DrawLine(62 + 4 * n, 4, 127, 4, PixelSet);
}

void DrawTitle(const char *text) { DrawTitle(CopyText(TitleCopy, text)); }

void DrawRowText(u8 x, u8 y, char *text, u8 inverse)
{
    if (y > 7) DrawText(x, y, text, 0, inverse);
}

void DrawRowText(u8 x, u8 y, const char *text, u8 inverse)
{
    if (y > 7) DrawText(x, y, text, 0, inverse);
}

u8 ListTopFor(u8 cursor) { return cursor > 6 ? static_cast<u8>(cursor - 6) : 0; }

void DrawMenuRow(u8 valueGap, s8 row, char *label, char *value, RowHighlight highlight)
{
    const u8 y = static_cast<u8>(8 + 8 * row);
    DrawRowText(0, y, label, highlight == HighlightRow ? 1 : 0);
    DrawRowText(static_cast<u8>(valueGap + 8 * Length(label)), y, value, highlight != HighlightNone ? 1 : 0);
}

void DrawMenuRow(u8 valueGap, s8 row, const char *label, char *value, RowHighlight highlight)
{
    DrawMenuRow(valueGap, row, CopyText(LabelCopy, label), value, highlight);
}

void DrawMenuRow(u8 valueGap, s8 row, const char *label, const char *value, RowHighlight highlight)
{
    DrawMenuRow(valueGap, row, CopyText(LabelCopy, label), CopyText(ValueCopy, value), highlight);
}

void DrawIcon(IconName icon)
{
    const u8 index = icon;
    if (index > 15) return;
    const u8 *sheet = index < 8 ? IconsLow : IconsHigh;
    const u8 k = index % 8;
    const u16 sourcePage = 4 * (k / 4);
    const u16 sourceColumn = 32 * (k % 4);
    u8 x = 10;
    u8 page = 2;
    if (icon == IconQuestion) {
        x = 8;
        page = 1;
    } else if (icon == IconMessage) {
        x = 8;
    }
    for (u16 i = 0; i < 4; ++i)
        for (u16 j = 0; j < 32; ++j)
            FrameBuffer[(page + i) * 128 + x + j] = sheet[(sourcePage + i) * 128 + sourceColumn + j];
}
