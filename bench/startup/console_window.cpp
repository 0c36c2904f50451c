// The console's start-up as the program makes it, on the practice room (the benchmark names
// no socket): the console's window and the room's beside it, from exec to the first exposed.
#include "ExposedExit.h"
#include "startup/ConsoleProgram.h"

#include <QWidget>

int main(int argc, char** argv)
{
    return RunConsole(argc, argv, [](QWidget& window) { ExposedExit::Watch({&window}); });
}
