// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm4: the debug window of DEBUG mode; "Refresh" lists the engine's variables.
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace taxilo {

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    QListWidget* ListBox1;
    QPushButton* Button1; // "Refresh"
    // The variables as "name = value" lines, and whether DEBUG mode is on.
    std::function<std::vector<std::string>()> ListSource;
    std::function<bool()> Enabled;

    void Button1Click();
};

} // namespace taxilo
