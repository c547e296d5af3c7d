#include "app/TAboutBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(tr("About Tarvik"));

    ProductName = new QLabel(tr("Tarvik"), this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont large = ProductName->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.5);
    ProductName->setFont(large);

    Comments = new QLabel(tr("Configurator for HART field instruments"), this);
    Comments->setObjectName(QStringLiteral("Comments"));

    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty()) version = QStringLiteral("0.1");
    Version = new QLabel(tr("Version %1").arg(version), this);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(ProductName);
    texts->addWidget(Comments);
    texts->addWidget(Version);

    auto* top = new QHBoxLayout;
    // The program's icon, once it has one; without it the texts stand alone.
    if (const QIcon appIcon = QApplication::windowIcon(); !appIcon.isNull()) {
        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("ProgramIcon"));
        const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(appIcon.pixmap(iconSize, iconSize));
        icon->setAlignment(Qt::AlignTop);
        top->addWidget(icon);
        top->addSpacing(iconSize / 2);
    }
    top->addLayout(texts);

    auto* box = new QVBoxLayout(this);
    box->addLayout(top);
    box->addSpacing(box->spacing() * 2);
    box->addWidget(buttons);
    const QMargins m = box->contentsMargins();
    box->setContentsMargins(m.left() * 2, m.top() * 2, m.right() * 2, m.bottom());
    box->setSizeConstraint(QLayout::SetFixedSize);
}
