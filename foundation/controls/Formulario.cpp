#include "Formulario.h"

#include "foundation/controls/PushButton.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/Twips.h"
#include "foundation/controls/kxAlmacen.h"
#include "foundation/controls/kxMaskEdBox.h"

#include <QGroupBox>
#include <QLabel>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NVLALotes::Formulario {

namespace {

constexpr const char *PropiedadTab = "nvlaPosicionTab";

// Each control keeps its position; those that take the focus are chained in
// the order given.
void encadenar(const QList<PosicionTab> &orden)
{
    QWidget *anterior = nullptr;
    for (const auto &[control, posicion] : orden) {
        control->setProperty(PropiedadTab, posicion);
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (anterior)
            QWidget::setTabOrder(anterior, control);
        anterior = control;
    }
}

template<class Control> Control *colocado(Control *control, const QString &nombre, const QRect &twips)
{
    control->setObjectName(nombre);
    Twips::colocar(control, twips);
    return control;
}

// The designs declare a box right after the label that names it, in the same
// parent. That label becomes the box's buddy (a mnemonic in its caption
// reaches the box) and its words the box's accessible name, so a screen reader
// says "Lote", not "edit". Answers whether the box found its label.
bool rotular(QWidget *caja)
{
    const QObjectList &hermanos = caja->parent()->children();
    QObject *anterior = nullptr;
    for (qsizetype i = hermanos.indexOf(caja) - 1; i >= 0 && !anterior; --i)
        anterior = hermanos.at(i)->isWidgetType() ? hermanos.at(i) : nullptr;
    auto *etiqueta = qobject_cast<QLabel *>(anterior);
    if (etiqueta == nullptr || etiqueta->text().isEmpty() || etiqueta->buddy() != nullptr)
        return false;
    etiqueta->setBuddy(caja);
    QString nombre = etiqueta->text().remove(u'&').trimmed();
    if (nombre.endsWith(u':'))
        nombre.chop(1);
    caja->setAccessibleName(nombre);
    // A composite box takes the focus in one of its parts: that part is what the reader announces.
    if (QWidget *parte = caja->focusProxy())
        parte->setAccessibleName(nombre);
    return true;
}

template<class Caja> Caja *rotulado(Caja *caja, const QString &nombre, const QRect &twips)
{
    colocado(caja, nombre, twips);
    rotular(caja);
    return caja;
}

} // namespace

QLabel *etiqueta(QWidget *padre, const QString &nombre, const QString &texto, const QRect &twips)
{
    QLabel *etiqueta = colocado(new QLabel(texto, padre), nombre, twips);
    // The designs were drawn for a narrower face than the one standing in for it:
    // a caption wider than its designed box grows to the right instead of losing its end.
    if (const int ancho = etiqueta->sizeHint().width(); ancho > etiqueta->width())
        etiqueta->resize(ancho, etiqueta->height());
    return etiqueta;
}

kxTextBox *cajaTexto(QWidget *padre, const QString &nombre, int maxLength, const QRect &twips)
{
    auto *caja = rotulado(new kxTextBox(padre), nombre, twips);
    caja->setMaxLength(maxLength);
    caja->setAccessibleDescription(u"Hasta %1 caracteres"_s.arg(maxLength));
    return caja;
}

kxMaskEdBox *cajaFecha(QWidget *padre, const QRect &twips)
{
    return rotulado(new kxMaskEdBox(padre), u"txtCaducidad"_s, twips);
}

kxAlmacen *selectorAlmacen(QWidget *padre, const QString &nombre, const QRect &twips)
{
    auto *selector = rotulado(new kxAlmacen(padre), nombre, twips);
    if (QWidget *codigo = selector->focusProxy())
        codigo->setAccessibleDescription(u"Código de almacén; F4 abre la lista de almacenes"_s);
    return selector;
}

PushButton *boton(QWidget *padre, const QString &nombre, const QString &texto, const QRect &twips)
{
    return colocado(new PushButton(texto, padre), nombre, twips);
}

QGroupBox *marco(QWidget *padre, const QString &nombre, const QString &texto, const QRect &twips)
{
    return colocado(new QGroupBox(texto, padre), nombre, twips);
}

Rejilla *rejilla(QWidget *padre, const QString &nombre, const QRect &twips)
{
    auto *lista = colocado(new Rejilla(padre), nombre, twips);
    // A list without a caption of its own is a list of lots.
    if (!rotular(lista))
        lista->setAccessibleName(u"Lista de lotes"_s);
    return lista;
}

void ordenTabulacion(std::initializer_list<QWidget *> controles)
{
    QList<PosicionTab> orden;
    for (QWidget *control : controles) {
        if (control->focusPolicy() != Qt::NoFocus)
            orden.append({control, int(orden.size())});
    }
    encadenar(orden);
}

void posicionesTab(const QList<PosicionTab> &controles)
{
    QList<PosicionTab> orden(controles);
    std::ranges::stable_sort(orden, {}, &PosicionTab::posicion);
    encadenar(orden);
}

std::optional<int> posicionTab(const QWidget *control)
{
    const QVariant posicion = control->property(PropiedadTab);
    if (!posicion.isValid())
        return std::nullopt;
    return posicion.toInt();
}

QWidget *primeroEnTabulacion(const QWidget *ventana)
{
    QWidget *primero = nullptr;
    int menor = 0;
    for (QWidget *control : ventana->findChildren<QWidget *>()) {
        const std::optional<int> posicion = posicionTab(control);
        if (!posicion || (primero && *posicion >= menor) || (control->focusPolicy() & Qt::TabFocus) == 0 ||
            !control->isEnabled() || !control->isVisibleTo(ventana))
            continue;
        primero = control;
        menor = *posicion;
    }
    return primero;
}

} // namespace NVLALotes::Formulario
