#include "EscenarioStock.h"

#include "foundation/controls/kxAlmacen.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace NVLALotes::Pruebas {

void sembrarStock(Conexion &conexion, const QList<LotePrueba> &lotes)
{
    sembrar(conexion, lotes);
    conexion.ejecutar(u"INSERT INTO Clientes (Cod_Empresa, Codigo, Nombre) VALUES (1, 7, 'Cliente Siete')"_s);
    conexion.ejecutar(
        u"INSERT INTO SGD_Formularios (Cod_Formulario, Nombre, IDMenu) VALUES (1, 'frmArticulos', 100)"_s);
    // The users of the header: the administrator, the one granted the menu, the one refused it.
    conexion.ejecutar(u"INSERT INTO SGD_Usuarios_Grupos (CodUsuario, CodGrupo) VALUES (1, 1), (3, 3), (5, 5)"_s);
    conexion.ejecutar(u"INSERT INTO SGD_XTR_Menus_Grupos (Modulo, CodMenu, CodGrupo, TipoAcceso) "
                      u"VALUES (1, 100, 3, 2), (1, 100, 5, 1)"_s);
}

void sembrarStockArticulo(Conexion &conexion, qint16 almacen, const QString &stock)
{
    conexion.ejecutar(
        u"INSERT INTO Almacen_Articulos (Cod_Empresa, Cod_Almacen, Cod_Articulo, Stock_Actual) "
        u"VALUES (1, %1, %2, %3)"_s.arg(QString::number(almacen), QString::number(ArticuloPrueba), stock));
}

void sembrarPendiente(Conexion &conexion, const QString &tipo, int codigo, int cliente, const QString &unidades,
                      const QString &suministradas, qint16 almacen)
{
    const QString tabla = tipo == u"F" ? u"Facturas"_s : u"Albaranes_F"_s;
    const QString documento = u"1, 2026, 'A', %1, 1, "_s.arg(codigo);
    conexion.ejecutar(
        u"INSERT INTO %1 (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Cliente, Fecha, Hora, "
        u"Cod_AlmacenStock) VALUES (%2%3, '2026-0%4-01', '10:00:00', %5)"_s.arg(
            tabla, documento, QString::number(cliente), QString::number(codigo % 9 + 1), QString::number(almacen)));
    conexion.ejecutar(u"INSERT INTO %1_Lineas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Num_Linea, "
                      u"Cod_Articulo, Unidades, Unidades_Suministradas) VALUES (%2 1, %3, %4, %5)"_s.arg(
                          tabla, documento, QString::number(ArticuloPrueba), unidades, suministradas));
}

bool ver(Entrada &stock, const std::function<void(QDialog *)> &guion)
{
    return stock.mostrar([&](QDialog *v) {
        guion(v);
        if (v->isVisible() && !QTest::currentTestFailed())
            clic(v, u"cmdSalir"_s);
    });
}

void elegirAlmacen(QDialog *ventana, qint16 almacen)
{
    auto *caja = control<kxAlmacen>(ventana, u"txtAlmacen"_s)->findChild<QLineEdit *>();
    caja->setFocus();
    caja->setText(QString::number(almacen));
    QTest::keyClick(caja, Qt::Key_Return);
}

} // namespace NVLALotes::Pruebas
