// vantro2-script: runs the instrument behind a scripted front panel.
//   vantro2-script [FILE]     reads FILE, or standard input when none is given
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "../command_line.h"
#include "script_panel.h"

namespace {

const char Program[] = "vantro2-script";
const char Usage[] =
    "Usage: vantro2-script [FILE]\n"
    "\n"
    "Runs the VANTRO-2 instrument behind a scripted front panel: one command a line from FILE,\n"
    "or from standard input when no FILE (or -) is given.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "  --version      show the version and exit\n"
    "  --             the next word is the FILE, even if it starts with -\n"
    "\n"
    "A line that cannot be understood ends the program with status 2.\n";

} // namespace

int main(int argc, char **argv)
{
    const char *file = nullptr;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (!optionsEnded && std::strcmp(argument, "--") == 0) {
            optionsEnded = true;
        } else if (!optionsEnded && AnswerHelpOrVersion(argument, Program, Usage)) {
            return 0;
        } else if (!optionsEnded && LooksLikeOption(argument)) {
            return RejectOption(argument, Program, Usage);
        } else if (file != nullptr) {
            std::fprintf(stderr, "%s: only one script file at a time\n", Program);
            std::fputs(Usage, stderr);
            return 2;
        } else {
            file = argument;
        }
    }
    std::FILE *input = stdin;
    if (file != nullptr && std::strcmp(file, "-") != 0) {
        input = std::fopen(file, "r");
        if (input == nullptr) {
            std::fprintf(stderr, "vantro2-script:0: cannot open %s: %s\n", file, std::strerror(errno));
            return 2;
        }
    }
    // A reader that went away or a file-size limit is a failed write to report, not a
    // silent death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    static ScriptPanel panel(input, input != stdin ? file : "standard input");
    Panel = &panel;
    return panel.Run();
}
