#include "RegistrosQt.h"

#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/UtilSql.h"
#include "foundation/core/values/Currency.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QDate>
#include <QDateTime>
#include <QSqlRecord>
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

// yyyy-mm-dd at the start of a stored date: read directly, as a long list
// reads one per row; any other form goes to Qt's reading.
QDate fechaAlmacenada(QStringView texto)
{
    const auto cifras = [texto](qsizetype desde, qsizetype cuantas) {
        int valor = 0;
        for (qsizetype i = desde; i < desde + cuantas; ++i) {
            const char16_t c = texto[i].unicode();
            if (c < u'0' || c > u'9')
                return -1;
            valor = valor * 10 + (c - u'0');
        }
        return valor;
    };
    if (texto.size() >= 10 && texto[4] == u'-' && texto[7] == u'-') {
        const int anio = cifras(0, 4);
        const int mes = cifras(5, 2);
        const int dia = cifras(8, 2);
        if (anio >= 0 && mes >= 0 && dia >= 0)
            return {anio, mes, dia};
    }
    return QDate::fromString(texto.left(10), Qt::ISODate);
}

} // namespace

Registros::~Registros() = default;

QStringView Registros::texto(int indice) const
{
    const QVariant valor = campo(indice); // throws for a position out of the record
    QString &guardado = textoGuardado(indice);
    guardado = valor.toString();
    return guardado;
}

QString &Registros::textoGuardado(int indice) const
{
    if (indice >= m_textos.size())
        m_textos.resize(indice + 1);
    return m_textos[indice];
}

QVariant RegistrosQt::convertirTexto(QStringView texto, ConversionColumna conversion)
{
    switch (conversion) {
    case ConversionColumna::Ninguna:
        break;
    case ConversionColumna::Fecha:
        return fechaAlmacenada(texto.trimmed());
    case ConversionColumna::FechaHora:
        return QDateTime::fromString(texto.trimmed().toString().replace(u' ', u'T'), Qt::ISODate);
    case ConversionColumna::Hora:
        return QTime::fromString(texto.trimmed(), Qt::ISODate);
    case ConversionColumna::Decimal:
        return decimal(texto.trimmed().toString());
    }
    return texto.toString();
}

RegistrosQt::RegistrosQt(std::shared_ptr<const Conexion> conexion, QSqlQuery consulta,
                         QList<ConversionColumna> conversiones)
    : m_conexion(std::move(conexion))
    , m_consulta(std::move(consulta))
    , m_conversiones(std::move(conversiones))
{
    const QSqlRecord registro = m_consulta.record();
    m_nombres.reserve(registro.count());
    for (int i = 0; i < registro.count(); ++i)
        m_nombres.append(registro.fieldName(i));
}

bool RegistrosQt::siguiente()
{
    m_enRegistro = m_consulta.next();
    // A step the engine could not take also ends the rows: a list cut there
    // must fail, not pass for the whole list.
    if (!m_enRegistro && m_consulta.lastError().isValid())
        throw ErrorLotes(NumeroError::BaseDatos, UtilSql::descripcionError(m_consulta.lastError()),
                         u"NVLALotes.Registros"_s);
    return m_enRegistro;
}

QVariant RegistrosQt::campo(QStringView nombre) const
{
    comprobarRegistroActual();
    for (int i = 0; i < m_nombres.size(); ++i) {
        if (nombre.compare(m_nombres.at(i), Qt::CaseInsensitive) == 0)
            return campo(i);
    }
    throw ErrorLotes(NumeroError::BaseDatos,
                     u"No se encontró el campo «%1» en el resultado de la consulta."_s.arg(nombre),
                     u"NVLALotes.Registros"_s);
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

void RegistrosQt::comprobarCampo(int indice) const
{
    comprobarRegistroActual();
    if (indice < 0 || indice >= m_nombres.size())
        throw ErrorLotes(NumeroError::BaseDatos, u"El resultado de la consulta no tiene el campo %1."_s.arg(indice),
                         u"NVLALotes.Registros"_s);
}

void RegistrosQt::comprobarRegistroActual() const
{
    if (!m_enRegistro)
        throw ErrorLotes(NumeroError::BaseDatos,
                         u"No hay registro actual: el resultado está antes del primero o después del último."_s,
                         u"NVLALotes.Registros"_s);
}

} // namespace NVLALotes
