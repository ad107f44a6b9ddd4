#include "about/FrmAcerca.h"

#include <mmsystem.h>

#include "app/Ajustes.h"
#include "forms/Application.h"
#include "forms/Loader.h"
#include "trick/UZafrena1.h"

namespace about {

TFAcerca* FAcerca = nullptr;

HMODULE SoundModule = nullptr;  // the program's own image
bool SoundEnabled = true;
Color ColorGuardado = kRojo;
Color ColorPulsado = kPurpura;

namespace {

Boton BotonDe(forms::MouseButton b) {
    switch (b) {
        case forms::MouseButton::Left:
            return Boton::Izquierdo;
        case forms::MouseButton::Right:
            return Boton::Derecho;
        case forms::MouseButton::Middle:
            break;
    }
    return Boton::Central;
}

void PintarFuente(forms::Label& l, Color c) {
    if (l.GetFont().Color() != c) l.GetFont().SetColor(c);
}

}  // namespace

void PlayOnceSound(app::Sonido& sonido, const char* Name) {
    app::ReproducirRecurso(sonido, SoundModule, SoundEnabled, Name, SND_ASYNC | SND_MEMORY);
}

TFAcerca::TFAcerca(app::Servicios& servicios) : servicios_(servicios) {
    forms::Bindings b;
    b.Field("Panel1", Panel1)
        .Field("Image1", Image1)
        .Field("ImgSin", ImgSin)
        .Field("ImgCon", ImgCon)
        .Field("Titulo", Titulo)
        .Field("PanelBoton", PanelBoton)
        .Field("Boton", Boton)
        .Field("Marquesina", Marquesina)
        .Field("Timer1", Timer1)
        .Field("LabelCorreo", LabelCorreo)
        .Field("Label2", Label2)
        .Field("LabelMiWeb", LabelMiWeb)
        .Field("Label1", Label1)
        .Handler("PanelBotonMouseMove", this, &TFAcerca::PanelBotonMouseMove)
        .Handler("BotonMouseMove", this, &TFAcerca::BotonMouseMove)
        .Handler("BotonClick", this, &TFAcerca::BotonClick)
        .Handler("Timer1Timer", this, &TFAcerca::Timer1Timer)
        .Handler("FormCreate", this, &TFAcerca::FormCreate)
        .Handler("LabelMiWebClick", this, &TFAcerca::LabelMiWebClick)
        .Handler("LabelMiWebMouseDown", this, &TFAcerca::LabelMiWebMouseDown)
        .Handler("LabelMiWebMouseUp", this, &TFAcerca::LabelMiWebMouseUp)
        .Handler("LabelCorreoClick", this, &TFAcerca::LabelCorreoClick)
        .Handler("LabelMiWebMouseMove", this, &TFAcerca::LabelMiWebMouseMove)
        .Handler("MarquesinaMouseDown", this, &TFAcerca::MarquesinaMouseDown)
        .Handler("FormShow", this, &TFAcerca::FormShow)
        .Handler("FormKeyPress", this, &TFAcerca::FormKeyPress);
    Load("TFACERCA", "TFAcerca", b);
    // The author's name is a build setting, so the layout cannot hold the credit.
    Marquesina->SetCaption(Credito(ajustes::kAutor));
    enlaces_ = ColoresEnlaces(LabelMiWeb->GetFont().Color(), LabelCorreo->GetFont().Color());
}

void TFAcerca::FormCreate(forms::Component&) {
    LabelMiWeb->Cursor = trick::crApuntando;
    LabelMiWeb->SetCaption(ajustes::kWebSite);
    LabelCorreo->Cursor = trick::crApuntando;
    LabelCorreo->SetCaption(ajustes::kEmail);
    Boton->Cursor = trick::crApuntando;
    ColorGuardado = LabelMiWeb->GetFont().Color();
    ColorPulsado = kPurpura;
}

void TFAcerca::FormShow(forms::Component&) {
    Timer1->SetEnabled(true);
    PlayOnceSound(servicios_.sonido, "ACERCA");
}

void TFAcerca::FormKeyPress(forms::Component&, wchar_t&) { Close(); }

void TFAcerca::BotonClick(forms::Component&) { Close(); }

void TFAcerca::Timer1Timer(forms::Component&) {
    Marquesina->SetCaption(Rotar(Marquesina->Caption()));
}

void TFAcerca::PintarEnlaces() {
    PintarFuente(*LabelMiWeb, enlaces_.Web());
    PintarFuente(*LabelCorreo, enlaces_.Correo());
}

void TFAcerca::LabelMiWebMouseMove(forms::Component& Sender, forms::ShiftState, int X, int Y) {
    auto& l = static_cast<forms::Label&>(Sender);
    const Enlace e = &l == LabelCorreo ? Enlace::Correo : Enlace::Web;
    // Inside, the link keeps the mouse so that it sees the pointer leave.
    l.SetMouseCapture(enlaces_.Mover(e, X, Y, l.Width(), l.Height()));
    PintarEnlaces();
}

void TFAcerca::LabelMiWebMouseDown(forms::Component&, forms::MouseButton Button, forms::ShiftState,
                                   int, int) {
    enlaces_.Pulsar(BotonDe(Button), ColorGuardado, ColorPulsado);
    PintarEnlaces();
}

void TFAcerca::LabelMiWebMouseUp(forms::Component&, forms::MouseButton Button, forms::ShiftState,
                                 int, int) {
    enlaces_.Soltar(BotonDe(Button), ColorGuardado);
    PintarEnlaces();
}

void TFAcerca::LabelMiWebClick(forms::Component&) {
    PlayOnceSound(servicios_.sonido, "SI");
    servicios_.shell.Execute(forms::Application::Current().Handle(), L"open", LabelMiWeb->Caption(),
                             L"", SW_SHOWNORMAL);
}

void TFAcerca::LabelCorreoClick(forms::Component& Sender) {
    PlayOnceSound(servicios_.sonido, "SI");
    servicios_.shell.Execute(nullptr, L"open",
                             PeticionDeCorreo(static_cast<forms::Label&>(Sender).Caption()), L"",
                             SW_SHOWNORMAL);
    enlaces_.ClicCorreo();
    PintarEnlaces();
}

void TFAcerca::MarquesinaMouseDown(forms::Component&, forms::MouseButton, forms::ShiftState Shift,
                                   int, int) {
    if (!PideNota(Shift)) return;
    const std::wstring guardado = Marquesina->Caption();
    Marquesina->SetCaption(kNotaDelAutor);
    Marquesina->Refresh();  // on screen before the pause
    Sleep(3000);            // the window blocks, ticks included: the credit resumes where it was
    Marquesina->SetCaption(guardado);
}

void TFAcerca::PanelBotonMouseMove(forms::Component&, forms::ShiftState, int, int) {
    Boton->AssignPicture(ImgSin->GetPicture());
}

void TFAcerca::BotonMouseMove(forms::Component&, forms::ShiftState, int, int) {
    Boton->AssignPicture(ImgCon->GetPicture());
}

void ShowAcerca(app::Servicios& servicios, HMODULE Module, bool Sound) {
    SoundModule = Module;
    SoundEnabled = Sound;
    TFAcerca acerca(servicios);  // freed, with its timer, when the modal show ends
    acerca.ShowModal();
}

}  // namespace about
