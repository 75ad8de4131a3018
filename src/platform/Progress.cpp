#include "Progress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

namespace {

constexpr qint64 ShownAfterMs = 500;
// Often enough for the window to feel responsive, seldom enough to cost nothing.
constexpr qint64 EventsEveryMs = 30;
constexpr int Steps = 1000;

class DialogProgress : public Progress
{
public:
    DialogProgress(QWidget* parent, const QString& text)
        : m_parent(parent)
        , m_text(text)
    {
        m_sinceStart.start();
    }

    bool advance(qint64 done, qint64 total) override
    {
        const bool eventsDue = !m_sinceEvents.isValid() || m_sinceEvents.elapsed() >= EventsEveryMs;
        if (m_sinceStart.elapsed() < ShownAfterMs || !eventsDue) {
            return !m_cancelled;
        }
        if (!m_dialog) {
            m_dialog = std::make_unique<QProgressDialog>(m_text, QObject::tr("Cancel"), 0, Steps,
                                                         m_parent);
            m_dialog->setWindowModality(Qt::WindowModal);
            m_dialog->setMinimumDuration(0);
            m_dialog->setAutoReset(false);
            m_dialog->setAutoClose(false);
            QObject::connect(m_dialog.get(), &QProgressDialog::canceled,
                             [this] { m_cancelled = true; });
            m_dialog->show();
        }
        m_dialog->setValue(total > 0 ? int(done * Steps / total) : 0);
        QCoreApplication::processEvents();
        m_sinceEvents.start();
        return !m_cancelled;
    }

private:
    QPointer<QWidget> m_parent;
    QString m_text;
    QElapsedTimer m_sinceStart;
    QElapsedTimer m_sinceEvents;
    std::unique_ptr<QProgressDialog> m_dialog;
    bool m_cancelled = false;
};

} // namespace

std::unique_ptr<Progress> DesktopProgressDisplay::begin(QWidget* parent, const QString& text)
{
    return std::make_unique<DialogProgress>(parent, text);
}
