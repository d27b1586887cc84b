// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's failures. Every message is Polish and names the text or file that failed;
// the user interface shows it as it stands.
#include <stdexcept>
#include <string>

namespace taxilo {

class EngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a number, or a number that does not fit where it must go.
class ConversionError : public EngineError {
public:
    using EngineError::EngineError;
};

class DivisionByZeroError : public EngineError {
public:
    using EngineError::EngineError;
};

// A line asked for that a list does not have (an empty declaration file, a worksheet cut short).
class ListIndexError : public EngineError {
public:
    using EngineError::EngineError;
};

class FileOpenError : public EngineError {
public:
    using EngineError::EngineError;
};

// A stream shorter than its header promises, or a header that points outside it.
class StreamReadError : public EngineError {
public:
    using EngineError::EngineError;
};

// Messages shared by several units; texts are Windows-1250 like every engine text.
std::string NotANumberMessage(const std::string& text);
std::string ListIndexMessage(long long index);
std::string FileOpenMessage(const std::string& path);
std::string StreamReadMessage(const std::string& path);
std::string FileWriteMessage(const std::string& path);
// Expression messages; a text longer than a line of a message window is shortened with "...".
std::string DivisionByZeroMessage(const std::string& expression);
std::string OutOfRangeMessage(const std::string& expression);
std::string NotATruthValueMessage(const std::string& text);
std::string TooManyDecimalsMessage(long long decimals);
std::string TooComplexMessage(const std::string& text);

} // namespace taxilo
