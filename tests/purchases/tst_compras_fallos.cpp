// Every database step of every purchase scenario fails once, in turn: the
// dialogs read the company's parameters from the host's database.
#include "tests/support/BaseDatosPrueba.h"
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

EscenarioFallos escenarioCompras(const QString &nombre)
{
    const auto lote = [](QDialog *d) { escribir(d, u"txtLote"_s, u"L-1"_s); };
    if (nombre == u"1")
        return escenario(u"1"_s, false, nullptr);
    if (nombre == u"2 tono")
        return escenario(u"2"_s, false, [](QDialog *d) { escribir(d, u"txtTono"_s, u"T-1"_s); });
    if (nombre == u"3 lote con caducidad")
        return escenario(u"3"_s, true, [lote](QDialog *d) {
            lote(d);
            escribir(d, u"txtCaducidad"_s, QDate::currentDate().addDays(40).toString(u"ddMMyyyy"_s));
        });
    if (nombre == u"3 cancelar")
        return escenario(u"3"_s, false, lote, u"cmdCancelar"_s);
    return escenario(u"4"_s, false, lote);
}

} // namespace

class TstComprasFallos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    void cadaPasoPuedeFallar_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("escenario");
        for (const QString &motor : Motores()) {
            for (const QString &nombre : {u"1"_s, u"2 tono"_s, u"3 lote con caducidad"_s, u"3 cancelar"_s, u"4 lote"_s})
                QTest::newRow(qPrintable(motor + u' ' + nombre)) << motor << nombre;
        }
    }
    void cadaPasoPuedeFallar()
    {
        QFETCH(QString, motor);
        QFETCH(QString, escenario);
        if (motor == u"postgresql" && qEnvironmentVariableIsEmpty("NVLA_PG") && qEnvironmentVariable("CI") != u"true")
            QSKIP("PostgreSQL: NVLA_PG is not set");
        const int pasos = RecorrerFallos(motor, escenarioCompras(escenario));
        QVERIFY(pasos > 0);
        qInfo("%s: %d steps failed in turn", qPrintable(escenario), pasos);
    }
};

QTEST_MAIN(TstComprasFallos)
#include "tst_compras_fallos.moc"
