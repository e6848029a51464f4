// Every text the window can show must fit the room its widget gives it, in every language and
// at every common scale. The walk is by widget kind, not by name, so controls added later are
// checked without touching this test.

#include "emulated_window_test.h"

#include "store/language_config.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_label.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/programs_dialog.h"
#include "ui/main/zel_process_dialog.h"
#include "ui/pages/zel_color_area.h"
#include "ui/pages/zel_combo_key_window.h"
#include "ui/pages/zel_fire_key_window.h"
#include "ui/pages/zel_gunset_dialog.h"
#include "ui/pages/zel_macro_select.h"
#include "ui/pages/zel_single_key_window.h"
#include "ui/pages/zel_sniper_window.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QToolButton>
#include <QXmlStreamReader>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace {

QString plainText(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The messages of the program: every text of the translation source that reads as a sentence.
QVector<QPair<QString, QString>> messageTexts()
{
    QVector<QPair<QString, QString>> messages;
    QFile file(qEnvironmentVariable("ZEL_SOURCE_DIR") + QStringLiteral("/resources/lang/zelmouse_en.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    bool vanished = false;
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            vanished = type == QLatin1String("vanished") || type == QLatin1String("obsolete");
            const QString trimmed = source.trimmed();
            const bool sentence = trimmed.contains(QLatin1Char(' ')) &&
                                  (trimmed.endsWith(QLatin1Char('.')) || trimmed.endsWith(QLatin1Char('!')) ||
                                   trimmed.endsWith(QLatin1Char('?')) || trimmed.contains(QStringLiteral("%1")));
            if (!vanished && sentence && !source.startsWith(QLatin1Char('&')))
                messages.append({context, source});
        }
    }
    return messages;
}

} // namespace

class TextFitTest : public EmulatedWindowTest {
    Q_OBJECT

    QStringList faults;
    QString where;

    QString name(const QWidget *widget) const
    {
        QStringList path;
        for (const QWidget *w = widget; w; w = w->parentWidget()) {
            path.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
            if (w->isWindow())
                break;
        }
        return path.join(QLatin1Char('/'));
    }

    void fault(const QWidget *widget, const QString &text, int need, int room, const char *axis)
    {
        faults << QStringLiteral("%1: %2 \"%3\" needs %4 px %5, has %6").arg(where, name(widget), text).arg(need).arg(QLatin1String(axis)).arg(room);
    }

    void checkLabel(QLabel *label)
    {
        const QString text = plainText(label->text());
        if (text.trimmed().isEmpty())
            return;
        // ZelLabel adopts the configured font when it paints.
        const QFont font = qobject_cast<ZelLabel *>(label) ? configuredFont() : label->font();
        const QFontMetrics metrics(font);
        QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        if (label->indent() > 0)
            room.adjust(label->indent(), 0, 0, 0);
        if (label->wordWrap()) {
            const QRect need = metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap | int(label->alignment()), text);
            if (need.width() > room.width())
                fault(label, text, need.width(), room.width(), "wide");
            // Qt's own measure of the wrapped height, as layouts use it.
            const int height = label->heightForWidth(label->width());
            if (height > label->height())
                fault(label, text, height, label->height(), "high");
            return;
        }
        const int need = widestLine(metrics, text);
        if (need > room.width())
            fault(label, text, need, room.width(), "wide");
        const int lines = text.count(QLatin1Char('\n')) + 1;
        const int height = metrics.height() + (lines - 1) * metrics.lineSpacing();
        if (height > room.height())
            fault(label, text, height, room.height(), "high");
    }

    void checkButton(QAbstractButton *button)
    {
        if (auto *skinned = qobject_cast<ZelPushButton *>(button)) {
            if (skinned->displayText().trimmed().isEmpty() || skinned->textFits())
                return;
            const QString shown = skinned->displayText();
            const QRect area = skinned->textArea();
            const QFontMetrics smallest(ZelPushButton::fittedFont(configuredFont(), shown, area.width()));
            if (smallest.horizontalAdvance(shown) > area.width())
                fault(button, shown, smallest.horizontalAdvance(shown), area.width(), "wide");
            else
                fault(button, shown, smallest.height(), area.height(), "high");
            return;
        }
        const QString text = button->text();
        if (text.trimmed().isEmpty())
            return;
        const QFontMetrics metrics(button->font());
        if (auto *push = qobject_cast<QPushButton *>(button)) {
            QStyleOptionButton option;
            option.initFrom(push);
            const QRect contents = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
            int need = metrics.horizontalAdvance(QString(text).remove(QLatin1Char('&')));
            if (!push->icon().isNull())
                need += push->iconSize().width() + 4;
            if (push->menu())
                need += push->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, push);
            if (need > contents.width())
                fault(button, text, need, contents.width(), "wide");
        } else {
            // Check boxes, radio buttons and tool buttons: the style's own measure, indicator
            // and icon included.
            const QSize need = button->sizeHint();
            if (need.width() > button->width())
                fault(button, text, need.width(), button->width(), "wide");
        }
        if (metrics.height() > button->height())
            fault(button, text, metrics.height(), button->height(), "high");
    }

    void checkLineEdit(QLineEdit *edit)
    {
        const QString text = edit->text().isEmpty() ? edit->placeholderText() : edit->text();
        if (text.isEmpty() || edit->echoMode() != QLineEdit::Normal)
            return;
        const QFontMetrics metrics(edit->font());
        const QMargins margins = edit->textMargins();
        const int frame = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
        // QLineEdit keeps two pixels free on each side of its text.
        const int room = edit->contentsRect().width() - margins.left() - margins.right() - 2 * frame - 4;
        const int need = metrics.horizontalAdvance(text);
        if (need > room)
            fault(edit, text, need, room, "wide");
    }

    void checkHeader(QHeaderView *header)
    {
        if (header->orientation() != Qt::Horizontal || !header->model())
            return;
        const QFontMetrics metrics(header->font());
        const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int section = 0; section < header->count(); ++section) {
            if (header->isSectionHidden(section))
                continue;
            const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
            if (text.isEmpty())
                continue;
            const int need = metrics.horizontalAdvance(text) + margin;
            if (need > header->sectionSize(section))
                fault(header, text + QStringLiteral("\" in %1 px \"").arg(QFontInfo(header->font()).pixelSize()), need, header->sectionSize(section), "wide");
        }
    }

    // Rows of lists, trees and tables: the text, its icon and the style's margins in the cell.
    void checkItemView(QAbstractItemView *view)
    {
        QAbstractItemModel *model = view->model();
        if (!model)
            return;
        const int margin = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
        const int icon = view->iconSize().isValid() ? view->iconSize().width()
                                                    : view->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view);
        std::function<void(const QModelIndex &)> walk = [&](const QModelIndex &parent) {
            for (int row = 0; row < model->rowCount(parent); ++row) {
                for (int column = 0; column < model->columnCount(parent); ++column) {
                    const QModelIndex index = model->index(row, column, parent);
                    const QString text = index.data(Qt::DisplayRole).toString();
                    const QRect room = view->visualRect(index);
                    // Collapsed rows have no room at all; a cell with a widget shows the widget.
                    if (text.isEmpty() || room.width() <= 0 || view->indexWidget(index))
                        continue;
                    const QVariant font = index.data(Qt::FontRole);
                    int need = QFontMetrics(font.isValid() ? font.value<QFont>() : view->font()).horizontalAdvance(text) + margin;
                    if (!index.data(Qt::DecorationRole).isNull())
                        need += icon + 4;
                    if (need > room.width())
                        fault(view, text, need, room.width(), "wide");
                }
                walk(model->index(row, 0, parent));
            }
        };
        walk(QModelIndex());
    }

    void checkMenu(QMenu *menu)
    {
        menu->ensurePolished();
        const QSize need = menu->sizeHint();
        const int room = menu->minimumWidth() == menu->maximumWidth() ? menu->maximumWidth() : need.width();
        for (QAction *action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible() || action->text().isEmpty())
                continue;
            // The style's measure of the widest item, submenu arrow and padding included.
            const QFontMetrics metrics(action->font().resolve(menu->font()));
            const int text = metrics.horizontalAdvance(QString(action->text()).remove(QLatin1Char('&')));
            const int arrow = action->menu() ? menu->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, menu) : 0;
            if (text + arrow > room || need.width() > room)
                faults << QStringLiteral("%1: menu %2 item \"%3\" needs %4 px wide, has %5")
                              .arg(where, name(menu), action->text())
                              .arg(qMax(need.width(), text + arrow))
                              .arg(room);
            if (action->menu())
                checkMenu(action->menu());
        }
    }

    // Every text shown under `root`, and every menu it owns.
    void checkTree(QWidget *root)
    {
        QList<QWidget *> widgets = root->findChildren<QWidget *>();
        widgets.prepend(root);
        for (QWidget *widget : widgets) {
            // Controls a layout leaves unused sit at no size: nothing of them is seen.
            if ((widget != root && !widget->isVisibleTo(root)) || widget->width() <= 0 || widget->height() <= 0)
                continue;
            if (auto *label = qobject_cast<QLabel *>(widget))
                checkLabel(label);
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                checkButton(button);
            else if (auto *edit = qobject_cast<QLineEdit *>(widget))
                checkLineEdit(edit);
            else if (auto *header = qobject_cast<QHeaderView *>(widget))
                checkHeader(header);
            else if (auto *view = qobject_cast<QAbstractItemView *>(widget))
                checkItemView(view);
        }
        for (QMenu *menu : root->findChildren<QMenu *>()) {
            // Submenus are checked through the menu that opens them.
            if (!qobject_cast<QMenu *>(menu->parentWidget()))
                checkMenu(menu);
        }
    }

    // With ZEL_TEXT_FIT_SHOTS=<folder>, a picture of everything checked, for eyes.
    void shoot(QWidget *widget, const QString &label)
    {
        const QString folder = qEnvironmentVariable("ZEL_TEXT_FIT_SHOTS");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        QString file = label;
        file.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.]+")), QStringLiteral("_"));
        widget->grab().save(folder + QLatin1Char('/') + file + QStringLiteral(".png"));
    }

    template <typename Dialog>
    void checkDialog(const QString &label, Dialog *dialog)
    {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCoreApplication::processEvents();
        where = label;
        shoot(dialog, label);
        checkTree(dialog);
        // As exec() would leave it: hidden before it goes.
        dialog->hide();
        delete dialog;
    }

private slots:
    void everyTextFits_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<double>("scale");
        const char *languages[] = {"English", "French", "German"};
        for (int language = 0; language < 3; ++language) {
            for (double scale : {1.0, 1.5, 2.0})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(languages[language])).arg(scale))) << language << scale;
        }
    }

    void everyTextFits()
    {
        QFETCH(int, language);
        QFETCH(double, scale);
        faults.clear();
        const QString row = QString::fromLatin1(QTest::currentDataTag());
        QSettings(m_dir->path() + QStringLiteral("/Configs/LangConfig.ini"), QSettings::IniFormat).setValue(QStringLiteral("Config/LangID"), language);
        qputenv("ZEL_SCALE", QByteArray::number(scale));
        auto window = openWindow();
        qunsetenv("ZEL_SCALE");
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->currentScaleFactor(), scale);
        QCOMPARE(currentLanguageIndex(), language);

        const char *pages[] = {"lighting", "customize", "DPI", "macro"};
        for (int page = 0; page < 4; ++page) {
            window->showPage(page);
            QCoreApplication::processEvents();
            where = row + QStringLiteral(", ") + QLatin1String(pages[page]) + QStringLiteral(" page");
            shoot(window.get(), where);
            checkTree(window.get());
        }

        if (!qEnvironmentVariableIsEmpty("ZEL_TEXT_FIT_SHOTS")) {
            // The button menu open on its second submenu, as a user sees it.
            window->showPage(1);
            for (QMenu *menu : window->findChildren<QMenu *>()) {
                const QList<QAction *> actions = menu->actions();
                auto withSub = std::find_if(actions.begin(), actions.end(), [](QAction *a) { return a->menu() != nullptr; });
                if (withSub == actions.end() || qobject_cast<QMenu *>(menu->parentWidget()))
                    continue;
                menu->popup(window->mapToGlobal(QPoint(300, 100)));
                QVERIFY(QTest::qWaitForWindowExposed(menu));
                menu->setActiveAction(*(withSub + 1));
                QTest::keyClick(menu, Qt::Key_Right);
                QCoreApplication::processEvents();
                const QRect both = menu->geometry().united((*(withSub + 1))->menu()->geometry());
                QPixmap shot(both.size());
                shot.fill(Qt::darkGray);
                QPainter painter(&shot);
                painter.drawPixmap(menu->geometry().topLeft() - both.topLeft(), menu->grab());
                QMenu *sub = (*(withSub + 1))->menu();
                painter.drawPixmap(sub->geometry().topLeft() - both.topLeft(), sub->grab());
                painter.end();
                const QString folder = qEnvironmentVariable("ZEL_TEXT_FIT_SHOTS");
                shot.save(folder + QLatin1Char('/') + row + QStringLiteral("_button_menu.png"));
                menu->hide();
                break;
            }
        }

        QWidget *parent = window.get();
        checkDialog(row + QStringLiteral(", single key"), new ZelSingleKeyWindow(parent));
        checkDialog(row + QStringLiteral(", combo key"), new ZelComboKeyWindow(parent));
        checkDialog(row + QStringLiteral(", fire key"), new ZelFireKeyWindow(parent));
        checkDialog(row + QStringLiteral(", sniper"), new ZelSniperWindow(parent));
        checkDialog(row + QStringLiteral(", colour"), new ZelColorArea(parent, scale));
        checkDialog(row + QStringLiteral(", gun set"), new ZelGunsetDialog(parent, scale));
        for (int mode = 0; mode < 3; ++mode)
            checkDialog(row + QStringLiteral(", macro select"), new ZelMacroSelect(QCoreApplication::translate("ZelBtnWindow", "MACRO SELECT"), QCoreApplication::translate("ZelBtnWindow", "MACRO SELECT"), QString(), 1, mode, parent));
        checkDialog(row + QStringLiteral(", apply progress"), new ZelProcessDialog());
        if (window->appProfileSwitcher())
            checkDialog(row + QStringLiteral(", programs"), new ProgramsDialog(window->appProfileSwitcher(), window->libraryNames(), parent));
        if (window->trayIcon() && window->trayIcon()->contextMenu()) {
            where = row + QStringLiteral(", tray");
            checkMenu(window->trayIcon()->contextMenu());
        }
        int messageNumber = 0;
        for (const auto &message : messageTexts()) {
            const QString text = QCoreApplication::translate(qPrintable(message.first), qPrintable(message.second));
            checkDialog(row + QStringLiteral(", message box %1").arg(++messageNumber),
                        new ZelMessageBox(ZelMessageBox::Question, QObject::tr("Warning"), QObject::tr("Warning"), text, parent));
        }
        // One line each: QtTest cuts long failure messages.
        for (const QString &text : faults)
            qWarning().noquote() << "does not fit:" << text;
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 texts do not fit").arg(faults.size())));
    }
};

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
