// The main window: instructions over a blue-to-black gradient, the table of
// numbers and symbols over a black-to-red gradient, the "Será..." button
// that reveals the secret symbol and the author button.
#pragma once

#include <array>

#include "app/Servicios.h"
#include "forms/Form.h"
#include "forms/StdCtrls.h"

namespace trick {

// Screen cursor index of the pointing hand that every window's buttons show.
constexpr int crApuntando = 100;
// Sound settings of this unit's player.
inline const HMODULE SoundModule = nullptr;  // the program's own image
constexpr bool SoundEnabled = true;

// Plays the sound resource `Name` in a loop, replacing what plays; an empty
// or unknown name stops the sound.
void PlayLoopSound(app::Sonido& sonido, const char* Name);

// Paints the whole box with a vertical gradient, one pixel row per band.
void PintarDegradado(forms::PaintBox& Caja, COLORREF ColorInicio, COLORREF ColorFin);

class TFZafrena1 : public forms::Form {
public:
    explicit TFZafrena1(app::Servicios& servicios);

    forms::BitBtn* Sera = nullptr;
    forms::Panel* PanelPrin = nullptr;
    forms::Label* Muestra = nullptr;
    forms::Label* Explica = nullptr;
    forms::BitBtn* Autor = nullptr;
    forms::PaintBox* PaintBox1 = nullptr;
    forms::PaintBox* PaintBox2 = nullptr;

    void FormCreate(forms::Component& Sender);
    void SeraClick(forms::Component& Sender);
    void FormClick(forms::Component& Sender);
    void FormShow(forms::Component& Sender);
    void FormClose(forms::Component& Sender, forms::CloseAction& Action);
    void PaintBox1Paint(forms::Component& Sender);
    void PaintBox2Paint(forms::Component& Sender);

    // Read-only views of the current deal, for tests.
    int SimboloActual() const { return Simbolo; }
    const std::array<forms::Label*, 200>& EtiquetasActuales() const { return Etiquetas; }

private:
    void CrearEtiquetas();
    void NuevaJugada();

    app::Servicios& servicios_;
    int Simbolo = kPrimerSimbolo;
    std::array<forms::Label*, 200> Etiquetas{};
};

// The main window, created first at start-up.
extern TFZafrena1* FZafrena1;

}  // namespace trick
