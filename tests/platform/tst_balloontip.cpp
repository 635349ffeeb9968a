#include "testmain.h"

#include "platform/realplatform.h"

#include <QToolTip>

// The real balloon tip: a tooltip at the pointer with the icon, the bold title and the text.
class TestBalloonTip : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QToolTip::hideText(); }
    void showsIconTitleAndText();
    void plainTextStaysPlain();
};

void TestBalloonTip::showsIconTitleAndText()
{
    QWidget window;
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCursor::setPos(window.mapToGlobal(QPoint(50, 50)));
    Platform::RealServices().showBalloonTip(&window, Platform::TipInfo, QStringLiteral("Tip:"),
                                            QStringLiteral("Please select a file in Task List."));
    QVERIFY(QToolTip::isVisible());
    const QString tip = QToolTip::text();
    QVERIFY(tip.contains(QStringLiteral("<img src=\"data:image/png;base64,")));
    QVERIFY(tip.contains(QStringLiteral("<b>Tip:</b>")));
    QVERIFY(tip.contains(QStringLiteral("Please select a file in Task List.")));
}

void TestBalloonTip::plainTextStaysPlain()
{
    QWidget window;
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCursor::setPos(window.mapToGlobal(QPoint(50, 50)));
    Platform::RealServices().showBalloonTip(&window, Platform::TipNone, QStringLiteral("a<b"),
                                            QStringLiteral("<i>x</i>"));
    const QString tip = QToolTip::text();
    QVERIFY(!tip.contains(QStringLiteral("<img")));
    QVERIFY(tip.contains(QStringLiteral("a&lt;b")));
    QVERIFY(tip.contains(QStringLiteral("&lt;i&gt;x&lt;/i&gt;")));
}

VANTREL_TEST_MAIN(TestBalloonTip)
#include "tst_balloontip.moc"
