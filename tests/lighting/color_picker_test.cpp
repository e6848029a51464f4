// The colour dialog and its areas as a user drives them: the strip, the square, the fields,
// the hexadecimal entry and the presets, at scale 1 and 1.5.

#include "ui/pages/color_hex_text.h"
#include "ui/pages/default_color_area.h"
#include "ui/pages/h_color_area.h"
#include "ui/pages/preview_color_area.h"
#include "ui/pages/sv_color_area.h"
#include "ui/pages/zel_color_area.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

namespace {

enum { H, S, V, R, G, B };

QVector<int> fields(const ZelColorArea &dialog)
{
    QVector<int> values;
    for (int i = 0; i < 6; ++i)
        values << dialog.field(i)->value();
    return values;
}

// A drag with the left button held (QTest's own move only moves the cursor).
void dragTo(QWidget *widget, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QPoint inSquare(const SVColorArea *square, int x, int y)
{
    return square->squareRect().topLeft() + QPoint(x, y);
}

} // namespace

class ColorPickerTest : public QObject {
    Q_OBJECT

private slots:
    void hueStripTopGivesThreeSixtyWhichTheDialogTurnsIntoZero()
    {
        ZelColorArea dialog(nullptr, 1.0);
        dialog.setColor(QColor(0, 0, 255));
        HColorArea *strip = dialog.hueStrip();
        QSignalSpy hues(strip, &HColorArea::hueChangedSignal);

        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(5, strip->topMargin()));
        QCOMPARE(hues.takeLast().at(0).toInt(), 360);
        QCOMPARE(dialog.field(H)->value(), 0);
        // The square kept its saturation and value: pure blue becomes pure red.
        QCOMPARE(dialog.color(), QColor(255, 0, 0));
        QCOMPARE(dialog.hexField()->text(), QStringLiteral("FF0000"));

        // Above the strip clamps to the top, below it to the bottom; the middle is cyan's hue.
        dragTo(strip, QPoint(5, -40));
        QCOMPARE(strip->hue(), 360);
        dragTo(strip, QPoint(5, strip->topMargin() + strip->stripHeight() + 40));
        QCOMPARE(strip->hue(), 0);
        dragTo(strip, QPoint(5, strip->topMargin() + strip->stripHeight() / 2));
        QCOMPARE(strip->hue(), 180);
        QCOMPARE(dialog.color(), QColor(0, 255, 255));
        QTest::mouseRelease(strip, Qt::LeftButton);

        // From the keyboard: arrows step the hue and the dialog follows; the square's arrows
        // move saturation and brightness.
        QTest::keyClick(strip, Qt::Key_Down);
        QCOMPARE(strip->hue(), 179);
        QCOMPARE(dialog.field(H)->value(), 179);
        SVColorArea *square = dialog.svSquare();
        const int value = square->valuePosition();
        QTest::keyClick(square, Qt::Key_Down);
        QCOMPARE(square->valuePosition(), value - 1);
        QCOMPARE(dialog.field(V)->value(), PreviewColorArea::componentOf(value - 1, 1.0));
    }

    void squareClampsAtItsEdgesAtEveryScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.5") << 1.5;
    }

    void squareClampsAtItsEdgesAtEveryScale()
    {
        QFETCH(double, scale);
        ZelColorArea dialog(nullptr, scale);
        dialog.setColor(QColor(0, 255, 0));
        SVColorArea *square = dialog.svSquare();
        QCOMPARE(square->side(), int(128 * scale));
        QSignalSpy picks(square, &SVColorArea::svChangedSignal);

        // Far right and far below: full saturation, no value.
        QTest::mousePress(square, Qt::LeftButton, {}, inSquare(square, square->side() + 50, square->side() + 50));
        QCOMPARE(picks.last().at(1).toInt(), square->side());
        QCOMPARE(picks.last().at(2).toInt(), 0);
        QCOMPARE(fields(dialog).mid(S, 2), (QVector<int>{255, 0}));
        QCOMPARE(dialog.color(), QColor(0, 0, 0));

        // Dragged out over the top left: white.
        dragTo(square, inSquare(square, -30, -30));
        QCOMPARE(square->saturationPosition(), 0);
        QCOMPARE(square->valuePosition(), square->side());
        QCOMPARE(dialog.color(), QColor(255, 255, 255));
        QCOMPARE(dialog.preview()->color().toRgb(), QColor(255, 255, 255));

        // A point inside: components follow position x 2 / scale.
        dragTo(square, inSquare(square, int(50 * scale), square->side() - int(100 * scale)));
        QCOMPARE(fields(dialog).mid(H, 3), (QVector<int>{120, 100, 200}));
        QCOMPARE(dialog.color(), QColor::fromHsv(120, 100, 200).toRgb());

        QSignalSpy changes(&dialog, &ZelColorArea::ZelChangeColor);
        QTest::mouseRelease(square, Qt::LeftButton, {}, inSquare(square, 10, 10));
        QCOMPARE(changes.count(), 1);
    }

    void fieldsFollowEachOtherWithoutLooping()
    {
        ZelColorArea dialog(nullptr, 1.0);
        dialog.setColor(QColor(0, 0, 0));
        dialog.field(S)->setValue(255);
        dialog.field(V)->setValue(255);
        dialog.field(H)->setValue(120);
        QCOMPARE(fields(dialog), (QVector<int>{120, 255, 255, 0, 255, 0}));
        QCOMPARE(dialog.hexField()->text(), QStringLiteral("00FF00"));
        QCOMPARE(dialog.hueStrip()->hue(), 120);
        QCOMPARE(dialog.svSquare()->saturationPosition(), 128);

        dialog.field(R)->setValue(255);
        QCOMPARE(fields(dialog), (QVector<int>{60, 255, 255, 255, 255, 0}));
        QCOMPARE(dialog.hexField()->text(), QStringLiteral("FFFF00"));

        // A grey has no hue: the strip stays where it was.
        dialog.field(B)->setValue(255);
        dialog.field(G)->setValue(255);
        QCOMPARE(dialog.color(), QColor(255, 255, 255));
        QCOMPARE(dialog.field(H)->value(), 60);
        QCOMPARE(dialog.hueStrip()->hue(), 60);

        // 360 in the field is red again.
        dialog.field(S)->setValue(255);
        dialog.field(H)->setValue(360);
        QCOMPARE(dialog.color(), QColor(255, 0, 0));
    }

    void hexadecimalTextWhileTypingAndWhenFinished()
    {
        ZelColorArea dialog(nullptr, 1.0);
        dialog.setColor(QColor(10, 20, 30));
        QLineEdit *hex = dialog.hexField();
        QSignalSpy changes(&dialog, &ZelColorArea::ZelChangeColor);
        auto typeInto = [&](const QString &text) {
            hex->selectAll();
            QTest::keyClick(hex, Qt::Key_Delete);
            QTest::keyClicks(hex, text);
        };

        typeInto(QStringLiteral("f00"));
        QCOMPARE(dialog.color(), QColor(255, 0, 0));
        QCOMPARE(fields(dialog), (QVector<int>{0, 255, 255, 255, 0, 0}));
        QCOMPARE(hex->text(), QStringLiteral("f00")); // the field keeps what is typed
        QCOMPARE(changes.last().at(0).value<QColor>(), QColor(255, 0, 0));
        emit hex->editingFinished();
        QCOMPARE(hex->text(), QStringLiteral("FF0000"));

        typeInto(QStringLiteral("ff"));
        QCOMPARE(dialog.color(), QColor(0, 0, 255));

        typeInto(QStringLiteral("7"));
        QTest::keyClick(hex, Qt::Key_Return);
        QCOMPARE(hex->text(), QStringLiteral("000007"));
        QCOMPARE(dialog.color(), QColor(0, 0, 7));
        QVERIFY(dialog.isVisible() == false && dialog.result() == 0); // Return finished the text only

        // Four and five digits finish as they were read while typing: padded on the left.
        typeInto(QStringLiteral("12ab"));
        QCOMPARE(dialog.color(), QColor(0, 0x12, 0xab));
        emit hex->editingFinished();
        QCOMPARE(hex->text(), QStringLiteral("0012AB"));
        QCOMPARE(dialog.color(), QColor(0, 0x12, 0xab));
        typeInto(QStringLiteral("c12ab"));
        QCOMPARE(dialog.color(), QColor(0x0c, 0x12, 0xab));
        emit hex->editingFinished();
        QCOMPARE(hex->text(), QStringLiteral("0C12AB"));

        // An empty field finishes as black; the field takes no other characters.
        typeInto(QString());
        emit hex->editingFinished();
        QCOMPARE(hex->text(), QStringLiteral("000000"));
        QCOMPARE(dialog.color(), QColor(0, 0, 0));
        typeInto(QStringLiteral("zz1g"));
        QCOMPARE(hex->text(), QStringLiteral("1"));

        QColor untouched(1, 2, 3);
        QVERIFY(!colorFromTypedHex(QStringLiteral("1234567"), &untouched));
        QVERIFY(!colorFromTypedHex(QStringLiteral("12x"), &untouched));
        QCOMPARE(untouched, QColor(1, 2, 3));
        QCOMPARE(completedHexText(QStringLiteral("abc")), QStringLiteral("AABBCC"));
    }

    void presetsSetTheComponentsAndAnnounceOnce()
    {
        ZelColorArea dialog(nullptr, 1.0);
        dialog.setColor(QColor(0, 0, 0));
        QSignalSpy changes(&dialog, &ZelColorArea::ZelChangeColor);
        QSignalSpy applies(&dialog, &ZelColorArea::ApplyColor);

        DefaultColorArea *white = dialog.preset(6);
        QCOMPARE(white->color(), QColor(255, 255, 255));
        QTest::mouseClick(white, Qt::LeftButton);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().at(0).value<QColor>(), QColor(255, 255, 255));
        QCOMPARE(applies.count(), 1);
        QCOMPARE(fields(dialog).mid(R), (QVector<int>{255, 255, 255}));
        QCOMPARE(dialog.hexField()->text(), QStringLiteral("FFFFFF"));

        // Magenta leaves blue where it was: the colour must still be recomputed.
        QTest::mouseClick(dialog.preset(5), Qt::LeftButton);
        QCOMPARE(dialog.color(), QColor(255, 0, 255));
        QCOMPARE(fields(dialog).mid(H, 3), (QVector<int>{300, 255, 255}));
        QCOMPARE(dialog.preview()->color(), QColor(255, 0, 255));
        QCOMPARE(changes.count(), 2);

        const QColor expected[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::yellow, Qt::magenta, Qt::white};
        for (int i = 0; i < ZelColorArea::kPresetCount; ++i)
            QCOMPARE(dialog.preset(i)->color(), expected[i]);
    }

    void everyPartPaintsAtEveryScale()
    {
        for (double scale : {1.0, 1.5, 2.25}) {
            ZelColorArea dialog(nullptr, scale);
            dialog.setColor(QColor(30, 160, 90));
            QCOMPARE(dialog.size(), QSize(int(478 * scale), int(320 * scale)));
            const QImage shot = dialog.grab().toImage();
            // The square's top right corner shows the pure hue; its bottom is black.
            const SVColorArea *square = dialog.svSquare();
            const QPoint origin = square->pos() + square->squareRect().topLeft();
            const QColor corner = shot.pixelColor(origin + QPoint(square->side() - 3, 2));
            QVERIFY2(corner.green() > 240 && corner.red() < 30, qPrintable(corner.name()));
            QVERIFY(shot.pixelColor(origin + QPoint(square->side() / 2, square->side() - 2)).value() < 12);
            // The preview shows the colour.
            const QPoint previewCentre = dialog.preview()->geometry().center();
            QCOMPARE(shot.pixelColor(previewCentre), QColor(30, 160, 90));
        }
    }
};

QTEST_MAIN(ColorPickerTest)
#include "color_picker_test.moc"
