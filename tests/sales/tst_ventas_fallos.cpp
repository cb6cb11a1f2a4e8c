// Every database step of every sales scenario fails once, in turn.
#include "EscenarioVentas.h"
#include "foundation/controls/Rejilla.h"
#include "tests/support/BucleFallos.h"

#include <nvlalotes/EmpresaBaseDatos.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// Lot codes for model 3, tone and caliber for model 2; L-20 has no expiry.
const QList<LotePrueba> Lotes{
    {41, u"3"_s, u"L-3"_s, u"2027-03-31"_s, u"A1"_s, u"10"_s},
    {42, u"8"_s, u"L-8"_s, u"2027-08-31"_s, u"B2"_s, u"12"_s},
    {43, u"20"_s, u"L-20"_s, {}, u"C3"_s, u"14"_s},
};

class AnfitrionVentas final : public AnfitrionPrueba
{
public:
    frmclsLotesFacturacion clase;

    AnfitrionVentas(const std::shared_ptr<Conexion> &conexion, int unidades)
    {
        clase.EmpresaNuvalia(std::make_shared<EmpresaBaseDatos>(conexion, 1));
        clase.ConexionNuvalia(conexion);
        clase.Cod_Almacen = AlmacenPrueba;
        clase.Cod_Articulo = ArticuloPrueba;
        clase.Unidades = unidades;
        clase.PermitirAutomatico = true;
        MarcarSalidas(clase);
    }
    void Show() override { clase.Show(1); }
    QString Campos() const override
    {
        return u"%1|%2|%3|%4|%5|%6"_s.arg(clase.Result ? u"Verdadero"_s : u"Falso"_s)
            .arg(clase.Cod_Lote)
            .arg(clase.Lote, clase.Caducidad.toString(Qt::ISODate), clase.Tono, clase.Calibre);
    }
};

// Puts the grid on the first row whose column `columna` shows `texto`.
std::function<void(QDialog *)> elegirFila(int columna, const QString &texto)
{
    return [=](QDialog *d) {
        const int fila = FilaCon(control<Rejilla>(d, u"vsLotes"_s), {{columna, texto}});
        QVERIFY2(fila > 0, qPrintable(u"no row shows "_s + texto));
        control<Rejilla>(d, u"vsLotes"_s)->setRow(fila);
    };
}

std::function<void(QDialog *)> teclear(const QString &caja, const QString &texto)
{
    return [=](QDialog *d) { escribir(d, caja, texto); };
}

EscenarioFallos escenario(const QString &modelo, const std::function<void(QDialog *)> &preparar,
                          const QString &boton = u"cmdAceptar"_s, bool continuar = false)
{
    return {[modelo](Conexion &bd) {
                Sembrar(bd, Lotes);
                const QString fila = u"INSERT INTO Parametros (Cod_Empresa, Nombre, Valor) VALUES (1, '%1', '%2')"_s;
                bd.Ejecutar(fila.arg(u"Lotes_ModeloUsar"_s, modelo));
                bd.Ejecutar(fila.arg(u"Lotes_NroObligatorio"_s, u"False"_s));
            },
            [continuar](const std::shared_ptr<Conexion> &conexion) {
                auto host = std::make_unique<AnfitrionVentas>(conexion, 5);
                host->clase.PermitirContinuarSinLote = continuar;
                return host;
            },
            preparar, boton};
}

const TablaEscenarios &escenarios()
{
    const auto automatico = u"- SELECCIÓN AUTOMÁTICA -"_s;
    static const TablaEscenarios tabla{
        {u"1 lote tecleado"_s, escenario(u"1"_s, teclear(u"txtLote"_s, u"X-1"_s))},
        {u"2 fila"_s, escenario(u"2"_s, elegirFila(3, u"B2"_s))},
        {u"2 automático"_s, escenario(u"2"_s, elegirFila(3, automatico))},
        {u"2 tono nuevo"_s, escenario(u"2"_s, teclear(u"txtTono"_s, u"Z9"_s))},
        {u"2 continuar sin lote"_s, escenario(
                                        u"2"_s, [](QDialog *) {}, u"cmdContinuar"_s, true)},
        {u"3 fila"_s, escenario(u"3"_s, elegirFila(3, u"L-8"_s))},
        {u"3 automático"_s, escenario(u"3"_s, elegirFila(2, automatico))},
        {u"3 lote listado"_s, escenario(u"3"_s, teclear(u"txtLote"_s, u"L-20"_s))},
        {u"3 lote nuevo"_s, escenario(u"3"_s, teclear(u"txtLote"_s, u"L-NUEVO"_s))},
        {u"3 cancelar"_s, escenario(
                              u"3"_s, [](QDialog *) {}, u"cmdCancelar"_s)},
        {u"4"_s, escenario(u"4"_s, nullptr)}, // answers at once
    };
    return tabla;
}

} // namespace

class TstVentasFallos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    void cadaPasoPuedeFallar_data() { FilasDeFallos(escenarios()); }
    void cadaPasoPuedeFallar() { ProbarCadaPaso(escenarios()); }
};

QTEST_MAIN(TstVentasFallos)
#include "tst_ventas_fallos.moc"
