#include "Match.h"

namespace {

const char* const AnswerNames[] = {"none", "yes", "maybe", "late", "no"};
const char* const AttendedNames[] = {"unknown", "yes", "no"};

} // namespace

QString AnswerName(MatchAnswer answer)
{
    return QLatin1String(AnswerNames[int(answer)]);
}

std::optional<MatchAnswer> ReadAnswer(const QString& text)
{
    for (int i = 0; i < int(std::size(AnswerNames)); ++i) {
        if (text.trimmed().compare(QLatin1String(AnswerNames[i]), Qt::CaseInsensitive) == 0)
            return MatchAnswer(i);
    }
    return std::nullopt;
}

QString AttendedName(Attended attended)
{
    return QLatin1String(AttendedNames[int(attended)]);
}
