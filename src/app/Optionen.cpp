#include "Optionen.h"

#include "DataModule.h"
#include "Datenbank.h"
#include "IniDatei.h"
#include "Pfade.h"

#include <QStringList>

namespace {

// Each column once, with the field it fills; reading and writing walk the same lists, so the
// two can never disagree on a name. A Null reads as the field's default.
template <typename Satz> struct Spalten {
    std::vector<std::pair<const char*, bool Satz::*>> schalter;
    std::vector<std::pair<const char*, int Satz::*>> zahlen;
    std::vector<std::pair<const char*, QString Satz::*>> texte;

    QStringList namen() const {
        QStringList n;
        for (const auto& [name, _] : schalter)
            n << QString::fromLatin1(name);
        for (const auto& [name, _] : zahlen)
            n << QString::fromLatin1(name);
        for (const auto& [name, _] : texte)
            n << QString::fromLatin1(name);
        return n;
    }

    void lesen(const Abfrage& a, Satz& satz) const {
        const Satz standard;
        for (const auto& [name, feld] : schalter)
            satz.*feld = a.wahr(QString::fromLatin1(name), standard.*feld);
        for (const auto& [name, feld] : zahlen)
            satz.*feld = int(a.ganzzahl(QString::fromLatin1(name), standard.*feld));
        for (const auto& [name, feld] : texte)
            satz.*feld = a.text(QString::fromLatin1(name));
    }

    void binden(Abfrage& a, const Satz& satz) const {
        int i = 1;
        for (const auto& [_, feld] : schalter)
            a.binden(i++, satz.*feld);
        for (const auto& [_, feld] : zahlen)
            a.binden(i++, satz.*feld);
        for (const auto& [_, feld] : texte)
            a.binden(i++, satz.*feld);
    }

    // The table keeps one row: the first one is updated, or a new one inserted.
    void speichern(Datenbank& db, const QString& tabelle, const Satz& satz) const {
        const QStringList n = namen();
        const bool leer = !db.ganzzahlWert(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(tabelle));
        QString sql;
        if (leer) {
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(tabelle, n.join(u','),
                           QStringList(n.size(), QStringLiteral("?")).join(u','));
        } else {
            sql = QStringLiteral("UPDATE %1 SET %2=? WHERE rowid=(SELECT min(rowid) FROM %1)")
                      .arg(tabelle, n.join(QStringLiteral("=?,")));
        }
        Abfrage a(db, sql);
        binden(a, satz);
        a.ausfuehren();
    }
};

using O = tOptionen;
const Spalten<O> optionenSpalten{
    {{"KontoAnzeige", &O::KontoAnzeige},
     {"AufteilungInBuchungsListeAnzeigen", &O::AufteilungInBuchungsListeAnzeigen},
     {"AutoSicherungBeimBeenden", &O::AutoSicherungBeimBeenden},
     {"AutoSicherungVorherNachfragen", &O::AutoSicherungVorherNachfragen},
     {"OPOS", &O::OPOS},
     {"RechNrPflicht", &O::RechNrPflicht},
     {"DatenImportAktiv", &O::DatenImportAktiv},
     {"WiederkErfassungenAktiv", &O::WiederkErfassungenAktiv},
     {"BankensammlerDrucken", &O::BankensammlerDrucken},
     {"DiskettenBegleitzettelDrucken", &O::DiskettenBegleitzettelDrucken},
     {"KassenminusbestandIgnorieren", &O::KassenminusbestandIgnorieren}},
    {{"ErstesEingabefeld", &O::ErstesEingabeFeld},
     {"StandardZahlbank", &O::StandardZahlbank},
     {"ZVFaelligkeitstage", &O::ZVFaelligkeitstage},
     {"ZVSkontoTage", &O::ZVSkontoTage},
     {"WannSkontoZiehen", &O::WannSkontoZiehen},
     {"UpdateCheckIntervall", &O::UpdateCheckIntervall}},
    {{"DaSiVerzeichnis", &O::DaSiVerzeichnis},
     {"DaSiVerzeichnisAuto", &O::DaSiVerzeichnisAuto},
     {"DaSiMaske", &O::DaSiMaske}}};

using F = TFTPUebertragung;
const Spalten<F> ftpSpalten{{{"FTPPassiveModus", &F::PassiveModus},
                             {"FTPAutoLogin", &F::AutoLogin},
                             {"FTPPassiveUseControlHost", &F::PassiveUseControlHost},
                             {"FTPTryNATFastTrack", &F::TryNATFastTrack},
                             {"FTPUseCCC", &F::UseCCC},
                             {"FTPUseExtensionDataPort", &F::UseExtensionDataPort},
                             {"FTPUseHost", &F::UseHost},
                             {"FTPUseMLIS", &F::UseMLIS}},
                            {{"FTPProxyModus", &F::ProxyModus},
                             {"FTPProxyPort", &F::ProxyPort},
                             {"FTPAuthCmd", &F::AuthCmd},
                             {"FTPDataPort", &F::DataPort},
                             {"FTPDataPortMax", &F::DataPortMax},
                             {"FTPDataPortMin", &F::DataPortMin},
                             {"FTPDataPortProtection", &F::DataPortProtection},
                             {"FTPIPVersion", &F::IPVersion},
                             {"FTPListenTimeOut", &F::ListenTimeout},
                             {"FTPTransferPort", &F::TransferPort},
                             {"FTPReadTimeOut", &F::ReadTimeOut},
                             {"FTPTransferTimeOut", &F::TransferTimeout},
                             {"FTPUseTLS", &F::UseTLS}},
                            {{"FTPProxyHost", &F::ProxyHost},
                             {"FTPProxyUser", &F::ProxyUser},
                             {"FTPProxyPasswort", &F::ProxyPasswort},
                             {"FTPAccount", &F::Account},
                             {"FTPExternalIP", &F::ExternalIP}}};

void optionenZeileLesen(Datenbank& daten, tOptionen& o) {
    Abfrage a(daten, QStringLiteral("SELECT * FROM Optionen ORDER BY rowid LIMIT 1"));
    if (!a.naechste())
        return;
    optionenSpalten.lesen(a, o);
    o.DTAUSVerschluesselung = a.wahr(QStringLiteral("DTAUSVerschluesselung"), false);
}

void sepaInfoLesen(Datenbank& archiv, TSEPAInfo& s) {
    Abfrage a(archiv, QStringLiteral("SELECT * FROM SEPAInfo ORDER BY rowid LIMIT 1"));
    if (!a.naechste())
        return;
    s.Umgestellt = a.wahr(QStringLiteral("Umgestellt"), false);
    s.UmgestelltVon = a.text(QStringLiteral("UmgestelltVon"));
    s.UmgestelltAm = a.zeitpunkt(QStringLiteral("UmgestelltAm"));
    s.MandatsreferenzAuswahl = int(a.ganzzahl(QStringLiteral("MandatsreferenzAuswahl"), 0));
}

void kommunikationLesen(Datenbank& daten, TFTPUebertragung& f) {
    Abfrage a(daten, QStringLiteral("SELECT * FROM OptionenKommunikation ORDER BY rowid LIMIT 1"));
    if (!a.naechste())
        return;
    ftpSpalten.lesen(a, f);
    if (f.ProxyModus == 0)
        f.ProxyModus = TFTPUebertragung().ProxyModus;
}

} // namespace

void OptionenIniLesen(const QString& datenverzeichnis, tOptionen& o) {
    const IniDatei ini(OptionenIniDateiname(datenverzeichnis));
    const QString s = QStringLiteral("System");
    o.Online = ini.schalter(s, QStringLiteral("Online"), false);
    o.KelmbrandMailVerschluesselung =
        ini.schalter(s, QStringLiteral("KelmbrandMailVerschluesselung"), false);
    o.SteuerErmaessigungVon = ini.datum(s, QStringLiteral("SteuerErmaessigungVon"));
    o.SteuerErmaessigungBis = ini.datum(s, QStringLiteral("SteuerErmaessigungBis"));
}

void OptionenLaden(TDataModule1& dm, tOptionen& o) {
    const bool farben = o.App256Farben;
    o = tOptionen();
    o.App256Farben = farben;
    OptionenIniLesen(dm.datenverzeichnis(), o);
    optionenZeileLesen(dm.ADOConnection_Daten, o);
    // Open items need invoice numbers, whatever the table says or whether it has a row.
    o.RechNrPflicht = o.RechNrPflicht || o.OPOS;
    if (dm.ADOConnection_Archiv.offen())
        sepaInfoLesen(dm.ADOConnection_Archiv, o.SEPAInfo);
    if (!o.Online)
        kommunikationLesen(dm.ADOConnection_Daten, o.FTPUebertragung);
}

void OptionenKommunikationSpeichern(Datenbank& daten, const TFTPUebertragung& ftp) {
    ftpSpalten.speichern(daten, QStringLiteral("OptionenKommunikation"), ftp);
}

void OptionenSpeichern(TDataModule1& dm, tOptionen& o) {
    if (o.OPOS)
        o.RechNrPflicht = true;
    Datenbank& daten = dm.ADOConnection_Daten;
    Transaktion t(daten);
    optionenSpalten.speichern(daten, QStringLiteral("Optionen"), o);
    OptionenKommunikationSpeichern(daten, o.FTPUebertragung);
    t.bestaetigen();
}
