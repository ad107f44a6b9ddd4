// The reveal and the sound cues around it, on real windows.
#include <windows.h>
#include <mmsystem.h>

#include "trick/UZafrena1.h"
#include "trick/UZafrena2.h"
#include "tests/win/Harness.h"

namespace {

using namespace prueba;
using trick::TFZafrena1;
using trick::TFZafrena2;

constexpr DWORD kLoop = SND_ASYNC | SND_MEMORY | SND_LOOP;

using Revelacion = PruebaWin;

TEST_F(Revelacion, TheRevealWindowIsLaidOutAsABlackDialog) {
    TFZafrena2 r;
    EXPECT_FALSE(IsWindowVisible(r.Handle()));
    EXPECT_EQ(r.Caption(), L"Lo que has pensado es...");
    EXPECT_EQ(r.ClientWidth(), 427);
    EXPECT_EQ(r.ClientHeight(), 217);
    const LONG style = GetWindowLongW(r.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(r.LSolucion->BoundsRect().right - r.LSolucion->Left(), 57);
    EXPECT_EQ(r.LSolucion->GetFont().Color(), 0x00FF00u);
    EXPECT_TRUE(r.Aceptar->Default());
    EXPECT_EQ(r.Aceptar->ModalResult(), forms::mrOk);
    EXPECT_EQ(r.Aceptar->Cursor, trick::crApuntando);
    EXPECT_EQ(r.Label1->Caption(), L"Te he leido el pensamiento");
    EXPECT_EQ(r.Label2->Caption(), L"Los ordenadores lo sabemos todo.....");
}

// A reveal closed in each way the user can close it: the symbol shown is the
// secret of the table in use, a new table comes after, the main window is
// back, and the sounds follow the cue order.
TEST_F(Revelacion, EveryWayOfClosingEndsTheRevealTheSameWay) {
    struct Caso {
        const char* como;
        std::function<void(HWND)> cerrar;
    };
    const Caso casos[] = {
        {"Enter", [](HWND) { Tecla(VK_RETURN); }},
        {"Space", [](HWND) { Tecla(VK_SPACE); }},
        {"close button", [](HWND h) { PostMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4", [](HWND h) { PostMessageW(h, WM_CLOSE, 0, 0); }},
    };
    TFZafrena1 f(entorno.servicios);
    f.Show();
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.como);
        entorno.sonido.peticiones.clear();
        const int secreto = f.SimboloActual();
        const int draws = entorno.azar.draws;
        std::wstring mostrado;
        bool principalOculta = false;
        Luego(100, [&] {
            HWND h = GetActiveWindow();
            auto* r = dynamic_cast<TFZafrena2*>(forms::Window::FromHandle(h));
            ASSERT_NE(r, nullptr) << "the reveal window is the active one";
            mostrado = r->LSolucion->Caption();
            principalOculta = !IsWindowVisible(f.Handle());
            EXPECT_EQ(GetFocus(), r->Aceptar->Handle());
            EXPECT_EQ(entorno.azar.draws, draws) << "no deal while the reveal is up";
            c.cerrar(h);
        });
        f.Sera->Click();
        EXPECT_EQ(mostrado, std::wstring(1, static_cast<wchar_t>(secreto)));
        EXPECT_TRUE(principalOculta);
        EXPECT_TRUE(IsWindowVisible(f.Handle()));
        EXPECT_EQ(entorno.azar.draws, draws + 101) << "a new table after the reveal";
        EXPECT_EQ(entorno.sonido.Nombres(), (std::vector<std::string>{"SERA", "ENTRADA", "ENTRADA"}));
        for (const auto& p : entorno.sonido.peticiones) EXPECT_EQ(p.flags, kLoop);
    }
}

TEST_F(Revelacion, EscapeDoesNotCloseTheReveal) {
    TFZafrena1 f(entorno.servicios);
    f.Show();
    bool seguia = false;
    Luego(100, [&] { Tecla(VK_ESCAPE); });
    Luego(300, [&] {
        HWND h = GetActiveWindow();
        seguia = dynamic_cast<TFZafrena2*>(forms::Window::FromHandle(h)) != nullptr;
        Tecla(VK_RETURN);
    });
    f.Sera->Click();
    EXPECT_TRUE(seguia);
}

TEST_F(Revelacion, ShowingTheMainWindowStartsTheEntranceLoop) {
    TFZafrena1 f(entorno.servicios);
    EXPECT_TRUE(entorno.sonido.peticiones.empty());
    f.Show();
    ASSERT_EQ(entorno.sonido.peticiones.size(), 1u);
    EXPECT_EQ(entorno.sonido.peticiones[0].nombre, "ENTRADA");
    EXPECT_EQ(entorno.sonido.peticiones[0].flags, kLoop);
}

TEST_F(Revelacion, ThePlayerFindsSoundsByNameAndStopsOnUnknownOnes) {
    struct Caso {
        const char* nombre;
        bool activado;
        std::vector<std::string> oido;  // one entry per sound call; "" is a stop
    };
    const Caso casos[] = {
        {"ENTRADA", true, {"ENTRADA"}},
        {"SERA", true, {"SERA"}},
        {"ACERCA", true, {"ACERCA"}},
        {"", true, {""}},       // the empty name stops what plays
        {"SI", true, {""}},     // so does a name that is not a resource
        {"SERA", false, {}},    // a disabled player leaves everything as it is
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        entorno.sonido.peticiones.clear();
        app::ReproducirRecurso(entorno.sonido, nullptr, c.activado, c.nombre, kLoop);
        EXPECT_EQ(entorno.sonido.Nombres(), c.oido);
    }
}

}  // namespace
