#include "EtiquetasStock.h"

#include "foundation/controls/Rejilla.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

// A sheet of labels of one lot fills the A4 page.
constexpr int CopiasHoja = 10;

QAction *accion(QDialog *ventana, const QString &nombre, const QString &texto, const QKeySequence &tecla)
{
    auto *nueva = new QAction(texto, ventana);
    nueva->setObjectName(nombre);
    nueva->setShortcut(tecla);
    nueva->setVisible(false);
    ventana->addAction(nueva);
    return nueva;
}

// A hint drawn as a tooltip over the top of the list. Not Qt's own tooltip,
// nor a window of its own: the creation dialog has just closed under the
// mouse, and those go as soon as the mouse crosses from one widget to another,
// before the clerk has read them. This one is part of the window: it stays
// until the clerk moves to another row, the window closes or ten seconds pass.
void mostrarAviso(Rejilla *lista, const QString &texto)
{
    const QString nombre = u"avisoEtiqueta"_s;
    QWidget *ventana = lista->window();
    delete ventana->findChild<QLabel *>(nombre);
    auto *aviso = new QLabel(texto, ventana);
    aviso->setObjectName(nombre);
    aviso->setAttribute(Qt::WA_DeleteOnClose);
    aviso->setAttribute(Qt::WA_TransparentForMouseEvents);
    aviso->setPalette(QToolTip::palette());
    aviso->setBackgroundRole(QPalette::ToolTipBase);
    aviso->setForegroundRole(QPalette::ToolTipText);
    aviso->setAutoFillBackground(true);
    aviso->setFrameStyle(QFrame::Box | QFrame::Plain);
    aviso->setMargin(2);
    // On one line where the window is wide enough, wrapped inside it where not.
    const QPoint esquina = lista->mapTo(ventana, QPoint(0, 0));
    const int ancho = std::min(aviso->sizeHint().width(), ventana->width() - 2 * esquina.x());
    aviso->setWordWrap(true);
    aviso->setGeometry(QRect(esquina, QSize(ancho, aviso->heightForWidth(ancho))));
    aviso->show();
    aviso->raise();
    // The list tells of a change also when its current row is set again as it reads on.
    QObject::connect(lista, &Rejilla::filaCambiada, aviso, [lista, aviso, fila = lista->row()] {
        if (lista->row() != fila)
            aviso->close();
    });
    if (auto *dialogo = qobject_cast<QDialog *>(ventana))
        QObject::connect(dialogo, &QDialog::finished, aviso, &QWidget::close);
    QTimer::singleShot(10000, aviso, &QWidget::close);
}

} // namespace

EtiquetasStock::EtiquetasStock(QDialog *ventana, Rejilla *lista, std::function<qint32(int fila)> loteDeFila,
                               std::function<EtiquetaLote(qint32)> leer)
    : QObject(ventana)
    , m_lista(lista)
    , m_loteDeFila(std::move(loteDeFila))
    , m_leer(std::move(leer))
    , m_etiqueta(accion(ventana, u"actEtiqueta"_s, u"Imprimir etiqueta del lote"_s, Qt::CTRL | Qt::Key_E))
    , m_hoja(accion(ventana, u"actHojaEtiquetas"_s, u"Imprimir hoja A4 de etiquetas del lote"_s,
                    Qt::CTRL | Qt::SHIFT | Qt::Key_E))
{
    m_lista->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_lista, &QWidget::customContextMenuRequested, this, &EtiquetasStock::menu);
    connect(m_lista, &Rejilla::filaCambiada, this, &EtiquetasStock::filaCambiada);
    connect(m_etiqueta, &QAction::triggered, this, [this] { imprimir(PapelEtiquetas::Etiquetadora); });
    connect(m_hoja, &QAction::triggered, this, [this] { imprimir(PapelEtiquetas::HojaA4); });
}

qint32 EtiquetasStock::loteActual() const
{
    return m_loteDeFila(m_lista->row());
}

void EtiquetasStock::activar(bool activas)
{
    m_activas = activas;
    filaCambiada();
}

void EtiquetasStock::filaCambiada()
{
    const bool visibles = m_activas && loteActual() > 0;
    m_etiqueta->setVisible(visibles);
    m_hoja->setVisible(visibles);
}

void EtiquetasStock::menu(const QPoint &donde)
{
    if (!m_etiqueta->isVisible())
        return;
    QMenu menu(m_lista);
    menu.addActions({m_etiqueta, m_hoja});
    menu.exec(m_lista->viewport()->mapToGlobal(donde));
}

void EtiquetasStock::imprimir(PapelEtiquetas papel)
{
    const qint32 lote = loteActual();
    if (lote <= 0)
        return;
    const int copias = papel == PapelEtiquetas::HojaA4 ? CopiasHoja : 1;
    verEtiquetas(repetidas({m_leer(lote)}, copias), papel, true);
}

void EtiquetasStock::ofrecer(qint32 lote)
{
    if (!m_activas || lote <= 0)
        return;
    const int fila = m_lista->buscarFila(1, [&](int f) { return m_loteDeFila(f) == lote; });
    if (fila < 0)
        return;
    m_lista->setRow(fila);
    mostrarAviso(m_lista, u"Lote creado. Ctrl+E imprime su etiqueta; Ctrl+Mayús+E, una hoja A4 de ellas."_s);
}

} // namespace NVLALotes
