#include "messages/Umensajes.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "forms/Application.h"
#include "forms/Loader.h"
#include "messages/Disposicion.h"
#include "trick/UZafrena1.h"

namespace mensajes {

TFMensajes* FMensajes = nullptr;

namespace {

constexpr int kBordePanel = 5;  // PanelBorde's border width in the layout

// Text measured in a font as GDI draws it; '&' is an ordinary character.
class MedidorGdi : public Medidor {
public:
    explicit MedidorGdi(HFONT font) : dc_(nullptr), font_(dc_.Get(), font) {}
    int Ancho(std::wstring_view t) const override {
        SIZE s{};
        GetTextExtentPoint32W(dc_.Get(), t.data(), static_cast<int>(t.size()), &s);
        return s.cx;
    }
    int AltoDeLinea() const {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc_.Get(), &tm);
        return tm.tmHeight;
    }

private:
    forms::MemoryDC dc_;
    forms::SelectGuard font_;
};

// Each kind's hidden picture and its word, the window title and heading.
struct Clase {
    forms::Image* TFMensajes::*dibujo;
    const wchar_t* palabra;
};
constexpr Clase kClases[] = {
    {&TFMensajes::ImgWarning, L"Aviso"},
    {&TFMensajes::ImgError, L"Error"},
    {&TFMensajes::ImgInformation, L"Información"},
    {&TFMensajes::ImgConfirmation, L"Confirmación"},
};

void Preparar(TFMensajes& f, const std::wstring& Text, TMensajeKind Kind) {
    f.ImgOK->SetVisible(true);
    // Any other value of the byte leaves the layout's picture and heading.
    if (Kind < std::size(kClases)) {
        const Clase& c = kClases[Kind];
        f.Imagen->AssignPicture((f.*c.dibujo)->GetPicture());
        f.SetCaption(c.palabra);
        f.lblCaption->SetCaption(c.palabra);
    }

    // The lines are those the memo would show: its text rectangle is the
    // wrap width, measured in the label's font.
    const MedidorGdi medidor(f.lblTexto->GetFont().Handle());
    const RECT caja = f.Memo->TextRect();
    const std::vector<std::wstring> renglones =
        PartirEnRenglones(Text, caja.right - caja.left, medidor);
    f.lblTexto->SetCaption(TextoDeEtiqueta(renglones));
    // One row per line under an empty one, whatever the label makes of a
    // last empty row.
    const int alto = static_cast<int>(renglones.size() + 1) * medidor.AltoDeLinea();
    f.lblTexto->SetBounds(f.lblTexto->Left(), f.lblTexto->Top(), f.lblTexto->Width(), alto);

    const Plantilla plantilla{f.btnOK->Width(), f.btnOK->Height(), kBordePanel,
                              f.lblTexto->Left(), f.lblTexto->Top()};
    const Disposicion d =
        Dimensionar(f.lblTexto->Width(), alto, f.lblCaption->Width(), plantilla);
    f.SetClientSize(d.anchoCliente, d.altoCliente);
    f.btnOK->SetBounds(d.btnOK.x, d.btnOK.y, f.btnOK->Width(), f.btnOK->Height());
    f.ImgOK->SetBounds(d.ImgOK.x, d.ImgOK.y, f.ImgOK->Width(), f.ImgOK->Height());
    f.BordeOK->SetBounds(d.BordeOK.x, d.BordeOK.y, f.BordeOK->Width(), f.BordeOK->Height());
    f.lblCaption->SetLeft(d.izquierdaTitulo);
}

}  // namespace

TFMensajes::TFMensajes() {
    forms::Bindings b;
    b.Field("PanelBorde", PanelBorde)
        .Field("PanelInterior", PanelInterior)
        .Field("ImgError", ImgError)
        .Field("ImgConfirmation", ImgConfirmation)
        .Field("ImgWarning", ImgWarning)
        .Field("ImgInformation", ImgInformation)
        .Field("Imagen", Imagen)
        .Field("lblTexto", lblTexto)
        .Field("btnOK", btnOK)
        .Field("ImgOK", ImgOK)
        .Field("Memo", Memo)
        .Field("lblCaption", lblCaption)
        .Field("BordeOK", BordeOK)
        .Handler("FormCreate", this, &TFMensajes::FormCreate)
        .Handler("FormKeyPress", this, &TFMensajes::FormKeyPress)
        .Handler("ImgOKClick", this, &TFMensajes::ImgOKClick)
        .Handler("FormShow", this, &TFMensajes::FormShow)
        .Handler("ImgOKMouseMove", this, &TFMensajes::ImgOKMouseMove)
        .Handler("PanelInteriorMouseDown", this, &TFMensajes::PanelInteriorMouseDown);
    Load("TFMENSAJES", "TFMensajes", b);
}

void TFMensajes::FormCreate(forms::Component&) {
    ImgOK->Cursor = trick::crApuntando;
    // The frame lies over the picture's edges: a move over it is a move
    // seen from the picture, or a frame left shown would never go away.
    BordeOK->OnMouseMove = [this](forms::Component& s, forms::ShiftState st, int x, int y) {
        ImgOKMouseMove(s, st, x + BordeOK->Left() - ImgOK->Left(),
                       y + BordeOK->Top() - ImgOK->Top());
    };
}

void TFMensajes::FormShow(forms::Component&) {
    BordeOK->SetVisible(false);
    // A window larger than the screen keeps its top (or left) edge on it.
    const forms::Screen& s = forms::Application::Current().GetScreen();
    SetBounds(std::max(0, (s.Width() - Width()) / 2), std::max(0, (s.Height() - Height()) / 2),
              Width(), Height());
}

void TFMensajes::FormKeyPress(forms::Component&, wchar_t&) { Close(); }

void TFMensajes::ImgOKClick(forms::Component&) { Close(); }

void TFMensajes::ImgOKMouseMove(forms::Component&, forms::ShiftState, int X, int Y) {
    // Strictly inside: the first row and column count as outside.
    if (X > 0 && X < ImgOK->Width() && Y > 0 && Y < ImgOK->Height()) {
        // Held, so that the move that leaves the picture still comes here.
        if (!ImgOK->MouseCapture()) ImgOK->SetMouseCapture(true);
        BordeOK->SetVisible(true);
    } else {
        ReleaseCapture();
        BordeOK->SetVisible(false);
    }
}

void TFMensajes::PanelInteriorMouseDown(forms::Component&, forms::MouseButton, forms::ShiftState,
                                        int, int) {
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, 0xF012, 0);  // SC_MOVE + 2: dragged as by a title bar
}

void ShowMensaje(const std::wstring& Text, TMensajeKind Kind) {
    auto ventana = std::make_unique<TFMensajes>();
    FMensajes = ventana.get();
    struct Olvidar {
        ~Olvidar() { FMensajes = nullptr; }
    } olvidar;
    Preparar(*ventana, Text, Kind);
    ventana->ShowModal();
}

}  // namespace mensajes
