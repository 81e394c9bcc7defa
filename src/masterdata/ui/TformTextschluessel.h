#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TDataModule1;
class TfrmAufteilungskontenAuswahl;

// The text-key editor: a new key or an existing one with its split accounts.
class TformTextschluessel : public QDialog {
    Q_OBJECT
public:
    explicit TformTextschluessel(TDataModule1& dm, QWidget* eltern = nullptr);

    // True when a key was created; konto 0 leaves the account to the user.
    bool NeuerTexschluessel(const QString& tsName, const QString& buchungstext, qint64 konto);
    // True when the key was saved; nurSchliessen offers only "Schließen".
    bool TexschluesselBearbeiten(const QString& tsName, bool nurSchliessen);

    qint64 ID = -1;
    bool TSNeu = true;
    QString geladeneSteuer = QStringLiteral("0");
    bool OKiDO = false;

    QLineEdit* edTSName;
    QComboBox* cbBuchungsseite;
    QComboBox* cbSteuer;
    QLineEdit* edBetrag;
    QLineEdit* edKonto;
    QPushButton* btnKonto;
    QRadioButton* rbBuchungstextStamm;
    QLabel* laStammtext;
    QRadioButton* rbBuchungstextIndividuell;
    QLineEdit* edBuchungstextIndividuell;
    QCheckBox* chkFilialuebergreifend;
    TfrmAufteilungskontenAuswahl* frmAufteilungskonten;
    QLabel* laTSAnlageFehler;
    QPushButton* btnOK;
    QPushButton* btnAbbrechen;

    void btnOKClick();

private:
    TDataModule1& dm;

    void MaskeLeeren();
    bool TextschluesselLaden(const QString& tsName);
    void steuerlisteFuellen();
    void edTSNameExit();
    void edKontoPropertiesChange();
    void edKontoPropertiesButtonClick();
    void fehlerZeigen(QWidget* feld, const QString& text);
    bool zeigen();
};
