// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Input rules shared by the register and calculator windows. A validator refuses a keystroke or
// a paste as a whole, so a field never holds what its file cannot store.
#include <QValidator>

namespace taxilo {

// Text that goes into a "|"-separated register record or a worksheet line: no control
// characters, only characters Windows-1250 can hold, and (for records) no "|".
class RecordTextValidator : public QValidator {
public:
    RecordTextValidator(bool allowBar, QObject* parent) : QValidator(parent), allowBar_(allowBar) {}
    State validate(QString& input, int& pos) const override;

private:
    bool allowBar_;
};

// An amount of the calculator: digits, one decimal comma ("." is turned into ","), at most two
// decimals and eleven integer digits. The empty text is accepted (an empty row).
class AmountValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace taxilo
