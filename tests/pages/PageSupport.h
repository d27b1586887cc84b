// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page on a small program folder of its own: the page script is written into Dane/, the
// modal interactions are scripted, and the posted PageActions are recorded.
#include "app/ScriptedDialogs.h"
#include "pages/FrameDef.h"
#include "pages/PageAction.h"
#include "pages/PageControls.h"
#include "platform/QtText.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace taxilo::test {

class ActionRecorder : public QObject {
public:
    struct Posted {
        int Code;
        int Argument;
        QString ResourceName, ResourceType, Hint;
    };
    std::vector<Posted> Actions;

    bool event(QEvent* e) override
    {
        if (e->type() == PageAction::kType) {
            auto* a = static_cast<PageAction*>(e);
            Actions.push_back({a->Code, a->Argument, a->ResourceName, a->ResourceType, a->Hint});
            return true;
        }
        return QObject::event(e);
    }
    std::vector<int> Codes()
    {
        QCoreApplication::sendPostedEvents(this, PageAction::kType);
        std::vector<int> codes;
        for (const auto& a : Actions)
            codes.push_back(a.Code);
        return codes;
    }
};

class PageTest : public ::testing::Test {
protected:
    PageTest()
    {
        engine.BaseDir = dir.Path();
        WriteBytes(dir.File("Dane/.keep"), "");
        frame = std::make_unique<TFrame1>(nullptr, engine, worksheets, &recorder);
        frame->resize(600, 400);
        frame->StepNumber = QStringLiteral("3");
    }

    // Writes the script (UTF-8 here, Windows-1250 on disk) and builds the page from it.
    bool Build(const std::string& utf8Script, const std::string& name = "page")
    {
        const std::string path = dir.File("Dane/" + name + ".pit");
        WriteBytes(path, W(utf8Script));
        return frame->BuildPage(path);
    }
    void WriteDataFile(const std::string& name, const std::string& utf8)
    {
        WriteBytes(dir.File("Dane/" + name), W(utf8));
    }

    // The first widget of type T bound to hint (Windows-1250 from UTF-8).
    template <typename T>
    T* Find(const std::string& hint) const
    {
        for (const auto& w : frame->Controls())
            if (auto* t = qobject_cast<T*>(w.data()); t && w->property("hint").toByteArray().toStdString() == W(hint))
                return t;
        return nullptr;
    }
    template <typename T>
    std::vector<T*> All() const
    {
        std::vector<T*> found;
        for (const auto& w : frame->Controls())
            if (auto* t = qobject_cast<T*>(w.data()))
                found.push_back(t);
        return found;
    }
    std::string Var(const std::string& name) const { return engine.GetVar(name).ToText(); }
    void SetText(const std::string& name, const std::string& utf8) { engine.SetVar(name, Value::MakeText(W(utf8))); }
    void SetNumber(const std::string& name, double n) { engine.SetVar(name, Value::MakeFloat(n)); }
    int Scale(int n) const { return frame->ScaleToScreen(n); }
    std::vector<QString> Messages() const
    {
        std::vector<QString> texts;
        for (const auto& shown : dialogs.Log)
            if (shown.Kind == QStringLiteral("message"))
                texts.push_back(shown.Text);
        return texts;
    }

    TempDir dir;
    TParser engine;
    TEstimate worksheets;
    ActionRecorder recorder;
    ScriptedDialogs dialogs;
    std::unique_ptr<TFrame1> frame;
};

} // namespace taxilo::test
