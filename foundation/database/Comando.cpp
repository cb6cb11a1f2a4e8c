#include "Comando.h"

#include "foundation/values/Currency.h"
#include "foundation/values/ErrorLotes.h"

#include <QDate>
#include <QDateTime>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

[[noreturn]] void parametroInexistente(const QString &cual)
{
    throw ErrorLotes(NumeroError::LlamadaNoValida, u"El comando no tiene el parámetro %1."_s.arg(cual),
                     u"NVLALotes.Comando"_s);
}

QVariant enteroParaMotor(const QVariant &valor, TipoDato tipo)
{
    const qlonglong numero = valor.toLongLong();
    switch (tipo) {
    case TipoDato::EnteroByte:
        return int(qint8(numero));
    case TipoDato::EnteroCorto:
        return int(qint16(numero));
    default:
        return int(qint32(numero));
    }
}

QVariant monedaParaMotor(const QVariant &valor)
{
    if (valor.metaType() == QMetaType::fromType<Currency>())
        return valor.value<Currency>().toDouble();
    return Currency::fromVariant(valor).value_or(Currency()).toDouble();
}

QVariant fechaParaMotor(const QVariant &valor)
{
    if (valor.metaType().id() == QMetaType::QDateTime)
        return valor.toDateTime().date();
    return valor.toDate();
}

} // namespace

bool ParametroComando::esEntrada() const
{
    return direccion == DireccionParametro::Entrada || direccion == DireccionParametro::EntradaSalida;
}

bool ParametroComando::esSalida() const
{
    return direccion != DireccionParametro::Entrada;
}

QVariant ParametroComando::valorParaMotor() const
{
    if (valor.isNull())
        return {};
    switch (tipo) {
    case TipoDato::EnteroByte:
    case TipoDato::EnteroCorto:
    case TipoDato::Entero:
        return enteroParaMotor(valor, tipo);
    case TipoDato::Moneda:
        return monedaParaMotor(valor);
    case TipoDato::FechaHora:
        return fechaParaMotor(valor);
    case TipoDato::TextoFijo:
        return valor.toString().leftJustified(tamano, u' ');
    case TipoDato::TextoVariable:
        return valor.toString();
    }
    return valor;
}

void Comando::AgregarParametro(const QString &nombre, TipoDato tipo, DireccionParametro direccion, int tamano)
{
    m_parametros.append(ParametroComando{nombre, tipo, direccion, tamano, {}});
}

ParametroComando &Comando::Parametro(qsizetype posicion)
{
    if (posicion < 0 || posicion >= m_parametros.size())
        parametroInexistente(QString::number(posicion));
    return m_parametros[posicion];
}

const ParametroComando &Comando::Parametro(qsizetype posicion) const
{
    if (posicion < 0 || posicion >= m_parametros.size())
        parametroInexistente(QString::number(posicion));
    return m_parametros[posicion];
}

ParametroComando &Comando::Parametro(QStringView nombre)
{
    for (ParametroComando &parametro : m_parametros) {
        if (QStringView(parametro.nombre).compare(nombre, Qt::CaseInsensitive) == 0)
            return parametro;
    }
    parametroInexistente(nombre.toString());
}

} // namespace NVLALotes
