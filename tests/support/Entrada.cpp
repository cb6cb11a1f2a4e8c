#include "Entrada.h"

#include "foundation/controls/Rejilla.h"
#include "tests/support/BaseDatosPrueba.h"
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

template<class C> std::pair<std::unique_ptr<ClaseEntradaLotes>, const QMetaObject *> crear()
{
    return {std::make_unique<C>(), &C::staticMetaObject};
}

QString texto(const QVariant &valor)
{
    const int tipo = valor.metaType().id();
    return valor.metaType() == QMetaType::fromType<Currency>() ? valor.value<Currency>().toPlainText()
           : tipo == QMetaType::QDate                          ? valor.toDate().toString(Qt::ISODate)
           : tipo == QMetaType::Bool                           ? (valor.toBool() ? u"Verdadero"_s : u"Falso"_s)
                                                               : valor.toString();
}

const QList<std::pair<const char *, QVariant>> Marcas{{"Result", true},      {"Cod_Lote", 77},
                                                      {"Lote", u"L-HOST"_s}, {"Caducidad", QDate(2030, 3, 3)},
                                                      {"Tono", u"T-HOST"_s}, {"Calibre", u"C-HOST"_s}};

} // namespace

bool Entrada::mostrar(const std::function<void(QDialog *)> &guion, QWidget *propietario)
{
    return conDialogo([&] { Show(1, propietario); }, guion);
}

QVariant Entrada::campo(const char *campo) const
{
    return m_meta->property(m_meta->indexOfProperty(campo)).readOnGadget(m_gadget);
}

Entrada::Entrada(const QString &clase)
{
    std::tie(m_clase, m_meta) = clase == u"compras"       ? crear<frmclsLotesCompras>()
                                : clase == u"facturacion" ? crear<frmclsLotesFacturacion>()
                                : clase == u"regularizar" ? crear<frmclsLotesRegularizar>()
                                : clase == u"traspaso"    ? crear<frmclsLotesTraspaso>()
                                : clase == u"inventario"  ? crear<frmclsLotesInventario>()
                                                          : crear<frmclsLotesStock>();
    // The fields are read and written on the class as a whole.
    m_gadget = dynamic_cast<void *>(m_clase.get());
}

void Entrada::fijar(const char *campo, const QVariant &valor)
{
    const QMetaProperty propiedad = m_meta->property(m_meta->indexOfProperty(campo));
    const bool moneda = propiedad.metaType() == QMetaType::fromType<Currency>();
    if (!propiedad.writeOnGadget(m_gadget, moneda ? QVariant::fromValue(Currency(valor.toInt())) : valor))
        throw ErrorLotes(NumeroError::LlamadaNoValida, u"no field "_s + QLatin1StringView(campo), u"Entrada"_s);
}

QString Entrada::campos() const
{
    QStringList campos;
    for (int i = m_meta->propertyOffset(); i < m_meta->propertyCount(); ++i)
        campos << QLatin1StringView(m_meta->property(i).name()) + u'=' +
                      texto(m_meta->property(i).readOnGadget(m_gadget));
    return campos.join(u'|');
}

QString Entrada::salidas() const
{
    QStringList salidas;
    for (const auto &[nombre, marca] : Marcas)
        if (tiene(nombre))
            salidas << texto(campo(nombre));
    return salidas.join(u'|');
}

void Entrada::marcarSalidas()
{
    for (const auto &[nombre, marca] : Marcas)
        if (tiene(nombre))
            fijar(nombre, marca);
    m_marcadas = salidas().section(u'|', 1);
}

QString Entrada::salidasMarcadas(bool result) const
{
    return texto(result) + u'|' + m_marcadas;
}

int numeroError(const std::function<void()> &accion)
{
    const auto error = errorDe(accion);
    return error ? error->Number() : 0;
}

QStringList lineasRejilla(QWidget *dialogo, const QString &rejilla)
{
    auto *r = control<Rejilla>(dialogo, rejilla);
    QStringList filas;
    for (int fila = 1; fila < r->rows(); ++fila) {
        QStringList celdas;
        for (int col = 0; col < r->cols(); ++col)
            celdas << r->textMatrix(fila, col);
        filas << celdas.join(u'|');
    }
    return filas;
}

int elegirFila(QWidget *dialogo, const QList<std::pair<int, QString>> &celdas, const QString &rejilla)
{
    auto *r = control<Rejilla>(dialogo, rejilla);
    const int fila = r->buscarFila(1, [&](int f) {
        return std::ranges::all_of(celdas, [&](const auto &c) { return r->textMatrix(f, c.first) == c.second; });
    });
    if (fila > 0)
        r->setRow(fila);
    return fila;
}

} // namespace NVLALotes::Pruebas
