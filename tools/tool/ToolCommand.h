#pragma once
// Subcommands of mordaventa-tool register themselves with a static
// ToolCommandRegistration in their own source file:
//
//   static ToolCommandRegistration reg{"encrypt", "encrypt IN OUT [--passphrase P]",
//                                      &runEncrypt};
//
// The function receives the arguments after the subcommand's name and returns
// the exit status. Errors are one line on standard error via toolError().
#include <QString>
#include <QStringList>

#include <functional>

using ToolCommandFunction = std::function<int(const QStringList& arguments)>;

struct ToolCommand {
    QString name;
    QString usage;
    ToolCommandFunction run;
};

struct ToolCommandRegistration {
    ToolCommandRegistration(const QString& name, const QString& usage, ToolCommandFunction run);
};

const QList<ToolCommand>& toolCommands();

// Prints "mordaventa-tool: <message>" on standard error and returns 1.
int toolError(const QString& message);
// Prints a line (UTF-8) on standard output.
void toolPrint(const QString& line);
