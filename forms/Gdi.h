// RAII owners for GDI objects and device contexts: no handle is leaked,
// whatever path a paint or a window takes.
#pragma once

#include <windows.h>

#include <utility>

#include "forms/Recuento.h"

namespace forms {

// Owns one GDI object (font, pen, brush, bitmap) and deletes it.
template <class H>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(H h) : h_(h) {
        if (h_) recuento::Alta(recuento::kGdi);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& o) noexcept {
        if (this != &o) {
            Reset();
            h_ = std::exchange(o.h_, nullptr);  // already counted by `o`
        }
        return *this;
    }
    ~GdiObject() { Reset(); }

    void Reset(H h = nullptr) {
        if (h_) {
            DeleteObject(h_);
            recuento::Baja(recuento::kGdi);
        }
        h_ = h;
        if (h_) recuento::Alta(recuento::kGdi);
    }
    H Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

private:
    H h_ = nullptr;
};

using FontHandle = GdiObject<HFONT>;
using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;

// Selects an object into a DC and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Saves the DC's whole state (origin, clip, objects) and restores it.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;
    ~SavedDC() { RestoreDC(dc_, id_); }

private:
    HDC dc_;
    int id_;
};

class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd) {
        dc_ = BeginPaint(hwnd, &ps_);
        recuento::Alta(recuento::kGdi);
    }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() {
        EndPaint(hwnd_, &ps_);
        recuento::Baja(recuento::kGdi);
    }
    HDC Get() const { return dc_; }
    const RECT& Area() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// The screen's DC, for measuring text.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) { recuento::Alta(recuento::kGdi); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    ~ScreenDC() {
        ReleaseDC(nullptr, dc_);
        recuento::Baja(recuento::kGdi);
    }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

class MemoryDC {
public:
    explicit MemoryDC(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {
        recuento::Alta(recuento::kGdi);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() {
        DeleteDC(dc_);
        recuento::Baja(recuento::kGdi);
    }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace forms
