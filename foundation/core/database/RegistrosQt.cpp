#include "RegistrosQt.h"

#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/UtilSql.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QSqlRecord>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

QStringList nombresDe(const QSqlQuery &consulta)
{
    const QSqlRecord registro = consulta.record();
    QStringList nombres;
    nombres.reserve(registro.count());
    for (int i = 0; i < registro.count(); ++i)
        nombres.append(registro.fieldName(i));
    return nombres;
}

} // namespace

RegistrosQt::RegistrosQt(std::shared_ptr<const Conexion> conexion, QSqlQuery consulta,
                         QList<ConversionColumna> conversiones)
    : RegistrosCampos(nombresDe(consulta), std::move(conversiones))
    , m_conexion(std::move(conexion))
    , m_consulta(std::move(consulta))
{}

bool RegistrosQt::siguiente()
{
    const bool enRegistro = m_consulta.next();
    setEnRegistro(enRegistro);
    // A step the engine could not take also ends the rows: a list cut there
    // must fail, not pass for the whole list.
    if (!enRegistro && m_consulta.lastError().isValid())
        throw ErrorLotes(NumeroError::BaseDatos, UtilSql::descripcionError(m_consulta.lastError()),
                         u"NVLALotes.Registros"_s);
    return enRegistro;
}

QVariant RegistrosQt::campo(int indice) const
{
    comprobarCampo(indice);
    QVariant valor = m_consulta.value(indice);
    if (valor.isNull() || valor.metaType().id() != QMetaType::QString ||
        conversion(indice) == ConversionColumna::Ninguna)
        return valor;
    return convertirTexto(valor.toString(), conversion(indice));
}

} // namespace NVLALotes
