// quentarolith-cli: the rocket designer's computations for scripts.

#include "cli/calccommand.h"
#include "cli/usage.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

QString usageText()
{
    return QStringLiteral("usage: quentarolith-cli calc [--accuracy 0|1] [--json] FILE...\n"
                          "       quentarolith-cli --help\n"
                          "\n"
                          "calc   loads each parameter file (.dat) and prints both centres of pressure,\n"
                          "       the stability margins in body diameters, the stability warning and the\n"
                          "       drawing scale. --accuracy: decimals of lengths (default 0); --json: one\n"
                          "       JSON object per file and line.\n");
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        err << usageText();
        return 2;
    }
    const QString &command = args.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")
        || command == QLatin1String("help")) {
        out << usageText();
        return 0;
    }
    if (command == QLatin1String("calc")) {
        if (args.contains(QLatin1String("--help"))) {
            out << usageText();
            return 0;
        }
        return runCalc(args.mid(1), out, err);
    }
    err << "quentarolith-cli: unknown command " << command << '\n' << usageText();
    return 2;
}
