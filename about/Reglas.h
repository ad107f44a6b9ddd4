// What the About window does, free of Windows: the credit line and its
// scroll, the links' colours under the mouse, the mail request and the
// gesture that shows the author's note.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace about {

using Color = std::uint32_t;  // 0x00BBGGRR
inline constexpr Color kRojo = 0x0000FF;
inline constexpr Color kBlanco = 0xFFFFFF;
inline constexpr Color kPurpura = 0x800080;

// "Programa realizado por " + author + 18 blanks: the blanks part the end of
// the credit from its start as it wraps round.
std::wstring Credito(std::wstring_view autor);
// One scroll step: characters 2..n followed by character 1.
std::wstring Rotar(std::wstring_view texto);

inline constexpr wchar_t kNotaDelAutor[] = L"¿Alguien ha dicho que yo no soy el autor...?";
// Ctrl (0x04) and the right button (0x10) together, whatever else is held.
inline constexpr unsigned kMascaraNota = 0x14;
constexpr bool PideNota(unsigned shift) { return (shift & kMascaraNota) == kMascaraNota; }

// The pointer is inside a link only strictly within its box: its first row
// and first column count as outside.
constexpr bool DentroDelEnlace(int x, int y, int ancho, int alto) {
    return x > 0 && x < ancho && y > 0 && y < alto;
}

// "Mailto:" + address + "?Subject=Quorvel", nothing escaped.
std::wstring PeticionDeCorreo(std::wstring_view direccion);

enum class Enlace { Web, Correo };
enum class Boton { Izquierdo, Derecho, Central };

// The two links' font colours and what each mouse event on a link does to
// them. A press or release on either link acts on the web link alone; the
// colour saved at a press, and the pressed colour, belong to the caller
// (they are shared by every About window).
class ColoresEnlaces {
public:
    ColoresEnlaces(Color web, Color correo) : web_(web), correo_(correo) {}
    Color Web() const { return web_; }
    Color Correo() const { return correo_; }

    // Lights link `e` when the pointer at (x, y) is inside it, else puts it
    // back to red; true when inside (the link then holds the capture).
    bool Mover(Enlace e, int x, int y, int ancho, int alto);
    void Pulsar(Boton b, Color& guardado, Color pulsado);
    void Soltar(Boton b, Color guardado);
    // The e-mail link turns red once its mail request is made.
    void ClicCorreo() { correo_ = kRojo; }

private:
    Color web_, correo_;
};

}  // namespace about
