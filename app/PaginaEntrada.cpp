#include "PaginaEntrada.h"

#include "PanelCampos.h"
#include "foundation/controls/Mensajes.h"

#include <nvlalotes/ClaseEntradaLotes.h>
#include <nvlalotes/ErrorLotes.h>

#include <QLabel>
#include <QMetaProperty>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace NVLALotes::Banco {

PaginaEntrada::PaginaEntrada(const QMetaObject &meta, std::unique_ptr<ClaseEntradaLotes> clase,
                             void *(*campos)(ClaseEntradaLotes *),
                             std::function<void(ClaseEntradaLotes &)> prepararContexto, QWidget *parent)
    : QWidget(parent)
    , m_clase(std::move(clase))
    , m_meta(meta)
    , m_camposClase(campos(m_clase.get()))
    , m_prepararContexto(std::move(prepararContexto))
    , m_campos(new PanelCampos(meta, m_camposClase, this))
    , m_estado(new QLabel(this))
{
    m_estado->setWordWrap(true);
    auto *boton = new QPushButton(u"&Mostrar (Show 1)"_s, this);
    boton->setObjectName(u"cmdShow"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_campos);
    layout->addWidget(boton);
    layout->addWidget(m_estado);
    layout->addStretch();
    m_campos->mostrar();
    connect(boton, &QPushButton::clicked, this, &PaginaEntrada::mostrarDialogo);
}

PaginaEntrada::~PaginaEntrada() = default;

void PaginaEntrada::mostrarDialogo()
{
    QString error;
    if (!m_campos->volcar(&error)) {
        Mensajes::atencion(this, error);
        return;
    }
    try {
        m_prepararContexto(*m_clase);
        m_clase->Show(1, window());
        m_estado->setText(estadoTrasShow());
    } catch (const ErrorLotes &e) {
        m_estado->setText(u"Show falló: %1 (%2, %3)"_s.arg(e.Description()).arg(e.Number()).arg(e.Source()));
    }
    m_campos->mostrar();
    Q_EMIT mostrado();
}

QString PaginaEntrada::estadoTrasShow() const
{
    // Only what the class itself returns: the stock class has no Result.
    const int indice = m_meta.indexOfProperty("Result");
    if (indice < 0)
        return u"Show terminado: esta clase no devuelve nada."_s;
    return m_meta.property(indice).readOnGadget(m_camposClase).toBool()
               ? u"Result = True: campos devueltos arriba."_s
               : u"Result = False: los campos quedan como estaban."_s;
}

} // namespace NVLALotes::Banco
