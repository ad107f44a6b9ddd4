// The store notice's decision: the registry's text rules, the version rule,
// the connection rule and the order in which the probes are asked.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "app/Tienda.h"

namespace {

using app::kRegExpandSz;
using app::kRegSz;

constexpr unsigned long kRegBinary = 3, kRegDword = 4, kRegMultiSz = 7;

TEST(Tienda, RegistryDataReadsAsTextUpToItsFirstNulAndNoFurther) {
    struct Caso {
        const char* que;
        unsigned long tipo;
        std::wstring datos;    // as stored, without any terminator of our own
        std::size_t recorte;   // bytes left off the end (an odd size)
        std::optional<std::wstring> esperado;
    };
    using namespace std::string_literals;
    const Caso casos[] = {
        {"terminated", kRegSz, L"6.3\0"s, 0, L"6.3"},
        {"without a NUL", kRegSz, L"14393"s, 0, L"14393"},
        {"an odd last byte", kRegSz, L"14393"s, 1, L"1439"},
        {"ends at the first NUL", kRegSz, L"14393\0" L"99"s, 0, L"14393"},
        {"expandable", kRegExpandSz, L"6.3"s, 0, L"6.3"},
        {"a single byte", kRegSz, L"6"s, 1, L""},
        {"a number", kRegDword, L"\x3839\0"s, 0, std::nullopt},
        {"several texts", kRegMultiSz, L"6.3\0\0"s, 0, std::nullopt},
        {"bytes", kRegBinary, L"6.3"s, 0, std::nullopt},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        // Exactly as many bytes as the value has: a read past them is caught.
        const std::size_t bytes = c.datos.size() * sizeof(wchar_t) - c.recorte;
        auto datos = std::make_unique<unsigned char[]>(bytes);
        std::memcpy(datos.get(), c.datos.data(), bytes);
        EXPECT_EQ(app::TextoDeDatos(c.tipo, datos.get(), bytes), c.esperado);
    }
}

TEST(Tienda, TextsConvertToWholeNumbersOrZero) {
    const std::pair<const wchar_t*, int> casos[] = {
        {L"14393", 14393}, {L"", 0},           {L"6.3", 0},        {L"6.1", 0},
        {L"  12", 12},     {L"12 ", 0},        {L"-5", -5},        {L"+7", 7},
        {L"-", 0},         {L"1e5", 0},        {L"abc", 0},        {L"2147483647", INT_MAX},
        {L"-2147483648", INT_MIN},             {L"2147483648", 0}, {L"99999999999999999999", 0},
    };
    for (const auto& [texto, numero] : casos) {
        SCOPED_TRACE(testing::Message() << std::wstring(texto).size() << " characters");
        EXPECT_EQ(app::EnteroODefecto(texto), numero);
    }
}

// Values by name: absent, text, or unreadable (nullopt); records the reads.
class ValoresFijos : public app::ValoresDeVersion {
public:
    std::map<std::wstring, std::optional<std::wstring>> valores;
    std::wstring leidos;
    bool Existe(const wchar_t* n) override { return valores.count(n) != 0; }
    std::optional<std::wstring> Texto(const wchar_t* n) override {
        leidos += std::wstring(n) + L";";
        return valores.at(n);
    }
};

TEST(Tienda, Version63SendsTheRuleOnToTheBuildNumber) {
    const std::optional<std::wstring> ilegible;
    struct Caso {
        const char* que;
        std::map<std::wstring, std::optional<std::wstring>> valores;
        bool esperado;
        const wchar_t* leidos;
    };
    const Caso casos[] = {
        {"build 14393", {{L"CurrentVersion", L"6.3"}, {L"CurrentBuildNumber", L"14393"}}, true,
         L"CurrentVersion;CurrentBuildNumber;"},
        {"build 14392", {{L"CurrentVersion", L"6.3"}, {L"CurrentBuildNumber", L"14392"}}, false,
         L"CurrentVersion;CurrentBuildNumber;"},
        {"build 9600", {{L"CurrentVersion", L"6.3"}, {L"CurrentBuildNumber", L"9600"}}, false,
         L"CurrentVersion;CurrentBuildNumber;"},
        {"6.3 without a build", {{L"CurrentVersion", L"6.3"}}, false, L"CurrentVersion;"},
        {"6.1: the build is not read",
         {{L"CurrentVersion", L"6.1"}, {L"CurrentBuildNumber", L"19045"}}, false,
         L"CurrentVersion;"},
        {"6.3 with a blank is not 6.3",
         {{L"CurrentVersion", L"6.3 "}, {L"CurrentBuildNumber", L"19045"}}, false,
         L"CurrentVersion;"},
        // Any other version text is taken as the number itself.
        {"a version text that is a big number", {{L"CurrentVersion", L"14393"}}, true,
         L"CurrentVersion;"},
        {"no version", {{L"CurrentBuildNumber", L"19045"}}, false, L""},
        {"an unreadable version", {{L"CurrentVersion", ilegible}}, false, L"CurrentVersion;"},
        {"an unreadable build", {{L"CurrentVersion", L"6.3"}, {L"CurrentBuildNumber", ilegible}},
         false, L"CurrentVersion;CurrentBuildNumber;"},
        {"an empty build", {{L"CurrentVersion", L"6.3"}, {L"CurrentBuildNumber", L""}}, false,
         L"CurrentVersion;CurrentBuildNumber;"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        ValoresFijos v;
        v.valores = c.valores;
        EXPECT_EQ(app::EsWindowsDeTienda(v), c.esperado);
        EXPECT_EQ(v.leidos, c.leidos);
    }
}

TEST(Tienda, OnlineMeansAConnectionNotInOfflineMode) {
    EXPECT_TRUE(app::EnLinea(true, 0x12));
    EXPECT_TRUE(app::EnLinea(true, 0));
    EXPECT_FALSE(app::EnLinea(true, 0x20));
    EXPECT_FALSE(app::EnLinea(true, 0x32));
    EXPECT_FALSE(app::EnLinea(false, 0x12));
}

// Answers as told and writes down what was asked: R registry, C connection,
// I language.
class SondasFijas : public app::Sondas {
public:
    SondasFijas(bool r, bool c, bool i) : registro(r), conexion(c), ingles(i) {}
    bool IsStoreWindows() override { return preguntas += 'R', registro; }
    bool IsOnline() override { return preguntas += 'C', conexion; }
    bool IsEnglishUser() override { return preguntas += 'I', ingles; }
    bool registro, conexion, ingles;
    std::string preguntas;
};

TEST(Tienda, TheNoticeAsksTheRegistryFirstAndTheConnectionOnlyAfterAYes) {
    struct Caso {
        bool registro, conexion, ingles;
        const wchar_t* texto;
        const char* preguntas;
    };
    const Caso casos[] = {
        {false, true, true, nullptr, "R"},
        {false, false, false, nullptr, "R"},
        {true, false, true, nullptr, "RC"},
        {true, false, false, nullptr, "RC"},
        {true, true, true, app::kAvisoTiendaEn, "RCI"},
        {true, true, false, app::kAvisoTiendaEs, "RCI"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.registro << c.conexion << c.ingles);
        SondasFijas s(c.registro, c.conexion, c.ingles);
        EXPECT_EQ(app::TextoDelAviso(s), c.texto);
        EXPECT_EQ(s.preguntas, c.preguntas);
    }
}

TEST(Tienda, TheTwoTextsHaveTheirParagraphsAndBulletPoints) {
    // Seven lines each: two paragraphs, a blank line after each, three points.
    for (const std::wstring t : {app::kAvisoTiendaEn, app::kAvisoTiendaEs}) {
        std::size_t lineas = 1;
        for (std::size_t i = t.find(L"\r\n"); i != std::wstring::npos; i = t.find(L"\r\n", i + 2))
            ++lineas;
        EXPECT_EQ(lineas, 7u);
        EXPECT_EQ(t.find(L'\n'), t.find(L"\r\n") + 1);
    }
    EXPECT_NE(std::wstring(app::kAvisoTiendaEs).find(L"* ACTUALIZACIONES AUTOMÁTICAS\r\n"),
              std::wstring::npos);
}

}  // namespace
