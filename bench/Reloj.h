// The benchmarks' clock: QueryPerformanceCounter in milliseconds.
#pragma once

#include <windows.h>

inline double AhoraMs() {
    static const double frecuencia = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart * 1000.0 / frecuencia;
}
