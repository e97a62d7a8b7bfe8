#include "AppInfo.h"
#include "frmFibo.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf16(ApplicationTitle));
    QApplication::setApplicationVersion(QLatin1String(ApplicationVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Corvane"));

    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/corvane-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/corvane-32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);

    frmFibo window;
    window.show();
    return app.exec();
}
