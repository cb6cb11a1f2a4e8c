#include "PanelCampos.h"

#include "foundation/core/host/Formatos.h"
#include "foundation/core/values/Conversiones.h"

#include <nvlalotes/Currency.h>
#include <nvlalotes/frmclsLotesFacturacion.h>

#include <QCheckBox>
#include <QDate>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>

#include <algorithm>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace NVLALotes::Banco {

namespace {

// A field's value as the tester types it, and back; nothing when the text is
// no value of the field's type.
struct Texto
{
    std::function<QString(const QVariant &)> mostrar;
    std::function<std::optional<QVariant>(const QString &)> leer;
    QString ayuda;
};

template<class Entero> Texto textoEntero()
{
    return {[](const QVariant &v) { return QString::number(v.value<Entero>()); },
            [](const QString &t) -> std::optional<QVariant> {
                bool ok = false;
                const qlonglong valor = t.trimmed().toLongLong(&ok);
                if (!ok || valor < std::numeric_limits<Entero>::min() || valor > std::numeric_limits<Entero>::max())
                    return std::nullopt;
                return QVariant::fromValue(Entero(valor));
            },
            {}};
}

Texto textoFecha()
{
    return {[](const QVariant &v) {
                const QDate fecha = v.toDate();
                return fecha.isValid() ? fecha.toString(u"dd/MM/yyyy"_s) : QString();
            },
            [](const QString &texto) -> std::optional<QVariant> {
                const QString t = texto.trimmed();
                if (t.isEmpty())
                    return QVariant(QDate());
                if (!esFecha(t))
                    return std::nullopt;
                return QVariant(fechaDeTexto(t));
            },
            u"dd/mm/aaaa (vacío: sin fecha)"_s};
}

Texto textoMoneda()
{
    const QLocale &locale = Formatos::instancia().locale();
    return {[&locale](const QVariant &v) { return v.value<Currency>().toString(4, locale); },
            [&locale](const QString &t) -> std::optional<QVariant> {
                const auto valor = Currency::parse(t, locale);
                return valor ? std::optional<QVariant>(QVariant::fromValue(*valor)) : std::nullopt;
            },
            {}};
}

std::optional<Texto> textoDeTipo(QMetaType tipo)
{
    if (tipo == QMetaType::fromType<QString>())
        return Texto{[](const QVariant &v) { return v.toString(); },
                     [](const QString &t) -> std::optional<QVariant> { return QVariant(t); },
                     {}};
    if (tipo == QMetaType::fromType<qint32>())
        return textoEntero<qint32>();
    if (tipo == QMetaType::fromType<qint16>())
        return textoEntero<qint16>();
    if (tipo == QMetaType::fromType<QDate>())
        return textoFecha();
    if (tipo == QMetaType::fromType<Currency>())
        return textoMoneda();
    return std::nullopt;
}

// An output list of lots, one a line: key, code, expiry, tone and caliber, units.
QString textoReparto(const QList<LoteReparto> &lotes)
{
    const QLocale &locale = Formatos::instancia().locale();
    QStringList lineas;
    for (const LoteReparto &l : lotes)
        lineas << u"%1 %2 %3 %4 %5: %6"_s.arg(l.Cod_Lote)
                      .arg(l.Lote, l.Caducidad.toString(u"dd/MM/yyyy"_s), l.Tono, l.Calibre,
                           l.Unidades.toString(2, locale));
    return lineas.isEmpty() ? u"(ninguno)"_s : lineas.join(u'\n');
}

} // namespace

PanelCampos::PanelCampos(const QMetaObject &meta, void *clase, QWidget *parent)
    : QWidget(parent)
    , m_formulario(new QFormLayout(this))
{
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty campo = meta.property(i);
        const QString nombre = QString::fromLatin1(campo.name());
        if (campo.metaType() == QMetaType::fromType<bool>()) {
            auto *caja = new QCheckBox(this);
            caja->setObjectName(nombre);
            m_formulario->addRow(nombre, caja);
            m_enlaces.push_back({[=] { caja->setChecked(campo.readOnGadget(clase).toBool()); },
                                 [=] { return campo.writeOnGadget(clase, caja->isChecked()); }, nombre});
            continue;
        }
        if (campo.metaType() == QMetaType::fromType<QList<LoteReparto>>()) {
            auto *lotes = new QLabel(this);
            lotes->setObjectName(nombre);
            lotes->setTextInteractionFlags(Qt::TextSelectableByMouse);
            m_formulario->addRow(nombre, lotes);
            m_enlaces.push_back(
                {[=] { lotes->setText(textoReparto(campo.readOnGadget(clase).value<QList<LoteReparto>>())); },
                 [] { return true; }, nombre});
            continue;
        }
        const std::optional<Texto> texto = textoDeTipo(campo.metaType());
        if (!texto)
            continue;
        auto *edit = new QLineEdit(this);
        edit->setObjectName(nombre);
        edit->setPlaceholderText(texto->ayuda);
        m_formulario->addRow(nombre, edit);
        m_enlaces.push_back({[=] { edit->setText(texto->mostrar(campo.readOnGadget(clase))); },
                             [=] {
                                 const std::optional<QVariant> valor = texto->leer(edit->text());
                                 return valor && campo.writeOnGadget(clase, *valor);
                             },
                             nombre});
    }
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
