#pragma once

// Drawing benchmarks: each registers a function that runs its work a given
// number of times; the runner times it and prints microseconds per run.
#include <functional>

namespace bench {

using Work = std::function<void(int repetitions)>;

struct Registrar {
    Registrar(const char* name, Work work);
};

}

#define BENCHMARK(id, name, body)                                         \
    static const bench::Registrar bench_registrar_##id(name, [](int repetitions) body);
