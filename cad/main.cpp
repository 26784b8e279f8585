// Helidraw: draws springs as 3D geometry in the drawing host.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Helidraw"));
    QLabel window(QStringLiteral("Helidraw"));
    window.resize(320, 160);
    window.show();
    return app.exec();
}
