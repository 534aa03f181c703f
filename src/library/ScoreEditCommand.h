#pragma once
// "编辑乐谱(&E)": the program started to edit the score of a list entry. The path is handed over as
// one argument, never through a shell, so blanks, quotes and other shell characters in it are safe.
#include <QString>
#include <QStringList>
#include <optional>

struct ScoreEditCommand {
    QString program;
    QStringList arguments;

    // The command for `entry` (its position suffix dropped, the path made absolute) in `editor`. None when there is no
    // editor, or when the editor is `self`: with scores associated with this program, opening
    // them "with the default program" would only play them again.
    static std::optional<ScoreEditCommand> forEntry(const QString& entry, const QString& editor,
                                                    const QString& self);
};
