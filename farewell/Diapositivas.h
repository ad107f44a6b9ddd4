// The farewell banner's slideshow counter, kept free of Windows so it can be
// tested natively.
#pragma once

namespace farewell {

// Picture holders Image1..Image6; the banner starts on the first one.
constexpr int kDiapositivas = 6;

// The holder that the next tick shows after `Contador`: 2, 3, ..., 6, 1, 2...
int SiguienteDiapositiva(int Contador);

}  // namespace farewell
