#pragma once
// The one class through which every data file is read and written. Values keep line breaks as a
// marker, booleans are "1" and "0", and blank values are never written.
#include <QString>

class CIni {
public:
    int MaxLength_() const { return maxLength_; }
    void setMaxLength_(int bytes) { maxLength_ = bytes; }
    QString MyCrlf_() const { return myCrlf_; }
    void setMyCrlf_(const QString& marker) { myCrlf_ = marker; }

    bool WriteIniTF_(const QString& sSection_, const QString& sKeyWord_, bool bValue_,
                     const QString& sIniPath_, bool blnAutoAddDotINI = false) const;
    bool ReadIniTF_(const QString& sSection_, const QString& sKeyWord_, const QString& sIniPath_,
                    bool blnAutoAddDotINI = false) const;
    // True when the value was written, or queued inside a Batch of that file.
    bool WriteIniString_(const QString& sSection_, const QString& sKeyWord_, const QString& sValue_,
                         const QString& sIniPath_, bool blnAutoAddDotINI = false) const;
    QString ReadIniString_(const QString& sSection_, const QString& sKeyWord_,
                           const QString& sIniPath_, bool blnAutoAddDotINI = false) const;
    void DeleteKeyWord_(const QString& sSection_, const QString& sKeyWord_,
                        const QString& sIniPath_) const;
    void DeleteSection_(const QString& sSection_, const QString& sIniPath_) const;

    // Groups the writes to one file into a single atomic rewrite when the outermost Batch of that
    // file ends. Reads meanwhile see the pending content, exactly as if each write had gone to
    // disk; the file is looked at once, when the batch begins, so that loading a long list in one
    // Batch reads one state of it.
    class Batch {
    public:
        explicit Batch(const QString& iniPath);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Writes the file now (inside another batch of the same file: when the outermost ends);
        // false when that failed. Further writes start a new pending state.
        bool commit();

    private:
        QString path_;
    };

private:
    QString rawValue(const QString& section, const QString& key, const QString& path) const;

    int maxLength_ = 1024;
    QString myCrlf_ = QStringLiteral("@Quillon@");
};
