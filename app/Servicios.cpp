#include "app/Servicios.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <wininet.h>

#include <random>

namespace app {

namespace {

// The runtime's pseudo-random generator, seeded from the time of day.
class AzarDelReloj : public trick::Azar {
public:
    void Randomize() override {
        SYSTEMTIME t;
        GetLocalTime(&t);
        engine_.seed(((t.wHour * 60u + t.wMinute) * 60u + t.wSecond) * 1000u + t.wMilliseconds);
    }
    int Draw(int range) override { return std::uniform_int_distribution<int>(0, range - 1)(engine_); }

private:
    std::mt19937 engine_;
};

class IdiomaDelSistema : public Idioma {
public:
    LANGID UserDefaultLangID() override { return GetUserDefaultLangID(); }
};

class SonidoDelSistema : public Sonido {
public:
    void Play(const void* wave, HMODULE module, DWORD flags) override {
        PlaySoundA(static_cast<LPCSTR>(wave), module, flags);
    }
};

class ShellDelSistema : public Shell {
public:
    void Execute(HWND owner, const std::wstring& verb, const std::wstring& file,
                 const std::wstring& parameters, int show) override {
        ShellExecuteW(owner, verb.c_str(), file.c_str(),
                      parameters.empty() ? nullptr : parameters.c_str(), nullptr, show);
    }
};

class ConexionDelSistema : public Conexion {
public:
    bool ConnectedState(DWORD& flags) override {
        flags = 0;
        return InternetGetConnectedState(&flags, 0) != FALSE;
    }
};

}  // namespace

struct ServiciosWindows::Impl {
    AzarDelReloj azar;
    IdiomaDelSistema idioma;
    SonidoDelSistema sonido;
    ShellDelSistema shell;
    ConexionDelSistema conexion;
};

ServiciosWindows::ServiciosWindows()
    : impl_(std::make_unique<Impl>()),
      servicios_{impl_->azar, impl_->idioma, impl_->sonido, impl_->shell, impl_->conexion} {}

ServiciosWindows::~ServiciosWindows() = default;

}  // namespace app

namespace app {

void ReproducirRecurso(Sonido& sonido, HMODULE module, bool enabled, const char* name,
                       DWORD flags) {
    if (!enabled) return;
    const void* wave = nullptr;
    if (HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(10)))  // RT_RCDATA
        wave = LockResource(LoadResource(module, found));
    sonido.Play(wave, module, flags);
}

}  // namespace app
