#include "ConexionConFallo.h"

#include "foundation/core/database/Comando.h"
#include "foundation/core/database/Dialecto.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/values/ErrorLotes.h"

using namespace Qt::StringLiterals;

namespace NVLALotes::Pruebas {

void ConexionConFallo::Contador::paso(const QString &que)
{
    if (++pasos != fallarEn)
        return;
    fallido = que;
    throw ErrorLotes(NumeroError::BaseDatos, textoFallo() + u" ("_s + que + u')', u"NVLALotes (%1)"_s.arg(motor));
}

namespace {

// Every record read is a step of its own: a result can fail half-way.
class RegistrosConFallo final : public Registros
{
public:
    RegistrosConFallo(std::unique_ptr<Registros> real, std::shared_ptr<ConexionConFallo::Contador> contador,
                      QString sql)
        : m_real(std::move(real))
        , m_contador(std::move(contador))
        , m_sql(std::move(sql))
    {}

    bool siguiente() override
    {
        m_contador->paso(u"record %1 of %2"_s.arg(++m_leidos).arg(m_sql));
        return m_real->siguiente();
    }
    QVariant campo(QStringView nombre) const override { return m_real->campo(nombre); }
    QVariant campo(int indice) const override { return m_real->campo(indice); }
    int numeroCampos() const override { return m_real->numeroCampos(); }
    QStringView texto(int indice) const override { return m_real->texto(indice); }

private:
    std::unique_ptr<Registros> m_real;
    std::shared_ptr<ConexionConFallo::Contador> m_contador;
    QString m_sql;
    int m_leidos = 0;
};

} // namespace

ConexionConFallo::ConexionConFallo(std::shared_ptr<Conexion> real, int fallarEn)
    : m_real(std::move(real))
    , m_contador(std::make_shared<Contador>(Contador{fallarEn, m_real->dialecto().nombre(), 0, {}}))
{}

std::unique_ptr<Registros> ConexionConFallo::abrirConsulta(const QString &sql)
{
    return std::make_unique<RegistrosConFallo>(paso(u"query: "_s + sql, &Conexion::abrirConsulta, sql), m_contador,
                                               sql);
}

void ConexionConFallo::ejecutarComando(Comando &comando)
{
    paso(u"command: "_s + comando.texto(), &Conexion::ejecutarComando, comando);
}

} // namespace NVLALotes::Pruebas
