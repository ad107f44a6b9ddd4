#include "messages/Disposicion.h"

#include <algorithm>

namespace mensajes {

namespace {

// How many leading characters of `s` (not empty) fit in `ancho`; at least
// one, so that every line takes something. The probe grows, then the gap
// halves: a long paragraph costs about line length x log per line.
std::size_t CuantosCaben(std::wstring_view s, int ancho, const Medidor& m) {
    std::size_t caben = 0, noCaben = 0;  // noCaben == 0: not known yet
    for (std::size_t k = 64;; k *= 2) {
        k = std::min(k, s.size());
        if (m.Ancho(s.substr(0, k)) > ancho) {
            noCaben = k;
            break;
        }
        caben = k;
        if (k == s.size()) return k;
    }
    while (noCaben - caben > 1) {
        const std::size_t medio = caben + (noCaben - caben) / 2;
        if (m.Ancho(s.substr(0, medio)) <= ancho) caben = medio;
        else noCaben = medio;
    }
    return std::max<std::size_t>(caben, 1);
}

void Envolver(std::wstring_view parrafo, int ancho, const Medidor& m,
              std::vector<std::wstring>& renglones) {
    if (parrafo.empty()) {
        renglones.emplace_back();
        return;
    }
    while (!parrafo.empty()) {
        const std::size_t n = CuantosCaben(parrafo, ancho, m);
        std::size_t corte = n;
        if (n < parrafo.size()) {
            // parrafo[n] is the first character that does not fit; a space
            // there may still end the line, it draws nothing.
            for (std::size_t i = n + 1; i-- > 0;) {
                if (parrafo[i] == L' ') {
                    corte = i + 1;
                    break;
                }
            }
        }
        renglones.emplace_back(parrafo.substr(0, corte));
        parrafo.remove_prefix(corte);
    }
}

}  // namespace

std::vector<std::wstring> PartirEnRenglones(std::wstring_view texto, int ancho,
                                            const Medidor& medidor) {
    std::vector<std::wstring> renglones;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] != L'\r' && texto[i] != L'\n') continue;
        Envolver(texto.substr(inicio, i - inicio), ancho, medidor, renglones);
        if (texto[i] == L'\r' && i + 1 < texto.size() && texto[i + 1] == L'\n') ++i;
        inicio = i + 1;
    }
    Envolver(texto.substr(inicio), ancho, medidor, renglones);
    if (renglones.back().empty()) renglones.pop_back();
    return renglones;
}

std::wstring TextoDeEtiqueta(const std::vector<std::wstring>& renglones) {
    std::wstring texto;
    for (const std::wstring& r : renglones) {
        texto += L'\r';
        texto += r;
    }
    return texto;
}

Disposicion Dimensionar(int anchoTexto, int altoTexto, int anchoTitulo, const Plantilla& p) {
    Disposicion d;
    d.anchoCliente = std::max(anchoTexto, p.anchoBoton) + 2 * p.borde + 2 * p.textoLeft;
    // The button's own height stands as the gap between the text and the OK picture.
    d.btnOK.y = p.textoTop + altoTexto + p.altoBoton;
    d.btnOK.x = (d.anchoCliente - p.anchoBoton) / 2;
    d.ImgOK = d.btnOK;
    d.BordeOK = {d.ImgOK.x - 4, d.ImgOK.y - 4};
    d.altoCliente = d.btnOK.y + p.altoBoton + 2 * p.borde + p.textoTop;
    d.izquierdaTitulo = (d.anchoCliente - anchoTitulo) / 2;
    return d;
}

}  // namespace mensajes
