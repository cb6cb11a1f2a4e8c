// Measures the two inventory lot dialogs on an embedded database where one
// article has N lots, half of them known to the article and half recorded only
// in an inventory count of the warehouse: the time from Show to the first
// painted list, the time to read the same rows through Qt SQL alone, the peak
// memory of a process that only opens the dialog, and the clerk's slowest
// action: a typed lot that matches only the last row of the list. The raw read
// and the action are each the least of five, taken in turns.
// Prints one line per dialog and N:
//   dialog=CLASS lots=N dialog_ms=... query_ms=... ratio=... peak_mb=... action_ms=... warm_ms=...
// Each measurement runs in a child process of its own, so that its peak memory is its own.
#include "MedicionDialogo.h"
#include "db/BaseDatosHost.h"
#include "foundation/core/values/Conversiones.h"

#include <nvlalotes/Conexion.h>
#include <nvlalotes/ConexionGrabadora.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/frmclsLotesInventario.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

namespace {

constexpr qint16 Almacen = 1;
constexpr qint32 Articulo = 9000;

// The lot at the end of the list, as the clerk would type it.
struct LoteTecleado
{
    qint32 clave = 0;
    QString lote, fecha, tono, calibre;
};

LoteTecleado ultimoLote(const QString &ruta)
{
    LoteTecleado ultimo;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"ultimo"_s);
        db.setDatabaseName(ruta);
        db.open();
        QSqlQuery consulta(u"SELECT Cod_Lote, Lote, Caducidad, Tono, Calibre FROM Inventario_Lotes "
                           u"ORDER BY Cod_Lote DESC LIMIT 1"_s,
                           db);
        if (consulta.next())
            ultimo = {consulta.value(0).toInt(), consulta.value(1).toString(), textoDeFecha(consulta.value(2)),
                      consulta.value(3).toString(), consulta.value(4).toString()};
    }
    QSqlDatabase::removeDatabase(u"ultimo"_s);
    return ultimo;
}

struct Apertura
{
    double pintadoMs = -1;
    double accionMs = -1;
    QString clase;
    QString sql;
};

void escribir(QDialog *dialogo, const QString &nombre, const QString &texto)
{
    auto *caja = dialogo->findChild<QLineEdit *>(nombre);
    caja->setFocus(Qt::OtherFocusReason); // entering the frame: new-lot mode
    caja->setText(texto);
}

// Opens the dialog of `modelo` and cancels it once the list shows; with a
// `tecleado` lot, types it in the frame and times Aceptar until the dialog chose.
Apertura abrirDialogo(const QString &ruta, const QString &modelo, const LoteTecleado *tecleado)
{
    auto empresa = std::make_shared<EmpresaMemoria>(1, 1);
    empresa->setParametro(u"Lotes_ModeloUsar"_s, modelo);
    empresa->setParametro(u"Lotes_NroObligatorio"_s, false);
    auto grabadora = std::make_shared<ConexionGrabadora>(Conexion::abrir(BaseDatosHost::cadenaSqlite(ruta)));
    frmclsLotesInventario inventario;
    inventario.EmpresaNuvalia(empresa);
    inventario.ConexionNuvalia(grabadora);
    inventario.Cod_Almacen = Almacen;
    inventario.Cod_Articulo = Articulo;
    inventario.ControlCaducidad = tecleado != nullptr && !tecleado->fecha.isEmpty();

    Medicion::PrimerPintado pintado([&](QDialog *dialogo) {
        if (tecleado == nullptr) {
            dialogo->reject();
            return;
        }
        escribir(dialogo, u"txtCaducidad"_s, tecleado->fecha);
        if (modelo == u"3") {
            escribir(dialogo, u"kxLote"_s, tecleado->lote);
        } else {
            escribir(dialogo, u"kxTono"_s, tecleado->tono);
            escribir(dialogo, u"kxCalibre"_s, tecleado->calibre);
        }
        pintado.reloj.restart();
        dialogo->findChild<QAbstractButton *>(u"cmdAceptar"_s)->click();
    });
    inventario.Show(1);
    const double hastaCerrar = double(pintado.reloj.nsecsElapsed()) / 1e6;
    const bool acerto = tecleado != nullptr && inventario.Result && inventario.Cod_Lote == tecleado->clave;
    if (tecleado != nullptr && !acerto)
        std::fputs("the typed lot did not resolve to the last key\n", stderr);
    return {pintado.ms, acerto ? hastaCerrar : -1, pintado.clase, grabadora->textos().value(0)};
}

int medir(const Medicion::Bases &bases, int lotes, const QString &modelo)
{
    const QString &ruta = bases.lotes;
    // The first opening puts the file in the page cache and tells the query.
    const QString sql = abrirDialogo(ruta, modelo, nullptr).sql;
    const int campos = modelo == u"3" ? 3 : 6;
    Medicion::empezarPico();
    const Apertura apertura = abrirDialogo(ruta, modelo, nullptr);
    // Peak memory of the opening alone, before the action reads the whole list.
    const double pico = Medicion::picoMemoriaMb();
    const LoteTecleado ultimo = ultimoLote(ruta);
    const Medicion::Turnos turnos = Medicion::porTurnos([&] { return Medicion::leerConQtSql(ruta, sql, campos); },
                                                        [&] { return abrirDialogo(ruta, modelo, &ultimo).accionMs; });
    // Dialogs have been shown and closed in this process: the next one opens warm.
    const Apertura caliente = abrirDialogo(bases.mil, modelo, nullptr);
    return Medicion::informar(
        {apertura.clase, lotes, apertura.pintadoMs, turnos.consultaMs, pico, turnos.accionMs, caliente.pintadoMs});
}

// Half the lots known to the article, the other half (later keys, lot codes
// and calibers of their own) recorded only in a count of the warehouse.
QString crearBase(const QString &carpeta, int lotes)
{
    QString ruta = carpeta + u"/inventario-%1.db"_s.arg(lotes);
    const int conocidos = lotes - lotes / 2;
    const BaseDatosHost::DatosGenerados datos = Medicion::crearBaseConLotes(ruta, Almacen, Articulo, conocidos);
    auto conexion = Conexion::abrir(BaseDatosHost::cadenaSqlite(ruta));
    conexion->ejecutar(u"INSERT INTO Inventario_Lotes (Cod_Empresa, Cod_Almacen, Cod_Articulo, Num_Linea, Cod_Lote, "
                       u"Lote, Caducidad, Tono, Calibre, Cantidad) SELECT Cod_Empresa, %1, Cod_Articulo, Cod_Lote, "
                       u"Cod_Lote + %2, 'I' || Lote, Caducidad, Tono, Lote, 1 FROM Articulos_Lotes WHERE "
                       u"Cod_Articulo = %3 AND Cod_Lote < %4"_s.arg(Almacen)
                           .arg(conocidos)
                           .arg(Articulo)
                           .arg(datos.primeraClave + lotes / 2));
    conexion->ejecutar(u"ANALYZE Inventario_Lotes"_s);
    return ruta;
}

} // namespace

int main(int argc, char *argv[])
{
    return Medicion::principal(argc, argv, {u"3"_s, u"2"_s}, crearBase, medir);
}
