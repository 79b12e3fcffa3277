// vantro2-script: runs the instrument behind a scripted front panel.
//   vantro2-script [FILE]     reads FILE, or standard input when none is given
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

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
            std::fprintf(stderr, "vantro2-script:0: cannot open %s: %s\n", argv[1], std::strerror(errno));
            return 2;
        }
    }
    // A reader that went away or a file-size limit is a failed write to report, not a
    // silent death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    static ScriptPanel panel(input, argc == 2 ? argv[1] : "standard input");
    Panel = &panel;
    return panel.Run();
}
