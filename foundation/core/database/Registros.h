#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QList>
#include <QString>
#include <QStringView>
#include <QVariant>

namespace NVLALotes {

/// A forward-only, read-only result of a text command. Starts before the first
/// record; siguiente() moves to the next one and answers false past the last,
/// or throws ErrorLotes when the engine fails to give the next one.
/// Fields are found by column name whatever the case ("IdMenu" finds IDMenu);
/// dates come as QDate/QDateTime, numbers as numbers or decimal text, texts as QString.
class NVLA_CORE_EXPORT Registros
{
public:
    virtual ~Registros();

    virtual bool siguiente() = 0; ///< Moves to the next record; false past the last.
    /// The field of the current record; ErrorLotes when there is no such column.
    virtual QVariant campo(QStringView nombre) const = 0;
    virtual QVariant campo(int indice) const = 0; ///< The field at a position of the current record, from 0.
    virtual int numeroCampos() const = 0;         ///< How many fields each record has.
    /// The field at a position of the current record as text, as
    /// QVariant::toString() writes campo(indice); a null field is empty. The
    /// view is valid until the next siguiente() or the next texto() of the same
    /// position: a long list reads its text fields without a string of each.
    virtual QStringView texto(int indice) const;

protected:
    /// The text texto() keeps for the field at `indice` (the fields from 0),
    /// reused from record to record.
    QString &textoGuardado(int indice) const;

private:
    mutable QList<QString> m_textos;
};

} // namespace NVLALotes
