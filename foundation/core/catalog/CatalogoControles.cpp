#include "CatalogoControles.h"

#include "foundation/core/database/Comando.h"
#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/database/ValorSql.h"
#include "foundation/core/values/Conversiones.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace NVLALotes::CatalogoControles {

namespace {

constexpr int LargoNombre = 50;
constexpr int LargoIndice = 2;

bool enServidorCatalogo(Conexion &conexion)
{
    const auto servidor = conexion.AbrirConsulta(u"SELECT ISNULL(@@SERVERNAME, '')"_s);
    return servidor->Siguiente() && servidor->Campo(0).toString().toUpper() == ServidorCatalogo();
}

// The form's code in the catalog; a form seen for the first time is given the
// next free code.
qint32 codigoFormulario(Conexion &conexion, const QString &formulario)
{
    const auto existente = conexion.AbrirConsulta(u"SELECT cod_Formulario  FROM SGD_Formularios WHERE Nombre ="_s +
                                                  ValorSql::texto(formulario));
    if (existente->Siguiente())
        return existente->Campo(u"cod_Formulario").toInt();
    qint32 codigo = 1;
    const auto maximo = conexion.AbrirConsulta(u"SELECT Max(Cod_Formulario) AS codigo FROM SGD_Formularios"_s);
    if (maximo->Siguiente())
        codigo = qint32(ValorNumerico(maximo->Campo(u"Codigo").toString())) + 1;
    conexion.Ejecutar(u"INSERT INTO SGD_Formularios (Cod_Formulario, Nombre) VALUES ("_s + ValorSql::numero(codigo) +
                      u","_s + ValorSql::texto(formulario) + u")"_s);
    return codigo;
}

std::unique_ptr<Comando> comandoPreparado(const QString &texto)
{
    auto comando = std::make_unique<Comando>();
    comando->setTipo(TipoComando::Texto);
    comando->setTexto(texto);
    comando->setPreparado(true);
    return comando;
}

std::unique_ptr<Comando> comandoAlta()
{
    auto alta = comandoPreparado(
        u"INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice,TabIndex) VALUES (?,?,?,?,?)"_s);
    alta->AgregarParametro(u"Cod_Formulario"_s, TipoDato::Entero, DireccionParametro::Entrada);
    alta->AgregarParametro(u"Cod_Control"_s, TipoDato::EnteroCorto, DireccionParametro::Entrada);
    alta->AgregarParametro(u"Nombre"_s, TipoDato::TextoVariable, DireccionParametro::Entrada, LargoNombre);
    alta->AgregarParametro(u"Indice"_s, TipoDato::TextoFijo, DireccionParametro::Entrada, LargoIndice);
    alta->AgregarParametro(u"TabIndex"_s, TipoDato::EnteroCorto, DireccionParametro::Entrada);
    return alta;
}

std::unique_ptr<Comando> comandoPosicion()
{
    auto posicion =
        comandoPreparado(u"UPDATE SGD_Controles SET TabIndex=? WHERE Cod_Formulario=? AND Nombre=? AND Indice=?"_s);
    posicion->AgregarParametro(u"TabIndex"_s, TipoDato::EnteroCorto, DireccionParametro::Entrada);
    posicion->AgregarParametro(u"Cod_Formulario"_s, TipoDato::Entero, DireccionParametro::Entrada);
    posicion->AgregarParametro(u"Nombre"_s, TipoDato::TextoVariable, DireccionParametro::Entrada, LargoNombre);
    posicion->AgregarParametro(u"Indice"_s, TipoDato::TextoFijo, DireccionParametro::Entrada, LargoIndice);
    return posicion;
}

qint32 siguienteCodigoControl(Conexion &conexion, qint32 codigo)
{
    const auto maximo = conexion.AbrirConsulta(
        u"SELECT ISNULL(Max(Cod_Control),0) FROM SGD_Controles WHERE Cod_Formulario = "_s + ValorSql::numero(codigo));
    return maximo->Siguiente() ? qint32(ValorNumerico(maximo->Campo(0).toString())) + 1 : 1;
}

} // namespace

QString ServidorCatalogo()
{
    const QString configurado = qEnvironmentVariable("NVLA_SERVIDOR_CATALOGO").trimmed();
    return configurado.isEmpty() ? u"NVLALOTES"_s : configurado.toUpper();
}

void Registrar(Conexion &conexion, const QString &formulario, const QList<ControlCatalogo> &controles)
{
    if (!enServidorCatalogo(conexion))
        return;
    const qint32 codigo = codigoFormulario(conexion, formulario);
    const auto alta = comandoAlta();
    const auto posicion = comandoPosicion();
    // Every control of the form starts as gone; the ones still there get their
    // tab position back below, and what stays marked is removed at the end.
    conexion.Ejecutar(u"UPDATE SGD_Controles SET TabIndex=-1 WHERE Cod_Formulario="_s + ValorSql::numero(codigo));
    qint32 siguiente = siguienteCodigoControl(conexion, codigo);
    for (const ControlCatalogo &control : controles) {
        // Sent as read: a position that does not fit the column is refused, not wrapped.
        const auto tab = qint64(ValorNumerico(control.tabIndex));
        posicion->setValor(0, tab);
        posicion->setValor(1, codigo);
        posicion->setValor(2, control.nombre);
        posicion->setValor(3, control.indice);
        conexion.EjecutarComando(*posicion);
        if (posicion->FilasAfectadas() > 0)
            continue;
        alta->setValor(0, codigo);
        alta->setValor(1, siguiente);
        alta->setValor(2, control.nombre);
        alta->setValor(3, control.indice);
        alta->setValor(4, tab);
        conexion.EjecutarComando(*alta);
        ++siguiente;
    }
    // Permissions first: they point at the controls about to go.
    conexion.Ejecutar(u"DELETE cg FROM SGD_Controles_Grupos cg INNER JOIN SGD_Controles c ON "
                      u"cg.Cod_Formulario=c.Cod_Formulario AND cg.Cod_Control=c.Cod_Control WHERE c.TabIndex=-1"_s);
    conexion.Ejecutar(u"DELETE FROM SGD_Controles WHERE TabIndex=-1"_s);
}

} // namespace NVLALotes::CatalogoControles
