#include "EscenarioStock.h"

#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxAlmacen.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace NVLALotes::Pruebas {

void SembrarStock(Conexion &conexion, const QList<LotePrueba> &lotes)
{
    Sembrar(conexion, lotes);
    conexion.Ejecutar(u"INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Tono, Calibre, "
                      u"Bloqueado) VALUES (1, 49, %1, 'L-OTRO', 'Z0', '00', 0)"_s.arg(ArticuloPrueba + 1));
    conexion.Ejecutar(u"INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) "
                      u"VALUES (1, 1, 49, 1)"_s);
    conexion.Ejecutar(u"INSERT INTO Clientes (Cod_Empresa, Codigo, Nombre) VALUES (1, 7, 'Cliente Siete')"_s);
    conexion.Ejecutar(
        u"INSERT INTO SGD_Formularios (Cod_Formulario, Nombre, IDMenu) VALUES (1, 'frmArticulos', 100)"_s);
    for (const int usuario : {UsuarioAdministrador, UsuarioPermitido, UsuarioRestringido}) {
        conexion.Ejecutar(u"INSERT INTO SGD_Usuarios_Grupos (CodUsuario, CodGrupo) VALUES (%1, %1)"_s.arg(usuario));
    }
    conexion.Ejecutar(
        u"INSERT INTO SGD_XTR_Menus_Grupos (Modulo, CodMenu, CodGrupo, TipoAcceso) VALUES (1, 100, %1, 2)"_s.arg(
            UsuarioPermitido));
    conexion.Ejecutar(
        u"INSERT INTO SGD_XTR_Menus_Grupos (Modulo, CodMenu, CodGrupo, TipoAcceso) VALUES (1, 100, %1, 1)"_s.arg(
            UsuarioRestringido));
}

void SembrarStockArticulo(Conexion &conexion, qint16 almacen, const QString &stock)
{
    conexion.Ejecutar(u"INSERT INTO Almacen_Articulos (Cod_Empresa, Cod_Almacen, Cod_Articulo, Stock_Actual) "
                      u"VALUES (1, %1, %2, %3)"_s.arg(almacen)
                          .arg(ArticuloPrueba)
                          .arg(stock));
}

void SembrarPendiente(Conexion &conexion, const QString &tipo, int codigo, int cliente, const QString &unidades,
                      const QString &suministradas, qint16 almacen)
{
    const bool factura = tipo == u"F";
    const QString cabecera = factura ? u"Facturas"_s : u"Albaranes_F"_s;
    conexion.Ejecutar(
        u"INSERT INTO %1 (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Cliente, Fecha, Hora, "
        u"Cod_AlmacenStock) VALUES (1, 2026, 'A', %2, 1, %3, '2026-0%4-01', '10:00:00', %5)"_s.arg(cabecera)
            .arg(codigo)
            .arg(cliente)
            .arg(codigo % 9 + 1)
            .arg(almacen));
    conexion.Ejecutar(
        u"INSERT INTO %1_Lineas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Num_Linea, "
        u"Cod_Articulo, Unidades, Unidades_Suministradas) VALUES (1, 2026, 'A', %2, 1, 1, %3, %4, %5)"_s.arg(cabecera)
            .arg(codigo)
            .arg(ArticuloPrueba)
            .arg(unidades, suministradas));
}

SesionStock::SesionStock(std::shared_ptr<Conexion> conexion, const QString &modelo, int usuario, qint16 empresaClientes)
    : empresa(std::make_shared<EmpresaMemoria>(1, empresaClientes))
    , grabadora(std::make_shared<ConexionGrabadora>(std::move(conexion)))
{
    empresa->setParametro(u"Lotes_ModeloUsar"_s, modelo);
    empresa->setParametro(u"Lotes_NroObligatorio"_s, false);
    empresa->setParametro(u"UsuarioActual"_s, usuario);
    empresa->setParametro(u"ArticulosHabModFichaTiendas"_s, true);
    empresa->setParametro(u"OficinaCentral"_s, true);
    clase.EmpresaNuvalia(empresa);
    clase.ConexionNuvalia(grabadora);
    clase.Cod_Almacen = AlmacenPrueba;
    clase.Cod_Articulo = ArticuloPrueba;
    clase.Control_Lotes = true;
}

bool Ver(frmclsLotesStock &clase, const std::function<void(QDialog *)> &guion)
{
    return ConDialogo([&] { clase.Show(1); },
                      [&](QDialog *v) {
                          guion(v);
                          if (v->isVisible() && !QTest::currentTestFailed())
                              clic(v, u"cmdSalir"_s);
                      });
}

bool ElegirFila(QDialog *ventana, int columna, const QString &texto)
{
    auto *r = control<Rejilla>(ventana, u"vsLotes"_s);
    const int fila = r->BuscarFila(1, [&](int f) { return r->TextMatrix(f, columna) == texto; });
    if (fila > 0)
        r->setRow(fila);
    return fila > 0;
}

void ElegirAlmacen(QDialog *ventana, qint16 almacen)
{
    auto *caja = control<kxAlmacen>(ventana, u"txtAlmacen"_s)->findChild<QLineEdit *>();
    caja->setFocus();
    caja->setText(QString::number(almacen));
    QTest::keyClick(caja, Qt::Key_Return);
}

} // namespace NVLALotes::Pruebas
