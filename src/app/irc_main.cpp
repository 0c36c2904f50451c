#include <cstdio>

// Placeholder until the bridge lands; replaced by the real program.
int main()
{
    std::fputs("quillo-irc: not built yet\n", stderr);
    return 2;
}
