#include "forms/Window.h"

#include <exception>

#include <stdexcept>

#include "forms/Recuento.h"

namespace forms {

std::wstring Widen(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                      nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
    return w;
}

Window::~Window() { DestroyHandle(); }

Window* Window::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    // Only windows of our own procedure carry an object in their user data.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) != &Window::StaticProc)
        return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Window::CreateHandle(const CreateParams& p) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{sizeof(wc)};
    if (!GetClassInfoExW(instance, p.className, &wc)) {
        wc = WNDCLASSEXW{sizeof(wc)};
        wc.style = p.classStyle;
        wc.lpfnWndProc = &Window::StaticProc;
        wc.hInstance = instance;
        // Only a top-level window shows an icon; loading it costs Wine a few
        // milliseconds per class.
        const bool topLevel = !(p.style & WS_CHILD) && p.parent != HWND_MESSAGE;
        if (topLevel) wc.hIcon = LoadIconW(instance, L"MAINICON");
        wc.hCursor = nullptr;  // WM_SETCURSOR chooses per control
        wc.lpszClassName = p.className;
        if (!RegisterClassExW(&wc)) throw std::runtime_error("cannot register a window class");
    }
    const RECT& r = p.bounds;
    CreateWindowExW(p.exStyle, p.className, p.text.c_str(), p.style, r.left, r.top,
                    r.right - r.left, r.bottom - r.top, p.parent, nullptr, instance, this);
    if (!hwnd_) throw std::runtime_error("cannot create a window");
}

void Window::DestroyHandle() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        recuento::Alta(recuento::kUser);
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        recuento::Baja(recuento::kUser);
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    try {
        return self->HandleMessage(msg, wp, lp);
    } catch (const std::exception& e) {
        ReportHandlerError(Widen(e.what()).c_str());
    } catch (...) {
        ReportHandlerError(L"Unknown error");
    }
    return 0;
}

}  // namespace forms
