// SPDX-License-Identifier: MIT
#include "ScriptedDraws.h"

#include <QTest>

ScriptedDraws::ScriptedDraws(std::initializer_list<int> values) : queue_(values) {
    previous_ = setRandomSource([this](int n) {
        ranges_.push_back(n);
        if (queue_.empty()) {
            if (!fallback_)
                QTest::qFail("a draw beyond the script", __FILE__, __LINE__);
            return fallback_.value_or(0);
        }
        const int value = queue_.front();
        queue_.pop_front();
        if (value < 0 || value >= n)
            QTest::qFail(qPrintable(QStringLiteral("draw %1 outside 0..%2").arg(value).arg(n - 1)),
                         __FILE__, __LINE__);
        return value;
    });
}

ScriptedDraws::~ScriptedDraws() {
    setRandomSource(std::move(previous_));
}

void ScriptedDraws::push(std::initializer_list<int> values) {
    queue_.insert(queue_.end(), values.begin(), values.end());
}
