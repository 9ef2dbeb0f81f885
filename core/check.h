// Invariant checks that stay on in every build: a broken invariant stops the program with a message
// instead of reading outside a table.
#pragma once

namespace fourbar {

[[noreturn]] void checkFailed(const char* condition, const char* file, int line);

}  // namespace fourbar

#define FOURBAR_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::fourbar::checkFailed(#condition, __FILE__, __LINE__))
