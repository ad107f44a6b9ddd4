// The store notice's decision, free of Windows: the version rule over the
// registry's values, the connection rule and which text to show.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace app {

inline constexpr wchar_t kAvisoTiendaEn[] =
    L"This version of \"Zafrena\" is available in the Windows 10 Store\r\n\r\n"
    L"We recommend installing it from the store for the improvements it offers:\r\n\r\n"
    L"* AUTOMATIC UPDATES\r\n* MICROSOFT SECURITY CERTIFICATE\r\n* KEEP BEING FREE";
inline constexpr wchar_t kAvisoTiendaEs[] =
    L"Esta versión de \"Zafrena\" está disponible en la Tienda Oficial de Windows 10\r\n\r\n"
    L"Aconsejamos instalarla desde la Tienda por las mejoras que ofrece:\r\n\r\n"
    L"* ACTUALIZACIONES AUTOMÁTICAS\r\n* CERTIFICADO DE SEGURIDAD DE MICROSOFT\r\n"
    L"* SIGUE SIENDO GRATIS";

// Registry value types that read as text (REG_SZ, REG_EXPAND_SZ).
inline constexpr unsigned long kRegSz = 1, kRegExpandSz = 2;

// A registry value's data read as text: up to the first NUL or the end of
// the data, whichever comes first (the data need not end in a NUL, and an
// odd last byte is no character). Nothing for a type that is not text.
std::optional<std::wstring> TextoDeDatos(unsigned long tipo, const unsigned char* datos,
                                         std::size_t bytes);

// A whole decimal number (leading blanks and a sign allowed), or 0 for
// an empty text, any other text, or one out of range.
int EnteroODefecto(std::wstring_view texto);

// The two version values, as a registry key offers them.
class ValoresDeVersion {
public:
    virtual ~ValoresDeVersion() = default;
    virtual bool Existe(const wchar_t* nombre) = 0;
    // The value as text; nothing when it cannot be read as text.
    virtual std::optional<std::wstring> Texto(const wchar_t* nombre) = 0;
};

// Windows 10 build 14393 or later: "6.3" sends the rule on to the build
// number; any other version text is taken as the number itself.
bool EsWindowsDeTienda(ValoresDeVersion& valores);

// Online: a connection is reported and it is not in offline mode (0x20).
constexpr bool EnLinea(bool conectado, std::uint32_t flags) {
    return conectado && !(flags & 0x20u);
}

// The probes, in the order the notice asks them.
class Sondas {
public:
    virtual ~Sondas() = default;
    virtual bool IsStoreWindows() = 0;
    virtual bool IsOnline() = 0;
    virtual bool IsEnglishUser() = 0;
};

// The notice's text, or null for no notice. The connection is asked only
// when the registry says yes, the language only when there is a notice.
const wchar_t* TextoDelAviso(Sondas& sondas);

}  // namespace app
