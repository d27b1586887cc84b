// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Errors.h"

#include "foundation/Cp1250.h"

namespace taxilo {

std::string NotANumberMessage(const std::string& text)
{
    std::string message(1, '\'');
    message += text;
    return message + Cp1250::FromUtf8("' nie jest poprawną liczbą");
}

std::string ListIndexMessage(long long index)
{
    return Cp1250::FromUtf8("Indeks listy poza zakresem (") + std::to_string(index) + ")";
}

std::string FileOpenMessage(const std::string& path)
{
    return Cp1250::FromUtf8("Nie można otworzyć pliku \"") + path + "\"";
}

std::string StreamReadMessage(const std::string& path)
{
    return Cp1250::FromUtf8("Błąd odczytu strumienia: plik \"") + path +
        Cp1250::FromUtf8("\" jest uszkodzony lub niekompletny");
}

std::string FileWriteMessage(const std::string& path)
{
    return Cp1250::FromUtf8("Nie można zapisać pliku \"") + path + "\"";
}

namespace {
std::string Shortened(const std::string& text)
{
    constexpr size_t kMax = 200;
    return text.size() <= kMax ? text : text.substr(0, kMax) + "...";
}
} // namespace

std::string DivisionByZeroMessage(const std::string& expression)
{
    return Cp1250::FromUtf8("Dzielenie przez zero w wyrażeniu '") + Shortened(expression) + "'";
}

std::string OutOfRangeMessage(const std::string& expression)
{
    return Cp1250::FromUtf8("Wynik wyrażenia '") + Shortened(expression) + Cp1250::FromUtf8("' jest poza zakresem liczb");
}

std::string NotATruthValueMessage(const std::string& text)
{
    // Built by appending: GCC 12 misreads "'" + temporary as an overlapping copy.
    std::string message(1, '\'');
    message += Shortened(text);
    return message + Cp1250::FromUtf8("' nie jest poprawną wartością logiczną");
}

std::string TooManyDecimalsMessage(long long decimals)
{
    return Cp1250::FromUtf8("Nie można zaokrąglić do ") + std::to_string(decimals) +
        Cp1250::FromUtf8(" miejsc po przecinku (najwyżej 4)");
}

std::string TooComplexMessage(const std::string& text)
{
    return Cp1250::FromUtf8("Wyrażenie lub wiersz skryptu '") + Shortened(text) +
        Cp1250::FromUtf8("' jest zbyt złożone, by je obliczyć");
}

} // namespace taxilo
