// The trick table's deal, kept free of Windows so it can be tested natively.
#pragma once

#include <array>
#include <string>

namespace trick {

// The random source of the deal: one draw is an integer uniform over 0..range-1.
class Azar {
public:
    virtual ~Azar() = default;
    virtual void Randomize() = 0;  // seeds the source, once per run
    virtual int Draw(int range) = 0;
};

constexpr int kCeldas = 100;
constexpr int kPrimerSimbolo = 33;  // '!'
constexpr int kSimbolos = 30;       // codes 33 ('!') to 62 ('>')

struct Reparto {
    int Simbolo = kPrimerSimbolo;           // the deal's secret symbol code
    std::array<int, kCeldas> Codigos{};     // symbol code of each cell
};

// Every multiple of 9 but 90 carries the secret symbol; 0 and 99 included.
constexpr bool EsCeldaSecreta(int celda) { return celda % 9 == 0 && celda != 90; }

// 101 draws: the secret symbol first, then one per cell in cell order.
Reparto Repartir(Azar& azar);

// "00->" .. "99->".
std::wstring TextoNumero(int celda);

}  // namespace trick
