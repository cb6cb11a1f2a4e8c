#include "GeneradorDatos.h"

#include "db/InsercionMasiva.h"
#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/database/ValorSql.h"
#include "foundation/core/values/Currency.h"

#include <QDate>
#include <QElapsedTimer>

using namespace Qt::StringLiterals;

namespace NVLALotes::BaseDatosHost {

namespace {

constexpr int LineasPorDocumento = 10;
constexpr int ClientesGenerados = 10;
constexpr qint32 PrimerCliente = 430900;

using ValorSql::numero;
using ValorSql::texto;

qint64 escalar(Conexion &conexion, const QString &sql)
{
    auto registros = conexion.abrirConsulta(sql);
    return registros->siguiente() ? registros->campo(0).toLongLong() : 0;
}

// Inserts the row unless a row with the same key is there.
void asegurar(Conexion &conexion, const QString &tabla, const QString &columnas, const QString &valores,
              const QString &clave)
{
    if (escalar(conexion, u"SELECT COUNT(*) FROM %1 WHERE %2"_s.arg(tabla, clave)) == 0)
        conexion.ejecutar(u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(tabla, columnas, valores));
}

void asegurarMaestros(Conexion &conexion, const TamanoDatos &t)
{
    const QString e = numero(t.empresa);
    const QString almacen = numero(t.almacen);
    const QString articulo = numero(t.articulo);
    asegurar(conexion, u"Empresas"_s, u"Cod_Empresa, Nombre, Cod_EmpresaClientes"_s,
             u"%1, %2, %1"_s.arg(e, texto(u"Empresa generada "_s + e)), u"Cod_Empresa = "_s + e);
    asegurar(conexion, u"Almacenes"_s, u"Cod_Empresa, Cod_Almacen, Nombre, Control_Caducidad"_s,
             u"%1, %2, %3, 1"_s.arg(e, almacen, texto(u"Almacén generado "_s + almacen)),
             u"Cod_Empresa = %1 AND Cod_Almacen = %2"_s.arg(e, almacen));
    asegurar(conexion, u"Articulos"_s, u"Cod_Empresa, Cod_Articulo, Descripcion, Control_Lotes, Control_Caducidad"_s,
             u"%1, %2, %3, 1, 1"_s.arg(e, articulo, texto(u"Artículo generado "_s + articulo)),
             u"Cod_Empresa = %1 AND Cod_Articulo = %2"_s.arg(e, articulo));
    for (int i = 0; i < ClientesGenerados; ++i) {
        const QString cliente = numero(PrimerCliente + i);
        asegurar(conexion, u"Clientes"_s, u"Cod_Empresa, Codigo, Nombre"_s,
                 u"%1, %2, %3"_s.arg(e, cliente, texto(u"Cliente generado "_s + cliente)),
                 u"Cod_Empresa = %1 AND Codigo = %2"_s.arg(e, cliente));
    }
}

double stockDeLote(int i)
{
    if (i % 20 == 0)
        return 0;
    if (i % 33 == 0)
        return -(i % 5 + 1);
    return double((qint64(i) * 7919) % 1000000) / 10000.0;
}

QVariant caducidadDeLote(int i)
{
    if (i % 5 == 0)
        return QVariant(QMetaType::fromType<QDate>());
    return QDate(2026, 1, 1).addDays((i * 7) % 1500);
}

double generarLotes(Conexion &conexion, const TamanoDatos &t, qint32 primeraClave)
{
    using T = TipoDato;
    InsercionMasiva lotes(conexion, u"Articulos_Lotes"_s,
                          {{u"Cod_Empresa"_s, T::EnteroCorto},
                           {u"Cod_Lote"_s, T::Entero},
                           {u"Cod_Articulo"_s, T::Entero},
                           {u"Lote"_s, T::TextoVariable},
                           {u"Caducidad"_s, T::FechaHora},
                           {u"Tono"_s, T::TextoVariable},
                           {u"Calibre"_s, T::TextoVariable},
                           {u"Bloqueado"_s, T::EnteroCorto}});
    InsercionMasiva stock(conexion, u"Almacen_Articulos_Lotes"_s,
                          {{u"Cod_Empresa"_s, T::EnteroCorto},
                           {u"Cod_Almacen"_s, T::EnteroCorto},
                           {u"Cod_Lote"_s, T::Entero},
                           {u"Stock_Actual"_s, T::Moneda}});
    for (int i = 0; i < t.lotes; ++i) {
        lotes.agregar({t.empresa, primeraClave + i, t.articulo,
                       u"G%1-%2"_s.arg(t.articulo).arg(i + 1, 6, 10, QChar(u'0')), caducidadDeLote(i),
                       u"T%1"_s.arg(i % 7), QString::number(i % 13), i % 50 == 0 ? 1 : 0});
    }
    lotes.terminar();
    // The foreign-key checks of the stock rows are planned once per session;
    // fresh statistics keep a plan made on a nearly empty table (a full scan
    // for every row) from being used for all the rows that follow.
    conexion.ejecutar(u"ANALYZE Articulos_Lotes"_s);
    double total = 0;
    for (int i = 0; i < t.lotes; ++i) {
        stock.agregar({t.empresa, t.almacen, primeraClave + i, stockDeLote(i)});
        total += stockDeLote(i);
    }
    stock.terminar();
    return total;
}

// Headers of LineasPorDocumento lines each; `facturas` adds TipoFactura.
void generarDocumentos(Conexion &conexion, const TamanoDatos &t, const QString &tabla, int tipoDoc, bool facturas)
{
    using T = TipoDato;
    const QString serie = u"G%1"_s.arg(t.almacen);
    const qint32 primero = qint32(escalar(conexion, u"SELECT COALESCE(MAX(Codigo), 0) FROM %1 WHERE Cod_Empresa = %2"
                                                    " AND Serie = %3"_s.arg(tabla, numero(t.empresa), texto(serie)))) +
                           1;
    QList<InsercionMasiva::Columna> columnas{{u"Cod_Empresa"_s, T::EnteroCorto},
                                             {u"Cod_Ejercicio"_s, T::EnteroCorto},
                                             {u"Serie"_s, T::TextoVariable},
                                             {u"Codigo"_s, T::Entero},
                                             {u"TipoDoc"_s, T::EnteroCorto},
                                             {u"Cliente"_s, T::Entero},
                                             {u"Fecha"_s, T::FechaHora},
                                             {u"Hora"_s, T::TextoVariable},
                                             {u"Cod_AlmacenStock"_s, T::EnteroCorto}};
    if (facturas)
        columnas.append({u"TipoFactura"_s, T::EnteroCorto});
    InsercionMasiva cabeceras(conexion, tabla, columnas);
    InsercionMasiva lineas(conexion, tabla + u"_Lineas"_s,
                           {{u"Cod_Empresa"_s, T::EnteroCorto},
                            {u"Cod_Ejercicio"_s, T::EnteroCorto},
                            {u"Serie"_s, T::TextoVariable},
                            {u"Codigo"_s, T::Entero},
                            {u"TipoDoc"_s, T::EnteroCorto},
                            {u"Num_Linea"_s, T::Entero},
                            {u"Cod_Articulo"_s, T::Entero},
                            {u"Unidades"_s, T::Moneda},
                            {u"Unidades_Suministradas"_s, T::Moneda}});
    // Headers go first: lines refer to them.
    for (int documento = 0; documento * LineasPorDocumento < t.lineas; ++documento) {
        QVariantList cabecera{
            t.empresa,
            2026,
            serie,
            primero + documento,
            tipoDoc,
            PrimerCliente + documento % ClientesGenerados,
            QDate(2026, 1, 1).addDays(documento % 330),
            u"%1:%2:00"_s.arg(8 + documento % 10, 2, 10, QChar(u'0')).arg(documento % 60, 2, 10, QChar(u'0')),
            t.almacen};
        if (facturas)
            cabecera << (documento % 10 == 9 ? 1 : 0);
        cabeceras.agregar(cabecera);
    }
    cabeceras.terminar();
    conexion.ejecutar(u"ANALYZE "_s + tabla);
    for (int j = 0; j < t.lineas; ++j) {
        const int unidades = 1 + j % 12;
        const double suministradas = j % 3 == 0 ? unidades : (j % 3 == 1 ? 0 : unidades / 2.0);
        lineas.agregar({t.empresa, 2026, serie, primero + j / LineasPorDocumento, tipoDoc, j % LineasPorDocumento + 1,
                        t.articulo, unidades, suministradas});
    }
    lineas.terminar();
}

} // namespace

DatosGenerados generarDatos(Conexion &conexion, const TamanoDatos &tamano)
{
    QElapsedTimer reloj;
    reloj.start();
    DatosGenerados datos;
    enTransaccion(conexion, [&] {
        asegurarMaestros(conexion, tamano);
        datos.primeraClave =
            qint32(qMax<qint64>(escalar(conexion, u"SELECT COALESCE(MAX(Cod_Lote), 1) FROM Articulos_Lotes WHERE "
                                                  "Cod_Empresa = "_s +
                                                      numero(tamano.empresa)),
                                1)) +
            1;
        const double total = generarLotes(conexion, tamano, datos.primeraClave);
        const QString articulo = u"Cod_Empresa = %1 AND Cod_Almacen = %2 AND Cod_Articulo = %3"_s.arg(
            numero(tamano.empresa), numero(tamano.almacen), numero(tamano.articulo));
        conexion.ejecutar(u"DELETE FROM Almacen_Articulos WHERE "_s + articulo);
        conexion.ejecutar(u"INSERT INTO Almacen_Articulos (Cod_Empresa, Cod_Almacen, Cod_Articulo, Stock_Actual)"
                          " VALUES (%1, %2, %3, %4)"_s.arg(numero(tamano.empresa), numero(tamano.almacen),
                                                           numero(tamano.articulo),
                                                           Currency::fromDouble(total).toPlainText()));
        generarDocumentos(conexion, tamano, u"Facturas"_s, 1, true);
        generarDocumentos(conexion, tamano, u"Albaranes_F"_s, 2, false);
        for (const QString &tabla : {u"Almacen_Articulos_Lotes"_s, u"Facturas_Lineas"_s, u"Albaranes_F_Lineas"_s})
            conexion.ejecutar(u"ANALYZE "_s + tabla);
    });
    datos.lotes = tamano.lotes;
    datos.lineasFactura = datos.lineasAlbaran = tamano.lineas;
    datos.segundos = double(reloj.elapsed()) / 1000.0;
    return datos;
}

} // namespace NVLALotes::BaseDatosHost
