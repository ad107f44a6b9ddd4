// Controls: the base of everything placed on a form, graphic controls that
// their parent paints and hands the mouse, and windowed controls.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/Gdi.h"
#include "forms/Window.h"

namespace forms {

class Component;
class Control;
class WinControl;
class Form;
struct Property;
class LoadContext;

enum class MouseButton { Left, Right, Middle };

// Shift state bits, as the mouse and key events carry them.
using ShiftState = unsigned;
constexpr ShiftState ssShift = 0x01, ssAlt = 0x02, ssCtrl = 0x04, ssLeft = 0x08,
                     ssRight = 0x10, ssMiddle = 0x20, ssDouble = 0x40;

enum class CloseAction { None, Hide };

using NotifyEvent = std::function<void(Component& sender)>;
using MouseEvent = std::function<void(Component& sender, MouseButton, ShiftState, int x, int y)>;
using MouseMoveEvent = std::function<void(Component& sender, ShiftState, int x, int y)>;
using KeyPressEvent = std::function<void(Component& sender, wchar_t& key)>;
using CloseEvent = std::function<void(Component& sender, CloseAction& action)>;

constexpr int crDefault = 0;

// A control's font. The handle is made when first needed and remade after
// a change; `Changed` lets the owner resize and repaint.
class Font {
public:
    std::wstring Name() const { return name_; }
    int Height() const { return height_; }  // negative: character height in pixels
    int Size() const;                       // points at the screen's resolution
    bool Bold() const { return bold_; }
    COLORREF Color() const { return color_; }

    void SetName(std::wstring name);
    void SetHeight(int height);
    void SetSize(int points);
    void SetStyle(bool bold, bool italic, bool underline);
    void SetColor(COLORREF color);
    void SetCharset(BYTE charset);

    HFONT Handle() const;
    std::function<void()> Changed;

    Font& operator=(const Font& other);
    Font() = default;
    Font(const Font& other) { *this = other; }

private:
    void Modified();
    std::wstring name_ = L"MS Sans Serif";
    int height_ = -11;
    bool bold_ = false, italic_ = false, underline_ = false;
    COLORREF color_ = 0;
    BYTE charset_ = DEFAULT_CHARSET;
    mutable std::shared_ptr<const FontHandle> handle_;  // shared through the screen
};

// Anything a layout can name: controls and timers.
class Component {
public:
    Component() = default;
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    std::wstring Name;
    // Applies one layout property; false when there is no such property.
    virtual bool SetProperty(const Property& p, LoadContext& ctx) = 0;
};

class Control : public Component {
public:
    explicit Control(WinControl* parent);
    ~Control() override;
    WinControl* Parent() const { return parent_; }
    Form* OwnerForm();

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.right - bounds_.left; }
    int Height() const { return bounds_.bottom - bounds_.top; }
    RECT BoundsRect() const { return bounds_; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }

    int Cursor = crDefault;
    Font& GetFont() { return font_; }
    COLORREF Color() const { return color_; }
    void SetColor(COLORREF color);

    NotifyEvent OnClick;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;
    MouseMoveEvent OnMouseMove;

    // Repaints the control at once (invalidate, then update the window) and
    // puts the result on the screen before returning.
    virtual void Refresh();
    virtual void Invalidate();

    // Mouse capture: while a control holds it every mouse message of its
    // parent window goes to it.
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);
    WinControl* CaptureHost() const;

    // Entry points of the parent's mouse routing (positions in own coordinates).
    virtual void DoMouseDown(MouseButton b, ShiftState s, int x, int y);
    virtual void DoMouseMove(ShiftState s, int x, int y);
    virtual void DoMouseUp(MouseButton b, ShiftState s, int x, int y);
    virtual void Click();

    virtual bool IsGraphic() const { return true; }
    bool SetProperty(const Property& p, LoadContext& ctx) override;

protected:
    friend class WinControl;
    virtual void FontChanged();
    RECT bounds_{};
    bool visible_ = true;
    bool enabled_ = true;
    COLORREF color_ = 0xFFFFFF;
    Font font_;
    bool clicked_ = false;  // pressed with the left button, waiting for the release

private:
    WinControl* parent_;
};

// A control without a window of its own: its parent paints it.
class GraphicControl : public Control {
public:
    using Control::Control;
    // Paints in the control's own coordinates; the DC is clipped to its box.
    virtual void Paint(HDC dc) = 0;
};

enum class Align { None, Top, Bottom, Client };

// A control with a window of its own; it owns its children, paints its
// graphic children in the order they were added and routes the mouse to them.
class WinControl : public Control, public Window {
public:
    explicit WinControl(WinControl* parent);
    ~WinControl() override;

    // The window, made on first demand together with the whole window tree
    // of its form: a form that is never shown never makes its windows.
    HWND Handle() const;
    bool IsGraphic() const override { return false; }

    template <class C, class... Args>
    C* Add(Args&&... args) {
        auto c = std::make_unique<C>(this, std::forward<Args>(args)...);
        C* raw = c.get();
        Adopt(std::move(c));
        return raw;
    }
    const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }

    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    void Invalidate() override;
    void Refresh() override;
    void InvalidateRect(const RECT& r);

    Align align = Align::None;
    int TabOrder = 0;
    bool TabStop = false;

    // The rectangle left to aligned children, in client coordinates.
    virtual RECT AlignArea() const;
    void Realign();

    Control* CaptureControl() const { return capture_; }
    void SetCaptureControl(Control* c);
    Control* GraphicAt(POINT p) const;  // topmost visible graphic child holding p

    bool SetProperty(const Property& p, LoadContext& ctx) override;
    // Makes the window, then the windows of the windowed children.
    virtual void CreateWindowTree();

protected:
    virtual void CreateOwnWindow();
    virtual void PaintBackground(HDC dc, const RECT& area);
    // Set as destruction starts: a window that is going is not made again.
    bool destroying_ = false;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT RouteMouse(UINT msg, WPARAM wp, LPARAM lp);
    bool SetCursorFor(POINT client);
    void Adopt(std::unique_ptr<Control> c);

private:
    void HandleNeeded();
    std::vector<std::unique_ptr<Control>> children_;
    Control* capture_ = nullptr;
};

ShiftState ShiftFromKeys(WPARAM keys);

}  // namespace forms
