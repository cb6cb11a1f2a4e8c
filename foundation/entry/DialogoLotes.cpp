#include "DialogoLotes.h"

namespace NVLALotes {

DialogoLotes::DialogoLotes(QWidget *parent)
    : VentanaLotes(parent)
{}

DialogoLotes::~DialogoLotes() = default;

void DialogoLotes::falloAlLeer(const ErrorLotes &error)
{
    m_falloDeCarga.emplace(error);
    terminarCancelando();
}

void DialogoLotes::comprobarCarga() const
{
    if (m_falloDeCarga)
        throw ErrorLotes(*m_falloDeCarga);
}

void DialogoLotes::terminarAceptando()
{
    Result = true;
    done(QDialog::Accepted);
}

void DialogoLotes::terminarCancelando()
{
    Result = false;
    done(QDialog::Rejected);
}

} // namespace NVLALotes
