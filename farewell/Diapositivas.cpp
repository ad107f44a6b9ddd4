#include "farewell/Diapositivas.h"

namespace farewell {

int SiguienteDiapositiva(int Contador) {
    ++Contador;
    if (Contador > kDiapositivas) Contador = 1;
    return Contador;
}

}  // namespace farewell
