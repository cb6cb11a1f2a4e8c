#include "Mensajes.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace NVLALotes::Mensajes {

const QString TituloAtencion = u"¡ Atención !"_s;

namespace {

void mostrar(QWidget *parent, QMessageBox::Icon icono, const QString &titulo, const QString &texto)
{
    QMessageBox caja(icono, titulo, texto, QMessageBox::Ok, parent);
    caja.setObjectName(u"msgbox"_s);
    caja.exec();
}

} // namespace

void atencion(QWidget *parent, const QString &texto)
{
    mostrar(parent, QMessageBox::Warning, TituloAtencion, texto);
}

void critico(QWidget *parent, const QString &titulo, const QString &texto)
{
    mostrar(parent, QMessageBox::Critical, titulo, texto);
}

} // namespace NVLALotes::Mensajes
