// Prints the live GDI and USER object counts of the running zafrena.exe,
// as "gdi user", asking its application window.
#include <windows.h>

#include <cstdio>

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
    std::printf("%lu %lu\n", static_cast<unsigned long>(gdi), static_cast<unsigned long>(user));
    return 0;
}
