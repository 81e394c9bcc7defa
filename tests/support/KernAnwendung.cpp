#include <QCoreApplication>

QCoreApplication* KivoTestAnwendung(int& argc, char** argv) {
    return new QCoreApplication(argc, argv);
}
