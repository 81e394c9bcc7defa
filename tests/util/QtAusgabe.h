#pragma once

#include <QDate>
#include <QString>
#include <ostream>

// Readable failure messages for Qt values in assertions.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QDate& datum, std::ostream* aus) {
    *aus << datum.toString(Qt::ISODate).toStdString();
}
