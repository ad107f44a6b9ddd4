// The reveal window: the secret symbol, large, between two lines of text,
// over the "Aceptar" button that closes it.
#pragma once

#include "forms/Form.h"
#include "forms/StdCtrls.h"

namespace trick {

class TFZafrena2 : public forms::Form {
public:
    TFZafrena2();

    forms::Label* LSolucion = nullptr;
    forms::BitBtn* Aceptar = nullptr;
    forms::Label* Label1 = nullptr;
    forms::Label* Label2 = nullptr;

    void FormCreate(forms::Component& Sender);
};

// The instance created at start-up; every reveal uses a fresh one instead.
extern TFZafrena2* FZafrena2;

}  // namespace trick
