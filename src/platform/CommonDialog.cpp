#include "CommonDialog.h"

#include <QFileDialog>
#include <QStringList>

namespace {

// "All files|*.*" becomes "All files (*)": on this system "*.*" would hide files without a dot.
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts.at(i + 1);
        if (pattern == QLatin1String("*.*")) {
            pattern = QStringLiteral("*");
        }
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(QStringLiteral("%1 (%2)").arg(parts.at(i), pattern));
    }
    return filters.join(QLatin1String(";;"));
}

} // namespace

QString DesktopFileChooser::chooseFileToOpen(QWidget* parent, const QString& startFile,
                                             const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), startFile, qtFilter(filter));
}

QString DesktopFileChooser::chooseFileToSave(QWidget* parent, const QString& suggestedFile,
                                             const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, QString(), suggestedFile, qtFilter(filter));
}

CommonDialog::CommonDialog(const QString& name, FileChooser& chooser, QWidget* owner)
    : QObject(owner)
    , m_chooser(chooser)
    , m_owner(owner)
{
    setObjectName(name);
}

void CommonDialog::ShowOpen()
{
    const QString chosen = m_chooser.chooseFileToOpen(m_owner, m_fileName, m_filter);
    if (!chosen.isEmpty()) {
        m_fileName = chosen;
    }
}
