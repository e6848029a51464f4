#include "ui/main/zel_process_dialog.h"
#include "ui/kit/skin_images.h"

#include "store/app_paths.h"
#include "ui/kit/kit_resources.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMovie>
#include <QTimer>

namespace {
constexpr int kAnimationSize = 128;
constexpr int kWidth = 240;
constexpr int kStatusHeight = 48;
} // namespace

ZelProcessDialog::ZelProcessDialog()
    : QDialog(nullptr, Qt::FramelessWindowHint)
{
    initKitResources();
    setFixedSize(kWidth, kAnimationSize + kStatusHeight);
    setAttribute(Qt::WA_TranslucentBackground);
    background = skinImage(applicationDirectory() + QStringLiteral("/skin/process.png"));
    animationLabel = new QLabel(this);
    animationLabel->setGeometry((kWidth - kAnimationSize) / 2, 0, kAnimationSize, kAnimationSize);
    animation = new QMovie(QStringLiteral(":/skin/loading.gif"), QByteArray(), this);
    animationLabel->setMovie(animation);
    animation->start();
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("writeStatus"));
    statusLabel->setGeometry(0, kAnimationSize, kWidth, kStatusHeight);
    statusLabel->setAlignment(Qt::AlignCenter);
    statusLabel->setWordWrap(true);
    statusLabel->setStyleSheet(QStringLiteral("QLabel{color:white;background-color:rgba(20,20,20,200);border-radius:4px}"));
    showStatus();
}

ZelProcessDialog::~ZelProcessDialog() = default;

void ZelProcessDialog::centreOn(const QWidget *window)
{
    QRect placed = rect();
    placed.moveCenter(window->geometry().center());
    move(placed.topLeft());
}

bool ZelProcessDialog::animationRunning() const
{
    return animation->state() == QMovie::Running;
}

void ZelProcessDialog::setAttempt(int tryNumber)
{
    attempt = tryNumber;
    sent = total = 0;
    showStatus();
}

void ZelProcessDialog::setProgress(int sentNow, int totalNow)
{
    sent = sentNow;
    total = totalNow;
    showStatus();
}

QString ZelProcessDialog::statusText() const
{
    return statusLabel->text();
}

void ZelProcessDialog::showStatus()
{
    // Until the first packet has gone the write may be saving, or waiting for the mouse.
    QString text = total == 0 ? QObject::tr("Writing to the mouse…")
                              : QObject::tr("Sent %1 of %2 to the mouse").arg(sent).arg(total);
    if (attempt > 1)
        text = QObject::tr("Try %1").arg(attempt) + QLatin1Char('\n') + text;
    statusLabel->setText(text);
}

void ZelProcessDialog::slotProcessDlg()
{
    // Leave the signal's delivery before closing the modal loop.
    QTimer::singleShot(0, this, &ZelProcessDialog::updateProgress);
}

void ZelProcessDialog::updateProgress()
{
    accept();
}

void ZelProcessDialog::reject() {}

void ZelProcessDialog::closeEvent(QCloseEvent *event)
{
    if (result() != QDialog::Accepted)
        event->ignore();
}
