#include "boardgame/file/BoardSourceExport.h"

#include <QFileInfo>

namespace BoardSourceExport {

QString SourceText(const BoardContent&, const QString&, QMap<QString, QByteArray>*) {
    return {};
}
bool ExportSource(const BoardContent&, const QString&, QString* error) {
    if (error)
        *error = QStringLiteral("Export is not available yet.");
    return false;
}
QString MediaFolderName(const QString& sourcePath) {
    return QFileInfo(sourcePath).completeBaseName() + QStringLiteral("-media");
}

} // namespace BoardSourceExport
