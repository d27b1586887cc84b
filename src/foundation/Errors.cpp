#include "foundation/Errors.h"

#include "foundation/Cp1250.h"

namespace taxilo {

std::string NotANumberMessage(const std::string& text)
{
    return "'" + text + Cp1250::FromUtf8("' nie jest poprawną liczbą");
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

} // namespace taxilo
