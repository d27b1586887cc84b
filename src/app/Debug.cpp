// SPDX-License-Identifier: GPL-3.0-or-later
// TForm4: the debug window that lists the engine's variables.
#include "app/Debug.h"

#include "platform/QtText.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace taxilo {

TForm4::TForm4(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Debug window"));
    auto* layout = new QVBoxLayout(this);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(QFont(QStringLiteral("Liberation Mono"), 9));
    Button1 = new QPushButton(QStringLiteral("Refresh"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    layout->addWidget(ListBox1);
    layout->addWidget(Button1);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    resize(420, 560);
}

void TForm4::Button1Click()
{
    if (!Enabled || !Enabled() || !ListSource)
        return;
    ListBox1->clear();
    for (const std::string& line : ListSource())
        ListBox1->addItem(ToQString(line));
}

} // namespace taxilo
