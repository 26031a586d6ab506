#include "app/export_runner.h"

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace bevelmint::app {

ExportRunner::ExportRunner(QWidget* window) : QObject(window) {
    // Not modal: the window goes on taking input while the files are written.
    dialog_ = new QDialog(window, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    dialog_->setObjectName("ExportProgress");
    dialog_->setWindowTitle("Exporting");
    dialog_->setWindowModality(Qt::NonModal);
    auto* layout = new QVBoxLayout(dialog_);
    caption_ = new QLabel(dialog_);
    caption_->setObjectName("ExportProgressCaption");
    caption_->setMinimumWidth(260);
    bar_ = new QProgressBar(dialog_);
    bar_->setObjectName("ExportProgressBar");
    cancelButton_ = new QPushButton("Cancel", dialog_);
    cancelButton_->setObjectName("ExportCancel");
    cancelButton_->setToolTip("Stop writing: every file stays as it was");
    layout->addWidget(caption_);
    layout->addWidget(bar_);
    layout->addWidget(cancelButton_, 0, Qt::AlignRight);
    connect(cancelButton_, &QPushButton::clicked, this, &ExportRunner::cancel);
    connect(dialog_, &QDialog::rejected, this, &ExportRunner::cancel);
    dialogDelay_.setSingleShot(true);
    dialogDelay_.setInterval(kDialogDelayMs);
    connect(&dialogDelay_, &QTimer::timeout, this, &ExportRunner::showDialog);
}

// The dialog may be gone already (the window deletes its widgets first).
ExportRunner::~ExportRunner() {
    cancel_ = true;
    if (thread_) thread_->wait();
    delete thread_;
}

void ExportRunner::start(std::unique_ptr<editor::ExportJob> job, Done done) {
    if (running()) return;
    job_ = std::move(job);
    done_ = std::move(done);
    result_.reset();
    cancel_ = false;
    shown_ = false;
    showProgress(0, 0);
    cancelButton_->setEnabled(true);
    editor::ExportJob* running = job_.get();
    // Progress crosses to the window's thread as queued calls.
    auto report = [this](int done, int total) {
        QMetaObject::invokeMethod(
            this, [this, done, total] { showProgress(done, total); }, Qt::QueuedConnection);
    };
    thread_ = QThread::create([this, running, report] {
        result_ = running->run({report, &cancel_});
    });
    connect(thread_, &QThread::finished, this, &ExportRunner::ended);
    dialogDelay_.start();
    thread_->start();
    emit runningChanged(true);
}

void ExportRunner::cancel() {
    if (!running()) return;
    cancel_ = true;
    caption_->setText("Cancelling: every file stays as it was...");
    cancelButton_->setEnabled(false);
}

void ExportRunner::finishNow() {
    if (!running()) return;
    thread_->wait();
    ended();
}

void ExportRunner::showDialog() {
    if (!running()) return;
    shown_ = true;
    dialog_->show();
    dialog_->raise();
}

void ExportRunner::showProgress(int done, int total) {
    if (cancel_) return;
    bar_->setRange(0, std::max(total, 1));
    bar_->setValue(done);
    caption_->setText(QString("Writing the files: %1 of %2").arg(done).arg(total));
}

void ExportRunner::ended() {
    if (!running()) return;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    dialogDelay_.stop();
    dialog_->hide();
    Outcome outcome{std::move(result_), job_->cancelled(), job_->written(), job_->warnings(),
                    job_->notices()};
    // The editor takes edits again once the job is gone.
    job_.reset();
    const Done done = std::move(done_);
    emit runningChanged(false);
    if (done) done(outcome);
}

}  // namespace bevelmint::app
