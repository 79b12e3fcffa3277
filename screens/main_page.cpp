#include "main_page.h"

#include "../instrument/state_table.h"
#include "screens.h"

u8 InfoPage;

void MainPageScreen() {}

static const StateVar MainPageVars[] = {
    STATE_VAR(InfoPage, U8),
};
const StateTable MainPageState = STATE_TABLE(MainPageVars);
