#include "settings/DailyTime.h"

#include "base/IniDocument.h"

namespace DailyTime {

int Wrap(Field field, int value)
{
    const int last = field == Field::Hour ? 23 : 59;
    if (value > last) {
        return 0;
    }
    if (value < 0) {
        return last;
    }
    return value;
}

QString TwoDigits(int value)
{
    const QString text = QString::number(value);
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}

Parts Split(const QString& value)
{
    const std::optional<int> hour = IniDocument::ParseInteger(value.mid(0, 2));
    const std::optional<int> minute = IniDocument::ParseInteger(value.mid(3, 2));
    if (!hour || !minute) {
        return {};
    }
    return { Wrap(Field::Hour, *hour), Wrap(Field::Minute, *minute) };
}

QString Join(int hour, int minute)
{
    return TwoDigits(hour) + QLatin1Char(':') + TwoDigits(minute);
}

} // namespace DailyTime
