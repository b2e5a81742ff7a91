#pragma once
// Counts beeps and records message boxes; answers boxes from a queue (Ok when it is empty).
#include "common/notifier.h"

#include <QString>
#include <QStringList>
#include <deque>

namespace lmv::test {

class FakeNotifier : public common::Notifier {
public:
    void Beep() override { ++beeps; }
    common::BoxAnswer MessageBox(const QString& text, common::BoxIcon icon, common::BoxButtons,
                                 const QString&) override
    {
        boxes << text;
        icons.push_back(icon);
        if (answers.empty())
            return common::BoxAnswer::Ok;
        const common::BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    int beeps = 0;
    QStringList boxes;
    std::deque<common::BoxIcon> icons;
    std::deque<common::BoxAnswer> answers;
};

}
