// The program's own message box: borderless, always on top, framed in blue,
// with the kind's picture and heading, the text sized to fit, and an OK
// picture. Closed by that picture or by any key that types a character.
#pragma once

#include <string>

#include "forms/Form.h"
#include "forms/StdCtrls.h"

namespace mensajes {

enum TMensajeKind : unsigned char { mkAviso, mkError, mkInformacion, mkConfirmacion };

class TFMensajes : public forms::Form {
public:
    TFMensajes();

    forms::Panel* PanelBorde = nullptr;
    forms::Panel* PanelInterior = nullptr;
    forms::Image* ImgError = nullptr;
    forms::Image* ImgConfirmation = nullptr;
    forms::Image* ImgWarning = nullptr;
    forms::Image* ImgInformation = nullptr;
    forms::Image* Imagen = nullptr;
    forms::Label* lblTexto = nullptr;
    forms::BitBtn* btnOK = nullptr;
    forms::Image* ImgOK = nullptr;
    forms::Memo* Memo = nullptr;
    forms::Label* lblCaption = nullptr;
    forms::Bevel* BordeOK = nullptr;

    void FormCreate(forms::Component& Sender);
    void FormKeyPress(forms::Component& Sender, wchar_t& Key);
    void ImgOKClick(forms::Component& Sender);
    void FormShow(forms::Component& Sender);
    void ImgOKMouseMove(forms::Component& Sender, forms::ShiftState Shift, int X, int Y);
    void PanelInteriorMouseDown(forms::Component& Sender, forms::MouseButton Button,
                                forms::ShiftState Shift, int X, int Y);
};

// The message window while ShowMensaje shows it; null otherwise.
extern TFMensajes* FMensajes;

// Shows `Text` (lines separated by CR LF) as a message of `Kind`, modally;
// returns when the window has been closed and destroyed. Works before the
// application's message loop has started.
void ShowMensaje(const std::wstring& Text, TMensajeKind Kind);

}  // namespace mensajes
