#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

#include <memory>

// Widget tests need a QApplication; they create it themselves before this runs (see ui tests).
QCoreApplication* KivoTestAnwendung(int& argc, char** argv);

int main(int argc, char** argv) {
    // The same conditions whether ctest starts the program or a developer does.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "Europe/Berlin");
    ::testing::InitGoogleTest(&argc, argv);
    QLocale::setDefault(QLocale::c());
    std::unique_ptr<QCoreApplication> app(KivoTestAnwendung(argc, argv));
    return RUN_ALL_TESTS();
}
