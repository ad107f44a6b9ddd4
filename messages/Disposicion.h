// The message box's geometry, free of Windows: the text broken into display
// lines, and the window and its controls sized and placed around them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mensajes {

// Measures text as the label draws it, in pixels.
class Medidor {
public:
    virtual ~Medidor() = default;
    virtual int Ancho(std::wstring_view texto) const = 0;
};

// The display lines of `texto` wrapped to `ancho` pixels. Paragraphs end at
// CR LF (a lone CR or LF ends one too); a line breaks after the last space
// that fits (a space just past the edge may hang there), a word wider than
// the whole width is broken inside; an empty paragraph is an empty line; a
// last empty line is dropped, so an empty text has no lines.
std::vector<std::wstring> PartirEnRenglones(std::wstring_view texto, int ancho,
                                            const Medidor& medidor);

// The label's text: an empty first row, then every line after a CR.
std::wstring TextoDeEtiqueta(const std::vector<std::wstring>& renglones);

// What the layout gives the sizing.
struct Plantilla {
    int anchoBoton = 129, altoBoton = 49;  // btnOK
    int borde = 5;                         // PanelBorde's border width
    int textoLeft = 68, textoTop = 36;     // lblTexto
};

struct Punto {
    int x = 0, y = 0;
    bool operator==(const Punto&) const = default;
};

struct Disposicion {
    int anchoCliente = 0, altoCliente = 0;
    Punto btnOK, ImgOK, BordeOK;  // relative to PanelInterior
    int izquierdaTitulo = 0;      // lblCaption's Left
};

// Sizes the window for a label of `anchoTexto` x `altoTexto` pixels and a
// heading `anchoTitulo` wide. The positions use the window's client width
// although the controls sit in PanelInterior, 7 pixels in: so the OK
// picture and the heading stand a little right of the centre.
Disposicion Dimensionar(int anchoTexto, int altoTexto, int anchoTitulo,
                        const Plantilla& p = Plantilla{});

}  // namespace mensajes
