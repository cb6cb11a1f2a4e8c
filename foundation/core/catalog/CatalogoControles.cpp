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
    const auto servidor = conexion.abrirConsulta(u"SELECT ISNULL(@@SERVERNAME, '')"_s);
    return servidor->siguiente() && servidor->campo(0).toString().toUpper() == servidorCatalogo();
}

// The form's code in the catalog; a form seen for the first time is given the
// next free code.
qint32 codigoFormulario(Conexion &conexion, const QString &formulario)
{
    const auto existente = conexion.abrirConsulta(u"SELECT cod_Formulario  FROM SGD_Formularios WHERE Nombre ="_s +
                                                  ValorSql::texto(formulario));
    if (existente->siguiente())
        return existente->campo(u"cod_Formulario").toInt();
    qint32 codigo = 1;
    const auto maximo = conexion.abrirConsulta(u"SELECT Max(Cod_Formulario) AS codigo FROM SGD_Formularios"_s);
    if (maximo->siguiente())
        codigo = qint32(valorNumerico(maximo->campo(u"Codigo").toString())) + 1;
    conexion.ejecutar(u"INSERT INTO SGD_Formularios (Cod_Formulario, Nombre) VALUES ("_s + ValorSql::numero(codigo) +
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
    alta->agregarParametro(u"Cod_Formulario"_s, TipoDato::Entero, DireccionParametro::Entrada);
    alta->agregarParametro(u"Cod_Control"_s, TipoDato::EnteroCorto, DireccionParametro::Entrada);
    alta->agregarParametro(u"Nombre"_s, TipoDato::TextoVariable, DireccionParametro::Entrada, LargoNombre);
    alta->agregarParametro(u"Indice"_s, TipoDato::TextoFijo, DireccionParametro::Entrada, LargoIndice);
    alta->agregarParametro(u"TabIndex"_s, TipoDato::EnteroCorto, DireccionParametro::Entrada);
    return alta;
}

std::unique_ptr<Comando> comandoPosicion()
{
    auto posicion =
        comandoPreparado(u"UPDATE SGD_Controles SET TabIndex=? WHERE Cod_Formulario=? AND Nombre=? AND Indice=?"_s);
    posicion->agregarParametro(u"TabIndex"_s, TipoDato::EnteroCorto, DireccionParametro::Entrada);
    posicion->agregarParametro(u"Cod_Formulario"_s, TipoDato::Entero, DireccionParametro::Entrada);
    posicion->agregarParametro(u"Nombre"_s, TipoDato::TextoVariable, DireccionParametro::Entrada, LargoNombre);
    posicion->agregarParametro(u"Indice"_s, TipoDato::TextoFijo, DireccionParametro::Entrada, LargoIndice);
    return posicion;
}

qint32 siguienteCodigoControl(Conexion &conexion, qint32 codigo)
{
    const auto maximo = conexion.abrirConsulta(
        u"SELECT ISNULL(Max(Cod_Control),0) FROM SGD_Controles WHERE Cod_Formulario = "_s + ValorSql::numero(codigo));
    return maximo->siguiente() ? qint32(valorNumerico(maximo->campo(0).toString())) + 1 : 1;
}

} // namespace

QString servidorCatalogo()
{
    const QString configurado = qEnvironmentVariable("NVLA_SERVIDOR_CATALOGO").trimmed();
    return configurado.isEmpty() ? u"NVLALOTES"_s : configurado.toUpper();
}

void registrar(Conexion &conexion, const QString &formulario, const QList<ControlCatalogo> &controles)
{
    if (!enServidorCatalogo(conexion))
        return;
    const qint32 codigo = codigoFormulario(conexion, formulario);
    const auto alta = comandoAlta();
    const auto posicion = comandoPosicion();
    // Every control of the form starts as gone; the ones still there get their
    // tab position back below, and what stays marked is removed at the end.
    conexion.ejecutar(u"UPDATE SGD_Controles SET TabIndex=-1 WHERE Cod_Formulario="_s + ValorSql::numero(codigo));
    qint32 siguiente = siguienteCodigoControl(conexion, codigo);
    for (const ControlCatalogo &control : controles) {
        // Sent as read: a position that does not fit the column is refused, not wrapped.
        const auto tab = qint64(valorNumerico(control.tabIndex));
        posicion->setValor(0, tab);
        posicion->setValor(1, codigo);
        posicion->setValor(2, control.nombre);
        posicion->setValor(3, control.indice);
        conexion.ejecutarComando(*posicion);
        if (posicion->filasAfectadas() > 0)
            continue;
        alta->setValor(0, codigo);
        alta->setValor(1, siguiente);
        alta->setValor(2, control.nombre);
        alta->setValor(3, control.indice);
        alta->setValor(4, tab);
        conexion.ejecutarComando(*alta);
        ++siguiente;
    }
    // Permissions first: they point at the controls about to go.
    conexion.ejecutar(u"DELETE cg FROM SGD_Controles_Grupos cg INNER JOIN SGD_Controles c ON "
                      u"cg.Cod_Formulario=c.Cod_Formulario AND cg.Cod_Control=c.Cod_Control WHERE c.TabIndex=-1"_s);
    conexion.ejecutar(u"DELETE FROM SGD_Controles WHERE TabIndex=-1"_s);
}

} // namespace NVLALotes::CatalogoControles
