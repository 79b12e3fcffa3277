#pragma once
// Pictures the runner can draw besides text.
#include "../../lcd/types.h"

/// Draws menu picture `index` into the cleared frame buffer; false if pictures are not built in.
bool RenderIcon(u8 index);
