#include "platform/midi/FluidSynthOutput.h"

#include "platform/midi/SoundFontLocator.h"

#include <QDir>

FluidSynthOutput::Config FluidSynthOutput::systemConfig() {
    Config config;
    config.soundFonts = SoundFontLocator::candidates(SoundFontLocator::systemFolders());
    return config;
}

FluidSynthOutput::FluidSynthOutput(Config config) : config_(std::move(config)) {}

bool FluidSynthOutput::open(QString& error) {
    const QString soundFont = SoundFontLocator::firstReadable(config_.soundFonts);
    if (soundFont.isEmpty()) {
        error = QStringLiteral("内置合成器找不到 General MIDI 音色库（SoundFont，.sf2 文件）。"
                               "请安装 fluid-soundfont-gm 软件包。");
        return false;
    }
    QString detail;
    std::unique_ptr<FluidSynthEngine> engine = FluidSynthEngine::create(config_.engine, detail);
    if (!engine) {
        error = QStringLiteral("内置合成器无法启动：%1").arg(detail);
        return false;
    }
    // The sound output first: without one there is no point in reading the SoundFont.
    if (!config_.audioDrivers.isEmpty() && !engine->startAudio(config_.audioDrivers, detail)) {
        error = QStringLiteral("内置合成器无法打开声音输出（%1）。\n%2")
                    .arg(config_.audioDrivers.join(QStringLiteral("、")), detail);
        return false;
    }
    if (!engine->loadSoundFont(soundFont, detail)) {
        error = QStringLiteral("内置合成器无法载入音色库 %1：%2")
                    .arg(QDir::toNativeSeparators(soundFont), detail);
        return false;
    }
    engine_ = std::move(engine);
    soundFont_ = soundFont;
    return true;
}

bool FluidSynthOutput::send(std::uint32_t message, QString& error) {
    if (engine_ && engine_->send(message)) return true;
    error = engine_ ? QStringLiteral("内置合成器不接受这条 MIDI 消息（0x%1）。")
                          .arg(message, 6, 16, QLatin1Char('0'))
                    : QStringLiteral("内置合成器没有启动。");
    return false;
}
