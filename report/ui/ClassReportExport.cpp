#include "report/ui/ClassReportExport.h"

#include "report/ClassReport.h"
#include "shell/Logging.h"
#include "shell/MsgBox.h"
#include "shell/ui/WebLinks.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QString kTitle = QStringLiteral("Class Report");

} // namespace

namespace ClassReportExport {

QString DefaultSaveDialog(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, kTitle, suggested,
                                        QStringLiteral("Web pages (*.html *.htm)"));
}

QString WriteAndShow(QWidget* parent, const SaveDialog& dialog) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QString path = dialog(parent, QDir(folder).filePath(QStringLiteral("Class Report.html")));
    if (path.isEmpty())
        return QString();
    // A name typed without an ending still opens in the browser.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".html");

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QByteArray page = ClassReport::Build(ClassReport::PlayerFolder()).Html();
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(page) == page.size() && file.commit();
    QApplication::restoreOverrideCursor();
    if (!written) {
        MsgBox(QStringLiteral("The class report could not be written to\n%1\n\n%2")
                   .arg(QDir::toNativeSeparators(path), file.errorString()),
               MsgButtons::OK, kTitle, MsgIcon::Critical, parent);
        return QString();
    }
    if (!WebLinks::OpenExternal(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())))
        MsgBox(QStringLiteral("The class report was written to\n%1\nbut no browser could be "
                              "started to show it.")
                   .arg(QDir::toNativeSeparators(path)),
               MsgButtons::OK, kTitle, MsgIcon::Information, parent);
    return path;
}

} // namespace ClassReportExport
