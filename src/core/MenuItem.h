#pragma once
// One entry of a menu as the logic sees it: caption, shortcut, check, enabled and visible state.
// Widgets mirror it; commands attach to `triggered`. A caption of "-" is a separator.
#include <QObject>
#include <QString>

class MenuArray;

class MenuItem : public QObject {
    Q_OBJECT
public:
    MenuItem(const QString& caption, const QString& shortcut = {}, QObject* parent = nullptr);

    QString caption() const { return caption_; }
    QString shortcut() const { return shortcut_; }
    bool isSeparator() const { return caption_ == QLatin1String("-"); }
    bool checked() const { return checked_; }
    bool enabled() const { return enabled_; }
    bool visible() const { return visible_; }
    // The submenu this entry opens, if any.
    MenuArray* submenu() const { return submenu_; }

    void setCaption(const QString& caption);
    void setChecked(bool on);
    void setEnabled(bool on);
    void setVisible(bool on);
    void setSubmenu(MenuArray* submenu) { submenu_ = submenu; }
    // What a click does: the commands connected to `triggered` run.
    void trigger();

signals:
    void changed();
    void triggered();

private:
    QString caption_;
    QString shortcut_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    MenuArray* submenu_ = nullptr;
};
