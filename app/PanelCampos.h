#pragma once

#include <nvlalotes/Currency.h>

#include <QDate>
#include <QWidget>

#include <functional>
#include <vector>

class QFormLayout;
class QLineEdit;

namespace NVLALotes::Banco {

// A form over the public fields of an entry class: the tester edits them, the
// page copies them into the class before Show and shows them again after it.
class PanelCampos final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PanelCampos)

public:
    explicit PanelCampos(QWidget *parent = nullptr);

    void texto(const QString &nombre, QString *campo);
    void fecha(const QString &nombre, QDate *campo);
    void booleano(const QString &nombre, bool *campo);
    void entero(const QString &nombre, qint32 *campo);
    void entero16(const QString &nombre, qint16 *campo);
    void moneda(const QString &nombre, Currency *campo);

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
    QLineEdit *linea(const QString &nombre);
    template<class Entero> void enteroDeTipo(const QString &nombre, Entero *campo);

    QFormLayout *m_formulario;
    std::vector<Enlace> m_enlaces;
};

} // namespace NVLALotes::Banco
