// Every caption and every list cell of every dialog shows whole, at the
// screen's DPI: the designs are in twips, drawn for a face smaller than the one
// that stands in for it. And a screen reader has a name to tell for every
// control the clerk reaches and every list.
#include "app/Vitrina.h"
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxAlmacen.h"
#include "foundation/entry/VentanaLotes.h"
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

// The dialog's fixed texts, sorted: its caption, "control=text" of every label,
// button and frame, "list=header|header..." of every list, and "list~band" of
// every band of equal cells a list's merged row shows ("- SELECCIÓN
// AUTOMÁTICA -").
QString textosFijos(const QDialog *d)
{
    QStringList textos;
    for (const QWidget *w : d->findChildren<QWidget *>()) {
        QString texto;
        if (const auto *l = qobject_cast<const QLabel *>(w))
            texto = l->text();
        else if (const auto *b = qobject_cast<const QAbstractButton *>(w))
            texto = b->text();
        else if (const auto *g = qobject_cast<const QGroupBox *>(w))
            texto = g->title();
        else if (const auto *r = qobject_cast<const Rejilla *>(w)) {
            for (int c = 0; c < r->cols(); ++c)
                texto += (c ? u"|"_s : QString()) + r->textMatrix(0, c);
            for (int f = 1; f < r->rows(); ++f)
                for (int c = 1; r->modelo()->filaUnida(f) && c < r->cols(); ++c)
                    if (!r->textMatrix(f, c).isEmpty() && r->textMatrix(f, c) == r->textMatrix(f, c - 1) &&
                        (c < 2 || r->textMatrix(f, c) != r->textMatrix(f, c - 2)))
                        textos << w->objectName() + u'~' + r->textMatrix(f, c);
        }
        // The warehouse picker's own name and list button are not the dialog's.
        if (!texto.isEmpty() && !w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"_s) &&
            !qobject_cast<const kxAlmacen *>(w->parentWidget()))
            textos << w->objectName() + u'=' + texto;
    }
    // The name a window's error titles begin with, where it is not its objectName.
    const QString titulo = static_cast<const VentanaLotes *>(d)->tituloError({}).chopped(1);
    if (titulo != d->objectName())
        textos << u"errores="_s + titulo;
    textos.sort();
    return (QStringList{d->windowTitle()} + textos).join(u';');
}

// What the clerk reads on each dialog, word for word.
const QHash<QString, QString> TextosEsperados{
    {u"frmLotesDatos1"_s,
     u"Control de Lotes;Label1=Lote:;Label2=Caducidad:;cmdAceptar=&Aceptar;cmdCancelar=&Cancelar"_s},
    {u"frmLotesDatos2"_s,
     u"Control de Lotes;cmdAceptar=&Aceptar;cmdCancelar=&Cancelar;lblCaducidad=Caducidad:;lblCalibre=Calibre:;lblTono=Tono:"_s},
    {u"frmLotesStockFacturar1"_s, u"Lotes en Stock;cmdAceptar=&Aceptar;cmdCancelar=&Cancelar;frmNuevoLote=Manual;"
                                  u"lblCaducidad=Caducidad:;lblLote=Lote:;vsLotes=|Stock|Caducidad|Lote;"
                                  u"vsLotes~- SELECCIÓN AUTOMÁTICA -"_s},
    {u"frmLotesStockFacturar2"_s,
     u"Especifique Tono / Calibre;cmdAceptar=&Aceptar;cmdCancelar=&Cancelar;cmdContinuar=C&ontinuar sin Tono / Calibre;"
     u"frmNuevoLote=Manual;lblCaducidad=Caducidad:;lblCalibre=Calibre:;lblTono=Tono:;"
     u"vsLotes=|Blq|Stock|Tono|Calibre|Caducidad;vsLotes~- SELECCIÓN AUTOMÁTICA -"_s},
    {u"frmLotesStockReg1"_s,
     u"Regularización de Lotes;cmdAceptar=&Aceptar;cmdCancelar=&Cancelar;vsLotes=|Stock|Caducidad|Lote"_s},
    {u"frmLotesStockReg2"_s,
     u"Regularización de Tono / Calibre;cmdAceptar=&Aceptar;cmdCancelar=&Cancelar;vsLotes=|Stock|Tono|Calibre|Caducidad"_s},
    {u"frmInventarioLotes1"_s, u"Lotes de Artículos;cmdAceptar=&Aceptar;cmdCancelar=&Cancelar;frmNuevoLote=Manual;"
                               u"lblCaducidad=Caducidad:;lblLote=Lote:;vsLotes=|Caducidad|Lote"_s},
    {u"frmInventarioLotes2"_s,
     u"Especifique Tono / Calibre;cmdAceptar=&Aceptar;cmdCancelar=&Cancelar;frmNuevoLote=Manual;"
     u"lblCaducidad=Caducidad:;lblCalibre=Calibre:;lblTono=Tono:;"
     u"vsLotes=|Tono|Calibre|Caducidad|Unidades"_s},
    {u"frmLotesStockAlm1"_s, u"Stock x Lotes;Label1=Almacén:;cmdCrear=&Crear;cmdSalir=&Salir;errores=frmLotecStockAlm1;"
                             u"vsLotes=|Stock|Lote|Caducidad"_s},
    {u"frmLotesStockAlm2"_s,
     u"Stock x Lotes;Label1=Almacén:;cmdBloquear=Desbloquear;cmdCrear=&Crear;cmdSalir=&Salir;"
     u"errores=frmLotecStockAlm2;lblAPE=Clientes Pendiente de Entrega:;vsAPE=Cliente|Cliente|T|Fecha|Doc.|Unidades;"
     u"vsLotes=|Blq|Stock|Tono|Calibre|Caducidad;vsLotes~PENDIENTE DE ENTREGA"_s},
};

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
                               // On a blocked lot the button reads "Desbloquear", the longer caption.
                               if (d->findChild<QAbstractButton *>(u"cmdBloquear"_s) != nullptr)
                                   elegirFila(d, {{1, u"X"_s}});
                               // The dialogs' face of 8.25 points, at the DPI of the run.
                               QCOMPARE(QFontInfo(d->font()).pixelSize(), qRound(8.25 * DpiPedido / 72.0));
                               QCOMPARE(textosFijos(d), TextosEsperados.value(ventana.nombre));
                               const QStringList fallos =
                                   textosRecortados(d) + sinNombre(QAccessible::queryAccessibleInterface(d));
                               d->reject();
                               QVERIFY2(fallos.isEmpty(), qPrintable(fallos.join(u"; "_s)));
                           }));
    }
};

QTEST_MAIN(TstTextosCompletos)
#include "tst_textos_completos.moc"
