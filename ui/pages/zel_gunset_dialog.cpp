#include "ui/pages/zel_gunset_dialog.h"
#include "ui/kit/skin_images.h"

#include "store/macro_library.h"
#include "ui/kit/dialog_skin.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/zel_action.h"
#include "ui/kit/zel_message_box.h"

#include <QBitmap>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

ZelListItem::ZelListItem(const MacroEvent &event, const QString &text, const QIcon &icon, QListWidget *list)
    : QListWidgetItem(icon, text, list), m_event(event)
{
}

ZelGunsetDialog::ZelGunsetDialog(QWidget *parent, double scale, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_scale(scale)
{
    setObjectName(QStringLiteral("ZelGunsetDialog"));
    setWindowTitle(QObject::tr("Gun Set"));
    setModal(true);
    const auto at = [this](int x, int y, int w, int h) { return QRect(int(x * m_scale), int(y * m_scale), int(w * m_scale), int(h * m_scale)); };
    setFixedSize(int(619 * scale), int(400 * scale));
    m_background = skinImage(skinPath(QStringLiteral("/skin/dlg_gun.png"))).scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!m_background.isNull())
        setMask(m_background.mask());
    m_bulletImage = skinImage(skinPath(QStringLiteral("/skin/gunset_bullet.png")));
    m_track = skinImage(skinPath(QStringLiteral("/skin/gunset_slider.png")));

    const QString text = QStringLiteral("color:rgb(225,225,225);background:transparent;");
    const QString field = QStringLiteral("background:rgb(20,20,22);color:rgb(225,225,225);border:1px solid rgb(80,84,94);");
    const QFont font = configuredFont();
    const auto label = [&](const QString &caption, const QRect &r) {
        auto *l = new QLabel(caption, this);
        l->setStyleSheet(text);
        l->setFont(font);
        l->setGeometry(r);
        return l;
    };
    QLabel *title = label(QObject::tr("GUN SET"), at(24, 16, 300, 28));
    QFont titleFont = font;
    titleFont.setBold(true);
    title->setFont(titleFont);

    label(QObject::tr("GUNFILE NAME"), at(30, 66, 125, 24));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("gunName"));
    m_name->setStyleSheet(skinFieldStyleSheet(m_scale));
    m_name->setFont(font);
    m_name->setGeometry(at(160, 66, 250, 24));

    label(QObject::tr("BULLETS"), at(30, 100, 125, 24));
    m_bulletButton = new QPushButton(this);
    m_bulletButton->setObjectName(QStringLiteral("gunBullets"));
    m_bulletButton->setStyleSheet(QStringLiteral("QPushButton{%1}").arg(field));
    m_bulletButton->setFont(font);
    m_bulletButton->setGeometry(at(160, 100, 60, 24));
    m_bulletMenu = new QMenu(this);
    applyMenuStyle(m_bulletMenu);
    for (int n = 1; n <= kGunMaxBullets; ++n) {
        auto *action = new ZelAction(QString::asprintf("%d", n), m_bulletMenu);
        connect(action, &QAction::triggered, this, [this, n]() { setBulletCount(n); });
        m_bulletMenu->addAction(action);
    }
    m_bulletButton->setMenu(m_bulletMenu);

    label(QObject::tr("DELAY(MS)"), at(160, 198, 78, 20));
    label(QObject::tr("Y"), at(244, 198, 64, 20));
    label(QObject::tr("X"), at(314, 198, 64, 20));
    for (int i = 0; i < kGunMaxBullets; ++i) {
        const int y = 222 + 28 * i;
        m_rowLabels[i] = label(QString::number(i + 1), at(120, y, 30, 24));
        const auto spin = [&](int x, int lo, int hi, int value, const QString &name) {
            auto *s = new QSpinBox(this);
            s->setObjectName(name.arg(i + 1));
            s->setRange(lo, hi);
            s->setValue(value);
            s->setStyleSheet(skinFieldStyleSheet(m_scale));
            s->setFont(font);
            s->setGeometry(at(x, y, x == 160 ? 78 : 64, 24));
            connect(s, QOverload<int>::of(&QSpinBox::valueChanged), this, &ZelGunsetDialog::fillEventList);
            return s;
        };
        m_delay[i] = spin(160, kGunMinDelay, kGunMaxDelay, 100, QStringLiteral("gunDelay%1"));
        m_y[i] = spin(244, -kGunMaxOffset, kGunMaxOffset, 0, QStringLiteral("gunY%1"));
        m_x[i] = spin(314, -kGunMaxOffset, kGunMaxOffset, 0, QStringLiteral("gunX%1"));
    }

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("gunEvents"));
    m_list->setStyleSheet(skinItemViewStyleSheet(m_scale));
    m_list->setFont(font);
    m_list->setGeometry(at(390, 198, 210, 160));
    m_list->setIconSize(at(0, 0, 16, 16).size());

    m_yes = makeDialogToolButton(QObject::tr("Yes"), QIcon(QStringLiteral(":/yes_Btn")), QStringLiteral("gunYes"), this);
    m_no = makeDialogToolButton(QObject::tr("No"), QIcon(QStringLiteral(":/no_Btn")), QStringLiteral("gunNo"), this);
    m_yes->setGeometry(at(400, 362, 95, 32));
    m_no->setGeometry(at(505, 362, 95, 32));
    connect(m_yes, &QToolButton::clicked, this, &ZelGunsetDialog::OnYesClick);
    connect(m_no, &QToolButton::clicked, this, &QDialog::reject);

    setBulletCount(kGunMaxBullets);
}

void ZelGunsetDialog::setBulletCount(int count)
{
    m_bullets = qBound(1, count, kGunMaxBullets);
    for (int i = 0; i < kGunMaxBullets; ++i) {
        const bool shown = i < m_bullets;
        m_rowLabels[i]->setVisible(shown);
        m_delay[i]->setVisible(shown);
        m_y[i]->setVisible(shown);
        m_x[i]->setVisible(shown);
    }
    m_bulletButton->setText(QString::asprintf("%d", m_bullets));
    fillEventList();
    update();
}

QVector<MacroEvent> ZelGunsetDialog::events() const
{
    QVector<MacroEvent> out;
    for (int i = 0; i < m_list->count(); ++i)
        out.append(static_cast<ZelListItem *>(m_list->item(i))->event());
    return out;
}

QString ZelGunsetDialog::eventText(const MacroEvent &event, int indexInBullet) const
{
    if (isMacroButtonEvent(event.map))
        return QObject::tr(macroButtonLabel(event.dataL)) + (indexInBullet == 0 ? QObject::tr(" DOWN") : QObject::tr(" UP"));
    if (isMacroMoveEvent(event.map)) {
        MacroDirection direction;
        int distance = 0;
        macroMoveOf(event, &direction, &distance);
        return QStringLiteral("%1 %2").arg(QObject::tr(macroDirectionLabel(direction))).arg(distance);
    }
    return QObject::tr("%1 ms").arg(macroDelayUnits(event) * kGunDelayUnitMs);
}

void ZelGunsetDialog::OnYesClick()
{
    const QString name = cleanMacroName(m_name->text());
    if (name.isEmpty() || !isUsableMacroName(name)) {
        const QString text = name.isEmpty() ? QObject::tr("Please input file name.")
                                            : macroLibraryMessage(MacroLibraryResult{macroNameError(name), name, QString()});
        ZelMessageBox box(ZelMessageBox::Warning, QString(), QObject::tr("Warning"), text, this);
        box.exec();
        return;
    }
    fillEventList();
    m_fileName = name;
    accept();
}

void ZelGunsetDialog::fillEventList()
{
    // The list shows, while the bullets are edited, the events OK will write.
    if (!m_list)
        return;
    QVector<GunBullet> bullets;
    for (int i = 0; i < m_bullets; ++i)
        bullets.append(GunBullet{m_delay[i]->value(), m_y[i]->value(), m_x[i]->value()});
    m_list->clear();
    const QIcon move(skinPath(QStringLiteral("/skin/mouse_move.png")));
    const QIcon delay(skinPath(QStringLiteral("/skin/icondelay.png")));
    int inBullet = 0;
    for (const MacroEvent &e : gunEvents(bullets)) {
        new ZelListItem(e, eventText(e, inBullet), isMacroDelayEvent(e.map) ? delay : move, m_list);
        inBullet = isMacroDelayEvent(e.map) ? 0 : inBullet + 1;
    }
}

void ZelGunsetDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, m_background);
    painter.drawPixmap(QRect(int(155 * m_scale), int(182 * m_scale), int(290 * m_scale), int(5 * m_scale)), m_track);
    for (int k = 0; k < m_bullets; ++k)
        painter.drawPixmap(QRect(int((163 + 66 * k) * m_scale), int(141 * m_scale), int(9 * m_scale), int(39 * m_scale)), m_bulletImage);
}
