// The start-up baseline: a Qt program that shows an empty main window and quits.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1024, 768);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
