// What the Windows-side tests share: recording stand-ins for the platform
// services, an application object per test, bounded message pumping and
// real mouse and key messages.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/Servicios.h"
#include "app/SimbolosPropios.h"
#include "forms/Application.h"

namespace prueba {

// Draws from a script; past its end, draw k gives k mod range.
class AzarGuionado : public trick::Azar {
public:
    void Randomize() override { ++randomizados; }
    int Draw(int range) override {
        ++draws;
        if (!guion.empty()) {
            const int d = guion.front();
            guion.pop_front();
            return d;
        }
        return (draws - 1) % range;
    }
    std::deque<int> guion;
    int draws = 0;
    int randomizados = 0;
};

class IdiomaFijo : public app::Idioma {
public:
    LANGID UserDefaultLangID() override { return id; }
    LANGID id = 0x0C0A;  // Spanish (Spain)
};

// Records every sound request by the name of the resource it points at.
class SonidoGrabado : public app::Sonido {
public:
    struct Peticion {
        std::string nombre;  // "" when no resource was found
        DWORD flags;
    };
    void Play(const void* wave, HMODULE module, DWORD flags) override;
    std::vector<std::string> Nombres() const;
    std::vector<Peticion> peticiones;
};

class ShellGrabado : public app::Shell {
public:
    struct Peticion {
        HWND owner;
        std::wstring verb, file, parameters;
        int show;
    };
    void Execute(HWND owner, const std::wstring& verb, const std::wstring& file,
                 const std::wstring& parameters, int show) override {
        peticiones.push_back({owner, verb, file, parameters, show});
    }
    std::vector<Peticion> peticiones;
};

class ConexionFija : public app::Conexion {
public:
    bool ConnectedState(DWORD& f) override {
        ++consultas;
        f = flags;
        return conectado;
    }
    bool conectado = true;
    DWORD flags = 0x12;
    int consultas = 0;
};

struct Entorno {
    AzarGuionado azar;
    IdiomaFijo idioma;
    SonidoGrabado sonido;
    ShellGrabado shell;
    ConexionFija conexion;
    app::Servicios servicios{azar, idioma, sonido, shell, conexion};
};

// Dispatches messages for `ms` milliseconds, waiting on the queue.
void Pump(int ms);
// Runs `accion` from inside the next message loop, `ms` from now: the way
// to act on a modal window while ShowModal runs.
void Luego(int ms, std::function<void()> accion);

// Real mouse messages at a client position of `hwnd`.
void Pulsar(HWND hwnd, int x, int y, UINT down = WM_LBUTTONDOWN, WPARAM keys = MK_LBUTTON);
void Soltar(HWND hwnd, int x, int y, UINT up = WM_LBUTTONUP, WPARAM keys = 0);
void Clic(HWND hwnd, int x, int y);
void Mover(HWND hwnd, int x, int y, WPARAM keys = 0);
// A key as the keyboard sends it to the focused window (down, char, up).
void Tecla(WPARAM vk);

// The colour of a client pixel as the window shows it.
COLORREF Pixel(HWND hwnd, int x, int y);

// An application object and the symbol font for every test.
class PruebaWin : public ::testing::Test {
protected:
    forms::Application aplicacion;
    app::SimbolosPropios simbolos{aplicacion.GetScreen()};
    Entorno entorno;
};

}  // namespace prueba
