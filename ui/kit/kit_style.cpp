#include "ui/kit/kit_style.h"

#include "store/app_paths.h"
#include "store/language_config.h"
#include "ui/kit/ui_scale.h"

#include <QMenu>

namespace {
int colorMode = 0;
} // namespace

QString skinPath(const QString &relative)
{
    return applicationDirectory() + relative;
}

QStringList skinPaths(const QStringList &relatives)
{
    QStringList paths;
    paths.reserve(relatives.size());
    for (const QString &r : relatives)
        paths << skinPath(r);
    return paths;
}

QString skinCheckBoxStyleSheet()
{
    return checkImageStyleSheet(QStringLiteral("/skin/checkbox1-1.png"), QStringLiteral("/skin/checkbox1-2.png"), scaled(16));
}

QString skinFieldStyleSheet(double scale)
{
    const QColor accent = currentAccentColor();
    const QString accentText = QStringLiteral("rgb(%1,%2,%3)").arg(accent.red()).arg(accent.green()).arg(accent.blue());
    return QStringLiteral(
               "QSpinBox,QLineEdit{background:rgb(16,17,20);color:rgb(235,235,235);border:1px solid rgb(80,84,94);"
               "border-radius:%1px;padding:0px %2px;selection-background-color:%3;selection-color:black;}"
               "QSpinBox:focus,QLineEdit:focus{border-color:%3;}"
               "QSpinBox::up-button{subcontrol-origin:border;subcontrol-position:top right;width:%4px;border:none;}"
               "QSpinBox::down-button{subcontrol-origin:border;subcontrol-position:bottom right;width:%4px;border:none;}"
               "QSpinBox::up-button:hover,QSpinBox::down-button:hover{background:rgba(255,255,255,28);}"
               "QSpinBox::up-arrow{image:url(%5);width:%6px;height:%7px;}"
               "QSpinBox::down-arrow{image:url(%8);width:%6px;height:%7px;}")
        // One call: a '%' in the skin folder's path must not take the next value.
        .arg(QString::number(qMax(2, scaled(3, scale))), QString::number(scaled(4, scale)), accentText,
             QString::number(scaled(16, scale)), skinPath(QStringLiteral("/skin/spin_up.png")),
             QString::number(scaled(9, scale)), QString::number(scaled(6, scale)),
             skinPath(QStringLiteral("/skin/spin_down.png")));
}

QString skinItemViewStyleSheet(double scale)
{
    const QColor accent = currentAccentColor();
    return QStringLiteral(
               "QListWidget,QListView,QTreeWidget,QTreeView,QTableView{background:rgb(20,20,22);color:rgb(225,225,225);"
               "border:1px solid rgb(80,84,94);selection-background-color:rgb(%1,%2,%3);selection-color:black;}"
               "QHeaderView{background:rgb(44,46,52);}"
               "QHeaderView::section{background:rgb(44,46,52);color:rgb(225,225,225);border:0px;padding:0px %4px;}"
               "QTableCornerButton::section{background:rgb(44,46,52);border:0px;}"
               "QScrollBar:vertical{width:%5px;background:rgb(20,20,22);margin:0px;}"
               "QScrollBar:horizontal{height:%5px;background:rgb(20,20,22);margin:0px;}"
               "QScrollBar::handle{background:rgb(80,84,94);border-radius:%6px;}"
               "QScrollBar::handle:vertical{min-height:%7px;}QScrollBar::handle:horizontal{min-width:%7px;}"
               "QScrollBar::handle:hover{background:rgb(%1,%2,%3);}"
               "QScrollBar::add-line,QScrollBar::sub-line{width:0px;height:0px;border:none;background:none;}"
               "QScrollBar::add-page,QScrollBar::sub-page{background:none;}")
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue())
        .arg(scaled(3, scale))
        .arg(scaled(8, scale))
        .arg(scaled(3, scale))
        .arg(scaled(20, scale));
}

QFont configuredFont(int languageIndex, double scaleFactor)
{
    const LanguageFont configured = readLanguageFont(languageIndex);
    QFont font;
    if (!configured.family.isEmpty())
        font.setFamily(configured.family);
    const int pixels = scaled(configured.pixelSize, scaleFactor);
    if (pixels > 0)
        font.setPixelSize(pixels);
    return font;
}

QFont configuredFont()
{
    return configuredFont(currentLanguageIndex(), uiScaleFactor());
}

QColor currentAccentColor()
{
    return accentColor(readAccentIndex());
}

QColor currentGradientStartColor()
{
    return gradientStartColor(readAccentIndex());
}

QString currentMenuStyleSheet()
{
    return menuStyleSheet(currentAccentColor());
}

void setStyleSheetIfChanged(QWidget *widget, const QString &styleSheet)
{
    if (widget->styleSheet() != styleSheet)
        widget->setStyleSheet(styleSheet);
}

void applyMenuStyle(QMenu *menu)
{
    if (menu)
        setStyleSheetIfChanged(menu, currentMenuStyleSheet());
}

void setButtonColorMode(int mode)
{
    colorMode = mode;
}

int buttonColorMode()
{
    return colorMode;
}

QString checkImageStyleSheet(const QString &offImage, const QString &onImage, int indicatorSize)
{
    return QStringLiteral("QCheckBox{color: rgb(255, 255, 255); background: transparent;}"
                          "QCheckBox::indicator{width: %1px; height: %1px; border-image: url(%2);}"
                          "QCheckBox::indicator:checked{border-image: url(%3);}")
        .arg(indicatorSize)
        .arg(skinPath(offImage), skinPath(onImage));
}
