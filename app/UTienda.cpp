#include "app/UTienda.h"

#include <vector>

#include "app/Ajustes.h"
#include "app/Tienda.h"
#include "forms/Application.h"
#include "messages/Umensajes.h"

namespace app {

namespace {

// An open registry key, closed on every path.
class Clave {
public:
    Clave(HKEY root, const wchar_t* path) {
        // Reading is all the probe does: asking for more access fails for
        // standard users. The version lives in the system's native view.
        if (RegOpenKeyExW(root, path, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    Clave(const Clave&) = delete;
    Clave& operator=(const Clave&) = delete;
    ~Clave() {
        if (key_) RegCloseKey(key_);
    }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

class ValoresDelRegistro : public ValoresDeVersion {
public:
    explicit ValoresDelRegistro(HKEY key) : key_(key) {}
    bool Existe(const wchar_t* nombre) override {
        return RegQueryValueExW(key_, nombre, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }
    // The size first: a value that cannot be sized or has no data is the
    // empty text. Then the data, exactly as many bytes as it has.
    std::optional<std::wstring> Texto(const wchar_t* nombre) override {
        DWORD bytes = 0;
        if (RegQueryValueExW(key_, nombre, nullptr, nullptr, nullptr, &bytes) != ERROR_SUCCESS ||
            bytes == 0)
            return std::wstring();
        std::vector<unsigned char> datos(bytes);
        DWORD tipo = 0;
        if (RegQueryValueExW(key_, nombre, nullptr, &tipo, datos.data(), &bytes) != ERROR_SUCCESS)
            return std::nullopt;
        return TextoDeDatos(tipo, datos.data(), bytes);
    }

private:
    HKEY key_;
};

class SondasReales : public Sondas {
public:
    SondasReales(Servicios& s, HKEY root, const wchar_t* path)
        : servicios_(s), root_(root), path_(path) {}
    bool IsStoreWindows() override { return app::IsStoreWindows(root_, path_); }
    bool IsOnline() override { return app::IsOnline(servicios_.conexion); }
    bool IsEnglishUser() override {
        return app::IsEnglishUser(servicios_.idioma.UserDefaultLangID());
    }

private:
    Servicios& servicios_;
    HKEY root_;
    const wchar_t* path_;
};

}  // namespace

bool IsStoreWindows(HKEY root, const wchar_t* path) {
    const Clave clave(root, path);
    if (!clave.Get()) return false;
    ValoresDelRegistro valores(clave.Get());
    return EsWindowsDeTienda(valores);
}

bool IsOnline(Conexion& conexion) {
    DWORD flags = 0;
    const bool conectado = conexion.ConnectedState(flags);
    return EnLinea(conectado, flags);
}

bool IsWine() {
    HMODULE ntdll = LoadLibraryW(L"ntdll.dll");
    if (!ntdll) return false;
    const bool version = GetProcAddress(ntdll, "wine_get_version") != nullptr;
    const bool nombres = GetProcAddress(ntdll, "wine_nt_to_unix_file_name") != nullptr;
    FreeLibrary(ntdll);
    return version || nombres;
}

void OpenWebPage(Shell& shell, const std::wstring& URL) {
    HWND owner = forms::Application::Exists() ? forms::Application::Current().Handle() : nullptr;
    // Wine's launcher is a program: the address is its parameter, not part
    // of the file name (the joined text is no file, and nothing opens).
    if (IsWine()) shell.Execute(owner, L"open", L"winebrowser", URL, SW_SHOWMAXIMIZED);
    else shell.Execute(owner, L"open", URL, L"", SW_SHOWMAXIMIZED);
}

void ShowStoreNotice(Servicios& servicios, HKEY root, const wchar_t* path) {
    SondasReales sondas(servicios, root, path);
    const wchar_t* texto = TextoDelAviso(sondas);
    if (!texto) return;
    mensajes::ShowMensaje(texto, mensajes::mkInformacion);
    OpenWebPage(servicios.shell, ajustes::kStorePage);
}

}  // namespace app
