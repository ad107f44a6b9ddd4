// The message box's line breaking and sizing, against a fixed-width measurer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messages/Disposicion.h"

namespace {

using mensajes::Dimensionar;
using mensajes::Disposicion;
using mensajes::PartirEnRenglones;
using mensajes::Punto;
using mensajes::TextoDeEtiqueta;
using Renglones = std::vector<std::wstring>;

// Every character 10 pixels wide but 'W', 30; counts what it measures.
class MedidorFijo : public mensajes::Medidor {
public:
    int Ancho(std::wstring_view t) const override {
        medidos += t.size();
        int w = 0;
        for (wchar_t c : t) w += c == L'W' ? 30 : 10;
        return w;
    }
    mutable std::size_t medidos = 0;
};

TEST(Renglones, ParagraphsWrapAndBreakAsTheMemoDoes) {
    struct Caso {
        const wchar_t* texto;
        int ancho;
        Renglones esperado;
    };
    const Caso casos[] = {
        {L"", 100, {}},
        {L"hola", 100, {L"hola"}},
        // CR LF ends a paragraph; a last empty line is not counted.
        {L"uno\r\ndos", 100, {L"uno", L"dos"}},
        {L"uno\r\ndos\r\n", 100, {L"uno", L"dos"}},
        {L"uno\r\ndos\r\n\r\n", 100, {L"uno", L"dos", L""}},
        {L"uno\r\n\r\ndos", 100, {L"uno", L"", L"dos"}},
        {L"\r\n", 100, {L""}},
        {L"\r\n\r\n", 100, {L"", L""}},
        // A lone CR or LF ends a paragraph as well: the label would break there.
        {L"uno\ndos\rtres", 100, {L"uno", L"dos", L"tres"}},
        // After the last space that fits (six characters fit in 65 pixels).
        {L"aaa bbb ccc", 65, {L"aaa ", L"bbb ", L"ccc"}},
        // A space just past the edge ends the line there: it draws nothing.
        {L"aaa bbb ccc", 70, {L"aaa bbb ", L"ccc"}},
        // A word wider than the whole width is broken inside it...
        {L"abcdefghijklmno", 65, {L"abcdef", L"ghijkl", L"mno"}},
        // ...but a word that fits on a line of its own goes there whole first.
        {L"ab cdefghijklm", 65, {L"ab ", L"cdefgh", L"ijklm"}},
        // Each line takes at least one character, however wide.
        {L"WW", 20, {L"W", L"W"}},
        // The breaker counts an ampersand as any other character.
        {L"a&&b c", 35, {L"a&&", L"b c"}},
        {L"corto\r\nun renglón largo", 100, {L"corto", L"un renglón ", L"largo"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << "text of " << std::wstring(c.texto).size() << " chars, "
                                        << c.ancho);
        MedidorFijo m;
        EXPECT_EQ(PartirEnRenglones(c.texto, c.ancho, m), c.esperado);
    }
}

TEST(Renglones, LongTextsBreakWithoutMeasuringTheRestOverAndOver) {
    // 100,000 characters as one word, and as words of seven letters.
    const std::wstring palabra(100000, L'x');
    std::wstring prosa;
    while (prosa.size() < 100000) prosa += L"palabra ";
    struct Caso {
        const std::wstring& texto;
        std::size_t renglones;
    };
    for (const Caso& c : {Caso{palabra, 100000 / 43 + 1}, Caso{prosa, 100000 / 40}}) {
        MedidorFijo m;
        const Renglones r = PartirEnRenglones(c.texto, 435, m);
        EXPECT_EQ(r.size(), c.renglones);
        std::wstring junto;
        for (const auto& s : r) junto += s;
        EXPECT_EQ(junto, c.texto) << "no character lost or added";
        EXPECT_LT(m.medidos, 20 * c.texto.size());
    }
}

TEST(Renglones, TheLabelTextStartsEveryLineWithACarriageReturn) {
    EXPECT_EQ(TextoDeEtiqueta({}), L"");
    EXPECT_EQ(TextoDeEtiqueta({L"uno", L"", L"dos"}), L"\runo\r\rdos");
}

TEST(Dimensiones, TheNineStepsPlaceTheControls) {
    struct Caso {
        const char* que;
        int w, h, titulo;
        int cw, ch;
        Punto ok, borde;
        int izquierdaTitulo;
    };
    const Caso casos[] = {
        // An empty text: one empty row of 13 pixels, a space wide.
        {"empty", 3, 13, 121, 275, 193, {73, 98}, {69, 94}, 77},
        {"three lines, 200 wide", 200, 52, 121, 346, 232, {108, 137}, {104, 133}, 112},
        // Narrower than the OK button: the width stays 275.
        {"narrow", 128, 52, 55, 275, 232, {73, 137}, {69, 133}, 110},
        {"as wide as the button", 129, 52, 55, 275, 232, {73, 137}, {69, 133}, 110},
        {"one pixel wider", 130, 52, 55, 276, 232, {73, 137}, {69, 133}, 110},
        // Seven lines, as the store notice has them.
        {"seven lines", 400, 104, 121, 546, 284, {208, 189}, {204, 185}, 212},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        const Disposicion d = Dimensionar(c.w, c.h, c.titulo);
        EXPECT_EQ(d.anchoCliente, c.cw);
        EXPECT_EQ(d.altoCliente, c.ch);
        EXPECT_EQ(d.btnOK, c.ok);
        EXPECT_EQ(d.ImgOK, c.ok);
        EXPECT_EQ(d.BordeOK, c.borde);
        EXPECT_EQ(d.izquierdaTitulo, c.izquierdaTitulo);
    }
}

}  // namespace
