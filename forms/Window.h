// One window procedure for every window of the program: `this` travels
// through CreateWindowEx, is captured at WM_NCCREATE and cleared at
// WM_NCDESTROY. No C++ exception ever crosses it.
#pragma once

#include <windows.h>

#include <string>

namespace forms {

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    HWND Handle() const { return hwnd_; }
    bool HandleAllocated() const { return hwnd_ != nullptr; }

    // The object behind one of our windows, or null for anyone else's.
    static Window* FromHandle(HWND hwnd);

protected:
    Window() = default;
    virtual ~Window();

    struct CreateParams {
        const wchar_t* className = L"";
        UINT classStyle = CS_DBLCLKS;
        DWORD style = 0;
        DWORD exStyle = 0;
        HWND parent = nullptr;
        RECT bounds{};
        std::wstring text;
    };
    void CreateHandle(const CreateParams& p);
    void DestroyHandle();

    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};

// Reports an error raised in an event handler (set by the application object).
void ReportHandlerError(const wchar_t* message);

std::wstring Widen(const std::string& utf8);

}  // namespace forms
