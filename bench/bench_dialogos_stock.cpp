// Measures every dialog that picks a lot from a warehouse's stock, on an
// embedded database where one article has N lots in one warehouse: the time
// from Show to the first painted list, the time to read the same rows through
// Qt SQL alone, the peak memory of a process that only opens the dialog, and
// the clerk's slowest action on that list: the automatic choice when only the
// last lots cover the units (sales), accepting the last row after its stock
// check (regularization and transfer). Two more sales lines: the automatic
// choice by first expiry (FEFO), which weighs every lot, and a line twice the
// largest stock split over lots, its proposal accepted as it comes. The raw read and the action are each
// the least of five, taken in turns.
// Prints one line per dialog and N:
//   dialog=CLASS lots=N dialog_ms=... query_ms=... ratio=... peak_mb=... action_ms=... warm_ms=...
// Each measurement runs in a child process of its own, so that its peak memory is its own.
#include "MedicionDialogo.h"
#include "db/BaseDatosHost.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/core/rules/ReglasStockLotes.h"

#include <nvlalotes/Conexion.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/frmclsLotesFacturacion.h>
#include <nvlalotes/frmclsLotesRegularizar.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

namespace {

constexpr qint16 Almacen = 1;
constexpr qint32 Articulo = 9000;

// A pick-from-stock dialog, the lot model that opens it, and its select list.
struct Medido
{
    const char *dialogo;
    const char *modelo;
    QString seleccion;
    bool venta;                  // opened by the invoicing class, else by the regularization class
    const char *linea = nullptr; // the line's name when it is not the dialog's
    const char *estrategia = "";
    bool reparto = false;
};

const QList<Medido> &dialogos()
{
    static const QList<Medido> dialogos{
        {"frmLotesStockFacturar1", "3", u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad"_s, true},
        {"frmLotesStockFacturar2", "2",
         u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre, b.Bloqueado"_s, true},
        {"frmLotesStockFacturar1", "3", u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad"_s, true,
         "frmLotesStockFacturar1-FEFO", "FEFO"},
        {"frmLotesStockFacturar1", "3", u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad"_s, true,
         "frmLotesStockFacturar1-reparto", "", true},
        {"frmLotesStockReg1", "3", u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre"_s,
         false},
        {"frmLotesStockReg2", "2", u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre"_s,
         false},
    };
    return dialogos;
}

const Medido *medidoDe(const QString &dialogo)
{
    for (const Medido &m : dialogos()) {
        if (dialogo == QLatin1String(m.linea ? m.linea : m.dialogo))
            return &m;
    }
    return nullptr;
}

struct Apertura
{
    double pintadoMs = -1;
    double accionMs = -1;
    QString clase;
};

// The entry class that opens the dialog, and where its Result is.
struct Entrada
{
    std::unique_ptr<ClaseEntradaLotes> clase;
    const bool *result = nullptr;
};

Entrada crearEntrada(const Medido &medido, Currency unidades)
{
    if (medido.venta) {
        auto venta = std::make_unique<frmclsLotesFacturacion>();
        venta->Cod_Almacen = Almacen;
        venta->Cod_Articulo = Articulo;
        venta->Unidades = unidades;
        venta->PermitirAutomatico = true;
        venta->PermitirReparto = medido.reparto;
        const bool *result = &venta->Result;
        return {std::move(venta), result};
    }
    // Stock going out: the list is checked against the units.
    auto salida = std::make_unique<frmclsLotesRegularizar>();
    salida->EsNegativo = true;
    salida->Cod_Almacen = Almacen;
    salida->Cod_Articulo = Articulo;
    salida->Unidades = unidades;
    const bool *result = &salida->Result;
    return {std::move(salida), result};
}

// With `unidades` above 0 the clerk's action runs once the list shows.
Apertura abrirDialogo(const QString &ruta, const Medido &medido, Currency unidades)
{
    auto empresa = std::make_shared<EmpresaMemoria>(1, 1);
    empresa->setParametro(u"Lotes_ModeloUsar"_s, QLatin1String(medido.modelo));
    empresa->setParametro(u"Lotes_EstrategiaAutomatica"_s, QLatin1String(medido.estrategia));
    // No lot covers a split line alone: twice the largest stock.
    const Currency pedidas = medido.reparto ? unidades + unidades : unidades;
    Entrada entrada = crearEntrada(medido, pedidas > Currency(0) ? pedidas : Currency(1));
    entrada.clase->EmpresaNuvalia(empresa);
    entrada.clase->ConexionNuvalia(Conexion::abrir(BaseDatosHost::cadenaSqlite(ruta)));

    const bool aceptar = unidades > Currency(0);
    // The split's proposal is accepted as soon as it shows.
    QTimer repartido;
    repartido.callOnTimeout([&repartido] {
        for (QWidget *ventana : QApplication::topLevelWidgets()) {
            if (ventana->objectName() == u"frmRepartoLotes" && ventana->isVisible()) {
                repartido.stop();
                ventana->findChild<QAbstractButton *>(u"cmdAceptar"_s)->click();
            }
        }
    });
    if (medido.reparto && aceptar)
        repartido.start(1);
    Medicion::PrimerPintado pintado([&](QDialog *dialogo) {
        if (!aceptar) {
            dialogo->reject();
            return;
        }
        pintado.reloj.restart();
        if (!medido.venta) {
            auto *lista = dialogo->findChild<Rejilla *>(u"vsLotes"_s);
            lista->setRow(lista->rows() - 1);
        }
        dialogo->findChild<QAbstractButton *>(u"cmdAceptar"_s)->click();
    });
    entrada.clase->Show(1);
    const double hastaCerrar = double(pintado.reloj.nsecsElapsed()) / 1e6;
    const bool elegido = *entrada.result;
    if (aceptar && !elegido)
        std::fprintf(stderr, "%s chose no lot\n", medido.dialogo);
    return {pintado.ms, aceptar && elegido ? hastaCerrar : -1,
            medido.linea ? QString::fromLatin1(medido.linea) : pintado.clase};
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

int medir(const Medicion::Bases &bases, int lotes, const Medido &medido)
{
    const QString &ruta = bases.lotes;
    const QString sql = ReglasStockLotes::consulta(medido.seleccion, 1, Almacen, Articulo, true);
    const int campos = int(medido.seleccion.count(u',')) + 1;
    Medicion::leerConQtSql(ruta, sql, campos); // the file in the page cache for both
    Medicion::empezarPico();
    const Apertura apertura = abrirDialogo(ruta, medido, Currency());
    // Peak memory of the opening alone, before the action reads the whole list.
    const double pico = Medicion::picoMemoriaMb();
    const Currency mayor = mayorStock(ruta, sql);
    const Medicion::Turnos turnos = Medicion::porTurnos([&] { return Medicion::leerConQtSql(ruta, sql, campos); },
                                                        [&] { return abrirDialogo(ruta, medido, mayor).accionMs; });
    // Dialogs have been shown and closed in this process: the next one opens warm.
    const Apertura caliente = abrirDialogo(bases.mil, medido, Currency());
    return Medicion::informar(
        {apertura.clase, lotes, apertura.pintadoMs, turnos.consultaMs, pico, turnos.accionMs, caliente.pintadoMs});
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList variantes;
    for (const Medido &m : dialogos())
        variantes << QLatin1String(m.linea ? m.linea : m.dialogo);
    return Medicion::principal(
        argc, argv, variantes,
        [](const QString &carpeta, int lotes) {
            const QString ruta = carpeta + u"/lotes-%1.db"_s.arg(lotes);
            Medicion::crearBaseConLotes(ruta, Almacen, Articulo, lotes);
            return ruta;
        },
        [](const Medicion::Bases &bases, int lotes, const QString &variante) {
            const Medido *medido = medidoDe(variante);
            return medido ? medir(bases, lotes, *medido) : 2;
        });
}
