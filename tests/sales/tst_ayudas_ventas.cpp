// The clerk's helps in the sales lot dialog: expired lots marked, moving by
// typing through a long list, a scanned label in the "Manual" frame; each one
// also with its host parameter set False.
#include "EscenarioVentas.h"
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/lists/ListaLotes.h"

#include <QApplication>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

QString dia(int dias)
{
    return QDate::currentDate().addDays(dias).toString(u"yyyy-MM-dd"_s);
}

// The lot-code dialog on `lotes`, once with every help and once with `ayuda`
// off; `guion` runs on each, then the dialog is cancelled.
void probar(const QList<LotePrueba> &lotes, const QString &ayuda,
            const std::function<void(QDialog *, Rejilla *, bool activa)> &guion)
{
    for (const QString &motor : Motores()) {
        for (const bool activa : {true, false}) {
            NVLA_BASE_DATOS(bd, motor, false);
            QVERIFY_SQL(Sembrar(*bd, lotes));
            SesionVentas s(bd, u"3"_s, 1);
            s.empresa->setParametro(ayuda, activa ? u"True"_s : u"Falso"_s);
            QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                               [&](QDialog *d) {
                                   guion(d, control<Rejilla>(d, u"vsLotes"_s), activa);
                                   clic(d, u"cmdCancelar"_s);
                               }));
        }
    }
}

} // namespace

class TstAyudasVentas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    // Only a date before today marks its cell; the text stays as it was.
    void caducadosMarcados()
    {
        const QList<LotePrueba> lotes{{1, u"1"_s, u"L-AYER"_s, dia(-1), {}, {}},
                                      {2, u"2"_s, u"L-HOY"_s, dia(0), {}, {}},
                                      {3, u"3"_s, u"L-SIN"_s, {}, {}, {}}};
        probar(lotes, u"Lotes_MarcarCaducados"_s, [](QDialog *, Rejilla *r, bool activa) {
            QStringList marcas;
            for (int fila = 1; fila < r->Rows(); ++fila) {
                const QModelIndex celda = r->model()->index(fila - 1, 2);
                marcas << celda.data(Qt::ToolTipRole).toString();
                QCOMPARE(celda.data(Qt::ForegroundRole).isValid(), !marcas.constLast().isEmpty());
            }
            const QString marca = activa ? u"Lote caducado"_s : QString();
            QCOMPARE(marcas, (QStringList{QString(), marca, QString(), QString()}));
            QCOMPARE(r->TextMatrix(2, 2), QDate::currentDate().addDays(-1).toString(u"dd/MM/yyyy"_s));
        });
    }

    // Typing finds lots not yet read from a long list, in any letter case; a
    // pause starts anew; the automatic row is never chosen.
    void busquedaAlTeclear()
    {
        QList<LotePrueba> lotes;
        for (int i = 1; i <= 300; ++i)
            lotes.append({i, QString::number(i), u"A-%1"_s.arg(i, 3, 10, QChar(u'0')), {}, {}, {}});
        lotes.append({301, u"999"_s, u"Zeta"_s, {}, {}, {}});
        probar(lotes, u"Lotes_BusquedaAlTeclear"_s, [](QDialog *d, Rejilla *r, bool activa) {
            qint64 ahora = 0;
            d->findChild<ListaLotes *>()->fijarReloj([&] { return ahora; });
            QVERIFY(r->modelo()->quedanFilasPorLeer());
            QTest::keyClick(r, Qt::Key_Z);
            QCOMPARE(r->Row(), activa ? 302 : 1);
            ahora += 2000;
            QTest::keyClicks(r, u"a-007"_s);
            ahora += 2000;
            QTest::keyClicks(r, u"-"_s);
            QCOMPARE(r->TextMatrix(r->Row(), 3), activa ? u"A-007"_s : u"- SELECCIÓN AUTOMÁTICA -"_s);
        });
    }

    // A label scanned into the frame's lot box fills lot and expiry; Enter
    // then moves to Aceptar as it always does.
    void etiquetaEnElMarcoManual()
    {
        const QString etiqueta = u"]C10109501101530003"_s + u"17301200"_s + u"10LOTE-DE-18-CIFRAS"_s;
        probar({}, u"Lotes_LecturaGS1"_s, [&](QDialog *d, Rejilla *, bool activa) {
            enfocar(d, u"txtLote"_s);
            QTest::keyClicks(QApplication::focusWidget(), etiqueta);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(control<kxTextBox>(d, u"txtLote"_s)->text(), activa ? u"LOTE-DE-18-CIFRAS"_s : etiqueta.left(20));
            QCOMPARE(control<kxMaskEdBox>(d, u"txtCaducidad"_s)->Valor(), activa ? u"31/12/2030"_s : QString());
            QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdAceptar"_s);
        });
    }
};

QTEST_MAIN(TstAyudasVentas)
#include "tst_ayudas_ventas.moc"
