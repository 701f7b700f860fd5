// Long work beside the window: the progress dialog over the window, the event loop running
// meanwhile, errors of the work shown as usual, commands and closing refused until it ends.
#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <thread>

#include <QProgressDialog>
#include <QTimer>
#include <QtTest>

#include "core/exception.h"
#include "core/texts.h"
#include "job/job_file.h"
#include "ui/background_work.h"
#include "ui/guarded_call.h"
#include "ui/list_views.h"
#include "ui/main_window.h"
#include "ui/panel_order.h"
#include "ui_fixture.h"

namespace {

void Sleep(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

// Calls `check` every 10 ms on the user-interface thread while it lives.
class CTicker {
public:
    explicit CTicker(std::function<void()> check)
    {
        QObject::connect(&m_timer, &QTimer::timeout, std::move(check));
        m_timer.start(10);
    }

private:
    QTimer m_timer;
};

} // namespace

class CBackgroundWorkTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_fixture = std::make_unique<CUiFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void theWorkRunsOnAnotherThreadUnderAProgressDialog()
    {
        CMainWindow window(m_fixture->data);
        window.show();
        const QThread* mainThread = QThread::currentThread();
        const QThread* workThread = nullptr;
        int ticks = 0;
        bool dialogShown = false;
        bool windowModal = false;
        QString label;
        CTicker ticker([&] {
            ++ticks;
            if (auto* dialog = window.findChild<QProgressDialog*>("workProgressDialog"); dialog != nullptr) {
                dialogShown = dialogShown || dialog->isVisible();
                windowModal = dialog->windowModality() == Qt::WindowModal;
                label = dialog->labelText();
                // Neither Escape nor the close box ends it before the work does.
                dialog->reject();
                dialog->close();
                QVERIFY(dialog->isVisible());
                QVERIFY(IsBackgroundWorkRunning());
            }
        });

        RunInBackground(&window, LangText(T_WORK_RESTORING), [&] {
            workThread = QThread::currentThread();
            Sleep(300);
        });

        QVERIFY(workThread != nullptr && workThread != mainThread);
        // The loop went on while the work slept: about 30 ticks, far more than one.
        QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
        QVERIFY(dialogShown);
        QVERIFY(windowModal);
        QCOMPARE(label, QString("Restoring the inventory..."));
        QVERIFY(window.findChild<QProgressDialog*>("workProgressDialog") == nullptr);
        QVERIFY(!IsBackgroundWorkRunning());
    }

    // Work over in a moment shows no dialog that would flash up and go.
    void quickWorkShowsNoDialog()
    {
        struct CShowWatch : QObject {
            int shown = 0;
            bool eventFilter(QObject* object, QEvent* event) override
            {
                shown += event->type() == QEvent::Show && qobject_cast<QProgressDialog*>(object) != nullptr ? 1 : 0;
                return false;
            }
        } watch;
        qApp->installEventFilter(&watch);
        QWidget window;
        window.show();
        bool done = false;
        RunInBackground(&window, LangText(T_WORK_OPENING_JOB), [&] { done = true; });
        QVERIFY(done);
        QCOMPARE(watch.shown, 0);
        RunInBackground(&window, LangText(T_WORK_OPENING_JOB), [] { Sleep(150); });
        QCOMPARE(watch.shown, 1);
        qApp->removeEventFilter(&watch);
    }

    void anErrorOfTheWorkIsShownThroughThePlatform()
    {
        struct CASE {
            std::function<void()> work;
            std::string message;
        };
        const CASE cases[] = {
            {[] { KX_RAISE("Cannot restore inventory!"); }, "Cannot restore inventory!"},
            {[] { throw std::runtime_error("not ours"); }, kUnknownErrorText},
        };
        QWidget owner;
        for (const CASE& test : cases) {
            m_fixture->platform.messages.clear();
            QVERIFY(!GuardedCall(ErrorCaptions::Window,
                                 [&] { RunInBackground(&owner, LangText(T_WORK_OPENING_JOB), test.work); }));
            QCOMPARE(m_fixture->platform.messages.size(), std::size_t{1});
            QCOMPARE(m_fixture->platform.messages[0].text, test.message);
            QVERIFY(!IsBackgroundWorkRunning());
        }
    }

    void commandsAndClosingWaitForTheWork()
    {
        CMainWindow window(m_fixture->data);
        window.show();
        bool tried = false;
        CTicker ticker([&] {
            if (!tried && IsBackgroundWorkRunning()) {
                tried = true;
                window.RunCommand(kCmdTypesOfBars);
                window.close();
            }
        });
        RunInBackground(&window, LangText(T_WORK_SAVING_INVENTORY), [] { Sleep(200); });
        QVERIFY(tried);
        QVERIFY(window.CurrentPanel() == nullptr);
        QVERIFY(window.isVisible());
        // Afterwards both work again.
        window.RunCommand(kCmdTypesOfBars);
        QVERIFY(window.CurrentPanel() != nullptr);
        QVERIFY(window.close());
    }

    void theOrderListAsksTheJobNothingWhileAJobIsRead()
    {
        CMainWindow window(m_fixture->data);
        window.show();
        JOB_FILE job;
        job.name = "Large";
        const TYPE_OF_BAR type = m_fixture->data.GetTypeOfBar(0);
        job.orders.assign(200000, ORDER{type.profileCode, type.material, type.color, 1000, "W", 1, -1});
        const std::string path = m_fixture->folder.File("large.odr", "orders");
        m_fixture->folder.Write("orders/large.odr", WriteJobFile(job));
        m_fixture->OpenSampleJob();
        window.RunCommand(kCmdJob);
        auto* panel = dynamic_cast<CPanelOrder*>(window.CurrentPanel());
        QVERIFY(panel->OrderList()->model()->rowCount() > 0);
        m_fixture->platform.openPaths.push_back(path);
        int ticksDuringWork = 0;
        int rowsSeen = 0;
        CTicker ticker([&] {
            if (IsBackgroundWorkRunning()) {
                ++ticksDuringWork;
                rowsSeen = std::max(rowsSeen, panel->OrderList()->model()->rowCount());
                window.grab();
            }
        });
        window.RunCommand(kCmdOpenJob);
        QVERIFY(ticksDuringWork > 0);
        QCOMPARE(rowsSeen, 0);
        QCOMPARE(panel->OrderList()->model()->rowCount(), 200000);
        QCOMPARE(m_fixture->data.GetJobName(), std::string("Large"));
    }

private:
    std::unique_ptr<CUiFixture> m_fixture;
};

QTEST_MAIN(CBackgroundWorkTest)
#include "background_work_test.moc"
