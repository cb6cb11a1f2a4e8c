#include "PanelCampos.h"

#include "foundation/host/Formatos.h"
#include "foundation/values/Conversiones.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>

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

void PanelCampos::entero(const QString &nombre, qint32 *campo)
{
    QLineEdit *edit = linea(nombre);
    m_enlaces.push_back({[=] { edit->setText(QString::number(*campo)); },
                         [=] {
                             bool ok = false;
                             const qint32 valor = edit->text().trimmed().toInt(&ok);
                             if (ok)
                                 *campo = valor;
                             return ok;
                         },
                         nombre});
}

void PanelCampos::entero16(const QString &nombre, qint16 *campo)
{
    QLineEdit *edit = linea(nombre);
    m_enlaces.push_back({[=] { edit->setText(QString::number(*campo)); },
                         [=] {
                             bool ok = false;
                             const qint16 valor = edit->text().trimmed().toShort(&ok);
                             if (ok)
                                 *campo = valor;
                             return ok;
                         },
                         nombre});
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
    for (const Enlace &enlace : m_enlaces) {
        if (!enlace.volcar()) {
            *error = u"El valor de %1 no es válido."_s.arg(enlace.nombre);
            return false;
        }
    }
    return true;
}

} // namespace NVLALotes::Banco
