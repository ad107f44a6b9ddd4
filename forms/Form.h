// Top-level windows built from a layout, and the timer component.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "forms/Control.h"

namespace forms {

class Bindings;

constexpr int mrNone = 0, mrOk = 1, mrCancel = 2;

enum class BorderStyle { Single, Dialog, None };
enum class Position { Designed, ScreenCenter };

// Ticks on the GUI thread through a message-only window of its own.
class Timer : public Component, private Window {
public:
    Timer();
    int Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    void SetInterval(int ms);
    void SetEnabled(bool enabled);
    NotifyEvent OnTimer;
    bool SetProperty(const Property& p, LoadContext& ctx) override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Update();
    int interval_ = 1000;
    bool enabled_ = true;
};

class Form : public WinControl {
public:
    Form();
    ~Form() override;

    // Builds the form from the layout resource named after its class.
    void Load(const std::string& resource, const std::string& className, Bindings& bindings);

    std::wstring Caption() const { return caption_; }
    void SetCaption(std::wstring caption);
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientSize(int width, int height);

    void Show();
    void Hide();
    // Asks the form to close: the close handler decides; a modal form ends
    // its modal show.
    void Close();
    int ShowModal();
    bool Modal() const { return modal_; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }

    bool KeyPreview = false;
    NotifyEvent OnCreate;
    NotifyEvent OnShow;
    CloseEvent OnClose;
    KeyPressEvent OnKeyPress;

    Timer* AddTimer();
    // Keyboard interface: Tab, Enter for buttons, key preview. True when eaten.
    bool PreTranslate(MSG& msg);
    void ControlFocused(WinControl* c) { focused_ = c; }
    std::vector<WinControl*> TabList() const;

    bool SetProperty(const Property& p, LoadContext& ctx) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    RECT AlignArea() const override { return RECT{0, 0, ClientWidth(), ClientHeight()}; }

protected:
    void CreateOwnWindow() override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    DWORD Style() const;
    DWORD ExStyle() const;
    void Center();
    void CloseModal();
    void FocusFirst();
    void SelectNext(bool backwards);

    std::wstring caption_;
    BorderStyle border_ = BorderStyle::Single;
    bool minimizeBox_ = true, maximizeBox_ = true, systemMenu_ = true;
    bool stayOnTop_ = false;
    Position position_ = Position::Designed;
    int clientWidth_ = 0, clientHeight_ = 0;
    bool modal_ = false;
    bool closing_ = false;  // the close handler of a modeless close runs
    int modalResult_ = mrNone;
    WinControl* focused_ = nullptr;
    std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace forms
