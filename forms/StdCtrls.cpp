#include "forms/StdCtrls.h"

#include <windowsx.h>

#include <optional>
#include <stdexcept>

#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/Loader.h"

namespace forms {

// ---- Picture ----

void Picture::LoadResource(const std::wstring& name) {
    // The size comes from the resource's header; the pixels wait for a draw.
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(2));  // RT_BITMAP
    const void* data = found ? ::LockResource(::LoadResource(module, found)) : nullptr;
    const DWORD size = found ? SizeofResource(module, found) : 0;
    if (!data || size < sizeof(BITMAPCOREHEADER))
        throw std::runtime_error("bitmap resource not found");
    const auto* info = static_cast<const BITMAPINFOHEADER*>(data);
    if (info->biSize == sizeof(BITMAPCOREHEADER)) {
        const auto* core = static_cast<const BITMAPCOREHEADER*>(data);
        width_ = core->bcWidth;
        height_ = core->bcHeight;
    } else if (info->biSize >= sizeof(BITMAPINFOHEADER) && size >= sizeof(BITMAPINFOHEADER)) {
        width_ = info->biWidth;
        height_ = info->biHeight < 0 ? -info->biHeight : info->biHeight;
    } else {
        throw std::runtime_error("bitmap resource not readable");
    }
    bitmap_.Reset();
    resource_ = name;
}

HBITMAP Picture::Handle() const {
    if (!bitmap_ && !resource_.empty()) {
        bitmap_.Reset(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), resource_.c_str(),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    }
    return bitmap_.Get();
}

void Picture::Assign(const Picture& other) {
    if (&other == this) return;
    if (!other.bitmap_ && !other.resource_.empty()) {
        // Still undecoded: the copy is the same resource.
        bitmap_.Reset();
        resource_ = other.resource_;
        width_ = other.width_;
        height_ = other.height_;
        return;
    }
    resource_.clear();
    bitmap_.Reset(other.Empty() ? nullptr
                                : static_cast<HBITMAP>(CopyImage(other.Handle(), IMAGE_BITMAP, 0,
                                                                 0, LR_CREATEDIBSECTION)));
    Measure();
}

void Picture::Measure() {
    BITMAP bm{};
    if (bitmap_ && GetObjectW(bitmap_.Get(), sizeof(bm), &bm)) {
        width_ = bm.bmWidth;
        height_ = bm.bmHeight;
    } else {
        width_ = height_ = 0;
    }
}

void Picture::Draw(HDC dc, int x, int y, bool transparent) const {
    if (!Handle()) return;
    MemoryDC mem(dc);
    SelectGuard sel(mem.Get(), bitmap_.Get());
    if (transparent) {
        const COLORREF key = GetPixel(mem.Get(), 0, height_ - 1);
        GdiTransparentBlt(dc, x, y, width_, height_, mem.Get(), 0, 0, width_, height_, key);
    } else {
        BitBlt(dc, x, y, width_, height_, mem.Get(), 0, 0, SRCCOPY);
    }
}

void Picture::StretchDraw(HDC dc, const RECT& r) const {
    if (!Handle()) return;
    MemoryDC mem(dc);
    SelectGuard sel(mem.Get(), bitmap_.Get());
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, mem.Get(), 0, 0, width_,
               height_, SRCCOPY);
}

// ---- Canvas ----

Canvas::Canvas(HDC dc) : dc_(dc), saved_(dc) {}

void Canvas::SetPenColor(COLORREF color) {
    Pen p(CreatePen(PS_SOLID, 1, color));
    SelectObject(dc_, p.Get());
    pen_ = std::move(p);  // the previous pen is no longer selected
}

void Canvas::SetBrushColor(COLORREF color) {
    Brush b(CreateSolidBrush(color));
    SelectObject(dc_, b.Get());
    brush_ = std::move(b);
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    ::Rectangle(dc_, left, top, right, bottom);
}

// ---- Label ----

Label::Label(WinControl* parent) : GraphicControl(parent) { AdjustSize(); }

void Label::SetCaption(std::wstring caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    AdjustSize();
    Invalidate();
}
void Label::SetTransparent(bool t) {
    transparent_ = t;
    Invalidate();
}
void Label::SetAutoSize(bool a) {
    autoSize_ = a;
    AdjustSize();
}
void Label::SetShowAccelChar(bool s) {
    showAccelChar_ = s;
    AdjustSize();
    Invalidate();
}
void Label::SetAlignment(Alignment a) {
    alignment_ = a;
    AdjustSize();
    Invalidate();
}
void Label::SetWordWrap(bool w) {
    wordWrap_ = w;
    AdjustSize();
    Invalidate();
}

void Label::FontChanged() {
    AdjustSize();
    Invalidate();
}

UINT Label::TextFlags() const {
    UINT f = DT_EXPANDTABS;
    if (wordWrap_) f |= DT_WORDBREAK;
    if (!showAccelChar_) f |= DT_NOPREFIX;
    return f;
}

void Label::AdjustSize() {
    if (!autoSize_) return;
    std::wstring text = caption_;
    // An empty label keeps the height of one line.
    if (text.empty() || (showAccelChar_ && text == L"&")) text += L' ';
    // A memory DC measures as the screen does, and under Wine costs a
    // fraction of GetDC(nullptr); the screen keeps one for every label.
    std::optional<MemoryDC> own;
    HDC dc;
    if (Application::Exists()) {
        dc = Application::Current().GetScreen().MeasureDC();
    } else {
        own.emplace(nullptr);
        dc = own->Get();
    }
    SelectGuard f(dc, font_.Handle());
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    DrawTextW(dc, text.c_str(), -1, &r, TextFlags() | DT_CALCRECT);
    int left = Left();
    if (alignment_ == Alignment::Right) left += Width() - r.right;
    SetBounds(left, Top(), r.right, r.bottom);
}

void Label::Paint(HDC dc) {
    RECT r{0, 0, Width(), Height()};
    if (!transparent_) {
        Brush b(CreateSolidBrush(color_));
        FillRect(dc, &r, b.Get());
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, font_.Color());
    SelectGuard f(dc, font_.Handle());
    UINT flags = TextFlags();
    if (alignment_ == Alignment::Right) flags |= DT_RIGHT;
    else if (alignment_ == Alignment::Center) flags |= DT_CENTER;
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, flags);
}

bool Label::SetProperty(const Property& p, LoadContext& ctx) {
    const std::string& k = p.key;
    if (k == "Caption") SetCaption(ctx.Text(p));
    else if (k == "AutoSize") SetAutoSize(ctx.Bool(p));
    else if (k == "Transparent") SetTransparent(ctx.Bool(p));
    else if (k == "ShowAccelChar") SetShowAccelChar(ctx.Bool(p));
    else if (k == "WordWrap") SetWordWrap(ctx.Bool(p));
    else if (k == "Alignment") {
        SetAlignment(static_cast<Alignment>(
            ctx.Choice(p, {"taLeftJustify", "taRightJustify", "taCenter"})));
    } else return GraphicControl::SetProperty(p, ctx);
    return true;
}

// ---- PaintBox ----

Canvas& PaintBox::GetCanvas() {
    if (!canvas_) throw std::logic_error("a paint box's canvas is there only while it paints");
    return *canvas_;
}

void PaintBox::Paint(HDC dc) {
    if (!OnPaint) return;
    Canvas canvas(dc);
    canvas_ = &canvas;
    struct Reset {
        Canvas*& c;
        ~Reset() { c = nullptr; }
    } reset{canvas_};
    OnPaint(*this);
}

bool PaintBox::SetProperty(const Property& p, LoadContext& ctx) {
    if (p.key == "OnPaint") OnPaint = ctx.Handler<NotifyEvent>(p);
    else return GraphicControl::SetProperty(p, ctx);
    return true;
}

// ---- Image ----

void Image::AssignPicture(const Picture& p) {
    picture_.Assign(p);
    if (autoSize_) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
}

void Image::Paint(HDC dc) {
    if (stretch_) {
        const RECT r{0, 0, Width(), Height()};
        picture_.StretchDraw(dc, r);
    } else {
        picture_.Draw(dc, 0, 0, false);
    }
}

bool Image::SetProperty(const Property& p, LoadContext& ctx) {
    if (p.key == "Picture") {
        ctx.LoadPicture(p, picture_);
        if (autoSize_) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    } else if (p.key == "Stretch") stretch_ = ctx.Bool(p);
    else if (p.key == "AutoSize") {
        autoSize_ = ctx.Bool(p);
        if (autoSize_ && !picture_.Empty())
            SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    } else return GraphicControl::SetProperty(p, ctx);
    return true;
}

// ---- Bevel ----

namespace {
void Line(HDC dc, COLORREF color, int x1, int y1, int x2, int y2) {
    Pen pen(CreatePen(PS_SOLID, 1, color));
    SelectGuard g(dc, pen.Get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// Top and left edges in one colour, bottom and right in the other, `width` deep.
void Frame3D(HDC dc, RECT& r, COLORREF topLeft, COLORREF bottomRight, int width) {
    for (int i = 0; i < width; ++i) {
        Line(dc, topLeft, r.left, r.bottom - 1, r.left, r.top);
        Line(dc, topLeft, r.left, r.top, r.right - 1, r.top);
        Line(dc, bottomRight, r.right - 1, r.top, r.right - 1, r.bottom - 1);
        Line(dc, bottomRight, r.right - 1, r.bottom - 1, r.left - 1, r.bottom - 1);
        InflateRect(&r, -1, -1);
    }
}

void Outline(HDC dc, COLORREF color, const RECT& r) {
    Brush b(CreateSolidBrush(color));
    FrameRect(dc, &r, b.Get());
}
}  // namespace

void Bevel::Paint(HDC dc) {
    const COLORREF hi = GetSysColor(COLOR_BTNHIGHLIGHT), sh = GetSysColor(COLOR_BTNSHADOW);
    const bool raised = style_ == BevelStyle::Raised;
    RECT r{0, 0, Width(), Height()};
    if (shape_ == BevelShape::Box) {
        Frame3D(dc, r, raised ? hi : sh, raised ? sh : hi, 1);
    } else {
        // Two outlines, the second one pixel lower and further right.
        const RECT a{0, 0, Width() - 1, Height() - 1}, b{1, 1, Width(), Height()};
        Outline(dc, raised ? hi : sh, a);
        Outline(dc, raised ? sh : hi, b);
    }
}

bool Bevel::SetProperty(const Property& p, LoadContext& ctx) {
    if (p.key == "Shape") shape_ = static_cast<BevelShape>(ctx.Choice(p, {"bsBox", "bsFrame"}));
    else if (p.key == "Style")
        style_ = static_cast<BevelStyle>(ctx.Choice(p, {"bsLowered", "bsRaised"}));
    else return GraphicControl::SetProperty(p, ctx);
    return true;
}

// ---- Panel ----

RECT Panel::AlignArea() const {
    RECT r;
    if (HandleAllocated()) GetClientRect(Handle(), &r);
    else r = RECT{0, 0, Width(), Height()};
    int inset = borderWidth_;
    if (outer_ != BevelCut::None) inset += bevelWidth_;
    if (inner_ != BevelCut::None) inset += bevelWidth_;
    InflateRect(&r, -inset, -inset);
    return r;
}

void Panel::CreateOwnWindow() {
    WinControl::CreateOwnWindow();
    if (sunkenBorder_) {
        SetWindowLongPtrW(Handle(), GWL_EXSTYLE, WS_EX_CLIENTEDGE);
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
}

void Panel::PaintBackground(HDC dc, const RECT& area) {
    WinControl::PaintBackground(dc, area);
    const COLORREF hi = GetSysColor(COLOR_BTNHIGHLIGHT), sh = GetSysColor(COLOR_BTNSHADOW);
    RECT r;
    GetClientRect(Handle(), &r);
    if (outer_ != BevelCut::None)
        Frame3D(dc, r, outer_ == BevelCut::Raised ? hi : sh, outer_ == BevelCut::Raised ? sh : hi,
                bevelWidth_);
    InflateRect(&r, -borderWidth_, -borderWidth_);
    if (inner_ != BevelCut::None)
        Frame3D(dc, r, inner_ == BevelCut::Raised ? hi : sh, inner_ == BevelCut::Raised ? sh : hi,
                bevelWidth_);
}

bool Panel::SetProperty(const Property& p, LoadContext& ctx) {
    const std::string& k = p.key;
    if (k == "BevelOuter")
        outer_ = static_cast<BevelCut>(ctx.Choice(p, {"bvNone", "bvLowered", "bvRaised"}));
    else if (k == "BevelInner")
        inner_ = static_cast<BevelCut>(ctx.Choice(p, {"bvNone", "bvLowered", "bvRaised"}));
    else if (k == "BevelWidth") bevelWidth_ = ctx.Int(p);
    else if (k == "BorderWidth") borderWidth_ = ctx.Int(p);
    else if (k == "BorderStyle") sunkenBorder_ = ctx.Choice(p, {"bsNone", "bsSingle"}) == 1;
    else return WinControl::SetProperty(p, ctx);
    return true;
}

// ---- BitBtn ----

BitBtn::BitBtn(WinControl* parent) : WinControl(parent) { TabStop = true; }

void BitBtn::CreateOwnWindow() {
    CreateParams p;
    p.className = L"ZafrenaButton";
    p.style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0);
    p.parent = Parent()->Handle();
    p.bounds = bounds_;
    p.text = caption_;
    CreateHandle(p);
}

void BitBtn::Click() {
    if (modalResult_ != 0)
        if (Form* f = OwnerForm()) f->SetModalResult(modalResult_);
    WinControl::Click();
}

void BitBtn::SetPressed(bool pressed) {
    if (pressed == pressed_) return;
    pressed_ = pressed;
    Invalidate();
}

void BitBtn::PaintButton(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    const bool focused = GetFocus() == Handle();
    {
        Brush face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
        FillRect(dc, &r, face.Get());
    }
    if (default_ || focused) {
        Outline(dc, RGB(0, 0, 0), r);
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed_ ? DFCS_PUSHED : 0));

    SIZE text{0, 0};
    SelectGuard f(dc, font_.Handle());
    if (!caption_.empty())
        GetTextExtentPoint32W(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text);
    const int gw = glyph_.Width(), gh = glyph_.Height();
    const int spacing = (gw && text.cx) ? 4 : 0;
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int shift = pressed_ ? 1 : 0;
    int gx, gy, tx, ty;
    if (layout_ == ButtonLayout::GlyphTop) {
        const int total = gh + spacing + text.cy;
        gx = (w - gw) / 2;
        gy = (h - total) / 2;
        tx = (w - text.cx) / 2;
        ty = gy + gh + spacing;
    } else {
        const int total = gw + spacing + text.cx;
        gx = (w - total) / 2;
        gy = (h - gh) / 2;
        tx = gx + gw + spacing;
        ty = (h - text.cy) / 2;
    }
    glyph_.Draw(dc, r.left + gx + shift, r.top + gy + shift, true);
    if (!caption_.empty()) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, font_.Color());
        TextOutW(dc, r.left + tx + shift, r.top + ty + shift, caption_.c_str(),
                 static_cast<int>(caption_.size()));
    }
    if (focused) {
        InflateRect(&r, -3, -3);
        DrawFocusRect(dc, &r);
    }
}

LRESULT BitBtn::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PaintDC pdc(Handle());
            PaintButton(pdc.Get());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (msg == WM_KILLFOCUS && spaceDown_) {
                spaceDown_ = false;
                SetPressed(false);
            }
            if (msg == WM_SETFOCUS)
                if (Form* f = OwnerForm()) f->ControlFocused(this);
            Invalidate();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetFocus(Handle());
            SetCapture(Handle());
            tracking_ = true;
            SetPressed(true);
            return 0;
        case WM_MOUSEMOVE:
            if (tracking_) {
                const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                RECT r;
                GetClientRect(Handle(), &r);
                SetPressed(PtInRect(&r, p) != FALSE);
            }
            return 0;
        case WM_LBUTTONUP:
            if (tracking_) {
                const bool inside = pressed_;
                ReleaseCapture();
                if (inside) Click();
            }
            return 0;
        case WM_CAPTURECHANGED:
            tracking_ = false;
            if (!spaceDown_) SetPressed(false);
            return 0;
        case WM_KEYDOWN:
            if (wp == VK_SPACE && !(lp & 0x40000000)) {
                spaceDown_ = true;
                SetPressed(true);
            }
            return 0;
        case WM_KEYUP:
            if (wp == VK_SPACE && spaceDown_) {
                spaceDown_ = false;
                SetPressed(false);
                Click();
            }
            return 0;
        default:
            break;
    }
    return WinControl::HandleMessage(msg, wp, lp);
}

bool BitBtn::SetProperty(const Property& p, LoadContext& ctx) {
    const std::string& k = p.key;
    if (k == "Caption") caption_ = ctx.Text(p);
    else if (k == "Glyph") ctx.LoadPicture(p, glyph_);
    else if (k == "Default") default_ = ctx.Bool(p);
    else if (k == "ModalResult")
        modalResult_ = ctx.Choice(p, {"mrNone", "mrOk", "mrCancel"});
    else if (k == "Layout")
        layout_ = static_cast<ButtonLayout>(ctx.Choice(p, {"blGlyphLeft", "blGlyphTop"}));
    else if (k == "Kind") {
        kind_ = static_cast<ButtonKind>(ctx.Choice(p, {"bkCustom", "bkOK"}));
        if (kind_ == ButtonKind::OK) {
            // Properties given after Kind still override these.
            try {
                glyph_.LoadResource(L"BBOK");
            } catch (const std::exception&) {
                ctx.Fail(p.line, "the OK glyph (bitmap resource 'BBOK') is missing");
            }
            if (caption_.empty()) caption_ = L"OK";
            default_ = true;
            modalResult_ = mrOk;
        }
    } else return WinControl::SetProperty(p, ctx);
    return true;
}

// ---- Memo ----

void Memo::CreateOwnWindow() {
    WinControl::CreateOwnWindow();
    DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL;
    if (!wordWrap_) style |= ES_AUTOHSCROLL;
    if (scrollBars_ == ScrollStyle::Vertical) style |= WS_VSCROLL;
    // Without 3-D look the border is the flat one-pixel line.
    if (border_ && !ctl3D_) style |= WS_BORDER;
    const DWORD exStyle = border_ && ctl3D_ ? WS_EX_CLIENTEDGE : 0;
    edit_ = CreateWindowExW(exStyle, L"EDIT", L"", style, 0, 0, Width(), Height(), Handle(),
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!edit_) throw std::runtime_error("cannot create an edit control");
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
}

void Memo::FontChanged() {
    if (edit_) SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
}

void Memo::SetBounds(int left, int top, int width, int height) {
    WinControl::SetBounds(left, top, width, height);
    if (edit_) MoveWindow(edit_, 0, 0, width, height, TRUE);
}

RECT Memo::TextRect() const {
    RECT r{};
    Handle();  // the edit control comes with the window
    if (edit_) SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

bool Memo::SetProperty(const Property& p, LoadContext& ctx) {
    const std::string& k = p.key;
    if (k == "WordWrap") wordWrap_ = ctx.Bool(p);
    else if (k == "Ctl3D") ctl3D_ = ctx.Bool(p);
    else if (k == "BorderStyle") border_ = ctx.Choice(p, {"bsNone", "bsSingle"}) == 1;
    else if (k == "ScrollBars")
        scrollBars_ = static_cast<ScrollStyle>(ctx.Choice(p, {"ssNone", "ssVertical"}));
    else return WinControl::SetProperty(p, ctx);
    return true;
}

}  // namespace forms
