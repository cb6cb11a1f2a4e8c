#include "frmclsLotesEtiquetas.h"

#include "foundation/entry/ProtocoloShow.h"
#include "foundation/entry/RegistroComponentes.h"
#include "labels/ReporteEtiquetas.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

const Registro::Alta alta("67FBB65C-B941-48D2-8C81-77490694EBB5",
                          [] { return std::make_unique<frmclsLotesEtiquetas>(); });

// The lot in the fields, once for each of its copies.
QList<EtiquetaLote> etiquetasDeCampos(const frmclsLotesEtiquetas &c)
{
    return repetidas({{c.Cod_Articulo, c.Descripcion, c.GTIN, c.Lote, c.Caducidad, c.Tono, c.Calibre}}, c.Copias);
}

} // namespace

frmclsLotesEtiquetas::frmclsLotesEtiquetas() = default;
frmclsLotesEtiquetas::~frmclsLotesEtiquetas() = default;
frmclsLotesEtiquetas::frmclsLotesEtiquetas(const frmclsLotesEtiquetas &otra) = default;
frmclsLotesEtiquetas &frmclsLotesEtiquetas::operator=(const frmclsLotesEtiquetas &otra) = default;

void frmclsLotesEtiquetas::Agregar()
{
    m_etiquetas.append(etiquetasDeCampos(*this));
}

void frmclsLotesEtiquetas::Show(qint16 Modal, QWidget *OwnerForm)
{
    QList<EtiquetaLote> etiquetas = m_etiquetas.isEmpty() ? etiquetasDeCampos(*this) : m_etiquetas;
    const PapelEtiquetas papel = HojaA4 ? PapelEtiquetas::HojaA4 : PapelEtiquetas::Etiquetadora;
    ejecutarShow(u"frmclsLotesEtiquetas"_s, Modal, OwnerForm, nullptr, [&](int modelo) {
        if (modelo < 1 || modelo > 4)
            return PlanModelo::fallo();
        for (EtiquetaLote &etiqueta : etiquetas)
            etiqueta.tonoCalibre = modelo == 2;
        return PlanModelo::inmediato([&] { verEtiquetas(etiquetas, papel, Modal == 1); });
    });
    m_etiquetas.clear();
}

} // namespace NVLALotes
