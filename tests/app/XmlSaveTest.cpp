// SPDX-License-Identifier: GPL-3.0-or-later
// "Zapisz e-deklarację (XML)...": the folder question, the overwrite question and the files.
#include "app/EDeklaracje.h"
#include "app/ScriptedDialogs.h"
#include "edeclaration/HandOff.h"
#include "engine/Parser.h"
#include "foundation/TextFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace taxilo::test {
namespace {

class XmlSaveTest : public ::testing::Test {
protected:
    XmlSaveTest()
    {
        engine.SetVar("ROK", Value::MakeText("2016"));
        engine.SetVar("PIT36_11", Value::MakeText("Nowak"));
    }
    bool Save() { return SaveDeclarationsAsXml(engine, "/start/", dialogs); }

    TParser engine;
    ScriptedDialogs dialogs;
    TempDir dir;
};

TEST_F(XmlSaveTest, WritesEveryMarkedDeclarationIntoTheChosenFolder)
{
    engine.SetVar("PIT_36", Value::MakeText("1"));
    engine.SetVar("PIT_39", Value::MakeText("1"));
    dialogs.FileAnswers.push_back(QString::fromStdString(dir.Path()).chopped(1)); // without the final "/"
    ASSERT_TRUE(Save());
    ASSERT_EQ(dialogs.Log.size(), 2u);
    EXPECT_EQ(dialogs.Log[0].Kind, "folder");
    EXPECT_EQ(dialogs.Log[0].Text, "/start/");
    EXPECT_EQ(dialogs.Log[1].Caption, "Informacja");
    EXPECT_TRUE(dialogs.Log[1].Text.endsWith("PIT-39.xml, PIT-36.xml")) << dialogs.Log[1].Text.toStdString();
    EXPECT_EQ(ReadBytes(dir.File("PIT-36.xml")), edecl::StandaloneXml(engine, "PIT-36"));
    EXPECT_EQ(ReadBytes(dir.File("PIT-39.xml")), edecl::StandaloneXml(engine, "PIT-39"));
}

TEST_F(XmlSaveTest, ExistingFilesAreReplacedOnlyWhenTheUserAgrees)
{
    engine.SetVar("PIT_37", Value::MakeText("1"));
    WriteBytes(dir.File("PIT-37.xml"), "old");
    dialogs.FileAnswers.push_back(QString::fromStdString(dir.Path()));
    dialogs.MessageAnswers.push_back(kAnswerNo);
    EXPECT_FALSE(Save());
    EXPECT_EQ(ReadBytes(dir.File("PIT-37.xml")), "old");
    EXPECT_TRUE(dialogs.Log.back().Text.contains("PIT-37.xml"));

    dialogs.FileAnswers.push_back(QString::fromStdString(dir.Path()));
    dialogs.MessageAnswers.push_back(kAnswerYes);
    EXPECT_TRUE(Save());
    EXPECT_EQ(ReadBytes(dir.File("PIT-37.xml")), edecl::StandaloneXml(engine, "PIT-37"));
}

TEST_F(XmlSaveTest, NothingMarkedOrCancelledWritesNothing)
{
    EXPECT_FALSE(Save());
    ASSERT_EQ(dialogs.Log.size(), 1u);
    EXPECT_EQ(dialogs.Log[0].Caption, "Informacja"); // told, never asked for a folder

    engine.SetVar("PIT_37", Value::MakeText("1"));
    dialogs.Log.clear();
    EXPECT_FALSE(Save()); // the folder dialog cancelled
    ASSERT_EQ(dialogs.Log.size(), 1u);
    EXPECT_EQ(dialogs.Log[0].Kind, "folder");
}

TEST_F(XmlSaveTest, UnwritableFolderIsReported)
{
    engine.SetVar("PIT_37", Value::MakeText("1"));
    dialogs.FileAnswers.push_back("/nonexistent-folder/taxilo");
    EXPECT_FALSE(Save());
    EXPECT_EQ(dialogs.Log.back().Caption, QStringLiteral("BŁĄD"));
}

} // namespace
} // namespace taxilo::test
