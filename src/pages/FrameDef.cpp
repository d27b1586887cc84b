// A minimal page for the main window's work until the page unit lands: HEAD and TEXT lines
// as labels, no inputs, no tests. The page unit's own implementation replaces this file.
#include "pages/FrameDef.h"

#include "foundation/Biblioteka.h"
#include "foundation/SplitLib.h"
#include "platform/QtText.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QVariant>

namespace taxilo {

TFrame1::TFrame1(QWidget* parent, TParser& engine, TEstimate&, QObject*) : QFrame(parent)
{
    // The header's members belong to the page unit; the engine rides along as a property.
    setProperty("engine", QVariant::fromValue<void*>(&engine));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    sScrollBox1 = new QScrollArea(this);
    sScrollBox1->setObjectName(QStringLiteral("sScrollBox1"));
    sScrollBox1->setFrameShape(QFrame::NoFrame);
    sScrollBox1->setWidgetResizable(true);
    layout->addWidget(sScrollBox1);
}

TFrame1::~TFrame1() = default;

bool TFrame1::BuildPage(const std::string& scriptPath)
{
    auto* content = new QWidget;
    content->setStyleSheet(QStringLiteral("background: white;"));
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(10, 10, 10, 10);
    auto* engine = static_cast<TParser*>(property("engine").value<void*>());
    for (const std::string& raw : engine->FetchScript(scriptPath)) {
        const std::vector<std::string> fields = SplitText(Trim(raw), "|");
        if (fields.size() < 2)
            continue;
        std::string word = fields[0];
        for (char& c : word)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (word == "TEST_BEGIN")
            break;
        if (word != "HEAD" && word != "TEXT")
            continue;
        auto* label = new QLabel(ToQString(StrReplaceAll(fields[1], "$krok", FromQString(StepNumber))), content);
        label->setWordWrap(true);
        QFont font(word == "HEAD" ? QStringLiteral("Arial") : QStringLiteral("Tahoma"), word == "HEAD" ? 12 : 8);
        font.setUnderline(word == "HEAD");
        label->setFont(font);
        column->addWidget(label);
    }
    column->addStretch();
    sScrollBox1->setWidget(content);
    return false;
}

void TFrame1::LockPage()
{
    if (QWidget* content = sScrollBox1->widget())
        content->setEnabled(false);
}

void TFrame1::StoreValues() {}

void TFrame1::RefreshValues() {}

void TFrame1::ClearPage()
{
    StoreValues();
}

Value TFrame1::ControlValue(const std::string&) const
{
    return Value();
}

bool TFrame1::RunTests()
{
    return true;
}

} // namespace taxilo
