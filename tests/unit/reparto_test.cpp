#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <vector>

#include "trick/Degradado.h"
#include "trick/Reparto.h"

namespace {

// Hands out scripted draws and records how many were asked for.
class AzarGuionado : public trick::Azar {
public:
    explicit AzarGuionado(std::deque<int> draws) : draws_(std::move(draws)) {}
    void Randomize() override {}
    int Draw(int range) override {
        EXPECT_EQ(range, 30);
        ++count;
        if (draws_.empty()) return 0;
        const int d = draws_.front();
        draws_.pop_front();
        return d;
    }
    int count = 0;

private:
    std::deque<int> draws_;
};

// Draw k gives k mod 30, so cell j would get (j + 1) mod 30 + 33 unless secret.
std::deque<int> Secuencia(int first) {
    std::deque<int> d{first};
    for (int j = 0; j < 100; ++j) d.push_back((j + 1) % 30);
    return d;
}

TEST(Reparto, SecretCellsCarryTheSecretSymbolAndTheRestTheirOwnDraw) {
    AzarGuionado azar(Secuencia(7));
    const trick::Reparto r = trick::Repartir(azar);
    EXPECT_EQ(azar.count, 101);
    EXPECT_EQ(r.Simbolo, 7 + 33);
    const std::set<int> secretas{0, 9, 18, 27, 36, 45, 54, 63, 72, 81, 99};
    for (int j = 0; j < 100; ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(trick::EsCeldaSecreta(j), secretas.count(j) == 1);
        if (secretas.count(j)) EXPECT_EQ(r.Codigos[j], r.Simbolo);
        else EXPECT_EQ(r.Codigos[j], (j + 1) % 30 + 33);  // 90 included: it draws freely
    }
}

TEST(Reparto, EveryCodeFrom33To62CanBeTheSecret) {
    for (int d = 0; d < 30; ++d) {
        AzarGuionado azar(Secuencia(d));
        const trick::Reparto r = trick::Repartir(azar);
        EXPECT_EQ(r.Simbolo, 33 + d);
        EXPECT_EQ(r.Codigos[45], 33 + d);
    }
}

TEST(Reparto, EveryResultOfTheProcedureLeadsToTheSecret) {
    AzarGuionado azar(Secuencia(12));
    const trick::Reparto r = trick::Repartir(azar);
    for (int n = 10; n <= 99; ++n) {
        const int resultado = n - (n / 10 + n % 10);
        EXPECT_EQ(r.Codigos[resultado], r.Simbolo) << n;
    }
}

TEST(Reparto, NumberCaptions) {
    EXPECT_EQ(trick::TextoNumero(0), L"00->");
    EXPECT_EQ(trick::TextoNumero(7), L"07->");
    EXPECT_EQ(trick::TextoNumero(10), L"10->");
    EXPECT_EQ(trick::TextoNumero(99), L"99->");
}

TEST(Degradado, BandColours) {
    struct Caso {
        std::uint32_t inicio, fin;
        int i, n;
        std::uint32_t esperado;
    };
    const Caso casos[] = {
        // Panel: black to red over 254 rows; row i has red i.
        {0x000000, 0x0000FF, 0, 254, 0x000000},
        {0x000000, 0x0000FF, 127, 254, 0x00007F},
        {0x000000, 0x0000FF, 253, 254, 0x0000FD},
        // Upper area: blue to black over 120 rows; blue 255*(119-i) div 120.
        {0xFF0000, 0x000000, 0, 120, 0xFC0000},
        {0xFF0000, 0x000000, 60, 120, 0x7D0000},
        {0xFF0000, 0x000000, 119, 120, 0x000000},
        // Channels are scaled separately and never carry into each other.
        {0xFFFFFF, 0xFFFFFF, 0, 2, 0x7F7F7F},
        {0xFFFFFF, 0xFFFFFF, 1, 2, 0x7F7F7F},
        {0x123456, 0x123456, 0, 1, 0x000000},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(trick::ColorBanda(c.inicio, c.fin, c.i, c.n), c.esperado)
            << std::hex << c.inicio << "->" << c.fin << " row " << std::dec << c.i << "/" << c.n;
}

TEST(Degradado, PanelRowsReadRedEqualToTheirIndex) {
    for (int i = 0; i < 254; ++i)
        EXPECT_EQ(trick::ColorBanda(0x000000, 0x0000FF, i, 254), static_cast<std::uint32_t>(i));
}

}  // namespace
