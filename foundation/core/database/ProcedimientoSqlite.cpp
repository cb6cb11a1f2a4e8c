#include "ProcedimientoSqlite.h"

#include "foundation/core/database/Comando.h"
#include "foundation/core/database/SentenciaSqlite.h"
#include "foundation/core/database/UtilSql.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/Currency.h"
#include "foundation/core/values/ErrorLotes.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace NVLALotes::ProcedimientoSqlite {

namespace {

struct DatosLote
{
    QVariant empresa, almacen, articulo;
    Currency unidades;
    QString lote, tono, calibre; // an empty text may come as null: the SQL reads it as ''
    QVariant caducidad;          // ISO text, or null for no expiry
};

// SQLite keeps a decimal as a double, exact to 15 significant digits: with
// four decimals, up to 99,999,999,999.9999 either way. Beyond that it would
// round, so the call is refused instead.
constexpr qint64 MaximoBrutoExacto = 999'999'999'999'999;

[[noreturn]] void rechazarUnidades(const QString &unidades)
{
    throw ErrorLotes(NumeroError::Desbordamiento,
                     u"SQLite guarda las unidades con 15 cifras significativas: admite de -99.999.999.999,9999 a "
                     "99.999.999.999,9999 y no %1."_s.arg(unidades),
                     fuenteSqlite());
}

bool guardable(Currency unidades)
{
    return unidades.raw() <= MaximoBrutoExacto && unidades.raw() >= -MaximoBrutoExacto;
}

Currency unidadesGuardables(const QVariant &valor)
{
    const std::optional<Currency> unidades = Currency::fromVariant(valor);
    if (!unidades || !guardable(*unidades))
        rechazarUnidades(valor.toString());
    return *unidades;
}

DatosLote leerArgumentos(const Comando &comando)
{
    const QList<int> posiciones = UtilSql::posicionesArgumentos(comando);
    if (posiciones.size() != 9)
        throw ErrorLotes(NumeroError::BaseDatos,
                         u"El procedimiento %1 espera 9 parámetros y se le han dado %2."_s.arg(comando.texto())
                             .arg(posiciones.size()),
                         fuenteSqlite());
    auto argumento = [&](int i) { return comando.parametro(posiciones[i]).valorParaMotor(); };
    DatosLote datos{argumento(0),
                    argumento(1),
                    argumento(2),
                    unidadesGuardables(argumento(3)),
                    argumento(4).toString(),
                    argumento(6).toString(),
                    argumento(7).toString(),
                    QVariant()};
    const QDate caducidad = argumento(5).toDate();
    if (caducidad.isValid() && caducidad != fechaNula())
        datos.caducidad = caducidad.toString(Qt::ISODate);
    return datos;
}

// The lot with the same identity: lot code, tone, caliber and expiry; the null
// date matches a lot without expiry however it was stored.
QVariant buscarLote(sqlite3 *bd, const DatosLote &d)
{
    QString sql = u"SELECT Cod_Lote FROM Articulos_Lotes WHERE Cod_Empresa = ? AND Cod_Articulo = ?"
                  " AND Lote = COALESCE(?, '') AND Tono = COALESCE(?, '') AND Calibre = COALESCE(?, '')"_s;
    QVariantList valores{d.empresa, d.articulo, d.lote, d.tono, d.calibre};
    if (d.caducidad.isNull()) {
        sql += u" AND (Caducidad IS NULL OR Caducidad = '1900-01-01')"_s;
    } else {
        sql += u" AND Caducidad = ?"_s;
        valores << d.caducidad;
    }
    return SentenciaSqlite::escalar(bd, sql + u" ORDER BY Cod_Lote LIMIT 1"_s, valores);
}

// Key 1 stands for "the article's only lot" where lots are not kept, so new
// lots start at 2.
qint32 crearLote(sqlite3 *bd, const DatosLote &d)
{
    const qint32 clave =
        SentenciaSqlite::escalar(
            bd, u"SELECT COALESCE(MAX(Cod_Lote), 1) + 1 FROM Articulos_Lotes WHERE Cod_Empresa = ?"_s, {d.empresa})
            .toInt();
    SentenciaSqlite::ejecutar(
        bd,
        u"INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono,"
        " Calibre, Bloqueado) VALUES (?, ?, ?, COALESCE(?, ''), ?, COALESCE(?, ''), COALESCE(?, ''), 0)"_s,
        {d.empresa, clave, d.articulo, d.lote, d.caducidad, d.tono, d.calibre});
    return clave;
}

void sumarExistencias(sqlite3 *bd, const DatosLote &d, qint32 clave)
{
    SentenciaSqlite::ejecutar(bd,
                              u"INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual)"
                              " VALUES (?, ?, ?, 0) ON CONFLICT (Cod_Empresa, Cod_Almacen, Cod_Lote) DO NOTHING"_s,
                              {d.empresa, d.almacen, clave});
    if (d.unidades == Currency())
        return;
    // The sum is made here, exactly, and checked before it is stored.
    const QVariant actual = SentenciaSqlite::escalar(
        bd,
        u"SELECT Stock_Actual FROM Almacen_Articulos_Lotes WHERE Cod_Empresa = ? AND Cod_Almacen = ? AND Cod_Lote = ?"_s,
        {d.empresa, d.almacen, clave});
    const std::optional<Currency> previo = Currency::fromVariant(actual);
    // Both sides are within the limit, so the sum cannot overflow the type.
    if (!previo || !guardable(*previo) || !guardable(*previo + d.unidades))
        rechazarUnidades(u"%1 + %2"_s.arg(actual.toString(), d.unidades.toPlainText()));
    const Currency total = *previo + d.unidades;
    SentenciaSqlite::ejecutar(bd,
                              u"UPDATE Almacen_Articulos_Lotes SET Stock_Actual = ?"
                              " WHERE Cod_Empresa = ? AND Cod_Almacen = ? AND Cod_Lote = ?"_s,
                              {total.toDouble(), d.empresa, d.almacen, clave});
}

void actualizarStockLote(sqlite3 *bd, Comando &comando)
{
    const DatosLote datos = leerArgumentos(comando);
    const QVariant existente = buscarLote(bd, datos);
    const qint32 clave = existente.isNull() ? crearLote(bd, datos) : existente.toInt();
    sumarExistencias(bd, datos, clave);
    const QList<int> posiciones = UtilSql::posicionesArgumentos(comando);
    comando.parametro(posiciones.last()).valor = clave;
    UtilSql::fijarValorRetorno(comando, 0);
}

} // namespace

void ejecutar(sqlite3 *bd, Comando &comando)
{
    if (comando.texto().compare(u"GES_Almacen_Articulo_Lotes_Update"_s, Qt::CaseInsensitive) == 0)
        return actualizarStockLote(bd, comando);
    throw ErrorLotes(NumeroError::BaseDatos, u"No existe el procedimiento almacenado «%1»."_s.arg(comando.texto()),
                     fuenteSqlite());
}

} // namespace NVLALotes::ProcedimientoSqlite
