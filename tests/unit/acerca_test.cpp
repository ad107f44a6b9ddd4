#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "about/Reglas.h"

namespace {

using namespace about;

TEST(Credito, RunsTheAuthorIntoEighteenBlanks) {
    const std::wstring c = Credito(L"Álvaro Berrocal de la Fuente");
    EXPECT_EQ(c, L"Programa realizado por Álvaro Berrocal de la Fuente                  ");
    EXPECT_EQ(c.size(), 69u);
}

TEST(Credito, ComesBackToItsStartAfterOneTickPerCharacter) {
    const std::wstring inicio = Credito(L"Ana Sol");
    std::wstring s = inicio;
    s = Rotar(s);
    EXPECT_EQ(s, L"rograma realizado por Ana Sol                  P");
    for (std::size_t i = 1; i < inicio.size(); ++i) {
        EXPECT_NE(s, inicio) << "back at the start too early, after " << i << " ticks";
        s = Rotar(s);
    }
    EXPECT_EQ(s, inicio);
}

TEST(Credito, ShortCaptionsStayAsTheyAre) {
    EXPECT_EQ(Rotar(L""), L"");
    EXPECT_EQ(Rotar(L"Z"), L"Z");
    EXPECT_EQ(Rotar(L"ab"), L"ba");
}

TEST(NotaDelAutor, NeedsCtrlAndTheRightButtonTogether) {
    constexpr unsigned shift = 0x01, alt = 0x02, ctrl = 0x04, left = 0x08, right = 0x10,
                       middle = 0x20, dbl = 0x40;
    struct Caso {
        unsigned estado;
        bool nota;
    };
    const Caso casos[] = {
        {ctrl | right, true},
        {ctrl | right | shift, true},
        {ctrl | right | alt | left | middle | dbl, true},
        {right, false},
        {ctrl | left, false},
        {ctrl | middle, false},
        {shift | right, false},
        {0, false},
    };
    for (const Caso& c : casos) EXPECT_EQ(PideNota(c.estado), c.nota) << std::hex << c.estado;
}

TEST(Enlaces, TheFirstRowAndColumnCountAsOutside) {
    struct Caso {
        int x, y;
        bool dentro;
    };
    const int w = 117, h = 13;
    const Caso casos[] = {
        {0, 5, false}, {5, 0, false}, {1, 1, true},   {w - 1, h - 1, true},
        {w, 5, false}, {5, h, false}, {-1, 5, false}, {5, -3, false},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(DentroDelEnlace(c.x, c.y, w, h), c.dentro) << c.x << "," << c.y;
}

TEST(Enlaces, TheMailRequestRunsTogetherWithoutBlanks) {
    EXPECT_EQ(PeticionDeCorreo(L"zafrena@quorvel.example"),
              L"Mailto:zafrena@quorvel.example?Subject=Quorvel");
    // Nothing is escaped.
    EXPECT_EQ(PeticionDeCorreo(L"a b&c"), L"Mailto:a b&c?Subject=Quorvel");
}

// Drives the colour rules as the platform raises the events: a press, then on
// the release the click (single press released inside) and the mouse-up.
class Secuencia {
public:
    Color guardado = 0x123456, pulsado = kPurpura;
    ColoresEnlaces c{kRojo, kRojo};

    void Mover(Enlace e, bool dentro) { c.Mover(e, dentro ? 5 : 0, 5, 100, 13); }
    void Pulsar(Boton b = Boton::Izquierdo) { c.Pulsar(b, guardado, pulsado); }
    void Soltar(Enlace e, bool clic, Boton b = Boton::Izquierdo) {
        if (clic && e == Enlace::Correo) c.ClicCorreo();
        c.Soltar(b, guardado);
    }
};

struct Paso {
    const char* que;
    std::function<void(Secuencia&)> hacer;
    Color web, correo;
};

void Recorrer(const std::vector<Paso>& pasos) {
    Secuencia s;
    for (const Paso& p : pasos) {
        SCOPED_TRACE(p.que);
        p.hacer(s);
        EXPECT_EQ(s.c.Web(), p.web);
        EXPECT_EQ(s.c.Correo(), p.correo);
    }
}

constexpr auto W = Enlace::Web;
constexpr auto C = Enlace::Correo;

TEST(Enlaces, FollowTheStepByStepTable) {
    Recorrer({
        {"onto the web link", [](Secuencia& s) { s.Mover(W, true); }, kBlanco, kRojo},
        {"press on it", [](Secuencia& s) { s.Pulsar(); }, kPurpura, kRojo},
        {"release on it", [](Secuencia& s) { s.Soltar(W, true); }, kBlanco, kRojo},
        {"leave it", [](Secuencia& s) { s.Mover(W, false); }, kRojo, kRojo},
        {"onto the e-mail link", [](Secuencia& s) { s.Mover(C, true); }, kRojo, kBlanco},
        {"press on it", [](Secuencia& s) { s.Pulsar(); }, kPurpura, kBlanco},
        {"release on it", [](Secuencia& s) { s.Soltar(C, true); }, kRojo, kRojo},
        {"move within it", [](Secuencia& s) { s.Mover(C, true); }, kRojo, kBlanco},
    });
}

TEST(Enlaces, APressSavesTheWebLinksColourForItsRelease) {
    Secuencia s;
    s.Mover(C, true);
    s.Pulsar();
    EXPECT_EQ(s.guardado, kRojo) << "the web link's colour, not the pressed link's";
    s.pulsado = 0x00AA00;  // whatever FormCreate set last
    s.Mover(W, true);
    s.Pulsar();
    EXPECT_EQ(s.guardado, kBlanco);
    EXPECT_EQ(s.c.Web(), 0x00AA00u);
}

TEST(Enlaces, RightAndMiddleButtonsChangeNoColour) {
    for (Boton b : {Boton::Derecho, Boton::Central}) {
        Recorrer({
            {"onto the web link", [](Secuencia& s) { s.Mover(W, true); }, kBlanco, kRojo},
            {"press", [b](Secuencia& s) { s.Pulsar(b); }, kBlanco, kRojo},
            {"release", [b](Secuencia& s) { s.Soltar(W, false, b); }, kBlanco, kRojo},
        });
    }
}

TEST(Enlaces, ADoubleClicksSecondPressStillTurnsTheWebLinkPurple) {
    Recorrer({
        {"onto the web link", [](Secuencia& s) { s.Mover(W, true); }, kBlanco, kRojo},
        {"first press", [](Secuencia& s) { s.Pulsar(); }, kPurpura, kRojo},
        {"first release clicks", [](Secuencia& s) { s.Soltar(W, true); }, kBlanco, kRojo},
        {"second press", [](Secuencia& s) { s.Pulsar(); }, kPurpura, kRojo},
        {"second release, no click", [](Secuencia& s) { s.Soltar(W, false); }, kBlanco, kRojo},
    });
}

TEST(Enlaces, LeavingThePressedEmailLinkLeavesTheWebLinkPurple) {
    Recorrer({
        {"onto the e-mail link", [](Secuencia& s) { s.Mover(C, true); }, kRojo, kBlanco},
        {"press", [](Secuencia& s) { s.Pulsar(); }, kPurpura, kBlanco},
        {"move off", [](Secuencia& s) { s.Mover(C, false); }, kPurpura, kRojo},
        // The release lands elsewhere: no link sees it.
        {"onto the web link", [](Secuencia& s) { s.Mover(W, true); }, kBlanco, kRojo},
    });
}

}  // namespace
