// Measures the sales lot dialog on an embedded database where one article has
// N lots in one warehouse: the time from Show to the first painted list, the
// time to read the same rows through Qt SQL alone, the peak memory of a
// process that only opens the dialog, and the clerk's slowest action: the
// automatic choice when only the last lots of the list cover the units.
// Prints one line per N:
//   dialog=CLASS lots=N dialog_ms=... query_ms=... ratio=... peak_mb=... action_ms=...
// Each N runs in a child process of its own, so that its peak memory is its own.
#include "MedicionDialogo.h"
#include "db/BaseDatosHost.h"
#include "foundation/lists/ReglasStockLotes.h"

#include <nvlalotes/Conexion.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/frmclsLotesFacturacion.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

namespace {

constexpr qint16 Almacen = 1;
constexpr qint32 Articulo = 9000;
const QString Seleccion = u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad"_s;

struct Apertura
{
    double pintadoMs = -1;
    double accionMs = -1;
    QString clase;
};

// With `unidades` above 0 the automatic row is accepted once the list shows.
Apertura abrirDialogo(const QString &ruta, Currency unidades)
{
    auto empresa = std::make_shared<EmpresaMemoria>(1, 1);
    empresa->setParametro(u"Lotes_ModeloUsar"_s, u"3"_s);
    frmclsLotesFacturacion lotes;
    lotes.EmpresaNuvalia(empresa);
    lotes.ConexionNuvalia(Conexion::Abrir(BaseDatosHost::CadenaSqlite(ruta)));
    lotes.Cod_Almacen = Almacen;
    lotes.Cod_Articulo = Articulo;
    lotes.Unidades = unidades > Currency(0) ? unidades : Currency(1);
    lotes.PermitirAutomatico = true;

    const bool aceptar = unidades > Currency(0);
    Medicion::PrimerPintado pintado([&](QDialog *dialogo) {
        if (!aceptar) {
            dialogo->reject();
            return;
        }
        pintado.reloj.restart();
        dialogo->findChild<QAbstractButton *>(u"cmdAceptar"_s)->click();
    });
    lotes.Show(1);
    const double hastaCerrar = double(pintado.reloj.nsecsElapsed()) / 1e6;
    if (aceptar && !lotes.Result)
        std::fputs("the automatic choice found no lot\n", stderr);
    return {pintado.ms, aceptar && lotes.Result ? hastaCerrar : -1, pintado.clase};
}

// The largest stock of the list as it is displayed (2 decimals): only the lots
// at its end cover it.
Currency mayorStock(const QString &ruta, const QString &sql)
{
    Currency mayor;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"mayor"_s);
        db.setDatabaseName(ruta);
        db.open();
        QSqlQuery consulta(u"SELECT MAX(Stock_Actual) FROM ("_s + sql + u")"_s, db);
        if (consulta.next())
            mayor = Currency::fromDouble(std::round(consulta.value(0).toDouble() * 100) / 100);
    }
    QSqlDatabase::removeDatabase(u"mayor"_s);
    return mayor;
}

int medir(const QString &ruta, int lotes)
{
    const QString sql = ReglasStockLotes::Consulta(Seleccion, 1, Almacen, Articulo, true);
    Medicion::LeerConQtSql(ruta, sql, 4); // the file in the page cache for both
    const double consulta = Medicion::LeerConQtSql(ruta, sql, 4);
    const Apertura apertura = abrirDialogo(ruta, Currency());
    // Peak memory of the opening alone, before the action reads the whole list.
    const double pico = Medicion::PicoMemoriaMb();
    const Apertura accion = abrirDialogo(ruta, mayorStock(ruta, sql));
    return Medicion::Informar({apertura.clase, lotes, apertura.pintadoMs, consulta, pico, accion.accionMs});
}

} // namespace

int main(int argc, char *argv[])
{
    return Medicion::Principal(
        argc, argv, {u"3"_s},
        [](const QString &carpeta, int lotes) {
            const QString ruta = carpeta + u"/lotes-%1.db"_s.arg(lotes);
            Medicion::CrearBaseConLotes(ruta, Almacen, Articulo, lotes);
            return ruta;
        },
        [](const QString &ruta, int lotes, const QString &) { return medir(ruta, lotes); });
}
