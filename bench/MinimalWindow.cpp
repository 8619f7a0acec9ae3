// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of the start-up and memory benchmarks: the least a Qt Widgets program of the
// game window's size does to get on screen. Like the game, it prints one line and ends
// once its window has painted when PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND=1.
#include <cstdio>

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

class ExitAfterFirstPaint : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_queued) {
            m_queued = true;
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    std::fputs("minimal: first paint\n", stdout);
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_queued = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(975, 715); // the game window with its menu bar
    ExitAfterFirstPaint exitAfterPaint;
    if (qEnvironmentVariableIntValue("PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND") == 1) {
        window.installEventFilter(&exitAfterPaint);
    }
    window.show();
    return application.exec();
}
