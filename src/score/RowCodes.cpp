#include "score/RowCodes.h"

#include "core/NumberText.h"
#include "score/ScoreTiming.h"

#include <algorithm>
#include <cmath>

namespace {
// Plain, then dotted (written to three decimals, as the recorder writes them), then triplets.
constexpr const char* kPlain[] = {"0.5", "1.0", "2.0", "4.0", "8.0", "16.0", "32.0", "64.0"};
constexpr const char* kDottedAndTriplets[] = {
    "0.667", "1.333", "2.667", "5.333", "10.667", "21.333", "3.0", "6.0", "12.0", "24.0", "48.0"};
// Past this many decimals single precision holds nothing more.
constexpr int kMostDecimals = 9;
} // namespace

RowCodes::RowCodes(float tickCode, qint32 interval) : tickCode_(tickCode), interval_(interval) {
    // A code that would last a single slot is none: the engine gives the tick's own code two.
    for (const char* text : kPlain)
        if (const Code code{QLatin1String(text), slotsOf(QLatin1String(text))};
            code.slotCount >= 2) {
            plain_.append(code);
            usual_.append(code);
        }
    for (const char* text : kDottedAndTriplets)
        if (const Code code{QLatin1String(text), slotsOf(QLatin1String(text))}; code.slotCount >= 2)
            usual_.append(code);
    std::stable_sort(usual_.begin(), usual_.end(),
                     [](const Code& a, const Code& b) { return a.slotCount < b.slotCount; });
}

qint64 RowCodes::slotsOf(const QString& text) const {
    const float code = NumberText::toSingle(NumberText::leadingNumber(text));
    const qint32 hold = ScoreTiming::holdMilliseconds(tickCode_, code, interval_);
    return hold >= 1 ? ScoreTiming::firstSlotAfter(std::chrono::milliseconds(hold), interval_) : 1;
}

std::optional<RowCodes::Code> RowCodes::usual(double wanted, double tolerance) const {
    if (usual_.isEmpty()) return std::nullopt;
    const auto off = [wanted](const Code& code) {
        return std::abs(double(code.slotCount) - wanted);
    };
    // The nearest is the first code at least as long as wanted, or the one before it.
    const auto longer = std::lower_bound(
        usual_.cbegin(), usual_.cend(), wanted,
        [](const Code& code, double slotCount) { return double(code.slotCount) < slotCount; });
    const Code* nearest = longer == usual_.cend() ? &usual_.last() : &*longer;
    if (longer != usual_.cbegin() && off(*(longer - 1)) <= off(*nearest)) nearest = &*(longer - 1);
    if (off(*nearest) > tolerance) return std::nullopt;
    return *nearest;
}

std::optional<RowCodes::Code> RowCodes::plainAtMost(double most) const {
    for (const Code& code : plain_)
        if (double(code.slotCount) <= most) return code;
    return std::nullopt;
}

RowCodes::Code RowCodes::exact(qint64 wanted) const {
    wanted = std::max<qint64>(2, wanted);
    // The code's row lasts tickCode / code ticks: as few decimals as give exactly that.
    const double value = double(tickCode_) / double(wanted);
    for (int decimals = 3; decimals < kMostDecimals; ++decimals)
        if (const QString text = format(value, decimals); slotsOf(text) == wanted)
            return {text, wanted};
    const QString text = format(value, kMostDecimals);
    return {text, slotsOf(text)};
}

QString RowCodes::format(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    while (text.endsWith(u'0') && text.at(text.size() - 2) != u'.')
        text.chop(1);
    return text;
}
