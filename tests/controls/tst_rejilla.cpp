#include "foundation/controls/LineaRejilla.h"
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Rejilla.h"

#include <nvlalotes/Currency.h>
#include <nvlalotes/ErrorLotes.h>

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QFont>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace NVLALotes;
using namespace Qt::StringLiterals;

namespace {

using Alineacion = Rejilla::Alineacion;
constexpr auto IzquierdaCentro = Qt::AlignLeft | Qt::AlignVCenter;
const QStringList TresFilas = {u"1\ta"_s, u"2\tb"_s, u"3\tc"_s};

// A grid of four columns as the lot dialogs set it up, its model under the tester.
struct RejillaProbada
{
    explicit RejillaProbada(const QStringList &lineas = {})
        : tester(rejilla.model(), QAbstractItemModelTester::FailureReportingMode::QtTest)
    {
        rejilla.setCols(4);
        rejilla.setRows(1);
        agregar(lineas);
    }

    void agregar(const QStringList &lineas)
    {
        for (const QString &linea : lineas)
            rejilla.AddItem(linea);
    }

    // Loads the lines as the dialogs reload a list: with redraw off.
    void recargar(const QStringList &lineas)
    {
        rejilla.setRedraw(false);
        agregar(lineas);
        rejilla.setRedraw(true);
    }

    QStringList fila(int row) const
    {
        QStringList celdas;
        for (int col = 0; col < rejilla.Cols(); ++col)
            celdas << rejilla.TextMatrix(row, col);
        return celdas;
    }

    // What the view is told about a cell, by grid row (the header is row 0).
    QVariant dato(int row, int col, int role) const
    {
        return row == 0 ? rejilla.model()->headerData(col, Qt::Horizontal, role)
                        : rejilla.model()->index(row - 1, col).data(role);
    }

    Qt::Alignment alineacion(int row, int col) const
    {
        return Qt::Alignment(dato(row, col, Qt::TextAlignmentRole).toInt());
    }
    int filasVistas() const { return rejilla.model()->rowCount(); }

    Rejilla rejilla;
    QAbstractItemModelTester tester;
};

// A source of `total` numbered rows that counts how many it was asked for;
// row n keeps n units in column 2 as a value.
std::function<bool(FilaOrigen &)> origenNumerado(int total, int *leidas)
{
    return [total, leidas](FilaOrigen &fila) {
        if (*leidas == total)
            return false;
        ++*leidas;
        fila.linea = QString::number(*leidas) + u"\tfila "_s + QString::number(*leidas);
        fila.valores[0] = *leidas * Currency::Escala;
        return true;
    };
}

} // namespace

class tst_Rejilla : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cabeceraEsLaFilaCero();
    void redibujarApagado();
    void filasDesdeUnOrigen();
    void origenQueFalla();
    void busquedaLeeLoQueNecesita();
    void filaActual();
    void formatos();
    void uniones();
    void teclas_data();
    void teclas();
};

void tst_Rejilla::cabeceraEsLaFilaCero()
{
    RejillaProbada p;
    p.rejilla.setTextMatrix(0, 1, u"Stock"_s);
    QCOMPARE(p.dato(0, 1, Qt::DisplayRole).toString(), u"Stock"_s);
    QCOMPARE(p.alineacion(0, 1), Qt::AlignCenter);

    p.rejilla.AddItem(u"7\t1.234,50"_s);
    QCOMPARE(p.rejilla.Rows(), 2);
    QCOMPARE(p.filasVistas(), 1);
    QCOMPARE(p.dato(1, 1, Qt::DisplayRole).toString(), u"1.234,50"_s);
    // A cell past the end of the row's line is written; a tab cannot split it.
    p.rejilla.setTextMatrix(1, 3, u"x\ty"_s);
    QCOMPARE(p.fila(1), (QStringList{u"7"_s, u"1.234,50"_s, {}, u"x y"_s}));
    QCOMPARE(p.fila(0), (QStringList{{}, u"Stock"_s, {}, {}}));
    // Missing cells are blank; cells beyond the columns are gone, not hidden.
    p.agregar({u"\t\t\tz"_s, u"a\tb\tc\td\te"_s});
    QCOMPARE(p.fila(2), (QStringList{{}, {}, {}, u"z"_s}));
    p.rejilla.setCols(6);
    QCOMPARE(p.rejilla.TextMatrix(3, 4), QString());

    p.rejilla.setCols(4);
    p.rejilla.setRows(1);
    p.agregar(TresFilas);
    p.rejilla.setCellFontBold(3, 1, 3, 1, true);
    p.rejilla.setRows(3);
    p.rejilla.setRows(5);
    QCOMPARE(p.filasVistas(), 4);
    QCOMPARE(p.rejilla.TextMatrix(2, 1), u"b"_s);
    QCOMPARE(p.fila(3), (QStringList{{}, {}, {}, {}}));
    QVERIFY(!p.dato(3, 1, Qt::FontRole).isValid()); // the dropped row's bold does not come back
    p.rejilla.setRows(0);
    QCOMPARE(p.rejilla.Rows(), 1);
    // Rows and columns outside the grid are refused, not clamped.
    QVERIFY_THROWS_EXCEPTION(ErrorLotes, p.rejilla.TextMatrix(1, 0));
    QVERIFY_THROWS_EXCEPTION(ErrorLotes, p.rejilla.setRow(1));
    QVERIFY_THROWS_EXCEPTION(ErrorLotes, p.rejilla.setCellFontBold(0, 0, 0, 4, true));
}

void tst_Rejilla::redibujarApagado()
{
    RejillaProbada p({u"1\ta"_s});
    QSignalSpy insertadas(p.rejilla.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy reinicios(p.rejilla.model(), &QAbstractItemModel::modelReset);

    p.rejilla.setRedraw(false);
    p.agregar({u"2\tx"_s, u"3\tx"_s, u"4\tx"_s});
    p.rejilla.setTextMatrix(4, 1, u"total"_s);
    QCOMPARE(p.rejilla.Rows(), 5);
    QCOMPARE(p.filasVistas(), 1);
    QCOMPARE(insertadas.count(), 0);
    // Rows the view knows are still removed in step with it.
    p.rejilla.setRows(1);
    QCOMPARE(p.filasVistas(), 0);
    p.rejilla.AddItem(u"9\ty"_s);
    QCOMPARE(p.filasVistas(), 0);

    p.rejilla.setRedraw(true);
    QCOMPARE(reinicios.count(), 1);
    QCOMPARE(p.dato(1, 1, Qt::DisplayRole).toString(), u"y"_s);
    p.rejilla.AddItem(u"10\tz"_s);
    QCOMPARE(insertadas.count(), 1);
    QCOMPARE(p.filasVistas(), 2);
}

void tst_Rejilla::filasDesdeUnOrigen()
{
    RejillaProbada p({u"-1\tautomática"_s});
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
    // Appending after a source keeps the source's rows first; the rows that
    // close the source come once, after its last.
    leidas = 0;
    int cierres = 0;
    p.rejilla.AddItemsFrom(origenNumerado(300, &leidas), [&] {
        ++cierres;
        p.rejilla.AddItem(u"total"_s);
    });
    QCOMPARE(cierres, 0);
    p.rejilla.AddItem(u"fin"_s);
    QCOMPARE(p.rejilla.TextMatrix(p.rejilla.Rows() - 2, 0), u"total"_s);
    QCOMPARE(p.rejilla.TextMatrix(p.rejilla.Rows() - 1, 0), u"fin"_s);
    QCOMPARE(p.rejilla.Rows(), 5002 + 300 + 2);
    QCOMPARE(cierres, 1);
}

// A search, a typed match or a row jump stops reading at its answer.
void tst_Rejilla::busquedaLeeLoQueNecesita()
{
    const auto esFila = [](const Rejilla &r, const QString &clave) {
        return [&r, clave](int fila) { return r.TextMatrix(fila, 0) == clave; };
    };
    RejillaProbada p;
    p.rejilla.modelo()->fijarColumnaValor(2, [](qint64 bruto) { return u"%1 u."_s.arg(bruto / Currency::Escala); });
    int leidas = 0;
    p.rejilla.AddItemsFrom(origenNumerado(5000, &leidas));
    QSignalSpy insertadas(p.rejilla.model(), &QAbstractItemModel::rowsInserted);
    QCOMPARE(p.rejilla.BuscarFila(1, esFila(p.rejilla, u"3000"_s)), 3000);
    QVERIFY(leidas >= 3000 && leidas < 5000);
    // The view learns of the rows a walk read once, when it ends.
    QCOMPARE(insertadas.count(), 1);
    QCOMPARE(p.rejilla.model()->rowCount(), leidas);
    // Rows already read are searched again from `desde`, not only the new ones.
    QCOMPARE(p.rejilla.BuscarFila(10, esFila(p.rejilla, u"12"_s)), 12);
    p.rejilla.setRow(4000);
    QCOMPARE(p.rejilla.Row(), 4000);
    QVERIFY(leidas < 5000);
    QCOMPARE(p.rejilla.TextMatrix(4500, 1), u"fila 4500"_s);
    QVERIFY(leidas < 5000);
    // No answer: the whole list is read, and a row past its end does not exist.
    QCOMPARE(p.rejilla.BuscarFila(1, esFila(p.rejilla, u"no"_s)), -1);
    QCOMPARE(leidas, 5000);
    QVERIFY_THROWS_EXCEPTION(ErrorLotes, p.rejilla.setRow(5001));
    // A value holding a tab or a line break must not shift the row's cells.
    p.rejilla.AddItem(LineaRejilla::unir({u"9"_s, u"a\tb\r\nc"_s, u""_s, u"fin"_s}));
    QCOMPARE(p.fila(5001), QStringList({u"9"_s, u"a b  c"_s, u""_s, u"fin"_s}));
    // A value cell is written out when read as text; given a text, it keeps it.
    QCOMPARE(p.rejilla.modelo()->valor(2999, 2), std::optional<qint64>(2999 * Currency::Escala));
    QCOMPARE(p.rejilla.TextMatrix(2999, 2), u"2999 u."_s);
    p.rejilla.setTextMatrix(2999, 2, u"ninguna"_s);
    QCOMPARE(p.fila(2999), QStringList({u"2999"_s, u"fila 2999"_s, u"ninguna"_s, u""_s}));
    QVERIFY(!p.rejilla.modelo()->valor(2999, 2));
}

void tst_Rejilla::origenQueFalla()
{
    RejillaProbada p;
    int leidas = 0;
    auto origen = [&leidas](FilaOrigen &fila) {
        if (++leidas > 150)
            throw ErrorLotes(NumeroError::BaseDatos, u"conexión perdida"_s, u"prueba"_s);
        fila.linea = QString::number(leidas);
        return true;
    };
    p.rejilla.AddItemsFrom(origen);
    QSignalSpy errores(&p.rejilla, &Rejilla::ErrorDeLectura);
    // A read by the view cannot throw: the list ends where it broke and says why.
    p.rejilla.model()->fetchMore({});
    QCOMPARE(errores.count(), 1);
    QCOMPARE(errores.at(0).at(0).toString(), u"conexión perdida"_s);
    // The rows read before the error show: no rule uses a row the clerk cannot see.
    QCOMPARE(p.rejilla.model()->rowCount(), 150);
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
    p.agregar({u"1\ta"_s, u"2\tb"_s, u"3\tc"_s});
    p.rejilla.setRow(2);
    p.rejilla.setRow(2);
    QCOMPARE(p.rejilla.selectionModel()->selectedRows(), QModelIndexList{p.rejilla.model()->index(1, 0)});
    QCOMPARE(cambios.count(), 1);
    // A reload with redraw off keeps the row where the clerk left it.
    p.recargar({u"4\td"_s});
    QCOMPARE(p.rejilla.Row(), 2);
    QCOMPARE(cambios.count(), 1);
    p.rejilla.setRow(0);
    QVERIFY(p.rejilla.selectionModel()->selectedRows().isEmpty());
    QCOMPARE(cambios.count(), 2);
    // A row made current before the view knows it becomes current when shown.
    p.rejilla.setRedraw(false);
    p.rejilla.AddItem(u"5\te"_s);
    p.rejilla.setRow(5);
    QCOMPARE(p.rejilla.Row(), 5);
    p.rejilla.setRedraw(true);
    QCOMPARE(p.rejilla.currentIndex().row(), 4);
    QCOMPARE(cambios.count(), 3);

    // The chosen row shows in the selection colour only while the list has the focus.
    QWidget ventana;
    auto *rejilla = new Rejilla(&ventana);
    auto *caja = new QLineEdit(&ventana);
    rejilla->setCols(2);
    rejilla->AddItem(u"1\ta"_s);
    rejilla->setRow(1);
    ventana.show();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    const auto color = [rejilla] {
        const QPoint punto = rejilla->visualRect(rejilla->model()->index(0, 1)).topLeft() + QPoint(2, 2);
        return rejilla->viewport()->grab().toImage().pixelColor(punto);
    };
    const QColor seleccion = rejilla->palette().color(QPalette::Active, QPalette::Highlight);
    rejilla->setFocus();
    QCOMPARE(color(), seleccion);
    caja->setFocus();
    QVERIFY(color() != seleccion);
}

void tst_Rejilla::formatos()
{
    RejillaProbada p;
    p.rejilla.setColWidth(1, 1200);
    p.rejilla.setColHidden(0, true);
    p.recargar(QStringList(3, u"1\t2\t3\t4"_s));
    QCOMPARE(p.rejilla.ColWidth(1), 1200); // the twips given, not a pixel rounding
    p.rejilla.setRow(1);
    QCOMPARE(p.rejilla.currentIndex().column(), 1); // the current cell is one the clerk can see

    p.rejilla.setColAlignment(0, Alineacion::DerechaCentro);
    QCOMPARE(p.alineacion(0, 0), Qt::AlignCenter);
    p.rejilla.setCellAlignment(3, 3, 1, 1, Alineacion::CentroCentro); // corners in any order
    p.rejilla.setCellAlignment(2, 1, 2, 1, Alineacion::IzquierdaCentro);
    QCOMPARE(p.alineacion(2, 1), IzquierdaCentro);
    QCOMPARE(p.alineacion(3, 1), Qt::AlignCenter);
    QCOMPARE(p.alineacion(3, 0), Qt::AlignRight | Qt::AlignVCenter);
    p.rejilla.setCellFontBold(3, 2, 3, 3, true);
    QVERIFY(p.dato(3, 3, Qt::FontRole).value<QFont>().bold());
    QVERIFY(!p.dato(2, 3, Qt::FontRole).isValid());
}

void tst_Rejilla::uniones()
{
    const QString automatica = u"- SELECCIÓN AUTOMÁTICA -"_s;
    RejillaProbada p({u"-1\t"_s + automatica + u'\t' + automatica + u'\t' + automatica, u"5\tx\tx\t"_s});
    p.rejilla.setColHidden(0, true);
    p.rejilla.setMergeRow(1, true);
    QCOMPARE(p.rejilla.columnSpan(0, 1), 1); // merging is off until the grid allows it
    p.rejilla.setMergeCells(1);
    QCOMPARE(p.rejilla.columnSpan(0, 1), 3);
    QCOMPARE(p.alineacion(1, 2), Qt::AlignCenter);
    QCOMPARE(p.rejilla.columnSpan(1, 1), 1); // an unmarked row keeps its cells

    p.rejilla.setTextMatrix(1, 3, u"otro"_s);
    p.rejilla.setMergeRow(2, true);
    p.recargar({});
    QCOMPARE(p.rejilla.columnSpan(0, 1), 2);
    QCOMPARE(p.rejilla.columnSpan(1, 1), 2);
    QCOMPARE(p.rejilla.columnSpan(1, 3), 1); // empty cells stay apart
    p.rejilla.setTextMatrix(0, 0, u"Cliente"_s);
    p.rejilla.setTextMatrix(0, 1, u"Cliente"_s);
    p.rejilla.setMergeRow(0, true);
    QCOMPARE(p.rejilla.modelo()->tramoUnido(0, 1), std::make_pair(0, 1)); // the header merges hidden columns too
}

void tst_Rejilla::teclas_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("sucesos"); // what the grid told, and the row it ends on

    QTest::newRow("abajo mueve tras avisar") << int(Qt::Key_Down) << QString() << u"abajo 40, fila 3, queda 3"_s;
    QTest::newRow("intro no llega al dialogo") << int(Qt::Key_Return) << u"\r"_s << u"abajo 13, pulsada 13, queda 2"_s;
    QTest::newRow("letra no busca") << int(Qt::Key_C) << u"c"_s << u"abajo 67, pulsada 99, queda 2"_s;
    QTest::newRow("F2") << int(Qt::Key_F2) << QString() << u"abajo 113, queda 2"_s;
}

void tst_Rejilla::teclas()
{
    QFETCH(int, tecla);
    QFETCH(QString, texto);
    QFETCH(QString, sucesos);
    RejillaProbada p(TresFilas);
    p.rejilla.setRow(2);
    p.rejilla.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.rejilla));

    QStringList vistos;
    connect(&p.rejilla, &Rejilla::TeclaAbajo, this, [&](int codigo) { vistos << u"abajo %1"_s.arg(codigo); });
    connect(&p.rejilla, &Rejilla::TeclaPulsada, this, [&](int codigo) { vistos << u"pulsada %1"_s.arg(codigo); });
    connect(&p.rejilla, &Rejilla::FilaCambiada, this, [&] { vistos << u"fila %1"_s.arg(p.rejilla.Row()); });
    QKeyEvent pulsacion(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
    QCoreApplication::sendEvent(&p.rejilla, &pulsacion);
    vistos << u"queda %1"_s.arg(p.rejilla.Row());
    QCOMPARE(vistos.join(u", "_s), sucesos);
    QVERIFY(pulsacion.isAccepted()); // the dialog behind never sees a grid key
}

QTEST_MAIN(tst_Rejilla)
#include "tst_rejilla.moc"
