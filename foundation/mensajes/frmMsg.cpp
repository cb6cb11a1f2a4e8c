#include "frmMsg.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/Twips.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QStyle>

#include <cmath>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

constexpr int AnchoDiseno = 6270;
constexpr int AltoDiseno = 705;
// Room for the picture at the left and a margin at the right of the text.
constexpr int MargenTexto = 2500;
constexpr int IzquierdaEtiqueta = 1170;

// The width of a text in the window's face, bold, 8 points, in twips. It is
// measured at the screen's logical DPI, the same one the twips are turned into
// pixels at, so no printer (nor any other device) is needed.
int anchoTextoTwips(QFont letra, const QString &texto)
{
    letra.setPointSize(8);
    letra.setBold(true);
    const QFontMetricsF medidas(letra);
    return Twips::dePixelesX(int(std::ceil(medidas.horizontalAdvance(texto))));
}

} // namespace

frmMsg::frmMsg(QWidget *parent)
    : VentanaLotes(parent)
{
    setObjectName(u"frmMsg"_s);
    // No title text, so no title bar at all; the window draws its own border.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    fijarAreaCliente(AnchoDiseno, AltoDiseno);

    auto *Image1 = Formulario::etiqueta(this, u"Image1"_s, QString(), {240, 120, 480, 480});
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(Image1->size()));

    lblMsg = Formulario::etiqueta(this, u"lblMsg"_s, u"Realizando operación, espere un momento por favor..."_s,
                                  {IzquierdaEtiqueta, 240, 4620, 195});
    QFont negrita = lblMsg->font();
    negrita.setBold(true);
    lblMsg->setFont(negrita);
    lblMsg->resize(qMax(lblMsg->width(), lblMsg->sizeHint().width()), lblMsg->height());
}

frmMsg::~frmMsg() = default;

void frmMsg::RefreshMsg()
{
    if (!Mensaje.isEmpty()) {
        lblMsg->setText(Mensaje);
        lblMsg->resize(qMax(lblMsg->width(), lblMsg->sizeHint().width()), lblMsg->height());
    }
    lblMsg->repaint();
    // The measure is of Mensaje, not of the caption: an empty one leaves only the margin.
    setFixedSize(Twips::aPixelesX(anchoTextoTwips(font(), Mensaje) + MargenTexto), height());
}

void frmMsg::setVisible(bool visible)
{
    if (visible && !m_cargado) {
        m_cargado = true;
        RefreshMsg();
    }
    VentanaLotes::setVisible(visible);
}

void frmMsg::paintEvent(QPaintEvent *event)
{
    VentanaLotes::paintEvent(event);
    QPainter pintor(this);
    pintor.setPen(palette().color(QPalette::Dark));
    pintor.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace NVLALotes
