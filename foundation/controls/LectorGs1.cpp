#include "LectorGs1.h"

#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/core/host/Ampliaciones.h"
#include "foundation/core/host/Formatos.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/Gs1.h"

#include <QDate>
#include <QKeyEvent>

namespace NVLALotes {

namespace {

constexpr QChar Separador = QChar(29);

// The lot code of the library's in-house label, for lots without an article
// number: a scanner that sends the symbology's prefix (Code 128 or DataMatrix
// without function character) types it before the lot.
std::optional<QString> loteInterno(QStringView texto)
{
    for (const QStringView prefijo : {u"]C0", u"]d1"}) {
        if (texto.startsWith(prefijo))
            return texto.sliced(prefijo.size()).toString();
    }
    return std::nullopt;
}

} // namespace

LectorGs1::LectorGs1(kxTextBox *lote, kxMaskEdBox *caducidad)
    : QObject(lote)
    , m_lote(lote)
    , m_caducidad(caducidad)
{
    lote->installEventFilter(this);
}

bool LectorGs1::eventFilter(QObject *objeto, QEvent *evento)
{
    // Seen before the box: the lot is in place before any handler of Enter.
    if (objeto == m_lote && evento->type() == QEvent::KeyPress)
        tecla(static_cast<QKeyEvent *>(evento));
    else if (objeto == m_lote && evento->type() == QEvent::FocusOut)
        resolver();
    return false;
}

void LectorGs1::tecla(const QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        resolver();
        return;
    }
    const QString texto = evento->text();
    // The separator comes as Ctrl+] from scanners that type like a keyboard.
    const bool escribe = texto.size() == 1 &&
                         (texto[0] == Separador ||
                          (texto[0].isPrint() && !(evento->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))));
    // Keys that type nothing (Shift for capitals, moves, Tab) leave the copy
    // alone; if they changed the box, the copy no longer matches it.
    if (!escribe)
        return;
    if (m_resincronizar || !alDia()) {
        m_tecleado = m_lote->text();
        m_inicio = m_tecleado.size();
    }
    // Typing anywhere but at the end is a correction: the box says what it holds.
    m_resincronizar = m_lote->cursorPosition() != m_lote->text().size() || m_lote->hasSelectedText();
    if (!m_resincronizar)
        m_tecleado += texto;
}

bool LectorGs1::alDia() const
{
    QString visible = m_tecleado;
    visible.remove(Separador);
    return visible.left(m_lote->maxLength()) == m_lote->text();
}

void LectorGs1::resolver()
{
    if (m_resincronizar || !alDia()) {
        m_tecleado = m_lote->text();
        m_inicio = 0;
    }
    m_resincronizar = true;
    // The label may have been scanned after a lot code the box already held.
    std::optional<LecturaGs1> lectura = leerGs1(m_tecleado, QDate::currentDate());
    if (!lectura && m_inicio > 0)
        lectura = leerGs1(QStringView(m_tecleado).sliced(m_inicio), QDate::currentDate());
    if (!lectura) {
        const std::optional<QString> lote = loteInterno(QStringView(m_tecleado).sliced(m_inicio));
        if (lote && !lote->isEmpty() && lote->size() <= m_lote->maxLength()) {
            m_lote->setText(*lote);
            Q_EMIT leido();
        }
        return;
    }
    if (!lectura->lote && !lectura->caducidad)
        return;
    if (lectura->lote && lectura->lote->size() > m_lote->maxLength())
        return;
    m_lote->setText(lectura->lote.value_or(QString()));
    if (lectura->caducidad && m_caducidad && m_caducidad->isEnabled())
        m_caducidad->setText(Formatos::instancia().FormatearFecha(textoDeFecha(*lectura->caducidad)));
    Q_EMIT leido();
}

void leerEtiquetasGs1(kxTextBox *lote, kxMaskEdBox *caducidad)
{
    if (Ampliaciones::activa(Ampliaciones::LecturaGs1))
        new LectorGs1(lote, caducidad); // owned by the box
}

} // namespace NVLALotes
