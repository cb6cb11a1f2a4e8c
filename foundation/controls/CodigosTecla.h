#pragma once

class QKeyEvent;

namespace NVLALotes::CodigosTecla {

inline constexpr int Intro = 13;
inline constexpr int Escape = 27;
inline constexpr int FlechaArriba = 38;
inline constexpr int FlechaAbajo = 40;
inline constexpr int F6 = 117;

// The key-down code of a key event as the host's handlers know them (38 Up,
// 40 Down, 13 Enter, 65-90 letters, 48-57 digits); 0 for keys without one.
int codigoTecla(const QKeyEvent *event);
// The key-press character code: 13 for Enter, 27 for Escape, else the first
// character typed; 0 when the key types nothing.
int codigoCaracter(const QKeyEvent *event);
// Whether a Qt key moves through a list (arrows, page keys, Home, End).
bool esMovimiento(int tecla);

} // namespace NVLALotes::CodigosTecla
