// The farewell window and the shutdown path that shows it, on real windows.
#include <functional>
#include <vector>

#include "app/Ajustes.h"
#include "farewell/UVisitanos.h"
#include "tests/win/Harness.h"
#include "trick/UZafrena1.h"

namespace {

using namespace prueba;
using farewell::TFVisitanos;

// Records each shell request together with what the farewell window looked
// like at that moment.
class ShellQueMira : public app::Shell {
public:
    struct Peticion {
        HWND owner;
        std::wstring verb, file, parameters;
        int show;
        bool ventanaVisible, timerEncendido;
    };
    void Execute(HWND owner, const std::wstring& verb, const std::wstring& file,
                 const std::wstring& parameters, int show) override {
        const bool visible = ventana && IsWindowVisible(ventana->Handle());
        const bool timer = ventana && ventana->Timer1->Enabled();
        peticiones.push_back({owner, verb, file, parameters, show, visible, timer});
    }
    TFVisitanos* ventana = nullptr;
    std::vector<Peticion> peticiones;
};

// A picture's pixels as 0x00RRGGBB, top row first.
std::vector<std::uint32_t> Pixeles(const forms::Picture& p) {
    std::vector<std::uint32_t> px(static_cast<std::size_t>(p.Width()) * p.Height());
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), p.Width(), -p.Height(), 1, 32, BI_RGB};
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, p.Handle(), 0, p.Height(), px.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    for (auto& c : px) c &= 0xFFFFFF;
    return px;
}

// What a window shows in a client rectangle, as 0x00RRGGBB, top row first.
std::vector<std::uint32_t> Captura(HWND hwnd, const RECT& r) {
    UpdateWindow(hwnd);
    const int w = r.right - r.left, h = r.bottom - r.top;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
    void* bits = nullptr;
    HDC dc = GetDC(hwnd);
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, dc, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::vector<std::uint32_t> px(static_cast<const std::uint32_t*>(bits),
                                  static_cast<const std::uint32_t*>(bits) + w * h);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(hwnd, dc);
    for (auto& c : px) c &= 0xFFFFFF;
    return px;
}

std::uint32_t Rgb(COLORREF c) { return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c); }

class Despedida : public PruebaWin {
protected:
    ShellQueMira shell;
    app::Servicios servicios{entorno.azar, entorno.idioma, entorno.sonido, shell, entorno.conexion};

    static std::vector<forms::Image*> Soportes(TFVisitanos& v) {
        return {v.Image1, v.Image2, v.Image3, v.Image4, v.Image5, v.Image6};
    }
};

TEST_F(Despedida, IsABorderlessSilverPanelWithTheBrandBannerAndAnOkButton) {
    aplicacion.GetScreen().SetCursor(trick::crApuntando, LoadCursorW(nullptr, IDC_HAND));
    TFVisitanos v(servicios);
    EXPECT_FALSE(IsWindowVisible(v.Handle()));
    const LONG style = GetWindowLongW(v.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU));
    EXPECT_EQ(v.ClientWidth(), 533);
    EXPECT_EQ(v.ClientHeight(), 159);
    EXPECT_EQ(v.Caption(), L"Visítanos");
    EXPECT_EQ(v.Panel1->Width(), 533);
    EXPECT_EQ(v.Panel1->Height(), 159);
    EXPECT_EQ(v.Panel1->Color(), 0xC0C0C0u);

    EXPECT_EQ(v.BitBtn1->Caption(), L"Aceptar");
    EXPECT_EQ(v.BitBtn1->Kind(), forms::ButtonKind::OK);
    EXPECT_TRUE(v.BitBtn1->Default());
    EXPECT_EQ(v.BitBtn1->ModalResult(), forms::mrOk);
    EXPECT_EQ(v.BitBtn1->Cursor, trick::crApuntando);
    EXPECT_EQ(v.BitBtn1->Glyph().Width(), 18);
    EXPECT_EQ(v.TabList(), std::vector<forms::WinControl*>{v.BitBtn1})
        << "the only focusable control";

    EXPECT_FALSE(v.Timer1->Enabled());
    EXPECT_EQ(v.Timer1->Interval(), 1000);
    EXPECT_EQ(v.ContadorActual(), 1);

    // The banner starts with the holder Image1's picture; the six holders
    // are six different pictures, all out of sight.
    const auto soportes = Soportes(v);
    EXPECT_EQ(Pixeles(v.Image->GetPicture()), Pixeles(soportes[0]->GetPicture()));
    for (std::size_t i = 0; i < soportes.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_GE(soportes[i]->Top(), v.ClientHeight());
        EXPECT_EQ(soportes[i]->GetPicture().Width(), 500);
        EXPECT_EQ(soportes[i]->GetPicture().Height(), 78);
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(Pixeles(soportes[i]->GetPicture()), Pixeles(soportes[j]->GetPicture()))
                << j + 1;
    }
}

TEST_F(Despedida, ShowsTheBevelsTheBannerAndAGreenCheckMarkOnTheButton) {
    TFVisitanos v(servicios);
    v.Show();
    Pump(100);
    const HWND panel = v.Panel1->Handle();
    const std::uint32_t hi = Rgb(GetSysColor(COLOR_BTNHIGHLIGHT));
    const std::uint32_t sh = Rgb(GetSysColor(COLOR_BTNSHADOW));
    struct Caso {
        int x, y;
        std::uint32_t color;
        const char* que;
    };
    const Caso casos[] = {
        {0, 0, hi, "outer bevel, raised"},   {532, 158, sh, "outer bevel, raised"},
        {6, 6, sh, "inner bevel, lowered"},  {526, 152, hi, "inner bevel, lowered"},
        {7, 7, hi, "Bevel1, raised"},        {525, 151, sh, "Bevel1, raised"},
        {3, 80, 0xC0C0C0, "border, silver"}, {12, 108, 0xC0C0C0, "inside, silver"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        EXPECT_EQ(Captura(panel, RECT{c.x, c.y, c.x + 1, c.y + 1})[0], c.color)
            << c.x << "," << c.y;
    }
    EXPECT_EQ(Captura(panel, RECT{16, 24, 516, 102}), Pixeles(v.Image1->GetPicture()))
        << "the brand banner, unscaled";

    // The glyph's see-through colour never shows; its green does.
    const RECT b = v.BitBtn1->BoundsRect();
    const auto boton = Captura(panel, b);
    int verdes = 0, fondo = 0;
    for (std::uint32_t c : boton) {
        const int r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, bl = c & 0xFF;
        if (g > 120 && r < 140 && bl < 110 && g > r + 60) ++verdes;
        if (c == 0x808000) ++fondo;
    }
    EXPECT_GT(verdes, 20);
    EXPECT_EQ(fondo, 0);
    v.Hide();
}

// k ticks show holder (k mod 6) + 1; the first comes a second after the show.
TEST_F(Despedida, TheSlideshowStartsAtTheShowAndStepsOneHolderPerTick) {
    TFVisitanos v(servicios);
    v.Show();
    EXPECT_TRUE(v.Timer1->Enabled());
    Pump(600);
    EXPECT_EQ(v.ContadorActual(), 1) << "no tick before a second";
    Pump(800);
    ASSERT_EQ(v.ContadorActual(), 2) << "one tick after a second";
    const auto soportes = Soportes(v);
    EXPECT_EQ(Pixeles(v.Image->GetPicture()), Pixeles(soportes[1]->GetPicture()));
    v.Timer1->SetEnabled(false);
    for (int k = 2; k <= 13; ++k) {
        SCOPED_TRACE(k);
        v.Timer1->OnTimer(*v.Timer1);
        EXPECT_EQ(v.ContadorActual(), k % 6 + 1);
        EXPECT_EQ(Pixeles(v.Image->GetPicture()), Pixeles(soportes[k % 6]->GetPicture()));
    }
    Pump(50);
    EXPECT_EQ(Captura(v.Panel1->Handle(), RECT{16, 24, 516, 102}),
              Pixeles(soportes[13 % 6]->GetPicture()))
        << "the banner shows what it holds";
    v.Hide();
}

// However the window is closed: the timer is off and the window hidden
// before the shell is asked, once, to open the web site maximised.
TEST_F(Despedida, EveryWayOfClosingOpensTheWebSiteOnceAfterHiding) {
    struct Caso {
        const char* como;
        std::function<void(TFVisitanos&)> cerrar;
        int resultado;
    };
    const Caso casos[] = {
        {"Enter", [](TFVisitanos&) { Tecla(VK_RETURN); }, forms::mrOk},
        {"Space", [](TFVisitanos&) { Tecla(VK_SPACE); }, forms::mrOk},
        {"button", [](TFVisitanos& v) { Clic(v.BitBtn1->Handle(), 76, 16); }, forms::mrOk},
        {"WM_CLOSE", [](TFVisitanos& v) { PostMessageW(v.Handle(), WM_CLOSE, 0, 0); },
         forms::mrCancel},
        {"system close",
         [](TFVisitanos& v) { PostMessageW(v.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); },
         forms::mrCancel},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.como);
        shell.peticiones.clear();
        TFVisitanos v(servicios);
        shell.ventana = &v;
        bool visible = false, encendido = false;
        Luego(150, [&] {
            visible = IsWindowVisible(v.Handle());
            encendido = v.Timer1->Enabled();
            c.cerrar(v);
        });
        EXPECT_EQ(v.ShowModal(), c.resultado);
        EXPECT_TRUE(visible);
        EXPECT_TRUE(encendido);
        ASSERT_EQ(shell.peticiones.size(), 1u);
        const auto& p = shell.peticiones[0];
        EXPECT_EQ(p.owner, nullptr);
        EXPECT_EQ(p.verb, L"open");
        EXPECT_EQ(p.file, ajustes::kWebSite);
        EXPECT_EQ(p.parameters, L"");
        EXPECT_EQ(p.show, SW_SHOWMAXIMIZED);
        EXPECT_FALSE(p.ventanaVisible) << "hidden before the request";
        EXPECT_FALSE(p.timerEncendido) << "timer off before the request";
        EXPECT_FALSE(IsWindowVisible(v.Handle()));
        // Closed before the first tick: the banner never changed, and no
        // tick comes later.
        Pump(1100);
        EXPECT_EQ(v.ContadorActual(), 1);
        EXPECT_EQ(shell.peticiones.size(), 1u);
        shell.ventana = nullptr;
    }
}

// The shutdown path, from each way the main window can be asked to close.
struct Cierre {
    const char* como;
    std::function<void(HWND principal, HWND aplicacion)> cerrar;
};

void PrintTo(const Cierre& c, std::ostream* os) { *os << c.como; }

class Apagado : public Despedida, public ::testing::WithParamInterface<Cierre> {};

TEST_P(Apagado, SilenceHideTheProgramShowTheFarewellThenTerminate) {
    struct Olvidar {
        ~Olvidar() { farewell::FVisitanos = nullptr; }
    } olvidar;
    trick::TFZafrena1* principal = nullptr;
    aplicacion.CreateForm(principal, servicios);
    aplicacion.CreateForm(farewell::FVisitanos, servicios);
    TFVisitanos& v = *farewell::FVisitanos;
    shell.ventana = &v;
    ShowWindow(aplicacion.Handle(), SW_SHOWNA);
    principal->Show();
    Pump(50);
    entorno.sonido.peticiones.clear();

    bool principalVisible = true, aplicacionVisible = true, despedidaVisible = false;
    std::vector<std::string> sonidos;
    Luego(300, [&] {
        principalVisible = IsWindowVisible(principal->Handle());
        aplicacionVisible = IsWindowVisible(aplicacion.Handle());
        despedidaVisible = IsWindowVisible(v.Handle());
        sonidos = entorno.sonido.Nombres();
        EXPECT_TRUE(shell.peticiones.empty()) << "nothing opens while the farewell shows";
        // A second close command meanwhile is part of the same close: no
        // error report (closed here if it comes, so the test goes on).
        PostMessageW(aplicacion.Handle(), WM_CLOSE, 0, 0);
        Luego(200, [&] {
            if (HWND box = FindWindowW(L"#32770", aplicacion.Title().c_str())) {
                ADD_FAILURE() << "an error was reported";
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            }
            Clic(v.BitBtn1->Handle(), 76, 16);
        });
    });
    GetParam().cerrar(principal->Handle(), aplicacion.Handle());
    for (int i = 0; i < 100 && !aplicacion.Terminated(); ++i) Pump(50);

    EXPECT_EQ(sonidos, std::vector<std::string>{""}) << "the sound stops first";
    EXPECT_FALSE(principalVisible);
    EXPECT_FALSE(aplicacionVisible) << "the taskbar entry goes";
    EXPECT_TRUE(despedidaVisible);
    EXPECT_TRUE(aplicacion.Terminated());
    ASSERT_EQ(shell.peticiones.size(), 1u);
    EXPECT_FALSE(shell.peticiones[0].ventanaVisible);
    EXPECT_EQ(shell.peticiones[0].file, ajustes::kWebSite);
    MSG m;
    EXPECT_TRUE(PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << "the loop is told to end";
    EXPECT_EQ(m.wParam, 0u) << "exit code";
    shell.ventana = nullptr;
}

INSTANTIATE_TEST_SUITE_P(
    Cierres, Apagado,
    ::testing::Values(Cierre{"CloseButtonOrSystemMenu",
                             [](HWND p, HWND) { PostMessageW(p, WM_SYSCOMMAND, SC_CLOSE, 0); }},
                      Cierre{"AltF4",
                             [](HWND p, HWND) {
                                 PostMessageW(p, WM_SYSKEYDOWN, VK_F4, 0x20000001);  // Alt held
                                 PostMessageW(p, WM_SYSKEYUP, VK_F4, 0xE0000001);
                             }},
                      Cierre{"TaskbarCloseCommand",
                             [](HWND, HWND a) { PostMessageW(a, WM_CLOSE, 0, 0); }},
                      Cierre{"TaskbarCloseCommandWhileMinimised",
                             [](HWND p, HWND a) {
                                 SendMessageW(p, WM_SYSCOMMAND, SC_MINIMIZE, 0);
                                 PostMessageW(a, WM_CLOSE, 0, 0);
                             }}),
    [](const ::testing::TestParamInfo<Cierre>& i) { return std::string(i.param.como); });

}  // namespace
