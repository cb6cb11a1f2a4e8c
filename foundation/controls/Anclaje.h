#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QVariant>

#include <array>
#include <utility>

class QWidget;

namespace NVLALotes {

// Anchoring of a form's controls, from the form's stored settings alone.
// An anchored control keeps its distance to the edges it is anchored to
// (1 left, 2 top, 4 right, 8 bottom) when the form is resized.
class NVLA_EXPORT Anclaje final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Anclaje)

public:
    enum Borde { Izquierda = 1, Arriba = 2, Derecha = 4, Abajo = 8 };

    // The settings as each window stores them, by name: "formw", "formh",
    // "ajustarform", "resolucionancho", "resolucionalto", and for the n-th
    // anchored control "anclajeN.nombre", "anclajeN.anclaje", "anclajeN.sizeini",
    // "anclajeN.location" and "anclajeN.porcresize" (four numbers, comma-separated).
    using Ajustes = QList<std::pair<QString, QVariant>>;

    struct Control
    {
        QString nombre;
        int anclaje = 0;
        QRect sizeIni; // design rectangle in twips
        // Distances from the design inner size W x H: W - left, H - top, W - width, H - height.
        std::array<int, 4> location{};
        // Shares of the size change (percent) added to left, top, width and height.
        std::array<double, 4> porcResize{};
    };

    struct Configuracion
    {
        int formW = 0; // outer size at design, twips
        int formH = 0;
        bool ajustarForm = false;
        int resolucionAncho = 800;
        int resolucionAlto = 600;
        QList<Control> controles;

        // An unreadable or incomplete entry throws ErrorLotes: a window whose
        // settings are wrong must not come up half anchored.
        static Configuracion leer(const Ajustes &ajustes);
        // The inner size the controls were placed in, from the first anchored
        // control's rectangle and distances; empty when nothing is anchored.
        QSize areaCliente() const;
    };

    // The settings of a window with no anchored control.
    static Ajustes sinAnclados(int formW, int formH, bool ajustarForm);

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
