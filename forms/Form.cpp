#include "forms/Form.h"

#include <algorithm>
#include <stdexcept>

#include "forms/Application.h"
#include "forms/Loader.h"
#include "forms/StdCtrls.h"

namespace forms {

// ---- Timer ----

Timer::Timer() = default;

void Timer::SetInterval(int ms) {
    interval_ = ms;
    Update();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

void Timer::Update() {
    if (HandleAllocated()) KillTimer(Window::Handle(), 1);
    if (!enabled_ || interval_ <= 0 || !OnTimer) return;
    // The message-only window that receives the ticks, made when first needed.
    if (!HandleAllocated()) {
        CreateParams p;
        p.className = L"ZafrenaTimer";
        p.parent = HWND_MESSAGE;
        CreateHandle(p);
    }
    SetTimer(Window::Handle(), 1, interval_, nullptr);
}

LRESULT Timer::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
        if (OnTimer) OnTimer(*this);
        return 0;
    }
    return Window::HandleMessage(msg, wp, lp);
}

bool Timer::SetProperty(const Property& p, LoadContext& ctx) {
    if (p.key == "Interval") SetInterval(ctx.Int(p));
    else if (p.key == "Enabled") SetEnabled(ctx.Bool(p));
    else if (p.key == "OnTimer") {
        OnTimer = ctx.Handler<NotifyEvent>(p);
        Update();
    } else return false;
    return true;
}

// ---- Form ----

namespace {

// Disables the program's other windows while a modal form is up and gives
// them back, with the activation, however the modal show ends.
class ModalScope {
public:
    explicit ModalScope(HWND modal) : modal_(modal), active_(GetActiveWindow()) {
        EnumThreadWindows(GetCurrentThreadId(), &ModalScope::Disable,
                          reinterpret_cast<LPARAM>(this));
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    ~ModalScope() {
        for (HWND h : disabled_)
            if (IsWindow(h)) EnableWindow(h, TRUE);
    }
    HWND PreviouslyActive() const { return active_; }

private:
    static BOOL CALLBACK Disable(HWND h, LPARAM lp) {
        auto* self = reinterpret_cast<ModalScope*>(lp);
        if (h != self->modal_ && IsWindowVisible(h) && IsWindowEnabled(h)) {
            EnableWindow(h, FALSE);
            self->disabled_.push_back(h);
        }
        return TRUE;
    }
    HWND modal_;
    HWND active_;
    std::vector<HWND> disabled_;
};

}  // namespace

Form::Form() : WinControl(nullptr) {
    visible_ = false;
    color_ = GetSysColor(COLOR_BTNFACE);
    GetFont().SetColor(GetSysColor(COLOR_WINDOWTEXT));
}

Form::~Form() {
    destroying_ = true;
    DestroyHandle();
}

void Form::Load(const std::string& resource, const std::string& className, Bindings& bindings) {
    LoadForm(*this, resource, className, bindings);
    SetClientSize(clientWidth_, clientHeight_);  // the frame's size, as the window will have it
    if (OnCreate) OnCreate(*this);
}

void Form::SetCaption(std::wstring caption) {
    caption_ = std::move(caption);
    if (HandleAllocated()) SetWindowTextW(Handle(), caption_.c_str());
}

int Form::ClientWidth() const {
    if (!HandleAllocated()) return clientWidth_;
    RECT r;
    GetClientRect(Handle(), &r);
    return r.right;
}

int Form::ClientHeight() const {
    if (!HandleAllocated()) return clientHeight_;
    RECT r;
    GetClientRect(Handle(), &r);
    return r.bottom;
}

DWORD Form::Style() const {
    DWORD s = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    switch (border_) {
        case BorderStyle::None:
            return s | WS_POPUP;
        case BorderStyle::Dialog:
            return s | WS_CAPTION | (systemMenu_ ? WS_SYSMENU : 0);
        case BorderStyle::Single:
            return s | WS_CAPTION | (systemMenu_ ? WS_SYSMENU : 0) |
                   (minimizeBox_ ? WS_MINIMIZEBOX : 0) | (maximizeBox_ ? WS_MAXIMIZEBOX : 0);
    }
    return s;
}

DWORD Form::ExStyle() const {
    DWORD s = stayOnTop_ ? WS_EX_TOPMOST : 0;
    if (border_ == BorderStyle::Dialog) s |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    return s;
}

void Form::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, Style(), FALSE, ExStyle());
    WinControl::SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void Form::SetBounds(int left, int top, int width, int height) {
    WinControl::SetBounds(left, top, width, height);
}

void Form::CreateOwnWindow() {
    SetClientSize(clientWidth_, clientHeight_);
    Center();  // made where it will show: no move when it does
    CreateParams p;
    p.className = L"ZafrenaForm";
    p.style = Style();
    p.exStyle = ExStyle();
    // Owned by the application's window, so the form has no taskbar entry of its own.
    p.parent = Application::Exists() ? Application::Current().Handle() : nullptr;
    p.bounds = bounds_;
    p.text = caption_;
    CreateHandle(p);
}

void Form::SetVisible(bool visible) {
    if (!HandleAllocated()) {
        visible_ = visible;
        return;
    }
    if (visible) Show();
    else Hide();
}

void Form::Center() {
    if (position_ != Position::ScreenCenter || !Application::Exists()) return;
    const Screen& s = Application::Current().GetScreen();
    SetBounds(std::max(0, (s.Width() - Width()) / 2), std::max(0, (s.Height() - Height()) / 2),
              Width(), Height());
}

void Form::Show() {
    // Made visible, then its show event, then brought to the front.
    Center();
    visible_ = true;
    ShowWindow(Handle(), SW_SHOW);
    if (OnShow) OnShow(*this);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
    if (GetActiveWindow() == Handle()) {
        if (focused_ && IsWindowVisible(focused_->Handle())) SetFocus(focused_->Handle());
        else FocusFirst();
    }
}

void Form::Hide() {
    visible_ = false;
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void Form::Close() {
    if (modal_) {
        modalResult_ = mrCancel;  // the modal loop runs the close handler
        return;
    }
    // A request that comes while the close handler runs (through a modal
    // window that the handler shows, say) is part of the same close.
    if (closing_) return;
    CloseAction action = CloseAction::Hide;
    if (OnClose) {
        closing_ = true;
        struct Reset {
            bool& b;
            ~Reset() { b = false; }
        } reset{closing_};
        OnClose(*this, action);
    }
    if (action == CloseAction::None) return;
    if (Application::Exists() && Application::Current().MainForm() == this)
        Application::Current().Terminate();
    else
        Hide();
}

void Form::CloseModal() {
    CloseAction action = CloseAction::Hide;
    if (OnClose) OnClose(*this, action);
    if (action == CloseAction::None) modalResult_ = mrNone;
}

int Form::ShowModal() {
    if (modal_ || visible_) throw std::logic_error("only a hidden form can be shown modally");
    Application& app = Application::Current();
    modalResult_ = mrNone;
    ModalScope scope(Handle());
    modal_ = true;
    struct EndModal {
        Form& f;
        const ModalScope& scope;
        ~EndModal() {
            f.modal_ = false;
            f.Hide();
            HWND prev = scope.PreviouslyActive();
            if (prev && IsWindowVisible(prev)) SetActiveWindow(prev);
        }
    } end{*this, scope};
    Show();
    for (;;) {
        const bool quit = !app.HandleOneMessage();
        if (quit || app.Terminated()) modalResult_ = mrCancel;
        if (modalResult_ != mrNone) {
            CloseModal();
            if (modalResult_ != mrNone || quit) break;
        }
    }
    return modalResult_;
}

Timer* Form::AddTimer() {
    timers_.push_back(std::make_unique<Timer>());
    return timers_.back().get();
}

std::vector<WinControl*> Form::TabList() const {
    std::vector<WinControl*> list;
    auto collect = [&list](const WinControl& container, auto& self) -> void {
        std::vector<WinControl*> kids;
        for (auto& c : container.Children())
            if (auto* w = dynamic_cast<WinControl*>(c.get())) kids.push_back(w);
        std::stable_sort(kids.begin(), kids.end(),
                         [](WinControl* a, WinControl* b) { return a->TabOrder < b->TabOrder; });
        for (WinControl* w : kids) {
            if (w->TabStop) list.push_back(w);
            self(*w, self);
        }
    };
    collect(*this, collect);
    return list;
}

void Form::FocusFirst() {
    for (WinControl* w : TabList()) {
        if (w->Visible() && w->Enabled()) {
            SetFocus(w->Handle());
            return;
        }
    }
    SetFocus(Handle());
}

void Form::SelectNext(bool backwards) {
    std::vector<WinControl*> list = TabList();
    std::erase_if(list, [](WinControl* w) { return !w->Visible() || !w->Enabled(); });
    if (list.empty()) return;
    auto it = std::find(list.begin(), list.end(), dynamic_cast<WinControl*>(FromHandle(GetFocus())));
    std::size_t i = it == list.end() ? 0 : static_cast<std::size_t>(it - list.begin());
    if (it != list.end()) i = backwards ? (i + list.size() - 1) % list.size() : (i + 1) % list.size();
    SetFocus(list[i]->Handle());
}

bool Form::PreTranslate(MSG& msg) {
    switch (msg.message) {
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
            // System keys (Alt+F4, Alt+Space) belong to the form, not to its controls.
            msg.hwnd = Handle();
            return false;
        case WM_KEYDOWN:
            if (msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(GetKeyState(VK_SHIFT) < 0);
                return true;
            }
            if (msg.wParam == VK_RETURN) {
                // Enter presses the focused button, else the default one.
                auto* b = dynamic_cast<BitBtn*>(FromHandle(GetFocus()));
                if (!b) {
                    for (WinControl* w : TabList()) {
                        auto* d = dynamic_cast<BitBtn*>(w);
                        if (d && d->Default() && d->Visible() && d->Enabled()) {
                            b = d;
                            break;
                        }
                    }
                }
                if (b) {
                    b->Click();
                    return true;
                }
            }
            return false;
        case WM_CHAR:
            if (KeyPreview && OnKeyPress) {
                auto key = static_cast<wchar_t>(msg.wParam);
                OnKeyPress(*this, key);
                if (key == 0) return true;
                msg.wParam = key;
            }
            return false;
        default:
            return false;
    }
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_SYSCOMMAND:
            // The main form minimises the whole program: its taskbar entry
            // belongs to the application's window, which hides its owned forms.
            if ((wp & 0xFFF0) == SC_MINIMIZE && Application::Exists() &&
                Application::Current().MainForm() == this) {
                Application::Current().Minimize();
                return 0;
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE) {
                if (focused_ && IsWindowVisible(focused_->Handle())) SetFocus(focused_->Handle());
                else FocusFirst();
                return 0;
            }
            break;
        default:
            break;
    }
    return WinControl::HandleMessage(msg, wp, lp);
}

bool Form::SetProperty(const Property& p, LoadContext& ctx) {
    const std::string& k = p.key;
    if (k == "Caption") SetCaption(ctx.Text(p));
    else if (k == "ClientWidth") clientWidth_ = ctx.Int(p);
    else if (k == "ClientHeight") clientHeight_ = ctx.Int(p);
    else if (k == "BorderStyle")
        border_ = static_cast<BorderStyle>(ctx.Choice(p, {"bsSingle", "bsDialog", "bsNone"}));
    else if (k == "BorderIcons") {
        systemMenu_ = minimizeBox_ = maximizeBox_ = false;
        for (const std::string& s : ctx.Set(p)) {
            if (s == "biSystemMenu") systemMenu_ = true;
            else if (s == "biMinimize") minimizeBox_ = true;
            else if (s == "biMaximize") maximizeBox_ = true;
            else ctx.Fail(p.line, "unknown border icon '" + s + "'");
        }
    } else if (k == "FormStyle")
        stayOnTop_ = ctx.Choice(p, {"fsNormal", "fsStayOnTop"}) == 1;
    else if (k == "Position")
        position_ = static_cast<Position>(ctx.Choice(p, {"poDesigned", "poScreenCenter"}));
    else if (k == "KeyPreview") KeyPreview = ctx.Bool(p);
    else if (k == "OnCreate") OnCreate = ctx.Handler<NotifyEvent>(p);
    else if (k == "OnShow") OnShow = ctx.Handler<NotifyEvent>(p);
    else if (k == "OnClose") OnClose = ctx.Handler<CloseEvent>(p);
    else if (k == "OnKeyPress") OnKeyPress = ctx.Handler<KeyPressEvent>(p);
    else return WinControl::SetProperty(p, ctx);
    return true;
}

}  // namespace forms
