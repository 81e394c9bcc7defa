#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh temporary folder per test; removed with the object.
class TestVerzeichnis {
public:
    TestVerzeichnis();
    QString pfad() const { return dir.path(); }
    QString datei(const QString& relativ) const { return dir.filePath(relativ); }
    // Writes a text file (UTF-8), creating its folders.
    QString schreiben(const QString& relativ, const QByteArray& inhalt) const;

private:
    QTemporaryDir dir;
};
