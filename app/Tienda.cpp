#include "app/Tienda.h"

#include <climits>
#include <cstring>

namespace app {

std::optional<std::wstring> TextoDeDatos(unsigned long tipo, const unsigned char* datos,
                                         std::size_t bytes) {
    if (tipo != kRegSz && tipo != kRegExpandSz) return std::nullopt;
    std::wstring texto(bytes / sizeof(wchar_t), L'\0');
    if (!texto.empty()) std::memcpy(texto.data(), datos, texto.size() * sizeof(wchar_t));
    if (const auto nul = texto.find(L'\0'); nul != std::wstring::npos) texto.resize(nul);
    return texto;
}

int EnteroODefecto(std::wstring_view t) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == L' ') ++i;
    bool negativo = false;
    if (i < t.size() && (t[i] == L'+' || t[i] == L'-')) negativo = t[i++] == L'-';
    if (i == t.size()) return 0;
    long long n = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < L'0' || t[i] > L'9') return 0;
        n = n * 10 + (t[i] - L'0');
        if (n > static_cast<long long>(INT_MAX) + 1) return 0;
    }
    if (negativo) n = -n;
    return n < INT_MIN || n > INT_MAX ? 0 : static_cast<int>(n);
}

bool EsWindowsDeTienda(ValoresDeVersion& valores) {
    std::wstring texto;
    if (valores.Existe(L"CurrentVersion")) {
        auto t = valores.Texto(L"CurrentVersion");
        if (!t) return false;
        texto = std::move(*t);
    }
    if (texto == L"6.3" && valores.Existe(L"CurrentBuildNumber")) {
        auto t = valores.Texto(L"CurrentBuildNumber");
        if (!t) return false;
        texto = std::move(*t);
    }
    return EnteroODefecto(texto) > 14392;
}

const wchar_t* TextoDelAviso(Sondas& sondas) {
    if (!sondas.IsStoreWindows()) return nullptr;
    if (!sondas.IsOnline()) return nullptr;
    return sondas.IsEnglishUser() ? kAvisoTiendaEn : kAvisoTiendaEs;
}

}  // namespace app
