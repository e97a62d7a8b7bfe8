// The reference for the start-up benchmark: a bare Qt Widgets window of
// Corvane's size with the same kinds of widgets (a line edit, three buttons, a
// three-column tree) and nothing else: no form fonts, no palette, no content.
//
//   ./build/bench/startup/bare_window
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(942, 576);

    auto *input = new QLineEdit(&window);
    input->setGeometry(104, 64, 113, 33);
    auto *count = new QPushButton(QStringLiteral("Count"), &window);
    count->setGeometry(248, 72, 73, 24);
    auto *clear = new QPushButton(QStringLiteral("Clear"), &window);
    clear->setGeometry(384, 544, 73, 24);
    auto *close = new QPushButton(QStringLiteral("Close"), &window);
    close->setGeometry(760, 544, 113, 24);
    QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);

    auto *tree = new QTreeWidget(&window);
    tree->setGeometry(440, 56, 489, 413);
    tree->setColumnCount(3);
    tree->setHeaderLabels({QStringLiteral("NUM"), QStringLiteral("EXP"), QStringLiteral("DIGITS")});
    tree->setRootIsDecorated(false);

    window.show();
    return app.exec();
}
