#pragma once

// Runs the benchmarks linked in, as Google Benchmark's own main does, once the program has made
// the application object they need. 1 for an option it does not know.
int RunBenchmarks(int argc, char** argv);
