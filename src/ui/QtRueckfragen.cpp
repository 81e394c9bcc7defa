#include "QtRueckfragen.h"

#include "TformMeldungsFenster.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

namespace {

struct Darstellung {
    QMessageBox::Icon symbol;
    const char16_t* titel;
};

Darstellung darstellung(Meldungsart art) {
    switch (art) {
    case Meldungsart::Fehler:
        return {QMessageBox::Critical, u"Fehler"};
    case Meldungsart::Warnung:
        return {QMessageBox::Warning, u"Warnung"};
    case Meldungsart::Information:
        return {QMessageBox::Information, u"Information"};
    case Meldungsart::Bestaetigung:
        break;
    }
    return {QMessageBox::Question, u"Bestätigen"};
}

} // namespace

QString Anzeigetext(const QString& text) {
    return QString(text)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(u'\r', u'\n');
}

QtRueckfragen::QtRueckfragen() = default;

QtRueckfragen::~QtRueckfragen() {
    delete fortschrittsanzeige;
}

Antwort QtRueckfragen::frage(Meldungsart art, const QString& text, Knoepfe knoepfe) {
    const Darstellung d = darstellung(art);
    QMessageBox box(d.symbol, QString::fromUtf16(d.titel), Anzeigetext(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    std::vector<std::pair<QAbstractButton*, Antwort>> zuordnung;
    auto knopf = [&](const char16_t* beschriftung, QMessageBox::ButtonRole rolle, Antwort a) {
        zuordnung.emplace_back(box.addButton(QString::fromUtf16(beschriftung), rolle), a);
    };
    switch (knoepfe) {
    case Knoepfe::Ok:
        knopf(u"OK", QMessageBox::AcceptRole, Antwort::Ok);
        break;
    case Knoepfe::JaNein:
        knopf(u"Ja", QMessageBox::YesRole, Antwort::Ja);
        knopf(u"Nein", QMessageBox::NoRole, Antwort::Nein);
        break;
    case Knoepfe::JaNeinAbbrechen:
        knopf(u"Ja", QMessageBox::YesRole, Antwort::Ja);
        knopf(u"Nein", QMessageBox::NoRole, Antwort::Nein);
        knopf(u"Abbrechen", QMessageBox::RejectRole, Antwort::Abbrechen);
        break;
    }
    // Escape and closing the box give the most cautious answer.
    box.setEscapeButton(zuordnung.back().first);
    box.exec();
    for (const auto& [knopfZeiger, antwort] : zuordnung)
        if (box.clickedButton() == knopfZeiger)
            return antwort;
    return zuordnung.back().second;
}

bool QtRueckfragen::hinweis(const QString& titel, const QString& text, bool mitCheckbox) {
    TformMeldungsFenster fenster(QApplication::activeWindow());
    return fenster.MeldungZeigen(titel, text, mitCheckbox);
}

std::optional<QString> QtRueckfragen::eingabe(const QString& titel, const QString& text,
                                              const QString& vorgabe, bool verdeckt) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(titel);
    dialog.setLabelText(Anzeigetext(text));
    dialog.setTextValue(vorgabe);
    dialog.setTextEchoMode(verdeckt ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void QtRueckfragen::fortschritt(int wert, int maximum, const QString& text) {
    if (maximum <= 0) {
        delete fortschrittsanzeige;
        fortschrittsanzeige = nullptr;
        return;
    }
    if (!fortschrittsanzeige) {
        fortschrittsanzeige = new QProgressDialog(QApplication::activeWindow());
        fortschrittsanzeige->setWindowModality(Qt::ApplicationModal);
        fortschrittsanzeige->setCancelButton(nullptr);
        fortschrittsanzeige->setMinimumDuration(300);
    }
    fortschrittsanzeige->setLabelText(Anzeigetext(text));
    fortschrittsanzeige->setMaximum(maximum);
    fortschrittsanzeige->setValue(wert);
    // Long operations run on this thread; let the window breathe between steps.
    QApplication::processEvents();
}
