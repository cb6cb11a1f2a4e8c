#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QObject>
#include <QPointer>
#include <QString>

class QKeyEvent;

namespace NVLALotes {

class kxMaskEdBox;
class kxTextBox;

// Reads GS1 labels scanned into a lot box. A scanner types the label's string
// fast and ends it with Enter; the box would drop what passes its maxlength
// and the group separators, so the lector keeps its own copy of what is being
// typed at the end of the box. When the box's text is taken (Enter, or the
// focus leaving it) and that copy is a well-formed GS1 string, the box gets the
// lot code and the expiry box, when there is one and it is enabled, the
// expiry; Enter then goes on to do what it always does. The library's in-house
// label (a lot without article number) scanned with its symbology prefix gives
// the box its lot code. Any other text is left exactly as the box holds it.
//
// A lot code longer than the box's maxlength refuses the whole label: cut, it
// would be another lot than the one on the goods.
class NVLA_EXPORT LectorGs1 final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LectorGs1)

public:
    // Reads into `lote` from now on; `caducidad` may be null.
    LectorGs1(kxTextBox *lote, kxMaskEdBox *caducidad);

Q_SIGNALS:
    // A label was read into the boxes.
    void leido();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void tecla(const QKeyEvent *evento);
    // Whether m_tecleado still describes the box: the box holds its start.
    bool alDia() const;
    void resolver();

    kxTextBox *m_lote;
    QPointer<kxMaskEdBox> m_caducidad;
    // What the clerk or the scanner typed at the end of the box, separators and
    // characters past the maxlength included.
    QString m_tecleado;
    // Where the typing at the end began: what the box held before it.
    qsizetype m_inicio = 0;
    bool m_resincronizar = true;
};

// Reads labels into `lote` unless the host switched it off (parameter
// "Lotes_LecturaGS1"); `caducidad` may be null. Called when the window loads.
NVLA_EXPORT void leerEtiquetasGs1(kxTextBox *lote, kxMaskEdBox *caducidad);

} // namespace NVLALotes
