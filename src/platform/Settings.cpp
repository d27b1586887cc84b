// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>

namespace taxilo {

Settings& Settings::Instance()
{
    static Settings settings;
    return settings;
}

void Settings::UseFile(const QString& path)
{
    path_ = path;
}

QString Settings::FilePath() const
{
    if (!path_.isEmpty())
        return path_;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(QStringLiteral("Taxilo2016/registry.ini"));
}

namespace {
QString Key(const QString& keyPath, const QString& name)
{
    QString path = keyPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    return path + QLatin1Char('/') + name;
}
} // namespace

std::optional<QString> Settings::ReadString(const QString& keyPath, const QString& name) const
{
    QSettings store(FilePath(), QSettings::IniFormat);
    const QVariant v = store.value(Key(keyPath, name));
    if (!v.isValid())
        return std::nullopt;
    return v.toString();
}

std::optional<double> Settings::ReadDouble(const QString& keyPath, const QString& name) const
{
    const auto text = ReadString(keyPath, name);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const double value = text->trimmed().toDouble(&ok); // "C" locale: "." as written by Write
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> Settings::ReadInteger(const QString& keyPath, const QString& name) const
{
    const auto text = ReadString(keyPath, name);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const qint64 value = text->trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool Settings::Write(const QString& keyPath, const QString& name, const QVariant& value)
{
    QDir().mkpath(QFileInfo(FilePath()).absolutePath());
    QSettings store(FilePath(), QSettings::IniFormat);
    // Doubles in their shortest round-trip form with ".", whatever the user's locale.
    if (value.typeId() == QMetaType::Double)
        store.setValue(Key(keyPath, name), QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest));
    else
        store.setValue(Key(keyPath, name), value);
    store.sync();
    return store.status() == QSettings::NoError;
}

bool Settings::Remove(const QString& keyPath, const QString& name)
{
    QSettings store(FilePath(), QSettings::IniFormat);
    store.remove(Key(keyPath, name));
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace taxilo
