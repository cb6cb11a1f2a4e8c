#include "RegistrosQt.h"

#include "foundation/database/Conexion.h"
#include "foundation/values/Currency.h"
#include "foundation/values/ErrorLotes.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <optional>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

// Units and amounts come back as Currency, exactly; a decimal with more than
// four decimals or beyond the type's range stays a double.
QVariant decimal(const QString &texto)
{
    const qsizetype punto = texto.indexOf(u'.');
    QStringView decimales = punto < 0 ? QStringView() : QStringView(texto).mid(punto + 1);
    while (decimales.endsWith(u'0'))
        decimales.chop(1);
    if (decimales.size() <= 4) {
        if (const std::optional<Currency> exacto = Currency::fromVariant(texto))
            return exacto->toVariant();
    }
    return texto.toDouble();
}

QVariant convertir(const QVariant &valor, ConversionColumna conversion)
{
    if (conversion == ConversionColumna::Ninguna || valor.isNull() || valor.metaType().id() != QMetaType::QString)
        return valor;
    const QString texto = valor.toString().trimmed();
    switch (conversion) {
    case ConversionColumna::Fecha:
        return QDate::fromString(texto.left(10), Qt::ISODate);
    case ConversionColumna::FechaHora:
        return QDateTime::fromString(QString(texto).replace(u' ', u'T'), Qt::ISODate);
    case ConversionColumna::Hora:
        return QTime::fromString(texto, Qt::ISODate);
    case ConversionColumna::Decimal:
        return decimal(texto);
    case ConversionColumna::Ninguna:
        break;
    }
    return valor;
}

} // namespace

Registros::~Registros() = default;

RegistrosQt::RegistrosQt(std::shared_ptr<const Conexion> conexion, QSqlQuery consulta,
                         QList<ConversionColumna> conversiones)
    : m_conexion(std::move(conexion))
    , m_consulta(std::move(consulta))
    , m_conversiones(std::move(conversiones))
    , m_registro(m_consulta.record())
{}

bool RegistrosQt::Siguiente()
{
    m_enRegistro = m_consulta.next();
    return m_enRegistro;
}

QVariant RegistrosQt::Campo(QStringView nombre) const
{
    comprobarRegistroActual();
    for (int i = 0; i < m_registro.count(); ++i) {
        if (nombre.compare(m_registro.fieldName(i), Qt::CaseInsensitive) == 0)
            return Campo(i);
    }
    throw ErrorLotes(NumeroError::BaseDatos,
                     u"No se encontró el campo «%1» en el resultado de la consulta."_s.arg(nombre),
                     u"NVLALotes.Registros"_s);
}

QVariant RegistrosQt::Campo(int indice) const
{
    comprobarRegistroActual();
    if (indice < 0 || indice >= m_registro.count())
        throw ErrorLotes(NumeroError::BaseDatos, u"El resultado de la consulta no tiene el campo %1."_s.arg(indice),
                         u"NVLALotes.Registros"_s);
    return convertir(m_consulta.value(indice), m_conversiones.value(indice, ConversionColumna::Ninguna));
}

void RegistrosQt::comprobarRegistroActual() const
{
    if (!m_enRegistro)
        throw ErrorLotes(NumeroError::BaseDatos,
                         u"No hay registro actual: el resultado está antes del primero o después del último."_s,
                         u"NVLALotes.Registros"_s);
}

} // namespace NVLALotes
