// The farewell window: a borderless banner slideshow that invites the user
// to the maker's web site, which opens however the window is closed.
#pragma once

#include <array>

#include "app/Servicios.h"
#include "forms/Form.h"
#include "forms/StdCtrls.h"

namespace farewell {

class TFVisitanos : public forms::Form {
public:
    explicit TFVisitanos(app::Servicios& servicios);

    forms::Panel* Panel1 = nullptr;
    forms::Image* Image = nullptr;
    forms::BitBtn* BitBtn1 = nullptr;
    forms::Bevel* Bevel1 = nullptr;
    forms::Image* Image1 = nullptr;
    forms::Image* Image2 = nullptr;
    forms::Image* Image3 = nullptr;
    forms::Image* Image4 = nullptr;
    forms::Image* Image5 = nullptr;
    forms::Image* Image6 = nullptr;
    forms::Timer* Timer1 = nullptr;

    void FormClose(forms::Component& Sender, forms::CloseAction& Action);
    void Timer1Timer(forms::Component& Sender);
    void FormCreate(forms::Component& Sender);
    void FormShow(forms::Component& Sender);

    // The holder (1 to 6) whose picture the banner took last, for tests.
    int ContadorActual() const { return Contador; }

private:
    int Contador = 1;
    app::Servicios& servicios_;
};

// Created fourth at start-up; shown once, when the main window closes.
extern TFVisitanos* FVisitanos;

}  // namespace farewell
