#include "platform/DesktopTextEditor.h"
#include "support/EnvironmentGuard.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void makeExecutable(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
}

TEST(DesktopTextEditor, TakesTheFirstEditorOnThePath) {
    EnvironmentGuard guard("PATH");
    QTemporaryDir first, second;
    makeExecutable(second.filePath("gedit"));
    makeExecutable(first.filePath("mousepad"));
    makeExecutable(first.filePath("geany"));
    qputenv("PATH", (first.path() + ':' + second.path()).toUtf8());
    EXPECT_EQ(DesktopTextEditor::find(), second.filePath("gedit"));
}

TEST(DesktopTextEditor, NoneInstalledGivesNothing) {
    EnvironmentGuard guard("PATH");
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toUtf8());
    EXPECT_EQ(DesktopTextEditor::find(), QString());
}

} // namespace
