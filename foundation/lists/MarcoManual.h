#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QDate>
#include <QObject>
#include <QRect>
#include <QString>

class QGroupBox;
class QWidget;

namespace NVLALotes {

class kxMaskEdBox;
class kxTextBox;
class Rejilla;

// The "Manual" frame (frmNuevoLote) where the clerk types a lot the list may
// not hold. Which way Aceptar works follows the control that took the focus
// last: a box of the frame puts the window in new-lot mode, the list in
// selection mode. Before either, the window is in its initial mode: selection
// where the list opens with the focus, none (Aceptar does nothing) where the
// window only knows once a control has been entered.
class NVLA_EXPORT MarcoManual final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MarcoManual)

public:
    enum class Modo { Ninguno, NuevoLote, Seleccion };

    MarcoManual(QWidget *ventana, const QRect &twips, Modo inicial = Modo::Seleccion);

    QGroupBox *marco() const { return m_marco; }
    // A text box of the frame; taking the focus sets new-lot mode.
    kxTextBox *caja(const QString &nombre, int maxLength, const QRect &twips);
    // The date box (txtCaducidad); taking the focus sets new-lot mode.
    kxMaskEdBox *fecha(const QRect &twips);
    // The list whose focus sets selection mode.
    void seleccionDesde(Rejilla *lista);
    // GS1 labels scanned into `lote` fill it and the date box, from cargar() on.
    void leerEtiquetasGs1(kxTextBox *lote) { m_etiquetas = lote; }
    // What the frame does when its window loads.
    void cargar();

    Modo modo() const { return m_modo; }
    // The mode as a window's public field shows it: "nuevo_lote",
    // "seleccion_lote", or empty when there is none.
    QString textoModo() const;

    // A date is required and the typed one is none: shows `mensaje`, gives the
    // date box the focus and answers false.
    bool comprobarFecha(bool obligatoria, const QString &mensaje);
    // The date box's text as typed.
    QString textoFecha() const;
    // The typed expiry, or the null date when the text is no date.
    QDate fechaTecleada() const;

private:
    QGroupBox *m_marco;
    kxMaskEdBox *m_fecha = nullptr;
    kxTextBox *m_etiquetas = nullptr;
    Modo m_modo;
};

} // namespace NVLALotes
