// SPDX-License-Identifier: GPL-3.0-or-later
#include "registers/TextValidators.h"

#include "platform/QtText.h"

namespace taxilo {

QValidator::State RecordTextValidator::validate(QString& input, int&) const
{
    for (const QChar c : input)
        if (c.unicode() < 32 || c.unicode() == 127 || (!allowBar_ && c == u'|'))
            return Invalid;
    return FitsCp1250(input) ? Acceptable : Invalid;
}

QValidator::State AmountValidator::validate(QString& input, int&) const
{
    input.replace(u'.', u',');
    int integerDigits = 0;
    int decimals = 0;
    bool separator = false;
    for (const QChar c : input) {
        if (c == u',') {
            if (separator)
                return Invalid;
            separator = true;
        } else if (c >= u'0' && c <= u'9') {
            if (separator ? ++decimals > 2 : ++integerDigits > 11)
                return Invalid;
        } else {
            return Invalid;
        }
    }
    return Acceptable;
}

} // namespace taxilo
