#pragma once
// The about window: the product's title and version.
#include <QDialog>

class QLabel;

namespace taxilo {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(QWidget* parent, const QString& product, const QString& version);

    QLabel* TitleLabel;
    QLabel* VersionLabel;
};

} // namespace taxilo
