#pragma once

#include "Betrag.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <concepts>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

// A database error with a German text for the user.
class DatenbankFehler : public std::runtime_error {
public:
    explicit DatenbankFehler(const QString& text);
    QString text() const { return meldung; }

private:
    QString meldung;
};

// One value bound to a statement parameter. Booleans are stored as 1/0, dates as ISO text,
// money as integer cents.
class Wert {
public:
    Wert() = default;
    Wert(std::nullopt_t) {}
    template <std::integral T>
    requires(!std::same_as<T, bool>) Wert(T v) : inhalt(qint64(v)) {}
    Wert(bool v) : inhalt(qint64(v ? 1 : 0)) {}
    Wert(double v) : inhalt(v) {}
    Wert(Betrag v) : inhalt(v.cent()) {}
    Wert(const QString& v) : inhalt(v) {}
    Wert(const char* v) : inhalt(QString::fromUtf8(v)) {}
    Wert(const char16_t* v) : inhalt(QString::fromUtf16(v)) {}
    Wert(const QByteArray& v) : inhalt(v) {}
    Wert(const QDate& v);
    Wert(const QDateTime& v);
    template <typename T> Wert(const std::optional<T>& v) {
        if (v)
            *this = Wert(*v);
    }

    using Inhalt = std::variant<std::monostate, qint64, double, QString, QByteArray>;
    const Inhalt& wert() const { return inhalt; }

private:
    Inhalt inhalt;
};

class Abfrage;

// One connection to one database file.
class Datenbank {
public:
    Datenbank() = default;
    ~Datenbank();
    Datenbank(const Datenbank&) = delete;
    Datenbank& operator=(const Datenbank&) = delete;

    // Opens (and with anlegen creates) the file. Throws DatenbankFehler naming the file when it
    // cannot be opened or is no database.
    void oeffnen(const QString& datei, bool anlegen = true);
    void schliessen() noexcept;
    bool offen() const { return db != nullptr; }
    const QString& datei() const { return dateiname; }

    // Runs statements without parameters (schema, pragmas). Never for values.
    void skript(const QString& sql);
    // Runs one statement with bound values; returns the number of changed rows.
    int ausfuehren(const QString& sql, std::initializer_list<Wert> werte = {});
    qint64 letzteId() const;

    // The first column of the first row, or nullopt without a row.
    std::optional<qint64> ganzzahlWert(const QString& sql, std::initializer_list<Wert> werte = {});

    void anhaengen(const QString& datei, const QString& alias);
    void abhaengen(const QString& alias);

    bool tabelleVorhanden(const QString& tabelle);
    sqlite3* handle() const { return db; }

private:
    sqlite3* db = nullptr;
    QString dateiname;

    friend class Abfrage;
    [[noreturn]] void fehler(const QString& wobei) const;
};

// A prepared statement. Readers are null-safe: a Null gives empty text, 0 or the caller's
// default, so callers never test for Null before reading.
class Abfrage {
public:
    Abfrage(Datenbank& db, const QString& sql, std::initializer_list<Wert> werte = {});
    ~Abfrage();
    Abfrage(const Abfrage&) = delete;
    Abfrage& operator=(const Abfrage&) = delete;

    Abfrage& binden(int position, const Wert& wert);
    Abfrage& binden(const QString& name, const Wert& wert);

    // Steps to the next row; false at the end.
    bool naechste();
    // Runs to the end; returns the number of changed rows.
    int ausfuehren();
    void zuruecksetzen();

    int spaltenAnzahl() const;
    QString spaltenName(int spalte) const;
    int spalte(const QString& name) const;

    bool istNull(int spalte) const;
    QString text(int spalte) const;
    double zahl(int spalte) const;
    qint64 ganzzahl(int spalte, qint64 standard = 0) const;
    bool wahr(int spalte, bool standard = false) const;
    Betrag betrag(int spalte) const;
    QDate datum(int spalte) const;
    QDateTime zeitpunkt(int spalte) const;
    QByteArray blob(int spalte) const;

    bool istNull(const QString& name) const { return istNull(spalte(name)); }
    QString text(const QString& name) const { return text(spalte(name)); }
    double zahl(const QString& name) const { return zahl(spalte(name)); }
    qint64 ganzzahl(const QString& name, qint64 standard = 0) const {
        return ganzzahl(spalte(name), standard);
    }
    bool wahr(const QString& name, bool standard = false) const {
        return wahr(spalte(name), standard);
    }
    Betrag betrag(const QString& name) const { return betrag(spalte(name)); }
    QDate datum(const QString& name) const { return datum(spalte(name)); }
    QDateTime zeitpunkt(const QString& name) const { return zeitpunkt(spalte(name)); }
    QByteArray blob(const QString& name) const { return blob(spalte(name)); }

private:
    Datenbank& db;
    sqlite3_stmt* stmt = nullptr;
};

// A write transaction that rolls back unless confirmed. Inside another transaction it nests
// as a savepoint. The outermost one starts with BEGIN IMMEDIATE, so numbers taken as max + 1
// inside it cannot be taken twice by two workstations.
class Transaktion {
public:
    explicit Transaktion(Datenbank& db);
    ~Transaktion();
    Transaktion(const Transaktion&) = delete;
    Transaktion& operator=(const Transaktion&) = delete;

    void bestaetigen();

private:
    Datenbank& db;
    bool verschachtelt = false;
    bool erledigt = false;
};

// The number of rows a query returns.
qint64 AnzahlDatensaetze(Datenbank& db, const QString& sql, std::initializer_list<Wert> werte = {});

// The typed text as a LIKE pattern that matches it literally: "%", "_" and the escape character
// are escaped for "LIKE ? ESCAPE '\'".
QString LikeLiteral(const QString& text);
