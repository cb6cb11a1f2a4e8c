// The inventory entry class and its lot-code dialog, on a real database.
#include "EscenarioInventario.h"
#include "foundation/controls/Rejilla.h"

#include <QApplication>
#include <QLineEdit>
#include <QSet>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

const QString Largo = u"O'Ñandú-"_s + QString(42, u'x'); // 50 characters

// 12's expiry differs in the count, so it is listed twice; 20 is known only
// from a count in another warehouse; 11 is counted as it is known.
const QList<LotePrueba> Lotes{{11, u"1"_s, u"L-A"_s, u"2027-03-31"_s, {}, {}},
                              {12, u"1"_s, u"L-B"_s, u"2027-05-31"_s, {}, {}},
                              {14, u"1"_s, u"L-SIN"_s, {}, {}, {}},
                              {15, u"1"_s, Largo, u"2028-02-29"_s, {}, {}}};
const QList<LoteContado> Contados{{1, 11, u"L-A"_s, u"2027-03-31"_s, {}, {}, u"3"_s},
                                  {1, 12, u"L-B"_s, u"2027-06-30"_s, {}, {}, u"2"_s},
                                  {2, 20, u"L-INV"_s, u"2028-01-01"_s, {}, {}, u"5"_s}};

const QString Obligatoria = u"La caducidad del lote es obligatoria."_s;
const QString Ninguno = u"Debe proporcionar fecha de caducidad y/o descripción del lote."_s;

} // namespace

class TstInventarioLote : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listaYEleccionDeFila_data() { FilasPorMotor(); }
    void listaYEleccionDeFila()
    {
        QFETCH(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarInventario(*bd, Lotes, Contados));
        SesionInventario s(bd, u"3"_s);
        s.marcarSalidas();
        s.clase.ControlCaducidad = true;
        QStringList filas;
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               QCOMPARE(d->windowTitle(), u"Lotes de Artículos"_s);
                               // Opens in the date box, ready for a typed lot; the host's lot is not shown.
                               QCOMPARE(QApplication::focusWidget()->objectName(), u"txtCaducidad"_s);
                               QCOMPARE(d->property("modo").toString(), u"nuevo_lote"_s);
                               QCOMPARE(control<QLineEdit>(d, u"kxLote"_s)->text(), QString());
                               filas = FilasDeRejilla(d);
                               auto *r = control<Rejilla>(d, u"vsLotes"_s);
                               QCOMPARE(r->Row(), 1);
                               r->setFocus(Qt::MouseFocusReason);
                               r->setRow(4);
                               QTest::keyClick(r, Qt::Key_Return);
                           }));
        // Ordered by key; the two rows of 12 in whatever order the engine gives.
        QCOMPARE(filas.size(), 6);
        QCOMPARE(filas.mid(0, 1), QStringList{u"11|31/03/2027|L-A"_s});
        QCOMPARE(QSet<QString>(filas.begin() + 1, filas.begin() + 3),
                 (QSet<QString>{u"12|31/05/2027|L-B"_s, u"12|30/06/2027|L-B"_s}));
        QCOMPARE(filas.mid(3), (QStringList{u"14||L-SIN"_s, u"15|29/02/2028|"_s + Largo, u"20|01/01/2028|L-INV"_s}));
        QVERIFY(s.clase.Result);
        QCOMPARE(s.clase.Cod_Lote, 14);
        QCOMPARE(s.clase.Lote, u"L-SIN"_s);
        QCOMPARE(s.clase.Caducidad, QDate(1900, 1, 1));
        QCOMPARE(s.clase.Tono, QString());
        QCOMPARE(s.clase.Calibre, QString());
        QCOMPARE(s.grabadora->Textos(),
                 QStringList{u"SELECT Cod_Lote, Lote, Caducidad FROM Articulos_Lotes WHERE Cod_Empresa = 1 AND "
                             u"Cod_Articulo = 500 UNION SELECT Cod_Lote, Lote, Caducidad FROM Inventario_Lotes WHERE "
                             u"Cod_Empresa = 1 AND Cod_Articulo = 500 ORDER BY Cod_Lote"_s});
    }

    void loteTecleado_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<bool>("conFecha"); // ControlCaducidad: the date box is editable
        QTest::addColumn<bool>("obligatorio");
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QString>("lote");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("foco"); // after the message
        QTest::addColumn<qint32>("clave");
        QTest::addColumn<QDate>("caducidad");
        const QDate nula(1900, 1, 1);
        for (const QString &motor : Motores()) {
            const QByteArray m = motor.toUtf8();
            const auto fila = [&](const char *nombre) -> QTestData & {
                return QTest::newRow(m + ' ' + nombre) << motor;
            };
            fila("listado") << true << false << u"31032027"_s << u"L-A"_s << QString() << QString() << 11
                            << QDate(2027, 3, 31);
            fila("segunda caducidad") << true << false << u"30062027"_s << u"L-B"_s << QString() << QString() << 12
                                      << QDate(2027, 6, 30);
            fila("otra mayúscula") << true << false << u"31032027"_s << u"l-a"_s << QString() << QString() << 0
                                   << QDate(2027, 3, 31);
            fila("largo con comilla") << true << true << u"29022028"_s << Largo << QString() << QString() << 15
                                      << QDate(2028, 2, 29);
            fila("sin fecha casa sin caducidad")
                << false << false << QString() << u"L-SIN"_s << QString() << QString() << 14 << nula;
            fila("sin fecha no casa con fecha")
                << false << false << QString() << u"L-A"_s << QString() << QString() << 0 << nula;
            fila("fecha parcial") << true << false << u"3103"_s << u"L-A"_s << Obligatoria << u"txtCaducidad"_s << 0
                                  << nula;
            fila("fecha imposible") << true << false << u"31022027"_s << u"L-A"_s << Obligatoria << u"txtCaducidad"_s
                                    << 0 << nula;
            fila("1900 como fecha y sin lote")
                << true << false << u"01011900"_s << QString() << Ninguno << u"txtCaducidad"_s << 0 << nula;
            fila("1900 como fecha con lote")
                << true << false << u"01011900"_s << u"L-X"_s << QString() << QString() << 0 << nula;
            fila("nada, aun con lote obligatorio")
                << false << true << QString() << QString() << Ninguno << u"txtCaducidad"_s << 0 << nula;
            fila("lote obligatorio") << true << true << u"31032027"_s << QString()
                                     << u"El código del lote es obligatorio."_s << u"kxLote"_s << 0 << nula;
        }
    }
    void loteTecleado()
    {
        QFETCH(QString, motor);
        QFETCH(bool, conFecha);
        QFETCH(bool, obligatorio);
        QFETCH(QString, fecha);
        QFETCH(QString, lote);
        QFETCH(QString, mensaje);
        QFETCH(QString, foco);
        QFETCH(qint32, clave);
        QFETCH(QDate, caducidad);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarInventario(*bd, Lotes, Contados));
        SesionInventario s(bd, u"3"_s);
        s.empresa->setParametro(u"Lotes_NroObligatorio"_s, obligatorio ? u"Verdadero"_s : u"0"_s);
        s.clase.ControlCaducidad = conFecha;
        s.marcarSalidas();
        QList<MensajeVisto> mensajes;
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               QCOMPARE(control<QWidget>(d, u"txtCaducidad"_s)->isEnabled(), conFecha);
                               // Opens in the first box that takes the focus.
                               QCOMPARE(QApplication::focusWidget()->objectName(),
                                        conFecha ? u"txtCaducidad"_s : u"kxLote"_s);
                               if (conFecha)
                                   escribir(d, u"txtCaducidad"_s, fecha);
                               escribir(d, u"kxLote"_s, lote);
                               // Enter in the lot box only moves to Aceptar.
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                               QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdAceptar"_s);
                               QVERIFY(d->isVisible());
                               mensajes = CapturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
                               if (!mensaje.isEmpty()) {
                                   QVERIFY(d->isVisible());
                                   QCOMPARE(d->focusWidget()->objectName(),
                                            conFecha || foco != u"txtCaducidad" ? foco : u"cmdAceptar"_s);
                                   clic(d, u"cmdCancelar"_s);
                               }
                           }));
        if (!mensaje.isEmpty()) {
            QCOMPARE(mensajes.size(), 1);
            QCOMPARE(mensajes[0].texto, mensaje);
            QCOMPARE(mensajes[0].titulo, u"¡ Atención !"_s);
            QCOMPARE(mensajes[0].icono, QMessageBox::Warning);
            QVERIFY(!s.clase.Result && s.salidasIntactas());
            return;
        }
        QVERIFY(mensajes.isEmpty());
        QVERIFY(s.clase.Result);
        QCOMPARE(s.clase.Cod_Lote, clave);
        QCOMPARE(s.clase.Lote, lote);
        QCOMPARE(s.clase.Caducidad, caducidad);
        QCOMPARE(s.clase.Tono, QString());
        QCOMPARE(s.grabadora->Textos().size(), 1); // nothing is written
    }

    void teclasYModo()
    {
        NVLA_BASE_DATOS(bd, Motores().constFirst(), false);
        QVERIFY_SQL(SembrarInventario(*bd, Lotes, Contados));
        SesionInventario s(bd, u"3"_s);
        s.clase.ControlCaducidad = true;
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               const auto foco = [] { return QApplication::focusWidget()->objectName(); };
                               escribir(d, u"txtCaducidad"_s, u"01012030"_s);
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
                               QCOMPARE(foco(), u"kxLote"_s);
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
                               QCOMPARE(foco(), u"txtCaducidad"_s);
                               escribir(d, u"kxLote"_s, u"L-NUEVO"_s);
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
                               QCOMPARE(foco(), u"vsLotes"_s);
                               QCOMPARE(d->property("modo").toString(), u"seleccion_lote"_s);
                               auto *r = control<Rejilla>(d, u"vsLotes"_s);
                               r->setRow(2);
                               QTest::keyClick(r, Qt::Key_Up);
                               QCOMPARE(foco(), u"vsLotes"_s);
                               QTest::keyClick(r, Qt::Key_Up); // on row 1 it leaves the list
                               QCOMPARE(foco(), u"kxLote"_s);
                               QCOMPARE(d->property("modo").toString(), u"nuevo_lote"_s);
                               clic(d, u"cmdAceptar"_s);
                           }));
        QVERIFY(s.clase.Result);
        QCOMPARE(s.clase.Cod_Lote, 0);
        QCOMPARE(s.clase.Lote, u"L-NUEVO"_s);
        QCOMPARE(s.clase.Caducidad, QDate(2030, 1, 1));
    }

    void cancelarCerrarYModalCero()
    {
        NVLA_BASE_DATOS(bd, Motores().constFirst(), false);
        QVERIFY_SQL(SembrarInventario(*bd, Lotes, Contados));
        SesionInventario s(bd, u"3"_s);
        s.marcarSalidas();
        QVERIFY(ConDialogo([&] { s.clase.Show(1); }, [&](QDialog *d) { clic(d, u"cmdCancelar"_s); }));
        QVERIFY(!s.clase.Result && s.salidasIntactas());
        QVERIFY(ConDialogo([&] { s.clase.Show(1); }, [&](QDialog *d) { d->close(); }));
        QVERIFY(!s.clase.Result && s.salidasIntactas());
        s.clase.Result = true;
        s.clase.Show(0);
        QVERIFY(!s.clase.Result && s.salidasIntactas());
    }
};

QTEST_MAIN(TstInventarioLote)
#include "tst_inventario_lote.moc"
