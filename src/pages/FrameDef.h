#pragma once
// TFrame1: one wizard step's page, built at run time from its page script. The main window
// creates one per shown step, builds it, locks it when the step may no longer be edited, and
// releases it (ClearPage, then deleteLater) when the user leaves the step. The page reaches the
// main window only through posted PageAction events.
#include "engine/Parser.h"
#include "foundation/Pola_obliczen.h"

#include <QFrame>
#include <QString>

#include <string>

class QScrollArea;

namespace taxilo {

class TFrame1 : public QFrame {
    // Q_OBJECT comes with the implementation (moc needs its definitions).
public:
    // engine and worksheets belong to the main window and outlive the page; mainWindow receives
    // the page's PageActions.
    TFrame1(QWidget* parent, TParser& engine, TEstimate& worksheets, QObject* mainWindow);
    ~TFrame1() override;

    // Text put in place of "$krok" (the step's 1-based number); set before BuildPage.
    QString StepNumber;
    // DEBUG mode of the main window: evaluation failures on page lines are traced.
    bool DebugOn = false;

    // Builds the page from the script at scriptPath (ProgramDir + "Dane/" + name + ".pit");
    // true when the page is taller than the frame.
    bool BuildPage(const std::string& scriptPath);
    void LockPage();
    void StoreValues();
    void RefreshValues();
    void ClearPage();
    // The value of the input control bound to name, as the tests read it.
    Value ControlValue(const std::string& name) const;
    // Runs the page's test blocks; true when the step may be left.
    bool RunTests();

    QScrollArea* sScrollBox1 = nullptr;
};

} // namespace taxilo
