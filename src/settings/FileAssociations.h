#pragma once
// Turns the two association options into content of the association store (ApplyAssociation)
// and, after every change, brings the desktop in line with the store.
#include "core/AppPaths.h"
#include "platform/DesktopIntegration.h"

#include <array>

class CRegedit;

class FileAssociations {
public:
    struct Environment {
        AppPaths paths;
        QString programPath; // the running program's executable
        QString textEditor;  // the desktop's text editor for the edit verb; "" when there is none
    };

    static constexpr int kScoreIconResource = 104;
    // This program as the desktop lists it: desktop id "tonvale", its name and description, the
    // score icon.
    static DesktopProgram desktopProgram();
    static constexpr int kPlaylistIconResource = 102;
    static inline const QString kScoreExtension = QStringLiteral(".PIANO");
    static inline const QString kScoreTypeName = QStringLiteral("Qor_Tonvale乐谱文件");
    static inline const QString kPlaylistExtension = QStringLiteral(".PLIST");
    static inline const QString kPlaylistTypeName = QStringLiteral("Qor_Tonvale播放列表");
    static inline const QString kVerbName = QStringLiteral("编辑(&E)");

    FileAssociations(Environment environment, DesktopIntegration& desktop);

    // Registers the type when enabled and nothing (or a registration whose icon file is gone) is
    // there; removes this program's registration when not enabled. An empty icon path stands for
    // ICON/piano.ico, picture 0 for the embedded score icon.
    void ApplyAssociation(bool blnEnable, const QString& sExtension, const QString& sTypeName,
                          const QString& sIconPath, int intPictureResource);
    // Both types, score files first: what the start-up and the options dialog's Apply do.
    void applyOptions(const std::array<bool, 2>& blnAssociate);

    QString storePath() const;
    QString iconPath(const QString& fileName) const;

private:
    void refreshDesktop(const CRegedit& registry);

    Environment environment_;
    DesktopIntegration& desktop_;
};
