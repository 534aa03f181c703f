#pragma once
// Records every desktop update the association logic asks for.
#include "platform/DesktopIntegration.h"

class RecordingDesktopIntegration : public DesktopIntegration {
public:
    void apply(const QList<DesktopFileType>& types) override { applied.append(types); }

    // The MIME types that were ours after the last update.
    QStringList registeredMimeTypes() const {
        QStringList out;
        if (!applied.isEmpty())
            for (const DesktopFileType& t : applied.last())
                if (!t.openCommand.isEmpty()) out << t.mimeType;
        return out;
    }

    QList<QList<DesktopFileType>> applied;
};
