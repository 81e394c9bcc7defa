#include "FakeRueckfragen.h"
#include "Fensterhilfen.h"
#include "TformFTPOptionen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

namespace {

TFTPUebertragung geaendert() {
    TFTPUebertragung f;
    f.Account = QStringLiteral("konto");
    f.AuthCmd = 2;
    f.AutoLogin = false;
    f.DataPort = 5;
    f.ListenTimeout = 1;
    f.TransferPort = 990;
    f.ReadTimeOut = 7;
    f.UseCCC = true;
    f.UseHost = false;
    f.UseTLS = 3;
    f.PassiveModus = false;
    f.ProxyModus = 9;
    f.ProxyHost = QStringLiteral("proxy");
    return f;
}

TEST(TformFTPOptionen, OkUebernimmtDieFelderUndLaesstProxyUnberuehrt) {
    TformFTPOptionen dialog;
    TFTPUebertragung f = geaendert();
    sobaldOffen<TformFTPOptionen>([](TformFTPOptionen* d) {
        d->edAccount->setText(QStringLiteral("neu"));
        d->cbUseTLS->setCurrentIndex(1);
        d->edPort->setValue(2121);
        knopf(d, QStringLiteral("OK"))->click();
    });
    ASSERT_TRUE(dialog.Execute(f));
    TFTPUebertragung erwartet = geaendert();
    erwartet.Account = QStringLiteral("neu");
    erwartet.UseTLS = 1;
    erwartet.TransferPort = 2121;
    EXPECT_EQ(f, erwartet);

    sobaldOffen<TformFTPOptionen>([](TformFTPOptionen* d) {
        d->edAccount->setText(QStringLiteral("verworfen"));
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialog.Execute(f));
    EXPECT_EQ(f, erwartet);
}

TEST(TformFTPOptionen, StandardNurNachRueckfrageUndMitPort21) {
    FakeRueckfragen fragen;
    fragen.antworten = {Antwort::Nein, Antwort::Ja};
    TformFTPOptionen dialog;
    TFTPUebertragung f = geaendert();
    sobaldOffen<TformFTPOptionen>([](TformFTPOptionen* d) {
        knopf(d, QStringLiteral("Standard"))->click();
        EXPECT_EQ(d->edAccount->text(), QStringLiteral("konto")) << "Nein changes nothing";
        knopf(d, QStringLiteral("Standard"))->click();
        knopf(d, QStringLiteral("OK"))->click();
    });
    ASSERT_TRUE(dialog.Execute(f));
    EXPECT_EQ(fragen.texte(), QStringList(2, QStringLiteral("Möchten Sie die Einstellungen "
                                                            "wirklich auf den Standard "
                                                            "zurücksetzen?")));
    EXPECT_EQ(fragen.meldungen[0].art, Meldungsart::Warnung);

    TFTPUebertragung erwartet;
    erwartet.ListenTimeout = 0;
    erwartet.PassiveModus = false;
    erwartet.ProxyModus = 9;
    erwartet.ProxyHost = QStringLiteral("proxy");
    EXPECT_EQ(f, erwartet);
    EXPECT_EQ(f.TransferPort, 21);
}

} // namespace
