#include "ListaAlmacenes.h"

#include "foundation/controls/CodigosTecla.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/Twips.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

constexpr int AnchoCodigoTwips = 700;
constexpr int AnchoNombreTwips = 3300;
// More warehouses than this scroll rather than run off the screen.
constexpr int FilasVisibles = 10;

} // namespace

ListaAlmacenes::ListaAlmacenes(QWidget *selector, const QList<DatosAlmacen> &almacenes, qint16 actual)
    : QFrame(selector, Qt::Popup)
    , m_selector(selector)
    , m_rejilla(new Rejilla(this))
{
    setObjectName(u"lstAlmacenes"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::Box);
    m_rejilla->setObjectName(u"vsAlmacenes"_s);
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(1, 1, 1, 1);
    capa->addWidget(m_rejilla);

    m_rejilla->setCols(2);
    m_rejilla->setRows(1);
    m_rejilla->setTextMatrix(0, 0, u"Código"_s);
    m_rejilla->setTextMatrix(0, 1, u"Nombre"_s);
    m_rejilla->setColWidth(0, AnchoCodigoTwips);
    m_rejilla->setColWidth(1, AnchoNombreTwips);
    m_rejilla->setColAlignment(0, Rejilla::Alineacion::DerechaCentro);
    m_rejilla->setColAlignment(1, Rejilla::Alineacion::IzquierdaCentro);
    m_rejilla->horizontalHeader()->setStretchLastSection(true);
    int filaActual = 1;
    for (const DatosAlmacen &almacen : almacenes) {
        m_rejilla->addItem(QString::number(almacen.codigo) + u'\t' + almacen.nombre);
        if (almacen.codigo == actual)
            filaActual = m_rejilla->rows() - 1;
    }
    if (m_rejilla->rows() > 1)
        m_rejilla->setRow(filaActual);

    connect(m_rejilla, &Rejilla::teclaPulsada, this, [this](int caracter) {
        if (caracter == CodigosTecla::Intro)
            elegir();
        else if (caracter == CodigosTecla::Escape)
            cerrar();
    });
    connect(m_rejilla, &Rejilla::doubleClicked, this, &ListaAlmacenes::elegir);
}

void ListaAlmacenes::abrir()
{
    const int alto = m_rejilla->horizontalHeader()->height() + (std::min(m_rejilla->rows() - 1, FilasVisibles) + 1) *
                                                                   m_rejilla->verticalHeader()->defaultSectionSize();
    const int ancho = std::max(m_selector->width(), Twips::aPixelesX(AnchoCodigoTwips + AnchoNombreTwips) + 24);
    setGeometry(QRect(m_selector->mapToGlobal(QPoint(0, m_selector->height())), QSize(ancho, alto)));
    show();
    m_rejilla->setFocus();
}

void ListaAlmacenes::cerrar()
{
    close();
    Q_EMIT cerrada();
}

void ListaAlmacenes::elegir()
{
    const int fila = m_rejilla->row();
    if (fila < 1)
        return;
    const auto almacen = qint16(m_rejilla->textMatrix(fila, 0).toInt());
    cerrar();
    Q_EMIT elegido(almacen);
}

} // namespace NVLALotes
