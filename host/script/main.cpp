// vantro2-script: runs the instrument behind a scripted front panel.
//   vantro2-script [FILE]     reads FILE, or standard input when none is given
#include <cstdio>

#include "script_panel.h"

int main(int argc, char **argv)
{
    if (argc > 2) {
        std::fprintf(stderr, "usage: vantro2-script [FILE]\n");
        return 2;
    }
    std::FILE *input = stdin;
    if (argc == 2) {
        input = std::fopen(argv[1], "r");
        if (input == nullptr) {
            std::fprintf(stderr, "vantro2-script: cannot open %s\n", argv[1]);
            return 2;
        }
    }
    static ScriptPanel panel(input);
    Panel = &panel;
    return panel.Run();
}
