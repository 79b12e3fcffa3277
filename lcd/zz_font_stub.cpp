// TEMPORARY until the fonts land
#include "fonts.h"
const u8 SmallFont[128 * 5] = {};
const u8 LargeFont[224 * 8] = {};
