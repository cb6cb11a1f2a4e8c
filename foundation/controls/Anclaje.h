#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

namespace NVLALotes {

// Anchoring of a form's controls, from the form's stored settings alone.
// An anchored control keeps its distance to the edges it is anchored to
// (1 left, 2 top, 4 right, 8 bottom) when the form is resized.
class Anclaje final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Anclaje)

public:
    enum Borde { Izquierda = 1, Arriba = 2, Derecha = 4, Abajo = 8 };

    struct Control
    {
        QString nombre;
        int anclaje = 0;
        QRect sizeIni; // design rectangle in twips
    };

    struct Configuracion
    {
        int formW = 0; // outer size at design, twips
        int formH = 0;
        bool ajustarForm = false;
        int resolucionAncho = 800;
        int resolucionAlto = 600;
        QSize areaCliente; // inner size at design, twips
        QList<Control> controles;
    };

    // Attaches to the form; the controls are found by objectName.
    Anclaje(QWidget *form, Configuracion configuracion);

    const Configuracion &configuracion() const { return m_config; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void recolocar();
    void ajustarAPantalla();

    QWidget *m_form;
    Configuracion m_config;
};

} // namespace NVLALotes
