#include "store/app_paths.h"
#include "store/language_config.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/my_int_validator.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_action.h"
#include "ui/kit/zel_label.h"
#include "ui/kit/zel_line_edit.h"
#include "ui/kit/zel_processbar.h"
#include "ui/kit/zel_push_button.h"
#include "ui/kit/zel_slider.h"

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void sendEnter(QWidget *w)
{
    QEvent e(QEvent::Enter);
    QCoreApplication::sendEvent(w, &e);
}

void sendLeave(QWidget *w)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(w, &e);
}

QStringList threeImages()
{
    return skinPaths({QStringLiteral("/skin/tabbutton-1.png"), QStringLiteral("/skin/tabbutton-3.png"), QStringLiteral("/skin/tabbutton-2.png")});
}

} // namespace

class KitWidgetsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        // Images from the built application directory; fonts from a configuration of our own.
        setApplicationDirectoryOverride(m_dir.path());
        QDir().mkpath(m_dir.path() + QStringLiteral("/Configs"));
        QVERIFY(QFile::link(qEnvironmentVariable("ZEL_APP_DIR") + QStringLiteral("/skin"), m_dir.path() + QStringLiteral("/skin")));
        QSettings config(m_dir.path() + QStringLiteral("/Configs/Config.ini"), QSettings::IniFormat);
        config.setValue(QStringLiteral("FONT_LIST/FONT_0"), QStringLiteral("DejaVu Sans"));
        config.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_0"), 12);
        config.setValue(QStringLiteral("FONT_LIST/FONT_1"), QStringLiteral("DejaVu Serif"));
        config.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_1"), 15);
        config.setValue(QStringLiteral("Config/GColorID"), 5);
    }

    void init()
    {
        setUiScaleFactor(1.0);
        setCurrentLanguageIndex(0);
    }

    void singleImageButtonNeverChangesImage()
    {
        ZelPushButton button(skinPath(QStringLiteral("/skin/lang.png")), nullptr, QStringLiteral("English"));
        button.resize(105, 20);
        button.setCheckable(true);
        QCOMPARE(button.imageCount(), 1);
        QCOMPARE(button.currentImageIndex(), 0);
        sendEnter(&button);
        QCOMPARE(button.currentImageIndex(), 0);
        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(button.currentImageIndex(), 0);
        QTest::mouseRelease(&button, Qt::LeftButton);
        QCOMPARE(button.currentImageIndex(), 0);
        sendLeave(&button);
        QCOMPARE(button.currentImageIndex(), 0);
        button.setEnabled(false);
        QCOMPARE(button.currentImageIndex(), 0);
    }

    void hoverPressAndReleaseWalkTheStateImages()
    {
        ZelPushButton button(threeImages());
        button.resize(154, 29);
        QSignalSpy over(&button, &ZelPushButton::OverSignal);
        QSignalSpy entered(&button, &ZelPushButton::EnterSignal);
        QSignalSpy clicked(&button, &QPushButton::clicked);

        sendEnter(&button);
        QCOMPARE(button.currentImageIndex(), 1);
        QCOMPARE(over.count(), 1);
        QCOMPARE(over.at(0).at(1).toBool(), true);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(entered.at(0).at(0).value<ZelPushButton *>(), &button);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(button.currentImageIndex(), 1); // release shows the hover image
        sendLeave(&button);
        QCOMPARE(button.currentImageIndex(), 0);
        QCOMPARE(over.count(), 2);
        QCOMPARE(over.at(1).at(1).toBool(), false);
        // Only the left button presses.
        QTest::mousePress(&button, Qt::RightButton);
        QCOMPARE(entered.count(), 1);
    }

    void checkablePressTogglesOnceAndLeaveKeepsTheCheckedLook()
    {
        ZelPushButton button(threeImages());
        button.resize(154, 29);
        button.setCheckableMode(true);
        QSignalSpy toggled(&button, &QAbstractButton::toggled);

        QTest::mousePress(&button, Qt::LeftButton);
        QVERIFY(button.isChecked());
        QCOMPARE(button.currentImageIndex(), 2);
        QTest::mouseRelease(&button, Qt::LeftButton);
        QVERIFY2(button.isChecked(), "the click after the press must not toggle back");
        QCOMPARE(toggled.count(), 1);
        sendLeave(&button);
        QCOMPARE(button.currentImageIndex(), 1);

        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(!button.isChecked());
        sendLeave(&button);
        QCOMPARE(button.currentImageIndex(), 0);

        // Checked from code (a tab chosen by the window).
        button.setChecked(true);
        QCOMPARE(button.currentImageIndex(), 1);
        button.setChecked(false);
        QCOMPARE(button.currentImageIndex(), 0);
    }

    void twoImageCheckableButtonDoesNotShowAPressedImage()
    {
        ZelPushButton button(skinPaths({QStringLiteral("/skin/btn_2.png"), QStringLiteral("/skin/btn_1.png")}));
        button.setCheckable(true);
        sendEnter(&button);
        QTest::mousePress(&button, Qt::LeftButton);
        QVERIFY(button.isChecked());
        QCOMPARE(button.currentImageIndex(), 1);
    }

    void disabledButtonShowsImageThreeAndIgnoresTheMouse()
    {
        QStringList four = threeImages();
        four << skinPath(QStringLiteral("/skin/tabbutton-1.png"));
        ZelPushButton button(four);
        button.resize(100, 20);
        button.setCheckable(true);
        QSignalSpy over(&button, &ZelPushButton::OverSignal);
        QSignalSpy entered(&button, &ZelPushButton::EnterSignal);
        button.setEnabled(false);
        QCOMPARE(button.currentImageIndex(), 3);
        sendEnter(&button);
        QTest::mousePress(&button, Qt::LeftButton);
        QTest::mouseRelease(&button, Qt::LeftButton);
        sendLeave(&button);
        QCOMPARE(button.currentImageIndex(), 3);
        QCOMPARE(over.count(), 0);
        QCOMPARE(entered.count(), 0);
        QVERIFY(!button.isChecked());
        button.setEnabled(true);
        QCOMPARE(button.currentImageIndex(), 0);
        // Three images: the disabled state falls back to image 0.
        ZelPushButton three(threeImages());
        three.setEnabled(false);
        QCOMPARE(three.currentImageIndex(), 0);
    }

    void textSetsToolTipAndNumberPrefix()
    {
        ZelPushButton button(threeImages(), nullptr, QStringLiteral("Apply"));
        QCOMPARE(button.toolTip(), QStringLiteral("Apply"));
        button.setText(QStringLiteral("Left"));
        QCOMPARE(button.toolTip(), QStringLiteral("Left"));
        QCOMPARE(button.displayText(), QStringLiteral("Left"));
        button.setNumber(3);
        QVERIFY(button.displayText().startsWith(QStringLiteral("  3")));
        QVERIFY(button.displayText().endsWith(QStringLiteral("Left")));
        button.setNumber(253);
        QVERIFY(button.displayText().startsWith(QStringLiteral("  ")));
        QVERIFY(!button.displayText().contains(QStringLiteral("253")));
        button.setNumber(0);
        QCOMPARE(button.displayText(), QStringLiteral("Left"));
    }

    void longTextShrinksTheFontOnlyAQuarter()
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        QCOMPARE(ZelPushButton::fittedFont(font, QStringLiteral("SAVE"), 60).pixelSize(), 12);
        const QFont fitted = ZelPushButton::fittedFont(font, QStringLiteral("ENREGISTRER"), 66);
        QVERIFY(fitted.pixelSize() < 12);
        QVERIFY(QFontMetrics(fitted).horizontalAdvance(QStringLiteral("ENREGISTRER")) <= 66);
        QCOMPARE(ZelPushButton::fittedFont(font, QStringLiteral("Zum \u00dcbernehmen Eingabetaste dr\u00fccken"), 40).pixelSize(), 9);
    }

    void sizeHintIsTheImageSize()
    {
        ZelPushButton button(skinPaths({QStringLiteral("/skin/close-1.png"), QStringLiteral("/skin/close-2.png"), QStringLiteral("/skin/close-3.png")}));
        QCOMPARE(button.sizeHint(), QSize(19, 19));
    }

    void configuredFontFollowsLanguageAndScale()
    {
        QFont font = configuredFont();
        QCOMPARE(font.family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(font.pixelSize(), 12);
        setCurrentLanguageIndex(1);
        setUiScaleFactor(1.75);
        font = configuredFont();
        QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(font.pixelSize(), 26); // 15 x 1.75 = 26.25, truncated
        // A language without a font entry keeps Qt's default family.
        setCurrentLanguageIndex(7);
        QCOMPARE(configuredFont().family(), QFont().family());
    }

    void actionAndLabelTakeTheConfiguredFont()
    {
        setCurrentLanguageIndex(1);
        ZelAction action(QStringLiteral("125 HZ"));
        QCOMPARE(action.font().family(), QStringLiteral("DejaVu Serif"));
        setCurrentLanguageIndex(0);
        action.setText(QStringLiteral("250 HZ"));
        QCOMPARE(action.font().family(), QStringLiteral("DejaVu Sans"));

        ZelLabel label(QStringLiteral("Version"));
        label.resize(190, 20);
        label.grab();
        QCOMPARE(label.font().pixelSize(), 12);
        QSignalSpy entered(&label, &ZelLabel::EnterSignal);
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(entered.count(), 1);
    }

    void validatorsClampAboveTopAndAllowEmpty()
    {
        MyIntValidator first(1, 120);
        MyIntValidator2 second(1, 120);
        for (QValidator *v : {static_cast<QValidator *>(&first), static_cast<QValidator *>(&second)}) {
            QString text = QStringLiteral("150");
            int pos = 3;
            QCOMPARE(v->validate(text, pos), QValidator::Acceptable);
            QCOMPARE(text, QStringLiteral("120"));
            QVERIFY(pos <= text.size());

            text.clear();
            pos = 0;
            QCOMPARE(v->validate(text, pos), QValidator::Intermediate);
            text = QStringLiteral("0");
            QCOMPARE(v->validate(text, pos), QValidator::Intermediate);
            text = QStringLiteral("-4");
            QCOMPARE(v->validate(text, pos), QValidator::Intermediate);
            text = QStringLiteral("12a");
            QCOMPARE(v->validate(text, pos), QValidator::Invalid);
            text = QStringLiteral(" 5");
            QCOMPARE(v->validate(text, pos), QValidator::Invalid);
            text = QStringLiteral("120");
            QCOMPARE(v->validate(text, pos), QValidator::Acceptable);
            QCOMPARE(text, QStringLiteral("120"));
            // Longer than any integer: still above the top.
            text = QStringLiteral("99999999999999999999999");
            pos = text.size();
            QCOMPARE(v->validate(text, pos), QValidator::Acceptable);
            QCOMPARE(text, QStringLiteral("120"));
            QCOMPARE(pos, 3);
        }
    }

    void typingIntoAFieldClampsToTheTop()
    {
        QLineEdit field;
        field.setValidator(new MyIntValidator(1, 120, &field));
        QTest::keyClicks(&field, QStringLiteral("150"));
        QCOMPARE(field.text(), QStringLiteral("120"));
        field.clear();
        QCOMPARE(field.text(), QString());
        QTest::keyClicks(&field, QStringLiteral("7x"));
        QCOMPARE(field.text(), QStringLiteral("7"));
    }

    void lineEditReportsLostFocus()
    {
        QWidget window;
        auto *edit = new ZelLineEdit(&window);
        auto *other = new QLineEdit(&window);
        other->move(0, 40);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QSignalSpy lost(edit, &ZelLineEdit::zelLostFocus);
        other->setFocus();
        QTRY_COMPARE(lost.count(), 1);
    }

    void processbarShowsCaptionOrValueText()
    {
        ZelProcessbar bar;
        bar.setRange(0, 100);
        bar.setValue(57);
        bar.setFormat(QStringLiteral("%p%"));
        QCOMPARE(bar.shownText(), QStringLiteral("57%"));
        bar.setFormat(QString());
        QCOMPARE(bar.shownText(), QString());
        bar.setFormat(QStringLiteral("MOUSE OFF"));
        bar.setTextVisible(false);
        QCOMPARE(bar.shownText(), QString());
        bar.setCaption(QStringLiteral("MOUSE OFF"));
        QCOMPARE(bar.shownText(), QStringLiteral("MOUSE OFF"));
        bar.resize(71, 34);
        QVERIFY(!bar.grab().isNull());
    }

    void sliderBubbleFollowsTheValueWhileDragged()
    {
        QWidget window;
        auto *slider = new ZelSlider(&window);
        slider->setRange(1, 5);
        slider->setGeometry(0, 0, 220, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(slider->bubble()->size(), QSize(20, 20));

        QSignalSpy changed(slider, &ZelSlider::MouseChange);
        // Without the bubble enabled, nothing is shown.
        QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(5, 15));
        QVERIFY(!slider->bubble()->isVisible());
        QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(5, 15));
        QCOMPARE(changed.count(), 1);
        QVERIFY(slider->pressed());

        slider->setBubbleEnabled(true);
        slider->setValue(3);
        QCOMPARE(slider->bubbleX(), (3 - 1) * (220 - 20) / (5 - 1));
        QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(215, 15));
        QVERIFY(slider->bubble()->isVisible());
        QCOMPARE(slider->bubble()->text(), QString::number(slider->value()));
        QCOMPARE(slider->bubble()->x(), slider->bubbleX());
        QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(215, 15));
        QVERIFY(!slider->bubble()->isVisible());
        QCOMPARE(changed.count(), 2);

        // An empty range must not divide by zero.
        slider->setRange(4, 4);
        QCOMPARE(slider->bubbleX(), 0);
    }

    void scaleHelpersTruncate()
    {
        setUiScaleFactor(1.25);
        QCOMPARE(scaled(999), 1248);
        QCOMPARE(scaledSize(478, 309), QSize(597, 386));
        setUiScaleFactor(1.5);
        QCOMPARE(scaledRect(924, 33, 19, 19), QRect(1386, 49, 28, 28));
        setUiScaleFactor(0.0); // refused
        QCOMPARE(uiScaleFactor(), 1.5);
    }

    void menuStyleUsesTheConfiguredAccent()
    {
        QCOMPARE(currentAccentColor(), QColor(0, 255, 255));
        QVERIFY(currentMenuStyleSheet().contains(QStringLiteral("rgb(0,255,255)")));
    }
};

QTEST_MAIN(KitWidgetsTest)
#include "kit_widgets_test.moc"
