// The inventory entry class and its tone and caliber dialog, on a real database.
#include "EscenarioInventario.h"
#include "foundation/controls/Rejilla.h"

#include <QApplication>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// 23 is counted only in warehouse 2; 24 and 25 are counted here, 25 with the
// -1 that also stands for "not counted"; 26 was typed in this count.
const QList<LotePrueba> Lotes{{21, u"1"_s, {}, u"2027-01-31"_s, u"T1"_s, u"C1"_s},
                              {22, u"1"_s, {}, {}, u"T1"_s, u"C2"_s},
                              {23, u"1"_s, {}, {}, u"T2"_s, u"C1"_s},
                              {24, u"1"_s, {}, {}, u"T3"_s, u"C3"_s},
                              {25, u"1"_s, {}, {}, u"T4"_s, u"C4"_s}};
const QList<LoteContado> Contados{{2, 23, {}, {}, u"T2"_s, u"C1"_s, u"7"_s},
                                  {1, 24, {}, {}, u"T3"_s, u"C3"_s, u"1234.5"_s},
                                  {1, 25, {}, {}, u"T4"_s, u"C4"_s, u"-1"_s},
                                  {1, 26, u"X"_s, u"2029-09-09"_s, u"T9"_s, u"C9"_s, u"3"_s}};

} // namespace

class TstInventarioTono : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listaYEnterEnLaPrimeraFila_data() { FilasPorMotor(); }
    void listaYEnterEnLaPrimeraFila()
    {
        QFETCH(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarInventario(*bd, Lotes, Contados));
        SesionInventario s(bd, u"2"_s);
        s.marcarSalidas();
        QStringList filas;
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               QCOMPARE(d->windowTitle(), u"Especifique Tono / Calibre"_s);
                               QCOMPARE(QApplication::focusWidget()->objectName(), u"vsLotes"_s);
                               QCOMPARE(d->property("modo").toString(), u"seleccion_lote"_s);
                               filas = FilasDeRejilla(d);
                               // Enter at once accepts the first listed lot.
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                           }));
        QCOMPARE(filas, (QStringList{u"21|T1|C1|31/01/2027|"_s, u"22|T1|C2||"_s, u"23|T2|C1||"_s, u"24|T3|C3||1234,5"_s,
                                     u"25|T4|C4||"_s, u"26|T9|C9|09/09/2029|3"_s}));
        QVERIFY(s.clase.Result);
        QCOMPARE(s.clase.Cod_Lote, 21);
        QCOMPARE(s.clase.Lote, QString());
        QCOMPARE(s.clase.Caducidad, QDate(2027, 1, 31));
        QCOMPARE(s.clase.Tono, u"T1"_s);
        QCOMPARE(s.clase.Calibre, u"C1"_s);
        // No blank after the warehouse's equals sign, as the host's text has it.
        QCOMPARE(s.grabadora->Textos(),
                 QStringList{u"SELECT Cod_Lote, Lote, Caducidad, Tono, Calibre, -1 AS Cantidad FROM Articulos_Lotes "
                             u"WHERE Cod_Empresa = 1 AND Cod_Articulo = 500 AND Cod_Lote NOT IN (SELECT Cod_Lote FROM "
                             u"Inventario_Lotes WHERE Cod_Empresa = 1 AND Cod_Almacen =1 AND Cod_Articulo = 500) "
                             u"UNION SELECT Cod_Lote, Lote, Caducidad, Tono, Calibre, Cantidad FROM Inventario_Lotes "
                             u"WHERE Cod_Empresa = 1 AND Cod_Almacen =1 AND Cod_Articulo = 500 ORDER BY Cod_Lote"_s});
    }

    void loteTecleado_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("fecha"); // empty: ControlCaducidad off, the date box disabled
        QTest::addColumn<QString>("tono");
        QTest::addColumn<QString>("calibre");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("foco");
        QTest::addColumn<qint32>("clave");
        for (const QString &motor : Motores()) {
            const QByteArray m = motor.toUtf8();
            const auto fila = [&](const char *nombre) -> QTestData & {
                return QTest::newRow(m + ' ' + nombre) << motor;
            };
            fila("con fecha") << u"31012027"_s << u"T1"_s << u"C1"_s << QString() << QString() << 21;
            fila("sin fecha") << QString() << u"T1"_s << u"C2"_s << QString() << QString() << 22;
            fila("otra mayúscula") << QString() << u"t1"_s << u"C2"_s << QString() << QString() << 0;
            fila("sin tono") << QString() << QString() << u"C1"_s << u"El tono del lote es obligatorio."_s
                             << u"kxTono"_s << 0;
            fila("sin calibre") << QString() << u"T1"_s << QString() << u"El calibre del lote es obligatorio."_s
                                << u"kxCalibre"_s << 0;
            fila("fecha parcial") << u"3101"_s << u"T1"_s << u"C1"_s << u"La caducidad del lote es obligatoria."_s
                                  << u"txtCaducidad"_s << 0;
        }
    }
    void loteTecleado()
    {
        QFETCH(QString, motor);
        QFETCH(QString, fecha);
        QFETCH(QString, tono);
        QFETCH(QString, calibre);
        QFETCH(QString, mensaje);
        QFETCH(QString, foco);
        QFETCH(qint32, clave);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarInventario(*bd, Lotes, Contados));
        SesionInventario s(bd, u"2"_s);
        s.clase.ControlCaducidad = !fecha.isEmpty();
        s.marcarSalidas();
        QList<MensajeVisto> mensajes;
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               if (!fecha.isEmpty())
                                   escribir(d, u"txtCaducidad"_s, fecha);
                               escribir(d, u"kxTono"_s, tono);
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
                               escribir(d, u"kxCalibre"_s, calibre);
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                               QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdAceptar"_s);
                               mensajes = CapturarMensajes(
                                   [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); });
                               if (!mensaje.isEmpty()) {
                                   QCOMPARE(d->focusWidget()->objectName(), foco);
                                   clic(d, u"cmdCancelar"_s);
                               }
                           }));
        if (!mensaje.isEmpty()) {
            QCOMPARE(mensajes.size(), 1);
            QCOMPARE(mensajes[0].texto, mensaje);
            QVERIFY(!s.clase.Result && s.salidasIntactas());
            return;
        }
        QVERIFY(s.clase.Result);
        QCOMPARE(s.clase.Cod_Lote, clave);
        QCOMPARE(s.clase.Lote, QString());
        QCOMPARE(s.clase.Caducidad, fecha.isEmpty() ? QDate(1900, 1, 1) : QDate(2027, 1, 31));
        QCOMPARE(s.clase.Tono, tono);
        QCOMPARE(s.clase.Calibre, calibre);
    }
};

QTEST_MAIN(TstInventarioTono)
#include "tst_inventario_tono.moc"
