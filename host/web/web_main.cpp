// The instrument in a web page: the browser front panel, waiting for the page's "ON".
#include "web_panel.h"

int main()
{
    static WebPanel panel;
    Panel = &panel;
    panel.RunIdle();
}
