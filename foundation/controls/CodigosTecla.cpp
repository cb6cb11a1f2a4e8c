#include "CodigosTecla.h"

#include <QKeyEvent>

#include <array>

namespace NVLALotes::CodigosTecla {

namespace {

struct Equivalencia
{
    int qt;
    int codigo;
};

// Keys whose host code is not their character code.
constexpr auto TeclasEspeciales = std::to_array<Equivalencia>({
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},           {Qt::Key_Backtab, 9},     {Qt::Key_Return, Intro},
    {Qt::Key_Enter, Intro}, {Qt::Key_Shift, 16},        {Qt::Key_Control, 17},    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},    {Qt::Key_CapsLock, 20},     {Qt::Key_Escape, Escape}, {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34},     {Qt::Key_End, 35},        {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},     {Qt::Key_Up, FlechaArriba}, {Qt::Key_Right, 39},      {Qt::Key_Down, FlechaAbajo},
    {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},       {Qt::Key_Plus, 187},      {Qt::Key_Comma, 188},
    {Qt::Key_Minus, 189},   {Qt::Key_Period, 190},
});

// The numeric keypad has codes of its own for digits and operators.
int codigoTeclado(int tecla)
{
    if (tecla >= Qt::Key_0 && tecla <= Qt::Key_9)
        return 96 + (tecla - Qt::Key_0);
    switch (tecla) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 110;
    case Qt::Key_Slash:
        return 111;
    default:
        return 0;
    }
}

} // namespace

int codigoTecla(const QKeyEvent *event)
{
    const int tecla = event->key();
    if (event->modifiers().testFlag(Qt::KeypadModifier)) {
        if (const int codigo = codigoTeclado(tecla); codigo != 0)
            return codigo;
    }
    if ((tecla >= Qt::Key_A && tecla <= Qt::Key_Z) || (tecla >= Qt::Key_0 && tecla <= Qt::Key_9))
        return tecla;
    if (tecla >= Qt::Key_F1 && tecla <= Qt::Key_F24)
        return 112 + (tecla - Qt::Key_F1);
    for (const Equivalencia &e : TeclasEspeciales) {
        if (e.qt == tecla)
            return e.codigo;
    }
    return 0;
}

int codigoCaracter(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Intro;
    case Qt::Key_Escape:
        return Escape;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Delete: // types no character, though some platforms give it one
        return 0;
    default: {
        const QString texto = event->text();
        return texto.isEmpty() ? 0 : texto.front().unicode();
    }
    }
}

bool esMovimiento(int tecla)
{
    switch (tecla) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace NVLALotes::CodigosTecla
