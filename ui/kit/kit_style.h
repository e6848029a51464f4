#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QMenu;
class QWidget;

// Sets a style sheet only when it differs from the widget's own: setting one, even the same,
// restyles the widget and all its children.
void setStyleSheetIfChanged(QWidget *widget, const QString &styleSheet);

// Skin images live in "<application directory>/skin/"; callers name them from the application
// directory down, e.g. skinPath("/skin/close-1.png").
QString skinPath(const QString &relative);
QStringList skinPaths(const QStringList &relatives);

// The font of the current language ("FONT_LIST/FONT_%d", "FONT_LIST/FONT_SIZE_%d") with its
// pixel size multiplied by the scale factor and truncated. Read from the file on every call.
QFont configuredFont();
QFont configuredFont(int languageIndex, double scaleFactor);

// The skinned check box: indicator images from the skin folder, sized for the scale,
// transparent background.
QString skinCheckBoxStyleSheet();

// Entry fields (spin boxes, line edits) on the dark skin, the spin arrows from the skin folder;
// sizes for `scale`.
QString skinFieldStyleSheet(double scale);
// Lists, trees and tables on the dark skin: their headings and scroll bars too.
QString skinItemViewStyleSheet(double scale);

// The accent colour chosen by "Config/GColorID".
QColor currentAccentColor();
QColor currentGradientStartColor();
// The pop-up menu style sheet in the current accent colour.
QString currentMenuStyleSheet();
void applyMenuStyle(QMenu *menu);

// "PROFILE/ColorMode" of the product: nonzero switches skinned buttons to their alternative
// text colours. Set once by the main window at start-up.
void setButtonColorMode(int mode);
int buttonColorMode();

// A check box (or exclusive toggle) drawn with two skin images, off and on, as its indicator
// of `indicatorSize` pixels, with white text beside it.
QString checkImageStyleSheet(const QString &offImage, const QString &onImage, int indicatorSize);
