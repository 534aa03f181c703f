#include "keyboard/KeyCodeToName.h"

#include <QHash>

namespace {

const QHash<int, QString>& namedKeys() {
    static const QHash<int, QString> names = [] {
        QHash<int, QString> n{
            {27, QStringLiteral("Esc")},          {9, QStringLiteral("Tab")},
            {20, QStringLiteral("大写")},         {16, QStringLiteral("Shift")},
            {17, QStringLiteral("Ctrl")},         {18, QStringLiteral("Alt")},
            {8, QStringLiteral("退格")},          {13, QStringLiteral("回车")},
            {32, QStringLiteral("空格")},         {42, QStringLiteral("截屏")},
            {145, QStringLiteral("Scroll Lock")}, {19, QStringLiteral("Pause")},
            {45, QStringLiteral("Insert")},       {36, QStringLiteral("Home")},
            {33, QStringLiteral("PageUp")},       {46, QStringLiteral("Delete")},
            {35, QStringLiteral("End")},          {34, QStringLiteral("PageDown")},
            {38, QStringLiteral("上")},           {37, QStringLiteral("左")},
            {40, QStringLiteral("下")},           {39, QStringLiteral("右")},
            {144, QStringLiteral("Num Lock")},    {107, QStringLiteral("+小")},
            {109, QStringLiteral("-小")},         {106, QStringLiteral("*小")},
            {111, QStringLiteral("/小")},         {110, QStringLiteral(".小")},
            {91, QStringLiteral("左Windows键")},  {92, QStringLiteral("右Windows键")},
            {93, QStringLiteral("菜单键")},       {192, QStringLiteral("`")},
            {189, QStringLiteral("-")},           {187, QStringLiteral("=")},
            {220, QStringLiteral("\\")},          {219, QStringLiteral("[")},
            {221, QStringLiteral("]")},           {186, QStringLiteral(";")},
            {222, QStringLiteral("'")},           {188, QStringLiteral(",")},
            {190, QStringLiteral(".")},           {191, QStringLiteral("/")},
        };
        for (int f = 1; f <= 12; ++f)
            n.insert(111 + f, QStringLiteral("F%1").arg(f));
        for (int d = 0; d <= 9; ++d)
            n.insert(96 + d, QStringLiteral("%1小").arg(d));
        return n;
    }();
    return names;
}

} // namespace

QString KeyCodeToName(int code, bool capsLockOn) {
    if (const auto it = namedKeys().constFind(code); it != namedKeys().constEnd()) return *it;
    if (code >= 'A' && code <= 'Z') {
        const QChar letter(code);
        return capsLockOn ? QString(letter) : QString(letter.toLower());
    }
    if (code >= '0' && code <= '9') return QString(QChar(code));
    return QString::number(code);
}
