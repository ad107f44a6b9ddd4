#include "forms/Control.h"

#include <windowsx.h>

#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/Loader.h"

namespace forms {

namespace {
constexpr int kScreenDpi = 96;
}

// ---- Font ----

int Font::Size() const { return -MulDiv(height_, 72, kScreenDpi); }

void Font::SetName(std::wstring name) {
    name_ = std::move(name);
    Modified();
}
void Font::SetHeight(int height) {
    height_ = height;
    Modified();
}
void Font::SetSize(int points) { SetHeight(-MulDiv(points, kScreenDpi, 72)); }
void Font::SetStyle(bool bold, bool italic, bool underline) {
    bold_ = bold;
    italic_ = italic;
    underline_ = underline;
    Modified();
}
void Font::SetColor(COLORREF color) {
    color_ = color;
    if (Changed) Changed();  // the handle does not depend on the colour
}
void Font::SetCharset(BYTE charset) {
    charset_ = charset;
    Modified();
}

Font& Font::operator=(const Font& o) {
    if (this == &o) return *this;
    name_ = o.name_;
    height_ = o.height_;
    bold_ = o.bold_;
    italic_ = o.italic_;
    underline_ = o.underline_;
    color_ = o.color_;
    charset_ = o.charset_;
    Modified();
    return *this;
}

void Font::Modified() {
    handle_.reset();
    if (Changed) Changed();
}

HFONT Font::Handle() const {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = italic_;
        lf.lfUnderline = underline_;
        lf.lfCharSet = charset_;
        lf.lfQuality = DEFAULT_QUALITY;
        std::wstring face = name_;
        if (Application::Exists()) {
            if (const Screen::Face* f = Application::Current().GetScreen().FaceFor(name_)) {
                face = f->name;
                lf.lfCharSet = f->charset;
            }
        }
        lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
        handle_ = Application::Exists()
                      ? Application::Current().GetScreen().FontFor(lf)
                      : std::make_shared<const FontHandle>(CreateFontIndirectW(&lf));
    }
    return handle_->Get();
}

// ---- Control ----

Control::Control(WinControl* parent) : parent_(parent) {
    if (parent) {
        font_ = parent->font_;
        color_ = parent->color_;
    }
    font_.Changed = [this] { FontChanged(); };
}

Control::~Control() {
    if (parent_ && parent_->CaptureControl() == this) parent_->SetCaptureControl(nullptr);
}

Form* Control::OwnerForm() {
    Control* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<Form*>(c);
}

void Control::SetBounds(int left, int top, int width, int height) {
    const RECT r{left, top, left + width, top + height};
    if (EqualRect(&r, &bounds_)) return;
    Invalidate();
    bounds_ = r;
    Invalidate();
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible && MouseCapture()) SetMouseCapture(false);
    visible_ = visible;
    if (parent_) parent_->InvalidateRect(bounds_);
}

void Control::SetColor(COLORREF color) {
    color_ = color;
    Invalidate();
}

void Control::Invalidate() {
    if (parent_ && visible_) parent_->InvalidateRect(bounds_);
}

namespace {
// Wine hands a window's painted pixels to the screen only once the thread
// looks at an empty queue; a peek for a message that never comes does it
// (on Windows the pixels are there already).
void OnScreenNow() {
    MSG m;
    PeekMessageW(&m, nullptr, WM_APP + 0x3FFF, WM_APP + 0x3FFF, PM_NOREMOVE);
}
}  // namespace

void Control::Refresh() {
    Invalidate();
    if (parent_ && parent_->HandleAllocated()) {
        UpdateWindow(parent_->Handle());
        OnScreenNow();
    }
}

void Control::FontChanged() { Invalidate(); }

// A graphic control's capture lives in its parent's window; a windowed
// control holds its own.
WinControl* Control::CaptureHost() const {
    return IsGraphic() ? parent_ : static_cast<WinControl*>(const_cast<Control*>(this));
}

bool Control::MouseCapture() const {
    WinControl* host = CaptureHost();
    return host && host->CaptureControl() == this;
}

void Control::SetMouseCapture(bool capture) {
    WinControl* host = CaptureHost();
    if (!host) return;
    if (capture) host->SetCaptureControl(this);
    else if (MouseCapture()) host->SetCaptureControl(nullptr);
}

void Control::DoMouseDown(MouseButton b, ShiftState s, int x, int y) {
    if (OnMouseDown) OnMouseDown(*this, b, s, x, y);
}
void Control::DoMouseMove(ShiftState s, int x, int y) {
    if (OnMouseMove) OnMouseMove(*this, s, x, y);
}
void Control::DoMouseUp(MouseButton b, ShiftState s, int x, int y) {
    if (OnMouseUp) OnMouseUp(*this, b, s, x, y);
}
void Control::Click() {
    if (OnClick) OnClick(*this);
}

bool Control::SetProperty(const Property& p, LoadContext& ctx) {
    const std::string& k = p.key;
    if (k == "Left") SetBounds(ctx.Int(p), Top(), Width(), Height());
    else if (k == "Top") SetBounds(Left(), ctx.Int(p), Width(), Height());
    else if (k == "Width") SetBounds(Left(), Top(), ctx.Int(p), Height());
    else if (k == "Height") SetBounds(Left(), Top(), Width(), ctx.Int(p));
    else if (k == "Visible") SetVisible(ctx.Bool(p));
    else if (k == "Color") SetColor(ctx.Color(p));
    else if (k == "Font.Name") font_.SetName(ctx.Text(p));
    else if (k == "Font.Height") font_.SetHeight(ctx.Int(p));
    else if (k == "Font.Color") font_.SetColor(ctx.Color(p));
    else if (k == "Font.Charset") {
        font_.SetCharset(static_cast<BYTE>(ctx.Choice(p, {"DEFAULT_CHARSET", "SYMBOL_CHARSET"}) == 1
                                               ? SYMBOL_CHARSET
                                               : DEFAULT_CHARSET));
    } else if (k == "Font.Style") {
        bool bold = false, italic = false, underline = false;
        for (const std::string& s : ctx.Set(p)) {
            if (s == "fsBold") bold = true;
            else if (s == "fsItalic") italic = true;
            else if (s == "fsUnderline") underline = true;
            else ctx.Fail(p.line, "unknown font style '" + s + "'");
        }
        font_.SetStyle(bold, italic, underline);
    } else if (k == "OnClick") OnClick = ctx.Handler<NotifyEvent>(p);
    else if (k == "OnMouseDown") OnMouseDown = ctx.Handler<MouseEvent>(p);
    else if (k == "OnMouseUp") OnMouseUp = ctx.Handler<MouseEvent>(p);
    else if (k == "OnMouseMove") OnMouseMove = ctx.Handler<MouseMoveEvent>(p);
    else return false;
    return true;
}

// ---- WinControl ----

WinControl::WinControl(WinControl* parent) : Control(parent) {}

WinControl::~WinControl() {
    destroying_ = true;
    // The windows go first, while every object they may call into is alive.
    DestroyHandle();
    children_.clear();
}

HWND WinControl::Handle() const {
    if (!HandleAllocated()) const_cast<WinControl*>(this)->HandleNeeded();
    return Window::Handle();
}

void WinControl::HandleNeeded() {
    for (const WinControl* w = this; w; w = w->Parent())
        if (w->destroying_) return;
    // A child's window comes with its parent's tree.
    if (WinControl* p = Parent(); p && !p->HandleAllocated()) p->HandleNeeded();
    if (!HandleAllocated()) CreateWindowTree();
}

void WinControl::Adopt(std::unique_ptr<Control> c) {
    Control* raw = c.get();
    children_.push_back(std::move(c));
    if (HandleAllocated()) {
        if (!raw->IsGraphic()) static_cast<WinControl*>(raw)->CreateWindowTree();
        else raw->Invalidate();
    }
}

void WinControl::SetBounds(int left, int top, int width, int height) {
    const RECT r{left, top, left + width, top + height};
    const bool moved = !EqualRect(&r, &bounds_);  // each move is a round trip to the X server
    bounds_ = r;
    if (moved && HandleAllocated()) MoveWindow(Handle(), left, top, width, height, TRUE);
    Realign();
}

void WinControl::SetVisible(bool visible) {
    visible_ = visible;
    if (HandleAllocated()) ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
}

void WinControl::Invalidate() {
    if (HandleAllocated()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void WinControl::Refresh() {
    Invalidate();
    if (HandleAllocated()) {
        UpdateWindow(Handle());
        OnScreenNow();
    }
}

void WinControl::InvalidateRect(const RECT& r) {
    // A hidden window is painted whole when shown: building it up (200
    // labels) then costs no round trip to the window server per change.
    if (HandleAllocated() && IsWindowVisible(Handle())) ::InvalidateRect(Handle(), &r, FALSE);
}

RECT WinControl::AlignArea() const { return RECT{0, 0, Width(), Height()}; }

void WinControl::Realign() {
    RECT area = AlignArea();
    for (auto& c : children_) {
        auto* w = dynamic_cast<WinControl*>(c.get());
        if (!w || w->align == Align::None) continue;
        switch (w->align) {
            case Align::Top:
                w->SetBounds(area.left, area.top, area.right - area.left, w->Height());
                area.top += w->Height();
                break;
            case Align::Bottom:
                w->SetBounds(area.left, area.bottom - w->Height(), area.right - area.left,
                             w->Height());
                area.bottom -= w->Height();
                break;
            case Align::Client:
                w->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
                break;
            case Align::None:
                break;
        }
    }
}

void WinControl::SetCaptureControl(Control* c) {
    capture_ = c;
    if (!HandleAllocated()) return;
    if (c) SetCapture(Handle());
    else if (GetCapture() == Handle()) ReleaseCapture();
}

Control* WinControl::GraphicAt(POINT p) const {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        Control* c = it->get();
        if (!c->IsGraphic() || !c->Visible()) continue;
        const RECT r = c->BoundsRect();
        if (PtInRect(&r, p)) return c;
    }
    return nullptr;
}

void WinControl::CreateOwnWindow() {
    CreateParams p;
    p.className = L"ZafrenaControl";
    p.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0);
    p.parent = Parent()->Handle();
    p.bounds = bounds_;
    CreateHandle(p);
}

void WinControl::CreateWindowTree() {
    CreateOwnWindow();
    for (auto& c : children_)
        if (!c->IsGraphic()) static_cast<WinControl*>(c.get())->CreateWindowTree();
    Realign();
}

void WinControl::PaintBackground(HDC dc, const RECT& area) {
    Brush b(CreateSolidBrush(color_));
    FillRect(dc, &area, b.Get());
}

bool WinControl::SetProperty(const Property& p, LoadContext& ctx) {
    if (p.key == "TabOrder") TabOrder = ctx.Int(p);
    else if (p.key == "TabStop") TabStop = ctx.Bool(p);
    else if (p.key == "Align") {
        align = static_cast<Align>(ctx.Choice(p, {"alNone", "alTop", "alBottom", "alClient"}));
    } else return Control::SetProperty(p, ctx);
    return true;
}

ShiftState ShiftFromKeys(WPARAM keys) {
    ShiftState s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

LRESULT WinControl::RouteMouse(UINT msg, WPARAM wp, LPARAM lp) {
    const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    Control* target = capture_ ? capture_ : GraphicAt(p);
    if (!target) target = this;
    const int x = target == this ? p.x : p.x - target->Left();
    const int y = target == this ? p.y : p.y - target->Top();
    ShiftState s = ShiftFromKeys(wp);
    MouseButton b = MouseButton::Left;
    switch (msg) {
        case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_RBUTTONUP:
            b = MouseButton::Right;
            break;
        case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_MBUTTONUP:
            b = MouseButton::Middle;
            break;
        default:
            break;
    }
    switch (msg) {
        case WM_MOUSEMOVE:
            target->DoMouseMove(s, x, y);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // The left button captures the mouse until its release; only a
            // single press arms a click.
            target->SetMouseCapture(true);
            target->clicked_ = msg == WM_LBUTTONDOWN;
            if (msg == WM_LBUTTONDBLCLK) s |= ssDouble;
            target->DoMouseDown(b, s, x, y);
            break;
        case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
        case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
            if (msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK) s |= ssDouble;
            target->DoMouseDown(b, s, x, y);
            break;
        case WM_LBUTTONUP: {
            target->SetMouseCapture(false);
            if (target->clicked_) {
                target->clicked_ = false;
                if (x >= 0 && y >= 0 && x < target->Width() && y < target->Height())
                    target->Click();
            }
            target->DoMouseUp(b, s, x, y);
            break;
        }
        case WM_RBUTTONUP: case WM_MBUTTONUP:
            target->DoMouseUp(b, s, x, y);
            break;
        default:
            break;
    }
    return 0;
}

bool WinControl::SetCursorFor(POINT client) {
    Control* t = capture_ ? capture_ : GraphicAt(client);
    const int index = t ? t->Cursor : Cursor;
    ::SetCursor(Application::Current().GetScreen().Cursor(index));
    return true;
}

LRESULT WinControl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT paints everything
        case WM_PAINT: {
            PaintDC pdc(Handle());
            HDC dc = pdc.Get();
            PaintBackground(dc, pdc.Area());
            for (auto& c : children_) {
                if (!c->IsGraphic() || !c->Visible()) continue;
                RECT r = c->BoundsRect(), hit;
                if (!IntersectRect(&hit, &r, &pdc.Area())) continue;
                SavedDC saved(dc);
                SetViewportOrgEx(dc, r.left, r.top, nullptr);
                IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
                static_cast<GraphicControl*>(c.get())->Paint(dc);
            }
            return 0;
        }
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wp) == Handle() && LOWORD(lp) == HTCLIENT) {
                POINT p;
                GetCursorPos(&p);
                ScreenToClient(Handle(), &p);
                return SetCursorFor(p);
            }
            break;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lp) != Handle()) capture_ = nullptr;
            return 0;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
            return RouteMouse(msg, wp, lp);
        default:
            break;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace forms
