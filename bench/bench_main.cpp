// The logic's benchmarks: the practice room delivers the chat text from the event loop, as a
// chat client does, so they run under a QCoreApplication.
#include "RunBenchmarks.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}
