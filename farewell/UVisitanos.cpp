#include "farewell/UVisitanos.h"

#include "app/Ajustes.h"
#include "farewell/Diapositivas.h"
#include "forms/Loader.h"
#include "trick/UZafrena1.h"

namespace farewell {

TFVisitanos* FVisitanos = nullptr;

TFVisitanos::TFVisitanos(app::Servicios& servicios) : servicios_(servicios) {
    forms::Bindings b;
    b.Field("Panel1", Panel1)
        .Field("Image", Image)
        .Field("BitBtn1", BitBtn1)
        .Field("Bevel1", Bevel1)
        .Field("Image1", Image1)
        .Field("Image2", Image2)
        .Field("Image3", Image3)
        .Field("Image4", Image4)
        .Field("Image5", Image5)
        .Field("Image6", Image6)
        .Field("Timer1", Timer1)
        .Handler("FormClose", this, &TFVisitanos::FormClose)
        .Handler("Timer1Timer", this, &TFVisitanos::Timer1Timer)
        .Handler("FormCreate", this, &TFVisitanos::FormCreate)
        .Handler("FormShow", this, &TFVisitanos::FormShow);
    Load("TFVISITANOS", "TFVisitanos", b);
}

void TFVisitanos::FormCreate(forms::Component&) {
    Contador = 1;
    BitBtn1->Cursor = trick::crApuntando;
}

void TFVisitanos::FormShow(forms::Component&) { Timer1->SetEnabled(true); }

void TFVisitanos::Timer1Timer(forms::Component&) {
    Contador = SiguienteDiapositiva(Contador);
    const std::array<forms::Image*, kDiapositivas> holders{Image1, Image2, Image3,
                                                           Image4, Image5, Image6};
    Image->AssignPicture(holders[Contador - 1]->GetPicture());
}

void TFVisitanos::FormClose(forms::Component&, forms::CloseAction&) {
    // Off before hiding, so no tick comes after the close.
    Timer1->SetEnabled(false);
    Hide();
    // Straight to the shell, with no parent window: the program is on its way out.
    servicios_.shell.Execute(nullptr, L"open", ajustes::kWebSite, L"", SW_SHOWMAXIMIZED);
}

}  // namespace farewell
