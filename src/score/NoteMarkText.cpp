#include "score/NoteMarkText.h"

#include <cstdlib>

namespace NoteMarkText {

QString describe(const NoteMark& mark) {
    QString text;
    switch (mark.result) {
    case NoteMark::Result::RightFirstTime:
        text = QStringLiteral("首次弹对");
        break;
    case NoteMark::Result::RightAfterMistakes:
        text = QStringLiteral("弹错后弹对");
        break;
    case NoteMark::Result::Wrong:
        return QStringLiteral("弹错");
    case NoteMark::Result::Missed:
        return QStringLiteral("漏弹");
    }
    const qint64 ms = std::abs(mark.offsetMs);
    switch (mark.timing) {
    case NoteMark::Timing::None:
        break;
    case NoteMark::Timing::InTime:
        text += QStringLiteral("，准时（%1 %2 ms）")
                    .arg(mark.offsetMs < 0 ? QStringLiteral("早") : QStringLiteral("晚"))
                    .arg(ms);
        break;
    case NoteMark::Timing::Early:
        text += QStringLiteral("，早 %1 ms").arg(ms);
        break;
    case NoteMark::Timing::Late:
        text += QStringLiteral("，晚 %1 ms").arg(ms);
        break;
    }
    return text;
}

} // namespace NoteMarkText
