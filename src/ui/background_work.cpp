#include "ui/background_work.h"

#include <exception>

#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include "core/texts.h"
#include "ui/controls.h"

namespace {

int g_running = 0;

// Well under the tenth of a second a window may stand still unnoticed.
constexpr int kQuietMilliseconds = 40;

// A progress dialog that cannot be closed or escaped: it goes when the work is done.
class CWorkProgressDialog : public QProgressDialog {
public:
    CWorkProgressDialog(QWidget* owner, const char* text) : QProgressDialog(owner)
    {
        setObjectName(QStringLiteral("workProgressDialog"));
        setWindowTitle(UiText(kProgramName));
        setLabelText(UiText(text));
        setCancelButton(nullptr);
        setRange(0, 0);
        setAutoClose(false);
        setAutoReset(false);
        setMinimumDuration(0);
        setMinimumWidth(320);
        setWindowModality(Qt::WindowModal);
    }

    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

bool IsBackgroundWorkRunning() { return g_running > 0; }

void RunInBackground(QWidget* owner, const char* text, const std::function<void()>& work)
{
    std::exception_ptr failure;
    QThread* thread = QThread::create([&work, &failure] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    });
    QEventLoop loop;
    // Queued to this thread, so the loop ends even when the work is over before it runs.
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    ++g_running;
    thread->start();
    // Work that is over before anyone would see the window wait shows no dialog at all,
    // instead of one that flashes up and goes.
    if (!thread->wait(QDeadlineTimer(kQuietMilliseconds))) {
        CWorkProgressDialog progress(owner, text);
        progress.show();
        loop.exec();
        thread->wait();
    }
    delete thread;
    --g_running;
    if (failure) {
        std::rethrow_exception(failure);
    }
}
