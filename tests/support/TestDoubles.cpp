#include "TestDoubles.h"

#include "platform/LinePrinter.h"

// Keeps the lines of every print job instead of printing them; with a failure set, every job
// fails with it and nothing is kept.
struct RecordingPrinter : LinePrinter
{
    explicit RecordingPrinter(TestDesktop& desktop)
        : desktop(desktop)
    {
    }
    bool print(const QStringList& lines, QString* error) override
    {
        *error = desktop.printerFailure;
        if (error->isEmpty())
            desktop.printJobs.append(lines);
        return error->isEmpty();
    }

    TestDesktop& desktop;
};

PlatformServices TestDesktop::services()
{
    return {messages, files, [this]() -> std::unique_ptr<LinePrinter> {
                if (realPrinter)
                    return std::make_unique<DefaultPrinter>();
                return std::make_unique<RecordingPrinter>(*this);
            }};
}
