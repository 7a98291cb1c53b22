#pragma once

// What the fuzz harnesses share: a broken invariant ends the run with the
// input libFuzzer then writes out as crash-*.
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

[[noreturn]] inline void broken(const char* invariant, const QString& detail = {})
{
    std::fprintf(stderr, "Invariant broken: %s\n%s\n", invariant, qPrintable(detail));
    std::abort();
}

inline void require(bool holds, const char* invariant, const QString& detail = {})
{
    if (!holds)
        broken(invariant, detail);
}

}
