#include "Datenbank.h"

#include "Text.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <sqlite3.h>

namespace {

constexpr int WarteZeitMs = 10000;

const char* utf8(const QByteArray& b) {
    return b.constData();
}

// Comparisons of text the way users expect them: without regard to case, ä/ö/ü included.
int vergleicheDeutsch(void*, int l1, const void* t1, int l2, const void* t2) {
    const QString a = GrossSchreiben(QString::fromUtf8(static_cast<const char*>(t1), l1));
    const QString b = GrossSchreiben(QString::fromUtf8(static_cast<const char*>(t2), l2));
    return a.compare(b);
}

void gross(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QByteArray g = GrossSchreiben(QString::fromUtf8(t)).toUtf8();
    sqlite3_result_text(ctx, g.constData(), g.size(), SQLITE_TRANSIENT);
}

// The number formed by the trailing digits of a text ("24_03_17" gives 17), Null without any:
// receipt numbers sort by their counter, not as text.
void endzahl(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    if (!t) {
        sqlite3_result_null(ctx);
        return;
    }
    const int laenge = sqlite3_value_bytes(argv[0]);
    int anfang = laenge;
    while (anfang > 0 && t[anfang - 1] >= '0' && t[anfang - 1] <= '9')
        --anfang;
    while (anfang < laenge - 1 && t[anfang] == '0')
        ++anfang;
    if (anfang == laenge) {
        sqlite3_result_null(ctx);
        return;
    }
    // Beyond 18 digits the value no longer fits; the order is kept as a real number.
    if (laenge - anfang > 18) {
        sqlite3_result_double(ctx, QByteArray(t + anfang, laenge - anfang).toDouble());
        return;
    }
    qint64 zahl = 0;
    for (int i = anfang; i < laenge; ++i)
        zahl = zahl * 10 + (t[i] - '0');
    sqlite3_result_int64(ctx, zahl);
}

// SQLite's own locking is not reliable on network file systems, WAL not at all.
bool aufNetzlaufwerk(const QString& datei) {
    const QByteArray typ = QStorageInfo(QFileInfo(datei).absolutePath()).fileSystemType();
    static const QByteArray netz[] = {"nfs",        "nfs4", "cifs", "smb3", "smbfs",
                                      "fuse.sshfs", "afs",  "ceph", "9p"};
    for (const auto& n : netz)
        if (typ == n)
            return true;
    return false;
}

} // namespace

DatenbankFehler::DatenbankFehler(const QString& text)
    : std::runtime_error(text.toStdString()), meldung(text) {}

Wert::Wert(const QDate& v) {
    if (v.isValid())
        inhalt = v.toString(QStringLiteral("yyyy-MM-dd"));
}

Wert::Wert(const QDateTime& v) {
    if (v.isValid())
        inhalt = v.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

Datenbank::~Datenbank() {
    schliessen();
}

void Datenbank::oeffnen(const QString& datei, bool anlegen) {
    schliessen();
    dateiname = datei;
    const bool neu = anlegen && !QFileInfo::exists(datei);
    int flags = SQLITE_OPEN_READWRITE | (anlegen ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(utf8(datei.toUtf8()), &db, flags, nullptr) != SQLITE_OK) {
        const QString grund = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
        schliessen();
        dateiname = datei;
        throw DatenbankFehler(
            QStringLiteral("Die Datenbank \"%1\" konnte nicht geöffnet werden: %2")
                .arg(datei, grund));
    }
    // Never readable by other users of the machine; SQLite gives its journal files the same.
    if (neu)
        QFile::setPermissions(datei, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ReadGroup | QFileDevice::WriteGroup);
    sqlite3_busy_timeout(db, WarteZeitMs);
    sqlite3_create_collation(db, "DEUTSCH", SQLITE_UTF8, nullptr, vergleicheDeutsch);
    sqlite3_create_function(db, "GROSS", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, gross,
                            nullptr, nullptr);
    sqlite3_create_function(db, "ENDZAHL", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, endzahl,
                            nullptr, nullptr);
    try {
        // Reading the schema is where a file that is no database shows itself.
        Abfrage(*this, QStringLiteral("SELECT count(*) FROM sqlite_master")).naechste();
        skript(aufNetzlaufwerk(datei) ? QStringLiteral("PRAGMA journal_mode=DELETE")
                                      : QStringLiteral("PRAGMA journal_mode=WAL"));
        skript(QStringLiteral("PRAGMA synchronous=FULL"));
    } catch (const DatenbankFehler&) {
        schliessen();
        dateiname = datei;
        throw DatenbankFehler(
            QStringLiteral("Die Datei \"%1\" ist keine gültige Datenbank oder kann nicht gelesen "
                           "werden.")
                .arg(datei));
    }
}

void Datenbank::schliessen() noexcept {
    if (db)
        sqlite3_close_v2(db);
    db = nullptr;
}

void Datenbank::fehler(const QString& wobei) const {
    const QString grund =
        db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("nicht geöffnet");
    throw DatenbankFehler(QStringLiteral("Datenbankfehler in \"%1\": %2\n(%3)")
                              .arg(dateiname, grund, wobei.simplified().left(200)));
}

void Datenbank::skript(const QString& sql) {
    if (!db)
        fehler(sql);
    char* fehlertext = nullptr;
    if (sqlite3_exec(db, utf8(sql.toUtf8()), nullptr, nullptr, &fehlertext) != SQLITE_OK) {
        sqlite3_free(fehlertext);
        fehler(sql);
    }
}

int Datenbank::ausfuehren(const QString& sql, std::initializer_list<Wert> werte) {
    Abfrage a(*this, sql, werte);
    return a.ausfuehren();
}

qint64 Datenbank::letzteId() const {
    return db ? sqlite3_last_insert_rowid(db) : 0;
}

std::optional<qint64> Datenbank::ganzzahlWert(const QString& sql,
                                              std::initializer_list<Wert> werte) {
    Abfrage a(*this, sql, werte);
    if (!a.naechste() || a.istNull(0))
        return std::nullopt;
    return a.ganzzahl(0);
}

void Datenbank::anhaengen(const QString& datei, const QString& alias) {
    ausfuehren(QStringLiteral("ATTACH DATABASE ? AS \"%1\"").arg(alias), {datei});
}

void Datenbank::abhaengen(const QString& alias) {
    ausfuehren(QStringLiteral("DETACH DATABASE \"%1\"").arg(alias));
}

bool Datenbank::tabelleVorhanden(const QString& tabelle) {
    return ganzzahlWert(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND "
                                       "name=? COLLATE NOCASE"),
                        {tabelle})
        .has_value();
}

Abfrage::Abfrage(Datenbank& datenbank, const QString& sql, std::initializer_list<Wert> werte)
    : db(datenbank) {
    if (!db.db)
        db.fehler(sql);
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db.db, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK)
        db.fehler(sql);
    int i = 1;
    for (const auto& w : werte)
        binden(i++, w);
}

Abfrage::~Abfrage() {
    sqlite3_finalize(stmt);
}

Abfrage& Abfrage::binden(int position, const Wert& wert) {
    int rc = SQLITE_OK;
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                rc = sqlite3_bind_null(stmt, position);
            else if constexpr (std::is_same_v<T, qint64>)
                rc = sqlite3_bind_int64(stmt, position, v);
            else if constexpr (std::is_same_v<T, double>)
                rc = sqlite3_bind_double(stmt, position, v);
            else if constexpr (std::is_same_v<T, QString>) {
                const QByteArray b = v.toUtf8();
                rc = sqlite3_bind_text(stmt, position, b.constData(), int(b.size()),
                                       SQLITE_TRANSIENT);
            } else
                rc = sqlite3_bind_blob(stmt, position, v.constData(), int(v.size()),
                                       SQLITE_TRANSIENT);
        },
        wert.wert());
    if (rc != SQLITE_OK)
        db.fehler(QString::fromUtf8(sqlite3_sql(stmt)));
    return *this;
}

Abfrage& Abfrage::binden(const QString& name, const Wert& wert) {
    const int pos = sqlite3_bind_parameter_index(stmt, utf8(name.toUtf8()));
    if (pos == 0)
        throw DatenbankFehler(QStringLiteral("Unbekannter Parameter %1").arg(name));
    return binden(pos, wert);
}

bool Abfrage::naechste() {
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    db.fehler(QString::fromUtf8(sqlite3_sql(stmt)));
}

int Abfrage::ausfuehren() {
    while (naechste()) {
    }
    return sqlite3_changes(db.db);
}

void Abfrage::zuruecksetzen() {
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
}

int Abfrage::spaltenAnzahl() const {
    return sqlite3_column_count(stmt);
}

QString Abfrage::spaltenName(int spalte) const {
    return QString::fromUtf8(sqlite3_column_name(stmt, spalte));
}

int Abfrage::spalte(const QString& name) const {
    for (int i = 0; i < spaltenAnzahl(); ++i)
        if (spaltenName(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    throw DatenbankFehler(QStringLiteral("Unbekannte Spalte %1").arg(name));
}

bool Abfrage::istNull(int spalte) const {
    return sqlite3_column_type(stmt, spalte) == SQLITE_NULL;
}

QString Abfrage::text(int spalte) const {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, spalte));
    return t ? QString::fromUtf8(t, sqlite3_column_bytes(stmt, spalte)) : QString();
}

double Abfrage::zahl(int spalte) const {
    switch (sqlite3_column_type(stmt, spalte)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, spalte);
    case SQLITE_TEXT: {
        bool ok = false;
        const double d = text(spalte).toDouble(&ok);
        return ok ? d : 0.0;
    }
    default:
        return 0.0;
    }
}

qint64 Abfrage::ganzzahl(int spalte, qint64 standard) const {
    switch (sqlite3_column_type(stmt, spalte)) {
    case SQLITE_INTEGER:
        return sqlite3_column_int64(stmt, spalte);
    case SQLITE_FLOAT:
        return qint64(sqlite3_column_double(stmt, spalte));
    case SQLITE_TEXT: {
        bool ok = false;
        const qint64 v = text(spalte).trimmed().toLongLong(&ok);
        return ok ? v : standard;
    }
    default:
        return standard;
    }
}

bool Abfrage::wahr(int spalte, bool standard) const {
    if (istNull(spalte))
        return standard;
    return ganzzahl(spalte, standard ? 1 : 0) != 0;
}

Betrag Abfrage::betrag(int spalte) const {
    return Betrag::ausCent(ganzzahl(spalte, 0));
}

QDate Abfrage::datum(int spalte) const {
    return QDate::fromString(text(spalte).left(10), QStringLiteral("yyyy-MM-dd"));
}

QDateTime Abfrage::zeitpunkt(int spalte) const {
    const QString t = text(spalte);
    if (t.size() <= 10)
        return QDateTime(QDate::fromString(t, QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    return QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QByteArray Abfrage::blob(int spalte) const {
    const void* b = sqlite3_column_blob(stmt, spalte);
    return b ? QByteArray(static_cast<const char*>(b), sqlite3_column_bytes(stmt, spalte))
             : QByteArray();
}

Transaktion::Transaktion(Datenbank& datenbank) : db(datenbank) {
    verschachtelt = db.handle() && sqlite3_get_autocommit(db.handle()) == 0;
    db.skript(verschachtelt ? QStringLiteral("SAVEPOINT kivo") : QStringLiteral("BEGIN IMMEDIATE"));
}

Transaktion::~Transaktion() {
    if (erledigt)
        return;
    try {
        db.skript(verschachtelt ? QStringLiteral("ROLLBACK TO kivo; RELEASE kivo")
                                : QStringLiteral("ROLLBACK"));
    } catch (const DatenbankFehler&) {
        // Nothing more can be done here; SQLite rolls back an unfinished transaction itself.
    }
}

void Transaktion::bestaetigen() {
    db.skript(verschachtelt ? QStringLiteral("RELEASE kivo") : QStringLiteral("COMMIT"));
    erledigt = true;
}

qint64 AnzahlDatensaetze(Datenbank& db, const QString& sql, std::initializer_list<Wert> werte) {
    Abfrage a(db, sql, werte);
    qint64 n = 0;
    while (a.naechste())
        ++n;
    return n;
}

QString LikeLiteral(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    t.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    t.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return t;
}
