// The grid every list uses, and the operation-in-progress window: its width
// follows the text it is given, and the guard shows it for an operation's length.
#include "foundation/controls/LineaRejilla.h"
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/mensajes/frmMsg.h"
#include "foundation/mensajes/modMsgOp.h"
#include "tests/support/Conduccion.h"

#include <nvlalotes/Currency.h>
#include <nvlalotes/ErrorLotes.h>

#include <QAbstractItemModelTester>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace NVLALotes;
using namespace NVLALotes::Pruebas;
using namespace Qt::StringLiterals;

namespace {

using Alineacion = Rejilla::Alineacion;
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
            rejilla.addItem(linea);
    }
    QStringList fila(int row) const
    {
        QStringList celdas;
        for (int col = 0; col < rejilla.cols(); ++col)
            celdas << rejilla.textMatrix(row, col);
        return celdas;
    }
    // What the view is told about a cell, by grid row (the header is row 0).
    QVariant dato(int row, int col, int role = Qt::DisplayRole) const
    {
        return row == 0 ? rejilla.model()->headerData(col, Qt::Horizontal, role)
                        : rejilla.model()->index(row - 1, col).data(role);
    }
    int alineacion(int row, int col) const { return dato(row, col, Qt::TextAlignmentRole).toInt(); }
    int vistas() const { return rejilla.model()->rowCount(); }

    Rejilla rejilla;
    QAbstractItemModelTester tester;
};

// A source of `total` numbered rows that counts how many it was asked for, and
// fails with a lost connection past `rota`; row n keeps n units in column 2 as a value.
std::function<bool(FilaOrigen &)> origenNumerado(int total, int *leidas, int rota = 0)
{
    return [=](FilaOrigen &fila) {
        if (*leidas == total)
            return false;
        if (++*leidas == rota)
            throw ErrorLotes(NumeroError::BaseDatos, u"conexión perdida"_s, u"prueba"_s);
        fila.linea = QString::number(*leidas) + u"\tfila "_s + QString::number(*leidas);
        fila.valores[0] = *leidas * Currency::Escala;
        return true;
    };
}

} // namespace

class TstControles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(ningunaVentanaAbierta()); }

    // Row 0 is the header; cells are written past a line's end, never split by
    // a tab, blank when missing and gone beyond the columns; rows and columns
    // outside the grid are refused, not clamped.
    void celdasYFilas()
    {
        RejillaProbada p;
        p.rejilla.setTextMatrix(0, 1, u"Stock"_s);
        QCOMPARE((QList<QVariant>{p.dato(0, 1), p.alineacion(0, 1)}),
                 (QList<QVariant>{u"Stock"_s, int(Qt::AlignCenter)}));
        p.agregar({u"7\t1.234,50"_s, u"\t\t\tz"_s, u"a\tb\tc\td\te"_s});
        p.rejilla.setTextMatrix(1, 3, u"x\ty"_s);
        QCOMPARE((QList<int>{p.rejilla.rows(), p.vistas()}), (QList<int>{4, 3}));
        QCOMPARE(p.dato(1, 1).toString(), u"1.234,50"_s);
        QCOMPARE(p.fila(0) + p.fila(1) + p.fila(2),
                 (QStringList{{}, u"Stock"_s, {}, {}, u"7"_s, u"1.234,50"_s, {}, u"x y"_s, {}, {}, {}, u"z"_s}));
        p.rejilla.setCols(6);
        QCOMPARE(p.rejilla.textMatrix(3, 4), QString());
        p.rejilla.setCols(4);
        p.rejilla.setRows(1);
        p.agregar(TresFilas);
        p.rejilla.setCellFontBold(3, 1, 3, 1, true);
        p.rejilla.setRows(3);
        p.rejilla.setRows(5);
        QCOMPARE(p.vistas(), 4);
        QCOMPARE(p.fila(2) + p.fila(3), (QStringList{u"2"_s, u"b"_s, {}, {}, {}, {}, {}, {}}));
        QVERIFY(!p.dato(3, 1, Qt::FontRole).isValid()); // the dropped row's bold does not come back
        p.rejilla.setRows(0);
        // An emptied list keeps its header.
        QCOMPARE((QList<QVariant>{p.rejilla.rows(), p.rejilla.textMatrix(0, 1)}), (QList<QVariant>{1, u"Stock"_s}));
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, p.rejilla.textMatrix(1, 0));
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, p.rejilla.setRow(1));
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, p.rejilla.setCellFontBold(0, 0, 0, 4, true));
        const QString larga(40000, u'x'); // longer than a block of the rows' text store
        p.agregar({larga + u"\tfin"_s, u"1\ta"_s});
        QCOMPARE(p.fila(1) + p.fila(2), (QStringList{larga, u"fin"_s, {}, {}, u"1"_s, u"a"_s, {}, {}}));
        // Rows are kept in blocks of 2,048: cut inside the second one and grown again.
        p.rejilla.setRows(1);
        for (int n = 1; n <= 5000; ++n)
            p.rejilla.addItem(QString::number(n));
        p.rejilla.setRows(2050);
        p.rejilla.setRows(2100);
        QCOMPARE((QStringList{p.rejilla.textMatrix(2048, 0), p.rejilla.textMatrix(2049, 0),
                              p.rejilla.textMatrix(2050, 0), p.rejilla.textMatrix(2099, 0)}),
                 (QStringList{u"2048"_s, u"2049"_s, {}, {}}));
    }

    // With redraw off the view hears of nothing but removals; back on, one
    // reset. The current row survives a reload, and a row made current before
    // the view knows it becomes current when shown.
    void redibujarYFilaActual()
    {
        RejillaProbada p(TresFilas);
        QSignalSpy insertadas(p.rejilla.model(), &QAbstractItemModel::rowsInserted);
        QSignalSpy reinicios(p.rejilla.model(), &QAbstractItemModel::modelReset);
        QSignalSpy cambios(&p.rejilla, &Rejilla::filaCambiada);
        p.rejilla.setRow(2);
        p.rejilla.setRow(2);
        QCOMPARE(p.rejilla.selectionModel()->selectedRows(), QModelIndexList{p.rejilla.model()->index(1, 0)});
        p.rejilla.setRedraw(false);
        p.agregar({u"4\tx"_s, u"5\tx"_s});
        p.rejilla.setTextMatrix(5, 1, u"total"_s);
        QCOMPARE((QList<int>{p.rejilla.rows(), p.vistas(), int(insertadas.count())}), (QList<int>{6, 3, 0}));
        p.rejilla.setRedraw(true);
        QCOMPARE((QList<int>{p.rejilla.row(), int(cambios.count()), int(reinicios.count())}), (QList<int>{2, 1, 1}));
        p.rejilla.setRow(0);
        QVERIFY(p.rejilla.selectionModel()->selectedRows().isEmpty());

        p.rejilla.setRedraw(false);
        p.rejilla.setRows(1); // rows the view knows are still removed in step with it
        QCOMPARE(p.vistas(), 0);
        p.agregar(TresFilas);
        p.rejilla.setRow(3);
        p.rejilla.setRedraw(true);
        QCOMPARE((QList<QVariant>{p.dato(1, 1), p.rejilla.currentIndex().row(), cambios.count()}),
                 (QList<QVariant>{u"a"_s, 2, 3}));
        p.rejilla.addItem(u"10\tz"_s);
        QCOMPARE((QList<int>{int(insertadas.count()), p.vistas()}), (QList<int>{1, 4}));

        // The chosen row shows in the selection colour only while the list has the focus.
        QWidget ventana;
        auto *rejilla = new Rejilla(&ventana);
        auto *caja = new QLineEdit(&ventana);
        rejilla->setCols(2);
        rejilla->addItem(u"1\ta"_s);
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

    // Only the first rows of a source are read: the list shows before the rest
    // exists, the view asks for more as it scrolls, and anything that uses rows
    // by number (a search, a row jump, a cell) reads just up to its answer.
    // A read by the view cannot throw: the list ends where it broke, says why,
    // and shows the rows read before (no rule uses a row the clerk cannot
    // see). A read asked for by code reaches the caller.
    void filasDesdeUnOrigen()
    {
        RejillaProbada p({u"-1\tautomática"_s});
        p.rejilla.modelo()->fijarColumnaValor(2, [](qint64 bruto) { return u"%1 u."_s.arg(bruto / Currency::Escala); });
        int leidas = 0;
        p.rejilla.addItemsFrom(origenNumerado(5000, &leidas));
        QVERIFY(p.rejilla.tieneFilas() && leidas < 5000);
        QCOMPARE(p.rejilla.textMatrix(2, 1), u"fila 1"_s);
        const int vistas = p.vistas();
        QVERIFY(p.rejilla.model()->canFetchMore({}));
        p.rejilla.model()->fetchMore({});
        QVERIFY(p.vistas() > vistas);
        const auto esFila = [&p](const QString &clave) {
            return [&p, clave](int fila) { return p.rejilla.textMatrix(fila, 0) == clave; };
        };
        QSignalSpy insertadas(p.rejilla.model(), &QAbstractItemModel::rowsInserted);
        QCOMPARE(p.rejilla.buscarFila(1, esFila(u"3000"_s)), 3001);
        QVERIFY(leidas >= 3000 && leidas < 5000);
        // The view learns of the rows a walk read once, when it ends.
        QCOMPARE((QList<int>{int(insertadas.count()), p.rejilla.model()->rowCount()}), (QList<int>{1, leidas + 1}));
        // Rows already read are searched again from `desde`, not only the new ones.
        QCOMPARE(p.rejilla.buscarFila(10, esFila(u"12"_s)), 13);
        p.rejilla.setRow(4000);
        QCOMPARE(p.rejilla.row(), 4000);
        QVERIFY(p.rejilla.textMatrix(4500, 1) == u"fila 4499"_s && leidas < 5000);
        // No answer: the whole list is read, in order; a row past its end does not exist.
        QCOMPARE(p.rejilla.buscarFila(1, esFila(u"no"_s)), -1);
        QCOMPARE((QList<int>{leidas, p.rejilla.rows(), p.vistas()}), (QList<int>{5000, 5002, 5001}));
        QVERIFY(p.rejilla.textMatrix(5001, 0) == u"5000"_s && !p.rejilla.model()->canFetchMore({}));
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, p.rejilla.setRow(5002));
        // A value cell is written out when read as text; given a text, it keeps it.
        QCOMPARE(p.rejilla.modelo()->valor(3000, 2), std::optional<qint64>(2999 * Currency::Escala));
        QCOMPARE(p.rejilla.textMatrix(3000, 2), u"2999 u."_s);
        p.rejilla.setTextMatrix(3000, 2, u"ninguna"_s);
        QCOMPARE(p.fila(3000), QStringList({u"2999"_s, u"fila 2999"_s, u"ninguna"_s, u""_s}));
        QVERIFY(!p.rejilla.modelo()->valor(3000, 2));

        // Appending after a source keeps the source's rows first; the rows that
        // close the source come once, after its last. A value holding a tab or
        // a line break does not shift the row's cells.
        leidas = 0;
        int cierres = 0;
        p.rejilla.addItemsFrom(origenNumerado(300, &leidas), [&] {
            ++cierres;
            p.rejilla.addItem(u"total"_s);
        });
        QCOMPARE(cierres, 0);
        p.rejilla.addItem(LineaRejilla::unir({u"9"_s, u"a\tb\r\nc"_s, u""_s, u"fin"_s}));
        QCOMPARE(p.rejilla.textMatrix(p.rejilla.rows() - 2, 0), u"total"_s);
        QCOMPARE(p.fila(p.rejilla.rows() - 1), QStringList({u"9"_s, u"a b  c"_s, u""_s, u"fin"_s}));
        QCOMPARE((QList<int>{p.rejilla.rows(), cierres}), (QList<int>{5002 + 300 + 2, 1}));
        RejillaProbada q;
        leidas = 0;
        q.rejilla.addItemsFrom(origenNumerado(1000, &leidas, 151));
        QSignalSpy errores(q.rejilla.modelo(), &ModeloRejilla::errorDeLectura);
        q.rejilla.model()->fetchMore({});
        QCOMPARE(errores, (QList<QVariantList>{{u"conexión perdida"_s}}));
        QCOMPARE((QList<int>{q.vistas(), q.rejilla.rows(), q.rejilla.model()->canFetchMore({})}),
                 (QList<int>{150, 151, false}));
        leidas = 0;
        q.rejilla.addItemsFrom(origenNumerado(1000, &leidas, 151));
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, q.rejilla.rows());
    }

    // Widths in twips as given; the current cell is one the clerk can see;
    // alignments and bold by column or by cell range, corners in any order.
    // Marked rows merge equal neighbours once the grid allows it; empty cells
    // stay apart; the header merges hidden columns too.
    void formatosYUniones()
    {
        RejillaProbada p;
        p.rejilla.setColWidth(1, 1200);
        p.rejilla.setColHidden(0, true);
        p.rejilla.setRedraw(false);
        p.agregar(QStringList(3, u"1\t2\t3\t4"_s));
        p.rejilla.setRedraw(true);
        p.rejilla.setRow(1);
        QCOMPARE((QList<int>{p.rejilla.colWidth(1), p.rejilla.currentIndex().column()}), (QList<int>{1200, 1}));
        p.rejilla.setColAlignment(0, Alineacion::DerechaCentro);
        p.rejilla.setCellAlignment(3, 3, 1, 1, Alineacion::CentroCentro);
        p.rejilla.setCellAlignment(2, 1, 2, 1, Alineacion::IzquierdaCentro);
        QCOMPARE((QList<int>{p.alineacion(0, 0), p.alineacion(2, 1), p.alineacion(3, 1), p.alineacion(3, 0)}),
                 (QList<int>{Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter,
                             Qt::AlignRight | Qt::AlignVCenter}));
        p.rejilla.setCellFontBold(3, 2, 3, 3, true);
        QVERIFY(p.dato(3, 3, Qt::FontRole).value<QFont>().bold() && !p.dato(2, 3, Qt::FontRole).isValid());
        const QString automatica = u"- SELECCIÓN AUTOMÁTICA -"_s;
        RejillaProbada unidas({u"-1\t"_s + automatica + u'\t' + automatica + u'\t' + automatica, u"5\tx\tx\t"_s});
        unidas.rejilla.setColHidden(0, true);
        unidas.rejilla.setMergeRow(1, true);
        QCOMPARE(unidas.rejilla.columnSpan(0, 1), 1);
        unidas.rejilla.setMergeCells(1);
        QCOMPARE((QList<int>{unidas.rejilla.columnSpan(0, 1), unidas.rejilla.columnSpan(1, 1)}), (QList<int>{3, 1}));
        QCOMPARE(unidas.alineacion(1, 2), int(Qt::AlignCenter));
        unidas.rejilla.setTextMatrix(1, 3, u"otro"_s);
        unidas.rejilla.setMergeRow(2, true);
        unidas.rejilla.setRedraw(false);
        unidas.rejilla.setRedraw(true);
        QCOMPARE((QList<int>{unidas.rejilla.columnSpan(0, 1), unidas.rejilla.columnSpan(1, 1),
                             unidas.rejilla.columnSpan(1, 3)}),
                 (QList<int>{2, 2, 1}));
        for (const int col : {0, 1})
            unidas.rejilla.setTextMatrix(0, col, u"Cliente"_s);
        unidas.rejilla.setMergeRow(0, true);
        QCOMPARE(unidas.rejilla.modelo()->tramoUnido(0, 1), std::make_pair(0, 1));
    }

    // What the grid tells of each key, and the row it ends on: Down moves after
    // telling; Enter and letters neither reach the dialog nor search; F2 only tells.
    void teclas()
    {
        const QList<std::tuple<Qt::Key, QString, QString>> casos{
            {Qt::Key_Down, {}, u"abajo 40, fila 3, queda 3"_s},
            {Qt::Key_Return, u"\r"_s, u"abajo 13, pulsada 13, queda 2"_s},
            {Qt::Key_C, u"c"_s, u"abajo 67, pulsada 99, queda 2"_s},
            {Qt::Key_F2, {}, u"abajo 113, queda 2"_s}};
        for (const auto &[tecla, texto, sucesos] : casos) {
            RejillaProbada p(TresFilas);
            p.rejilla.setRow(2);
            p.rejilla.show();
            QVERIFY(QTest::qWaitForWindowExposed(&p.rejilla));
            QStringList vistos;
            connect(&p.rejilla, &Rejilla::teclaAbajo, this, [&](int codigo) { vistos << u"abajo %1"_s.arg(codigo); });
            connect(&p.rejilla, &Rejilla::teclaPulsada, this, [&](int c) { vistos << u"pulsada %1"_s.arg(c); });
            connect(&p.rejilla, &Rejilla::filaCambiada, this, [&] { vistos << u"fila %1"_s.arg(p.rejilla.row()); });
            QKeyEvent pulsacion(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
            QCoreApplication::sendEvent(&p.rejilla, &pulsacion);
            vistos << u"queda %1"_s.arg(p.rejilla.row());
            QCOMPARE(vistos.join(u", "_s), sucesos);
            QVERIFY(pulsacion.isAccepted()); // the dialog behind never sees a grid key
        }
    }

    // Loaded with no text, the design caption stays and the window is only the
    // margin wide (twips worked out here at the screen's logical DPI, not
    // through the library's conversion). Each RefreshMsg measures the new
    // text: a longer one widens the window, a shorter one narrows it again,
    // and the text always shows whole.
    void anchoSegunElTexto()
    {
        const QScreen *pantalla = QGuiApplication::primaryScreen();
        frmMsg ventana;
        ventana.show();
        auto *lblMsg = control<QLabel>(&ventana, u"lblMsg"_s);
        QCOMPARE(lblMsg->text(), u"Realizando operación, espere un momento por favor..."_s);
        QCOMPARE(ventana.size(), QSize(qRound(2500 * pantalla->logicalDotsPerInchX() / 1440.0),
                                       qRound(705 * pantalla->logicalDotsPerInchY() / 1440.0)));
        const int margen = ventana.width();
        ventana.Mensaje = modMsgOp::MsgOperacion;
        ventana.RefreshMsg();
        const int estandar = ventana.width();
        QVERIFY(estandar > margen);
        const QString largo = modMsgOp::MsgOperacion + u" Recalculando el stock de todos los lotes del almacén."_s;
        ventana.Mensaje = largo;
        ventana.RefreshMsg();
        const int tinta = lblMsg->fontMetrics().horizontalAdvance(largo);
        QVERIFY2(
            ventana.width() > estandar && lblMsg->width() >= tinta && lblMsg->x() + tinta <= ventana.width(),
            qPrintable(u"%1 px of text at %2 in a window of %3 px"_s.arg(tinta).arg(lblMsg->x()).arg(ventana.width())));
        ventana.Mensaje = u"Espere..."_s;
        ventana.RefreshMsg();
        QVERIFY(ventana.width() < estandar);
        ventana.close();
        // The guard shows the standard text with the wait cursor while it lives,
        // and takes both away when it goes, an exception included.
        QPointer<frmMsg> aviso;
        try {
            const OperacionEnCurso operacion;
            aviso = &operacion.ventana();
            QVERIFY(aviso->isVisible());
            QCOMPARE(control<QLabel>(aviso, u"lblMsg"_s)->text(), u"Realizando operación, espere por favor..."_s);
            QCOMPARE(QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor,
                     Qt::WaitCursor);
            throw std::runtime_error("operación fallida");
        } catch (const std::runtime_error &) {
        }
        QVERIFY(aviso.isNull());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(TstControles)
#include "tst_controles.moc"
