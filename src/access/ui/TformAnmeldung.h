#pragma once

#include "Anmeldung.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDataModule1;

// The login dialog: Bereich, Betrieb, user and password. The whole login can be done from the
// password box: Page Up/Down change the Betrieb, Arrow Up/Down the user.
class TformAnmeldung : public QDialog {
    Q_OBJECT
public:
    // parameter: the program's first command-line argument.
    TformAnmeldung(TDataModule1& dm, const QString& parameter, QWidget* parent = nullptr);

    // Runs the dialog modally. True when a user logged in: the login state is filled and the
    // business's databases are connected. Otherwise every connection is closed.
    bool Execute();

    QLabel* laBereich;
    QComboBox* cbBereich;
    QComboBox* cbBetriebe;
    QLabel* laInhaber;
    QComboBox* cbBenutzer;
    QLineEdit* edPasswort;
    QPushButton* btnAnmelden;
    QPushButton* btnProgrammende;

    // The role under which each user entry keeps its picture number (1, 2 or 3).
    static constexpr int SymbolRolle = Qt::UserRole + 1;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    TDataModule1& dm;
    QString parameter;
    std::vector<tBetriebEintrag> betriebe;
    std::vector<tBenutzerEintrag> benutzer;
    bool OKiDO = false;

    void BereicheEintragen();
    void BetriebeEintragen();
    void UserEintragen();
    void btnAnmeldenClick();
};
