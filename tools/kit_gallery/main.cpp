// Shows the kit's widgets over the main background, and optionally one message box, at a
// chosen scale factor. Reads skin, fonts and translations from the application directory.
#include "store/app_paths.h"
#include "store/language_config.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/language_runtime.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_label.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_processbar.h"
#include "ui/kit/zel_push_button.h"
#include "ui/kit/zel_slider.h"

#include <QApplication>
#include <QBitmap>
#include <QCommandLineParser>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QTranslator>

namespace {

class Gallery : public QWidget {
public:
    Gallery()
    {
        setWindowFlags(Qt::FramelessWindowHint);
        m_back.load(skinPath(QStringLiteral("/skin/cfgMainback.png")));
        resize(scaledSize(999, 640));
        if (!m_back.isNull())
            setMask(m_back.scaled(size()).mask());

        const QStringList tab = skinPaths({QStringLiteral("/skin/tabbutton-1.png"), QStringLiteral("/skin/tabbutton-3.png"), QStringLiteral("/skin/tabbutton-2.png")});
        const char *tabs[] = {"LIGHTING", "CUSTOMIZE", "DPI", "MACRO"};
        for (int i = 0; i < 4; ++i) {
            auto *b = new ZelPushButton(tab, this, QObject::tr(tabs[i]));
            b->setCheckable(true);
            b->setChecked(i == 1);
            b->setGeometry(scaledRect(69, 90 + 34 * i, 154, 29));
        }
        auto add = [this](const QStringList &images, const QString &text, QRect r) {
            auto *b = new ZelPushButton(images, this, text);
            b->setGeometry(r);
            return b;
        };
        add(skinPaths({QStringLiteral("/skin/close-1.png"), QStringLiteral("/skin/close-2.png"), QStringLiteral("/skin/close-3.png")}), QString(), scaledRect(924, 33, 19, 19));
        add(skinPaths({QStringLiteral("/skin/min-1.png"), QStringLiteral("/skin/min-2.png"), QStringLiteral("/skin/min-3.png")}), QString(), scaledRect(903, 33, 19, 19));
        add(tab, QStringLiteral("Glide X7"), scaledRect(670, 33, 100, 20));
        add(QStringList{skinPath(QStringLiteral("/skin/lang.png"))}, QStringLiteral("English"), scaledRect(774, 33, 105, 20));
        add(tab, QObject::tr("Reset All"), scaledRect(308, 588, 128, 30));
        add(tab, QObject::tr("LOAD1"), scaledRect(439, 588, 76, 30));
        add(tab, QObject::tr("SAVE"), scaledRect(518, 588, 76, 30));
        add(tab, QObject::tr("Apply"), scaledRect(597, 588, 76, 30))->setEnabled(false);
        auto *numbered = add(tab, QObject::tr("Left"), scaledRect(300, 100, 300, 36));
        numbered->setNumber(1);
        add(tab, QObject::tr("Right"), scaledRect(300, 140, 300, 36))->setNumber(2);
        auto *rate = add(QStringList{skinPath(QStringLiteral("/skin/rate.png"))}, QObject::tr("1000 HZ"), scaledRect(760, 100, 150, 30));
        auto *menu = new QMenu(rate);
        applyMenuStyle(menu);
        for (const char *t : {"125 HZ", "250 HZ", "500 HZ", "1000 HZ"})
            menu->addAction(QObject::tr(t));
        rate->setMenu(menu);
        auto *swatch = add({}, QString(), scaledRect(620, 100, 40, 24));
        swatch->setSwatchColor(QColor(40, 160, 255));

        auto *bar = new ZelProcessbar(this);
        bar->setGeometry(scaledRect(75, 587, 71, 34));
        bar->setRange(0, 100);
        bar->setValue(57);
        bar->setFormat(QStringLiteral("%p%"));
        const QColor accent = currentAccentColor();
        bar->setStyleSheet(QStringLiteral("QProgressBar{border:none;background:#FFFFFF;border-radius:2px;text-align:center;font:bold %1px;color:black;}"
                                          "QProgressBar::chunk{background-color:rgb(%2,%3,%4);border-radius:2px;}")
                               .arg(scaled(16)).arg(accent.red()).arg(accent.green()).arg(accent.blue()));

        auto *version = new ZelLabel(QStringLiteral("V1.0.0"), this);
        version->setStyleSheet(QStringLiteral("color: rgb(225,225,225);"));
        version->setGeometry(scaledRect(757, 594, 190, 20));
        auto *model = new ZelLabel(QStringLiteral("GLIDE X7 WIRELESS"), this);
        model->setStyleSheet(QStringLiteral("color: rgb(225,225,225);"));
        model->setGeometry(scaledRect(637, 515, 300, 20));

        auto *slider = new ZelSlider(this);
        slider->setRange(1, 10);
        slider->setValue(6);
        slider->setBubbleEnabled(true);
        slider->setGeometry(scaledRect(300, 200, 300, 24));
        slider->setStyleSheet(QStringLiteral("QSlider::groove:horizontal{border-image:url(%1);height:%2px;}"
                                             "QSlider::handle:horizontal{background:rgb(%3,%4,%5);width:%6px;margin:-%7px 0;border-radius:3px;}")
                                  .arg(skinPath(QStringLiteral("/skin/pspeed.png")))
                                  .arg(scaled(8))
                                  .arg(accent.red()).arg(accent.green()).arg(accent.blue())
                                  .arg(scaled(16))
                                  .arg(scaled(5)));
        slider->bubble()->setText(QString::number(slider->value()));
        slider->bubble()->move(slider->bubbleX(), 0);
        slider->bubble()->show();

        auto *mouse = new QLabel(this);
        mouse->setPixmap(QPixmap(skinPath(QStringLiteral("/skin/mouse/Glide X7/mouse_3.png"))).scaled(scaledSize(300, 400), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        mouse->setGeometry(scaledRect(637, 99, 300, 400));
        auto *logo = new QLabel(this);
        logo->setPixmap(QPixmap(skinPath(QStringLiteral("/skin/mouselogo.png"))).scaled(scaledSize(200, 50), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        logo->setGeometry(scaledRect(69, 20, 200, 50));
        auto *dongle = new QLabel(this);
        dongle->setPixmap(QPixmap(skinPath(QStringLiteral("/skin/dongle.png"))).scaled(scaledSize(48, 48), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        dongle->setGeometry(scaledRect(174, 581, 48, 48));
        m_battery.load(skinPath(QStringLiteral("/skin/bat1.png")));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), m_back);
        p.drawPixmap(scaledRect(69, 581, 86, 47), m_battery);
    }

private:
    QPixmap m_back;
    QPixmap m_battery;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    QCommandLineOption scaleOption(QStringLiteral("scale"), QStringLiteral("Scale factor."), QStringLiteral("factor"), QStringLiteral("1"));
    QCommandLineOption boxOption(QStringLiteral("box"), QStringLiteral("Also show a message box of this style (1..4)."), QStringLiteral("style"));
    QCommandLineOption langOption(QStringLiteral("lang"), QStringLiteral("Language index to show."), QStringLiteral("index"));
    QCommandLineOption dirOption(QStringLiteral("app-dir"), QStringLiteral("Application directory."), QStringLiteral("dir"));
    parser.addOptions({scaleOption, boxOption, langOption, dirOption});
    parser.addHelpOption();
    parser.process(app);
    if (parser.isSet(dirOption))
        setApplicationDirectoryOverride(parser.value(dirOption));
    setUiScaleFactor(parser.value(scaleOption).toDouble());

    QTranslator translator;
    if (parser.isSet(langOption)) {
        LanguageTable table;
        readLanguageTable(table);
        const int index = parser.value(langOption).toInt();
        setCurrentLanguageIndex(index);
        if (index >= 0 && index < kLanguageSlots)
            loadTranslation(translator, table.files[index]);
    }

    Gallery gallery;
    gallery.move(0, 0);
    gallery.show();
    if (parser.isSet(boxOption)) {
        const int style = parser.value(boxOption).toInt();
        const QString text = style == 1   ? QObject::tr("Are you sure you want reset all profiles?")
                             : style == 4 ? QObject::tr("Dongle Disconnect!")
                                          : QObject::tr("Send data failed, please try again.");
        auto *box = new ZelMessageBox(style, QString(), QObject::tr("Warning"), text, &gallery, style == 4);
        QTimer::singleShot(100, box, [box, &gallery] {
            box->move(gallery.geometry().center() - box->rect().center());
            box->show();
        });
    }
    return app.exec();
}
