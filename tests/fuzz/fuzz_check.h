#pragma once

// Shared checks of the number-text fuzz targets: a property that fails aborts with its name, so
// libFuzzer keeps the input that broke it.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace vexlet::fuzz {

inline void require(bool holds, const char *property, const std::string &detail)
{
    if (holds)
        return;
    std::fprintf(stderr, "property violated: %s (%s)\n", property, detail.c_str());
    std::abort();
}

} // namespace vexlet::fuzz
