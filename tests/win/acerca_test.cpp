// The About window created for real and driven with real mouse and key
// messages; the main window's clicks that open it.
#include <windows.h>
// after windows.h
#include <mmsystem.h>

#include <array>
#include <atomic>
#include <chrono>
#include <thread>

#include "about/FrmAcerca.h"
#include "app/Ajustes.h"
#include "tests/win/Harness.h"
#include "trick/UZafrena1.h"

namespace {

using namespace prueba;
using about::TFAcerca;

constexpr DWORD kUnaVez = SND_ASYNC | SND_MEMORY;
constexpr DWORD kBucle = SND_ASYNC | SND_MEMORY | SND_LOOP;

// The About window that is up, if any.
TFAcerca* AcercaActiva() {
    return dynamic_cast<TFAcerca*>(forms::Window::FromHandle(GetActiveWindow()));
}

class Acerca : public PruebaWin {
protected:
    void SetUp() override {
        aplicacion.GetScreen().SetCursor(trick::crApuntando, LoadCursorW(nullptr, IDC_HAND));
        about::SoundModule = nullptr;
        about::SoundEnabled = true;
    }
};

// Left, top, width, height.
std::array<int, 4> Caja(const forms::Control& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

// A point inside a label, in its parent's client coordinates.
POINT En(const forms::Control& c, int dx = 5, int dy = 5) {
    return POINT{c.Left() + dx, c.Top() + dy};
}

TEST_F(Acerca, IsABorderlessCentredWindowLaidOutFromItsLayout) {
    about::ColorGuardado = 0x123456;
    about::ColorPulsado = 0x654321;
    TFAcerca a(entorno.servicios);
    EXPECT_FALSE(IsWindowVisible(a.Handle()));
    EXPECT_EQ(a.Caption(), L"Acerca de Zafrena");
    EXPECT_EQ(a.ClientWidth(), 398);
    EXPECT_EQ(a.ClientHeight(), 306);
    const LONG style = GetWindowLongW(a.Handle(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU));
    EXPECT_TRUE(a.KeyPreview);
    EXPECT_EQ(a.Image1->Parent(), a.Panel1);
    EXPECT_EQ(Caja(*a.Image1), (std::array<int, 4>{11, 11, 372, 280})) << "the panel's inner area";
    EXPECT_FALSE(a.ImgSin->Visible());
    EXPECT_FALSE(a.ImgCon->Visible());
    EXPECT_EQ(Caja(*a.Boton), (std::array<int, 4>{96, 24, 106, 39}));
    EXPECT_EQ(a.Boton->Parent(), a.PanelBoton);
    EXPECT_EQ(a.Titulo->Caption(), L"Zafrena");
    EXPECT_EQ(a.Titulo->GetFont().Color(), 0x00FFFFu);
    EXPECT_EQ(a.Label1->Caption(), L"Correo electrónico:");
    EXPECT_EQ(a.Label2->Caption(), L"Web:");
    EXPECT_EQ(a.Marquesina->Caption(), about::Credito(ajustes::kAutor));
    EXPECT_EQ(Caja(*a.Marquesina), (std::array<int, 4>{40, 168, 321, 13}));
    EXPECT_EQ(a.Timer1->Interval(), 200);
    EXPECT_FALSE(a.Timer1->Enabled()) << "a hidden About window does not tick";
    a.Show();
    EXPECT_TRUE(a.Timer1->Enabled()) << "the credit scrolls once it is shown";
    a.Hide();
    // FormCreate.
    EXPECT_EQ(a.LabelMiWeb->Caption(), ajustes::kWebSite);
    EXPECT_EQ(a.LabelCorreo->Caption(), ajustes::kEmail);
    for (const forms::Control* c :
         {static_cast<forms::Control*>(a.LabelMiWeb), static_cast<forms::Control*>(a.LabelCorreo),
          static_cast<forms::Control*>(a.Boton)})
        EXPECT_EQ(c->Cursor, trick::crApuntando) << std::string(c->Name.begin(), c->Name.end());
    EXPECT_EQ(about::ColorGuardado, about::kRojo);
    EXPECT_EQ(about::ColorPulsado, about::kPurpura);
    // Right-justified, sized to their text: the right edges stay put.
    EXPECT_EQ(a.LabelMiWeb->BoundsRect().right, 287);
    EXPECT_EQ(a.LabelCorreo->BoundsRect().right, 287);
    EXPECT_LT(a.LabelCorreo->Left(), 287 - 60);
    EXPECT_EQ(a.LabelMiWeb->Top(), 112);
    EXPECT_EQ(a.LabelCorreo->Top(), 96);

    a.Show();
    Pump(100);
    RECT r;
    GetWindowRect(a.Handle(), &r);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 398) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 306) / 2);
    // The background picture, stretched: its grey frame at the edge of the
    // inner area, its black screen in the middle.
    const COLORREF borde = Pixel(a.Panel1->Handle(), 12, 150);
    EXPECT_GT(GetRValue(borde), 150);
    EXPECT_EQ(Pixel(a.Panel1->Handle(), 300, 150), 0x000000u);
}

// Records each shell request with the web link's colour at that moment.
class ShellConColor : public ShellGrabado {
public:
    void Execute(HWND owner, const std::wstring& verb, const std::wstring& file,
                 const std::wstring& parameters, int show) override {
        ShellGrabado::Execute(owner, verb, file, parameters, show);
        colorWeb.push_back(web ? web->GetFont().Color() : 0);
    }
    forms::Label* web = nullptr;
    std::vector<COLORREF> colorWeb;
};

TEST_F(Acerca, TheLinksFollowTheStepByStepTable) {
    ShellConColor shell;
    app::Servicios servicios{entorno.azar, entorno.idioma, entorno.sonido, shell, entorno.conexion};
    TFAcerca a(servicios);
    shell.web = a.LabelMiWeb;
    a.Show();
    entorno.sonido.peticiones.clear();  // the jingle of the show
    HWND panel = a.Panel1->Handle();
    const POINT web = En(*a.LabelMiWeb), correo = En(*a.LabelCorreo), fuera{20, 250};
    struct Paso {
        const char* que;
        std::function<void()> hacer;
        COLORREF web, correo;
        std::size_t peticiones;
        const forms::Control* captura;
    };
    const Paso pasos[] = {
        {"pointer onto the web link", [&] { Mover(panel, web.x, web.y); }, about::kBlanco,
         about::kRojo, 0, a.LabelMiWeb},
        {"left press on the web link", [&] { Pulsar(panel, web.x, web.y); }, about::kPurpura,
         about::kRojo, 0, a.LabelMiWeb},
        {"released on the web link", [&] { Soltar(panel, web.x, web.y); }, about::kBlanco,
         about::kRojo, 1, nullptr},
        {"pointer back on the web link", [&] { Mover(panel, web.x + 1, web.y); }, about::kBlanco,
         about::kRojo, 1, a.LabelMiWeb},
        {"pointer leaves the web link", [&] { Mover(panel, fuera.x, fuera.y); }, about::kRojo,
         about::kRojo, 1, nullptr},
        {"pointer onto the e-mail link", [&] { Mover(panel, correo.x, correo.y); }, about::kRojo,
         about::kBlanco, 1, a.LabelCorreo},
        {"left press on the e-mail link", [&] { Pulsar(panel, correo.x, correo.y); },
         about::kPurpura, about::kBlanco, 1, a.LabelCorreo},
        {"released on the e-mail link", [&] { Soltar(panel, correo.x, correo.y); }, about::kRojo,
         about::kRojo, 2, nullptr},
        {"pointer moves within the e-mail link", [&] { Mover(panel, correo.x + 1, correo.y); },
         about::kRojo, about::kBlanco, 2, a.LabelCorreo},
    };
    for (const Paso& p : pasos) {
        SCOPED_TRACE(p.que);
        p.hacer();
        EXPECT_EQ(a.LabelMiWeb->GetFont().Color(), p.web);
        EXPECT_EQ(a.LabelCorreo->GetFont().Color(), p.correo);
        EXPECT_EQ(shell.peticiones.size(), p.peticiones);
        EXPECT_EQ(a.Panel1->CaptureControl(), p.captura);
        EXPECT_EQ(GetCapture(), p.captura ? panel : nullptr);
    }
    ASSERT_EQ(shell.peticiones.size(), 2u);
    const auto& w = shell.peticiones[0];
    EXPECT_EQ(w.owner, aplicacion.Handle());
    EXPECT_EQ(w.verb, L"open");
    EXPECT_EQ(w.file, ajustes::kWebSite);
    EXPECT_EQ(w.parameters, L"");
    EXPECT_EQ(w.show, SW_SHOWNORMAL);
    const auto& m = shell.peticiones[1];
    EXPECT_EQ(m.owner, nullptr);
    EXPECT_EQ(m.verb, L"open");
    EXPECT_EQ(m.file, std::wstring(L"Mailto:") + ajustes::kEmail + L"?Subject=Quorvel");
    EXPECT_EQ(m.parameters, L"");
    EXPECT_EQ(m.show, SW_SHOWNORMAL);
    // Both clicks run while the web link is still purple, before the mouse-up.
    EXPECT_EQ(shell.colorWeb, (std::vector<COLORREF>{about::kPurpura, about::kPurpura}));
    // "SI" is no sound: each click stops what plays, once.
    ASSERT_EQ(entorno.sonido.peticiones.size(), 2u);
    for (const auto& s : entorno.sonido.peticiones) {
        EXPECT_EQ(s.nombre, "");
        EXPECT_EQ(s.flags, kUnaVez);
    }
    // What the user sees: the lit e-mail link is drawn white (the font may smooth it).
    // (Painted at once: pumping would let the real pointer's moves in.)
    bool blanco = false;
    for (int x = a.LabelCorreo->Left(); x < 287 && !blanco; ++x)
        for (int y = a.LabelCorreo->Top(); y < a.LabelCorreo->BoundsRect().bottom; ++y)
            if (const COLORREF c = Pixel(panel, x, y);
                GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200)
                blanco = true;
    EXPECT_TRUE(blanco);
}

TEST_F(Acerca, TheCaptureIsHeldStrictlyInsideALink) {
    TFAcerca a(entorno.servicios);
    a.Show();
    HWND panel = a.Panel1->Handle();
    for (forms::Label* l : {a.LabelMiWeb, a.LabelCorreo}) {
        const int w = l->Width(), h = l->Height();
        struct Caso {
            int x, y;
            bool dentro;
        };
        const Caso casos[] = {{0, h / 2, false}, {w / 2, 0, false}, {w - 1, h - 1, true},
                              {1, 1, true},      {w - 1, 1, true},  {w, h / 2, false},
                              {w / 2, h, false}};
        for (const Caso& c : casos) {
            SCOPED_TRACE(::testing::Message() << l->Caption().size() << " " << c.x << "," << c.y);
            Mover(panel, l->Left() + w / 2, l->Top() + h / 2);  // lit, holding the capture
            ASSERT_TRUE(l->MouseCapture());
            Mover(panel, l->Left() + c.x, l->Top() + c.y);
            EXPECT_EQ(l->MouseCapture(), c.dentro);
            EXPECT_EQ(GetCapture(), c.dentro ? panel : nullptr);
            EXPECT_EQ(l->GetFont().Color(), c.dentro ? about::kBlanco : about::kRojo);
        }
    }
}

TEST_F(Acerca, OtherButtonsDoubleClicksAndReleasesElsewhere) {
    TFAcerca a(entorno.servicios);
    a.Show();
    HWND panel = a.Panel1->Handle();
    const POINT web = En(*a.LabelMiWeb), correo = En(*a.LabelCorreo);
    auto& shell = entorno.shell.peticiones;

    struct Boton {
        UINT down, up;
        WPARAM keys;
    };
    for (const Boton& b : {Boton{WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON},
                           Boton{WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON}}) {
        SCOPED_TRACE(b.down);
        Mover(panel, web.x, web.y);
        Pulsar(panel, web.x, web.y, b.down, b.keys);
        EXPECT_EQ(a.LabelMiWeb->GetFont().Color(), about::kBlanco) << "no colour change";
        Soltar(panel, web.x, web.y, b.up);
        EXPECT_EQ(a.LabelMiWeb->GetFont().Color(), about::kBlanco);
        EXPECT_TRUE(shell.empty()) << "a right or middle click opens nothing";
    }

    // A double click: one request, from its first click; its second press
    // still turns the web link purple and its release puts the colour back.
    Pulsar(panel, web.x, web.y);
    Soltar(panel, web.x, web.y);
    Pulsar(panel, web.x, web.y, WM_LBUTTONDBLCLK);
    EXPECT_EQ(a.LabelMiWeb->GetFont().Color(), about::kPurpura);
    Soltar(panel, web.x, web.y);
    EXPECT_EQ(a.LabelMiWeb->GetFont().Color(), about::kBlanco);
    EXPECT_EQ(shell.size(), 1u);

    // Pressed on the e-mail link, released elsewhere: nothing opens, the
    // web link stays purple until the pointer next moves over it.
    shell.clear();
    Mover(panel, 20, 250);
    Mover(panel, correo.x, correo.y);
    Pulsar(panel, correo.x, correo.y);
    Mover(panel, 20, 250, MK_LBUTTON);
    EXPECT_EQ(a.LabelCorreo->GetFont().Color(), about::kRojo);
    Soltar(panel, 20, 250);
    EXPECT_TRUE(shell.empty());
    EXPECT_EQ(a.LabelMiWeb->GetFont().Color(), about::kPurpura);
    Mover(panel, web.x, web.y);
    EXPECT_EQ(a.LabelMiWeb->GetFont().Color(), about::kBlanco);

    // The same with the web link: it turns red as the pointer leaves.
    Pulsar(panel, web.x, web.y);
    Mover(panel, 20, 250, MK_LBUTTON);
    EXPECT_EQ(a.LabelMiWeb->GetFont().Color(), about::kRojo);
    Soltar(panel, 20, 250);
    EXPECT_TRUE(shell.empty());
}

struct ScreenDcProbe {
    HDC dc = GetDC(nullptr);
    ~ScreenDcProbe() { ReleaseDC(nullptr, dc); }
};

// The first column of a label's box that shows its lime text, read from the
// window's pixels without asking its thread for anything.
int PrimerVerde(HWND hwnd, const forms::Control& c) {
    HDC dc = GetDC(hwnd);
    int primera = -1;
    for (int x = c.Left(); x < c.BoundsRect().right && primera < 0; ++x)
        for (int y = c.Top(); y < c.BoundsRect().bottom; ++y)
            if (GetGValue(GetPixel(dc, x, y)) > 150) {
                primera = x;
                break;
            }
    ReleaseDC(hwnd, dc);
    return primera;
}

TEST_F(Acerca, CtrlWithTheRightButtonShowsTheAuthorsNoteForThreeSeconds) {
    TFAcerca a(entorno.servicios);
    a.Show();
    Pump(50);
    HWND panel = a.Panel1->Handle();
    const POINT m = En(*a.Marquesina, 160, 6);
    int izquierdaNota;
    {
        ScreenDcProbe dc;
        HGDIOBJ old = SelectObject(dc.dc, a.Marquesina->GetFont().Handle());
        SIZE t;
        GetTextExtentPoint32W(dc.dc, about::kNotaDelAutor, lstrlenW(about::kNotaDelAutor), &t);
        SelectObject(dc.dc, old);
        izquierdaNota = a.Marquesina->Left() + (a.Marquesina->Width() - t.cx) / 2;
    }
    struct Caso {
        const char* que;
        UINT down, up;
        WPARAM keys;
        bool nota;
    };
    const Caso casos[] = {
        {"Ctrl + right", WM_RBUTTONDOWN, WM_RBUTTONUP, MK_CONTROL | MK_RBUTTON, true},
        {"Ctrl + Shift + right", WM_RBUTTONDOWN, WM_RBUTTONUP, MK_CONTROL | MK_SHIFT | MK_RBUTTON,
         true},
        {"right alone", WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, false},
        {"Ctrl + left", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_CONTROL | MK_LBUTTON, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        const std::wstring antes = a.Marquesina->Caption();
        // The window's thread is blocked during the note: look from another one.
        std::wstring durante;
        int verdeDurante = -1;
        std::atomic<bool> mirar{true};
        std::thread testigo([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            if (!mirar) return;
            durante = a.Marquesina->Caption();
            verdeDurante = PrimerVerde(panel, *a.Marquesina);
        });
        const auto t0 = std::chrono::steady_clock::now();
        Pulsar(panel, m.x, m.y, c.down, c.keys);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - t0)
                            .count();
        const std::wstring despues = a.Marquesina->Caption();
        mirar = false;
        testigo.join();
        Soltar(panel, m.x, m.y, c.up);
        if (c.nota) {
            EXPECT_GE(ms, 2900);
            // On screen during the pause: the shorter note, centred, starts further right.
            EXPECT_NEAR(verdeDurante, izquierdaNota, 3);
            EXPECT_EQ(durante, about::kNotaDelAutor);
            EXPECT_EQ(despues, antes) << "the credit exactly as it stood";
            // The fifteen ticks missed in the pause are not made up: at most
            // the one left pending and the next on time.
            Pump(100);
            const std::wstring luego = a.Marquesina->Caption();
            EXPECT_TRUE(luego == antes || luego == about::Rotar(antes) ||
                        luego == about::Rotar(about::Rotar(antes)));
        } else {
            EXPECT_LT(ms, 1000);
            EXPECT_EQ(despues, antes);
        }
    }
}

TEST_F(Acerca, TheButtonGlowsUnderThePointer) {
    TFAcerca a(entorno.servicios);
    a.Show();
    HWND boton = a.PanelBoton->Handle();
    // A point where the glow shows: black in the plain picture.
    const int px = 53, py = 18;
    auto enImagen = [&](const forms::Picture& p) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, p.Handle());
        const COLORREF c = GetPixel(dc, px, py);
        SelectObject(dc, old);
        DeleteDC(dc);
        return c;
    };
    const COLORREF sin = enImagen(a.ImgSin->GetPicture()), con = enImagen(a.ImgCon->GetPicture());
    ASSERT_NE(sin, con);
    auto mostrado = [&] { return Pixel(boton, a.Boton->Left() + px, a.Boton->Top() + py); };
    EXPECT_EQ(mostrado(), sin) << "plain from creation";
    Mover(boton, a.Boton->Left() + 10, a.Boton->Top() + 10);
    EXPECT_EQ(mostrado(), con);
    EXPECT_EQ(Caja(*a.Boton), (std::array<int, 4>{96, 24, 106, 39})) << "the box stays";
    // Straight out of the panel around it: the glow stays on.
    Mover(a.Panel1->Handle(), 20, 250);
    EXPECT_EQ(mostrado(), con);
    Mover(boton, 5, 5);
    EXPECT_EQ(mostrado(), sin);
}

TEST_F(Acerca, TheCreditScrollsOneCharacterEveryTick) {
    TFAcerca a(entorno.servicios);
    const std::wstring inicio = a.Marquesina->Caption();
    a.Show();  // it scrolls while it is on the screen
    Pump(1050);
    std::wstring s = inicio;
    int ticks = 0;
    while (s != a.Marquesina->Caption() && ticks < 20) {
        s = about::Rotar(s);
        ++ticks;
    }
    EXPECT_GE(ticks, 3);
    EXPECT_LE(ticks, 6);
}

// Closes the About window that is up, `ms` from now, with a character key.
void CerrarLuego(int ms, HWND* visto = nullptr) {
    Luego(ms, [visto] {
        TFAcerca* a = AcercaActiva();
        ASSERT_NE(a, nullptr) << "the About window is up";
        if (visto) *visto = a->Handle();
        Tecla('Q');
    });
}

TEST_F(Acerca, CharacterKeysCloseTheWindowOtherKeysDoNot) {
    struct Caso {
        const char* que;
        WPARAM vk;
        bool cierra;
    };
    const Caso casos[] = {
        {"a letter", 'A', true},           {"a digit", '7', true},
        {"the space bar", VK_SPACE, true}, {"Enter", VK_RETURN, true},
        {"Escape", VK_ESCAPE, true},       {"an arrow", VK_LEFT, false},
        {"a function key", VK_F2, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        bool abierta = false;
        Luego(100, [&] { Tecla(c.vk); });
        Luego(400, [&] {
            abierta = AcercaActiva() != nullptr;
            if (abierta) Tecla('Q');
        });
        about::ShowAcerca(entorno.servicios, nullptr, true);
        Pump(450);  // the check above, when the key closed the window first
        EXPECT_EQ(abierta, !c.cierra);
        EXPECT_EQ(AcercaActiva(), nullptr);
    }
}

TEST_F(Acerca, EveryShowIsAFreshWindowThatPlaysTheJingleOnce) {
    HWND primera = nullptr, segunda = nullptr;
    CerrarLuego(150, &primera);
    about::ShowAcerca(entorno.servicios, nullptr, true);
    CerrarLuego(150, &segunda);
    about::ShowAcerca(entorno.servicios, nullptr, true);
    ASSERT_NE(primera, nullptr);
    ASSERT_NE(segunda, nullptr);
    EXPECT_FALSE(IsWindow(primera)) << "freed when it closed";
    EXPECT_FALSE(IsWindow(segunda));
    ASSERT_EQ(entorno.sonido.peticiones.size(), 2u);
    for (const auto& s : entorno.sonido.peticiones) {
        EXPECT_EQ(s.nombre, "ACERCA");
        EXPECT_EQ(s.flags, kUnaVez);
    }

    // With the sound switched off nothing plays, and a link click stops nothing.
    entorno.sonido.peticiones.clear();
    Luego(150, [] {
        TFAcerca* a = AcercaActiva();
        ASSERT_NE(a, nullptr);
        Clic(a->Panel1->Handle(), En(*a->LabelMiWeb).x, En(*a->LabelMiWeb).y);
        Tecla('Q');
    });
    about::ShowAcerca(entorno.servicios, nullptr, false);
    EXPECT_FALSE(about::SoundEnabled);
    EXPECT_TRUE(entorno.sonido.peticiones.empty());
    EXPECT_EQ(entorno.shell.peticiones.size(), 1u);
}

TEST_F(Acerca, TheButtonClosesTheWindow) {
    bool cerrada = false;
    Luego(150, [] {
        TFAcerca* a = AcercaActiva();
        ASSERT_NE(a, nullptr);
        Clic(a->PanelBoton->Handle(), a->Boton->Left() + 50, a->Boton->Top() + 20);
    });
    Luego(600, [&] {
        cerrada = AcercaActiva() == nullptr;
        if (!cerrada) Tecla('Q');
    });
    about::ShowAcerca(entorno.servicios, nullptr, true);
    Pump(650);
    EXPECT_TRUE(cerrada);
}

// A click on the author button, the instructions or a table label opens the
// About window over the main window and brings the entrance loop back after.
TEST_F(Acerca, TheMainWindowsClicksOpenIt) {
    trick::TFZafrena1 f(entorno.servicios);
    f.Show();
    struct Caso {
        const char* que;
        std::function<void()> clic;
    };
    const POINT explica = En(*f.Explica, 20, 5);
    forms::Label* etiqueta = f.EtiquetasActuales()[137];
    const Caso casos[] = {
        {"Autor", [&] { Clic(f.Autor->Handle(), 20, 15); }},
        {"the instructions", [&] { Clic(f.Handle(), explica.x, explica.y); }},
        {"a table label",
         [&] { Clic(f.PanelPrin->Handle(), etiqueta->Left() + 3, etiqueta->Top() + 3); }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        entorno.sonido.peticiones.clear();
        const std::wstring simbolo = etiqueta->Caption();
        bool encima = false;
        Luego(150, [&] {
            TFAcerca* a = AcercaActiva();
            ASSERT_NE(a, nullptr);
            encima = IsWindowVisible(f.Handle()) && !IsWindowEnabled(f.Handle());
            Tecla('Q');
        });
        c.clic();
        EXPECT_TRUE(encima) << "the main window stays visible and disabled under it";
        EXPECT_TRUE(IsWindowEnabled(f.Handle()));
        EXPECT_TRUE(IsWindowVisible(f.Handle()));
        EXPECT_EQ(etiqueta->Caption(), simbolo) << "the table is unchanged";
        ASSERT_EQ(entorno.sonido.peticiones.size(), 3u);
        const auto& s = entorno.sonido.peticiones;
        EXPECT_EQ(s[0].nombre, "ACERCA");
        EXPECT_EQ(s[0].flags, kBucle);
        EXPECT_EQ(s[1].nombre, "ACERCA");
        EXPECT_EQ(s[1].flags, kUnaVez);
        EXPECT_EQ(s[2].nombre, "ENTRADA");
        EXPECT_EQ(s[2].flags, kBucle);
    }
}

}  // namespace
