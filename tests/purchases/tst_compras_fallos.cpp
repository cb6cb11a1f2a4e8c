// Every database step of every purchase scenario fails once, in turn: the
// dialogs read the company's parameters from the host's database.
#include "tests/support/BucleFallos.h"
#include "tests/support/Conduccion.h"

#include <nvlalotes/EmpresaBaseDatos.h>
#include <nvlalotes/frmclsLotesCompras.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

class AnfitrionCompras final : public AnfitrionPrueba
{
public:
    frmclsLotesCompras clase;

    explicit AnfitrionCompras(std::shared_ptr<Conexion> conexion)
    {
        clase.EmpresaNuvalia(std::make_shared<EmpresaBaseDatos>(std::move(conexion), 1));
        clase.Lote = u"L-ORIG"_s;
        clase.Caducidad = QDate(2031, 5, 17);
        clase.Tono = u"T-ORIG"_s;
        clase.Calibre = u"C-ORIG"_s;
        clase.Unidades = 5;
    }
    void Show() override { clase.Show(1); }
    QString Campos() const override
    {
        return u"%1|%2|%3|%4|%5"_s.arg(clase.Result ? u"Verdadero"_s : u"Falso"_s)
            .arg(clase.Lote, clase.Caducidad.toString(Qt::ISODate), clase.Tono, clase.Calibre);
    }
};

EscenarioFallos escenario(const QString &modelo, bool pedirCaducidad, const std::function<void(QDialog *)> &preparar,
                          const QString &boton = u"cmdAceptar"_s)
{
    return {[modelo](Conexion &bd) {
                const QString fila = u"INSERT INTO Parametros (Cod_Empresa, Nombre, Valor) VALUES (1, '%1', '%2')"_s;
                bd.Ejecutar(fila.arg(u"Lotes_ModeloUsar"_s, modelo));
                bd.Ejecutar(fila.arg(u"Lotes_NroObligatorio"_s, u"True"_s));
            },
            [pedirCaducidad](std::shared_ptr<Conexion> conexion) {
                auto host = std::make_unique<AnfitrionCompras>(std::move(conexion));
                host->clase.PedirCaducidad = pedirCaducidad;
                return host;
            },
            preparar, boton};
}

const TablaEscenarios &escenarios()
{
    const auto lote = [](QDialog *d) { escribir(d, u"txtLote"_s, u"L-1"_s); };
    const auto loteConCaducidad = [lote](QDialog *d) {
        lote(d);
        escribir(d, u"txtCaducidad"_s, QDate::currentDate().addDays(40).toString(u"ddMMyyyy"_s));
    };
    static const TablaEscenarios tabla{
        {u"1"_s, escenario(u"1"_s, false, nullptr)},
        {u"2 tono"_s, escenario(u"2"_s, false, [](QDialog *d) { escribir(d, u"txtTono"_s, u"T-1"_s); })},
        {u"3 lote con caducidad"_s, escenario(u"3"_s, true, loteConCaducidad)},
        {u"3 cancelar"_s, escenario(u"3"_s, false, lote, u"cmdCancelar"_s)},
        {u"4 lote"_s, escenario(u"4"_s, false, lote)},
    };
    return tabla;
}

} // namespace

class TstComprasFallos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    void cadaPasoPuedeFallar_data() { FilasDeFallos(escenarios()); }
    void cadaPasoPuedeFallar() { ProbarCadaPaso(escenarios()); }
};

QTEST_MAIN(TstComprasFallos)
#include "tst_compras_fallos.moc"
