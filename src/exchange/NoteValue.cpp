#include "exchange/NoteValue.h"

#include <algorithm>
#include <cmath>

namespace NoteValue {
namespace {

constexpr int kUnitsOf128th = kUnitsPerWhole / 128;
// A written code is within this fraction of the length it stands for (three decimals of the
// longest dotted code, 0.667 for 2/3, are off by a twentieth of a percent).
constexpr double kCodeTolerance = 0.002;

struct Kind {
    const char* type;
    int units; // of the plain value
};

// From the breve down to the 256th, whose plain and dotted forms are no whole number of units.
const Kind kKinds[] = {{"breve", 2 * kUnitsPerWhole}, {"whole", kUnitsPerWhole},
                       {"half", kUnitsPerWhole / 2},  {"quarter", kUnitsPerWhole / 4},
                       {"eighth", kUnitsPerWhole / 8}, {"16th", kUnitsPerWhole / 16},
                       {"32nd", kUnitsPerWhole / 32},  {"64th", kUnitsPerWhole / 64},
                       {"128th", kUnitsPerWhole / 128}, {"256th", kUnitsPerWhole / 256}};

bool whole(double units) {
    return units == std::floor(units);
}

// Plain and dotted values, longest first.
QList<Value> binaryValues() {
    QList<Value> values;
    for (const Kind& kind : kKinds) {
        const double dotted = kind.units * 1.5;
        if (whole(dotted) && int(dotted) % 2 == 0) values.append({int(dotted), kind.type, true, false});
        if (kind.units % 2 == 0 && kind.units >= kUnitsOf128th) values.append({kind.units, kind.type, false, false});
    }
    return values;
}

QList<Value> tripletValues() {
    QList<Value> values;
    for (const Kind& kind : kKinds)
        if (whole(kind.units * 2.0 / 3)) values.append({kind.units * 2 / 3, kind.type, false, true});
    return values;
}

const QList<Value>& allValues() {
    static const QList<Value> values = binaryValues() + tripletValues();
    return values;
}

} // namespace

int unitsOfCode(double code) {
    if (!(code > 0)) return 0;
    const double units = kUnitsPerWhole / code;
    for (const Value& value : allValues())
        if (std::abs(units - value.units) <= value.units * kCodeTolerance) return value.units;
    const double in128ths = std::round(std::min(units, 1e6) / kUnitsOf128th);
    return int(std::max(1.0, in128ths)) * kUnitsOf128th;
}

QList<Value> split(int units) {
    QList<Value> values;
    // The part that plain and dotted values cannot make: one triplet value.
    if (const int rest = units % kUnitsOf128th; rest != 0)
        for (const Value& triplet : tripletValues())
            if (triplet.units <= units && triplet.units % kUnitsOf128th == rest) {
                values.append(triplet);
                units -= triplet.units;
                break;
            }
    for (const Value& value : binaryValues())
        while (units >= value.units) {
            values.append(value);
            units -= value.units;
        }
    std::stable_sort(values.begin(), values.end(),
                     [](const Value& a, const Value& b) { return a.units > b.units; });
    return values;
}

} // namespace NoteValue
