// The controls the program's windows are made of.
#pragma once

#include <string>

#include "forms/Control.h"

namespace forms {

// A bitmap, loaded from a bitmap resource or copied from another picture.
// A bitmap named in the program's resources is only decoded when first
// drawn or asked for its handle: the windows that start hidden carry
// pictures that most runs never show.
class Picture {
public:
    void LoadResource(const std::wstring& name);  // throws when missing
    void Assign(const Picture& other);
    HBITMAP Handle() const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return !bitmap_ && resource_.empty(); }
    // Draws the picture; `transparent` leaves out the colour of its
    // bottom-left pixel.
    void Draw(HDC dc, int x, int y, bool transparent) const;
    void StretchDraw(HDC dc, const RECT& r) const;

private:
    void Measure();
    std::wstring resource_;  // not decoded yet while set
    mutable Bitmap bitmap_;
    int width_ = 0, height_ = 0;
};

// Pen and brush drawing on a paint box while it paints.
class Canvas {
public:
    explicit Canvas(HDC dc);
    HDC Handle() const { return dc_; }
    void SetPenColor(COLORREF color);
    void SetBrushColor(COLORREF color);
    void Rectangle(int left, int top, int right, int bottom);

private:
    HDC dc_;
    Pen pen_;
    Brush brush_;
    SavedDC saved_;  // declared last: restores the DC before pen and brush go
};

enum class Alignment { Left, Right, Center };

class Label : public GraphicControl {
public:
    explicit Label(WinControl* parent);
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t);
    void SetAutoSize(bool a);
    void SetShowAccelChar(bool s);
    void SetAlignment(Alignment a);
    void SetWordWrap(bool w);
    void Paint(HDC dc) override;
    bool SetProperty(const Property& p, LoadContext& ctx) override;

protected:
    void FontChanged() override;

private:
    UINT TextFlags() const;
    void AdjustSize();
    std::wstring caption_;
    bool autoSize_ = true, transparent_ = false, showAccelChar_ = true, wordWrap_ = false;
    Alignment alignment_ = Alignment::Left;
};

class PaintBox : public GraphicControl {
public:
    using GraphicControl::GraphicControl;
    NotifyEvent OnPaint;
    // Valid while OnPaint runs.
    Canvas& GetCanvas();
    void Paint(HDC dc) override;
    bool SetProperty(const Property& p, LoadContext& ctx) override;

private:
    Canvas* canvas_ = nullptr;
};

class Image : public GraphicControl {
public:
    using GraphicControl::GraphicControl;
    Picture& GetPicture() { return picture_; }
    // Takes a copy of another picture and repaints.
    void AssignPicture(const Picture& p);
    void Paint(HDC dc) override;
    bool SetProperty(const Property& p, LoadContext& ctx) override;

private:
    Picture picture_;
    bool stretch_ = false, autoSize_ = false;
};

enum class BevelShape { Box, Frame };
enum class BevelStyle { Lowered, Raised };

class Bevel : public GraphicControl {
public:
    using GraphicControl::GraphicControl;
    void Paint(HDC dc) override;
    bool SetProperty(const Property& p, LoadContext& ctx) override;

private:
    BevelShape shape_ = BevelShape::Box;
    BevelStyle style_ = BevelStyle::Lowered;
};

enum class BevelCut { None, Lowered, Raised };

class Panel : public WinControl {
public:
    using WinControl::WinControl;
    RECT AlignArea() const override;
    bool SetProperty(const Property& p, LoadContext& ctx) override;

protected:
    void CreateOwnWindow() override;
    void PaintBackground(HDC dc, const RECT& area) override;

private:
    BevelCut outer_ = BevelCut::Raised, inner_ = BevelCut::None;
    int bevelWidth_ = 1, borderWidth_ = 0;
    bool sunkenBorder_ = false;
};

enum class ButtonLayout { GlyphLeft, GlyphTop };
// bkOK: the stock check-mark glyph (bitmap resource "BBOK"), caption "OK"
// unless one is given, default button, modal result OK.
enum class ButtonKind { Custom, OK };

// A push button that draws a glyph beside its caption.
class BitBtn : public WinControl {
public:
    explicit BitBtn(WinControl* parent);
    const std::wstring& Caption() const { return caption_; }
    bool Default() const { return default_; }
    int ModalResult() const { return modalResult_; }
    ButtonKind Kind() const { return kind_; }
    Picture& Glyph() { return glyph_; }
    void Click() override;
    bool SetProperty(const Property& p, LoadContext& ctx) override;

protected:
    void CreateOwnWindow() override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void PaintButton(HDC dc);
    void SetPressed(bool pressed);
    std::wstring caption_;
    Picture glyph_;
    ButtonLayout layout_ = ButtonLayout::GlyphLeft;
    ButtonKind kind_ = ButtonKind::Custom;
    bool default_ = false;
    int modalResult_ = 0;
    bool pressed_ = false, tracking_ = false, spaceDown_ = false;
};

enum class ScrollStyle { None, Vertical };

// A multi-line edit box: the platform's own edit control inside a window of
// ours. Its text rectangle is where the control lays out (and wraps) text.
class Memo : public WinControl {
public:
    using WinControl::WinControl;
    HWND EditHandle() const {
        Handle();  // the edit control comes with the window
        return edit_;
    }
    // The edit control's formatting rectangle, in its client coordinates.
    RECT TextRect() const;
    void SetBounds(int left, int top, int width, int height) override;
    bool SetProperty(const Property& p, LoadContext& ctx) override;

protected:
    void CreateOwnWindow() override;
    void FontChanged() override;

private:
    HWND edit_ = nullptr;  // a child of our window, destroyed with it
    bool wordWrap_ = true, ctl3D_ = true, border_ = true;
    ScrollStyle scrollBars_ = ScrollStyle::None;
};

}  // namespace forms
