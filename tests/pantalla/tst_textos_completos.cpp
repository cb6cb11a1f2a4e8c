// Every caption and every list cell of every dialog shows whole, at the
// screen's DPI: the designs are in twips, drawn for a face smaller than the one
// that stands in for it.
#include "app/Vitrina.h"
#include "foundation/controls/Rejilla.h"
#include "tests/support/BaseDatosPrueba.h"
#include "tests/support/Conduccion.h"

#include <QAbstractButton>
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

// Every text the widget would cut: what it is, how wide it is and the room it has.
class Recortes
{
public:
    void medir(const QWidget *control, const QString &que, const QString &texto, int ancho, int sitio)
    {
        if (ancho > sitio)
            m_fallos << u"%1 %2 \"%3\": %4 px in %5 px"_s.arg(control->objectName(), que, texto).arg(ancho).arg(sitio);
    }
    // A label's text must not run under a control beside it either.
    void solapes(const QLabel *etiqueta, int ancho)
    {
        const QRect tinta(etiqueta->geometry().topLeft(), QSize(ancho, etiqueta->height()));
        for (const QObject *hermano : etiqueta->parentWidget()->children()) {
            const auto *otro = qobject_cast<const QWidget *>(hermano);
            if (otro && otro != etiqueta && otro->isVisible() && !qobject_cast<const QLabel *>(otro) &&
                otro->geometry().intersects(tinta))
                m_fallos << u"%1 runs under %2"_s.arg(etiqueta->objectName(), otro->objectName());
        }
    }
    QStringList fallos() const { return m_fallos; }

private:
    QStringList m_fallos;
};

QString sinAtajo(const QString &texto)
{
    return QString(texto).remove(u'&');
}

void etiquetas(const QDialog *d, Recortes &r)
{
    for (const QLabel *l : d->findChildren<QLabel *>()) {
        if (!l->isVisible() || l->text().isEmpty())
            continue;
        const QFontMetrics fm(l->font());
        const QRect sitio = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        const int ancho = fm.horizontalAdvance(l->text());
        r.medir(l, u"width"_s, l->text(), ancho + qMax(0, l->indent()), sitio.width());
        r.medir(l, u"height"_s, l->text(), fm.height(), sitio.height());
        r.solapes(l, ancho);
    }
}

void botones(const QDialog *d, Recortes &r)
{
    for (const QAbstractButton *b : d->findChildren<QAbstractButton *>()) {
        if (!b->isVisible())
            continue;
        QStyleOptionButton opcion;
        opcion.initFrom(b);
        opcion.text = b->text();
        const QRect sitio = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opcion, b);
        r.medir(b, u"caption"_s, b->text(), b->fontMetrics().horizontalAdvance(sinAtajo(b->text())), sitio.width());
    }
}

void marcos(const QDialog *d, Recortes &r)
{
    for (const QGroupBox *g : d->findChildren<QGroupBox *>()) {
        // The style sets the title 8 px in from each side of the frame.
        const int ancho = g->fontMetrics().horizontalAdvance(sinAtajo(g->title()) + u' ');
        r.medir(g, u"title"_s, g->title(), ancho, g->width() - 16);
    }
}

void cabeceras(const QDialog *d, Recortes &r)
{
    for (Rejilla *rejilla : d->findChildren<Rejilla *>()) {
        const QHeaderView *cabecera = rejilla->horizontalHeader();
        const int margen = cabecera->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, cabecera);
        const QFontMetrics fm(cabecera->font());
        for (int c = 0; c < rejilla->Cols(); ++c) {
            if (rejilla->ColHidden(c))
                continue;
            const QString texto = rejilla->TextMatrix(0, c);
            r.medir(rejilla, u"header"_s, texto, fm.horizontalAdvance(texto), cabecera->sectionSize(c) - 2 * margen);
        }
    }
}

// Every cell of every list shows whole, with no scrolling sideways to reach it.
void celdas(const QDialog *d, Recortes &r)
{
    for (Rejilla *rejilla : d->findChildren<Rejilla *>()) {
        if (!rejilla->isVisible())
            continue;
        r.medir(rejilla, u"columns"_s, {}, rejilla->horizontalScrollBar()->maximum(), 0);
        const int margen = rejilla->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, rejilla) + 1;
        for (int f = 1; f < rejilla->Rows(); ++f) {
            for (int c = 0; c < rejilla->Cols(); ++c) {
                const QModelIndex celda = rejilla->model()->index(f - 1, c);
                // A merged band is as wide as its columns together.
                if (!rejilla->ColHidden(c) && rejilla->columnAt(rejilla->visualRect(celda).left()) == c)
                    r.medir(rejilla, u"cell"_s, celda.data().toString(),
                            rejilla->fontMetrics().horizontalAdvance(celda.data().toString()) + 2 * margen,
                            rejilla->visualRect(celda).width());
            }
        }
    }
}

// Every label, button, frame title, grid header and grid cell of the dialog that does not show whole.
QStringList textosRecortados(const QDialog *d)
{
    Recortes r;
    etiquetas(d, r);
    botones(d, r);
    marcos(d, r);
    cabeceras(d, r);
    celdas(d, r);
    return r.fallos();
}

int dpiPedido()
{
    const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI");
    return dpi > 0 ? dpi : 96;
}

} // namespace

class TstTextosCompletos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Proof that the run really is at the DPI it claims: the twips and the font follow it.
        QCOMPARE(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX()), dpiPedido());
    }
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    // The rows of the README's pictures: every dialog and window as a host
    // opens it, every button on; a stock window on a blocked lot ("Desbloquear").
    void cadaVentana_data()
    {
        QTest::addColumn<int>("fila");
        const QList<Vitrina::Ventana> &ventanas = Vitrina::Ventanas();
        for (int i = 0; i < ventanas.size(); ++i)
            QTest::newRow(qPrintable(ventanas[i].nombre)) << i;
    }
    void cadaVentana()
    {
        QFETCH(int, fila);
        const Vitrina::Ventana &ventana = Vitrina::Ventanas().at(fila);
        NVLA_BASE_DATOS(bd, u"sqlite"_s, true);
        QVERIFY(ConDialogo([&] { ventana.abrir(bd); },
                           [&](QDialog *d) {
                               QCOMPARE(d->objectName(), ventana.nombre);
                               if (auto *bloquear = d->findChild<QAbstractButton *>(u"cmdBloquear"_s)) {
                                   auto *lotes = control<Rejilla>(d, u"vsLotes"_s);
                                   lotes->setRow(
                                       lotes->BuscarFila(1, [&](int f) { return lotes->TextMatrix(f, 1) == u"X"_s; }));
                                   QCOMPARE(bloquear->text(), u"Desbloquear"_s);
                               }
                               // The dialogs' face of 8.25 points, at the DPI of the run.
                               QCOMPARE(QFontInfo(d->font()).pixelSize(), qRound(8.25 * dpiPedido() / 72.0));
                               const QStringList recortes = textosRecortados(d);
                               d->reject();
                               QVERIFY2(recortes.isEmpty(), qPrintable(recortes.join(u"; "_s)));
                           }));
    }
};

QTEST_MAIN(TstTextosCompletos)
#include "tst_textos_completos.moc"
