#include "frmRepartoLotes.h"

#include "foundation/controls/CodigosTecla.h"
#include "foundation/controls/Formulario.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/core/host/Formatos.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

QString textoUnidades(Currency unidades)
{
    return unidades.toString(unidades.raw() % 100 == 0 ? 2 : 4, Formatos::instancia().locale());
}

std::optional<Currency> leerUnidades(const QString &texto)
{
    return texto.trimmed().isEmpty() ? Currency() : Currency::parse(texto.trimmed(), Formatos::instancia().locale());
}

// The in-place editor of the units column tells every keystroke, so the units
// still to split follow the typing.
class EditorUnidades final : public QStyledItemDelegate
{
public:
    EditorUnidades(QObject *parent, std::function<void(QLineEdit *caja)> alAbrir,
                   std::function<void(int fila, const QString &texto)> alEscribir)
        : QStyledItemDelegate(parent)
        , m_alAbrir(std::move(alAbrir))
        , m_alEscribir(std::move(alEscribir))
    {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, opcion, indice);
        if (auto *caja = qobject_cast<QLineEdit *>(editor)) {
            caja->setObjectName(u"txtUnidades"_s);
            caja->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            connect(caja, &QLineEdit::textEdited, this,
                    [this, fila = indice.row() + 1](const QString &texto) { m_alEscribir(fila, texto); });
            m_alAbrir(caja);
        }
        return editor;
    }

private:
    std::function<void(QLineEdit *)> m_alAbrir;
    std::function<void(int, const QString &)> m_alEscribir;
};

} // namespace

frmRepartoLotes::frmRepartoLotes(QWidget *parent, Lista lista, std::vector<EleccionLotes::Parte> partes,
                                 Currency unidades)
    : DialogoLotes(parent)
    , m_lista(std::move(lista))
    , m_partes(std::move(partes))
    , m_total(unidades)
{
    setObjectName(u"frmRepartoLotes"_s);
    setWindowTitle(u"Repartir la línea entre lotes"_s);
    fijarAreaSinAnclados(6015, 4830, true);
    lblPendientes = Formulario::etiqueta(this, u"lblPendientes"_s, QString(), {75, 90, 5865, 255});
    vsReparto = Formulario::rejilla(this, u"vsReparto"_s, {75, 405, 5865, 3855});
    cmdAceptar = Formulario::boton(this, u"cmdAceptar"_s, u"&Aceptar"_s, {3570, 4380, 1065, 365});
    cmdCancelar = Formulario::boton(this, u"cmdCancelar"_s, u"&Cancelar"_s, {4755, 4380, 1065, 365});
    connect(cmdAceptar, &QAbstractButton::clicked, this, [this] { protegido(u"Aceptar"_s, [this] { aceptar(); }); });
    connect(cmdCancelar, &QAbstractButton::clicked, this, &frmRepartoLotes::terminarCancelando);
    connect(vsReparto, &Rejilla::teclaPulsada, this, &frmRepartoLotes::editar);
    connect(vsReparto->modelo(), &ModeloRejilla::celdaEditada, this,
            [this](int fila, int) { anotar(fila, vsReparto->modelo()->texto(fila, m_columnaUnidades)); });
    auto *editor = new EditorUnidades(
        this, [this](QLineEdit *caja) { m_editor = caja; },
        [this](int fila, const QString &texto) { mostrarPendientes(fila, texto); });
    connect(editor, &QAbstractItemDelegate::closeEditor, this, [this] { mostrarPendientes(); });
    m_columnaUnidades = int(m_lista.columnas.size()) + 1;
    vsReparto->setItemDelegateForColumn(m_columnaUnidades, editor);
    vsReparto->setEditTriggers(QAbstractItemView::DoubleClicked);
    Formulario::ordenTabulacion({vsReparto, cmdAceptar, cmdCancelar});
}

void frmRepartoLotes::Cargar()
{
    QList<ListaLotes::Columna> columnas = m_lista.columnas;
    columnas.append({u"Unidades"_s, 1100, Rejilla::Alineacion::DerechaCentro});
    ListaLotes::prepararColumnas(vsReparto, columnas, 1);
    vsReparto->setColHidden(0, true);
    vsReparto->modelo()->fijarColumnaEditable(m_columnaUnidades);
    m_unidades.clear();
    for (const EleccionLotes::Parte &parte : m_partes)
        m_unidades.emplace_back(parte.unidades);
    // A split over many lots shows its first rows at once, the rest as the clerk scrolls.
    vsReparto->addItemsFrom([this, siguiente = size_t(0)](FilaOrigen &fila) mutable {
        if (siguiente >= m_partes.size())
            return false;
        const EleccionLotes::Parte &parte = m_partes.at(siguiente++);
        fila.linea = m_lista.linea(parte.fila) + u'\t' + textoUnidades(parte.unidades);
        return true;
    });
    vsReparto->setRow(1);
    mostrarPendientes();
    vsReparto->setFocus(Qt::OtherFocusReason);
}

// Enter or a double click edits the row's units; a digit starts them anew.
void frmRepartoLotes::editar(int caracter)
{
    const QChar tecla(caracter);
    const bool cifra = tecla.isDigit() || tecla == Formatos::instancia().locale().decimalPoint();
    // Enter in the open editor takes its units and reaches the grid too: no new edit then.
    if (vsReparto->row() <= 0 || (m_editor && m_editor->isVisible()) || (caracter != CodigosTecla::Intro && !cifra))
        return;
    vsReparto->edit(vsReparto->model()->index(vsReparto->row() - 1, m_columnaUnidades));
    if (m_editor && cifra) {
        m_editor->setText(tecla);
        mostrarPendientes(vsReparto->row(), m_editor->text());
    }
}

void frmRepartoLotes::anotar(int fila, const QString &texto)
{
    std::optional<Currency> &unidades = m_unidades.at(size_t(fila - 1));
    unidades = leerUnidades(texto);
    if (unidades)
        vsReparto->modelo()->fijarTexto(fila, m_columnaUnidades, textoUnidades(*unidades));
    mostrarPendientes();
}

// `escrito`: the units being typed in row `filaEscrita`, not yet taken.
void frmRepartoLotes::mostrarPendientes(int filaEscrita, const QString &escrito)
{
    Currency repartidas;
    for (size_t i = 0; i < m_unidades.size(); ++i) {
        const std::optional<Currency> unidades = int(i) + 1 == filaEscrita ? leerUnidades(escrito) : m_unidades.at(i);
        repartidas += unidades.value_or(Currency());
    }
    lblPendientes->setText(u"Pendientes: %1 de %2"_s.arg(textoUnidades(m_total - repartidas), textoUnidades(m_total)));
}

void frmRepartoLotes::rechazar(int fila, const QString &texto)
{
    vsReparto->setRow(fila);
    Mensajes::atencion(this, texto);
}

void frmRepartoLotes::aceptar()
{
    Currency repartidas;
    for (size_t i = 0; i < m_unidades.size(); ++i) {
        const std::optional<Currency> unidades = m_unidades.at(i);
        const int fila = int(i) + 1;
        if (!unidades || *unidades < Currency())
            return rechazar(fila, u"Las unidades de cada lote deben ser un número no negativo"_s);
        if (*unidades > Currency() && *unidades > m_lista.stock(m_partes.at(i).fila))
            return rechazar(fila, u"El lote seleccionado no tiene stock suficiente"_s);
        repartidas += *unidades;
    }
    if (repartidas != m_total) {
        const Currency pendientes = m_total - repartidas;
        Mensajes::atencion(this, pendientes > Currency()
                                     ? u"Quedan %1 unidades por repartir"_s.arg(textoUnidades(pendientes))
                                     : u"Se han repartido %1 unidades de más"_s.arg(textoUnidades(-pendientes)));
        return;
    }
    terminarAceptando();
}

std::vector<EleccionLotes::Parte> frmRepartoLotes::reparto() const
{
    std::vector<EleccionLotes::Parte> reparto;
    for (size_t i = 0; i < m_unidades.size(); ++i) {
        if (const Currency unidades = m_unidades.at(i).value_or(Currency()); unidades > Currency())
            reparto.push_back({m_partes.at(i).fila, unidades});
    }
    return reparto;
}

} // namespace NVLALotes
