// quentarolith-cli: the rocket designer's computations and drawings for scripts.

#include "cli/calccommand.h"
#include "cli/rendercommand.h"
#include "cli/usage.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// A script reads the tool's standard error as the tool's own verdict; Qt's
// remarks about the machine (no XDG_RUNTIME_DIR, say) are not about the
// design and would hide it. Only what stops Qt itself still gets through.
void keepQtQuiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(keepQtQuiet);
    // Drawing needs fonts, hence a GUI application, but never a display.
    const bool drawing = argc > 1 && std::strcmp(argv[1], "render") == 0;
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (drawing)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        err << usageText();
        return 2;
    }
    const QString &command = args.first();
    const bool help = args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"));
    if (command == QLatin1String("help") || (help && command.startsWith(u'-'))
        || (help && (command == QLatin1String("calc") || command == QLatin1String("render")))) {
        out << usageText();
        return 0;
    }
    if (command == QLatin1String("calc"))
        return runCalc(args.mid(1), out, err);
    if (command == QLatin1String("render"))
        return runRender(args.mid(1), err);
    err << "quentarolith-cli: unknown command " << command << '\n' << usageText();
    return 2;
}
