#include <QApplication>

// Widget tests need a QApplication instead of the plain core application.
QCoreApplication* KivoTestAnwendung(int& argc, char** argv) {
    return new QApplication(argc, argv);
}
