// Placeholder: the analysis benchmarks land with the analysis core.
#include <benchmark/benchmark.h>
