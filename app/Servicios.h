// The platform services that tests must observe or steer, behind narrow
// interfaces. The program wires them to Windows (Servicios.cpp); a test
// hands in its own.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "trick/Reparto.h"

namespace app {

// The user's default language identifier (GetUserDefaultLangID).
class Idioma {
public:
    virtual ~Idioma() = default;
    virtual LANGID UserDefaultLangID() = 0;
};

// The sound call (PlaySound with a WAVE image in memory, or null to stop).
class Sonido {
public:
    virtual ~Sonido() = default;
    virtual void Play(const void* wave, HMODULE module, DWORD flags) = 0;
};

// Requests to the shell (ShellExecute); the answer is never examined.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void Execute(HWND owner, const std::wstring& verb, const std::wstring& file,
                         const std::wstring& parameters, int show) = 0;
};

// The Internet connection state (InternetGetConnectedState): false when the
// call reports no connection, else true with the flags filled in.
class Conexion {
public:
    virtual ~Conexion() = default;
    virtual bool ConnectedState(DWORD& flags) = 0;
};

struct Servicios {
    trick::Azar& azar;
    Idioma& idioma;
    Sonido& sonido;
    Shell& shell;
    Conexion& conexion;
};

// The real services, for the program.
class ServiciosWindows {
public:
    ServiciosWindows();
    ~ServiciosWindows();
    ServiciosWindows(const ServiciosWindows&) = delete;
    ServiciosWindows& operator=(const ServiciosWindows&) = delete;
    Servicios& Get() { return servicios_; }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    Servicios servicios_;
};

// True when the primary language of `id` is English, any sublanguage.
constexpr bool IsEnglishUser(LANGID id) { return (id & 0xFF) == 0x09; }

}  // namespace app

namespace app {

// Plays the WAVE image stored as the RCDATA resource `name` of `module`,
// straight from the resource bytes; a name not found (or empty) stops what
// plays. With `enabled` false nothing changes.
void ReproducirRecurso(Sonido& sonido, HMODULE module, bool enabled, const char* name,
                       DWORD flags);

}  // namespace app
