// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpecialFolders.h"

#include "foundation/Installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace taxilo::SpecialFolders {
namespace {

std::string AsFolder(const QString& path)
{
    // Windows-style values (APPDATA) may come with backslashes; paths inside are "/" only.
    if (path.isEmpty())
        return {}; // undetermined stays undetermined, never the file-system root
    QString p = QDir::fromNativeSeparators(path);
    p.replace(u'\\', u'/');
    if (!p.endsWith(u'/'))
        p += u'/';
    return p.toStdString();
}

QString FromEnvironment(const char* name)
{
    return qEnvironmentVariableIsEmpty(name) ? QString() : qEnvironmentVariable(name);
}

} // namespace

std::string Documents()
{
    return AsFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::string RoamingAppData()
{
    const QString fromEnv = FromEnvironment("APPDATA");
    if (!fromEnv.isEmpty())
        return AsFolder(fromEnv);
    return AsFolder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

std::string UserDataDir()
{
    return RoamingAppData() + "Taxilo2016/";
}

std::string DialogFolder()
{
    const std::string documents = Documents();
    if (!documents.empty() && QFileInfo(QString::fromStdString(documents)).isDir())
        return documents;
    return RoamingAppData();
}

std::string ProgramFiles()
{
    const QString fromEnv = FromEnvironment("TAXILO_PROGRAM_FILES");
    if (!fromEnv.isEmpty())
        return AsFolder(fromEnv);
    const QString windows = FromEnvironment("ProgramFiles");
    if (!windows.isEmpty())
        return AsFolder(windows);
    return "/opt/";
}

std::string ProgramDir()
{
    return ProgramDataFolder(AsFolder(QCoreApplication::applicationDirPath()));
}

} // namespace taxilo::SpecialFolders
