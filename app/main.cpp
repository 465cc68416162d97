// Quentarolith: the model rocket designer's window.

#include "mainwindow/form1.h"
#include "mainwindow/picturebox.h"
#include "mainwindow/qtservices.h"
#include "windows/appicon.h"

#include <QApplication>
#include <QFont>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
#ifdef Q_OS_LINUX
    // Without a display Qt would abort with a message about its platform
    // plugin; say what helps instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "quentarolith: no display to open the window on; start it on a desktop, or under a "
                     "virtual display: xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
#endif
    QApplication app(argc, argv);
    // Window texts are written for these families; map them onto fonts every machine has.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QApplication::setWindowIcon(applicationIcon()); // every window of the program carries it
    QtServices services;
    Form1 form(services);
#ifdef QUENTAROLITH_QUIT_AFTER_FIRST_FRAME
    // The start-up benchmark: the whole process up to the first drawn picture.
    form.Picture1->painted = [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); };
#endif
    form.show();
    return app.exec();
}
