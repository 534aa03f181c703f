#pragma once
// The options dialog's section 选项窗体 of the settings file: the gate that says options were
// applied once, and the values of the dialog's controls, read with the range rules of the file.
#include "core/AppPaths.h"

#include <QString>
#include <array>
#include <optional>

struct OptionValues {
    // The four check boxes, in the order of the file.
    enum Check { MouseFollow, OnlyOneApp, AssociateScores, AssociatePlaylists, CheckCount };

    int intCurrentTab = 0;
    QString alphaText = QStringLiteral("0");
    int titleOption = 1;
    int playListOption = 1;
    std::array<bool, CheckCount> checks{true, true, true, true};

    bool operator==(const OptionValues&) const = default;
};

class OptionsSection {
public:
    static inline const QString kSection = QStringLiteral("选项窗体");

    static QString settingsPath(const AppPaths& paths);
    // The gate: keyed by the company name, any non-empty value.
    static bool hasGate(const QString& settingsFile);
    // No value without the gate. Tab outside 0..2 and options outside 0..3 read as 0, checks
    // outside 0..1 as checked; the transparency text comes back as stored.
    static std::optional<OptionValues> read(const QString& settingsFile);
    // The gate first, then every value, in one rewrite of the file.
    static bool write(const QString& settingsFile, const OptionValues& values);
};
