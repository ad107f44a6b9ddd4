#include "trick/Reparto.h"

#include <cstdio>

namespace trick {

Reparto Repartir(Azar& azar) {
    Reparto r;
    r.Simbolo = azar.Draw(kSimbolos) + kPrimerSimbolo;
    for (int j = 0; j < kCeldas; ++j) {
        // Secret cells still consume their draw, so every deal takes 101.
        const int d = azar.Draw(kSimbolos) + kPrimerSimbolo;
        r.Codigos[j] = EsCeldaSecreta(j) ? r.Simbolo : d;
    }
    return r;
}

std::wstring TextoNumero(int celda) {
    wchar_t buf[16];
    std::swprintf(buf, 16, L"%.2d->", celda);
    return buf;
}

}  // namespace trick
