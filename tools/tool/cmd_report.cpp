// mordaventa-tool report [--csv|--html] [FOLDER]: the class report of every
// player file of the program's player folder (or FOLDER) on standard output,
// as CSV (the default) or as one HTML page.
#include "ToolCommand.h"

#include "report/ClassReport.h"

#include <QFileInfo>

#include <cstdio>

namespace {

const QString kUsage = QStringLiteral("report [--csv|--html] [FOLDER]");

int runReport(const QStringList& arguments) {
    QStringList rest = arguments;
    const bool csv = rest.removeAll(QStringLiteral("--csv")) > 0;
    const bool html = rest.removeAll(QStringLiteral("--html")) > 0;
    if ((csv && html) || rest.size() > 1 ||
        (!rest.isEmpty() && rest.first().startsWith(QLatin1String("--"))))
        return toolError(QStringLiteral("usage: ") + kUsage);
    const QString folder = rest.isEmpty() ? ClassReport::PlayerFolder() : rest.first();
    if (!QFileInfo(folder).isDir())
        return toolError(QStringLiteral("%1 is not a folder").arg(folder));

    const ClassReport report = ClassReport::Build(folder);
    const QByteArray bytes = html ? report.Html() : report.Csv();
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
        std::fflush(stdout) != 0)
        return toolError(QStringLiteral("the report could not be written"));
    return 0;
}

ToolCommandRegistration registration{QStringLiteral("report"), kUsage, &runReport};

} // namespace
