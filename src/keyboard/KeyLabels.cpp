#include "keyboard/KeyLabels.h"

#include "keyboard/KeyCodeToName.h"
#include "keyboard/KeyEventTranslator.h"

#include <QHash>
#include <QSet>

namespace {

const QHash<QString, QString>& shortForms() {
    static const QHash<QString, QString> forms = [] {
        QHash<QString, QString> f{
            {QStringLiteral("大写"), QStringLiteral("Caps")},
            {QStringLiteral("退格"), QStringLiteral("Bksp")},
            {QStringLiteral("回车"), QStringLiteral("Enter")},
            {QStringLiteral("空格"), QStringLiteral("Space")},
            {QStringLiteral("截屏"), QStringLiteral("PrtSc")},
            {QStringLiteral("44"), QStringLiteral("PrtSc")}, // the Print key has no name of its own
            {QStringLiteral("Scroll Lock"), QStringLiteral("ScrLk")},
            {QStringLiteral("Num Lock"), QStringLiteral("NumLk")},
            {QStringLiteral("Insert"), QStringLiteral("Ins")},
            {QStringLiteral("Delete"), QStringLiteral("Del")},
            {QStringLiteral("PageUp"), QStringLiteral("PgUp")},
            {QStringLiteral("PageDown"), QStringLiteral("PgDn")},
            {QStringLiteral("上"), QStringLiteral("↑")},
            {QStringLiteral("下"), QStringLiteral("↓")},
            {QStringLiteral("左"), QStringLiteral("←")},
            {QStringLiteral("右"), QStringLiteral("→")},
            {QStringLiteral("左Windows键"), QStringLiteral("Win")},
            {QStringLiteral("右Windows键"), QStringLiteral("Win")},
            {QStringLiteral("菜单键"), QStringLiteral("Menu")},
            {QStringLiteral("12"), QStringLiteral("Clr")}, // the keypad's 5 with Num Lock off
            {QStringLiteral("226"), QStringLiteral("<>")}, // the extra key of international boards
        };
        for (int n = 13; n <= 24; ++n) // F13 to F24 are named by their codes
            f.insert(QString::number(111 + n), QStringLiteral("F%1").arg(n));
        return f;
    }();
    return forms;
}

// The names the keys of this platform produce with Caps Lock as given.
QSet<QString> producedNames(bool capsLockOn) {
    QSet<QString> names;
    for (const int code : KeyEventTranslator::virtualKeys())
        names.insert(KeyCodeToName(code, capsLockOn));
    return names;
}

} // namespace

KeyLabels::Labels KeyLabels::labels(Mode mode, const KeyMap& map, const NoteTable& notes,
                                    bool capsLockOn) {
    switch (mode) {
    case Mode::ComputerKeys:
        return computerKeys(map, capsLockOn);
    case Mode::NoteNames: {
        Labels out;
        for (int i = 0; i < NoteTable::kKeyCount; ++i)
            out[i] = noteLabel(notes.strNoteName(i));
        return out;
    }
    case Mode::None:
        break;
    }
    return {};
}

KeyLabels::Labels KeyLabels::computerKeys(const KeyMap& map, bool capsLockOn) {
    const QSet<QString> produced = producedNames(capsLockOn);
    Labels out;
    for (int i = 0; i < NoteTable::kKeyCount; ++i) {
        const QString name = map.strKeyName(i);
        if (produced.contains(name) && map.keyIndexOfName(name) == i) out[i] = keyLabel(name);
    }
    return out;
}

KeyLabels::Label KeyLabels::keyLabel(const QString& keyName) {
    const QString keypadMark = QStringLiteral("小");
    if (keyName.size() > 1 && keyName.endsWith(keypadMark)) return {keyName.chopped(1), 0, true};
    return {shortForms().value(keyName, keyName)};
}

KeyLabels::Label KeyLabels::noteLabel(const QString& noteName) {
    const QString separator = QStringLiteral(" / ");
    const qsizetype at = noteName.indexOf(separator);
    QString spelling = at < 0 ? noteName : noteName.mid(at + separator.size());
    spelling = spelling.trimmed();
    qsizetype lower = 0;
    while (lower < spelling.size() && spelling[lower] == u'.')
        ++lower;
    qsizetype upper = 0;
    while (upper < spelling.size() - lower && spelling[spelling.size() - 1 - upper] == u'.')
        ++upper;
    const QString degree = spelling.mid(lower, spelling.size() - lower - upper);
    if (degree.isEmpty()) return {};
    return {degree, int(upper - lower)};
}
