#include "about/Reglas.h"

namespace about {

std::wstring Credito(std::wstring_view autor) {
    std::wstring s = L"Programa realizado por ";
    s += autor;
    s.append(18, L' ');
    return s;
}

std::wstring Rotar(std::wstring_view texto) {
    if (texto.size() < 2) return std::wstring(texto);
    std::wstring s(texto.substr(1));
    s += texto.front();
    return s;
}

std::wstring PeticionDeCorreo(std::wstring_view direccion) {
    std::wstring s = L"Mailto:";
    s += direccion;
    s += L"?Subject=Quorvel";
    return s;
}

bool ColoresEnlaces::Mover(Enlace e, int x, int y, int ancho, int alto) {
    const bool dentro = DentroDelEnlace(x, y, ancho, alto);
    (e == Enlace::Web ? web_ : correo_) = dentro ? kBlanco : kRojo;
    return dentro;
}

void ColoresEnlaces::Pulsar(Boton b, Color& guardado, Color pulsado) {
    if (b != Boton::Izquierdo) return;
    guardado = web_;
    web_ = pulsado;
}

void ColoresEnlaces::Soltar(Boton b, Color guardado) {
    if (b == Boton::Izquierdo) web_ = guardado;
}

}  // namespace about
