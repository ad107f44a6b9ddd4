// Starts two programs in turn, A B A B, and times each from CreateProcess
// to its first visible top-level window and to its first idle moment (the
// first paint done), then reads its peak working set. Timing from inside
// Wine leaves out the X round trips and the polling a Linux-side watcher
// would add. Usage: lanzador PAIRS A.exe B.exe
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/Reloj.h"

namespace {

struct Medida {
    double visible_ms = 0, idle_ms = 0;
    double pico_kb = 0;
};

double Ahora() { return AhoraMs(); }

struct Busqueda {
    DWORD pid;
    bool hallada;
};

// A shown top-level window of the process with some area: the application
// window that only carries a taskbar entry has none.
BOOL CALLBACK MirarVentana(HWND hwnd, LPARAM lp) {
    auto* b = reinterpret_cast<Busqueda*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != b->pid || !IsWindowVisible(hwnd)) return TRUE;
    RECT r;
    if (!GetWindowRect(hwnd, &r) || r.right <= r.left || r.bottom <= r.top) return TRUE;
    b->hallada = true;
    return FALSE;
}

bool Medir(const std::wstring& exe, Medida& m) {
    std::wstring linea = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const double t0 = Ahora();
    if (!CreateProcessW(exe.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", exe.c_str(), GetLastError());
        return false;
    }
    bool ok = false;
    // Polled every millisecond: finer than the spread between runs, and
    // light enough not to slow the program being timed.
    for (;;) {
        Busqueda b{pi.dwProcessId, false};
        EnumWindows(MirarVentana, reinterpret_cast<LPARAM>(&b));
        if (b.hallada) {
            m.visible_ms = Ahora() - t0;
            ok = true;
            break;
        }
        if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0 || Ahora() - t0 > 30000) break;
    }
    if (ok) {
        // Idle: waiting for input with nothing queued, the first paint behind it.
        ok = WaitForInputIdle(pi.hProcess, 10000) == 0;
        m.idle_ms = Ahora() - t0;
        Sleep(250);  // let what starts with the window (a sound, say) settle in
        PROCESS_MEMORY_COUNTERS pmc{};
        pmc.cb = sizeof pmc;
        ok = ok && GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc);
        m.pico_kb = pmc.PeakWorkingSetSize / 1024.0;
    }
    if (!ok) std::fprintf(stderr, "%ls: no window shown, or no figures\n", exe.c_str());
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    Sleep(300);  // the previous process's teardown out of the next one's way
    return ok;
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::wstring Nombre(const std::wstring& ruta) {
    const auto barra = ruta.find_last_of(L"\\/");
    return barra == std::wstring::npos ? ruta : ruta.substr(barra + 1);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4 || _wtoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: lanzador PAIRS A.exe B.exe\n");
        return 2;
    }
    const int pares = _wtoi(argv[1]);
    const std::wstring exe[2] = {argv[2], argv[3]};
    const std::wstring nombre[2] = {Nombre(exe[0]), Nombre(exe[1])};

    // One unmeasured start of each: the files into the page cache.
    Medida m;
    for (const auto& e : exe)
        if (!Medir(e, m)) return 1;

    std::vector<Medida> medidas[2];
    for (int i = 0; i < pares; ++i) {
        for (int k = 0; k < 2; ++k) {
            if (!Medir(exe[k], m)) return 1;
            medidas[k].push_back(m);
            std::printf("  %-12ls run %2d: visible %7.1f ms, idle %7.1f ms, peak working set %7.0f KB\n",
                        nombre[k].c_str(), i + 1, m.visible_ms, m.idle_ms, m.pico_kb);
        }
    }

    struct Cifra {
        const char* titulo;
        const char* unidad;
        double Medida::*campo;
    };
    const Cifra cifras[] = {{"start-up to visible window", "ms", &Medida::visible_ms},
                            {"start-up to first idle", "ms", &Medida::idle_ms},
                            {"peak working set", "KB", &Medida::pico_kb}};
    std::printf("%d pairs, %ls against %ls, medians:\n", pares, nombre[0].c_str(),
                nombre[1].c_str());
    for (const Cifra& c : cifras) {
        std::vector<double> a, b, r;
        for (int i = 0; i < pares; ++i) {
            a.push_back(medidas[0][i].*c.campo);
            b.push_back(medidas[1][i].*c.campo);
            r.push_back(a.back() / b.back());
        }
        std::printf("  %-27s %9.1f %s against %9.1f %s: ratio %.3f (median of pair ratios)\n",
                    c.titulo, Mediana(a), c.unidad, Mediana(b), c.unidad, Mediana(r));
    }
    return 0;
}
