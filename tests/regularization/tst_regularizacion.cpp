// Picking the lot of a stock regularization or a warehouse transfer, through
// the entry classes and the real dialogs, on a real database.
#include "foundation/controls/Rejilla.h"
#include "tests/sales/EscenarioVentas.h"

#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/RegistroComponentes.h>
#include <nvlalotes/frmclsLotesRegularizar.h>
#include <nvlalotes/frmclsLotesTraspaso.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// Listed by stock: -2, 0, 4.99, 4.996 (shown as 5,00), 5, 8. Lots 23 and 24
// share tone and caliber.
const QList<LotePrueba> Lotes{
    {21, u"5"_s, u"L-5"_s, u"2027-05-31"_s, u"A1"_s, u"10"_s},
    {22, u"4.99"_s, u"L-499"_s, u"2027-04-30"_s, u"A1"_s, u"11"_s},
    {23, u"4.996"_s, u"L-4996"_s, {}, u"B2"_s, u"10"_s},
    {24, u"0"_s, u"L-CERO"_s, u"2027-01-31"_s, u"B2"_s, u"10"_s},
    {25, u"-2"_s, u"O'Ñandú"_s, u"2026-12-31"_s, u"Ñ'1"_s, u"12"_s},
    {26, u"8"_s, u"L-8"_s, u"2027-08-31"_s, u"A1"_s, u"12"_s},
};
const QList<qint32> Todos{25, 24, 22, 23, 21, 26};
const QList<qint32> ConStock{22, 23, 21, 26};
const QString Corto = u"El lote seleccionado no tiene stock suficiente"_s;

QString consultaEsperada(qint32 articulo, bool soloConStock)
{
    return u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre FROM Almacen_Articulos_Lotes a "
           u"INNER JOIN Articulos_Lotes b ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote WHERE "
           u"a.Cod_Empresa = 1 AND a.Cod_Almacen = 1 AND b.Cod_Articulo = "_s +
           QString::number(articulo) + (soloConStock ? u" AND a.Stock_Actual > 0"_s : QString()) +
           u" ORDER BY a.Stock_Actual"_s;
}

// One entry class pointed at the test database through a recording connection,
// with the outputs set to what the host had in its line.
template<class Clase> struct Sesion
{
    std::shared_ptr<EmpresaMemoria> empresa = std::make_shared<EmpresaMemoria>(1, 1);
    std::shared_ptr<ConexionGrabadora> grabadora;
    Clase clase;

    Sesion(std::shared_ptr<Conexion> conexion, const QString &modelo, int unidades)
        : grabadora(std::make_shared<ConexionGrabadora>(std::move(conexion)))
    {
        empresa->setParametro(u"Lotes_ModeloUsar"_s, modelo);
        clase.EmpresaNuvalia(empresa);
        clase.ConexionNuvalia(grabadora);
        clase.Cod_Almacen = AlmacenPrueba;
        clase.Cod_Articulo = ArticuloPrueba;
        clase.Unidades = unidades;
        clase.Cod_Lote = 77;
        clase.Lote = u"L-HOST"_s;
        clase.Caducidad = QDate(2030, 3, 3);
        clase.Tono = u"T-HOST"_s;
        clase.Calibre = u"C-HOST"_s;
    }
    bool salidasIntactas() const
    {
        return clase.Cod_Lote == 77 && clase.Lote == u"L-HOST" && clase.Caducidad == QDate(2030, 3, 3) &&
               clase.Tono == u"T-HOST" && clase.Calibre == u"C-HOST";
    }
};

QList<qint32> clavesListadas(Rejilla *r)
{
    QList<qint32> claves;
    for (int fila = 1; fila < r->Rows(); ++fila)
        claves << r->TextMatrix(fila, 0).toInt();
    return claves;
}

QStringList cabeceras(Rejilla *r)
{
    QStringList textos;
    for (int c = 0; c < r->Cols(); ++c)
        textos << r->TextMatrix(0, c);
    return textos;
}

struct Caso
{
    QString modelo;
    bool esNegativo;
    int unidades;
    qint32 elegir;
    QString mensaje;
    QString titulo;
};

template<class Clase> void elegirLote(const QString &motor, const Caso &caso, const std::function<void(Clase &)> &fijar)
{
    NVLA_BASE_DATOS(bd, motor, false);
    QVERIFY_SQL(Sembrar(*bd, Lotes));
    Sesion<Clase> s(bd, caso.modelo, caso.unidades);
    fijar(s.clase);
    const bool modeloLote = caso.modelo == u"3";
    const QStringList columnas = modeloLote ? QStringList{{}, u"Stock"_s, u"Caducidad"_s, u"Lote"_s}
                                            : QStringList{{}, u"Stock"_s, u"Tono"_s, u"Calibre"_s, u"Caducidad"_s};
    QList<MensajeVisto> mensajes;
    QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                       [&](QDialog *d) {
                           auto *r = control<Rejilla>(d, u"vsLotes"_s);
                           QCOMPARE(d->objectName(), modeloLote ? u"frmLotesStockReg1"_s : u"frmLotesStockReg2"_s);
                           QCOMPARE(d->windowTitle(), caso.titulo);
                           QCOMPARE(cabeceras(r), columnas);
                           QVERIFY(r->ColHidden(0));
                           QCOMPARE(clavesListadas(r), caso.esNegativo ? ConStock : Todos);
                           const int fila = int(clavesListadas(r).indexOf(caso.elegir)) + 1;
                           r->setRow(fila);
                           // Enter in the list is no Aceptar here: these dialogs have no keys of their own.
                           QTest::keyClick(r, Qt::Key_Return);
                           QVERIFY(d->isVisible());
                           mensajes = CapturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
                           if (!caso.mensaje.isEmpty()) {
                               QVERIFY(d->isVisible());
                               QCOMPARE(r->Row(), fila);
                               clic(d, u"cmdCancelar"_s);
                           }
                       }));
    // One query, the exact text, and nothing written.
    QCOMPARE(s.grabadora->Textos(), QStringList{consultaEsperada(ArticuloPrueba, caso.esNegativo)});
    if (!caso.mensaje.isEmpty()) {
        QCOMPARE(mensajes.size(), 1);
        QCOMPARE(mensajes[0].texto, caso.mensaje);
        QCOMPARE(mensajes[0].titulo, u"¡ Atención !"_s);
        QCOMPARE(mensajes[0].icono, QMessageBox::Warning);
        QVERIFY(!s.clase.Result);
        QVERIFY(s.salidasIntactas());
        return;
    }
    QVERIFY(mensajes.isEmpty());
    QVERIFY(s.clase.Result);
    QCOMPARE(s.clase.Cod_Lote, caso.elegir);
    const LotePrueba &lote = *std::ranges::find(Lotes, caso.elegir, &LotePrueba::clave);
    QCOMPARE(s.clase.Caducidad,
             lote.caducidad.isEmpty() ? QDate(1900, 1, 1) : QDate::fromString(lote.caducidad, Qt::ISODate));
    // The fields of the other lot model come back empty, whatever the host had.
    QCOMPARE(s.clase.Lote, modeloLote ? lote.lote : QString());
    QCOMPARE(s.clase.Tono, modeloLote ? QString() : lote.tono);
    QCOMPARE(s.clase.Calibre, modeloLote ? QString() : lote.calibre);
}

} // namespace

class TstRegularizacion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eleccionDesdeLaLista_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<bool>("traspaso");
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<bool>("esNegativo");
        QTest::addColumn<int>("unidades");
        QTest::addColumn<qint32>("elegir");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("titulo");
        const QString lotes = u"Regularización de Lotes"_s;
        const QString tonos = u"Regularización de Tono / Calibre"_s;
        for (const QString &motor : Motores()) {
            const QByteArray m = motor.toUtf8();
            QTest::newRow(m + " salida: 4,996 se ve 5,00 y cubre 5")
                << motor << false << u"3"_s << true << 5 << 23 << QString() << lotes;
            QTest::newRow(m + " salida: 4,99 no cubre 5")
                << motor << false << u"3"_s << true << 5 << 22 << Corto << lotes;
            QTest::newRow(m + " salida de cero unidades")
                << motor << false << u"3"_s << true << 0 << 22 << QString() << lotes;
            QTest::newRow(m + " entrada: lote negativo con comillas")
                << motor << false << u"3"_s << false << 5 << 25 << QString() << lotes;
            QTest::newRow(m + " entrada tono: lote a cero, su propia clave")
                << motor << false << u"2"_s << false << 100 << 24 << QString() << tonos;
            QTest::newRow(m + " salida tono: stock igual")
                << motor << false << u"2"_s << true << 5 << 21 << QString() << tonos;
            QTest::newRow(m + " traspaso: 4,99 no cubre 5")
                << motor << true << u"3"_s << true << 5 << 22 << Corto << u"Traspaso de Lote"_s;
            QTest::newRow(m + " traspaso tono")
                << motor << true << u"2"_s << true << 8 << 26 << QString() << u"Traspaso de Tono / Calibre"_s;
            QTest::newRow(m + " traspaso tono: 5 no cubre 8")
                << motor << true << u"2"_s << true << 8 << 21 << Corto << u"Traspaso de Tono / Calibre"_s;
        }
    }
    void eleccionDesdeLaLista()
    {
        QFETCH(QString, motor);
        QFETCH(bool, traspaso);
        QFETCH(QString, modelo);
        QFETCH(bool, esNegativo);
        QFETCH(int, unidades);
        QFETCH(qint32, elegir);
        QFETCH(QString, mensaje);
        QFETCH(QString, titulo);
        const Caso caso{modelo, esNegativo, unidades, elegir, mensaje, titulo};
        if (traspaso)
            elegirLote<frmclsLotesTraspaso>(motor, caso, [](frmclsLotesTraspaso &) {});
        else
            elegirLote<frmclsLotesRegularizar>(motor, caso,
                                               [esNegativo](frmclsLotesRegularizar &c) { c.EsNegativo = esNegativo; });
    }

    // What every way out of the dialog but Aceptar leaves: Result False and the
    // host's outputs untouched; lot models 1 and 4 need no dialog and no
    // database; any other model fails before anything changes.
    void sinEleccion_data()
    {
        QTest::addColumn<bool>("traspaso");
        for (const bool traspaso : {false, true}) {
            const QByteArray c = traspaso ? "traspaso" : "regularización";
            QTest::newRow(c) << traspaso;
        }
    }
    void sinEleccion()
    {
        QFETCH(bool, traspaso);
        if (traspaso)
            sinEleccionCon<frmclsLotesTraspaso>();
        else
            sinEleccionCon<frmclsLotesRegularizar>();
    }

    // A database failure while the list loads reaches the host from Show, before
    // any dialog is shown and with no field changed.
    void falloAlCargar_data() { FilasPorMotor(); }
    void falloAlCargar()
    {
        QFETCH(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(Sembrar(*bd, Lotes));
        QVERIFY_SQL(bd->Ejecutar(u"DROP TABLE Almacen_Articulos_Lotes"_s));
        for (const QString &modelo : {u"2"_s, u"3"_s}) {
            Sesion<frmclsLotesTraspaso> s(bd, modelo, 5);
            s.clase.Result = true;
            bool lanzado = false;
            QVERIFY(!ConDialogo(
                [&] {
                    try {
                        s.clase.Show(1);
                    } catch (const ErrorLotes &) {
                        lanzado = true;
                    }
                },
                [](QDialog *d) { d->reject(); }));
            QVERIFY(lanzado);
            QVERIFY(s.clase.Result);
            QVERIFY(s.salidasIntactas());
        }
    }

    // An article without lots, or a warehouse without stock rows: only the
    // header; Aceptar does nothing and the dialog stays open.
    void listaVacia_data() { FilasPorMotor(); }
    void listaVacia()
    {
        QFETCH(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(Sembrar(*bd, Lotes));
        Sesion<frmclsLotesRegularizar> s(bd, u"3"_s, 5);
        s.clase.Cod_Articulo = ArticuloPrueba + 1;
        QList<MensajeVisto> mensajes;
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               QCOMPARE(control<Rejilla>(d, u"vsLotes"_s)->Rows(), 1);
                               mensajes = CapturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
                               QVERIFY(d->isVisible());
                               clic(d, u"cmdCancelar"_s);
                           }));
        QVERIFY(mensajes.isEmpty());
        QVERIFY(!s.clase.Result);
        QCOMPARE(s.grabadora->Textos(), QStringList{consultaEsperada(ArticuloPrueba + 1, false)});
    }

    void registradasPorIdentificador()
    {
        QVERIFY(dynamic_cast<frmclsLotesRegularizar *>(
            Registro::CrearClase(u"{e26860ab-5344-4968-8087-82426fb6941d}"_s).get()));
        QVERIFY(
            dynamic_cast<frmclsLotesTraspaso *>(Registro::CrearClase(u"0220F91A-BDC4-425B-BCB0-6416F104DACA"_s).get()));
    }

private:
    template<class Clase> void sinEleccionCon()
    {
        NVLA_BASE_DATOS(bd, Motores().constFirst(), false);
        QVERIFY_SQL(Sembrar(*bd, Lotes));
        for (const QString &modelo : {u"2"_s, u"3"_s}) {
            Sesion<Clase> s(bd, modelo, 1);
            s.clase.Result = true;
            QVERIFY(ConDialogo([&] { s.clase.Show(1); }, [](QDialog *d) { clic(d, u"cmdCancelar"_s); }));
            QVERIFY(!s.clase.Result);
            s.clase.Result = true;
            // The close box ends the dialog as Cancelar does.
            QVERIFY(ConDialogo([&] { s.clase.Show(1); }, [](QDialog *d) { d->close(); }));
            QVERIFY(!s.clase.Result);
            s.clase.Result = true;
            s.clase.Show(0);
            QVERIFY(!s.clase.Result);
            QVERIFY(s.salidasIntactas());
        }
        for (const QString &modelo : {u"1"_s, u"4"_s}) {
            Sesion<Clase> s(nullptr, modelo, 5);
            QVERIFY(!ConDialogo([&] { s.clase.Show(1); }, [](QDialog *) {}));
            QVERIFY(s.clase.Result);
            QCOMPARE(s.clase.Cod_Lote, 1);
            QCOMPARE(s.clase.Caducidad, QDate(1900, 1, 1));
            QCOMPARE(s.clase.Lote, u"L-HOST"_s);
            QCOMPARE(s.clase.Tono, u"T-HOST"_s);
            QVERIFY(s.grabadora->Textos().isEmpty());
        }
        for (const QString &modelo : {u"0"_s, u"5"_s, u"Lote"_s}) {
            Sesion<Clase> s(nullptr, modelo, 5);
            QVERIFY_THROWS_EXCEPTION(ErrorLotes, s.clase.Show(1));
            QVERIFY(!s.clase.Result);
            QVERIFY(s.salidasIntactas());
        }
    }
};

QTEST_MAIN(TstRegularizacion)
#include "tst_regularizacion.moc"
