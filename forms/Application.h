// The application object (forms, message loop, taskbar window, error
// reports) and the screen object (cursor table, screen size, font faces).
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/Gdi.h"
#include "forms/Window.h"

namespace forms {

class Form;

class Screen {
public:
    // Index 0 (crDefault) and unknown indices give the arrow.
    HCURSOR Cursor(int index) const;
    void SetCursor(int index, HCURSOR cursor) { cursors_[index] = cursor; }
    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

    // A face that stands in for another one, e.g. a private symbol font.
    struct Face {
        std::wstring name;
        BYTE charset;
    };
    void SubstituteFace(const std::wstring& face, Face by) { faces_[face] = std::move(by); }
    const Face* FaceFor(const std::wstring& face) const;

    // One font handle for every font that asks for the same logical font,
    // kept while any of them holds it: the table's 200 labels share two.
    std::shared_ptr<const FontHandle> FontFor(const LOGFONTW& lf);

    // A DC that measures text as the screen does, kept for the program's
    // life: labels size themselves with it on every caption or font change.
    HDC MeasureDC();

private:
    std::map<int, HCURSOR> cursors_;
    std::map<std::wstring, Face> faces_;
    std::map<std::string, std::weak_ptr<const FontHandle>> fonts_;
    std::unique_ptr<MemoryDC> measure_;
};

class Application : public Window {
public:
    Application();
    ~Application() override;

    // The one application object of the process, while it exists.
    static Application& Current();
    static bool Exists();

    // Creates a form into `ref`; the first one created becomes the main form.
    template <class F, class... Args>
    void CreateForm(F*& ref, Args&&... args) {
        auto form = std::make_unique<F>(std::forward<Args>(args)...);
        ref = form.get();
        Own(std::move(form));
    }
    Form* MainForm() const { return main_; }

    // Shows the main form and dispatches messages until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Minimises the program to its taskbar entry; restoring the entry brings
    // the forms back.
    void Minimize();

    // Handles one message: false when WM_QUIT arrived (it is posted again).
    bool HandleOneMessage();
    // Dispatches what is queued now, without waiting.
    void ProcessMessages();
    // Dispatches messages for `ms` milliseconds, sleeping while none come.
    void ProcessMessagesFor(int ms);

    std::wstring Title() const { return title_; }
    Screen& GetScreen() { return screen_; }

    void ShowException(const wchar_t* message);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Own(std::unique_ptr<Form> form);
    bool PreTranslate(MSG& msg);

    std::wstring title_;
    Screen screen_;
    std::vector<std::unique_ptr<Form>> forms_;
    Form* main_ = nullptr;
    bool terminated_ = false;
    std::vector<HWND> hiddenByMinimize_;
};

}  // namespace forms
