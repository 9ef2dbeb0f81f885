// Reporting of broken invariants.
#include "core/check.h"

#include <cstdio>
#include <cstdlib>

namespace fourbar {

void checkFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "fourbar: invariant failed: %s (%s:%d)\n", condition, file, line);
    std::abort();
}

}  // namespace fourbar
