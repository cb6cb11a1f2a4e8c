#include "FormularioMuestra.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxMaskEdBox.h"

using namespace Qt::StringLiterals;

namespace NVLALotes::Banco {

CajaNivelPropio::CajaNivelPropio(QWidget *parent)
    : kxTextBox(parent)
{
    setAccessLevel(0);
}

void CajaNivelPropio::setAccessLevel(int nivel)
{
    m_nivel = nivel;
    // Its own way: it says what it was given, and only the last level edits.
    static const QStringList textos{u"Nivel 0: editable"_s, u"Nivel 1: consulta"_s, u"Nivel 2: bloqueado"_s};
    setPlaceholderText(textos.value(nivel, u"Nivel %1"_s.arg(nivel)));
    setReadOnly(nivel != 0);
    setStyleSheet(nivel == 0 ? QString() : u"background: #fff3c4;"_s);
}

QWidget *crearFormularioMuestra(QWidget *padre, bool conObservaciones)
{
    auto *form = new QWidget(padre);
    form->setObjectName(u"frmMuestraSeguridad"_s);
    form->setMinimumSize(360, 330);
    Formulario::etiqueta(form, u"lblArticulo"_s, u"Artículo"_s, {120, 120, 1200, 300});
    auto *articulo = Formulario::cajaTexto(form, u"txtArticulo"_s, 20, {1440, 120, 2400, 300});
    Formulario::etiqueta(form, u"lblCaducidad"_s, u"Caducidad"_s, {120, 540, 1200, 300});
    auto *caducidad = Formulario::cajaFecha(form, {1440, 540, 1400, 300});
    kxTextBox *observaciones = nullptr;
    if (conObservaciones)
        observaciones = Formulario::cajaTexto(form, u"txtObservaciones"_s, 50, {1440, 960, 3600, 300});
    auto *nivel = new CajaNivelPropio(form);
    nivel->setObjectName(u"txtNivel"_s);
    const auto pixeles = [form](int twips) { return twips * form->logicalDpiX() / 1440; };
    nivel->setGeometry(pixeles(1440), pixeles(1380), pixeles(2400), pixeles(300));
    auto *rejilla = Formulario::rejilla(form, u"vsLotes"_s, {120, 1800, 4920, 1700});
    rejilla->setCols(3);
    rejilla->setTextMatrix(0, 1, u"Lote"_s);
    rejilla->setTextMatrix(0, 2, u"Stock"_s);
    rejilla->setColHidden(0, true);
    rejilla->addItem(u"2\tL-0002\t3,00"_s);
    rejilla->addItem(u"3\tL-0003\t5,00"_s);
    const QStringList captions{u"&Crear"_s, u"&Bloquear"_s, u"&Salir"_s};
    QList<QWidget *> orden{articulo, caducidad};
    if (observaciones)
        orden << observaciones;
    orden << rejilla;
    for (int i = 0; i < captions.size(); ++i) {
        auto *boton = Formulario::boton(form, u"cmdAccion"_s, captions.at(i), {120 + i * 1500, 3650, 1300, 360});
        boton->setProperty("Index", i); // one control array: cmdAccion(0), (1), (2)
        orden << boton;
    }
    QList<Formulario::PosicionTab> posiciones;
    for (QWidget *control : orden)
        posiciones.append({control, int(posiciones.size())});
    Formulario::posicionesTab(posiciones);
    return form;
}

} // namespace NVLALotes::Banco
