#include "Conversiones.h"

#include "foundation/core/values/Currency.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QDateTime>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

// Dates a clerk can type and the databases can store: the first full year of
// the Gregorian calendar in English-speaking countries up to the last 4-digit year.
constexpr int PrimerAnio = 1753;
constexpr int UltimoAnio = 9999;

bool esCifra(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// The number written with exactly `cuantas` digits at `desde`; -1 if any is no digit.
int cifras(QStringView texto, qsizetype desde, int cuantas)
{
    int valor = 0;
    for (qsizetype i = desde; i < desde + cuantas; ++i) {
        if (!esCifra(texto[i]))
            return -1;
        valor = valor * 10 + (texto[i].unicode() - u'0');
    }
    return valor;
}

std::optional<QDate> diaValido(int anio, int mes, int dia)
{
    if (anio < PrimerAnio || anio > UltimoAnio || !QDate::isValid(anio, mes, dia))
        return std::nullopt;
    return QDate(anio, mes, dia);
}

std::optional<QDate> fechaTecleada(QStringView texto)
{
    if (texto.size() != 10 || texto[2] != u'/' || texto[5] != u'/')
        return std::nullopt;
    return diaValido(cifras(texto, 6, 4), cifras(texto, 3, 2), cifras(texto, 0, 2));
}

// hh:mm:ss with optional fractions of a second, as the engines write a time.
bool esHora(QStringView texto)
{
    if (texto.size() < 8 || texto[2] != u':' || texto[5] != u':')
        return false;
    const int hora = cifras(texto, 0, 2);
    const int minuto = cifras(texto, 3, 2);
    const int segundo = cifras(texto, 6, 2);
    if (hora < 0 || hora > 23 || minuto < 0 || minuto > 59 || segundo < 0 || segundo > 59)
        return false;
    const QStringView fraccion = texto.mid(8);
    if (fraccion.isEmpty())
        return true;
    if (fraccion.size() < 2 || fraccion[0] != u'.')
        return false;
    const QStringView cifras = fraccion.sliced(1);
    return std::all_of(cifras.begin(), cifras.end(), esCifra);
}

// yyyy-MM-dd, alone or followed by a blank or 'T' and a time.
std::optional<QDate> fechaIso(QStringView texto)
{
    if (texto.size() < 10 || texto[4] != u'-' || texto[7] != u'-')
        return std::nullopt;
    if (texto.size() > 10 && ((texto[10] != u' ' && texto[10] != u'T') || !esHora(texto.mid(11))))
        return std::nullopt;
    return diaValido(cifras(texto, 0, 4), cifras(texto, 5, 2), cifras(texto, 8, 2));
}

QString textoDeDia(QDate fecha)
{
    // One conversion from the day number: each of year(), month() and day() repeats it.
    int anio = 0;
    int mes = 0;
    int dia = 0;
    fecha.getDate(&anio, &mes, &dia);
    if (!fecha.isValid() || anio < PrimerAnio || anio > UltimoAnio)
        return {};
    const std::array<char16_t, 10> texto = {
        char16_t(u'0' + dia / 10),    char16_t(u'0' + dia % 10),        u'/',
        char16_t(u'0' + mes / 10),    char16_t(u'0' + mes % 10),        u'/',
        char16_t(u'0' + anio / 1000), char16_t(u'0' + anio / 100 % 10), char16_t(u'0' + anio / 10 % 10),
        char16_t(u'0' + anio % 10)};
    return QStringView(texto.data(), qsizetype(texto.size())).toString();
}

QString describir(const QVariant &valor)
{
    if (!valor.isValid() || valor.isNull())
        return u"valor nulo"_s;
    if (valor.metaType().id() == QMetaType::QString)
        return u"texto \""_s + valor.toString() + u'"';
    return QString::fromLatin1(valor.metaType().name()) + u' ' + valor.toString();
}

std::optional<bool> booleanoDeTexto(const QString &original)
{
    const QString texto = original.trimmed();
    if (texto.compare(u"True", Qt::CaseInsensitive) == 0 || texto.compare(u"Verdadero", Qt::CaseInsensitive) == 0)
        return true;
    if (texto.compare(u"False", Qt::CaseInsensitive) == 0 || texto.compare(u"Falso", Qt::CaseInsensitive) == 0)
        return false;
    bool leido = false;
    const double numero = texto.toDouble(&leido);
    if (!leido || !std::isfinite(numero))
        return std::nullopt;
    return numero != 0;
}

} // namespace

QDate fechaNula()
{
    return {1900, 1, 1};
}

double valorNumerico(QStringView texto)
{
    qsizetype i = 0;
    while (i < texto.size() && (texto[i] == u' ' || texto[i] == u'\t'))
        ++i;
    std::string numero;
    if (i < texto.size() && (texto[i] == u'-' || texto[i] == u'+')) {
        if (texto[i] == u'-')
            numero += '-';
        ++i;
    }
    const auto copiarCifras = [&] {
        for (; i < texto.size() && esCifra(texto[i]); ++i)
            numero += char(texto[i].unicode());
    };
    copiarCifras();
    if (i < texto.size() && texto[i] == u'.') {
        numero += '.';
        ++i;
        copiarCifras();
    }
    double valor = 0;
    // "-", "." and "-." read nothing and leave 0.
    std::from_chars(numero.data(), std::to_address(numero.cend()), valor);
    return valor + 0.0; // no negative zero from "-0"
}

bool valorBooleano(const QVariant &valor, const QString &origen)
{
    std::optional<bool> resultado;
    switch (valor.metaType().id()) {
    case QMetaType::Bool:
        resultado = valor.toBool();
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        resultado = valor.toLongLong() != 0 || valor.toULongLong() != 0;
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        resultado = valor.toDouble() != 0;
        break;
    case QMetaType::QString:
        resultado = booleanoDeTexto(valor.toString());
        break;
    default:
        if (valor.metaType() == QMetaType::fromType<Currency>())
            resultado = valor.value<Currency>().raw() != 0;
        break;
    }
    if (!resultado || valor.isNull())
        throw ErrorLotes(NumeroError::ConversionTipo,
                         u"No coinciden los tipos: "_s + describir(valor) + u" no es un valor booleano"_s, origen);
    return *resultado;
}

bool esFecha(QStringView texto)
{
    return fechaTecleada(texto).has_value();
}

QDate fechaDeTexto(QStringView texto)
{
    return fechaTecleada(texto).value_or(fechaNula());
}

QString textoDeFecha(const QVariant &valor)
{
    return textoDeDia(fechaDeValor(valor));
}

QDate fechaDeValor(const QVariant &valor)
{
    QDate fecha;
    switch (valor.metaType().id()) {
    case QMetaType::QDate:
        fecha = valor.toDate();
        break;
    case QMetaType::QDateTime:
        fecha = valor.toDateTime().date();
        break;
    case QMetaType::QString: {
        const QString texto = valor.toString();
        fecha = fechaIso(texto).value_or(fechaTecleada(texto).value_or(QDate()));
        break;
    }
    default:
        break;
    }
    // Only the years a clerk can type show at all; told by the day number, as
    // a list checks one date per row.
    static const qint64 primerDia = QDate(PrimerAnio, 1, 1).toJulianDay();
    static const qint64 ultimoDia = QDate(UltimoAnio, 12, 31).toJulianDay();
    const qint64 dia = fecha.toJulianDay();
    return fecha.isValid() && dia >= primerDia && dia <= ultimoDia ? fecha : QDate();
}

} // namespace NVLALotes
