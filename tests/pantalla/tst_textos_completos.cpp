// Every caption and every list cell of every dialog shows whole, at the
// screen's DPI: the designs are in twips, drawn for a face smaller than the one
// that stands in for it. And a screen reader has a name to tell for every
// control the clerk reaches and every list.
#include "app/Vitrina.h"
#include "foundation/controls/Rejilla.h"
#include "tests/support/BaseDatosPrueba.h"
#include "tests/support/Conduccion.h"
#include "tests/support/Entrada.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// Every label, button, frame title, grid header and grid cell of the dialog
// that does not show whole, every label whose text runs under a control beside
// it, and every list that scrolls sideways.
QStringList textosRecortados(const QDialog *d)
{
    QStringList fallos;
    const auto medir = [&](const QWidget *control, const QString &texto, int ancho, int sitio) {
        if (ancho > sitio)
            fallos << u"%1 \"%2\": %3 px in %4 px"_s.arg(control->objectName(), texto).arg(ancho).arg(sitio);
    };
    for (const QLabel *l : d->findChildren<QLabel *>()) {
        if (!l->isVisible() || l->text().isEmpty())
            continue;
        const QFontMetrics fm(l->font());
        const QRect sitio = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        const int ancho = fm.horizontalAdvance(l->text());
        medir(l, l->text(), ancho + qMax(0, l->indent()), sitio.width());
        medir(l, l->text() + u" (height)"_s, fm.height(), sitio.height());
        const QRect tinta(l->geometry().topLeft(), QSize(ancho, l->height()));
        for (const QWidget *otro : l->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (otro != l && otro->isVisible() && !qobject_cast<const QLabel *>(otro) &&
                otro->geometry().intersects(tinta))
                fallos << u"%1 runs under %2"_s.arg(l->objectName(), otro->objectName());
    }
    for (const QAbstractButton *b : d->findChildren<QAbstractButton *>()) {
        if (!b->isVisible())
            continue;
        QStyleOptionButton opcion;
        opcion.initFrom(b);
        opcion.text = b->text();
        const QRect sitio = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opcion, b);
        medir(b, b->text(), b->fontMetrics().horizontalAdvance(QString(b->text()).remove(u'&')), sitio.width());
    }
    // The style sets a frame's title 8 px in from each side.
    for (const QGroupBox *g : d->findChildren<QGroupBox *>())
        medir(g, g->title(), g->fontMetrics().horizontalAdvance(QString(g->title()).remove(u'&') + u' '),
              g->width() - 16);
    for (Rejilla *rejilla : d->findChildren<Rejilla *>()) {
        const QHeaderView *cabecera = rejilla->horizontalHeader();
        const int margen = cabecera->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, cabecera);
        for (int c = 0; c < rejilla->cols(); ++c)
            if (!rejilla->colHidden(c))
                medir(rejilla, rejilla->textMatrix(0, c),
                      cabecera->fontMetrics().horizontalAdvance(rejilla->textMatrix(0, c)),
                      cabecera->sectionSize(c) - 2 * margen);
        if (!rejilla->isVisible())
            continue;
        medir(rejilla, u"columns"_s, rejilla->horizontalScrollBar()->maximum(), 0);
        const int margenCelda = rejilla->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, rejilla) + 1;
        for (int f = 1; f < rejilla->rows(); ++f)
            for (int c = 0; c < rejilla->cols(); ++c) {
                const QModelIndex celda = rejilla->model()->index(f - 1, c);
                // A merged band is as wide as its columns together.
                if (!rejilla->colHidden(c) && rejilla->columnAt(rejilla->visualRect(celda).left()) == c)
                    medir(rejilla, celda.data().toString(),
                          rejilla->fontMetrics().horizontalAdvance(celda.data().toString()) + 2 * margenCelda,
                          rejilla->visualRect(celda).width());
            }
    }
    return fallos;
}

// The focusable controls and the lists of the dialog's accessibility tree that have no name.
QStringList sinNombre(QAccessibleInterface *elemento)
{
    QStringList fallos;
    if (!elemento || elemento->state().invisible)
        return fallos;
    const bool lista = elemento->role() == QAccessible::Table;
    if ((elemento->state().focusable || lista) && elemento->text(QAccessible::Name).isEmpty())
        fallos << elemento->object()->objectName() + u" has no accessible name"_s;
    // A list's cells are named by their own text.
    for (int i = 0; !lista && i < elemento->childCount(); ++i)
        fallos << sinNombre(elemento->child(i));
    return fallos;
}

const int DpiPedido = qEnvironmentVariableIsSet("QT_FONT_DPI") ? qEnvironmentVariableIntValue("QT_FONT_DPI") : 96;

} // namespace

class TstTextosCompletos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Proof that the run really is at the DPI it claims: the twips and the font follow it.
        QCOMPARE(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX()), DpiPedido);
    }
    void cleanup() { QVERIFY(ningunaVentanaAbierta()); }

    // The rows of the README's pictures: every dialog and window as a host
    // opens it, every button on; a stock window on a blocked lot ("Desbloquear").
    void cadaVentana_data()
    {
        QTest::addColumn<int>("fila");
        for (int i = 0; i < Vitrina::ventanas().size(); ++i)
            QTest::newRow(qPrintable(Vitrina::ventanas().at(i).nombre)) << i;
    }
    void cadaVentana()
    {
        QFETCH(int, fila);
        const Vitrina::Ventana &ventana = Vitrina::ventanas().at(fila);
        NVLA_BASE_DATOS(bd, u"sqlite"_s, true);
        QVERIFY(conDialogo([&] { ventana.abrir(bd); },
                           [&](QDialog *d) {
                               QCOMPARE(d->objectName(), ventana.nombre);
                               if (auto *bloquear = d->findChild<QAbstractButton *>(u"cmdBloquear"_s)) {
                                   elegirFila(d, {{1, u"X"_s}});
                                   QCOMPARE(bloquear->text(), u"Desbloquear"_s);
                               }
                               // The dialogs' face of 8.25 points, at the DPI of the run.
                               QCOMPARE(QFontInfo(d->font()).pixelSize(), qRound(8.25 * DpiPedido / 72.0));
                               const QStringList fallos =
                                   textosRecortados(d) + sinNombre(QAccessible::queryAccessibleInterface(d));
                               d->reject();
                               QVERIFY2(fallos.isEmpty(), qPrintable(fallos.join(u"; "_s)));
                           }));
    }
};

QTEST_MAIN(TstTextosCompletos)
#include "tst_textos_completos.moc"
