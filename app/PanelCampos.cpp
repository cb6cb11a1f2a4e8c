#include "PanelCampos.h"

#include "foundation/host/Formatos.h"
#include "foundation/values/Conversiones.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>

#include <algorithm>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace NVLALotes::Banco {

PanelCampos::PanelCampos(QWidget *parent)
    : QWidget(parent)
    , m_formulario(new QFormLayout(this))
{}

QLineEdit *PanelCampos::linea(const QString &nombre)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(nombre);
    m_formulario->addRow(nombre, edit);
    return edit;
}

void PanelCampos::texto(const QString &nombre, QString *campo)
{
    QLineEdit *edit = linea(nombre);
    m_enlaces.push_back({[=] { edit->setText(*campo); },
                         [=] {
                             *campo = edit->text();
                             return true;
                         },
                         nombre});
}

void PanelCampos::fecha(const QString &nombre, QDate *campo)
{
    QLineEdit *edit = linea(nombre);
    edit->setPlaceholderText(u"dd/mm/aaaa (vacío: sin fecha)"_s);
    m_enlaces.push_back({[=] { edit->setText(campo->isValid() ? campo->toString(u"dd/MM/yyyy"_s) : QString()); },
                         [=] {
                             const QString t = edit->text().trimmed();
                             if (t.isEmpty()) {
                                 *campo = QDate();
                                 return true;
                             }
                             if (!EsFecha(t))
                                 return false;
                             *campo = FechaDeTexto(t);
                             return true;
                         },
                         nombre});
}

void PanelCampos::booleano(const QString &nombre, bool *campo)
{
    auto *caja = new QCheckBox(this);
    caja->setObjectName(nombre);
    m_formulario->addRow(nombre, caja);
    m_enlaces.push_back({[=] { caja->setChecked(*campo); },
                         [=] {
                             *campo = caja->isChecked();
                             return true;
                         },
                         nombre});
}

namespace {

// A whole number within the field's type, or nothing.
template<class Entero> std::optional<Entero> enteroDe(const QString &texto)
{
    bool ok = false;
    const qlonglong valor = texto.trimmed().toLongLong(&ok);
    if (!ok || valor < std::numeric_limits<Entero>::min() || valor > std::numeric_limits<Entero>::max())
        return std::nullopt;
    return Entero(valor);
}

} // namespace

template<class Entero> void PanelCampos::enteroDeTipo(const QString &nombre, Entero *campo)
{
    QLineEdit *edit = linea(nombre);
    m_enlaces.push_back({[=] { edit->setText(QString::number(*campo)); },
                         [=] {
                             const std::optional<Entero> valor = enteroDe<Entero>(edit->text());
                             if (valor)
                                 *campo = *valor;
                             return valor.has_value();
                         },
                         nombre});
}

void PanelCampos::entero(const QString &nombre, qint32 *campo)
{
    enteroDeTipo(nombre, campo);
}

void PanelCampos::entero16(const QString &nombre, qint16 *campo)
{
    enteroDeTipo(nombre, campo);
}

void PanelCampos::moneda(const QString &nombre, Currency *campo)
{
    QLineEdit *edit = linea(nombre);
    const QLocale &locale = Formatos::instancia().locale();
    m_enlaces.push_back({[=, &locale] { edit->setText(campo->toString(4, locale)); },
                         [=, &locale] {
                             const auto valor = Currency::parse(edit->text(), locale);
                             if (valor)
                                 *campo = *valor;
                             return valor.has_value();
                         },
                         nombre});
}

void PanelCampos::mostrar()
{
    for (const Enlace &enlace : m_enlaces)
        enlace.mostrar();
}

bool PanelCampos::volcar(QString *error)
{
    const auto malo = std::ranges::find_if(m_enlaces, [](const Enlace &enlace) { return !enlace.volcar(); });
    if (malo == m_enlaces.end())
        return true;
    *error = u"El valor de %1 no es válido."_s.arg(malo->nombre);
    return false;
}

} // namespace NVLALotes::Banco
