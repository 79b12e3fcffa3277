// Commits one fault of the kind named on the command line, so that the tests can show that a
// sanitizer build really stops and reports it:
//   sanitizer_canary heap|stack|leak|overflow|shift|none
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
volatile int Index = 16;
volatile int Big = 2147483647;
volatile int Shift = 40;
void *Kept = nullptr;
} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) return 2;
    const char *what = argv[1];
    if (std::strcmp(what, "heap") == 0) {
        char *block = static_cast<char *>(std::malloc(16));
        block[Index] = 1;  // one past the end
        std::free(block);
    } else if (std::strcmp(what, "stack") == 0) {
        char buffer[16] = {};
        char *volatile through = buffer;  // past the bounds check of the array type: a raw overflow
        through[Index] = 1;
        std::printf("%d\n", buffer[0]);
    } else if (std::strcmp(what, "leak") == 0) {
        Kept = std::malloc(64);
        Kept = nullptr;
    } else if (std::strcmp(what, "overflow") == 0) {
        const int sum = Big + 1;  // signed overflow
        std::printf("%d\n", sum);
    } else if (std::strcmp(what, "shift") == 0) {
        const int shifted = 1 << Shift;  // shift past the width
        std::printf("%d\n", shifted);
    } else if (std::strcmp(what, "none") != 0) {
        return 2;
    }
    return 0;
}
