#include "render_extras.h"

#include "../../lcd/widgets.h"

bool RenderIcon(u8 index)
{
    if (index > 15) return false;
    DrawIcon(static_cast<IconName>(index));
    return true;
}
