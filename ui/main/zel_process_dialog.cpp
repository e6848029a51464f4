#include "ui/main/zel_process_dialog.h"
#include "ui/kit/skin_images.h"

#include "store/app_paths.h"
#include "ui/kit/kit_resources.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMovie>
#include <QTimer>

ZelProcessDialog::ZelProcessDialog()
    : QDialog(nullptr, Qt::FramelessWindowHint)
{
    initKitResources();
    setFixedSize(128, 128);
    setAttribute(Qt::WA_TranslucentBackground);
    background = skinImage(applicationDirectory() + QStringLiteral("/skin/process.png"));
    animationLabel = new QLabel(this);
    animationLabel->setGeometry(0, 0, 128, 128);
    animation = new QMovie(QStringLiteral(":/skin/loading.gif"), QByteArray(), this);
    animationLabel->setMovie(animation);
    animation->start();
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
