// mordaventa-tool: the command-line companion for teachers, authors and tests.
#include "ToolCommand.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

QList<ToolCommand>& registry() {
    static QList<ToolCommand> commands;
    return commands;
}

void printUsage(FILE* stream) {
    std::fputs("usage: mordaventa-tool COMMAND [ARGUMENTS]\ncommands:\n", stream);
    for (const ToolCommand& command : registry())
        std::fprintf(stream, "  %s\n", command.usage.toUtf8().constData());
}

} // namespace

ToolCommandRegistration::ToolCommandRegistration(const QString& name, const QString& usage,
                                                 ToolCommandFunction run) {
    registry().append(ToolCommand{name, usage, std::move(run)});
}

const QList<ToolCommand>& toolCommands() {
    return registry();
}

int toolError(const QString& message) {
    std::fprintf(stderr, "mordaventa-tool: %s\n", message.toUtf8().constData());
    return 1;
}

void toolPrint(const QString& line) {
    std::fprintf(stdout, "%s\n", line.toUtf8().constData());
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help") ||
        arguments.first() == QLatin1String("-h")) {
        printUsage(arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? 1 : 0;
    }
    for (const ToolCommand& command : registry()) {
        if (command.name == arguments.first())
            return command.run(arguments.mid(1));
    }
    printUsage(stderr);
    return toolError(QStringLiteral("unknown command \"%1\"").arg(arguments.first()));
}
