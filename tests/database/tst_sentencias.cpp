// Every statement the library composes, text for text, in one table: as each
// dialog, window and host function sends it on the demo data, on each engine.
// The behaviour tests check what the clerk and the host see; the texts are
// checked here only. The host's texts also run here: every T-SQL construct they
// use must give the right rows on every engine.
// The host's own functions the library provides, beside their texts: menu
// access by user groups (demo users: 1 in groups 1 and 5, 2 in group 5 with
// access type 2 to menu 1200 and to "mnuLotes", 3 in group 11 with type 1
// only, 4 in none), and the warehouse record object: the library's own over
// table Almacenes (company 1: warehouses 1 and 3 keep expiry dates, 2 does
// not), and a host's own plugged in instead.
#include "app/Vitrina.h"
#include "foundation/controls/Formulario.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/core/database/Comando.h"
#include "foundation/core/database/ConexionGrabadora.h"
#include "foundation/core/database/ProcedimientoStockLotes.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/modComun.h"
#include "foundation/core/values/Conversiones.h"
#include "security/clsControlSeg.h"
#include "stock/ConsultasStock.h"
#include "tests/support/BaseDatosPrueba.h"
#include "tests/support/Conduccion.h"

#include <nvlalotes/EmpresaBaseDatos.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/RegistroAlmacen.h>
#include <nvlalotes/frmclsLotesFacturacion.h>
#include <nvlalotes/frmclsLotesInventario.h>
#include <nvlalotes/frmclsLotesRegularizar.h>
#include <nvlalotes/frmclsLotesStock.h>

#include <QWidget>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// Runs the library's own code on a recording connection over the demo data.
using Envio = std::function<void(const std::shared_ptr<ConexionGrabadora> &)>;

// What was sent, in order; a command adds its kind, wait and parameters
// (name|type|direction|size|value as the engine gets it).
QStringList enviados(const ConexionGrabadora &grabadora)
{
    QStringList textos;
    for (const ConexionGrabadora::Envio &envio : grabadora.envios()) {
        QString texto = envio.texto;
        if (envio.clase == ConexionGrabadora::Clase::Comando) {
            const Comando &c = envio.comando;
            texto += u" [%1%2 %3]"_s.arg(int(c.tipo())).arg(c.preparado() ? u"P"_s : QString()).arg(c.tiempoEspera());
            for (const ParametroComando &p : c.parametros())
                texto += u" %1|%2|%3|%4|"_s.arg(p.nombre).arg(int(p.tipo)).arg(int(p.direccion)).arg(p.tamano) +
                         textoValor(p.valorParaMotor());
        }
        textos << texto;
    }
    return textos;
}

// An entry class on the demo company under `modelo`, its dialog left at once.
template<class Clase> Envio dialogo(int modelo, const std::function<void(Clase &)> &campos)
{
    return [modelo, campos](const std::shared_ptr<ConexionGrabadora> &conexion) {
        Clase clase;
        clase.Cod_Almacen = 1;
        campos(clase);
        QVERIFY(conDialogo([&] { Vitrina::mostrarClase(clase, modelo, conexion); }, [](QDialog *d) { d->reject(); }));
    };
}

Envio consulta(const QString &sql)
{
    return [sql](const std::shared_ptr<ConexionGrabadora> &conexion) { filasDe(*conexion, sql); };
}

// Shares the connection and company 1 with user `usuario`, as the host does.
std::shared_ptr<EmpresaMemoria> compartir(const std::shared_ptr<Conexion> &conexion, const QVariant &usuario)
{
    auto empresa = std::make_shared<EmpresaMemoria>(1, 1);
    empresa->setParametro(u"UsuarioActual"_s, usuario);
    ContextoCompartido::setConexion(conexion);
    ContextoCompartido::setEmpresa(empresa);
    return empresa;
}

// A host function's menu check, as user `usuario` of company 1.
Envio menu(int usuario, int codigo, const QString &nombre)
{
    return [=](const std::shared_ptr<ConexionGrabadora> &conexion) {
        compartir(conexion, usuario);
        modComun::MenuRestringido(codigo, nombre, 1);
    };
}

// A host's own warehouse record, answering the opposite of the table for warehouses 1 and 2.
struct RegistroDelPrograma final : RegistroAlmacen
{
    qint16 almacen = 0;
    void setEmpresa(std::shared_ptr<NVLAEMP> /*empresa*/) override {}
    void setConexion(std::shared_ptr<Conexion> /*conexion*/) override {}
    void setCodigoAlmacen(qint16 codigo) override { almacen = codigo; }
    void Cargar(QObject * /*objeto*/) override {}
    bool ControlCaducidad() const override { return almacen == 2; }
};

// Whether the warehouse keeps expiry dates, as the record object reads it.
bool controlDe(const std::shared_ptr<Conexion> &conexion, int empresa, int almacen)
{
    auto registro = RegistroAlmacen::crear();
    registro->setEmpresa(std::make_shared<EmpresaMemoria>(qint16(empresa)));
    registro->setConexion(conexion);
    registro->setCodigoAlmacen(qint16(almacen));
    registro->Cargar();
    return registro->ControlCaducidad();
}

// A new form's catalog and permissions: a label, a box and an array of two buttons.
void seguridad(const std::shared_ptr<ConexionGrabadora> &conexion)
{
    auto empresa = compartir(conexion, 7);
    empresa->setParametro(u"NoProcesarPermisosControles"_s, false);
    QWidget form;
    form.setObjectName(u"frmTextos"_s);
    Formulario::etiqueta(&form, u"lblA"_s, u"A"_s, {0, 0, 500, 300});
    auto *txt = Formulario::cajaTexto(&form, u"txtA"_s, 10, {0, 400, 500, 300});
    auto *b0 = Formulario::boton(&form, u"cmdB"_s, u"0"_s, {0, 800, 500, 300});
    auto *b1 = Formulario::boton(&form, u"cmdB"_s, u"1"_s, {600, 800, 500, 300});
    b0->setProperty("Index", 0);
    b1->setProperty("Index", 1);
    Formulario::ordenTabulacion({txt, b0, b1});
    clsControlSeg seg;
    seg.cEmpresa(empresa);
    seg.Conexion(conexion);
    seg.ContentForm(&form);
    seg.Usuario = 7;
    QVERIFY(capturarMensajes([&] { seg.SetStateAllControl(); }).isEmpty());
}

const QString LotesVenta =
    u" FROM Almacen_Articulos_Lotes a INNER JOIN Articulos_Lotes b ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote WHERE a.Cod_Empresa = 1 AND a.Cod_Almacen = 1 AND b.Cod_Articulo = %1"_s;
const QString ConStock = u" AND a.Stock_Actual > 0"_s;
const QString PorStock = u" ORDER BY a.Stock_Actual"_s;

// The lines of invoices (of the ordinary kind) and delivery notes still owed
// to customers, whose rows are under company %1, of article %2.
const QString PendientesEntrega =
    u"SELECT f.Cliente, c.Nombre, fl.Unidades - dbo.fn_FacturasLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, fl.Num_Linea) AS Unidades, 'F' AS Tipo, f.Codigo, f.Fecha, f.Hora FROM Facturas_Lineas fl INNER JOIN Facturas f ON fl.Cod_Empresa = f.Cod_Empresa AND fl.Cod_Ejercicio = f.Cod_Ejercicio AND fl.Serie = f.Serie AND fl.Codigo  = f.Codigo AND fl.TipoDoc = f.TipoDoc INNER JOIN Clientes c ON c.Cod_Empresa =%1 AND f.Cliente = c.Codigo WHERE fl.Cod_Empresa =1 AND f.Cod_AlmacenStock =1 AND f.TipoFactura = 0 AND fl.Unidades > 0 AND fl.Unidades > dbo.fn_FacturasLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, fl.Num_Linea) AND fl.Cod_Articulo =%2 UNION ALL SELECT f.Cliente, c.Nombre, fl.Unidades - dbo.fn_AlbaranesFLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, fl.Num_Linea) AS Unidades, 'A' AS Tipo, f.Codigo, f.Fecha, f.Hora FROM Albaranes_F_Lineas fl INNER JOIN Albaranes_F f ON fl.Cod_Empresa = f.Cod_Empresa AND fl.Cod_Ejercicio = f.Cod_Ejercicio AND fl.Serie = f.Serie AND fl.Codigo  = f.Codigo AND fl.TipoDoc = f.TipoDoc INNER JOIN Clientes c ON c.Cod_Empresa =%1 AND f.Cliente = c.Codigo WHERE fl.Cod_Empresa =1 AND f.Cod_AlmacenStock =1 AND fl.Unidades > 0 AND fl.Unidades > dbo.fn_AlbaranesFLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, fl.Num_Linea) AND fl.Cod_Articulo =%2 ORDER BY f.Fecha, f.Hora, f.Codigo"_s;

const QString Grupos = u"SELECT CodGrupo FROM SGD_Usuarios_Grupos WHERE CodUsuario="_s;

} // namespace

Q_DECLARE_METATYPE(Envio)

class TstSentencias : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { filasPorMotor(); }
    void cleanup()
    {
        ContextoCompartido::setConexion(nullptr);
        ContextoCompartido::setEmpresa(nullptr);
        RegistroAlmacen::setFabrica({});
        QVERIFY(ningunaVentanaAbierta());
    }
    void textos_data();
    void textos();
    void menuYGrupos();
    void controlCaducidad();
};

void TstSentencias::textos_data()
{
    QTest::addColumn<Envio>("envio");
    QTest::addColumn<QStringList>("textos");
    QTest::addColumn<QVariant>("filas"); // the rows of the last text on the demo data, separated by ';'
    QTest::addColumn<QString>("antes");  // a change the stock window or the host made first
    const auto fila = [](const char *caso, const Envio &envio, const QStringList &textos, const QVariant &filas = {},
                         const QString &antes = {}) { QTest::newRow(caso) << envio << textos << filas << antes; };
    const auto texto = [&](const char *caso, const QString &sql, const QString &filas, const QString &antes = {}) {
        fila(caso, consulta(sql), {sql}, filas, antes);
    };
    const QString lote = u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad"_s;
    const QString tono = lote + u", b.Tono, b.Calibre"_s;

    // The lot lists: units above zero (or stock going out) list only lots with stock.
    fila("ventas, lote", dialogo<frmclsLotesFacturacion>(3, [](auto &c) { c.Cod_Articulo = 101, c.Unidades = 5; }),
         {lote + LotesVenta.arg(101) + ConStock + PorStock});
    fila("ventas, lote sin unidades", dialogo<frmclsLotesFacturacion>(3, [](auto &c) { c.Cod_Articulo = 101; }),
         {lote + LotesVenta.arg(101) + PorStock});
    fila("ventas, tono", dialogo<frmclsLotesFacturacion>(2, [](auto &c) { c.Cod_Articulo = 200, c.Unidades = 3; }),
         {tono + u", b.Bloqueado"_s + LotesVenta.arg(200) + ConStock + PorStock});
    fila("regularización, salida",
         dialogo<frmclsLotesRegularizar>(3, [](auto &c) { c.Cod_Articulo = 101, c.EsNegativo = true; }),
         {tono + LotesVenta.arg(101) + ConStock + PorStock});
    fila("regularización, entrada", dialogo<frmclsLotesRegularizar>(2, [](auto &c) { c.Cod_Articulo = 200; }),
         {tono + LotesVenta.arg(200) + PorStock});
    fila(
        "inventario, lote", dialogo<frmclsLotesInventario>(3, [](auto &c) { c.Cod_Articulo = 100; }),
        {u"SELECT Cod_Lote, Lote, Caducidad FROM Articulos_Lotes WHERE Cod_Empresa = 1 AND Cod_Articulo = 100 UNION SELECT Cod_Lote, Lote, Caducidad FROM Inventario_Lotes WHERE Cod_Empresa = 1 AND Cod_Articulo = 100 ORDER BY Cod_Lote"_s});
    // No blank after the warehouse's equals sign, as the host's text has it.
    fila(
        "inventario, tono", dialogo<frmclsLotesInventario>(2, [](auto &c) { c.Cod_Articulo = 200; }),
        {u"SELECT Cod_Lote, Lote, Caducidad, Tono, Calibre, -1 AS Cantidad FROM Articulos_Lotes WHERE Cod_Empresa = 1 AND Cod_Articulo = 200 AND Cod_Lote NOT IN (SELECT Cod_Lote FROM Inventario_Lotes WHERE Cod_Empresa = 1 AND Cod_Almacen =1 AND Cod_Articulo = 200) UNION SELECT Cod_Lote, Lote, Caducidad, Tono, Calibre, Cantidad FROM Inventario_Lotes WHERE Cod_Empresa = 1 AND Cod_Almacen =1 AND Cod_Articulo = 200 ORDER BY Cod_Lote"_s});

    // The stock windows' load: menu access, the warehouse, the lots, and under
    // the tone model the units owed and the documents that owe them.
    const QStringList acceso{u"SELECT Cod_Almacen, Nombre FROM Almacenes WHERE Cod_Empresa = 1 AND Cod_Almacen = 1"_s,
                             u"SELECT Control_Caducidad FROM Almacenes WHERE Cod_Empresa = 1 AND Cod_Almacen = 1"_s,
                             u"SELECT IDMenu FROM SGD_Formularios WHERE Nombre = 'frmArticulos'"_s, Grupos + u'1'};
    const QString lotesStock =
        u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre, b.Bloqueado FROM Almacen_Articulos_Lotes a INNER JOIN Articulos_Lotes b ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote WHERE a.Cod_Empresa = 1 AND a.Cod_Almacen = 1 AND b.Cod_Articulo = %1 ORDER BY a.Stock_Actual"_s;
    fila("ventana de stock, lote",
         dialogo<frmclsLotesStock>(3,
                                   [](auto &c) { c.Cod_Articulo = 101, c.Control_Lotes = c.Control_Caducidad = true; }),
         acceso + QStringList{lotesStock.arg(101)});
    // With the rows of the documents that owe units on the demo data.
    fila(
        "ventana de stock, tono",
        dialogo<frmclsLotesStock>(2,
                                  [](auto &c) { c.Cod_Articulo = 200, c.Control_Lotes = c.Control_Caducidad = true; }),
        acceso + QStringList{lotesStock.arg(200), u"SELECT dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 200) AS Und"_s,
                             PendientesEntrega.arg(1).arg(200)},
        u"430001|Construcciones Pérez, S.L.|6|F|1|2026-11-02|10:15:00;430003|María Núñez Ibáñez|2|A|1|2026-11-03|16:45:00"_s);
    const ConsultasStock::Claves claves{1, 1, 1, 202};
    fila(
        "stock sin lotes más lo debido", consulta(ConsultasStock::stockArticulo(claves)),
        {u"SELECT Stock_Actual + dbo.fn_DevArticuloUnidadesOSPendEntrega(Cod_Empresa, Cod_Almacen, Cod_Articulo) AS Stock FROM Almacen_Articulos WHERE Cod_Empresa = 1 AND Cod_Almacen = 1 AND Cod_Articulo = 202"_s},
        u"37"_s);
    // With the picker's UsarDatosAlmacen False the warehouse's record is not
    // read: Crear shows as Control_Lotes says, and the lot it creates asks no
    // expiry, even in a warehouse that keeps them.
    fila("ventana de stock sin datos del almacén",
         [](const auto &conexion) {
             frmclsLotesStock clase;
             clase.Cod_Almacen = 1, clase.Cod_Articulo = 101, clase.Control_Lotes = clase.Control_Caducidad = true;
             auto empresa = std::make_shared<EmpresaMemoria>(1, 1);
             for (const QString &p : {u"Lotes_ModeloUsar=3"_s, u"UsuarioActual=1"_s, u"OficinaCentral=True"_s,
                                      u"ArticulosHabModFichaTiendas=True"_s, u"UsarDatosAlmacen=False"_s})
                 empresa->setParametro(p.section(u'=', 0, 0), p.section(u'=', 1));
             clase.EmpresaNuvalia(empresa);
             clase.ConexionNuvalia(conexion);
             const auto sinCaducidad = [](QDialog *d) {
                 QVERIFY(!control<QWidget>(d, u"txtCaducidad"_s)->isEnabled());
                 d->reject();
             };
             QVERIFY(conDialogo([&] { clase.Show(1); },
                                [&](QDialog *v) {
                                    QVERIFY(conDialogo([&] { clic(v, u"cmdCrear"_s); }, sinCaducidad));
                                    v->reject();
                                }));
         },
         {acceso[0], acceso[2], acceso[3], lotesStock.arg(101)});
    // The company's parameter row comes before the installation's (company 0).
    fila(
        "parámetro de la empresa",
        [](const auto &conexion) {
            QCOMPARE(EmpresaBaseDatos(conexion, 1).LeerParametro(u"Lotes_ModeloUsar"_s), QVariant(u"4"_s));
        },
        {u"SELECT Valor FROM Parametros WHERE Nombre = 'Lotes_ModeloUsar' AND Cod_Empresa IN (0, 1) ORDER BY Cod_Empresa DESC"_s},
        {}, u"INSERT INTO Parametros (Cod_Empresa, Nombre, Valor) VALUES (1, 'Lotes_ModeloUsar', '4')"_s);
    // Customers held under another company.
    fila("pendientes de entrega", consulta(ConsultasStock::documentosPendientes({1, 3, 1, 200})),
         {PendientesEntrega.arg(3).arg(200)});
    for (const bool bloquear : {true, false})
        fila(bloquear ? "bloqueo" : "desbloqueo",
             [=](const auto &conexion) { conexion->ejecutar(ConsultasStock::bloqueo(1, 13, bloquear)); },
             {u"UPDATE Articulos_Lotes SET Bloqueado = %1 WHERE Cod_Empresa =1 AND Cod_Lote =13"_s.arg(int(bloquear))});

    // Menu access: the user's groups, then the menu by its code or by its name.
    fila(
        "menú por código", menu(2, 1200, {}),
        {Grupos + u'2',
         u"SELECT COUNT(*) as NumRegs FROM SGD_XTR_Menus_Grupos a WHERE a.Modulo=1 AND a.CodMenu=1200 AND a.CodGrupo IN (5) AND TipoAcceso=2"_s},
        u"1"_s);
    fila(
        "menú por nombre", menu(2, 0, u"mnuLotes"_s),
        {Grupos + u'2',
         u"SELECT COUNT(*) as NumRegs FROM SGD_Menus,SGD_Menus_Grupos  WHERE SGD_Menus.Codigo=SGD_Menus_Grupos.CodMenu AND SGD_Menus.NombreInterno='mnuLotes' AND SGD_Menus_Grupos.CodGrupo IN (5) AND SGD_Menus_Grupos.TipoAcceso=2 AND SGD_Menus.Modulo=1"_s},
        u"1"_s);

    // A new form's catalog, its controls marked unseen, each one placed or
    // added, the unseen ones removed with their permissions first; then the
    // permissions of the user's groups, least restrictive first.
    const QString posicion =
        u"UPDATE SGD_Controles SET TabIndex=? WHERE Cod_Formulario=? AND Nombre=? AND Indice=? [1P 30] TabIndex|2|1|0|%4 Cod_Formulario|3|1|0|5 Nombre|200|1|50|%2 Indice|129|1|2|%3"_s;
    const QString alta =
        u"INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice,TabIndex) VALUES (?,?,?,?,?) [1P 30] Cod_Formulario|3|1|0|5 Cod_Control|2|1|0|%1 Nombre|200|1|50|%2 Indice|129|1|2|%3 TabIndex|2|1|0|%4"_s;
    QStringList catalogo{u"SELECT ISNULL(@@SERVERNAME, '')"_s,
                         u"SELECT cod_Formulario  FROM SGD_Formularios WHERE Nombre ='frmTextos'"_s,
                         u"SELECT Max(Cod_Formulario) AS codigo FROM SGD_Formularios"_s,
                         u"INSERT INTO SGD_Formularios (Cod_Formulario, Nombre) VALUES (5,'frmTextos')"_s,
                         u"UPDATE SGD_Controles SET TabIndex=-1 WHERE Cod_Formulario=5"_s,
                         u"SELECT ISNULL(Max(Cod_Control),0) FROM SGD_Controles WHERE Cod_Formulario = 5"_s};
    const QList<std::tuple<QString, QString, int>> controles{
        {u"lblA"_s, u"  "_s, 4}, {u"txtA"_s, u"  "_s, 0}, {u"cmdB"_s, u"0 "_s, 1}, {u"cmdB"_s, u"1 "_s, 2}};
    int codigo = 0;
    for (const auto &[nombre, indice, tab] : controles)
        catalogo << posicion.arg(nombre, indice).arg(tab) << alta.arg(++codigo).arg(nombre, indice).arg(tab);
    catalogo
        << u"DELETE cg FROM SGD_Controles_Grupos cg INNER JOIN SGD_Controles c ON cg.Cod_Formulario=c.Cod_Formulario AND cg.Cod_Control=c.Cod_Control WHERE c.TabIndex=-1"_s
        << u"DELETE FROM SGD_Controles WHERE TabIndex=-1"_s
        << u"SELECT gc.Cod_Grupo, f.Nombre AS Formulario, c.Nombre AS Control, c.Indice, gc.Permiso FROM SGD_Controles_Grupos gc INNER JOIN SGD_Formularios f ON gc.Cod_Formulario = f.Cod_Formulario  INNER JOIN SGD_Controles c ON gc.Cod_Formulario = c.Cod_Formulario AND gc.Cod_Control = c.Cod_Control WHERE f.Nombre = 'frmTextos' AND (gc.Cod_Grupo = 0 OR gc.Cod_Grupo IN (SELECT CodGrupo FROM SGD_Usuarios_Grupos WHERE CodUsuario = 7)) ORDER BY c.Nombre, gc.Permiso ASC"_s;
    fila("catálogo y permisos", seguridad, catalogo);

    // The warehouse record, and the lot stock procedure as the host's code calls it.
    fila(
        "almacén", [](const auto &conexion) { controlDe(conexion, 1, 3); },
        {u"SELECT Control_Caducidad FROM Almacenes WHERE Cod_Empresa = 1 AND Cod_Almacen = 3"_s}, u"1"_s);
    // Asked again as the stock windows ask, reading the key only.
    const QString llamada =
        u"GES_Almacen_Articulo_Lotes_Update [4 500] Return|3|4|0|NULL @Cod_Empresa|16|1|0|1 @Cod_Almacen|2|1|0|3 @Cod_Articulo|3|1|0|101 @Unidades|6|1|0|0 @Lote|200|1|50|L-9 @Caducidad|135|1|0|2027-01-31 @Tono|200|1|20|T @Calibre|200|1|20|C @Cod_Lote|3|%1"_s;
    fila("procedimiento",
         [](const auto &conexion) {
             LlamadaStockLote datos{1, 3, 101, {}, u"L-9"_s, QDate(2027, 1, 31), u"T"_s, u"C"_s};
             actualizarStockLote(*conexion, datos);
             datos.claveEntradaSalida = false;
             actualizarStockLote(*conexion, datos);
         },
         {llamada.arg(u"3|0|0"_s), llamada.arg(u"2|0|0"_s)});

    // Host texts the dialects must read: owed units by invoices and notes, in
    // another warehouse, by notes only, nothing; the server's name; literals.
    texto(
        "unidades debidas",
        u"SELECT dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 200), dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 2, 200), dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 201), dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 101)"_s,
        u"8|9|10|0"_s);
    texto("nombre del servidor", u"SELECT ISNULL(@@SERVERNAME, '')"_s, u"NVLALOTES"_s);
    texto("servidor sin nombre", u"SELECT ISNULL(@@SERVERNAME, '')"_s, QString(), u"DELETE FROM Servidor"_s);
    // What the dialect rewrites never touches a quoted text.
    texto("literal escrito", u"SELECT Lote FROM Articulos_Lotes WHERE Lote = 'dbo.fn_X(ISNULL(''a'')) ñ'"_s,
          u"dbo.fn_X(ISNULL('a')) ñ"_s,
          u"UPDATE Articulos_Lotes SET Lote = 'dbo.fn_X(ISNULL(''a'')) ñ' WHERE Cod_Lote = 6"_s);
}

void TstSentencias::textos()
{
    QFETCH(Envio, envio);
    QFETCH(QStringList, textos);
    QFETCH(QVariant, filas);
    QFETCH(QString, antes);
    NVLA_BASE_DEL_MOTOR(bd, true);
    if (!antes.isEmpty())
        QVERIFY_SQL(bd->ejecutar(antes));
    const auto grabadora = std::make_shared<ConexionGrabadora>(bd);
    QVERIFY_SQL(envio(grabadora));
    QCOMPARE(enviados(*grabadora), textos);
    if (!filas.isValid())
        return;
    QStringList obtenidas; // every text of several rows orders them
    QVERIFY_SQL(obtenidas = filasDe(*bd, textos.last()));
    QCOMPARE(obtenidas, filas.toString().split(u';'));
}

// Whether a user may not open a menu, and how many queries it took to
// know (0: not even the groups are read; 1: the groups decide). Menu 999
// is nobody's: its name would grant access, but the code wins.
// The list the host's other modules read: every code between commas, or
// nothing. A user code that is no integer is refused before any
// statement, as a failure of Grupos with the type-mismatch number.
void TstSentencias::menuYGrupos()
{
    NVLA_BASE_DEL_MOTOR(conexion, true);
    std::shared_ptr<ConexionGrabadora> grabadora;
    const auto preparar = [&](const QString &usuario) {
        compartir(grabadora = std::make_shared<ConexionGrabadora>(conexion), usuario);
    };
    const QList<std::tuple<int, int, QString, bool, int>> casos{
        {1, 1200, {}, false, 1},         {4, 1200, {}, true, 1},        {3, 0, {}, false, 0},
        {3, 1200, {}, true, 2},          {2, 1200, {}, false, 2},       {2, 999, u"mnuLotes"_s, true, 2},
        {2, 0, u"mnuLotes"_s, false, 2}, {3, 0, u"mnuLotes"_s, true, 2}};
    for (const auto &[usuario, codigo, nombre, restringido, consultas] : casos) {
        preparar(QString::number(usuario));
        QVERIFY_SQL(QCOMPARE(modComun::MenuRestringido(codigo, nombre, 1), restringido));
        QCOMPARE(grabadora->textos().size(), consultas);
    }
    preparar(u"1"_s);
    QVERIFY_SQL(QCOMPARE(modComun::Grupos(), u",1,5,"_s));
    preparar(u"4"_s);
    QVERIFY_SQL(QCOMPARE(modComun::Grupos(), QString()));
    preparar(u"2 OR 1=1"_s);
    const auto error = errorDe([] { modComun::MenuRestringido(1200, {}, 1); });
    QVERIFY(error && error->Description().contains(u"UsuarioActual"_s));
    QCOMPARE(u"%1 %2"_s.arg(error->Number()).arg(error->Source()), u"13 modComun::Grupos"_s);
    QCOMPARE(grabadora->textos(), QStringList());
}

// A warehouse that is unknown or of another company keeps no dates; a
// failed read is the caller's to see.
void TstSentencias::controlCaducidad()
{
    NVLA_BASE_DEL_MOTOR(conexion, true);
    for (const auto &[empresa, almacen, guarda] :
         QList<std::tuple<int, int, bool>>{{1, 1, true}, {1, 2, false}, {1, 99, false}, {2, 1, false}}) {
        QVERIFY_SQL(QCOMPARE(controlDe(conexion, empresa, almacen), guarda));
        QVERIFY_EXCEPTION_THROWN(controlDe(std::make_shared<ConexionGrabadora>(nullptr), empresa, almacen), ErrorLotes);
    }
    auto grabadora = std::make_shared<ConexionGrabadora>(conexion);
    RegistroAlmacen::setFabrica([] { return std::make_unique<RegistroDelPrograma>(); });
    QVERIFY(controlDe(grabadora, 1, 2) && !controlDe(grabadora, 1, 1));
    QVERIFY(grabadora->textos().isEmpty());
    RegistroAlmacen::setFabrica({}); // back to the table
    QVERIFY_SQL(QVERIFY(controlDe(grabadora, 1, 1)));
}

QTEST_MAIN(TstSentencias)
#include "tst_sentencias.moc"
