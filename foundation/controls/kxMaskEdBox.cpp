#include "kxMaskEdBox.h"

#include "foundation/core/values/Conversiones.h"

#include <QAction>
#include <QCalendarWidget>
#include <QIcon>
#include <QKeyEvent>
#include <QLocale>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

const QString FormatoFecha = u"dd/MM/yyyy"_s;

// One icon for every date box: each new icon leaves pixmaps of its own in
// Qt's pixmap cache when painted, a few kilobytes more for every dialog a
// clerk opens in a day, until the cache is full.
const QIcon &iconoCalendario(const QStyle &estilo)
{
    static const QIcon icono = estilo.standardIcon(QStyle::SP_ArrowDown);
    return icono;
}

} // namespace

kxMaskEdBox::kxMaskEdBox(QWidget *parent)
    : kxTextBox(parent)
{
    // Digits may be left blank so a half-typed date stays visible (and is refused on accept).
    setInputMask(u"99/99/9999; "_s);
    setMaxLength(10);
    setAccessibleDescription(u"Fecha dd/mm/aaaa; Alt+Abajo o F4 abre el calendario"_s);
    QAction *calendario = addAction(iconoCalendario(*style()), QLineEdit::TrailingPosition);
    calendario->setObjectName(u"calendario"_s);
    calendario->setToolTip(u"Calendario (Alt+Abajo)"_s);
    connect(calendario, &QAction::triggered, this, &kxMaskEdBox::mostrarCalendario);
}

QString kxMaskEdBox::Valor() const
{
    QString valor = text();
    while (valor.endsWith(u' ') || valor.endsWith(u'/'))
        valor.chop(1);
    bool tieneDigitos = false;
    for (const QChar c : valor)
        tieneDigitos = tieneDigitos || c.isDigit();
    return tieneDigitos ? valor : QString();
}

void kxMaskEdBox::setHabilitado(bool habilitado)
{
    setEnabled(habilitado);
}

void kxMaskEdBox::mostrarCalendario()
{
    if (!isEnabled())
        return;
    auto *calendario = new QCalendarWidget(this); // owned by the box, deleted on close
    calendario->setObjectName(u"calendarioPopup"_s);
    calendario->setWindowFlags(Qt::Popup);
    calendario->setAttribute(Qt::WA_DeleteOnClose);
    // Month and day names in the clerk's language, weeks from Monday, whatever the machine's locale.
    calendario->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    const QString valor = Valor();
    calendario->setSelectedDate(esFecha(valor) ? fechaDeTexto(valor) : QDate::currentDate());
    connect(calendario, &QCalendarWidget::activated, this, [this, calendario](QDate fecha) {
        setText(fecha.toString(FormatoFecha));
        calendario->close();
        setFocus(Qt::PopupFocusReason);
    });
    connect(calendario, &QCalendarWidget::clicked, calendario, &QCalendarWidget::activated);
    calendario->move(mapToGlobal(QPoint(0, height())));
    calendario->show();
    calendario->setFocus(Qt::PopupFocusReason);
}

void kxMaskEdBox::keyPressEvent(QKeyEvent *event)
{
    const bool abrir =
        event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier));
    if (abrir) {
        event->accept();
        mostrarCalendario();
        return;
    }
    kxTextBox::keyPressEvent(event);
}

} // namespace NVLALotes
