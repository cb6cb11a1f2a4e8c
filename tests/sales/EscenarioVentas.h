#pragma once

#include "tests/support/BaseDatosPrueba.h"
#include "tests/support/Conduccion.h"

#include <nvlalotes/ConexionGrabadora.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/frmclsLotesFacturacion.h>

#include <QDate>
#include <QList>
#include <QString>

namespace NVLALotes {
class Rejilla;
}

// An article with its lots in warehouse 1 of company 1, on a fresh database,
// and an entry class pointed at it through a recording connection.
namespace NVLALotes::Pruebas {

struct LotePrueba
{
    qint32 clave;
    QString stock; // decimal text with '.', as the database takes it
    QString lote;
    QString caducidad; // yyyy-MM-dd, empty for none
    QString tono;
    QString calibre;
    bool bloqueado = false;
};

inline constexpr qint32 ArticuloPrueba = 500;
inline constexpr qint16 AlmacenPrueba = 1;

// A text as an SQL literal: quoted, with its quotes doubled.
QString texto(const QString &valor);
void Sembrar(Conexion &conexion, const QList<LotePrueba> &lotes);

// Lots of the article in the database, as "key|lot|expiry|tone|caliber", in key order.
QStringList LotesEnBase(Conexion &conexion);
// Stock of a lot in the test warehouse as "units" text, or "sin fila".
QString StockEnBase(Conexion &conexion, qint32 clave);
// Whether the lot stock procedure went through the connection.
bool LlamoAlProcedimiento(const ConexionGrabadora &grabadora);
// The first data row of the grid whose cells (column, text) all show those texts; -1 when none.
int FilaCon(const Rejilla *rejilla, const QList<std::pair<int, QString>> &celdas);

// Sets the lot outputs of an entry class to recognisable values, to see what Show changes.
template<class Clase> void MarcarSalidas(Clase &clase)
{
    clase.Cod_Lote = 77;
    clase.Lote = QStringLiteral("L-HOST");
    clase.Caducidad = QDate(2030, 3, 3);
    clase.Tono = QStringLiteral("T-HOST");
    clase.Calibre = QStringLiteral("C-HOST");
}
template<class Clase> bool SalidasIntactas(const Clase &clase)
{
    return clase.Cod_Lote == 77 && clase.Lote == u"L-HOST" && clase.Caducidad == QDate(2030, 3, 3) &&
           clase.Tono == u"T-HOST" && clase.Calibre == u"C-HOST";
}

// An entry class on the article and warehouse above, its company in memory.
template<class Clase> struct Sesion
{
    std::shared_ptr<EmpresaMemoria> empresa = std::make_shared<EmpresaMemoria>(1, 1);
    std::shared_ptr<ConexionGrabadora> grabadora;
    Clase clase;

    // A null connection fails every query.
    Sesion(std::shared_ptr<Conexion> conexion, const QString &modelo, int unidades)
        : grabadora(std::make_shared<ConexionGrabadora>(std::move(conexion)))
    {
        empresa->setParametro(QStringLiteral("Lotes_ModeloUsar"), modelo);
        empresa->setParametro(QStringLiteral("Lotes_NroObligatorio"), false);
        clase.EmpresaNuvalia(empresa);
        clase.ConexionNuvalia(grabadora);
        clase.Cod_Almacen = AlmacenPrueba;
        clase.Cod_Articulo = ArticuloPrueba;
        clase.Unidades = unidades;
        if constexpr (requires { clase.PermitirAutomatico; })
            clase.PermitirAutomatico = true;
    }
    bool llamoAlProcedimiento() const { return LlamoAlProcedimiento(*grabadora); }
    void marcarSalidas() { MarcarSalidas(clase); }
    bool salidasIntactas() const { return SalidasIntactas(clase); }
};
using SesionVentas = Sesion<frmclsLotesFacturacion>;

} // namespace NVLALotes::Pruebas
