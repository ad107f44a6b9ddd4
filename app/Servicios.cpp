#include "app/Servicios.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <wininet.h>

#include <random>
#include <utility>

namespace app {

namespace {

// A system library loaded on first use, not at start-up: under Wine the
// sound, shell and Internet libraries bring a dozen more with them, and
// loading them up front costs the main window a visible part of its start.
template <class Fn>
class FuncionDiferida {
public:
    FuncionDiferida(const wchar_t* library, const char* name) : library_(library), name_(name) {}
    ~FuncionDiferida() {
        if (module_) FreeLibrary(module_);
    }
    FuncionDiferida(const FuncionDiferida&) = delete;
    FuncionDiferida& operator=(const FuncionDiferida&) = delete;

    // The function, or null when the library or the entry point is missing;
    // a failed load is not retried.
    Fn Get() {
        if (!tried_) {
            tried_ = true;
            module_ = LoadLibraryW(library_);
            if (module_)
                fn_ = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name_)));
        }
        return fn_;
    }

private:
    const wchar_t* library_;
    const char* name_;
    bool tried_ = false;
    HMODULE module_ = nullptr;
    Fn fn_ = nullptr;
};

// The runtime's pseudo-random generator, seeded from the time of day.
class AzarDelReloj : public trick::Azar {
public:
    void Randomize() override {
        SYSTEMTIME t;
        GetLocalTime(&t);
        engine_.seed(((t.wHour * 60u + t.wMinute) * 60u + t.wSecond) * 1000u + t.wMilliseconds);
    }
    int Draw(int range) override {
        return std::uniform_int_distribution<int>(0, range - 1)(engine_);
    }

private:
    std::mt19937 engine_;
};

class IdiomaDelSistema : public Idioma {
public:
    LANGID UserDefaultLangID() override { return GetUserDefaultLangID(); }
};

// Without the sound library nothing plays, as when PlaySound fails.
class SonidoDelSistema : public Sonido {
public:
    void Play(const void* wave, HMODULE module, DWORD flags) override {
        if (auto play = playSound_.Get()) play(static_cast<LPCSTR>(wave), module, flags);
    }

private:
    FuncionDiferida<decltype(&PlaySoundA)> playSound_{L"winmm.dll", "PlaySoundA"};
};

class ShellDelSistema : public Shell {
public:
    void Execute(HWND owner, const std::wstring& verb, const std::wstring& file,
                 const std::wstring& parameters, int show) override {
        if (auto execute = shellExecute_.Get())
            execute(owner, verb.c_str(), file.c_str(),
                    parameters.empty() ? nullptr : parameters.c_str(), nullptr, show);
    }

private:
    FuncionDiferida<decltype(&ShellExecuteW)> shellExecute_{L"shell32.dll", "ShellExecuteW"};
};

// Without the Internet library the answer is the call's own failure: offline.
class ConexionDelSistema : public Conexion {
public:
    bool ConnectedState(DWORD& flags) override {
        flags = 0;
        auto connected = connectedState_.Get();
        return connected && connected(&flags, 0) != FALSE;
    }

private:
    FuncionDiferida<decltype(&InternetGetConnectedState)> connectedState_{
        L"wininet.dll", "InternetGetConnectedState"};
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
