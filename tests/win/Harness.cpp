#include "tests/win/Harness.h"

#include <memory>

#include "forms/Application.h"

namespace prueba {

void SonidoGrabado::Play(const void* wave, HMODULE, DWORD flags) {
    std::string nombre;
    for (const char* n : {"ENTRADA", "SERA", "ACERCA"}) {
        HMODULE m = GetModuleHandleW(nullptr);
        if (HRSRC r = FindResourceA(m, n, MAKEINTRESOURCEA(10)))
            if (LockResource(LoadResource(m, r)) == wave && wave) nombre = n;
    }
    peticiones.push_back({nombre, flags});
}

std::vector<std::string> SonidoGrabado::Nombres() const {
    std::vector<std::string> v;
    for (const auto& p : peticiones) v.push_back(p.nombre);
    return v;
}

void Pump(int ms) {
    // Through the application, so its keyboard handling takes part.
    forms::Application::Current().ProcessMessagesFor(ms);
}

namespace {
// Pending actions by timer id; a test's thread only.
std::vector<std::pair<UINT_PTR, std::function<void()>>> pendientes;

void CALLBACK AlVencer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    for (auto it = pendientes.begin(); it != pendientes.end(); ++it) {
        if (it->first != id) continue;
        auto accion = std::move(it->second);
        pendientes.erase(it);
        accion();
        return;
    }
}
}  // namespace

void Luego(int ms, std::function<void()> accion) {
    const UINT_PTR id = SetTimer(nullptr, 0, ms, &AlVencer);
    pendientes.emplace_back(id, std::move(accion));
}

void Pulsar(HWND hwnd, int x, int y, UINT down, WPARAM keys) {
    SendMessageW(hwnd, down, keys, MAKELPARAM(x, y));
}
void Soltar(HWND hwnd, int x, int y, UINT up, WPARAM keys) {
    SendMessageW(hwnd, up, keys, MAKELPARAM(x, y));
}
void Clic(HWND hwnd, int x, int y) {
    Pulsar(hwnd, x, y);
    Soltar(hwnd, x, y);
}
void Mover(HWND hwnd, int x, int y, WPARAM keys) {
    SendMessageW(hwnd, WM_MOUSEMOVE, keys, MAKELPARAM(x, y));
}

void Tecla(WPARAM vk) {
    // Through the queue, so the application's keyboard handling sees it;
    // TranslateMessage makes the character, as for a real key.
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, vk, 1);
    PostMessageW(focus, WM_KEYUP, vk, 0xC0000001);
}

COLORREF Pixel(HWND hwnd, int x, int y) {
    UpdateWindow(hwnd);
    HDC dc = GetDC(hwnd);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return c;
}

}  // namespace prueba
