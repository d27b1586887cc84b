// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings store: what the program keeps in the Windows registry under the current user.
// Elsewhere an INI file in the user's configuration folder, with the same key paths and value
// names ("Software/Taxilo2016/Install", value "GUID"; "Software/Taxilo2004", "Coeff_X", ...).
#include <QString>
#include <QVariant>

#include <optional>

namespace taxilo {

class Settings {
public:
    // The store every window uses; tests point it at a file of their own with UseFile.
    static Settings& Instance();
    // Reads and writes go to this INI file from now on (empty: the default location).
    void UseFile(const QString& path);

    // The value under key path and name, or nothing when it is missing or cannot be read.
    std::optional<QString> ReadString(const QString& keyPath, const QString& name) const;
    std::optional<double> ReadDouble(const QString& keyPath, const QString& name) const;
    std::optional<qint64> ReadInteger(const QString& keyPath, const QString& name) const;
    // Writes; false when the store cannot be written (callers that may ignore it do).
    bool Write(const QString& keyPath, const QString& name, const QVariant& value);
    // Deletes a value (missing values are fine); false when the store cannot be written.
    bool Remove(const QString& keyPath, const QString& name);

private:
    QString FilePath() const;
    QString path_;
};

} // namespace taxilo
