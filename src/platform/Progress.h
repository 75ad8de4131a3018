#pragma once

#include <QString>
#include <memory>

class QWidget;

// Long work on the user-interface thread tells how far it is through one of these, which keeps
// the window responsive and lets the user cancel.
class Progress
{
public:
    virtual ~Progress() = default;
    // done of total; false once the user has cancelled.
    virtual bool advance(qint64 done, qint64 total) = 0;
};

// Starts a Progress; behind an interface so that tests can cancel without a screen.
class ProgressDisplay
{
public:
    virtual ~ProgressDisplay() = default;
    virtual std::unique_ptr<Progress> begin(QWidget* parent, const QString& text) = 0;
};

// Work that ends within half a second shows nothing; longer work shows a modal dialog with a
// progress bar and Cancel.
class DesktopProgressDisplay : public ProgressDisplay
{
public:
    std::unique_ptr<Progress> begin(QWidget* parent, const QString& text) override;
};
