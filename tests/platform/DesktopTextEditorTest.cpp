#include "platform/DesktopTextEditor.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct PathGuard {
    PathGuard() : old(qgetenv("PATH")) {}
    ~PathGuard() { qputenv("PATH", old); }
    QByteArray old;
};

void makeExecutable(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
}

TEST(DesktopTextEditor, TakesTheFirstEditorOnThePath) {
    PathGuard guard;
    QTemporaryDir first, second;
    makeExecutable(second.filePath("gedit"));
    makeExecutable(first.filePath("mousepad"));
    makeExecutable(first.filePath("geany"));
    qputenv("PATH", (first.path() + ':' + second.path()).toUtf8());
    EXPECT_EQ(DesktopTextEditor::find(), second.filePath("gedit"));
}

TEST(DesktopTextEditor, NoneInstalledGivesNothing) {
    PathGuard guard;
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toUtf8());
    EXPECT_EQ(DesktopTextEditor::find(), QString());
}

} // namespace
