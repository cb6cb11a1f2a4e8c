// Fuzz targets of the parsers that read what nobody chose: scanned labels,
// typed and stored numbers and dates, connection strings, the T-SQL rewrites
// and the grid's tab-separated rows. One program per parser, chosen by the
// NVLA_FUZZ_<NAME> definition. Each one checks what its parser promises (a
// value written and read back is the same value, a literal stays as it was),
// and stops with abort() at the first broken promise, so libFuzzer keeps the
// input that broke it.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

using namespace Qt::StringLiterals;

namespace {

// Stops the run with the broken promise; libFuzzer saves the input.
void exigir(bool cumple, const char *promesa)
{
    if (!cumple) {
        std::fprintf(stderr, "promesa incumplida: %s\n", promesa);
        std::abort();
    }
}

// The fuzzer's bytes, read from the front: a few as numbers that choose the
// case, the rest as the text a scanner, a clerk or a driver would hand over.
struct Bytes
{
    std::span<const std::uint8_t> resto;
    [[maybe_unused]] std::uint64_t numero(std::size_t cuantos)
    {
        std::uint64_t valor = 0;
        for (; cuantos > 0 && !resto.empty(); --cuantos, resto = resto.subspan(1))
            valor = (valor << 8U) | resto.front();
        return valor;
    }
    QString texto() const
    {
        return QString::fromUtf8(reinterpret_cast<const char *>(resto.data()), // NOLINT(*-reinterpret-cast)
                                 qsizetype(resto.size()));
    }
};

} // namespace

// The promises of the chosen parser, checked on one input.
void probar(Bytes &entrada);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t tamano)
{
    Bytes entrada{{datos, tamano}};
    probar(entrada);
    return 0;
}

#if defined(NVLA_FUZZ_GS1)
#include "foundation/core/values/Gs1.h"

// A label read back from its own fields gives the same fields, written in the
// scanner's form and, when the lot allows it, in the bracketed one.
void probar(Bytes &entrada)
{
    const QDate hoy = QDate(1990, 1, 1).addDays(qint64(entrada.numero(2) % 36500));
    const auto lectura = NVLALotes::leerGs1(entrada.texto(), hoy);
    if (!lectura || (!lectura->lote && !lectura->caducidad))
        return;
    exigir(!lectura->lote || (!lectura->lote->isEmpty() && lectura->lote->size() <= 20), "lote de 1 a 20 caracteres");
    exigir(!lectura->caducidad || lectura->caducidad->isValid(), "caducidad válida");
    // Its fields written again, in the scanner's form or in brackets, read as the same fields.
    const auto releida = [&](const QString &prefijo, const QString &abre, const QString &cierra) {
        QString texto = prefijo;
        if (lectura->caducidad)
            texto += abre + u"17"_s + cierra + lectura->caducidad->toString(u"yyMMdd"_s);
        if (lectura->lote)
            texto += abre + u"10"_s + cierra + *lectura->lote;
        const auto otra = NVLALotes::leerGs1(texto, hoy);
        return otra && otra->lote == lectura->lote && otra->caducidad == lectura->caducidad;
    };
    exigir(releida(u"]C1"_s, {}, {}), "etiqueta ]C1 releída");
    // A lot may hold brackets itself, and then only the scanner's form is unambiguous.
    const bool parentesis = lectura->lote && (lectura->lote->contains(u'(') || lectura->lote->contains(u')'));
    exigir(parentesis || releida({}, u"("_s, u")"_s), "etiqueta entre paréntesis releída");
}

#elif defined(NVLA_FUZZ_NUMEROS)
#include "foundation/core/host/Formatos.h"
#include "foundation/core/rules/ReglasStockLotes.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/Currency.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

// |raw| without the overflow of the most negative value.
quint64 magnitud(NVLALotes::Currency valor)
{
    return valor.raw() < 0 ? 0 - quint64(valor.raw()) : quint64(valor.raw());
}

QLocale localeNumero(std::uint64_t eleccion)
{
    using L = QLocale;
    L sinGrupos(L::Spanish, L::Spain);
    sinGrupos.setNumberOptions(L::OmitGroupSeparator);
    const QList<L> locales = QList<L>{L::c(), sinGrupos} << L(L::Spanish, L::Spain) << L(L::English, L::UnitedStates)
                                                         << L(L::German, L::Switzerland) << L(L::French, L::France);
    return locales.at(qsizetype(eleccion % std::uint64_t(locales.size())));
}

} // namespace

// A value shown with any locale and number of decimals reads back as that
// value rounded; its database text reads back exactly; a typed text read once
// reads the same after showing it; the stock lists' fast reading agrees with
// the locale's full one.
void probar(Bytes &entrada)
{
    using NVLALotes::Currency;
    const auto valor = Currency::fromRaw(qint64(entrada.numero(8)));
    const QLocale locale = localeNumero(entrada.numero(1));
    const int decimales = int(entrada.numero(1) % 5);

    exigir(Currency::parse(valor.toString(4, locale), locale) == valor, "importe con 4 decimales releído");
    const auto paso = qint64(std::pow(10, 4 - decimales));
    if (const auto redondeado = Currency::parse(valor.toString(decimales, locale), locale)) {
        exigir(redondeado->raw() % paso == 0, "redondeo a los decimales pedidos");
        exigir(magnitud(*redondeado - valor) <= quint64(paso / 2), "redondeo al más cercano");
    } else {
        // Only rounding past the range leaves a text that no value reads.
        exigir(magnitud(valor) > quint64(std::numeric_limits<qint64>::max() - paso / 2), "importe mostrado legible");
    }
    exigir(Currency::fromVariant(valor.toPlainText()) == valor, "texto de la base de datos releído");
    if (magnitud(valor) < (quint64(1) << 53U))
        exigir(NVLALotes::valorNumerico(valor.toPlainText()) == valor.toDouble(), "número inicial de un texto");
    if (magnitud(valor) < 1'000'000'000'000'000U)
        exigir(Currency::fromDouble(valor.toDouble()) == valor, "15 cifras exactas a través de un double");

    const QString texto = entrada.texto();
    if (const auto leido = Currency::parse(texto, locale))
        exigir(Currency::parse(leido->toString(4, locale), locale) == leido, "texto leído, mostrado y releído");
    exigir(std::isfinite(NVLALotes::valorNumerico(texto)), "número inicial finito");
    const QLocale &espanol = NVLALotes::Formatos::instancia().locale();
    exigir(NVLALotes::ReglasStockLotes::stockMostrado(texto) == Currency::parse(texto, espanol).value_or(Currency()),
           "stock mostrado leído como lo lee el locale");
}

#elif defined(NVLA_FUZZ_FECHAS)
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QDateTime>

// A day written for the clerk reads back as that day, from every form a driver
// hands it over in; a typed text is a date exactly when it reads back as typed.
void probar(Bytes &entrada)
{
    using namespace NVLALotes;
    const QDate dia = QDate(1700, 1, 1).addDays(qint64(entrada.numero(3) % 3'000'000));
    const QString mostrado = textoDeFecha(dia);
    exigir(mostrado.isEmpty() == (dia.year() < 1753 || dia.year() > 9999), "días que se muestran");
    if (!mostrado.isEmpty()) {
        exigir(esFecha(mostrado) && fechaDeTexto(mostrado) == dia, "día mostrado y releído");
        exigir(textoDeFecha(QDateTime(dia, QTime(23, 59, 59))) == mostrado, "día de una fecha y hora");
        exigir(textoDeFecha(dia.toString(Qt::ISODate) + u" 10:20:30.5"_s) == mostrado, "día de un texto ISO");
    }

    const QString texto = entrada.texto();
    if (esFecha(texto))
        exigir(textoDeFecha(fechaDeTexto(texto)) == texto, "fecha tecleada releída tal cual");
    else
        exigir(fechaDeTexto(texto) == fechaNula(), "texto sin fecha es la fecha nula");
    const QString deTexto = textoDeFecha(texto);
    exigir(deTexto.isEmpty() || esFecha(deTexto), "texto de fecha tecleable");
    try {
        valorBooleano(texto, u"fuzz"_s);
    } catch (const ErrorLotes &error) {
        exigir(error.Number() == NumeroError::ConversionTipo, "error de conversión");
    }
}

#elif defined(NVLA_FUZZ_CADENA_CONEXION)
#include "foundation/core/database/CadenaConexion.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QStringList>

// The pairs written back as a connection string read as the same pairs; a
// key's value is its first pair's without braces; the password never shows.
void probar(Bytes &entrada)
{
    using namespace NVLALotes;
    std::optional<CadenaConexion> cadena;
    try {
        cadena.emplace(entrada.texto());
    } catch (const ErrorLotes &error) {
        exigir(error.Number() == NumeroError::ConexionNoValida, "error de cadena no válida");
        return;
    }
    QStringList escritos;
    QStringList vistas;
    for (const auto &[clave, valor] : cadena->pares()) {
        exigir(!clave.isEmpty() && !clave.contains(u'='), "clave sin '='");
        escritos << clave + u'=' + valor;
        if (vistas.contains(clave, Qt::CaseInsensitive))
            continue;
        vistas << clave;
        const bool conLlaves = valor.size() >= 2 && valor.startsWith(u'{') && valor.endsWith(u'}');
        exigir(cadena->valor(clave) == (conLlaves ? valor.mid(1, valor.size() - 2) : valor), "valor del primer par");
    }
    exigir(CadenaConexion(escritos.join(u';')).pares() == cadena->pares(), "pares reescritos y releídos");
    const auto sinClave = CadenaConexion(cadena->textoSinClave());
    for (const auto &[clave, valor] : sinClave.pares()) {
        const bool esClave = QStringList{u"Pwd"_s, u"Password"_s}.contains(clave, Qt::CaseInsensitive);
        exigir(!esClave || valor == u"***"_s, "contraseña oculta");
    }
}

#elif defined(NVLA_FUZZ_TSQL)
#include "foundation/core/database/DialectoPostgres.h"
#include "foundation/core/database/DialectoSqlite.h"

#include <QRegularExpression>
#include <QStringList>

#include <array>

namespace {

// The quoted literals of a statement in order ('' inside one is a quote), the
// code outside them, and whether the last literal is left open.
struct Partes
{
    QStringList literales;
    QString codigo;
    bool abierto = false;
};

Partes partir(const QString &sql)
{
    static const QRegularExpression literal(u"'(?:[^']|'')*('|\\z)"_s);
    Partes partes;
    qsizetype desde = 0;
    for (const QRegularExpressionMatch &trozo : literal.globalMatch(sql)) {
        partes.codigo += sql.mid(desde, trozo.capturedStart() - desde) + u'?';
        partes.literales << trozo.captured();
        partes.abierto = trozo.capturedLength(1) == 0;
        desde = trozo.capturedEnd();
    }
    partes.codigo += sql.mid(desde);
    return partes;
}

bool parentesisEquilibrados(const QString &codigo)
{
    int abiertos = 0;
    for (const QChar c : codigo) {
        abiertos += c == u'(' ? 1 : c == u')' ? -1 : 0;
        if (abiertos < 0)
            return false;
    }
    return abiertos == 0;
}

} // namespace

// Each engine's rewrite keeps every literal as it was and in its place, keeps
// the parentheses of the code balanced, and changes nothing when run again.
void probar(Bytes &entrada)
{
    static const NVLALotes::DialectoSqlite sqlite;
    static const NVLALotes::DialectoPostgres postgres;
    static const std::array<const NVLALotes::Dialecto *, 2> dialectos{&sqlite, &postgres};
    const QString sql = entrada.texto();
    const Partes antes = partir(sql);
    for (const NVLALotes::Dialecto *dialecto : dialectos) {
        const QString traducido = dialecto->traducir(sql);
        const Partes despues = partir(traducido);
        exigir(despues.literales == antes.literales && despues.abierto == antes.abierto, "literales intactos");
        exigir(!parentesisEquilibrados(antes.codigo) || parentesisEquilibrados(despues.codigo),
               "paréntesis equilibrados");
        exigir(dialecto->traducir(traducido) == traducido, "traducción estable");
    }
}

#elif defined(NVLA_FUZZ_FILA_REJILLA)
#include "foundation/controls/LineaRejilla.h"
#include "foundation/controls/ModeloRejilla.h"

#include <QStringList>

// Cells joined into a grid line read back one by one as they were, a tab or
// line break shown as a blank; a cell rewritten leaves its neighbours alone;
// cells past the grid's columns are dropped.
void probar(Bytes &entrada)
{
    constexpr int Celdas = 6;
    const int columnas = int(entrada.numero(1) % (Celdas + 2)) + 1;
    const int reescrita = int(entrada.numero(1) % (Celdas + 4));
    QStringList trozos = entrada.texto().split(u'\x1f');
    const QString nueva = trozos.takeLast();
    trozos.resize(Celdas);
    const auto comoCelda = [](QString texto, bool saltos) {
        texto.replace(u'\t', u' ');
        if (saltos)
            texto.replace(u'\r', u' ').replace(u'\n', u' ');
        return texto;
    };
    const auto original = [&](int c) { return c < columnas && c < Celdas ? comoCelda(trozos[c], true) : QString(); };
    NVLALotes::ModeloRejilla modelo;
    modelo.fijarColumnas(columnas);
    modelo.agregarFila(
        NVLALotes::LineaRejilla::unir({trozos[0], trozos[1], trozos[2], trozos[3], trozos[4], trozos[5]}));
    for (int c = 0; c < columnas; ++c)
        exigir(modelo.texto(1, c) == original(c), "celda leída");
    modelo.fijarTexto(1, reescrita, nueva);
    for (int c = 0; c < Celdas + 4; ++c)
        exigir(modelo.texto(1, c) == (c == reescrita ? comoCelda(nueva, false) : original(c)),
               "celda reescrita y sus vecinas");
}

#else
#error "Choose a fuzz target with NVLA_FUZZ_<NAME>"
#endif
