// SPDX-License-Identifier: GPL-3.0-or-later
// The page examples of docs/script-language.md, built as pages: each example's expectations
// ("# expect", "# expect-shown", "# expect-top", "# expect-tests", ...) are checked on the built page;
// "# file: NAME" lines start the example's data files in Dane/.
#include "support/DocExamples.h"
#include "PageSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <map>

namespace taxilo::test {
namespace {

// What a widget shows: a text block's or label's text, a button's caption, a group's title,
// a field's text.
QString ShownText(const QWidget* widget)
{
    if (auto* block = qobject_cast<const TextBlock*>(widget))
        return block->Text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    return {};
}

class DocPage : public PageTest, public ::testing::WithParamInterface<DocExample> {
protected:
    const QWidget* Showing(const std::string& utf8) const
    {
        // As the reader sees it: the non-breaking spaces that hold amounts together read as blanks.
        const QString text = QString::fromUtf8(utf8);
        for (const QWidget* widget : frame->findChildren<QWidget*>())
            if (ShownText(widget).replace(QChar(0xA0), QLatin1Char(' ')) == text)
                return widget;
        return nullptr;
    }
};

TEST_P(DocPage, PageMatchesExpectations)
{
    const auto directives = DocDirectives(GetParam());
    // "# file: NAME" starts a data file of the example in Dane/; the lines before it are the page.
    std::map<std::string, std::string> files;
    std::string current;
    for (const auto& line : GetParam().Lines) {
        if (line.rfind("# file: ", 0) == 0)
            current = line.substr(8);
        else
            files[current] += line + "\n";
    }
    for (const auto& [name, text] : files)
        if (!name.empty())
            WriteDataFile(name, text);
    const std::string script = files[""];
    std::pair<std::string, std::string> assignment;
    for (const auto& d : directives) {
        if (d.Key == "set" && SplitAssignment(d.Rest, assignment))
            SetText(assignment.first, assignment.second);
        else if (d.Key == "answer")
            dialogs.MessageAnswers.push_back(d.Rest == "yes" ? kAnswerYes : kAnswerNo);
    }
    Build(script);
    bool testsRun = false;
    for (const auto& d : directives)
        if (d.Key == "expect-tests") {
            EXPECT_EQ(frame->RunTests(), d.Rest == "pass");
            testsRun = true;
        }
    if (!testsRun)
        frame->StoreValues();

    int checks = 0;
    size_t message = 0;
    for (const auto& d : directives) {
        SCOPED_TRACE("# " + d.Key + ": " + d.Rest);
        if (d.Key == "expect" && SplitAssignment(d.Rest, assignment)) {
            EXPECT_GE(engine.FindVar(W(assignment.first), false), 0) << assignment.first << " does not exist";
            EXPECT_EQ(Var(W(assignment.first)), W(assignment.second));
        } else if (d.Key == "expect-kind") {
            const size_t blank = d.Rest.find(' ');
            ASSERT_NE(blank, std::string::npos);
            EXPECT_EQ(Value::KindName(engine.GetVar(W(d.Rest.substr(0, blank))).kind()), d.Rest.substr(blank + 1));
        } else if (d.Key == "expect-shown") {
            EXPECT_NE(Showing(d.Rest), nullptr) << "nothing on the page shows " << d.Rest;
        } else if (d.Key == "expect-top" && SplitAssignment(d.Rest, assignment)) {
            const QWidget* widget = Showing(assignment.first);
            ASSERT_NE(widget, nullptr) << "nothing on the page shows " << assignment.first;
            EXPECT_EQ(widget->y(), std::stoi(assignment.second));
        } else if (d.Key == "expect-message") {
            ASSERT_LT(message, Messages().size()) << "no message shown for " << d.Rest;
            EXPECT_EQ(Messages()[message++], QString::fromUtf8(d.Rest));
        } else if (d.Key != "expect-tests") {
            continue;
        }
        ++checks;
    }
    EXPECT_GT(checks, 0) << "the example states no expectation";
    if (message == 0) {
        EXPECT_TRUE(Messages().empty()) << "unexpected message: " << Messages()[0].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(PageExamples, DocPage, ::testing::ValuesIn(DocExamples("page")),
                         [](const auto& suite) { return DocExampleName(suite.param); });

TEST(DocExamples, TheDocumentHasPageExamples)
{
    EXPECT_GE(DocExamples("page").size(), 10u);
}

} // namespace
} // namespace taxilo::test
