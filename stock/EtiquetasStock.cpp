#include "EtiquetasStock.h"

#include "foundation/controls/Rejilla.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QToolTip>

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
    QToolTip::showText(m_lista->mapToGlobal(QPoint(0, 0)),
                       u"Lote creado. Ctrl+E imprime su etiqueta; Ctrl+Mayús+E, una hoja A4 de ellas."_s, m_lista);
}

} // namespace NVLALotes
