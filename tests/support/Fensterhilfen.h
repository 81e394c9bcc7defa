#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

// Runs once the modal window is up: hands it to the test so it can act like a user.
template <typename Fenster, typename Aktion> void sobaldOffen(Aktion aktion) {
    QTimer::singleShot(0, [aktion] {
        auto* f = qobject_cast<Fenster*>(QApplication::activeModalWidget());
        ASSERT_NE(f, nullptr) << "kein Fenster offen";
        aktion(f);
    });
}

// The button with exactly this caption, or nullptr.
inline QAbstractButton* knopf(QWidget* w, const QString& text) {
    for (auto* k : w->findChildren<QAbstractButton*>())
        if (k->text() == text)
            return k;
    return nullptr;
}
