// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's command message. Pages, buttons, menus and the engine's loading progress
// post it; it is never sent, so every action runs after the handler that asked for it returned
// (a page may ask for its own destruction from its own button).
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QString>

namespace taxilo {

enum PageActionCode : int {
    kActionNext = 1, // argument 1: the page to show is locked
    kActionBack = 2,
    kActionRebuild = 3, // resize timer: rebuild the current page
    kActionNew = 4,
    kActionNextButton = 5, // Enter on the page's last field: as the "Dalej" button
    kActionAutosave = 9,
    kActionRefreshPreview = 10,
    kActionPrintAll = 20,
    kActionSaveAs = 21,
    kActionPdf = 22,
    kActionSend = 23,
    kActionImportTaxpayer = 24,
    kActionImportSpouse = 25,
    kActionEditLocked = 30, // "Edytuj planszę" confirmed: start a new declaration
    kActionBanner = 40,     // CMD BANNER: n, resource name, type, hint
    kActionShowBack = 100,  // argument 1 show, 0 hide
    kActionShowPrintPreview = 101,
    kActionLoadingBegins = 200,
    kActionLoadingCount = 201,
    kActionLoadingEntry = 202,
    kActionLoadingDone = 203,
};

class PageAction : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 100);

    PageAction(int code, int argument = 0) : QEvent(kType), Code(code), Argument(argument) {}

    int Code;
    int Argument;
    // CMD BANNER only.
    QString ResourceName;
    QString ResourceType;
    QString Hint;
};

// Posts an action to the main window; the event loop owns and deletes the event.
inline void PostPageAction(QObject* mainWindow, int code, int argument = 0)
{
    if (mainWindow)
        QCoreApplication::postEvent(mainWindow, new PageAction(code, argument));
}

} // namespace taxilo
