#include "Match.h"

#include "scheduling/MatchAnnouncement.h"

namespace {

const char* const AnswerNames[] = {"none", "yes", "maybe", "late", "no"};
const char* const AttendedNames[] = {"unknown", "yes", "no"};

} // namespace

QString AnswerName(MatchAnswer answer)
{
    return QLatin1String(AnswerNames[int(answer)]);
}

CoreText AnswerWords(MatchAnswer answer)
{
    switch (answer) {
    case MatchAnswer::Yes:
        return CoreText("Match", "yes");
    case MatchAnswer::Maybe:
        return CoreText("Match", "maybe");
    case MatchAnswer::Late:
        return CoreText("Match", "late");
    case MatchAnswer::No:
        return CoreText("Match", "no");
    case MatchAnswer::None:
        break;
    }
    return CoreText("Match", "no answer");
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

QString MatchReminder::mailto(bool english) const
{
    return QString::fromLatin1(english ? MailtoLink(to, subject.english(), body.english())
                                       : MailtoLink(to, subject.shown(), body.shown()));
}
