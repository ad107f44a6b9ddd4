// The message window, shown for real through ShowMensaje and inspected from
// inside its modal loop.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "messages/Umensajes.h"
#include "tests/win/Harness.h"
#include "trick/UZafrena1.h"

namespace {

using namespace prueba;
using mensajes::FMensajes;
using mensajes::ShowMensaje;
using mensajes::TFMensajes;
using mensajes::TMensajeKind;

using Mensajes = PruebaWin;

int serie = 0;  // one number per message shown, for the safety close

// Shows a message and runs `mirar` on the window from inside its modal loop;
// closes it afterwards if `mirar` has not. A window left open by a broken
// build is closed after a while rather than hanging the run.
void Mostrar(const std::wstring& texto, TMensajeKind kind,
             const std::function<void(TFMensajes&)>& mirar) {
    const int n = ++serie;
    bool visto = false;
    Luego(50, [&] {
        visto = true;
        ASSERT_NE(FMensajes, nullptr);
        TFMensajes* f = FMensajes;
        mirar(*f);
        if (FMensajes == f) f->Close();
    });
    Luego(5000, [n] {
        if (serie == n && FMensajes) FMensajes->Close();
    });
    ShowMensaje(texto, kind);
    EXPECT_TRUE(visto);
    EXPECT_EQ(FMensajes, nullptr);
}

// The bits of a picture, to tell one from another.
std::vector<unsigned char> Bits(const forms::Picture& p) {
    DIBSECTION ds{};
    if (!GetObjectW(p.Handle(), sizeof(ds), &ds) || !ds.dsBm.bmBits) return {};
    const auto* b = static_cast<const unsigned char*>(ds.dsBm.bmBits);
    return {b, b + ds.dsBm.bmWidthBytes * ds.dsBm.bmHeight};
}

// The rows the label shows: its text cut at every CR.
std::vector<std::wstring> Filas(const std::wstring& etiqueta) {
    std::vector<std::wstring> filas(1);
    for (wchar_t c : etiqueta) {
        if (c == L'\r') filas.emplace_back();
        else filas.back() += c;
    }
    return filas;
}

TEST(RecursosMensajes, TheFivePicturesHaveTheirSizeAndDepth) {
    struct Caso {
        const char* nombre;
        int ancho, alto, bits;
    };
    const Caso casos[] = {
        {"MENSAJE_AVISO", 38, 40, 24},        {"MENSAJE_ERROR", 39, 40, 24},
        {"MENSAJE_INFORMACION", 38, 38, 24},  {"MENSAJE_CONFIRMACION", 39, 40, 24},
        {"MENSAJE_OK", 127, 49, 8},
    };
    HMODULE m = GetModuleHandleW(nullptr);
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        HRSRC r = FindResourceA(m, c.nombre, MAKEINTRESOURCEA(2));  // RT_BITMAP
        ASSERT_NE(r, nullptr);
        const auto* h = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(m, r)));
        EXPECT_EQ(h->biWidth, c.ancho);
        EXPECT_EQ(h->biHeight, c.alto);
        EXPECT_EQ(h->biBitCount, c.bits);
        EXPECT_EQ(h->biCompression, static_cast<DWORD>(BI_RGB));
        if (c.bits == 8) {
            EXPECT_EQ(h->biClrUsed == 0 ? 256u : h->biClrUsed, 256u);
        }
    }
}

TEST_F(Mensajes, EachKindShowsItsPictureAndWordInABorderlessWindowOnTop) {
    struct Caso {
        TMensajeKind kind;
        const wchar_t* palabra;
        forms::Image* TFMensajes::*dibujo;
    };
    const Caso casos[] = {
        {mensajes::mkAviso, L"Aviso", &TFMensajes::ImgWarning},
        {mensajes::mkError, L"Error", &TFMensajes::ImgError},
        {mensajes::mkInformacion, L"Información", &TFMensajes::ImgInformation},
        {mensajes::mkConfirmacion, L"Confirmación", &TFMensajes::ImgConfirmation},
    };
    std::vector<int> anchos, izquierdas;
    for (const Caso& c : casos) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        HWND hwnd = nullptr;
        Mostrar(L"Un mensaje", c.kind, [&](TFMensajes& f) {
            hwnd = f.Handle();
            EXPECT_TRUE(IsWindowVisible(hwnd));
            EXPECT_EQ(GetActiveWindow(), hwnd);
            wchar_t titulo[64] = L"";
            GetWindowTextW(hwnd, titulo, 64);
            EXPECT_STREQ(titulo, c.palabra);
            EXPECT_EQ(f.lblCaption->Caption(), c.palabra);
            EXPECT_EQ(f.lblCaption->Top(), 8);
            const auto bits = Bits(f.Imagen->GetPicture());
            EXPECT_FALSE(bits.empty());
            EXPECT_EQ(bits, Bits((f.*c.dibujo)->GetPicture()));
            EXPECT_EQ(f.Imagen->GetPicture().Width(), (f.*c.dibujo)->GetPicture().Width());
            EXPECT_EQ(f.Imagen->GetPicture().Height(), (f.*c.dibujo)->GetPicture().Height());
            const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
            EXPECT_TRUE(style & WS_POPUP);
            EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU));
            EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
            EXPECT_TRUE(f.ImgOK->Visible());
            EXPECT_EQ(f.ImgOK->Cursor, trick::crApuntando);
            EXPECT_FALSE(f.BordeOK->Visible());
            for (forms::Control* oculto : {static_cast<forms::Control*>(f.btnOK),
                                           static_cast<forms::Control*>(f.Memo)})
                EXPECT_FALSE(oculto->Visible());
            // The blue frame, the white inside, and the PanelInterior's origin at (7, 7).
            EXPECT_EQ(Pixel(f.PanelBorde->Handle(), 3, 3), 0xFF0000u);
            EXPECT_EQ(Pixel(f.PanelInterior->Handle(), 5, 80), 0xFFFFFFu);
            POINT p{0, 0};
            MapWindowPoints(f.PanelInterior->Handle(), hwnd, &p, 1);
            EXPECT_EQ(p.x, 7);
            EXPECT_EQ(p.y, 7);
            anchos.push_back(f.ClientWidth());
            izquierdas.push_back(f.lblCaption->Left());
            EXPECT_EQ(f.lblCaption->Left(), (f.ClientWidth() - f.lblCaption->Width()) / 2);
        });
        EXPECT_FALSE(IsWindow(hwnd)) << "destroyed when it closes";
    }
    // The heading is centred by its own width.
    ASSERT_EQ(anchos.size(), 4u);
    EXPECT_EQ(anchos[1], anchos[2]);
    EXPECT_NE(izquierdas[1], izquierdas[2]);
}

TEST_F(Mensajes, TheWindowIsSizedToTheRowsOfItsText) {
    struct Caso {
        const char* que;
        const wchar_t* texto;
        const wchar_t* etiqueta;
    };
    const Caso casos[] = {
        {"empty", L"", L""},
        {"one line", L"Hola", L"\rHola"},
        {"two lines", L"Uno\r\nDos", L"\rUno\rDos"},
        {"a CR LF after them changes nothing", L"Uno\r\nDos\r\n", L"\rUno\rDos"},
        {"two more leave one empty row", L"Uno\r\nDos\r\n\r\n", L"\rUno\rDos\r"},
        {"a blank line between", L"Uno\r\n\r\nDos", L"\rUno\r\rDos"},
    };
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        Mostrar(c.texto, mensajes::mkInformacion, [&](TFMensajes& f) {
            EXPECT_EQ(f.lblTexto->Caption(), c.etiqueta);
            // The line breaker's box: 457 wide, its text narrower by its
            // border, its scroll bar and the edit control's margins.
            EXPECT_EQ(f.Memo->Width(), 457);
            const RECT caja = f.Memo->TextRect();
            const int barra = GetSystemMetrics(SM_CXVSCROLL);
            EXPECT_LE(caja.right - caja.left, 457 - 2 - barra);
            EXPECT_GE(caja.right - caja.left, 457 - 2 - barra - 12);
            const int filas = static_cast<int>(Filas(c.etiqueta).size());
            EXPECT_EQ(f.lblTexto->Left(), 68);
            EXPECT_EQ(f.lblTexto->Top(), 36);
            EXPECT_EQ(f.lblTexto->Height(), 13 * filas);
            EXPECT_LT(f.lblTexto->Width(), 129) << "these texts are narrow";
            EXPECT_EQ(f.ClientWidth(), 275);
            EXPECT_EQ(f.ClientHeight(), 180 + 13 * filas);
            const int top = 85 + 13 * filas;
            EXPECT_EQ(f.ImgOK->Left(), 73);
            EXPECT_EQ(f.ImgOK->Top(), top);
            EXPECT_EQ(f.btnOK->Left(), 73);
            EXPECT_EQ(f.btnOK->Top(), top);
            EXPECT_EQ(f.BordeOK->Left(), 69);
            EXPECT_EQ(f.BordeOK->Top(), top - 4);
            RECT w;
            GetWindowRect(f.Handle(), &w);
            EXPECT_EQ(w.right - w.left, 275) << "no frame: outer size is client size";
            EXPECT_EQ(w.bottom - w.top, f.ClientHeight());
            EXPECT_EQ(w.left, (sw - 275) / 2);
            EXPECT_EQ(w.top, (sh - f.ClientHeight()) / 2);
        });
    }
}

TEST_F(Mensajes, ALongParagraphWrapsWhereTheEditControlWouldWrapIt) {
    std::wstring prosa;
    for (int i = 0; i < 6; ++i)
        prosa += L"Aconsejamos instalarla desde la Tienda por las mejoras que ofrece, "
                 L"y esta frase sigue y sigue para llenar varios renglones. ";
    prosa += L"\r\n\r\nFin";
    Mostrar(prosa, mensajes::mkAviso, [&](TFMensajes& f) {
        std::vector<std::wstring> filas = Filas(f.lblTexto->Caption());
        filas.erase(filas.begin());
        EXPECT_GT(filas.size(), 6u);
        // The memo's own edit control, given the same text.
        HWND e = f.Memo->EditHandle();
        SetWindowTextW(e, prosa.c_str());
        std::vector<std::wstring> memo;
        const int n = static_cast<int>(SendMessageW(e, EM_GETLINECOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            const auto inicio = SendMessageW(e, EM_LINEINDEX, i, 0);
            const auto largo = SendMessageW(e, EM_LINELENGTH, inicio, 0);
            memo.push_back(prosa.substr(inicio, largo));
        }
        EXPECT_EQ(filas, memo);
        // Taller, not wider: the text stays within the wrap width.
        const RECT caja = f.Memo->TextRect();
        EXPECT_LE(f.lblTexto->Width(), caja.right - caja.left);
        EXPECT_EQ(f.ClientWidth(), f.lblTexto->Width() + 146);
        EXPECT_EQ(f.ClientHeight(), 180 + 13 * static_cast<int>(filas.size() + 1));
    });
}

TEST_F(Mensajes, TheHoverFrameFollowsThePointerStrictlyInsideTheOKPicture) {
    Mostrar(L"Pasa por encima", mensajes::mkAviso, [&](TFMensajes& f) {
        HWND panel = f.PanelInterior->Handle();
        const int w = f.ImgOK->Width(), h = f.ImgOK->Height();
        struct Paso {
            const char* que;
            int x, y;  // relative to ImgOK
            bool marco;
            bool soltarAntes = false;  // someone else takes the capture first
        };
        const Paso pasos[] = {
            {"the first row and column are outside", 0, 0, false},
            {"(1, 1) is inside", 1, 1, true},
            {"the last pixel is inside", w - 1, h - 1, true},
            {"just right of it, reported to the picture", w, 10, false},
            {"back in", 20, 20, true},
            {"the top row", 20, 0, false},
            {"in again", 60, 30, true},
            {"out over the frame", -2, 10, false},
            {"in again", 60, 30, true},
            {"over the frame with the capture gone", -2, 10, false, true},
            {"far out", -40, -40, false},
        };
        for (const Paso& p : pasos) {
            SCOPED_TRACE(p.que);
            if (p.soltarAntes) ReleaseCapture();
            Mover(panel, f.ImgOK->Left() + p.x, f.ImgOK->Top() + p.y);
            EXPECT_EQ(f.BordeOK->Visible(), p.marco);
            EXPECT_EQ(f.ImgOK->MouseCapture(), p.marco);
            EXPECT_EQ(GetCapture() == panel, p.marco);
            // The frame's corner: the button-shadow outline, or white.
            const COLORREF esquina = Pixel(panel, f.BordeOK->Left(), f.BordeOK->Top());
            EXPECT_EQ(esquina, p.marco ? GetSysColor(COLOR_BTNSHADOW) : 0xFFFFFFu);
        }
    });
}

// Records the system commands that reach the message window instead of
// carrying them out (a move would wait for the mouse).
WNDPROC anterior = nullptr;
struct Orden {
    WPARAM orden;
    HWND captura;  // who held the mouse when it came
};
std::vector<Orden> ordenes;

LRESULT CALLBACK Grabar(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_SYSCOMMAND) {
        ordenes.push_back({wp, GetCapture()});
        return 0;
    }
    return CallWindowProcW(anterior, h, m, wp, lp);
}

TEST_F(Mensajes, AnyButtonOnTheHandleAreasMovesTheWindowButNotOnTheOKPicture) {
    Mostrar(L"Arrástrame", mensajes::mkConfirmacion, [&](TFMensajes& f) {
        struct Caso {
            const char* que;
            HWND hwnd;
            POINT p;
            UINT abajo, arriba;
            WPARAM teclas;
            bool mueve;
        };
        HWND panel = f.PanelInterior->Handle(), borde = f.PanelBorde->Handle();
        const POINT blanco{5, 80}, imagen{30, 30},
            texto{f.lblTexto->Left() + 3, f.lblTexto->Top() + 3},
            titulo{f.lblCaption->Left() + 5, f.lblCaption->Top() + 5},
            ok{f.ImgOK->Left() + 60, f.ImgOK->Top() + 25};
        const Caso casos[] = {
            {"white area, right", panel, blanco, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, true},
            {"white area, middle", panel, blanco, WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON, true},
            {"white area, left", panel, blanco, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, true},
            {"blue frame", borde, POINT{2, 2}, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, true},
            {"kind picture", panel, imagen, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, true},
            {"text", panel, texto, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, true},
            {"heading", panel, titulo, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, true},
            {"OK picture, right", panel, ok, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, false},
            {"OK picture, middle", panel, ok, WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON, false},
        };
        anterior = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(f.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Grabar)));
        for (const Caso& c : casos) {
            SCOPED_TRACE(c.que);
            ordenes.clear();
            Pulsar(c.hwnd, c.p.x, c.p.y, c.abajo, c.teclas);
            ASSERT_EQ(ordenes.size(), c.mueve ? 1u : 0u);
            if (c.mueve) {
                EXPECT_EQ(ordenes[0].orden, 0xF012u);  // SC_MOVE + 2, as a press on a title bar
                EXPECT_EQ(ordenes[0].captura, nullptr) << "the capture is released first";
            }
            Soltar(c.hwnd, c.p.x, c.p.y, c.arriba, 0);
        }
        SetWindowLongPtrW(f.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(anterior));
        Clic(panel, ok.x, ok.y);
        EXPECT_NE(f.ModalResult(), forms::mrNone) << "a click on the OK picture closes it";
    });
}

TEST_F(Mensajes, AKeyThatTypesACharacterClosesTheWindowAndNoOtherKeyDoes) {
    struct Caso {
        const char* que;
        WPARAM vk;
        bool cierra;
    };
    const Caso casos[] = {
        {"a letter", 'A', true},      {"a digit", '7', true},         {"space", VK_SPACE, true},
        {"Enter", VK_RETURN, true},   {"Escape", VK_ESCAPE, true},    {"an arrow", VK_LEFT, false},
        {"Shift alone", VK_SHIFT, false}, {"F5", VK_F5, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        bool seguia = false;
        Luego(50, [&] { Tecla(c.vk); });
        Luego(200, [&] {
            seguia = FMensajes != nullptr;
            if (FMensajes) FMensajes->Close();
        });
        ShowMensaje(L"Pulsa una tecla", mensajes::mkConfirmacion);
        Pump(250);  // whichever way it closed, the check has run
        EXPECT_EQ(!seguia, c.cierra);
    }
}

TEST_F(Mensajes, AHugeTextGivesATallWindowWithItsTopOnTheScreensTopEdge) {
    std::wstring prosa;
    while (prosa.size() < 100000) prosa += L"Una frase más de un texto que no se acaba nunca. ";
    prosa.resize(100000);
    struct Caso {
        const char* que;
        std::wstring texto;
    };
    const Caso casos[] = {{"prose", prosa}, {"one word", std::wstring(100000, L'x')}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        const DWORD antes = GetTickCount();
        Mostrar(c.texto, mensajes::mkError, [&](TFMensajes& f) {
            RECT w;
            GetWindowRect(f.Handle(), &w);
            EXPECT_EQ(w.top, 0);
            EXPECT_GT(w.bottom - w.top, GetSystemMetrics(SM_CYSCREEN));
            EXPECT_LT(w.right - w.left, GetSystemMetrics(SM_CXSCREEN)) << "taller, not wider";
            const auto filas = Filas(f.lblTexto->Caption());
            EXPECT_EQ(f.ClientHeight(), 180 + 13 * static_cast<int>(filas.size()));
            std::wstring junto;
            for (const auto& s : filas) junto += s;
            EXPECT_EQ(junto, c.texto);
            EXPECT_EQ(f.ImgOK->Top(), 85 + 13 * static_cast<int>(filas.size()));
        });
        EXPECT_LT(GetTickCount() - antes, 5000u);
    }
}

TEST_F(Mensajes, AmpersandsFollowTheLabelsAcceleratorRule) {
    Mostrar(L"&&&&&&&&&&", mensajes::mkAviso, [&](TFMensajes& f) {
        EXPECT_EQ(f.lblTexto->Caption(), L"\r&&&&&&&&&&") << "the breaker keeps them all";
        // Two in a row draw one: the label is as wide as five.
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ viejo = SelectObject(dc, f.lblTexto->GetFont().Handle());
        SIZE cinco{};
        GetTextExtentPoint32W(dc, L"&&&&&", 5, &cinco);
        SelectObject(dc, viejo);
        DeleteDC(dc);
        EXPECT_EQ(f.lblTexto->Width(), cinco.cx);
    });
}

}  // namespace
