// The store probes on a registry key of the test's own, and the start-up
// notice with recording stand-ins for the connection, language and shell.
#include <windows.h>
#include <sddl.h>

#include <optional>
#include <string>
#include <vector>

#include "app/Ajustes.h"
#include "app/Tienda.h"
#include "app/UTienda.h"
#include "messages/Umensajes.h"
#include "tests/win/Harness.h"

namespace {

using namespace prueba;

// A scratch key under HKEY_CURRENT_USER, removed again with all it holds.
class ClavePrueba {
public:
    ClavePrueba()
        : ruta_(L"Software\\ZafrenaPruebas\\Version" + std::to_wstring(GetCurrentProcessId())) {
        RegDeleteTreeW(HKEY_CURRENT_USER, ruta_.c_str());
        RegCreateKeyExW(HKEY_CURRENT_USER, ruta_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key_, nullptr);
    }
    ~ClavePrueba() {
        Permitir(L"D:(A;;KA;;;WD)");
        RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZafrenaPruebas");
    }
    ClavePrueba(const ClavePrueba&) = delete;
    ClavePrueba& operator=(const ClavePrueba&) = delete;
    const wchar_t* Ruta() const { return ruta_.c_str(); }

    void Poner(const wchar_t* nombre, DWORD tipo, const void* datos, DWORD bytes) {
        ASSERT_EQ(RegSetValueExW(key_, nombre, 0, tipo, static_cast<const BYTE*>(datos), bytes),
                  ERROR_SUCCESS);
    }
    void Quitar(const wchar_t* nombre) { RegDeleteValueW(key_, nombre); }
    // The key's access list, in the security descriptor language.
    void Permitir(const wchar_t* sddl) {
        PSECURITY_DESCRIPTOR sd = nullptr;
        if (ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &sd,
                                                                 nullptr)) {
            RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, sd);
            LocalFree(sd);
        }
    }

private:
    std::wstring ruta_;
    HKEY key_ = nullptr;
};

// A value as stored: its type and its bytes, exactly.
struct Valor {
    DWORD tipo;
    std::vector<unsigned char> bytes;
};

// A text value; `nul` adds the terminating NUL, `recorte` drops bytes off the end.
Valor Texto(const std::wstring& t, bool nul = true, DWORD tipo = REG_SZ, std::size_t recorte = 0) {
    const auto* p = reinterpret_cast<const unsigned char*>(t.c_str());
    std::vector<unsigned char> b(p, p + (t.size() + (nul ? 1 : 0)) * sizeof(wchar_t) - recorte);
    return {tipo, b};
}

Valor Numero(DWORD n) {
    const auto* p = reinterpret_cast<const unsigned char*>(&n);
    return {REG_DWORD, {p, p + sizeof n}};
}

TEST(Tienda, IsStoreWindowsReadsEveryShapeOfTheVersionValues) {
    using namespace std::string_literals;
    const Valor v63 = Texto(L"6.3"), v61 = Texto(L"6.1");
    struct Caso {
        const char* que;
        std::optional<Valor> version, build;
        bool esperado;
    };
    const Caso casos[] = {
        {"6.3, build 14393", v63, Texto(L"14393"), true},
        {"6.3, build 19045", v63, Texto(L"19045"), true},
        {"6.3, build 14392", v63, Texto(L"14392"), false},
        {"6.3, build 9600", v63, Texto(L"9600"), false},
        {"6.3 without a build", v63, std::nullopt, false},
        {"6.1 with a new build", v61, Texto(L"19045"), false},
        {"Windows 7 as a fresh prefix has it", v61, Texto(L"7601"), false},
        {"no version", std::nullopt, Texto(L"19045"), false},
        {"no values at all", std::nullopt, std::nullopt, false},
        {"the version as a number", Numero(6), Texto(L"19045"), false},
        {"the build as a number", v63, Numero(19045), false},
        {"expandable texts", Texto(L"6.3", true, REG_EXPAND_SZ),
         Texto(L"14393", true, REG_EXPAND_SZ), true},
        {"texts without a terminating NUL", Texto(L"6.3", false), Texto(L"14393", false), true},
        {"a build of an odd size", v63, Texto(L"14393", false, REG_SZ, 1), false},  // "1439"
        {"the text ends at its first NUL", v63, Texto(L"14393\0" L"1"s), true},
        {"an empty build", v63, Texto(L"", false), false},
        {"several texts", v63, Texto(L"14393\0"s, true, REG_MULTI_SZ), false},
        {"bytes", v63, Texto(L"14393", false, REG_BINARY), false},
    };
    ClavePrueba clave;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        clave.Quitar(L"CurrentVersion");
        clave.Quitar(L"CurrentBuildNumber");
        if (c.version)
            clave.Poner(L"CurrentVersion", c.version->tipo, c.version->bytes.data(),
                        static_cast<DWORD>(c.version->bytes.size()));
        if (c.build)
            clave.Poner(L"CurrentBuildNumber", c.build->tipo, c.build->bytes.data(),
                        static_cast<DWORD>(c.build->bytes.size()));
        EXPECT_EQ(app::IsStoreWindows(HKEY_CURRENT_USER, clave.Ruta()), c.esperado);
    }
    EXPECT_FALSE(app::IsStoreWindows(HKEY_CURRENT_USER, L"Software\\ZafrenaPruebas\\NoExiste"));
}

TEST(Tienda, AKeyThatOnlyAllowsReadingIsEnough) {
    ClavePrueba clave;
    const Valor v = Texto(L"6.3"), b = Texto(L"14393");
    clave.Poner(L"CurrentVersion", v.tipo, v.bytes.data(), static_cast<DWORD>(v.bytes.size()));
    clave.Poner(L"CurrentBuildNumber", b.tipo, b.bytes.data(), static_cast<DWORD>(b.bytes.size()));
    // Everyone may read it, no one may change it: as HKLM is for a standard user.
    clave.Permitir(L"D:P(A;;KR;;;WD)");
    HKEY todo = nullptr;
    const LONG r = RegOpenKeyExW(HKEY_CURRENT_USER, clave.Ruta(), 0, KEY_ALL_ACCESS, &todo);
    if (r == ERROR_SUCCESS) RegCloseKey(todo);
    EXPECT_EQ(r, ERROR_ACCESS_DENIED) << "asking for all access is refused";
    EXPECT_TRUE(app::IsStoreWindows(HKEY_CURRENT_USER, clave.Ruta()));
}

TEST(Tienda, UnderWineThePageOpensThroughWinebrowser) {
    ASSERT_TRUE(app::IsWine());
    ShellGrabado shell;
    app::OpenWebPage(shell, L"https://apps.microsoft.example/detail/zafrena");
    ASSERT_EQ(shell.peticiones.size(), 1u);
    const auto& p = shell.peticiones[0];
    EXPECT_EQ(p.verb, L"open");
    // The launcher is the program, the address its parameter.
    EXPECT_EQ(p.file, L"winebrowser");
    EXPECT_EQ(p.parameters, L"https://apps.microsoft.example/detail/zafrena");
    EXPECT_EQ(p.show, SW_SHOWMAXIMIZED);
}

using AvisoDeTienda = PruebaWin;

TEST_F(AvisoDeTienda, ShowsTheNoticeOnlyOnAStoreWindowsOnlineAndThenOpensThePage) {
    struct Caso {
        const char* que;
        const wchar_t* version;
        const wchar_t* build;
        bool conectado;
        DWORD flags;
        LANGID idioma;
        const wchar_t* aviso;  // null: none
        int consultas;         // of the connection state
    };
    const Caso casos[] = {
        {"Windows 7: the connection is not asked", L"6.1", L"7601", true, 0x12, 0x0C0A, nullptr, 0},
        {"no connection", L"6.3", L"19045", false, 0, 0x0C0A, nullptr, 1},
        {"offline mode", L"6.3", L"19045", true, 0x20, 0x0C0A, nullptr, 1},
        {"Spanish", L"6.3", L"19045", true, 0x12, 0x0C0A, app::kAvisoTiendaEs, 1},
        {"English from Britain", L"6.3", L"14393", true, 0x12, 0x0809, app::kAvisoTiendaEn, 1},
        {"German sees Spanish", L"6.3", L"14393", true, 0x12, 0x0407, app::kAvisoTiendaEs, 1},
    };
    ClavePrueba clave;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        const Valor v = Texto(c.version), b = Texto(c.build);
        clave.Poner(L"CurrentVersion", v.tipo, v.bytes.data(), static_cast<DWORD>(v.bytes.size()));
        clave.Poner(L"CurrentBuildNumber", b.tipo, b.bytes.data(),
                    static_cast<DWORD>(b.bytes.size()));
        Entorno e;
        e.conexion.conectado = c.conectado;
        e.conexion.flags = c.flags;
        e.idioma.id = c.idioma;
        bool mostrado = false;
        std::wstring etiqueta, titulo;
        std::size_t pedidasAntes = 0;
        Luego(100, [&] {
            if (!mensajes::FMensajes) return;
            mostrado = true;
            etiqueta = mensajes::FMensajes->lblTexto->Caption();
            titulo = mensajes::FMensajes->Caption();
            pedidasAntes = e.shell.peticiones.size();
            mensajes::FMensajes->Close();
        });
        app::ShowStoreNotice(e.servicios, HKEY_CURRENT_USER, clave.Ruta());
        Pump(150);  // the check above has run either way
        EXPECT_EQ(e.conexion.consultas, c.consultas);
        EXPECT_EQ(mostrado, c.aviso != nullptr);
        if (!c.aviso) {
            EXPECT_TRUE(e.shell.peticiones.empty());
            continue;
        }
        EXPECT_EQ(titulo, L"Información");
        // Seven lines, the text's own, none of them wrapped.
        std::wstring esperado = L"\r" + std::wstring(c.aviso);
        for (std::size_t i; (i = esperado.find(L"\r\n")) != std::wstring::npos;)
            esperado.erase(i + 1, 1);
        EXPECT_EQ(etiqueta, esperado);
        EXPECT_EQ(pedidasAntes, 0u) << "the page opens after the notice";
        ASSERT_EQ(e.shell.peticiones.size(), 1u);
        const auto& p = e.shell.peticiones[0];
        EXPECT_EQ(p.owner, aplicacion.Handle());
        EXPECT_EQ(p.verb, L"open");
        EXPECT_EQ(p.file, L"winebrowser");
        EXPECT_EQ(p.parameters, ajustes::kStorePage);
        EXPECT_EQ(p.show, SW_SHOWMAXIMIZED);
    }
}

}  // namespace
