// The board inputs the instrument reads from the front panel it runs behind.
#include "../instrument/board.h"
#include "front_panel.h"

FrontPanel *Panel = nullptr;

// The RPM slider stands for the pulse count of one Timer2 window; its value label follows it.
s32 ReadRpmPulseInput()
{
    if (Panel == nullptr) return 0;
    const s32 position = Panel->RpmSliderPosition();
    Panel->SetLabel(8, position);
    return position;
}
