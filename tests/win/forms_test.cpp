// The form layer's behaviour on real windows: routing, capture, painting
// order, keyboard interface, modal loops, loader errors.
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/Form.h"
#include "forms/Layout.h"
#include "forms/Loader.h"
#include "forms/Recuento.h"
#include "forms/StdCtrls.h"
#include "tests/win/Harness.h"

namespace {

using namespace prueba;

class TFPrueba : public forms::Form {
public:
    explicit TFPrueba(const char* recurso = "TFPRUEBA") {
        forms::Bindings b;
        b.Field("Fondo", Fondo)
            .Field("Debajo", Debajo)
            .Field("Encima", Encima)
            .Field("Uno", Uno)
            .Field("Dos", Dos)
            .Handler("FormCreate", this, &TFPrueba::FormCreate)
            .Handler("FormClose", this, &TFPrueba::FormClose)
            .Handler("FormKeyPress", this, &TFPrueba::FormKeyPress)
            .Handler("FondoPaint", this, &TFPrueba::FondoPaint)
            .Handler("Pulsado", this, &TFPrueba::Pulsado)
            .Handler("Bajado", this, &TFPrueba::Bajado)
            .Handler("Subido", this, &TFPrueba::Subido)
            .Handler("Movido", this, &TFPrueba::Movido);
        Load(recurso, "TFPrueba", b);
    }
    forms::PaintBox* Fondo = nullptr;
    forms::Label* Debajo = nullptr;
    forms::Label* Encima = nullptr;
    forms::BitBtn* Uno = nullptr;
    forms::BitBtn* Dos = nullptr;
    std::vector<std::string> eventos;
    int creados = 0;
    forms::CloseAction cierre = forms::CloseAction::Hide;

    std::string Nombre(forms::Component& c) {
        return std::string(c.Name.begin(), c.Name.end());
    }
    void FormCreate(forms::Component&) { ++creados; }
    void FormClose(forms::Component&, forms::CloseAction& a) {
        eventos.push_back("close");
        a = cierre;
    }
    void FormKeyPress(forms::Component&, wchar_t& k) {
        eventos.push_back("key " + std::to_string(k));
        if (k == L'x') k = 0;
    }
    void FondoPaint(forms::Component&) {
        forms::Canvas& c = Fondo->GetCanvas();
        c.SetPenColor(0x00FF00);
        c.SetBrushColor(0x00FF00);
        c.Rectangle(0, 0, Fondo->Width(), Fondo->Height());
    }
    void Pulsado(forms::Component& s) { eventos.push_back("click " + Nombre(s)); }
    void Bajado(forms::Component& s, forms::MouseButton b, forms::ShiftState st, int x, int y) {
        eventos.push_back("down " + Nombre(s) + " " + std::to_string(static_cast<int>(b)) + " " +
                          std::to_string(st & forms::ssDouble ? 1 : 0) + " " + std::to_string(x) +
                          "," + std::to_string(y));
    }
    void Subido(forms::Component& s, forms::MouseButton, forms::ShiftState, int x, int y) {
        eventos.push_back("up " + Nombre(s) + " " + std::to_string(x) + "," + std::to_string(y));
    }
    void Movido(forms::Component& s, forms::ShiftState, int x, int y) {
        eventos.push_back("move " + Nombre(s) + " " + std::to_string(x) + "," + std::to_string(y));
    }
};

using Formularios = PruebaWin;

TEST_F(Formularios, LoadsHiddenBindsFieldsAndRunsTheCreateHandlerOnce) {
    TFPrueba f;
    EXPECT_EQ(f.creados, 1);
    EXPECT_FALSE(IsWindowVisible(f.Handle()));
    EXPECT_EQ(f.ClientWidth(), 300);
    EXPECT_EQ(f.ClientHeight(), 200);
    EXPECT_EQ(f.Encima->Caption(), L"Encima");
    // Labels size themselves to their text.
    EXPECT_GT(f.Encima->Width(), 10);
    EXPECT_GT(f.Encima->Height(), 5);
    EXPECT_EQ(f.Uno->Caption(), L"Uno");
}

TEST_F(Formularios, WindowsAreMadeOnFirstDemandWithTheWholeTreeOfTheirForm) {
    using forms::recuento::kUser;
    using forms::recuento::Vivos;
    const int antes = Vivos(kUser);
    TFPrueba f;
    EXPECT_FALSE(f.HandleAllocated());
    EXPECT_EQ(Vivos(kUser), antes) << "loaded, created, never shown: no window";
    EXPECT_EQ(f.Uno->Top(), 150);
    f.SetCaption(L"Otra");
    f.Hide();
    EXPECT_FALSE(f.HandleAllocated()) << "none of these needs the window";

    // Asking a button for its window makes the form's, and both buttons'.
    const HWND uno = f.Uno->Handle();
    ASSERT_TRUE(f.HandleAllocated());
    EXPECT_TRUE(f.Dos->HandleAllocated());
    EXPECT_EQ(GetParent(uno), f.Handle());
    EXPECT_EQ(Vivos(kUser), antes + 3);
    wchar_t titulo[16];
    GetWindowTextW(f.Handle(), titulo, 16);
    EXPECT_STREQ(titulo, L"Otra");
    RECT r;
    GetClientRect(f.Handle(), &r);
    EXPECT_EQ(r.right, 300);
    EXPECT_EQ(r.bottom, 200);
}

TEST_F(Formularios, ShowMakesTheFormVisibleBeforeItsShowEventRuns) {
    TFPrueba f;
    bool visibleEnElEvento = false;
    int eventos = 0;
    f.OnShow = [&](forms::Component&) {
        ++eventos;
        visibleEnElEvento = IsWindowVisible(f.Handle()) != FALSE;
    };
    f.Show();
    EXPECT_EQ(eventos, 1);
    EXPECT_TRUE(visibleEnElEvento);
    EXPECT_EQ(GetForegroundWindow(), f.Handle()) << "then brought to the front";
}

TEST_F(Formularios, ATimerMakesItsWindowOnlyWhenItTicks) {
    using forms::recuento::kUser;
    using forms::recuento::Vivos;
    TFPrueba f;
    const int antes = Vivos(kUser);
    forms::Timer* t = f.AddTimer();
    t->SetInterval(10);
    EXPECT_EQ(Vivos(kUser), antes) << "no handler yet, so no ticks";
    int ticks = 0;
    t->OnTimer = [&](forms::Component&) { ++ticks; };
    t->SetEnabled(true);
    EXPECT_EQ(Vivos(kUser), antes + 1);
    Pump(100);
    EXPECT_GT(ticks, 0);
}

TEST_F(Formularios, EqualFontsShareOneHandleAndAChangedOneGetsItsOwn) {
    using forms::recuento::kGdi;
    using forms::recuento::Vivos;
    TFPrueba f;
    const int antes = Vivos(kGdi);
    std::vector<forms::Label*> etiquetas;
    for (int i = 0; i < 50; ++i) {
        forms::Label* l = f.Add<forms::Label>();
        l->GetFont().SetName(L"Arial");
        l->GetFont().SetSize(12);
        l->SetCaption(L"00");
        etiquetas.push_back(l);
    }
    EXPECT_EQ(Vivos(kGdi), antes + 1) << "fifty labels, one font";
    const HFONT comun = etiquetas[0]->GetFont().Handle();
    EXPECT_EQ(etiquetas[49]->GetFont().Handle(), comun);
    const int ancho = etiquetas[0]->Width();

    etiquetas[0]->GetFont().SetSize(24);
    EXPECT_NE(etiquetas[0]->GetFont().Handle(), comun);
    EXPECT_EQ(etiquetas[1]->GetFont().Handle(), comun) << "the others keep theirs";
    EXPECT_GT(etiquetas[0]->Width(), ancho) << "measured with its own font";
    EXPECT_EQ(Vivos(kGdi), antes + 2);

    // Back to the shared size: the big font goes once nobody holds it.
    etiquetas[0]->GetFont().SetSize(12);
    EXPECT_EQ(etiquetas[0]->GetFont().Handle(), comun);
    EXPECT_EQ(etiquetas[0]->Width(), ancho);
    EXPECT_EQ(Vivos(kGdi), antes + 1);
}

TEST_F(Formularios, PicturesDecodeOnFirstUseAndCopiesOfUndecodedOnesCostNothing) {
    using forms::recuento::kGdi;
    using forms::recuento::Vivos;
    const int antes = Vivos(kGdi);
    forms::Picture p, copia;
    p.LoadResource(L"BBOK");
    EXPECT_FALSE(p.Empty());
    EXPECT_EQ(p.Width(), 18);
    EXPECT_EQ(p.Height(), 18);
    copia.Assign(p);
    EXPECT_EQ(copia.Width(), 18);
    EXPECT_EQ(Vivos(kGdi), antes) << "nothing decoded yet";

    BITMAP bm{};
    ASSERT_TRUE(GetObjectW(copia.Handle(), sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, 18);
    EXPECT_EQ(Vivos(kGdi), antes + 1);
    forms::Picture decodificada;
    decodificada.Assign(copia);  // a decoded picture is copied pixel for pixel
    EXPECT_EQ(Vivos(kGdi), antes + 2);
    EXPECT_NE(decodificada.Handle(), copia.Handle());
    EXPECT_THROW(p.LoadResource(L"NO_SUCH_BITMAP"), std::runtime_error);
}

TEST_F(Formularios, BrokenLayoutsAreReportedWithResourceLineAndReason) {
    struct Caso {
        const char* recurso;
        const char* mensaje;
    };
    const Caso casos[] = {
        {"TFROTO_KIND", "TFROTO_KIND, line 2: control 'Fondo' is not of the kind its field expects"},
        {"TFROTO_PROP", "TFROTO_PROP, line 4: unknown property 'Colour' for TPaintBox"},
        {"TFROTO_FALTA", "TFROTO_FALTA, line 1: control 'Debajo' is missing"},
        {"TFROTO_HANDLER", "TFROTO_HANDLER, line 3: handler 'FormClose' does not fit OnPaint"},
        {"TFROTO_PICTURE", "TFROTO_PICTURE, line 3: bitmap resource 'NO_SUCH_BITMAP' not found"},
        {"TFNO_EXISTE", "TFNO_EXISTE, line 0: layout resource not found"},
    };
    for (const Caso& c : casos) {
        try {
            TFPrueba f(c.recurso);
            ADD_FAILURE() << c.recurso << " was accepted";
        } catch (const forms::LayoutError& e) {
            EXPECT_STREQ(e.what(), c.mensaje);
        }
    }
}

TEST_F(Formularios, AClickGoesToTheTopmostVisibleGraphicControlUnderThePoint) {
    TFPrueba f;
    f.Show();
    // (22, 14) lies in both labels; Encima was added later, so it is on top.
    Clic(f.Handle(), 22, 14);
    // (12, 12) lies only in Debajo (and in the hidden label, which takes nothing).
    Clic(f.Handle(), 12, 12);
    // The bare paint box has no click handler.
    Clic(f.Handle(), 250, 100);
    const std::vector<std::string> esperado{
        "down Encima 0 0 2,2", "click Encima", "up Encima 2,2",
        "down Debajo 0 0 2,2", "click Debajo", "up Debajo 2,2"};
    EXPECT_EQ(f.eventos, esperado);
}

TEST_F(Formularios, CaptureRoutesEveryMouseMessageToTheControlThatHoldsIt) {
    TFPrueba f;
    f.Show();
    Pulsar(f.Handle(), 12, 12);  // the left button captures
    EXPECT_TRUE(f.Debajo->MouseCapture());
    EXPECT_EQ(GetCapture(), f.Handle());
    Mover(f.Handle(), 250, 150, MK_LBUTTON);  // far outside: still Debajo
    Soltar(f.Handle(), 250, 150);             // released outside: no click
    EXPECT_FALSE(f.Debajo->MouseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    const std::vector<std::string> esperado{"down Debajo 0 0 2,2", "move Debajo 240,140",
                                            "up Debajo 240,140"};
    EXPECT_EQ(f.eventos, esperado);
}

TEST_F(Formularios, RightButtonAndDoubleClickNeverClick) {
    TFPrueba f;
    f.Show();
    Pulsar(f.Handle(), 12, 12, WM_RBUTTONDOWN, MK_RBUTTON);
    Soltar(f.Handle(), 12, 12, WM_RBUTTONUP);
    Pulsar(f.Handle(), 12, 12);
    Soltar(f.Handle(), 12, 12);
    Pulsar(f.Handle(), 12, 12, WM_LBUTTONDBLCLK);
    Soltar(f.Handle(), 12, 12);
    const std::vector<std::string> esperado{
        "down Debajo 1 0 2,2", "up Debajo 2,2",                      // right: no click
        "down Debajo 0 0 2,2", "click Debajo", "up Debajo 2,2",      // single click
        "down Debajo 0 1 2,2", "up Debajo 2,2"};                     // second press of a double
    EXPECT_EQ(f.eventos, esperado);
}

TEST_F(Formularios, GraphicControlsPaintInTheOrderTheyWereAdded) {
    TFPrueba f;
    f.Show();
    Pump(100);
    // The paint box fills everything green; the labels paint over it.
    EXPECT_EQ(Pixel(f.Handle(), 250, 100), 0x00FF00u);
    const RECT r = f.Encima->BoundsRect();
    bool rojo = false;
    for (int x = r.left; x < r.right && !rojo; ++x)
        for (int y = r.top; y < r.bottom && !rojo; ++y) rojo = Pixel(f.Handle(), x, y) == 0x0000FFu;
    EXPECT_TRUE(rojo) << "the red caption of the upper label is drawn";
}

TEST_F(Formularios, KeyboardTabOrderEnterAndSpacePressButtons) {
    TFPrueba f;
    f.Show();
    Pump(50);
    EXPECT_EQ(GetFocus(), f.Dos->Handle()) << "tab order 0 has the focus";
    Tecla(VK_TAB);
    Pump(50);
    EXPECT_EQ(GetFocus(), f.Uno->Handle());
    Tecla(VK_RETURN);  // Enter presses the focused button
    Pump(50);
    Tecla(VK_SPACE);
    Pump(50);
    Tecla(L'X');  // key preview eats it
    Pump(50);
    // Posted keys: the typed space reaches the key preview after the release.
    const std::vector<std::string> esperado{"click Uno", "click Uno", "key 32", "key 120"};
    EXPECT_EQ(f.eventos, esperado);
}

TEST_F(Formularios, ModalShowEndsWithTheButtonsResultOrCancelOnClose) {
    TFPrueba principal;
    principal.Show();
    TFPrueba modal;
    Luego(50, [&] {
        EXPECT_FALSE(IsWindowEnabled(principal.Handle())) << "others are disabled while modal";
        Tecla(VK_RETURN);  // the default button has the modal result OK
    });
    EXPECT_EQ(modal.ShowModal(), forms::mrOk);
    EXPECT_TRUE(IsWindowEnabled(principal.Handle()));
    EXPECT_FALSE(IsWindowVisible(modal.Handle()));
    EXPECT_EQ(modal.eventos, (std::vector<std::string>{"click Dos", "close"}));

    modal.eventos.clear();
    Luego(50, [&] { PostMessageW(modal.Handle(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(modal.ShowModal(), forms::mrCancel);
    EXPECT_EQ(modal.eventos, (std::vector<std::string>{"close"}));
}

TEST_F(Formularios, AnErrorInAHandlerIsReportedAndTheLoopGoesOn) {
    TFPrueba f;
    f.Show();
    f.Encima->OnClick = [](forms::Component&) { throw std::runtime_error("algo salió mal"); };
    std::wstring visto;
    // The report is a message box: read it and close it from inside its loop.
    Luego(100, [&] {
        HWND box = FindWindowW(nullptr, aplicacion.Title().c_str());
        ASSERT_NE(box, nullptr);
        wchar_t texto[256] = {};
        GetDlgItemTextW(box, 0xFFFF, texto, 256);
        visto = texto;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    Clic(f.Handle(), 22, 14);
    EXPECT_EQ(visto, L"algo salió mal");
    Clic(f.Handle(), 12, 12);
    EXPECT_EQ(f.eventos.back(), "up Debajo 2,2");
}

TEST_F(Formularios, ApplicationTitleComesFromTheExecutableName) {
    EXPECT_EQ(aplicacion.Title(), L"Win_tests");
}

}  // namespace

namespace {

TEST(Recuento, OwnersCountWhatTheyHoldAndMovesDoNotCountTwice) {
    using forms::recuento::kGdi;
    using forms::recuento::Vivos;
    const int antes = Vivos(kGdi);
    {
        forms::Brush a(CreateSolidBrush(0x123456));
        EXPECT_EQ(Vivos(kGdi), antes + 1);
        forms::Brush b(std::move(a));
        EXPECT_EQ(Vivos(kGdi), antes + 1);
        forms::Brush c(CreateSolidBrush(0x654321));
        c = std::move(b);  // c's own brush is deleted
        EXPECT_EQ(Vivos(kGdi), antes + 1);
        c.Reset(CreateSolidBrush(0));
        EXPECT_EQ(Vivos(kGdi), antes + 1);
        forms::MemoryDC dc(nullptr);
        EXPECT_EQ(Vivos(kGdi), antes + 2);
    }
    EXPECT_EQ(Vivos(kGdi), antes);
}

}  // namespace
