// The yardstick of bench/startup: the least a Qt Widgets program does to put a window with one
// label on the screen. The program's start-up is measured against it on the same display.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Bare Qt window"));
    label.setWindowTitle(QStringLiteral("Bare Qt window"));
    label.resize(320, 120);
    label.show();
    return app.exec();
}
