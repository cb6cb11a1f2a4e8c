#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace NVLALotes::Twips {

namespace {

constexpr double TwipsPorPulgada = 1440.0;

QSizeF dpiLogico()
{
    if (const QScreen *pantalla = QGuiApplication::primaryScreen())
        return {pantalla->logicalDotsPerInchX(), pantalla->logicalDotsPerInchY()};
    return {96.0, 96.0};
}

} // namespace

int aPixelesX(int twips)
{
    return int(std::lround(twips * dpiLogico().width() / TwipsPorPulgada));
}

int aPixelesY(int twips)
{
    return int(std::lround(twips * dpiLogico().height() / TwipsPorPulgada));
}

int dePixelesX(int pixeles)
{
    return int(std::lround(pixeles * TwipsPorPulgada / dpiLogico().width()));
}

QRect rect(int left, int top, int width, int height)
{
    return {aPixelesX(left), aPixelesY(top), aPixelesX(width), aPixelesY(height)};
}

QSize size(int width, int height)
{
    return {aPixelesX(width), aPixelesY(height)};
}

void colocar(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(rect(left, top, width, height));
}

void colocar(QWidget *widget, const QRect &twips)
{
    colocar(widget, twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace NVLALotes::Twips
