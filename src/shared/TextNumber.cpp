#include "TextNumber.h"

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const auto isDigit = [&](qsizetype k) { return k < text.size() && text[k] >= u'0' && text[k] <= u'9'; };
    double value = 0;
    for (; isDigit(i); ++i)
        value = value * 10 + (text[i].unicode() - u'0');
    if (i < text.size() && text[i] == u'.') {
        double scale = 0.1;
        for (++i; isDigit(i); ++i, scale /= 10)
            value += (text[i].unicode() - u'0') * scale;
    }
    return value;
}

int clockHour(QStringView clockText)
{
    return int(leadingNumber(clockText.left(2)));
}

int clockMinutes(QStringView clockText)
{
    return int(leadingNumber(clockText.mid(3, 2)));
}
