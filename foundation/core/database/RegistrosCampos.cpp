#include "RegistrosCampos.h"

#include "foundation/core/values/Currency.h"
#include "foundation/core/values/ErrorLotes.h"

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

RegistrosCampos::RegistrosCampos(QStringList nombres, QList<ConversionColumna> conversiones)
    : m_nombres(std::move(nombres))
    , m_conversiones(std::move(conversiones))
{}

QVariant RegistrosCampos::convertirTexto(QStringView texto, ConversionColumna conversion)
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

QVariant RegistrosCampos::campo(QStringView nombre) const
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

void RegistrosCampos::comprobarCampo(int indice) const
{
    comprobarRegistroActual();
    if (indice < 0 || indice >= m_nombres.size())
        throw ErrorLotes(NumeroError::BaseDatos, u"El resultado de la consulta no tiene el campo %1."_s.arg(indice),
                         u"NVLALotes.Registros"_s);
}

void RegistrosCampos::comprobarRegistroActual() const
{
    if (!m_enRegistro)
        throw ErrorLotes(NumeroError::BaseDatos,
                         u"No hay registro actual: el resultado está antes del primero o después del último."_s,
                         u"NVLALotes.Registros"_s);
}

} // namespace NVLALotes
