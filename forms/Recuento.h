// Live counts of the GDI and USER objects that the program owns, kept by
// the RAII owners and the window procedure themselves, so a long run can
// show that nothing leaks (Wine's GetGuiResources answers 0).
#pragma once

namespace forms::recuento {

enum Tipo { kGdi, kUser, kTipos };

inline int& Contador(Tipo t) {
    static int vivos[kTipos] = {};
    return vivos[t];
}
inline void Alta(Tipo t) { ++Contador(t); }
inline void Baja(Tipo t) { --Contador(t); }
inline int Vivos(Tipo t) { return Contador(t); }

}  // namespace forms::recuento
