#include "app/ApplicationSetup.h"
#include "app/NoDisplayReport.h"
#include "app/PlatformChoice.h"
#include "window/frmFibo.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include <optional>

namespace {

// The icons are PNG files: read them as such. Left to recognise the format by
// itself, the reader loads every image format plugin installed (GIF, ICO,
// JPEG...) to ask each of them first, which costs a millisecond at start-up
// and memory for as long as the program runs.
QPixmap pngResource(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

int main(int argc, char *argv[])
{
    preferX11OnWaylandDesktop();
    std::optional<QApplication> app;
    {
        // Without a display: one plain line and status 1, not Qt's abort.
        const NoDisplayReport report;
        app.emplace(argc, argv);
    }
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.corvane"));

    QIcon icon;
    icon.addPixmap(pngResource(QStringLiteral(":/icons/corvane-16.png")));
    icon.addPixmap(pngResource(QStringLiteral(":/icons/corvane-32.png")));
    QApplication::setWindowIcon(icon);

    setUpApplication();
    frmFibo window;
    window.show();
    return app->exec();
}
