#include "Entrada.h"

#include "foundation/controls/Rejilla.h"
#include "tests/support/Conduccion.h"

#include <nvlalotes/Currency.h>
#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/frmclsLotesCompras.h>
#include <nvlalotes/frmclsLotesFacturacion.h>
#include <nvlalotes/frmclsLotesInventario.h>
#include <nvlalotes/frmclsLotesRegularizar.h>
#include <nvlalotes/frmclsLotesStock.h>
#include <nvlalotes/frmclsLotesTraspaso.h>

#include <QDate>
#include <QMetaProperty>

using namespace Qt::StringLiterals;

namespace NVLALotes::Pruebas {

namespace {

struct Creada
{
    std::unique_ptr<ClaseEntradaLotes> clase;
    void *gadget;
    const QMetaObject *meta;
};

template<class C> Creada crear()
{
    auto clase = std::make_unique<C>();
    void *gadget = clase.get();
    return {std::move(clase), gadget, &C::staticMetaObject};
}

QString texto(const QVariant &valor)
{
    if (valor.metaType() == QMetaType::fromType<Currency>())
        return valor.value<Currency>().toPlainText();
    if (valor.metaType().id() == QMetaType::QDate)
        return valor.toDate().toString(Qt::ISODate);
    if (valor.metaType().id() == QMetaType::Bool)
        return valor.toBool() ? u"Verdadero"_s : u"Falso"_s;
    return valor.toString();
}

const QList<std::pair<const char *, QVariant>> &marcas()
{
    static const QList<std::pair<const char *, QVariant>> lista{{"Cod_Lote", 77},
                                                                {"Lote", u"L-HOST"_s},
                                                                {"Caducidad", QDate(2030, 3, 3)},
                                                                {"Tono", u"T-HOST"_s},
                                                                {"Calibre", u"C-HOST"_s}};
    return lista;
}

} // namespace

Entrada::Entrada(const QString &clase)
{
    Creada creada = clase == u"compras"       ? crear<frmclsLotesCompras>()
                    : clase == u"facturacion" ? crear<frmclsLotesFacturacion>()
                    : clase == u"regularizar" ? crear<frmclsLotesRegularizar>()
                    : clase == u"traspaso"    ? crear<frmclsLotesTraspaso>()
                    : clase == u"inventario"  ? crear<frmclsLotesInventario>()
                                              : crear<frmclsLotesStock>();
    m_clase = std::move(creada.clase);
    m_gadget = creada.gadget;
    m_meta = creada.meta;
}

bool Entrada::tiene(const char *campo) const
{
    return m_meta->indexOfProperty(campo) >= 0;
}

void Entrada::fijar(const char *campo, const QVariant &valor)
{
    const QMetaProperty propiedad = m_meta->property(m_meta->indexOfProperty(campo));
    const bool moneda = propiedad.metaType() == QMetaType::fromType<Currency>();
    if (!propiedad.writeOnGadget(m_gadget, moneda ? QVariant::fromValue(Currency(valor.toInt())) : valor))
        throw ErrorLotes(NumeroError::LlamadaNoValida, u"no field "_s + QLatin1StringView(campo), u"Entrada"_s);
}

QVariant Entrada::campo(const char *campo) const
{
    return m_meta->property(m_meta->indexOfProperty(campo)).readOnGadget(m_gadget);
}

QString Entrada::Campos() const
{
    QStringList campos;
    for (int i = m_meta->propertyOffset(); i < m_meta->propertyCount(); ++i) {
        const QMetaProperty propiedad = m_meta->property(i);
        campos << QLatin1StringView(propiedad.name()) + u'=' + texto(propiedad.readOnGadget(m_gadget));
    }
    return campos.join(u'|');
}

QString Entrada::Salidas() const
{
    QStringList salidas{texto(campo("Result"))};
    for (const auto &[nombre, marca] : marcas()) {
        if (tiene(nombre))
            salidas << texto(campo(nombre));
    }
    return salidas.join(u'|');
}

void Entrada::marcarSalidas()
{
    fijar("Result", true);
    for (const auto &[nombre, marca] : marcas()) {
        if (tiene(nombre))
            fijar(nombre, marca);
    }
}

QString Entrada::SalidasMarcadas(bool result) const
{
    QStringList salidas{texto(result)};
    for (const auto &[nombre, marca] : marcas()) {
        if (tiene(nombre))
            salidas << texto(marca);
    }
    return salidas.join(u'|');
}

QStringList LineasRejilla(QWidget *dialogo, const QString &rejilla)
{
    auto *r = control<Rejilla>(dialogo, rejilla);
    QStringList filas;
    for (int fila = 1; fila < r->Rows(); ++fila) {
        QStringList celdas;
        for (int col = 0; col < r->Cols(); ++col)
            celdas << r->TextMatrix(fila, col);
        filas << celdas.join(u'|');
    }
    return filas;
}

int FilaRejilla(QWidget *dialogo, const QList<std::pair<int, QString>> &celdas, const QString &rejilla)
{
    auto *r = control<Rejilla>(dialogo, rejilla);
    return r->BuscarFila(1, [&](int fila) {
        return std::ranges::all_of(celdas, [&](const auto &c) { return r->TextMatrix(fila, c.first) == c.second; });
    });
}

} // namespace NVLALotes::Pruebas
