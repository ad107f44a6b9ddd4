// The main window created for real from its layout and inspected.
#include "trick/UZafrena1.h"

#include <algorithm>

#include "tests/win/Harness.h"

namespace {

using namespace prueba;
using trick::TFZafrena1;

using VentanaPrincipal = PruebaWin;

TEST_F(VentanaPrincipal, IsCreatedHiddenWithTheFirstDealAndTheCursor) {
    entorno.azar.guion = {11};  // the secret symbol: 11 + 33
    TFZafrena1 f(entorno.servicios);
    EXPECT_FALSE(IsWindowVisible(f.Handle()));
    EXPECT_EQ(f.ClientWidth(), 792);
    EXPECT_EQ(f.ClientHeight(), 374);
    EXPECT_EQ(entorno.azar.randomizados, 1);
    EXPECT_EQ(entorno.azar.draws, 101);
    EXPECT_EQ(f.SimboloActual(), 44);
    EXPECT_NE(aplicacion.GetScreen().Cursor(trick::crApuntando), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(f.Sera->Cursor, trick::crApuntando);
    EXPECT_EQ(f.Autor->Cursor, trick::crApuntando);
    EXPECT_FALSE(f.Muestra->Visible());
    const LONG style = GetWindowLongW(f.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX) << "it can be minimised";
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME)) << "but not maximised or resized";
    EXPECT_TRUE(entorno.sonido.peticiones.empty()) << "no sound before the window is shown";
}

TEST_F(VentanaPrincipal, TheTableLabelsStandAtTheMeasuredPitch) {
    TFZafrena1 f(entorno.servicios);
    // The template "88" measured in the symbol font gives the pitch.
    ASSERT_EQ(f.Muestra->Width(), 40);
    ASSERT_EQ(f.Muestra->Height(), 23);
    const auto& e = f.EtiquetasActuales();
    for (int i = 0; i < 100; ++i) {
        SCOPED_TRACE(i);
        const int c = i % 10, r = i / 10;
        EXPECT_EQ(e[i]->Parent(), f.PanelPrin);
        EXPECT_EQ(e[i]->Left(), c * 80 + 5);
        EXPECT_EQ(e[100 + i]->Left(), c * 80 + 45);
        EXPECT_EQ(e[i]->Top(), r * 23 + 10);
        EXPECT_EQ(e[100 + i]->Top(), r * 23 + 10);
        EXPECT_EQ(e[i]->Caption(), trick::TextoNumero(i));
        EXPECT_EQ(e[100 + i]->GetFont().Name(), L"Wingdings");
        EXPECT_EQ(e[i]->GetFont().Size(), 16);
        EXPECT_EQ(e[100 + i]->GetFont().Color(), 0x00FFFFu);
        ASSERT_EQ(e[100 + i]->Caption().size(), 1u);
        const int code = e[100 + i]->Caption()[0];
        EXPECT_GE(code, 33);
        EXPECT_LE(code, 62);
        if (trick::EsCeldaSecreta(i)) {
            EXPECT_EQ(code, f.SimboloActual());
        }
        EXPECT_LE(e[100 + i]->BoundsRect().right, 792) << "the last column fits in the panel";
    }
}

TEST_F(VentanaPrincipal, CaptionAndInstructionsFollowTheUsersLanguage) {
    struct Caso {
        LANGID id;
        bool ingles;
    };
    const Caso casos[] = {{0x0C0A, false}, {0x0409, true}, {0x0809, true}, {0x0407, false}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.id);
        entorno.idioma.id = c.id;
        TFZafrena1 f(entorno.servicios);
        EXPECT_EQ(f.Caption(), c.ingles ? L"I foresee your thoughts. . ." : L"Adivino tus pensamientos...");
        const std::wstring& t = f.Explica->Caption();
        EXPECT_EQ(t.rfind(c.ingles ? L"Think of a two-digit number. Example 73\r"
                                   : L"Piensa un nº de dos cifras. Ejemplo el 73\r",
                          0),
                  0u);
        EXPECT_EQ(t.find(L'\n'), std::wstring::npos) << "lines are joined by CR alone";
        EXPECT_EQ(std::count(t.begin(), t.end(), L'\r'), 3);
    }
}

TEST_F(VentanaPrincipal, GradientsAreDrawnRowByRow) {
    TFZafrena1 f(entorno.servicios);
    f.Show();
    Pump(100);
    // Column 3 holds no label.
    HWND panel = f.PanelPrin->Handle();
    EXPECT_EQ(Pixel(panel, 3, 0), 0x000000u);
    EXPECT_EQ(Pixel(panel, 3, 127), 0x00007Fu);
    EXPECT_EQ(Pixel(panel, 3, 253), 0x0000FDu);
    EXPECT_EQ(Pixel(f.Handle(), 3, 0), 0xFC0000u);
    EXPECT_EQ(Pixel(f.Handle(), 3, 119), 0x000000u);
    EXPECT_EQ(GetFocus(), f.Sera->Handle()) << "the focus starts on Sera";
}

}  // namespace

namespace {

using namespace prueba;

TEST_F(PruebaWin, MinimisingTheMainWindowMinimisesTheProgramAndRestoringBringsItBack) {
    trick::TFZafrena1* principal = nullptr;
    aplicacion.CreateForm(principal, entorno.servicios);
    trick::TFZafrena1& f = *principal;
    ShowWindow(aplicacion.Handle(), SW_SHOWNA);
    f.Show();
    SendMessageW(f.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Pump(100);
    EXPECT_TRUE(IsIconic(aplicacion.Handle()));
    EXPECT_FALSE(IsWindowVisible(f.Handle()));
    SendMessageW(aplicacion.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    Pump(100);
    EXPECT_FALSE(IsIconic(aplicacion.Handle()));
    EXPECT_TRUE(IsWindowVisible(f.Handle()));
}

}  // namespace
