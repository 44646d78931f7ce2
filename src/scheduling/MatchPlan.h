#pragma once

#include "store/RecordKey.h"
#include "store/RosterError.h"

#include <QList>

// What a match asks of the chosen members: its length, who cannot be missed, and how many must
// come. The default is today's question: one moment, nobody required, anybody at all.
struct MatchPlan
{
    int length = 1; // minutes
    QList<RecordKey> required;
    int minimum = 1;

    // The fields as typed; an empty field is the default. Throws PlanInputError.
    static MatchPlan read(const QString& length, const QString& minimum, const QList<RecordKey>& required);
    bool isMoment() const { return length == 1 && required.isEmpty(); }
};

// A planner field that does not hold a whole number in range. The field kinds of RosterError
// belong to the store's forms, so the planner names its own.
class PlanInputError : public RosterError
{
public:
    enum class Field { MatchLength, MinimumPlayers };

    PlanInputError(Field field, const CoreText& text)
        : RosterError(ErrorKind::DataFormat, text)
        , m_field(field)
    {
    }
    Field planField() const { return m_field; }

private:
    Field m_field;
};
