// The About window: the program's title, a scrolling credit line, the
// maker's e-mail and web addresses as links, and the ACEPTAR picture button.
#pragma once

#include "about/Reglas.h"
#include "app/Servicios.h"
#include "forms/Form.h"
#include "forms/StdCtrls.h"

namespace about {

// Sound settings of this unit's player, written by ShowAcerca.
extern HMODULE SoundModule;
extern bool SoundEnabled;
// The web link's colour saved at a press on either link, and the colour a
// press gives it; shared by every About window, set by each one's FormCreate.
extern Color ColorGuardado;
extern Color ColorPulsado;

// Plays the sound resource `Name` once, replacing what plays; an empty or
// unknown name stops the sound.
void PlayOnceSound(app::Sonido& sonido, const char* Name);

class TFAcerca : public forms::Form {
public:
    explicit TFAcerca(app::Servicios& servicios);

    forms::Panel* Panel1 = nullptr;
    forms::Image* Image1 = nullptr;
    forms::Image* ImgSin = nullptr;
    forms::Image* ImgCon = nullptr;
    forms::Label* Titulo = nullptr;
    forms::Panel* PanelBoton = nullptr;
    forms::Image* Boton = nullptr;
    forms::Label* Marquesina = nullptr;
    forms::Timer* Timer1 = nullptr;
    forms::Label* LabelCorreo = nullptr;
    forms::Label* Label2 = nullptr;
    forms::Label* LabelMiWeb = nullptr;
    forms::Label* Label1 = nullptr;

    void PanelBotonMouseMove(forms::Component& Sender, forms::ShiftState Shift, int X, int Y);
    void BotonMouseMove(forms::Component& Sender, forms::ShiftState Shift, int X, int Y);
    void BotonClick(forms::Component& Sender);
    void Timer1Timer(forms::Component& Sender);
    void FormCreate(forms::Component& Sender);
    void LabelMiWebClick(forms::Component& Sender);
    void LabelMiWebMouseDown(forms::Component& Sender, forms::MouseButton Button,
                             forms::ShiftState Shift, int X, int Y);
    void LabelMiWebMouseUp(forms::Component& Sender, forms::MouseButton Button,
                           forms::ShiftState Shift, int X, int Y);
    void LabelCorreoClick(forms::Component& Sender);
    void LabelMiWebMouseMove(forms::Component& Sender, forms::ShiftState Shift, int X, int Y);
    void MarquesinaMouseDown(forms::Component& Sender, forms::MouseButton Button,
                             forms::ShiftState Shift, int X, int Y);
    void FormShow(forms::Component& Sender);
    void FormKeyPress(forms::Component& Sender, wchar_t& Key);

private:
    // Gives the link labels the colours the rules left them.
    void PintarEnlaces();

    app::Servicios& servicios_;
    ColoresEnlaces enlaces_{kRojo, kRojo};
};

// Opens a fresh About window modally and frees it when it closes; its
// sounds follow the settings handed in.
void ShowAcerca(app::Servicios& servicios, HMODULE Module, bool Sound);

// The instance created at start-up; every request uses a fresh one instead.
extern TFAcerca* FAcerca;

}  // namespace about
