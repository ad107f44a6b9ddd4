#include "forms/Application.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <stdexcept>

#include "forms/Form.h"
#include "forms/Recuento.h"

namespace forms {

namespace {
// The application object of the process; there is at most one.
Application* current = nullptr;

// The executable's name without folder and extension, "Zafrena" style.
std::wstring TitleFromModule() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, n);
    if (const auto slash = name.find_last_of(L"\\/"); slash != std::wstring::npos)
        name.erase(0, slash + 1);
    if (const auto dot = name.find_last_of(L'.'); dot != std::wstring::npos) name.erase(dot);
    for (std::size_t i = 0; i < name.size(); ++i)
        name[i] = i == 0 ? std::towupper(name[i]) : std::towlower(name[i]);
    return name;
}
}  // namespace

HCURSOR Screen::Cursor(int index) const {
    auto it = cursors_.find(index);
    if (index != 0 && it != cursors_.end() && it->second) return it->second;
    return LoadCursorW(nullptr, IDC_ARROW);
}

const Screen::Face* Screen::FaceFor(const std::wstring& face) const {
    auto it = faces_.find(face);
    return it == faces_.end() ? nullptr : &it->second;
}

std::shared_ptr<const FontHandle> Screen::FontFor(const LOGFONTW& lf) {
    // The record is the key, with whatever follows the face name's end zeroed.
    LOGFONTW clean = lf;
    const std::size_t n = wcsnlen(clean.lfFaceName, LF_FACESIZE);
    std::fill(clean.lfFaceName + n, clean.lfFaceName + LF_FACESIZE, L'\0');
    const std::string key(reinterpret_cast<const char*>(&clean), sizeof clean);
    if (auto it = fonts_.find(key); it != fonts_.end())
        if (auto shared = it->second.lock()) return shared;
    std::erase_if(fonts_, [](const auto& e) { return e.second.expired(); });
    auto made = std::make_shared<const FontHandle>(CreateFontIndirectW(&clean));
    fonts_[key] = made;
    return made;
}

HDC Screen::MeasureDC() {
    if (!measure_) measure_ = std::make_unique<MemoryDC>(nullptr);
    return measure_->Get();
}

void ReportHandlerError(const wchar_t* message) {
    if (current) current->ShowException(message);
    else OutputDebugStringW(message);
}

Application::Application() : title_(TitleFromModule()) {
    if (current) throw std::logic_error("there is already an application object");
    // Zero-sized, at the screen's centre: it only carries the taskbar entry.
    CreateParams p;
    p.className = L"ZafrenaApplication";
    p.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
    p.bounds = RECT{GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                    GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2};
    p.text = title_;
    CreateHandle(p);
    current = this;
}

Application::~Application() {
    while (!forms_.empty()) forms_.pop_back();  // last created, first destroyed
    DestroyHandle();
    current = nullptr;
}

Application& Application::Current() {
    if (!current) throw std::logic_error("no application object");
    return *current;
}

bool Application::Exists() { return current != nullptr; }

void Application::Own(std::unique_ptr<Form> form) {
    if (!main_) {
        // The main form is shown as soon as the loop starts: its windows are
        // made now, with it, rather than in the middle of its first show.
        main_ = form.get();
        main_->Handle();
    }
    forms_.push_back(std::move(form));
}

void Application::Run() {
    if (!main_) return;
    main_->Show();
    // The taskbar entry comes after the window it stands for: showing it
    // first holds the main window back for nothing.
    ShowWindow(Handle(), SW_SHOWNA);
    while (HandleOneMessage()) {
    }
}

void Application::Minimize() {
    // The visible forms go away with the program and come back with it.
    hiddenByMinimize_.clear();
    for (auto& f : forms_) {
        if (f->HandleAllocated() && IsWindowVisible(f->Handle())) {
            hiddenByMinimize_.push_back(f->Handle());
            ShowWindow(f->Handle(), SW_HIDE);
        }
    }
    ShowWindow(Handle(), SW_MINIMIZE);
}

void Application::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

bool Application::PreTranslate(MSG& msg) {
    switch (msg.message) {
        case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_SYSKEYUP: case WM_SYSCHAR: case WM_CHAR:
            if (auto* f = dynamic_cast<Form*>(FromHandle(GetAncestor(msg.hwnd, GA_ROOT))))
                return f->PreTranslate(msg);
            return false;
        default:
            return false;
    }
}

bool Application::HandleOneMessage() {
    MSG msg;
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // for the loops outside this one
        return false;
    }
    if (!PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT) return;
        HandleOneMessage();
    }
}

void Application::ProcessMessagesFor(int ms) {
    const DWORD end = GetTickCount() + ms;
    for (;;) {
        ProcessMessages();
        const DWORD now = GetTickCount();
        if (static_cast<LONG>(end - now) <= 0) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    }
}

void Application::ShowException(const wchar_t* message) {
    MessageBoxW(GetActiveWindow(), message, title_.c_str(), MB_OK | MB_ICONSTOP);
}

LRESULT Application::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // Lets a test process read the live object counts of a running program.
    static const UINT recuentoMsg = RegisterWindowMessageW(L"ZafrenaRecuento");
    if (msg == recuentoMsg && wp < recuento::kTipos)
        return recuento::Vivos(static_cast<recuento::Tipo>(wp));
    if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_RESTORE) {
        // Back from the taskbar: the forms reappear; give the main one the focus.
        const LRESULT r = Window::HandleMessage(msg, wp, lp);
        for (HWND h : hiddenByMinimize_)
            if (IsWindow(h)) ShowWindow(h, SW_SHOW);
        hiddenByMinimize_.clear();
        if (main_ && IsWindowVisible(main_->Handle())) SetActiveWindow(main_->Handle());
        return r;
    }
    if (msg == WM_CLOSE) {
        // The taskbar entry's close command closes the main form.
        if (main_) main_->Close();
        return 0;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace forms
