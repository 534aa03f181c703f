#include "app/CommandLine.h"

#include "core/ConversionFiles.h"
#include "core/NoteTable.h"
#include "core/VersionInfo.h"
#include "exchange/AudioExport.h"
#include "exchange/MidiConversion.h"
#include "exchange/MusicXmlConversion.h"
#include "exchange/PdfExport.h"
#include "platform/midi/FluidSynthAudioRenderer.h"
#include "score/CheckCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>

namespace CommandLine {
namespace {

struct Command;
using Handler = std::function<int(const Command& command, const QStringList& operands)>;

struct Command {
    const char* option;
    const char* operands; // as --help shows them
    const char* help;
    Handler run;
    // Draws text or pages: runs in a QGuiApplication on the offscreen platform.
    bool needsGui = false;
};

void complain(const QString& text) {
    QTextStream(stderr) << "tonvale: " << text << '\n';
}

int usage(const Command& command) {
    QTextStream(stderr) << "用法：tonvale " << command.option << ' ' << command.operands
                        << "\n（tonvale --help 列出全部命令）\n";
    return kUsage;
}

NoteTable embeddedNotes() {
    NoteTable notes;
    notes.loadEmbeddedNoteMap();
    return notes;
}

// Writes OUT from IN and returns "" or the reason it could not.
using Conversion = std::function<QString(const QString& in, const QString& out)>;

// A command "OPTION IN OUT": both files checked before the conversion runs.
Handler convertFile(Conversion convert) {
    return [convert](const Command& command, const QStringList& operands) {
        if (operands.size() != 2) return usage(command);
        QString error = ConversionFiles::check(operands[0], operands[1]);
        if (error.isEmpty()) error = convert(operands[0], operands[1]);
        if (error.isEmpty()) return kDone;
        complain(error);
        return kRefused;
    };
}

QString exportMidi(const QString& in, const QString& out) {
    return MidiConversion::exportScoreFile(in, out, embeddedNotes());
}

QString importMidi(const QString& in, const QString& out) {
    return MidiConversion::importMidiFile(in, out, embeddedNotes());
}

// "--no-keys" may stand anywhere after the option.
int exportPdf(const Command& command, const QStringList& operands) {
    QStringList files = operands;
    const bool withKeys = files.removeAll(QStringLiteral("--no-keys")) == 0;
    return convertFile([withKeys](const QString& in, const QString& out) {
        return PdfExport::exportScoreFile(in, out, embeddedNotes(), withKeys);
    })(command, files);
}

// The built-in synthesizer with no sound output: no sound card is needed.
QString exportAudio(const QString& in, const QString& out) {
    FluidSynthAudioRenderer renderer(FluidSynthOutput::systemConfig());
    return AudioExport::exportScoreFile(in, out, embeddedNotes(), renderer);
}

QString exportMusicXml(const QString& in, const QString& out) {
    return MusicXmlConversion::exportScoreFile(in, out, embeddedNotes());
}

QString importMusicXml(const QString& in, const QString& out) {
    return MusicXmlConversion::importMusicXmlFile(in, out, embeddedNotes());
}

int checkScores(const Command&, const QStringList& operands) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return CheckCommand::run(operands, embeddedNotes(), out, err);
}

int printVersion(const Command&, const QStringList&) {
    QTextStream(stdout) << "tonvale " << VersionInfo::versionText << '\n';
    return kDone;
}

int printHelp(const Command&, const QStringList&);

const QList<Command>& commands() {
    static const QList<Command> table{
        {"--check", "FILE...", "检查乐谱：列出与作者本意不同的行（FILE:行号: 原因）", checkScores},
        {"--export-midi", "IN.piano OUT.mid", "把乐谱导出为 MIDI 文件", convertFile(exportMidi)},
        {"--import-midi", "IN.mid OUT.piano", "把 MIDI 文件的旋律导入为乐谱", convertFile(importMidi)},
        {"--export-pdf", "IN.piano OUT.pdf [--no-keys]",
         "把乐谱印成 PDF（A4，音符下印默认键位的电脑按键；--no-keys 不印）", exportPdf, true},
        {"--export-audio", "IN.piano OUT", "把乐谱导出为音频（OUT 以 .wav、.flac 或 .ogg 结尾）",
         convertFile(exportAudio)},
        {"--export-musicxml", "IN.piano OUT.musicxml", "把乐谱导出为 MusicXML 文件",
         convertFile(exportMusicXml)},
        {"--import-musicxml", "IN.musicxml OUT.piano",
         "把 MusicXML 文件（.musicxml、.xml、.mxl）的旋律导入为乐谱", convertFile(importMusicXml)},
        {"--help", "", "显示本帮助", printHelp},
        {"--version", "", "显示版本", printVersion},
    };
    return table;
}

int printHelp(const Command&, const QStringList&) {
    QTextStream out(stdout);
    out << "用法：tonvale [文件]\n"
           "      tonvale 命令 [参数...]\n\n"
           "不带命令时打开窗口，并播放给出的文件（.piano 乐谱、.plist 播放列表、.mid MIDI 文件、\n"
           ".musicxml/.xml/.mxl MusicXML 文件）。\n"
           "以下命令不打开窗口，也不需要显示器：\n";
    for (const Command& command : commands()) {
        const QString form = QStringLiteral("%1 %2").arg(QLatin1String(command.option),
                                                          QLatin1String(command.operands));
        out << "  " << form.trimmed().leftJustified(39) << ' ' << command.help << '\n';
    }
    out << "\n退出状态：0 成功；1 文件被拒绝（原因写在标准错误输出）；2 用法错误。\n"
           "--check 的退出状态：0 没有发现，1 有发现，2 有文件无法读取。\n";
    return kDone;
}

} // namespace

std::optional<int> run(int argc, char** argv) {
    if (argc < 2) return std::nullopt;
    const QByteArray option = argv[1];
    // Single dashes are Qt's own options (-platform, -style) and start the window.
    if (!option.startsWith("--")) return std::nullopt;
    const Command* found = nullptr;
    for (const Command& command : commands())
        if (option == command.option) found = &command;
    // Commands draw without a display; nothing of the desktop is needed.
    if (found && found->needsGui) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (found && found->needsGui)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    if (!found) {
        complain(QStringLiteral("未知的选项 %1（tonvale --help 列出全部命令）").arg(QString::fromLocal8Bit(option)));
        return kUsage;
    }
    return found->run(*found, QCoreApplication::arguments().mid(2));
}

} // namespace CommandLine
