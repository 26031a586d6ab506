#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

#include "editor/export_job.h"

class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QWidget;

namespace bevelmint::app {

// Runs one export job at a time beside the window, on a thread of its own: the
// window repaints and takes input meanwhile. Once the job has taken half a
// second a progress dialog shows files written of files to write, with Cancel;
// what the job did comes back on the window's thread.
class ExportRunner : public QObject {
    Q_OBJECT
  public:
    // What an ended job did; the job itself is gone by then.
    struct Outcome {
        std::optional<base::FileError> error;
        bool cancelled = false;
        std::vector<std::string> written;
        std::vector<std::string> warnings;
        std::vector<std::string> notices;
    };
    using Done = std::function<void(const Outcome&)>;

    explicit ExportRunner(QWidget* window);
    ~ExportRunner() override;

    bool running() const { return thread_ != nullptr; }
    // Runs the job; `done` is called on the window's thread when it has ended.
    void start(std::unique_ptr<editor::ExportJob> job, Done done);
    // Stops the job before its next file; nothing it wrote stays.
    void cancel();
    // Waits for the running job to end and hands over what it did (the window closing).
    void finishNow();
    // Whether the progress dialog was shown for the job running or run last.
    bool progressShown() const { return shown_; }
    static constexpr int kDialogDelayMs = 500;
    // How long a job runs before the dialog shows (tests shorten it: a fast
    // machine writes their exports in about half a second).
    void setDialogDelay(int milliseconds) { dialogDelay_.setInterval(milliseconds); }

  signals:
    void runningChanged(bool running);

  private:
    void showDialog();
    void showProgress(int done, int total);
    void ended();

    QDialog* dialog_;
    QLabel* caption_;
    QProgressBar* bar_;
    QPushButton* cancelButton_;
    QTimer dialogDelay_;
    QThread* thread_ = nullptr;
    std::unique_ptr<editor::ExportJob> job_;
    std::optional<base::FileError> result_;
    std::atomic<bool> cancel_{false};
    Done done_;
    bool shown_ = false;
};

}  // namespace bevelmint::app
