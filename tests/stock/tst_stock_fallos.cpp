// Every database step of the stock windows fails once, in turn: at load, when
// blocking and when creating a lot.
#include "EscenarioStock.h"
#include "tests/support/BucleFallos.h"

#include <nvlalotes/EmpresaBaseDatos.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

class AnfitrionStock final : public AnfitrionPrueba
{
public:
    frmclsLotesStock clase;

    explicit AnfitrionStock(const std::shared_ptr<Conexion> &conexion)
    {
        clase.EmpresaNuvalia(std::make_shared<EmpresaBaseDatos>(conexion, 1));
        clase.ConexionNuvalia(conexion);
        clase.Cod_Almacen = AlmacenPrueba;
        clase.Cod_Articulo = ArticuloPrueba;
        clase.Control_Lotes = true;
    }
    void Show() override { clase.Show(1); }
    QString Campos() const override
    {
        return u"%1|%2|%3|%4"_s.arg(clase.Cod_Almacen)
            .arg(clase.Cod_Articulo)
            .arg(clase.Control_Lotes)
            .arg(clase.Control_Caducidad);
    }
};

EscenarioFallos escenario(const QString &modelo, const QString &tono, const QString &boton,
                          std::function<void(QDialog *)> anidado = {})
{
    return {[modelo](Conexion &bd) {
                SembrarStock(bd, LotesStock);
                SembrarStockArticulo(bd, AlmacenPrueba, u"20"_s);
                SembrarPendiente(bd, u"F"_s, 2, 7, u"5"_s, u"2"_s);
                const QString fila = u"INSERT INTO Parametros (Cod_Empresa, Nombre, Valor) VALUES (1, '%1', '%2')"_s;
                bd.Ejecutar(fila.arg(u"Lotes_ModeloUsar"_s, modelo));
                bd.Ejecutar(fila.arg(u"Lotes_NroObligatorio"_s, u"False"_s));
                bd.Ejecutar(fila.arg(u"UsuarioActual"_s).arg(UsuarioPermitido));
                bd.Ejecutar(fila.arg(u"ArticulosHabModFichaTiendas"_s, u"False"_s));
                bd.Ejecutar(fila.arg(u"OficinaCentral"_s, u"True"_s));
            },
            [](const std::shared_ptr<Conexion> &conexion) { return std::make_unique<AnfitrionStock>(conexion); },
            [tono](QDialog *v) {
                if (!tono.isEmpty())
                    QVERIFY(ElegirFila(v, 3, tono));
            },
            boton,
            u"cmdSalir"_s,
            std::move(anidado)};
}

std::function<void(QDialog *)> capturar(const QString &caja, const QString &texto)
{
    return [=](QDialog *d) {
        escribir(d, caja, texto);
        if (caja == u"txtTono")
            escribir(d, u"txtCalibre"_s, u"99"_s);
        clic(d, u"cmdAceptar"_s);
    };
}

const TablaEscenarios &escenarios()
{
    static const TablaEscenarios tabla{
        {u"2 salir"_s, escenario(u"2"_s, {}, u"cmdSalir"_s)},
        {u"2 bloquear"_s, escenario(u"2"_s, u"A1"_s, u"cmdBloquear"_s)},
        {u"2 desbloquear"_s, escenario(u"2"_s, u"B2"_s, u"cmdBloquear"_s)},
        {u"2 crear"_s, escenario(u"2"_s, {}, u"cmdCrear"_s, capturar(u"txtTono"_s, u"Z9"_s))},
        {u"3 crear"_s, escenario(u"3"_s, {}, u"cmdCrear"_s, capturar(u"txtLote"_s, u"N-1"_s))},
    };
    return tabla;
}

} // namespace

class TstStockFallos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    void cadaPasoPuedeFallar_data() { FilasDeFallos(escenarios()); }
    void cadaPasoPuedeFallar() { ProbarCadaPaso(escenarios()); }
};

QTEST_MAIN(TstStockFallos)
#include "tst_stock_fallos.moc"
