// Prints what a long run samples of the running zafrena.exe, as
// "gdi user private": the live GDI and USER object counts, asked of its
// application window, and its private bytes in KiB, read from outside.
#include <windows.h>

#include <cstdio>

namespace {

// Committed memory that belongs to the process alone, in KiB: what Windows
// calls private bytes. Wine answers 0 for PrivateUsage, so the regions of
// the address space are summed here.
bool PrivadaKiB(DWORD pid, unsigned long long& kib) {
    HANDLE proceso = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!proceso) return false;
    unsigned long long bytes = 0;
    MEMORY_BASIC_INFORMATION mbi;
    const char* p = nullptr;
    while (VirtualQueryEx(proceso, p, &mbi, sizeof mbi) == sizeof mbi) {
        if (mbi.State == MEM_COMMIT && mbi.Type == MEM_PRIVATE) bytes += mbi.RegionSize;
        const char* siguiente = static_cast<const char*>(mbi.BaseAddress) + mbi.RegionSize;
        if (siguiente <= p) break;
        p = siguiente;
    }
    CloseHandle(proceso);
    kib = bytes / 1024;
    return bytes > 0;
}

}  // namespace

int main() {
    HWND app = FindWindowW(L"ZafrenaApplication", nullptr);
    if (!app) {
        std::puts("no program");
        return 1;
    }
    const UINT msg = RegisterWindowMessageW(L"ZafrenaRecuento");
    DWORD_PTR gdi = 0, user = 0;
    if (!SendMessageTimeoutW(app, msg, 0, 0, SMTO_BLOCK, 5000, &gdi) ||
        !SendMessageTimeoutW(app, msg, 1, 0, SMTO_BLOCK, 5000, &user)) {
        std::puts("no answer");
        return 1;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(app, &pid);
    unsigned long long privada = 0;
    if (!PrivadaKiB(pid, privada)) {
        std::puts("no memory figures");
        return 1;
    }
    std::printf("%lu %lu %llu\n", static_cast<unsigned long>(gdi), static_cast<unsigned long>(user),
                privada);
    return 0;
}
