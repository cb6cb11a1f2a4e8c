#include "DialogoLotes.h"

namespace NVLALotes {

DialogoLotes::DialogoLotes(QWidget *parent)
    : VentanaLotes(parent)
{}

DialogoLotes::~DialogoLotes() = default;

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
