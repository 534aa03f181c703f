#pragma once
// The freedesktop.org way of owning file types: a MIME package per type, icons in the hicolor
// theme and a desktop entry for the program, all in the user's data folder. Every file name
// written is derived from our own MIME types and desktop id, so removing a type removes exactly
// what was written for it. The desktop's caches are refreshed with its own tools when installed.
#include "platform/DesktopIntegration.h"

#include <QByteArray>
#include <functional>

class XdgDesktopIntegration : public DesktopIntegration {
public:
    using Program = DesktopProgram;
    // Runs a tool by name with an argument list (never through a shell).
    using ToolRunner = std::function<void(const QString& tool, const QStringList& arguments)>;

    XdgDesktopIntegration(QString dataHome, Program program, ToolRunner runTool = runInstalledTool);
    void apply(const QList<DesktopFileType>& types) override;

    // $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
    static QString userDataHome();
    // Runs the tool when it is on the PATH and waits a bounded time; a missing tool is no error.
    static void runInstalledTool(const QString& tool, const QStringList& arguments);

private:
    // Puts each square PNG frame of `ico` at hicolor/NxN/<context>/<name>.png and removes the
    // name from every other size; an empty `ico` removes it everywhere. True when anything changed.
    bool placeIcons(const QString& context, const QString& name, const QByteArray& ico) const;
    QString path(const QString& relative) const { return dataHome_ + QLatin1Char('/') + relative; }

    QString dataHome_;
    Program program_;
    ToolRunner runTool_;
};
