#include "ErfassungslistenModell.h"

#include <QApplication>
#include <QBrush>
#include <QHash>
#include <QStyle>

namespace {

const QString KurzZeit = QStringLiteral("dd.MM. hh:mm");

QString zeitText(const QDateTime& t) {
    return t.isValid() && t.date().year() >= 1900 ? t.toString(KurzZeit) : QString();
}

bool rechtsbuendig(int spalte) {
    using M = tErfassungslistenModell;
    switch (spalte) {
    case M::LfdNr:
    case M::ID:
    case M::Erfassungsbereich:
    case M::ErfassungsID:
    case M::Konto:
    case M::GKonto:
    case M::Rechnung:
    case M::Einnahme:
    case M::Ausgabe:
    case M::Erfassungskennzeichen:
    case M::AnzahlAenderungen:
        return true;
    default:
        return false;
    }
}

} // namespace

tErfassungslistenModell::tErfassungslistenModell(Datenbank& daten, QObject* eltern)
    : QAbstractItemModel(eltern), daten(daten) {}

void tErfassungslistenModell::Fuellen(const tErfassungsAbfrage& neu, tSteuerbezeichnungen st) {
    beginResetModel();
    abfrage = neu;
    steuer = std::move(st);
    eintraege.clear();
    ids.clear();
    gelesen = 0;
    gesamt = ErfassungenZaehlen(daten, abfrage);
    ende = false;
    gefuellt = true;
    seiteLesen();
    endResetModel();
}

void tErfassungslistenModell::Leeren() {
    beginResetModel();
    eintraege.clear();
    ids.clear();
    gelesen = 0;
    gesamt = 0;
    ende = true;
    gefuellt = false;
    endResetModel();
}

void tErfassungslistenModell::seiteLesen() {
    const auto zeilen = ErfassungenLesen(daten, abfrage, gelesen, Seitengroesse);
    gelesen += qint64(zeilen.size());
    ende = qint64(zeilen.size()) < Seitengroesse || gelesen >= gesamt;
    const size_t anfang = eintraege.size();
    for (const auto& z : zeilen) {
        if (ids.contains(z.ID))
            continue;
        ids.insert(z.ID);
        eintraege.push_back({z, {}});
    }
    if (abfrage.Aufteilungszeilen || eintraege.size() == anfang)
        return;
    std::vector<qint64> buchungen;
    QHash<qint64, size_t> position;
    for (size_t i = anfang; i < eintraege.size(); ++i) {
        buchungen.push_back(eintraege[i].zeile.BuchungsID);
        position.insert(eintraege[i].zeile.BuchungsID, i);
    }
    for (auto& a : AufteilungszeilenLesen(daten, abfrage.Tabelle, buchungen)) {
        const auto p = position.constFind(a.BuchungsID);
        if (p != position.constEnd())
            eintraege[*p].aufteilungen.push_back(std::move(a));
    }
}

const tErfassungsZeile* tErfassungslistenModell::Zeile(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return nullptr;
    if (index.internalId() == 0)
        return size_t(index.row()) < eintraege.size() ? &eintraege[size_t(index.row())].zeile
                                                      : nullptr;
    const size_t eltern = size_t(index.internalId() - 1);
    if (eltern >= eintraege.size() || size_t(index.row()) >= eintraege[eltern].aufteilungen.size())
        return nullptr;
    return &eintraege[eltern].aufteilungen[size_t(index.row())];
}

QModelIndex tErfassungslistenModell::BuchungSuchen(qint64 buchungsId) {
    const auto suchen = [&](size_t ab) -> QModelIndex {
        for (size_t i = ab; i < eintraege.size(); ++i)
            if (eintraege[i].zeile.BuchungsID == buchungsId && eintraege[i].zeile.Hauptbuchung)
                return index(int(i), 0);
        return {};
    };
    QModelIndex gefunden = suchen(0);
    if (gefunden.isValid() || !gefuellt || !ErfassungGelistet(daten, abfrage, buchungsId))
        return gefunden;
    while (!gefunden.isValid() && canFetchMore({})) {
        const size_t ab = eintraege.size();
        fetchMore({});
        gefunden = suchen(ab);
    }
    return gefunden;
}

QString tErfassungslistenModell::Ueberschrift(int spalte) {
    static const QString texte[SpaltenAnzahl] = {
        QStringLiteral("lfd. Nr."),
        QStringLiteral("ID"),
        QStringLiteral("Erfassungsbereich"),
        QStringLiteral("Erfassungs-ID"),
        QStringLiteral("Haupterfassung"),
        QStringLiteral("Klären"),
        QStringLiteral("Bemerkung vorhanden"),
        QStringLiteral("Belegdatum"),
        QStringLiteral("TS"),
        QStringLiteral("Konto"),
        QStringLiteral("GKonto"),
        QStringLiteral("Rechnung"),
        QStringLiteral("Einnahme"),
        QStringLiteral("Ausgabe"),
        QStringLiteral("Buchungsseite"),
        QStringLiteral("Erfassungstext"),
        QStringLiteral("Steuer"),
        QStringLiteral("Steuerbezeichnung"),
        QStringLiteral("Belegnummer"),
        QStringLiteral("Rechnungsnummer"),
        QStringLiteral("Bemerkung"),
        QStringLiteral("Erstellt von"),
        QStringLiteral("Erstellt am"),
        QStringLiteral("Änderung von"),
        QStringLiteral("Letzte Änderung"),
        QStringLiteral("Erfassungskennzeichen"),
        QStringLiteral("Anzahl Änderungen"),
        QStringLiteral("Änderung steuerrelevant"),
        QStringLiteral("Löschdatum"),
    };
    return spalte >= 0 && spalte < SpaltenAnzahl ? texte[spalte] : QString();
}

QString tErfassungslistenModell::Sortierfeld(int spalte) {
    static const QString felder[SpaltenAnzahl] = {
        QStringLiteral("ID"),
        QStringLiteral("ID"),
        QStringLiteral("BuchungsBereich"),
        QString(),
        QString(),
        QStringLiteral("BuchungKlaeren"),
        QStringLiteral("Bemerkung"),
        QStringLiteral("Belegdatum"),
        QStringLiteral("TSName"),
        QStringLiteral("Konto"),
        QStringLiteral("GKonto"),
        QStringLiteral("Betrag2"),
        QStringLiteral("Einnahme"),
        QStringLiteral("Ausgabe"),
        QStringLiteral("Buchungsseite"),
        QStringLiteral("Buchungstext"),
        QStringLiteral("Steuer"),
        QString(),
        QStringLiteral("Belegnummer"),
        QStringLiteral("Rechnungsnummer"),
        QStringLiteral("Bemerkung"),
        QStringLiteral("ErstelltVon"),
        QStringLiteral("ErstelltAm"),
        QStringLiteral("AenderungVon"),
        QStringLiteral("LetzteAenderung"),
        QStringLiteral("Erfassungskennzeichen"),
        QStringLiteral("AnzahlAenderungen"),
        QStringLiteral("AenderungSteuerRelevant"),
        QStringLiteral("Loeschdatum"),
    };
    return spalte >= 0 && spalte < SpaltenAnzahl ? felder[spalte] : QString();
}

QModelIndex tErfassungslistenModell::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= SpaltenAnzahl)
        return {};
    if (!parent.isValid())
        return size_t(row) < eintraege.size() ? createIndex(row, column, quintptr(0))
                                              : QModelIndex();
    if (parent.internalId() != 0 || size_t(parent.row()) >= eintraege.size() ||
        size_t(row) >= eintraege[size_t(parent.row())].aufteilungen.size())
        return {};
    return createIndex(row, column, quintptr(parent.row()) + 1);
}

QModelIndex tErfassungslistenModell::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(int(child.internalId() - 1), 0, quintptr(0));
}

int tErfassungslistenModell::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return int(eintraege.size());
    if (parent.internalId() != 0 || parent.column() != 0 ||
        size_t(parent.row()) >= eintraege.size())
        return 0;
    return int(eintraege[size_t(parent.row())].aufteilungen.size());
}

int tErfassungslistenModell::columnCount(const QModelIndex&) const {
    return SpaltenAnzahl;
}

bool tErfassungslistenModell::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant tErfassungslistenModell::text(const tErfassungsZeile& z, int spalte) const {
    const auto betrag = [](const std::optional<::Betrag>& b) {
        return b ? BetragText(*b) : QString();
    };
    switch (spalte) {
    case LfdNr:
    case ID:
        return QString::number(z.ID);
    case Erfassungsbereich:
        return QString::number(z.BuchungsBereich);
    case ErfassungsID:
        return QString::number(z.BuchungsID);
    case Belegdatum:
        return z.Hauptbuchung ? z.Belegdatum.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    case TS:
        return z.Hauptbuchung ? z.TSName : QString();
    case Konto:
        return QString::number(z.Konto);
    case GKonto:
        return QString::number(z.GKonto);
    case Rechnung:
        return BetragText(z.Rechnung());
    case Einnahme:
        return betrag(z.Einnahme());
    case Ausgabe:
        return betrag(z.Ausgabe());
    case Buchungsseite:
        return z.Buchungsseite;
    case Erfassungstext:
        return z.Buchungstext;
    case Steuer:
        return z.Steuer;
    case Steuerbezeichnung:
        return steuer.Bezeichnung(z.Steuer, z.Belegdatum);
    case Belegnummer:
        return z.Belegnummer;
    case Rechnungsnummer:
        return z.Rechnungsnummer;
    case Bemerkung:
        return z.Bemerkung;
    case ErstelltVon:
        return z.ErstelltVon;
    case ErstelltAm:
        return zeitText(z.ErstelltAm);
    case AenderungVon:
        return z.AenderungVon;
    case LetzteAenderung:
        return zeitText(z.LetzteAenderung);
    case Erfassungskennzeichen:
        return QString::number(z.Erfassungskennzeichen);
    case AnzahlAenderungen:
        return QString::number(z.AnzahlAenderungen);
    case Loeschdatum:
        return z.Loeschdatum.isValid() ? z.Loeschdatum.toString(QStringLiteral("dd.MM.yyyy hh:mm"))
                                       : QString();
    default:
        return {};
    }
}

QVariant tErfassungslistenModell::data(const QModelIndex& index, int role) const {
    const tErfassungsZeile* z = Zeile(index);
    if (!z)
        return {};
    const int spalte = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return text(*z, spalte);
    case Qt::ToolTipRole:
        if (spalte == BemerkungVorhanden && !z->Bemerkung.isEmpty())
            return z->Bemerkung;
        if (spalte == Klaeren && z->BuchungKlaeren)
            return QStringLiteral("Klären");
        return {};
    case Qt::DecorationRole:
        if (spalte == Klaeren && z->BuchungKlaeren)
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        if (spalte == BemerkungVorhanden && !z->Bemerkung.isEmpty())
            return QApplication::style()->standardIcon(QStyle::SP_FileDialogInfoView);
        return {};
    case Qt::CheckStateRole:
        if (spalte == Haupterfassung)
            return z->Hauptbuchung ? Qt::Checked : Qt::Unchecked;
        if (spalte == AenderungSteuerRelevant)
            return z->AenderungSteuerRelevant ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return rechtsbuendig(spalte) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ForegroundRole:
        if (spalte == Rechnung && z->Rechnung() < ::Betrag())
            return QBrush(Qt::red);
        if (!z->Hauptbuchung)
            return QBrush(Qt::gray);
        return {};
    case Qt::UserRole:
        return z->BuchungsID;
    default:
        return {};
    }
}

QVariant tErfassungslistenModell::headerData(int section, Qt::Orientation orientation,
                                             int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return Ueberschrift(section);
    return {};
}

Qt::ItemFlags tErfassungslistenModell::flags(const QModelIndex& index) const {
    const tErfassungsZeile* z = Zeile(index);
    if (!z)
        return Qt::NoItemFlags;
    // Only whole bookings can be chosen: a split row is handled through its main row.
    return z->Hauptbuchung ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}

bool tErfassungslistenModell::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && gefuellt && !ende;
}

void tErfassungslistenModell::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent))
        return;
    const size_t vorher = eintraege.size();
    // The page is read before the rows are announced; the view learns of them all at once.
    seiteLesen();
    if (eintraege.size() == vorher)
        return;
    std::vector<Eintrag> neu(std::make_move_iterator(eintraege.begin() + qsizetype(vorher)),
                             std::make_move_iterator(eintraege.end()));
    eintraege.resize(vorher);
    beginInsertRows({}, int(vorher), int(vorher + neu.size()) - 1);
    for (auto& e : neu)
        eintraege.push_back(std::move(e));
    endInsertRows();
}

void tErfassungslistenModell::sort(int column, Qt::SortOrder order) {
    const QString feld = Sortierfeld(column);
    if (!gefuellt || feld.isEmpty())
        return;
    tErfassungsAbfrage neu = abfrage;
    if (ErfassungsReihenfolgeSetzen(neu, feld, order == Qt::DescendingOrder))
        Fuellen(neu, steuer);
}
