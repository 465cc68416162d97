#include "cli/rendercommand.h"

#include "cli/usage.h"
#include "drawing/drawstyle.h"
#include "drawing/pagewriter.h"
#include "drawing/picturesurface.h"
#include "files/designloader.h"

#include <QFileInfo>

namespace {

struct RenderOptions {
    QString input;
    QString output;
    ViewSettings view;
    int height = 1200;
};

// Parses the options; on a usage error writes the reason and returns false.
bool parseOptions(const QStringList &args, RenderOptions &options, QTextStream &err)
{
    auto fail = [&](const QString &why) {
        err << "render: " << why << '\n' << usageText();
        return false;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        const bool takesValue = arg == QLatin1String("-o") || arg == QLatin1String("--view")
                                || arg == QLatin1String("--lang") || arg == QLatin1String("--lines")
                                || arg == QLatin1String("--accuracy") || arg == QLatin1String("--height");
        if (takesValue && i + 1 >= args.size())
            return fail(arg + QStringLiteral(" needs a value"));
        const QString value = takesValue ? args[++i] : QString();
        if (arg == QLatin1String("-o")) {
            options.output = value;
        } else if (arg == QLatin1String("--view")) {
            if (value != QLatin1String("picture") && value != QLatin1String("draft"))
                return fail(QStringLiteral("--view takes picture or draft"));
            options.view.viewMode = value == QLatin1String("draft") ? ViewMode::Draft : ViewMode::Picture;
        } else if (arg == QLatin1String("--lang")) {
            if (value != QLatin1String("ru") && value != QLatin1String("en"))
                return fail(QStringLiteral("--lang takes ru or en"));
            options.view.language = value == QLatin1String("en") ? Language::English : Language::Russian;
        } else if (arg == QLatin1String("--lines")) {
            if (value != QLatin1String("1") && value != QLatin1String("2") && value != QLatin1String("3"))
                return fail(QStringLiteral("--lines takes 1, 2 or 3"));
            options.view.lineWidth = value.toInt();
        } else if (arg == QLatin1String("--accuracy")) {
            if (value != QLatin1String("0") && value != QLatin1String("1"))
                return fail(QStringLiteral("--accuracy takes 0 or 1"));
            options.view.accuracy = value.toInt();
        } else if (arg == QLatin1String("--height")) {
            bool ok = false;
            options.height = value.toInt(&ok);
            if (!ok || options.height < 50 || options.height > 10000)
                return fail(QStringLiteral("--height takes a whole number of pixels from 50 to 10000"));
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            return fail(QStringLiteral("unknown option ") + arg);
        } else if (options.input.isEmpty()) {
            options.input = arg;
        } else {
            return fail(QStringLiteral("one design file at a time"));
        }
    }
    if (options.input.isEmpty())
        return fail(QStringLiteral("no design file given"));
    if (options.output.isEmpty())
        return fail(QStringLiteral("no output file given (-o OUT)"));
    return true;
}

} // namespace

int runRender(const QStringList &args, QTextStream &err)
{
    RenderOptions options;
    if (!parseOptions(args, options, err))
        return 2;

    const QByteArray format = QFileInfo(options.output).suffix().toLower().toLatin1();
    const bool bitmap = format == "png" || format == "jpg" || format == "jpeg" || format == "bmp";
    if (!bitmap && format != "svg" && format != "pdf") {
        err << "render: cannot tell the format of " << options.output
            << " (use .png, .jpg, .bmp, .svg or .pdf)\n";
        return 2;
    }

    QString whyNot;
    const std::optional<LoadedDesign> loaded = loadDesign(options.input, options.view.accuracy, &whyNot);
    if (!loaded) {
        err << "render: " << whyNot << '\n';
        return 1;
    }
    if (loaded->readStop)
        err << "render: " << readStopText(options.input, *loaded->readStop) << '\n';
    const RocketParams &design = loaded->design;
    const DrawStyle style{loaded->colours, options.view};

    bool written = false;
    if (bitmap) {
        PictureSurface surface(PictureSurface::sizeForHeight(options.height));
        surface.rebuild(design, style);
        written = pagewriter::saveImage(options.output, surface.image(), format == "jpeg" ? "jpg" : format);
    } else {
        written = pagewriter::savePage(options.output, design, style, format);
    }
    if (!written) {
        // Only regular files are replaced: a device, pipe or folder at OUT is left alone.
        const QFileInfo target(options.output);
        err << "render: cannot write " << options.output
            << (target.exists() && !target.isFile() ? QStringLiteral(": not a regular file, left as it was")
                                                    : QString())
            << '\n';
        return 1;
    }
    return 0;
}
