#include "EscenarioVentas.h"

#include <nvlalotes/Comando.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NVLALotes::Pruebas {

namespace {

void sembrarLotes(Conexion &conexion, qint32 articulo, const QList<LotePrueba> &lotes)
{
    if (lotes.isEmpty())
        return;
    QStringList lote;
    QStringList stock;
    for (const LotePrueba &l : lotes) {
        lote << u"(1, %1, %2, %3, %4, %5, %6, %7)"_s.arg(
            QString::number(l.clave), QString::number(articulo), texto(l.lote),
            l.caducidad.isEmpty() ? u"NULL"_s : texto(l.caducidad), texto(l.tono), texto(l.calibre),
            QString::number(l.bloqueado ? 1 : 0));
        stock << u"(1, %1, %2, %3)"_s.arg(AlmacenPrueba).arg(l.clave).arg(l.stock);
    }
    conexion.ejecutar(u"INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, "
                      u"Calibre, Bloqueado) VALUES "_s +
                      lote.join(u", "_s));
    conexion.ejecutar(
        u"INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES "_s +
        stock.join(u", "_s));
}

} // namespace

const QList<LotePrueba> &lotesPrueba()
{
    static const QList<LotePrueba> lotes{
        {21, u"5"_s, u"L-5"_s, u"2027-05-31"_s, u"A1"_s, u"10"_s},
        {22, u"4.99"_s, u"L-499"_s, u"2027-04-30"_s, u"A1"_s, u"11"_s},
        {23, u"4.996"_s, u"L-4996"_s, {}, u"B2"_s, u"10"_s},
        {24, u"0"_s, u"L-CERO"_s, u"2027-01-31"_s, u"B2"_s, u"10"_s},
        {25, u"-2"_s, u"O'Ñandú-"_s + QString(42, u'x'), u"2026-12-31"_s, u"Ñ'1"_s, u"12"_s},
        {26, u"8"_s, u"L-8"_s, u"2027-08-31"_s, u"A1"_s, u"12"_s},
        {27, u"60"_s, u"L-60"_s, u"2028-01-01"_s, u"B2"_s, u"14"_s, true},
        {28, u"3"_s, u"L-3"_s, u"2027-03-31"_s, u"C3"_s, u"12"_s},
        {29, u"80"_s, u"L-80"_s, {}, u"C3"_s, {}},
    };
    return lotes;
}

QString texto(const QString &valor)
{
    return u"'"_s + QString(valor).replace(u"'"_s, u"''"_s) + u"'"_s;
}

void sembrar(Conexion &conexion, const QList<LotePrueba> &lotes)
{
    conexion.ejecutar(u"INSERT INTO Empresas (Cod_Empresa, Nombre, Cod_EmpresaClientes) VALUES (1, 'Pruebas', 1)"_s);
    conexion.ejecutar(
        u"INSERT INTO Almacenes (Cod_Empresa, Cod_Almacen, Nombre) VALUES (1, 1, 'Central'), (1, 2, 'Tienda')"_s);
    conexion.ejecutar(u"INSERT INTO Articulos (Cod_Empresa, Cod_Articulo, Descripcion) VALUES (1, %1, 'Prueba'), "
                      u"(1, %2, 'Otro')"_s.arg(QString::number(ArticuloPrueba), QString::number(ArticuloPrueba + 1)));
    sembrarLotes(conexion, ArticuloPrueba, lotes);
    sembrarLotes(conexion, ArticuloPrueba + 1, {{9000, u"50"_s, u"L-OTRO"_s, u"2027-05-31"_s, u"A1"_s, u"10"_s}});
}

void sembrarConInventario(Conexion &conexion)
{
    sembrar(conexion, lotesPrueba());
    conexion.ejecutar(
        u"INSERT INTO Inventario_Lotes (Cod_Empresa, Cod_Almacen, Cod_Articulo, Num_Linea, Cod_Lote, Lote, "
        u"Caducidad, Tono, Calibre, Cantidad) VALUES (1, 1, %1, 1, 26, 'L-8', '2027-09-30', 'A1', '12', 3), "
        u"(1, 1, %1, 2, 28, 'L-3', '2027-03-31', 'C3', '12', 1234.5), "
        u"(1, 1, %1, 3, 21, 'L-5', '2027-05-31', 'A1', '10', -1), "
        u"(1, 1, %1, 4, 32, 'X', '2029-09-09', 'T9', 'C9', 3), "
        u"(1, 2, %1, 5, 22, 'L-499', '2027-04-30', 'A1', '11', 7), "
        u"(1, 2, %1, 6, 31, 'L-INV', '2028-01-01', '', '', 5)"_s.arg(ArticuloPrueba));
}

QStringList lotesEnBase(Conexion &conexion)
{
    return filasDe(conexion, u"SELECT Cod_Lote, Lote, Caducidad, Tono, Calibre FROM Articulos_Lotes "
                             u"WHERE Cod_Empresa = 1 AND Cod_Articulo = %1 ORDER BY Cod_Lote"_s.arg(ArticuloPrueba));
}

void sobreElArticulo(Entrada &entrada, int unidades)
{
    for (const auto &[campo, valor] :
         std::initializer_list<std::pair<const char *, QVariant>>{{"Cod_Almacen", AlmacenPrueba},
                                                                  {"Cod_Articulo", ArticuloPrueba},
                                                                  {"Unidades", unidades},
                                                                  {"PermitirAutomatico", true},
                                                                  {"Control_Lotes", true}}) {
        if (entrada.tiene(campo))
            entrada.fijar(campo, valor);
    }
}

Sesion::Sesion(const QString &clase, std::shared_ptr<Conexion> conexion, const QString &modelo, int unidades)
    : grabadora(std::make_shared<ConexionGrabadora>(std::move(conexion)))
    , entrada(clase)
{
    empresa->setParametro(u"Lotes_ModeloUsar"_s, modelo);
    empresa->setParametro(u"Lotes_NroObligatorio"_s, false);
    // What the stock windows ask of a user who may create and block lots.
    empresa->setParametro(u"UsuarioActual"_s, UsuarioAdministrador);
    empresa->setParametro(u"ArticulosHabModFichaTiendas"_s, true);
    empresa->setParametro(u"OficinaCentral"_s, true);
    entrada.clase().EmpresaNuvalia(empresa);
    entrada.clase().ConexionNuvalia(grabadora);
    sobreElArticulo(entrada, unidades);
}

void Sesion::ajustar(const QStringList &ajustes)
{
    for (const QString &ajuste : ajustes) {
        const QString nombre = ajuste.section(u'=', 0, 0);
        if (nombre.startsWith(u'@'))
            empresa->setParametro(nombre.mid(1), ajuste.section(u'=', 1));
        else
            entrada.fijar(nombre.toLatin1().constData(), ajuste.section(u'=', 1));
    }
}

bool Sesion::llamoAlProcedimiento() const
{
    return std::ranges::any_of(grabadora->comandos(),
                               [](const Comando &c) { return c.texto() == u"GES_Almacen_Articulo_Lotes_Update"; });
}

} // namespace NVLALotes::Pruebas
