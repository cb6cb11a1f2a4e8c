#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Layout is given in twips (1/1440 inch) and turned into pixels through the
// screen's logical DPI, so a dialog has its designed size on a 96-DPI screen
// (15 twips a pixel) and scales on others.
namespace NVLALotes::Twips {

int aPixelesX(int twips);
int aPixelesY(int twips);
int dePixelesX(int pixeles);
QRect rect(int left, int top, int width, int height);
QSize size(int width, int height);
// Places a child widget at a rectangle in twips, relative to its parent.
void colocar(QWidget *widget, int left, int top, int width, int height);
void colocar(QWidget *widget, const QRect &twips);

} // namespace NVLALotes::Twips
