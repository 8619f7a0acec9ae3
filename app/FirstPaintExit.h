// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <functional>
#include <utility>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace pikora {

// Runs `then` once, as soon as the window has painted the first time and its paint has
// been flushed.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget& window, std::function<void()> then)
        : m_then(std::move(then))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_then) {
            QMetaObject::invokeMethod(qApp, std::exchange(m_then, nullptr), Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

// For the start-up benchmark (bench/StartupBench.cpp), which starts the game and a minimal
// Qt window the same way: with PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND=1 the window's program
// prints `line` and ends as soon as the window has painted (the game's first round
// included). Does nothing otherwise.
class FirstPaintExit : public QObject
{
public:
    FirstPaintExit(QWidget& window, const char* line)
        : m_line(line)
    {
        if (qEnvironmentVariableIntValue("PIKORA_BENCH_EXIT_AFTER_FIRST_ROUND") == 1) {
            window.installEventFilter(this);
        }
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_queued) {
            m_queued = true;
            // Queued, so it runs once the whole window has been painted and flushed.
            QMetaObject::invokeMethod(
                qApp,
                [line = m_line] {
                    std::fputs(line, stdout);
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    const char* m_line;
    bool m_queued = false;
};

} // namespace pikora
