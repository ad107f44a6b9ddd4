// Times a full repaint of the main window (both gradients, the table's 200
// labels and the buttons) against one BitBlt of a bitmap of the same client
// area to the window, alternating the two, and prints the medians.
// Usage: repintado [ITERATIONS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/Servicios.h"
#include "app/SimbolosPropios.h"
#include "bench/Reloj.h"
#include "forms/Application.h"
#include "trick/UZafrena1.h"

namespace {

// Quiet stand-ins for the platform services: nothing here may play a sound
// or reach the network while the clock runs.
class AzarFijo : public trick::Azar {
public:
    void Randomize() override {}
    int Draw(int range) override { return n_++ % range; }

private:
    int n_ = 0;
};
class IdiomaEspanol : public app::Idioma {
public:
    LANGID UserDefaultLangID() override { return 0x0C0A; }
};
class SinSonido : public app::Sonido {
public:
    void Play(const void*, HMODULE, DWORD) override {}
};
class SinShell : public app::Shell {
public:
    void Execute(HWND, const std::wstring&, const std::wstring&, const std::wstring&,
                 int) override {}
};
class SinConexion : public app::Conexion {
public:
    bool ConnectedState(DWORD& flags) override {
        flags = 0;
        return false;
    }
};

double Ahora() { return AhoraMs() * 1000.0; }  // microseconds


double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int vueltas = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;

    AzarFijo azar;
    IdiomaEspanol idioma;
    SinSonido sonido;
    SinShell shell;
    SinConexion conexion;
    app::Servicios servicios{azar, idioma, sonido, shell, conexion};

    forms::Application aplicacion;
    app::SimbolosPropios simbolos(aplicacion.GetScreen());
    aplicacion.CreateForm(trick::FZafrena1, servicios);
    trick::TFZafrena1& ventana = *trick::FZafrena1;
    ventana.Show();
    forms::Application::Current().ProcessMessagesFor(500);
    HWND hwnd = ventana.Handle();
    RECT cliente;
    GetClientRect(hwnd, &cliente);
    const int w = cliente.right, h = cliente.bottom;

    // The yardstick: the window's own picture in a compatible bitmap.
    HDC dcVentana = GetDC(hwnd);
    HDC dcMemoria = CreateCompatibleDC(dcVentana);
    HBITMAP bitmap = CreateCompatibleBitmap(dcVentana, w, h);
    HGDIOBJ previo = SelectObject(dcMemoria, bitmap);
    BitBlt(dcMemoria, 0, 0, w, h, dcVentana, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, dcVentana);

    std::vector<double> repintados, copias;
    for (int i = 0; i < vueltas; ++i) {
        double t = Ahora();
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
        repintados.push_back(Ahora() - t);

        // As a double-buffered paint would: get the DC, copy, let it go.
        t = Ahora();
        HDC dc = GetDC(hwnd);
        BitBlt(dc, 0, 0, w, h, dcMemoria, 0, 0, SRCCOPY);
        ReleaseDC(hwnd, dc);
        GdiFlush();
        copias.push_back(Ahora() - t);
    }

    // Where the time goes: the table's panel alone (bottom gradient and the
    // 200 labels), then the same panel with the labels hidden.
    auto medir = [&](HWND destino) {
        std::vector<double> v;
        for (int i = 0; i < vueltas; ++i) {
            const double t = Ahora();
            RedrawWindow(destino, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            GdiFlush();
            v.push_back(Ahora() - t);
        }
        return Mediana(v);
    };
    HWND panel = ventana.PanelPrin->Handle();
    const double conEtiquetas = medir(panel);
    for (forms::Label* l : ventana.EtiquetasActuales()) l->SetVisible(false);
    const double sinEtiquetas = medir(panel);
    for (forms::Label* l : ventana.EtiquetasActuales()) l->SetVisible(true);

    SelectObject(dcMemoria, previo);
    DeleteObject(bitmap);
    DeleteDC(dcMemoria);

    const double r = Mediana(repintados), c = Mediana(copias);
    std::printf("%d iterations, client area %dx%d, medians:\n", vueltas, w, h);
    std::printf("  full repaint of the main window %9.1f us\n", r);
    std::printf("  one BitBlt of the client area   %9.1f us\n", c);
    std::printf("  ratio %.1f\n", r / c);
    std::printf("  of which the table's panel %9.1f us, %.1f us of it without its 200 labels\n",
                conEtiquetas, sinEtiquetas);
    return 0;
}
