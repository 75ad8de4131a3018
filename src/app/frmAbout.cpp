#include "frmAbout.h"

#include "AppIcon.h"
#include "data/Program.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* aboutLabel(QWidget* parent, const QString& name, const QString& text, int pointSize)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    if (pointSize > 0) {
        // The system falls back to a font of its own where this one is missing.
        QFont font(QStringLiteral("Comic Sans MS"), pointSize);
        label->setFont(font);
    }
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QLatin1String(Program::AboutBoxTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(AppIcon::picture(QSize(63, 72)));
    picIcon->setFixedSize(63, 72);
    picIcon->setAccessibleName(tr("Vellumark card"));

    QLabel* title =
        aboutLabel(this, QStringLiteral("lblTitle"), QLatin1String(Program::WindowTitle), 16);
    QLabel* version = aboutLabel(this, QStringLiteral("lblVersion"),
                                 tr("Version %1").arg(QLatin1String(Program::Version)), 10);
    QLabel* description = aboutLabel(
        this, QStringLiteral("lblDescription"),
        QStringLiteral("Made by Vellumark Software, Duelkin.\n"
                       "Mail: help@vellumark.example\nWeb: http://www.vellumark.example/"),
        10);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    QPalette grey = line->palette();
    grey.setColor(QPalette::WindowText, Qt::gray);
    line->setPalette(grey);

    QLabel* disclaimer = aboutLabel(
        this, QStringLiteral("lblDisclaimer"),
        QStringLiteral("Warning: this program is protected by copyright law. Copying or "
                       "distributing it, in whole or in part, without the makers' permission is "
                       "not allowed. The names of the card stores belong to their owners. "
                       "This software is not affiliated or endorsed by eBay."),
        0);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // Esc closes a dialog by rejecting it; that is the same as OK here.
    connect(this, &QDialog::rejected, this, &frmAbout::cmdOK_Click);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(description, 2, 1);
    layout->addWidget(line, 3, 0, 1, 2);
    layout->addWidget(disclaimer, 4, 0, 1, 2);
    layout->addWidget(ok, 5, 1, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    disclaimer->setMinimumWidth(360);
}

void frmAbout::cmdOK_Click()
{
    close();
}
