#include "render_extras.h"

bool RenderIcon(u8) { return false; }
