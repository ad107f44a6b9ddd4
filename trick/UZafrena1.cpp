#include "trick/UZafrena1.h"

#include <mmsystem.h>

#include "about/FrmAcerca.h"
#include "farewell/UVisitanos.h"
#include "forms/Application.h"
#include "forms/Loader.h"
#include "trick/Degradado.h"
#include "trick/Reparto.h"
#include "trick/UZafrena2.h"

namespace trick {

TFZafrena1* FZafrena1 = nullptr;

namespace {

// The instruction lines are joined by a lone carriage return.
constexpr wchar_t kExplicaEs[] =
    L"Piensa un nº de dos cifras. Ejemplo el 73\r"
    L"Restale la suma de sus dos cifras. Ejemplo 73 - ( 7 + 3 )= 63\r"
    L"Localiza en la tabla siguiente el símbolo que corresponde al resultado obtenido...\r"
    L"Memoriza el símbolo, pulsa la tecla \"Será...\" y te leeré el pensamiento...";
constexpr wchar_t kExplicaEn[] =
    L"Think of a two-digit number. Example 73\r"
    L"Reduce the sum of its two numbers. Example 73 - ( 7 + 3 )= 63\r"
    L"Find in the table below the symbol corresponding to the result obtained...\r"
    L"Memorize the symbol, press the key \"It will be ...(Será...)\" and I will read you the "
    L"thought...";
constexpr wchar_t kCaptionEn[] = L"I foresee your thoughts. . .";

}  // namespace

void PlayLoopSound(app::Sonido& sonido, const char* Name) {
    app::ReproducirRecurso(sonido, SoundModule, SoundEnabled, Name,
                           SND_ASYNC | SND_MEMORY | SND_LOOP);
}

void PintarDegradado(forms::PaintBox& Caja, COLORREF ColorInicio, COLORREF ColorFin) {
    const int n = Caja.Height(), w = Caja.Width();
    if (n <= 0) return;
    forms::Canvas& canvas = Caja.GetCanvas();
    for (int i = 0; i < n; ++i) {
        const COLORREF color = ColorBanda(ColorInicio, ColorFin, i, n);
        canvas.SetPenColor(color);
        canvas.SetBrushColor(color);
        canvas.Rectangle(0, i, w, i + 1);  // exactly pixel row i: the box is n rows high
    }
}

TFZafrena1::TFZafrena1(app::Servicios& servicios) : servicios_(servicios) {
    forms::Bindings b;
    b.Field("Sera", Sera)
        .Field("PanelPrin", PanelPrin)
        .Field("Muestra", Muestra)
        .Field("Explica", Explica)
        .Field("Autor", Autor)
        .Field("PaintBox1", PaintBox1)
        .Field("PaintBox2", PaintBox2)
        .Handler("FormCreate", this, &TFZafrena1::FormCreate)
        .Handler("SeraClick", this, &TFZafrena1::SeraClick)
        .Handler("FormClick", this, &TFZafrena1::FormClick)
        .Handler("FormShow", this, &TFZafrena1::FormShow)
        .Handler("FormClose", this, &TFZafrena1::FormClose)
        .Handler("PaintBox1Paint", this, &TFZafrena1::PaintBox1Paint)
        .Handler("PaintBox2Paint", this, &TFZafrena1::PaintBox2Paint);
    Load("TFZAFRENA1", "TFZafrena1", b);
}

void TFZafrena1::FormCreate(forms::Component&) {
    servicios_.azar.Randomize();
    // A missing cursor resource leaves the arrow: the load is not examined.
    forms::Application::Current().GetScreen().SetCursor(
        crApuntando, LoadCursorW(GetModuleHandleW(nullptr), L"APUNTANDO"));
    Sera->Cursor = crApuntando;
    Autor->Cursor = crApuntando;
    CrearEtiquetas();
    NuevaJugada();
    Explica->SetCaption(kExplicaEs);
    if (app::IsEnglishUser(servicios_.idioma.UserDefaultLangID())) {
        SetCaption(kCaptionEn);
        Explica->SetCaption(kExplicaEn);
    }
}

void TFZafrena1::CrearEtiquetas() {
    const int w = Muestra->Width(), h = Muestra->Height();
    for (int i = 0; i < kCeldas; ++i) {
        forms::Label* numero = PanelPrin->Add<forms::Label>();
        forms::Label* simbolo = PanelPrin->Add<forms::Label>();
        Etiquetas[i] = numero;
        Etiquetas[100 + i] = simbolo;
        const int c = i % 10, r = i / 10;
        numero->SetBounds(c * w * 2 + 5, r * h + 10, numero->Width(), numero->Height());
        simbolo->SetBounds(c * w * 2 + w + 5, r * h + 10, simbolo->Width(), simbolo->Height());
        simbolo->GetFont().SetName(L"Wingdings");
        for (forms::Label* l : {numero, simbolo}) {
            l->GetFont().SetSize(Muestra->GetFont().Size());
            l->GetFont().SetColor(Muestra->GetFont().Color());
            l->OnClick = [this](forms::Component& s) { FormClick(s); };
            l->SetTransparent(true);
            l->SetShowAccelChar(false);  // '&' (38) is one of the symbols
        }
    }
}

void TFZafrena1::NuevaJugada() {
    for (int j = 0; j < kCeldas; ++j) Etiquetas[j]->SetCaption(TextoNumero(j));
    const Reparto r = Repartir(servicios_.azar);
    Simbolo = r.Simbolo;
    for (int j = 0; j < kCeldas; ++j)
        Etiquetas[100 + j]->SetCaption(std::wstring(1, static_cast<wchar_t>(r.Codigos[j])));
}

void TFZafrena1::FormShow(forms::Component&) { PlayLoopSound(servicios_.sonido, "ENTRADA"); }

void TFZafrena1::SeraClick(forms::Component&) {
    Hide();
    {
        TFZafrena2 revelacion;  // a fresh window with no owner, freed when it closes
        revelacion.LSolucion->SetCaption(std::wstring(1, static_cast<wchar_t>(Simbolo)));
        PlayLoopSound(servicios_.sonido, "SERA");
        revelacion.ShowModal();  // however it closes, the trick goes on
    }
    NuevaJugada();  // dealt while the table is out of sight
    Show();
    PlayLoopSound(servicios_.sonido, "ENTRADA");
}

void TFZafrena1::FormClick(forms::Component&) {
    PlayLoopSound(servicios_.sonido, "ACERCA");
    about::ShowAcerca(servicios_, SoundModule, SoundEnabled);
    PlayLoopSound(servicios_.sonido, "ENTRADA");
}

void TFZafrena1::FormClose(forms::Component&, forms::CloseAction&) {
    PlayLoopSound(servicios_.sonido, "");
    Hide();
    // Takes the program's entry off the taskbar.
    ShowWindow(forms::Application::Current().Handle(), SW_HIDE);
    farewell::FVisitanos->ShowModal();
}

void TFZafrena1::PaintBox1Paint(forms::Component& Sender) {
    PintarDegradado(static_cast<forms::PaintBox&>(Sender), 0x000000, 0x0000FF);
}

void TFZafrena1::PaintBox2Paint(forms::Component& Sender) {
    PintarDegradado(static_cast<forms::PaintBox&>(Sender), 0xFF0000, 0x000000);
}

}  // namespace trick
