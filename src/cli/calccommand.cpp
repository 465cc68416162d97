#include "cli/calccommand.h"

#include "cli/usage.h"
#include "core/numbers.h"
#include "drawing/evaluation.h"
#include "files/designloader.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue jsonMargin(std::optional<double> margin)
{
    return margin ? QJsonValue(*margin) : QJsonValue(QJsonValue::Null);
}

QString jsonLine(const QString &file, const Evaluation &r)
{
    // QJsonDocument writes doubles in their shortest round-trip form.
    QJsonObject object{
        {QStringLiteral("file"), file},
        {QStringLiteral("bcpPosition"), r.bcpPosition},
        {QStringLiteral("bcpStability"), jsonMargin(r.bcpStability)},
        {QStringLiteral("cpcPosition"), r.cpcPosition},
        {QStringLiteral("cpcStability"), jsonMargin(r.cpcStability)},
        {QStringLiteral("drawScale"), r.drawScale},
        {QStringLiteral("warning"),
         r.warning.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(r.warning)},
    };
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString marginText(std::optional<double> margin)
{
    return margin ? formatMargin(margin) + QStringLiteral(" diameters") : QStringLiteral("not computable");
}

void printReadable(QTextStream &out, const QString &file, const Evaluation &r)
{
    out << file << '\n'
        << "  Barrowman CP:    " << formatShown(r.bcpPosition) << " mm, margin " << marginText(r.bcpStability)
        << '\n'
        << "  projection CP:   " << formatShown(r.cpcPosition) << " mm, margin " << marginText(r.cpcStability)
        << '\n'
        << "  drawing scale:   " << formatShown(r.drawScale) << " units/mm\n";
    if (!r.warning.isEmpty())
        out << "  warning:         " << r.warning << '\n';
}

} // namespace

int runCalc(const QStringList &args, QTextStream &out, QTextStream &err)
{
    int accuracy = 0;
    bool json = false;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--json")) {
            json = true;
        } else if (arg == QLatin1String("--accuracy")) {
            const QString value = i + 1 < args.size() ? args[++i] : QString();
            if (value != QLatin1String("0") && value != QLatin1String("1")) {
                err << "calc: --accuracy takes 0 or 1\n" << usageText();
                return 2;
            }
            accuracy = value.toInt();
        } else if (arg == QLatin1String("--")) {
            files += args.mid(i + 1);
            break;
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            err << "calc: unknown option " << arg << '\n' << usageText();
            return 2;
        } else {
            files += arg;
        }
    }
    if (files.isEmpty()) {
        err << "calc: no design file given\n" << usageText();
        return 2;
    }

    int status = 0;
    for (const QString &file : files) {
        QString whyNot;
        const std::optional<LoadedDesign> loaded = loadDesign(file, accuracy, &whyNot);
        if (!loaded) {
            err << "calc: " << whyNot << '\n';
            status = 1;
            continue;
        }
        if (loaded->readStop)
            err << "calc: " << readStopText(file, *loaded->readStop) << '\n';
        const Evaluation result = evaluateDesign(loaded->design, accuracy);
        if (json)
            out << jsonLine(file, result) << '\n';
        else
            printReadable(out, file, result);
    }
    // Results that never reached their reader (a full disk, a closed pipe) are no success.
    out.flush();
    if (out.status() != QTextStream::Ok) {
        err << "calc: cannot write the results\n";
        return 1;
    }
    return status;
}
