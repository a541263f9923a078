// SPDX-License-Identifier: MIT
#pragma once

#include "logic/RandomDraw.h"

#include <QList>
#include <QTest>

#include <optional>

// While one lives, draws come from a script instead of the clock: raw results 0 .. n - 1 of
// the draws that take them, in order. A draw beyond the script (unless a fallback is set) or
// outside the range asked for fails the running test.
class ScriptedDraws {
public:
    explicit ScriptedDraws(const QList<int>& values = {}) : queue_(values) {
        previous_ = setRandomSource([this](int n) {
            ranges_ << n;
            if (queue_.isEmpty() && !fallback_ && !overrun_++) // reported once: redraws repeat
                QTest::qFail("a draw beyond the script", __FILE__, __LINE__);
            const int value = queue_.isEmpty() ? fallback_.value_or(0) : queue_.takeFirst();
            if (value < 0 || value >= n)
                QTest::qFail(qPrintable(QStringLiteral("draw %1 of %2").arg(value).arg(n)),
                             __FILE__, __LINE__);
            return value;
        });
    }
    ~ScriptedDraws() { setRandomSource(std::move(previous_)); }
    Q_DISABLE_COPY_MOVE(ScriptedDraws)

    void push(const QList<int>& values) { queue_ << values; }
    // Every draw once the script is used up returns this.
    void setFallback(int value) { fallback_ = value; }
    int remaining() const { return int(queue_.size()); }
    // The n of every draw made so far.
    const QList<int>& ranges() const { return ranges_; }

private:
    QList<int> queue_;
    std::optional<int> fallback_;
    int overrun_ = 0;
    QList<int> ranges_;
    RandomSource previous_;
};
