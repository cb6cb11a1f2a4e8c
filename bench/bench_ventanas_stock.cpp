// Measures the two lot stock windows on an embedded database where one
// article has N lots in warehouse 1 and N/10 owing invoice lines and as many
// owing delivery-note lines: the time from Show to the first painted list, the
// time to read the same queries through Qt SQL alone on the same kind of
// connection, the peak memory of a process that only opens the window, and
// the time of a warehouse change from an empty warehouse back to warehouse 1.
// The raw read is the least of three.
// Prints one line per window and N:
//   dialog=CLASS lots=N dialog_ms=... query_ms=... ratio=... peak_mb=... action_ms=... warm_ms=...
#include "MedicionDialogo.h"
#include "db/BaseDatosHost.h"
#include "foundation/core/database/FuncionesSqlite.h"

#include <nvlalotes/Conexion.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/frmclsLotesStock.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cstdio>
#include <sqlite3.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

namespace {

constexpr qint16 Almacen = 1;
constexpr qint16 AlmacenVacio = 2;
constexpr qint32 Articulo = 9000;

QString consultaLotes(qint16 almacen)
{
    return u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre, b.Bloqueado FROM "
           u"Almacen_Articulos_Lotes a INNER JOIN Articulos_Lotes b ON a.Cod_Empresa = b.Cod_Empresa AND "
           u"a.Cod_Lote = b.Cod_Lote WHERE a.Cod_Empresa = 1 AND a.Cod_Almacen = %1 AND b.Cod_Articulo = %2 "
           u"ORDER BY a.Stock_Actual"_s.arg(almacen)
               .arg(Articulo);
}

// The owed units and the documents that owe them, as the tone window reads
// them (the embedded engine knows the host's functions without their schema).
QStringList consultasPendientes()
{
    const QString f =
        u"fn_FacturasLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, "
        u"fl.Num_Linea)"_s;
    const QString a =
        u"fn_AlbaranesFLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, "
        u"fl.Num_Linea)"_s;
    const QString on = u" ON fl.Cod_Empresa = f.Cod_Empresa AND fl.Cod_Ejercicio = f.Cod_Ejercicio AND fl.Serie = "
                       u"f.Serie AND fl.Codigo  = f.Codigo AND fl.TipoDoc = f.TipoDoc"_s;
    const QString articulo = QString::number(Articulo);
    return {
        u"SELECT fn_DevArticuloUnidadesOSPendEntrega(1, 1, "_s + articulo + u") AS Und"_s,
        u"SELECT f.Cliente, c.Nombre, fl.Unidades - "_s + f +
            u" AS Unidades, 'F' AS Tipo, f.Codigo, f.Fecha, f.Hora FROM Facturas_Lineas fl INNER JOIN Facturas f"_s +
            on +
            u" INNER JOIN Clientes c ON c.Cod_Empresa =1 AND f.Cliente = c.Codigo WHERE fl.Cod_Empresa =1 AND "
            u"f.Cod_AlmacenStock =1 AND f.TipoFactura = 0 AND fl.Unidades > 0 AND fl.Unidades > "_s +
            f + u" AND fl.Cod_Articulo ="_s + articulo + u" UNION ALL SELECT f.Cliente, c.Nombre, fl.Unidades - "_s +
            a +
            u" AS Unidades, 'A' AS Tipo, f.Codigo, f.Fecha, f.Hora FROM Albaranes_F_Lineas fl INNER JOIN "
            u"Albaranes_F f"_s +
            on +
            u" INNER JOIN Clientes c ON c.Cod_Empresa =1 AND f.Cliente = c.Codigo WHERE fl.Cod_Empresa =1 AND "
            u"f.Cod_AlmacenStock =1 AND fl.Unidades > 0 AND fl.Unidades > "_s +
            a + u" AND fl.Cod_Articulo ="_s + articulo + u" ORDER BY f.Fecha, f.Hora, f.Codigo"_s};
}

// A Qt SQL connection to the window's file, set up as the library sets up its
// own (its page cache, the host's functions registered), for the raw read.
class ConexionQtSql
{
public:
    explicit ConexionQtSql(const QString &ruta)
    {
        QSqlDatabase bd = QSqlDatabase::addDatabase(u"QSQLITE"_s, Nombre);
        bd.setDatabaseName(ruta);
        bd.open();
        const QSqlQuery cache(u"PRAGMA cache_size = -65536"_s, bd);
        auto *manejador = *static_cast<sqlite3 *const *>(bd.driver()->handle().constData());
        if (!m_funciones.registrar(manejador))
            std::fputs("the host's functions were not registered for the raw read\n", stderr);
    }
    ~ConexionQtSql()
    {
        m_funciones.liberar();
        QSqlDatabase::database(Nombre, false).close();
        QSqlDatabase::removeDatabase(Nombre);
    }
    ConexionQtSql(const ConexionQtSql &) = delete;
    ConexionQtSql &operator=(const ConexionQtSql &) = delete;

    static constexpr QLatin1StringView Nombre{"bruta"};

private:
    FuncionesSqlite m_funciones;
};

// Every field of every record of `consultas`, read with Qt SQL alone.
double leerConQtSql(const QStringList &consultas)
{
    QSqlDatabase bd = QSqlDatabase::database(ConexionQtSql::Nombre, false);
    QElapsedTimer reloj;
    reloj.start();
    qint64 campos = 0;
    for (const QString &sql : consultas) {
        QSqlQuery consulta(bd);
        consulta.setForwardOnly(true);
        if (!consulta.exec(sql))
            std::fprintf(stderr, "raw read failed: %s\n", qPrintable(consulta.lastError().text()));
        const int n = consulta.record().count();
        while (consulta.next()) {
            for (int i = 0; i < n; ++i)
                campos += consulta.value(i).isNull() ? 0 : 1;
        }
    }
    if (campos == 0)
        std::fputs("the raw read found nothing\n", stderr);
    return double(reloj.nsecsElapsed()) / 1e6;
}

// The clerk types a warehouse code in the picker and confirms it with Enter.
void elegirAlmacen(QDialog *ventana, qint16 almacen)
{
    auto *caja = ventana->findChild<QWidget *>(u"txtAlmacen"_s)->findChild<QLineEdit *>();
    caja->setText(QString::number(almacen));
    QKeyEvent intro(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(caja, &intro);
}

// Opens `ventana` on `ruta`, running `antes` once its connection is open;
// `alPintar` runs once the list has painted and must close the window.
// Answers the time from Show to that paint.
double abrirVentana(const QString &ruta, const QString &ventana, const std::function<void()> &antes,
                    const std::function<void(QDialog *)> &alPintar)
{
    const bool tono = ventana == u"frmLotesStockAlm2";
    auto empresa = std::make_shared<EmpresaMemoria>(1, 1);
    empresa->setParametro(u"Lotes_ModeloUsar"_s, tono ? u"2"_s : u"3"_s);
    empresa->setParametro(u"UsuarioActual"_s, 1);
    empresa->setParametro(u"ArticulosHabModFichaTiendas"_s, true);
    empresa->setParametro(u"OficinaCentral"_s, true);
    frmclsLotesStock clase;
    clase.EmpresaNuvalia(empresa);
    clase.ConexionNuvalia(Conexion::abrir(BaseDatosHost::cadenaSqlite(ruta)));
    clase.Cod_Almacen = Almacen;
    clase.Cod_Articulo = Articulo;
    clase.Control_Lotes = true;
    if (antes)
        antes();
    Medicion::PrimerPintado pintado(alPintar);
    clase.Show(1);
    return pintado.ms;
}

void salir(QDialog *ventana)
{
    ventana->findChild<QAbstractButton *>(u"cmdSalir"_s)->click();
}

int medir(const Medicion::Bases &bases, int lotes, const QString &ventana)
{
    const bool tono = ventana == u"frmLotesStockAlm2";
    double consulta = -1;
    double cambioMs = -1;
    double pico = 0;
    QString clase;
    const auto leer = [&] {
        const QStringList consultas =
            QStringList{consultaLotes(Almacen)} + (tono ? consultasPendientes() : QStringList());
        {
            // Closed before the window reads, so the peak is the opening's.
            const ConexionQtSql bruta(bases.lotes);
            leerConQtSql(consultas); // the file in the page cache for both
            Medicion::Menor lectura;
            for (int vez = 0; vez < 3; ++vez)
                lectura.anotar(leerConQtSql(consultas));
            consulta = lectura.ms();
        }
        Medicion::empezarPico();
    };
    const double pintadoMs = abrirVentana(bases.lotes, ventana, leer, [&](QDialog *v) {
        clase = v->objectName();
        pico = Medicion::picoMemoriaMb();
        elegirAlmacen(v, AlmacenVacio);
        QElapsedTimer reloj;
        reloj.start();
        elegirAlmacen(v, Almacen);
        cambioMs = double(reloj.nsecsElapsed()) / 1e6;
        salir(v);
    });
    // A window has been shown and closed in this process: the next one opens warm.
    const double caliente = abrirVentana(bases.mil, ventana, {}, salir);
    return Medicion::informar({clase, lotes, pintadoMs, consulta, pico, cambioMs, caliente});
}

} // namespace

int main(int argc, char *argv[])
{
    return Medicion::principal(
        argc, argv, {u"frmLotesStockAlm1"_s, u"frmLotesStockAlm2"_s},
        [](const QString &carpeta, int lotes) {
            const QString ruta = carpeta + u"/stock-%1.db"_s.arg(lotes);
            auto conexion = Conexion::abrir(BaseDatosHost::cadenaSqlite(ruta));
            BaseDatosHost::crearEsquema(*conexion);
            BaseDatosHost::TamanoDatos tamano;
            tamano.almacen = Almacen;
            tamano.articulo = Articulo;
            tamano.lotes = lotes;
            tamano.lineas = lotes / 10;
            BaseDatosHost::generarDatos(*conexion, tamano);
            conexion->ejecutar(
                u"INSERT INTO Almacenes (Cod_Empresa, Cod_Almacen, Nombre) VALUES (1, %1, 'Vacío')"_s.arg(
                    AlmacenVacio));
            return ruta;
        },
        [](const Medicion::Bases &bases, int lotes, const QString &ventana) { return medir(bases, lotes, ventana); });
}
