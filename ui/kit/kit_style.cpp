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
    return QStringLiteral("QCheckBox::indicator:enabled:unchecked { image: url(%1)}"
                          "QCheckBox::indicator:enabled:checked { image: url(%2)}"
                          "QCheckBox{background-color:rgba(255,255,255,0)}")
        .arg(skinPath(QStringLiteral("/skin/checkbox1-1.png")), skinPath(QStringLiteral("/skin/checkbox1-2.png")));
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
                          "QCheckBox::indicator{width: %1px; height: %1px; image: url(%2);}"
                          "QCheckBox::indicator:checked{image: url(%3);}")
        .arg(indicatorSize)
        .arg(skinPath(offImage), skinPath(onImage));
}
