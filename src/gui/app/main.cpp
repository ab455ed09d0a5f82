#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Gorlin");
    QMainWindow window;
    window.setWindowTitle("Gorlin 4.7");
    window.show();
    return QApplication::exec();
}
