#include "Comando.h"

#include "foundation/core/values/Currency.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QDate>
#include <QDateTime>

#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

[[noreturn]] void parametroInexistente(const QString &cual)
{
    throw ErrorLotes(NumeroError::LlamadaNoValida, u"El comando no tiene el parámetro %1."_s.arg(cual),
                     u"NVLALotes.Comando"_s);
}

[[noreturn]] void fueraDeRango(const ParametroComando &parametro, const QString &tipo)
{
    throw ErrorLotes(NumeroError::Desbordamiento,
                     u"El valor %1 no cabe en el parámetro %2 (%3); no se ha enviado nada a la base de datos."_s.arg(
                         parametro.valor.toString(), parametro.nombre, tipo),
                     u"NVLALotes.Comando"_s);
}

// The value as the integer type the parameter declares, or an error: a value
// that does not fit is never wrapped into another one (company 300 is no 44).
QVariant enteroParaMotor(const ParametroComando &parametro)
{
    bool esNumero = false;
    const qlonglong numero = parametro.valor.toLongLong(&esNumero);
    const auto comprobar = [&](qlonglong minimo, qlonglong maximo, const QString &tipo) {
        if (!esNumero || numero < minimo || numero > maximo)
            fueraDeRango(parametro, tipo);
        return QVariant(int(numero));
    };
    switch (parametro.tipo) {
    case TipoDato::EnteroByte:
        return comprobar(-128, 127, u"entero de un byte, de -128 a 127"_s);
    case TipoDato::EnteroCorto:
        return comprobar(-32768, 32767, u"entero de 16 bits, de -32768 a 32767"_s);
    default:
        return comprobar(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(),
                         u"entero de 32 bits"_s);
    }
}

// Units travel as their exact decimal text, which every engine reads into
// its own decimal type without passing through a double.
QVariant monedaParaMotor(const ParametroComando &parametro)
{
    const std::optional<Currency> importe = Currency::fromVariant(parametro.valor);
    if (!importe)
        fueraDeRango(parametro, u"moneda de 4 decimales"_s);
    return importe->toPlainText();
}

// A text longer than its declared size is cut, as the host's procedures cut
// their arguments; a character made of two code units is never split.
QString textoParaMotor(const QString &texto, int tamano)
{
    if (tamano <= 0 || texto.size() <= tamano)
        return texto;
    qsizetype corte = tamano;
    if (texto.at(corte - 1).isHighSurrogate())
        --corte;
    return texto.left(corte);
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
        return enteroParaMotor(*this);
    case TipoDato::Moneda:
        return monedaParaMotor(*this);
    case TipoDato::FechaHora:
        return fechaParaMotor(valor);
    case TipoDato::TextoFijo:
        return textoParaMotor(valor.toString(), tamano).leftJustified(tamano, u' ');
    case TipoDato::TextoVariable:
        return textoParaMotor(valor.toString(), tamano);
    }
    return valor;
}

void Comando::agregarParametro(const QString &nombre, TipoDato tipo, DireccionParametro direccion, int tamano)
{
    m_parametros.append(ParametroComando{nombre, tipo, direccion, tamano, {}});
}

ParametroComando &Comando::parametro(qsizetype posicion)
{
    if (posicion < 0 || posicion >= m_parametros.size())
        parametroInexistente(QString::number(posicion));
    return m_parametros[posicion];
}

const ParametroComando &Comando::parametro(qsizetype posicion) const
{
    if (posicion < 0 || posicion >= m_parametros.size())
        parametroInexistente(QString::number(posicion));
    return m_parametros[posicion];
}

ParametroComando &Comando::parametro(QStringView nombre)
{
    for (ParametroComando &parametro : m_parametros) {
        if (QStringView(parametro.nombre).compare(nombre, Qt::CaseInsensitive) == 0)
            return parametro;
    }
    parametroInexistente(nombre.toString());
}

} // namespace NVLALotes
