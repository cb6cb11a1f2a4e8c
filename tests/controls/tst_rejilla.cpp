#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Rejilla.h"

#include <nvlalotes/ErrorLotes.h>

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QFont>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace NVLALotes;
using namespace Qt::StringLiterals;

namespace {

using Alineacion = Rejilla::Alineacion;

// A grid of four columns as the lot dialogs set it up, its model under the tester.
struct RejillaProbada
{
    RejillaProbada()
        : tester(rejilla.model(), QAbstractItemModelTester::FailureReportingMode::QtTest)
    {
        rejilla.setCols(4);
        rejilla.setRows(1);
    }

    QStringList fila(int row) const
    {
        QStringList celdas;
        for (int col = 0; col < rejilla.Cols(); ++col)
            celdas << rejilla.TextMatrix(row, col);
        return celdas;
    }

    Rejilla rejilla;
    QAbstractItemModelTester tester;
};

Qt::Alignment alineacionDe(const Rejilla &rejilla, int row, int col)
{
    const QVariant valor = row == 0 ? rejilla.model()->headerData(col, Qt::Horizontal, Qt::TextAlignmentRole)
                                    : rejilla.model()->index(row - 1, col).data(Qt::TextAlignmentRole);
    return Qt::Alignment(valor.toInt());
}

bool lanzaError(const std::function<void()> &accion)
{
    try {
        accion();
    } catch (const ErrorLotes &error) {
        return error.Number() == NumeroError::LlamadaNoValida;
    }
    return false;
}

} // namespace

class tst_Rejilla : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cabeceraEsLaFilaCero();
    void agregarFila_data();
    void agregarFila();
    void escribirCeldaFaltante();
    void cambiarFilas();
    void redibujarApagado();
    void filasDesdeUnOrigen();
    void origenQueFalla();
    void filaActual();
    void columnas();
    void formatosDeRangos();
    void unionesLibres();
    void cabeceraUnida();
    void fueraDeLaRejilla();
    void teclas_data();
    void teclas();
    void focoRecibido();
};

void tst_Rejilla::cabeceraEsLaFilaCero()
{
    RejillaProbada p;
    QCOMPARE(p.rejilla.Rows(), 1);
    QCOMPARE(p.rejilla.model()->rowCount(), 0);
    p.rejilla.setTextMatrix(0, 1, u"Stock"_s);
    QCOMPARE(p.rejilla.TextMatrix(0, 1), u"Stock"_s);
    QCOMPARE(p.rejilla.model()->headerData(1, Qt::Horizontal).toString(), u"Stock"_s);
    QCOMPARE(alineacionDe(p.rejilla, 0, 1), Qt::AlignCenter);

    p.rejilla.AddItem(u"7\t1.234,50\t12/05/2026\tL-1"_s);
    QCOMPARE(p.rejilla.Rows(), 2);
    QCOMPARE(p.rejilla.model()->rowCount(), 1);
    QCOMPARE(p.rejilla.TextMatrix(1, 3), u"L-1"_s);
    QCOMPARE(p.rejilla.model()->index(0, 1).data().toString(), u"1.234,50"_s);
    QCOMPARE(p.rejilla.TextMatrix(0, 1), u"Stock"_s);
}

void tst_Rejilla::agregarFila_data()
{
    QTest::addColumn<QString>("linea");
    QTest::addColumn<QStringList>("celdas");

    QTest::newRow("completa") << u"a\tb\tc\td"_s << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("una celda") << u"a"_s << QStringList{u"a"_s, {}, {}, {}};
    QTest::newRow("vacia") << QString() << QStringList{{}, {}, {}, {}};
    QTest::newRow("solo la ultima") << u"\t\t\tz"_s << QStringList{{}, {}, {}, u"z"_s};
    QTest::newRow("de mas") << u"a\tb\tc\td\te\tf"_s << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
}

void tst_Rejilla::agregarFila()
{
    QFETCH(QString, linea);
    QFETCH(QStringList, celdas);
    RejillaProbada p;
    p.rejilla.AddItem(linea);
    QCOMPARE(p.fila(1), celdas);
    // Cells beyond the columns are gone, not hidden.
    p.rejilla.setCols(6);
    QCOMPARE(p.rejilla.TextMatrix(1, 4), QString());
}

void tst_Rejilla::escribirCeldaFaltante()
{
    RejillaProbada p;
    p.rejilla.AddItem(u"a"_s);
    p.rejilla.setTextMatrix(1, 2, u"x\ty"_s);
    QCOMPARE(p.fila(1), (QStringList{u"a"_s, {}, u"x y"_s, {}}));
    p.rejilla.setTextMatrix(1, 0, QString());
    QCOMPARE(p.fila(1), (QStringList{{}, {}, u"x y"_s, {}}));
}

void tst_Rejilla::cambiarFilas()
{
    RejillaProbada p;
    for (const QString &linea : {u"1\ta"_s, u"2\tb"_s, u"3\tc"_s})
        p.rejilla.AddItem(linea);
    p.rejilla.setCellFontBold(3, 1, 3, 1, true);

    p.rejilla.setRows(3);
    QCOMPARE(p.rejilla.model()->rowCount(), 2);
    QCOMPARE(p.rejilla.TextMatrix(2, 1), u"b"_s);
    p.rejilla.setRows(5);
    QCOMPARE(p.rejilla.Rows(), 5);
    QCOMPARE(p.rejilla.model()->rowCount(), 4);
    QCOMPARE(p.fila(3), (QStringList{{}, {}, {}, {}}));
    // The bold of the dropped row does not come back with the new one.
    QVERIFY(!p.rejilla.model()->index(2, 1).data(Qt::FontRole).isValid());

    p.rejilla.setRows(0);
    QCOMPARE(p.rejilla.Rows(), 1);
    QCOMPARE(p.rejilla.model()->rowCount(), 0);
}

void tst_Rejilla::redibujarApagado()
{
    RejillaProbada p;
    p.rejilla.AddItem(u"1\ta"_s);
    QSignalSpy insertadas(p.rejilla.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy reinicios(p.rejilla.model(), &QAbstractItemModel::modelReset);

    p.rejilla.setRedraw(false);
    for (int i = 2; i <= 4; ++i)
        p.rejilla.AddItem(QString::number(i) + u"\tx"_s);
    p.rejilla.setTextMatrix(4, 1, u"total"_s);
    QCOMPARE(p.rejilla.Rows(), 5);
    QCOMPARE(p.rejilla.model()->rowCount(), 1);
    QCOMPARE(p.rejilla.TextMatrix(4, 1), u"total"_s);
    QCOMPARE(insertadas.count(), 0);

    // Rows the view knows are still removed in step with it.
    p.rejilla.setRows(1);
    QCOMPARE(p.rejilla.model()->rowCount(), 0);
    p.rejilla.AddItem(u"9\ty"_s);
    QCOMPARE(p.rejilla.model()->rowCount(), 0);

    p.rejilla.setRedraw(true);
    QCOMPARE(reinicios.count(), 1);
    QCOMPARE(p.rejilla.model()->rowCount(), 1);
    QCOMPARE(p.rejilla.model()->index(0, 1).data().toString(), u"y"_s);

    p.rejilla.setRedraw(true);
    QCOMPARE(reinicios.count(), 1);
    p.rejilla.AddItem(u"10\tz"_s);
    QCOMPARE(insertadas.count(), 1);
    QCOMPARE(p.rejilla.model()->rowCount(), 2);
}

namespace {

// A source of `total` numbered rows that counts how many it was asked for.
std::function<bool(QString &)> origenNumerado(int total, int *leidas)
{
    return [total, leidas](QString &linea) {
        if (*leidas == total)
            return false;
        ++*leidas;
        linea = QString::number(*leidas) + u"\tfila "_s + QString::number(*leidas);
        return true;
    };
}

} // namespace

void tst_Rejilla::filasDesdeUnOrigen()
{
    RejillaProbada p;
    p.rejilla.AddItem(u"-1\tautomática"_s);
    int leidas = 0;
    p.rejilla.AddItemsFrom(origenNumerado(5000, &leidas));
    // Only the first rows are read: the list shows before the rest exists.
    QVERIFY(leidas < 5000);
    QVERIFY(p.rejilla.TieneFilas());
    QCOMPARE(p.rejilla.TextMatrix(2, 1), u"fila 1"_s);
    QVERIFY(leidas < 5000);
    // The view asks for more as it scrolls.
    const int vistas = p.rejilla.model()->rowCount();
    QVERIFY(p.rejilla.model()->canFetchMore({}));
    p.rejilla.model()->fetchMore({});
    QVERIFY(p.rejilla.model()->rowCount() > vistas);
    // Anything that uses rows by number sees the whole list, in order.
    QCOMPARE(p.rejilla.Rows(), 5002);
    QCOMPARE(leidas, 5000);
    QCOMPARE(p.rejilla.model()->rowCount(), 5001);
    QCOMPARE(p.rejilla.TextMatrix(5001, 0), u"5000"_s);
    QVERIFY(!p.rejilla.model()->canFetchMore({}));
    // Appending after a source keeps the source's rows first.
    leidas = 0;
    p.rejilla.AddItemsFrom(origenNumerado(300, &leidas));
    p.rejilla.AddItem(u"fin"_s);
    QCOMPARE(p.rejilla.TextMatrix(p.rejilla.Rows() - 1, 0), u"fin"_s);
    QCOMPARE(p.rejilla.Rows(), 5002 + 300 + 1);
}

void tst_Rejilla::origenQueFalla()
{
    RejillaProbada p;
    int leidas = 0;
    auto origen = [&leidas](QString &linea) {
        if (++leidas > 150)
            throw ErrorLotes(NumeroError::BaseDatos, u"conexión perdida"_s, u"prueba"_s);
        linea = QString::number(leidas);
        return true;
    };
    p.rejilla.AddItemsFrom(origen);
    QSignalSpy errores(&p.rejilla, &Rejilla::ErrorDeLectura);
    // A read by the view cannot throw: the list ends where it broke and says why.
    p.rejilla.model()->fetchMore({});
    QCOMPARE(errores.count(), 1);
    QCOMPARE(errores.at(0).at(0).toString(), u"conexión perdida"_s);
    QCOMPARE(p.rejilla.Rows(), 151);
    QVERIFY(!p.rejilla.model()->canFetchMore({}));
    // A read asked for by code reaches the caller.
    leidas = 0;
    p.rejilla.AddItemsFrom(origen);
    QVERIFY_THROWS_EXCEPTION(ErrorLotes, p.rejilla.Rows());
}

void tst_Rejilla::filaActual()
{
    RejillaProbada p;
    QSignalSpy cambios(&p.rejilla, &Rejilla::FilaCambiada);
    QCOMPARE(p.rejilla.Row(), 0);
    for (const QString &linea : {u"1\ta"_s, u"2\tb"_s, u"3\tc"_s})
        p.rejilla.AddItem(linea);

    p.rejilla.setRow(2);
    QCOMPARE(p.rejilla.Row(), 2);
    QCOMPARE(cambios.count(), 1);
    const QModelIndexList elegidas = p.rejilla.selectionModel()->selectedRows();
    QCOMPARE(elegidas.size(), 1);
    QCOMPARE(elegidas.first().row(), 1);

    p.rejilla.setRow(2);
    QCOMPARE(cambios.count(), 1);
    p.rejilla.setRow(3);
    QCOMPARE(p.rejilla.selectionModel()->selectedRows().first().row(), 2);
    QCOMPARE(cambios.count(), 2);

    // A reload with redraw off keeps the row where the clerk left it.
    p.rejilla.setRedraw(false);
    p.rejilla.AddItem(u"4\td"_s);
    p.rejilla.setRedraw(true);
    QCOMPARE(p.rejilla.Row(), 3);
    QCOMPARE(cambios.count(), 2);

    p.rejilla.setRow(0);
    QCOMPARE(p.rejilla.Row(), 0);
    QCOMPARE(cambios.count(), 3);
    QVERIFY(p.rejilla.selectionModel()->selectedRows().isEmpty());

    // A row made current before the view knows it becomes current when shown.
    p.rejilla.setRedraw(false);
    p.rejilla.AddItem(u"5\te"_s);
    p.rejilla.setRow(5);
    QCOMPARE(p.rejilla.Row(), 5);
    QCOMPARE(cambios.count(), 4);
    p.rejilla.setRedraw(true);
    QCOMPARE(p.rejilla.currentIndex().row(), 4);
    QCOMPARE(cambios.count(), 4);
}

void tst_Rejilla::columnas()
{
    RejillaProbada p;
    p.rejilla.setColWidth(1, 1200);
    p.rejilla.setColWidth(2, 1000);
    QVERIFY(p.rejilla.columnWidth(1) > p.rejilla.columnWidth(2));
    p.rejilla.setColHidden(0, true);
    QVERIFY(p.rejilla.ColHidden(0));
    QVERIFY(!p.rejilla.ColHidden(1));
    p.rejilla.setRedraw(false);
    p.rejilla.AddItem(u"17\ta"_s);
    p.rejilla.setRedraw(true);
    QVERIFY(p.rejilla.isColumnHidden(0));
    QCOMPARE(p.rejilla.ColWidth(1), 1200); // the twips given, not a pixel rounding
    QCOMPARE(p.rejilla.ColWidth(2), 1000);
    QCOMPARE(p.rejilla.TextMatrix(1, 0), u"17"_s);
    // The current cell sits in a column the clerk can see.
    p.rejilla.setRow(1);
    QCOMPARE(p.rejilla.currentIndex().column(), 1);
}

void tst_Rejilla::formatosDeRangos()
{
    RejillaProbada p;
    for (int i = 0; i < 3; ++i)
        p.rejilla.AddItem(u"1\t2\t3\t4"_s);
    p.rejilla.setColAlignment(1, Alineacion::DerechaCentro);
    QCOMPARE(alineacionDe(p.rejilla, 2, 1), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(alineacionDe(p.rejilla, 2, 2), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(alineacionDe(p.rejilla, 0, 1), Qt::AlignCenter);

    p.rejilla.setCellAlignment(3, 3, 1, 1, Alineacion::CentroCentro); // corners in any order
    QCOMPARE(alineacionDe(p.rejilla, 2, 1), Qt::AlignCenter);
    p.rejilla.setCellAlignment(2, 1, 2, 1, Alineacion::IzquierdaCentro);
    QCOMPARE(alineacionDe(p.rejilla, 2, 1), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(alineacionDe(p.rejilla, 3, 1), Qt::AlignCenter);
    p.rejilla.setCellAlignment(0, 0, 0, 3, Alineacion::IzquierdaCentro);
    QCOMPARE(alineacionDe(p.rejilla, 0, 2), Qt::AlignLeft | Qt::AlignVCenter);

    p.rejilla.setCellFontBold(3, 1, 3, 1, true);
    QVERIFY(p.rejilla.model()->index(2, 1).data(Qt::FontRole).value<QFont>().bold());
    QVERIFY(!p.rejilla.model()->index(2, 2).data(Qt::FontRole).isValid());
    p.rejilla.setCellFontBold(1, 0, 3, 3, false);
    QVERIFY(!p.rejilla.model()->index(2, 1).data(Qt::FontRole).isValid());

    const QColor verde(0xC0, 0xFF, 0xC0);
    p.rejilla.setCellBackColor(3, 2, 3, 3, verde);
    QCOMPARE(p.rejilla.model()->index(2, 3).data(Qt::BackgroundRole).value<QBrush>().color(), verde);
    QVERIFY(!p.rejilla.model()->index(2, 1).data(Qt::BackgroundRole).isValid());
    QVERIFY(!p.rejilla.model()->index(1, 3).data(Qt::BackgroundRole).isValid());
}

void tst_Rejilla::unionesLibres()
{
    RejillaProbada p;
    const QString automatica = u"- SELECCIÓN AUTOMÁTICA -"_s;
    p.rejilla.setColHidden(0, true);
    p.rejilla.AddItem(u"-1\t"_s + automatica + u'\t' + automatica + u'\t' + automatica);
    p.rejilla.AddItem(u"5\tx\tx\t"_s);
    p.rejilla.setMergeRow(1, true);
    QCOMPARE(p.rejilla.columnSpan(0, 1), 1); // merging is off until the grid allows it

    p.rejilla.setMergeCells(1);
    QCOMPARE(p.rejilla.columnSpan(0, 1), 3);
    QCOMPARE(p.rejilla.columnSpan(0, 0), 1);
    QCOMPARE(alineacionDe(p.rejilla, 1, 2), Qt::AlignCenter);
    QCOMPARE(p.rejilla.columnSpan(1, 1), 1); // an unmarked row keeps its cells

    p.rejilla.setTextMatrix(1, 3, u"otro"_s);
    QCOMPARE(p.rejilla.columnSpan(0, 1), 2);
    QCOMPARE(p.rejilla.columnSpan(0, 3), 1);
    p.rejilla.setMergeRow(2, true);
    QCOMPARE(p.rejilla.columnSpan(1, 1), 2);
    QCOMPARE(p.rejilla.columnSpan(1, 3), 1); // empty cells stay apart

    p.rejilla.setRedraw(false);
    p.rejilla.setRedraw(true);
    QCOMPARE(p.rejilla.columnSpan(0, 1), 2);

    p.rejilla.setMergeRow(1, false);
    QCOMPARE(p.rejilla.columnSpan(0, 1), 1);
    p.rejilla.setMergeCells(0);
    QCOMPARE(p.rejilla.columnSpan(1, 1), 1);
}

void tst_Rejilla::cabeceraUnida()
{
    RejillaProbada p;
    const auto *modelo = p.rejilla.modelo();
    p.rejilla.setTextMatrix(0, 0, u"Cliente"_s);
    p.rejilla.setTextMatrix(0, 1, u"Cliente"_s);
    p.rejilla.setTextMatrix(0, 2, u"T"_s);
    p.rejilla.setMergeCells(1);
    QCOMPARE(modelo->tramoUnido(0, 1), std::make_pair(1, 1));
    p.rejilla.setMergeRow(0, true);
    QCOMPARE(modelo->tramoUnido(0, 1), std::make_pair(0, 1));
    QCOMPARE(modelo->tramoUnido(0, 2), std::make_pair(2, 2));
    QCOMPARE(modelo->tramoUnido(0, 3), std::make_pair(3, 3));
    p.rejilla.resize(400, 200);
    p.rejilla.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.rejilla));
    QVERIFY(!p.rejilla.grab().isNull()); // the merged header paints
}

void tst_Rejilla::fueraDeLaRejilla()
{
    RejillaProbada p;
    p.rejilla.AddItem(u"1"_s);
    QVERIFY(lanzaError([&] { p.rejilla.TextMatrix(2, 0); }));
    QVERIFY(lanzaError([&] { p.rejilla.TextMatrix(1, 4); }));
    QVERIFY(lanzaError([&] { p.rejilla.setTextMatrix(-1, 0, u"x"_s); }));
    QVERIFY(lanzaError([&] { p.rejilla.setRow(2); }));
    QVERIFY(lanzaError([&] { p.rejilla.setCellFontBold(0, 0, 1, 4, true); }));
    QVERIFY(lanzaError([&] { p.rejilla.setColWidth(4, 100); }));
    QCOMPARE(p.rejilla.TextMatrix(1, 0), u"1"_s);
}

void tst_Rejilla::teclas_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("sucesos");
    QTest::addColumn<int>("filaFinal");

    QTest::newRow("abajo mueve tras avisar")
        << int(Qt::Key_Down) << QString() << QStringList{u"abajo 40"_s, u"fila 3"_s} << 3;
    QTest::newRow("intro no llega al dialogo")
        << int(Qt::Key_Return) << u"\r"_s << QStringList{u"abajo 13"_s, u"pulsada 13"_s} << 2;
    QTest::newRow("escape no llega al dialogo")
        << int(Qt::Key_Escape) << QString() << QStringList{u"abajo 27"_s, u"pulsada 27"_s} << 2;
    QTest::newRow("letra no busca") << int(Qt::Key_C) << u"c"_s << QStringList{u"abajo 67"_s, u"pulsada 99"_s} << 2;
    QTest::newRow("F2") << int(Qt::Key_F2) << QString() << QStringList{u"abajo 113"_s} << 2;
}

void tst_Rejilla::teclas()
{
    QFETCH(int, tecla);
    QFETCH(QString, texto);
    QFETCH(QStringList, sucesos);
    QFETCH(int, filaFinal);

    QWidget ventana;
    auto *rejilla = new Rejilla(&ventana);
    rejilla->setCols(2);
    for (const QString &linea : {u"1\ta"_s, u"2\tb"_s, u"3\tc"_s})
        rejilla->AddItem(linea);
    rejilla->setRow(2);
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));

    QStringList vistos;
    connect(rejilla, &Rejilla::TeclaAbajo, this, [&](int codigo) { vistos << u"abajo %1"_s.arg(codigo); });
    connect(rejilla, &Rejilla::TeclaPulsada, this, [&](int codigo) { vistos << u"pulsada %1"_s.arg(codigo); });
    connect(rejilla, &Rejilla::FilaCambiada, this, [&] { vistos << u"fila %1"_s.arg(rejilla->Row()); });

    QKeyEvent pulsacion(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
    QCoreApplication::sendEvent(rejilla, &pulsacion);
    QCOMPARE(vistos, sucesos);
    QCOMPARE(rejilla->Row(), filaFinal);
    QVERIFY(pulsacion.isAccepted()); // the dialog behind never sees a grid key
}

void tst_Rejilla::focoRecibido()
{
    QWidget ventana;
    auto *otro = new QWidget(&ventana);
    otro->setFocusPolicy(Qt::StrongFocus);
    auto *rejilla = new Rejilla(&ventana);
    rejilla->setCols(2);
    rejilla->AddItem(u"1\ta"_s);
    QSignalSpy foco(rejilla, &Rejilla::FocoRecibido);
    ventana.show();
    ventana.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    otro->setFocus();
    rejilla->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(foco.count(), 1);
    // Entering the list makes its first row current, shown as chosen.
    QCOMPARE(rejilla->Row(), 1);
    QVERIFY(rejilla->selectionModel()->isRowSelected(0));
}

QTEST_MAIN(tst_Rejilla)
#include "tst_rejilla.moc"
