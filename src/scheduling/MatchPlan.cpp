#include "MatchPlan.h"
#include "i18n/CoreText.h"

#include "settings/Preferences.h"

MatchPlan MatchPlan::read(const QString& length, const QString& minimum, const QList<RecordKey>& required)
{
    MatchPlan plan;
    plan.required = required;
    if (!length.trimmed().isEmpty()) {
        const std::optional<int> minutes = Preferences::readMatchLength(length);
        if (!minutes)
            throw PlanInputError(PlanInputError::Field::MatchLength,
                                 CoreText("MatchPlan",
                                          "Match length must be a whole number of minutes from 15 to "
                                          "1440, or empty (or 1) for a single moment."));
        plan.length = *minutes;
    }
    if (!minimum.trimmed().isEmpty()) {
        const std::optional<int> players = Preferences::readMinimumPlayers(minimum);
        if (!players)
            throw PlanInputError(PlanInputError::Field::MinimumPlayers,
                                 CoreText("MatchPlan",
                                          "Minimum players must be a whole number from 1 to 32767, or "
                                          "empty for 1."));
        plan.minimum = *players;
    }
    return plan;
}
