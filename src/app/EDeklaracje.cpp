// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EDeklaracje.h"

#include "edeclaration/HandOff.h"
#include "engine/Parser.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "platform/EDeklaracjeStore.h"
#include "platform/QtText.h"
#include "ui/Dialogs.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <map>
#include <optional>

#include <vector>

namespace taxilo {
namespace {

const QString kError = QStringLiteral("BŁĄD");

// The two messages keep the application's own line breaks (a line feed, then a carriage return).
const QString kNoStoreMessage = QStringLiteral("Zainstaluj program e-Deklaracje Desktop z płyty,\n\r"
                                               "lub ze strony Ministerstwa Finansów (www.e-deklaracje.gov.pl).");
const QString kOutdatedMessage = QStringLiteral(
    "Zainstalowane e-Deklaracje są nieaktualne - wymagana wersja min. 9.0.0.\n\r"
    "Uruchom e-Deklaracje i poczekaj, aż program dokona samoaktualizacji.\n\r"
    "Po aktualizacji ponownie naciśnij przycisk \"Wyślij przez internet\"");
const QString kNothingMarkedMessage = QStringLiteral("Żadna deklaracja nie jest zaznaczona do wysłania.\n"
                                                     "Zaznacz deklaracje do wysłania na stronie podsumowania.");

// The wait cursor while the store is read and written; gone again before any message.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString MissingFormMessage(std::string_view formName)
{
    return QStringLiteral("Zainstalowane e-Deklaracje nie obsługują formularza %1 za rok 2016.\n"
                          "Uruchom e-Deklaracje i poczekaj, aż program dokona samoaktualizacji.\n"
                          "Żadna deklaracja nie została zapisana.")
        .arg(QString::fromUtf8(formName.data(), static_cast<qsizetype>(formName.size())));
}

std::string UpperUtf8(const Value& cp1250)
{
    return Cp1250::ToUtf8(Cp1250::Upper(cp1250.ToText()));
}

// Every document is built and every form id looked up before the store is touched, so a
// failure here leaves the store as it was.
std::vector<edeklaracje::Draft> BuildDrafts(const TParser& engine, const std::vector<edecl::HandOffForm>& forms,
                                            const std::map<std::string, std::string>& formTable, QString& missingForm)
{
    std::vector<edeklaracje::Draft> drafts;
    for (const auto& form : forms) {
        const auto id = formTable.find(std::string(form.FormEntry));
        if (id == formTable.end()) {
            missingForm = MissingFormMessage(form.FormEntry);
            return {};
        }
        drafts.push_back({kDraftName, id->second, Cp1250::ToUtf8(engine.BuildDeclarationXml(std::string(form.Name)))});
    }
    return drafts;
}

QString FileList(const QStringList& names)
{
    return names.join(QStringLiteral(", "));
}

} // namespace

HandOffResult SendToEDeklaracje(const TParser& engine, const std::string& appDataFolder, Dialogs& dialogs)
{
    QString failure;
    try {
        std::optional<WaitCursor> wait(std::in_place);
        const std::string store = edeklaracje::FindStore(appDataFolder);
        if (store.empty())
            failure = kNoStoreMessage;
        std::map<std::string, std::string> formTable;
        if (failure.isEmpty()) {
            formTable = edeklaracje::ReadFormTable(store);
            if (formTable.empty())
                failure = kOutdatedMessage;
        }
        if (!failure.isEmpty()) {
            wait.reset();
            dialogs.Message(kError, failure, MessageButtons::Ok);
            return HandOffResult::Failed;
        }
        const auto flagged = edecl::FlaggedForms(engine);
        if (flagged.empty()) {
            wait.reset();
            dialogs.Message(QStringLiteral("Informacja"), kNothingMarkedMessage, MessageButtons::Ok);
            return HandOffResult::NothingToSend;
        }
        const auto drafts = BuildDrafts(engine, flagged, formTable, failure);
        if (drafts.empty()) {
            wait.reset();
            dialogs.Message(kError, failure, MessageButtons::Ok);
            return HandOffResult::Failed;
        }
        const edeklaracje::Profile profile{UpperUtf8(engine.GetVar("PIT36_11")), UpperUtf8(engine.GetVar("PIT36_12"))};
        edeklaracje::WriteDrafts(store, profile, drafts, edeklaracje::JulianTimestamp(edeklaracje::LocalTimeNow()));
        return HandOffResult::Sent;
    } catch (const edeklaracje::StoreError& e) {
        failure = QString::fromUtf8(e.what()) + QStringLiteral("\nŻadna deklaracja nie została zapisana.");
    } catch (const EngineError& e) {
        failure = ToQString(e.what());
    }
    dialogs.Message(kError, failure, MessageButtons::Ok);
    return HandOffResult::Failed;
}

bool SaveDeclarationsAsXml(const TParser& engine, const std::string& startFolder, Dialogs& dialogs)
{
    const auto flagged = edecl::FlaggedForms(engine);
    if (flagged.empty()) {
        dialogs.Message(QStringLiteral("Informacja"), kNothingMarkedMessage, MessageButtons::Ok);
        return false;
    }
    QString folder = dialogs.ChooseFolder(QStringLiteral("Zapisz e-deklarację (XML) w folderze"),
                                          QString::fromStdString(startFolder));
    if (folder.isEmpty())
        return false;
    folder = QDir::fromNativeSeparators(folder);
    if (!folder.endsWith(u'/'))
        folder += u'/';

    QStringList names;
    QStringList existing;
    for (const auto& form : flagged) {
        const QString name = QString::fromStdString(edecl::XmlFileName(form.Name));
        names << name;
        if (QFileInfo::exists(folder + name))
            existing << name;
    }
    if (!existing.isEmpty() &&
        dialogs.Message(
            QStringLiteral("Uwaga"),
            QStringLiteral("W wybranym folderze są już pliki: %1.\nCzy zastąpić je nowymi?").arg(FileList(existing)),
            MessageButtons::YesNo) != kAnswerYes)
        return false;

    try {
        edecl::ExportFlaggedXml(engine, folder.toStdString());
    } catch (const EngineError& e) {
        dialogs.Message(kError, ToQString(e.what()), MessageButtons::Ok);
        return false;
    }
    dialogs.Message(QStringLiteral("Informacja"),
                    QStringLiteral("Zapisano w folderze %1:\n%2").arg(QDir::toNativeSeparators(folder), FileList(names)),
                    MessageButtons::Ok);
    return true;
}

} // namespace taxilo
