#include "TestDoubles.h"

bool RecordingPrinter::print(const QStringList& lines, QString* error)
{
    if (!m_failure.isEmpty()) {
        *error = m_failure;
        return false;
    }
    m_jobs.append(lines);
    return true;
}

PlatformServices TestDesktop::services()
{
    return {messages, files, [this]() -> std::unique_ptr<LinePrinter> {
                if (realPrinter) {
                    return std::make_unique<DefaultPrinter>();
                }
                return std::make_unique<RecordingPrinter>(printJobs, printerFailure);
            }};
}
