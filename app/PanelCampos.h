#pragma once

#include <QMetaObject>
#include <QWidget>

#include <functional>
#include <vector>

class QFormLayout;

namespace NVLALotes::Banco {

// A form over the public fields of an entry class, one editor per declared
// field in declaration order: the tester edits them, the page copies them
// into the class before Show and shows them again after it.
class PanelCampos final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PanelCampos)

public:
    // `clase` is the entry class whose fields `meta` declares.
    PanelCampos(const QMetaObject &meta, void *clase, QWidget *parent = nullptr);

    // Fields into the widgets.
    void mostrar();
    // Widgets into the fields; answers false (and names the field) on bad input.
    bool volcar(QString *error);

private:
    struct Enlace
    {
        std::function<void()> mostrar;
        std::function<bool()> volcar;
        QString nombre;
    };

    QFormLayout *m_formulario;
    std::vector<Enlace> m_enlaces;
};

} // namespace NVLALotes::Banco
