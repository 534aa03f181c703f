#pragma once
// How far the notes that came back from a conversion lie from the melody as heard: the notes are
// paired by pitch in order (a longest common subsequence, so that a lost note costs only
// itself), both lines aligned on their first pair.
#include "MidiNotes.h"
#include "TestPieces.h"

#include <algorithm>
#include <cmath>

struct OnsetFigures {
    qsizetype kept = 0;
    qsizetype total = 0;
    double medianMs = 0;
    double p95Ms = 0;
    // The error of the last note kept, as a part of the time from the first note to it.
    double endDrift = 0;
};

inline OnsetFigures onsetFigures(const QList<HeardNote>& melody, const QList<MidiNote>& back) {
    const qsizetype n = melody.size();
    const qsizetype m = back.size();
    QList<QList<int>> common(n + 1, QList<int>(m + 1, 0));
    for (qsizetype i = n - 1; i >= 0; --i)
        for (qsizetype j = m - 1; j >= 0; --j)
            common[i][j] = melody[i].pitch == back[j].note
                               ? common[i + 1][j + 1] + 1
                               : std::max(common[i + 1][j], common[i][j + 1]);
    QList<std::pair<qsizetype, qsizetype>> pairs;
    for (qsizetype i = 0, j = 0; i < n && j < m;) {
        if (melody[i].pitch == back[j].note && common[i][j] == common[i + 1][j + 1] + 1)
            pairs.append({i++, j++});
        else if (common[i + 1][j] >= common[i][j + 1])
            ++i;
        else
            ++j;
    }
    OnsetFigures figures;
    figures.total = n;
    figures.kept = pairs.size();
    if (pairs.isEmpty()) return figures;
    const auto [i0, j0] = pairs.first();
    QList<double> errors;
    for (const auto& [i, j] : pairs)
        errors.append(
            std::abs(double(back[j].on - back[j0].on) - (melody[i].onMs - melody[i0].onMs)));
    const auto [iLast, jLast] = pairs.last();
    const double span = melody[iLast].onMs - melody[i0].onMs;
    figures.endDrift = span > 0 ? errors.last() / span : 0;
    std::sort(errors.begin(), errors.end());
    figures.medianMs = errors[errors.size() / 2];
    figures.p95Ms =
        errors[std::min(errors.size() - 1, qsizetype(std::ceil(0.95 * errors.size())) - 1)];
    return figures;
}
