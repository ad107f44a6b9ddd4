#include "trick/UZafrena2.h"

#include "forms/Loader.h"
#include "trick/UZafrena1.h"

namespace trick {

TFZafrena2* FZafrena2 = nullptr;

TFZafrena2::TFZafrena2() {
    forms::Bindings b;
    b.Field("LSolucion", LSolucion)
        .Field("Aceptar", Aceptar)
        .Field("Label1", Label1)
        .Field("Label2", Label2)
        .Handler("FormCreate", this, &TFZafrena2::FormCreate);
    Load("TFZAFRENA2", "TFZafrena2", b);
}

void TFZafrena2::FormCreate(forms::Component&) { Aceptar->Cursor = crApuntando; }

}  // namespace trick
