// The about window: the product's title and version.
#include "app/about.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace taxilo {

AboutWindow::AboutWindow(QWidget* parent, const QString& product, const QString& version) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowTitle(QStringLiteral("O programie"));
    setStyleSheet(QStringLiteral("QDialog { background: white; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 20);
    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/BANNER_TOP.png")));
    logo->setAlignment(Qt::AlignCenter);
    TitleLabel = new QLabel(product, this);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    QFont titleFont(QStringLiteral("Calibri"), 20);
    titleFont.setBold(true);
    TitleLabel->setFont(titleFont);
    TitleLabel->setAlignment(Qt::AlignCenter);
    VersionLabel = new QLabel(QStringLiteral("wersja ") + version, this);
    VersionLabel->setObjectName(QStringLiteral("VersionLabel"));
    VersionLabel->setAlignment(Qt::AlignCenter);
    auto* purpose = new QLabel(QStringLiteral("Zeznania podatkowe PIT za rok 2016"), this);
    purpose->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(logo);
    layout->addWidget(TitleLabel);
    layout->addWidget(VersionLabel);
    layout->addWidget(purpose);
    layout->addSpacing(12);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    setFixedSize(360, 300);
}

} // namespace taxilo
