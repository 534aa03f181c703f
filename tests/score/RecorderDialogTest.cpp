#include "RecorderFixture.h"
#include "score/frmRecordSetting.h"
#include "support/QuotedText.h"
#include "support/RecordingMidiBackend.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

QStringList instrumentNames(int count) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("乐器%1").arg(i);
    return names;
}

class RecorderDialog : public RecorderFixture {
protected:
    RecorderDialog() {
        midi.OpenMidiOut(-1);
        sound.setInstrumentNames(instrumentNames(128));
        sound.selectInstrument(5);
        sound.setPitchShift(36);
        recorder.StartRecording();
    }
    // A dialog shown as the user sees it.
    std::unique_ptr<frmRecordSetting> shown() {
        auto dialog = std::make_unique<frmRecordSetting>(recorder, sound, nullptr);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }
    QList<RecordingMidiBackend::Sent> programChanges() const {
        QList<RecordingMidiBackend::Sent> found;
        for (const auto& sent : backend.sent)
            if ((sent.status & 0xF0) == 0xC0) found << sent;
        return found;
    }

    RecordingMidiBackend backend;
    MMidiOut midi{backend, messages};
    SoundSettings sound{midi};
};

TEST_F(RecorderDialog, ShowsItsCaptionsAndTheMainWindowsChoices) {
    const auto dialog = shown();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("录制设置..."));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    QStringList labels;
    for (int i = 0; i < 4; ++i)
        labels << dialog->findChild<QLabel*>(QStringLiteral("Label%1").arg(i))->text();
    EXPECT_EQ(labels, QStringList({"乐器∶", "音调∶", "节拍∶", "速度∶"}));
    EXPECT_EQ(dialog->lblDescription[0]->text(), QStringLiteral("(乐谱拍子，如3/4)"));
    EXPECT_EQ(dialog->lblDescription[1]->text(), QStringLiteral("(每分钟多少拍)"));
    EXPECT_EQ(dialog->btnOk->text(), QStringLiteral("确定"));
    EXPECT_EQ(dialog->btnCancel->text(), QStringLiteral("取消"));
    EXPECT_EQ(dialog->txtRhythm->text(), QStringLiteral("3/4"));
    EXPECT_EQ(dialog->txtVelocity->text(), QStringLiteral("60"));
    EXPECT_EQ(dialog->ComSounds->currentIndex(), 5);
    EXPECT_EQ(dialog->HScrollYindiao->value(), 36);
    EXPECT_EQ(dialog->lblYindiao->text(), QStringLiteral("C"));
    EXPECT_FALSE(dialog->btnOk->isEnabled());
}

TEST_F(RecorderDialog, TheInstrumentListEndsAtEightySeven) {
    const auto dialog = shown();
    ASSERT_EQ(dialog->ComSounds->count(), 88);
    EXPECT_EQ(dialog->ComSounds->itemText(87), QStringLiteral("乐器87"));
}

TEST_F(RecorderDialog, TheKeyNameFollowsTheBar) {
    const auto dialog = shown();
    dialog->HScrollYindiao->setValue(37);
    EXPECT_EQ(dialog->lblYindiao->text(), QStringLiteral("C#"));
    dialog->HScrollYindiao->setValue(29);
    EXPECT_EQ(dialog->lblYindiao->text(), QStringLiteral("F"));
}

// Each way the user can change a setting; OK waits for one of them.
struct Change {
    const char* name;
    void (*make)(frmRecordSetting&);
};

void PrintTo(const Change& c, std::ostream* os) {
    *os << c.name;
}

class RecorderDialogChange : public RecorderDialog, public testing::WithParamInterface<Change> {};

TEST_P(RecorderDialogChange, EnablesOk) {
    const auto dialog = shown();
    ASSERT_FALSE(dialog->btnOk->isEnabled());
    GetParam().make(*dialog);
    EXPECT_TRUE(dialog->btnOk->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, RecorderDialogChange,
    testing::Values(
        Change{"instrument chosen", [](frmRecordSetting& d) { d.ComSounds->setCurrentIndex(7); }},
        Change{"key moved",
               [](frmRecordSetting& d) { QTest::keyClick(d.HScrollYindiao, Qt::Key_Right); }},
        Change{"rhythm erased",
               [](frmRecordSetting& d) { QTest::keyClick(d.txtRhythm, Qt::Key_Backspace); }},
        Change{"velocity typed", [](frmRecordSetting& d) { QTest::keyClick(d.txtVelocity, '5'); }},
        // A refused character still counts as a key typed.
        Change{"refused character typed",
               [](frmRecordSetting& d) { QTest::keyClick(d.txtVelocity, 'x'); }}));

TEST_F(RecorderDialog, SettingsMadeBeforeItShowsDoNotEnableOk) {
    frmRecordSetting dialog(recorder, sound, nullptr);
    dialog.HScrollYindiao->setValue(38);
    dialog.ComSounds->setCurrentIndex(2);
    dialog.show();
    EXPECT_FALSE(dialog.btnOk->isEnabled());
}

TEST_F(RecorderDialog, EnterAndCursorKeysDoNotEnableOk) {
    const auto dialog = shown();
    QTest::keyClick(dialog->txtVelocity, Qt::Key_Left);
    QTest::keyClick(dialog->txtVelocity, Qt::Key_Home);
    QTest::keyClick(dialog->txtVelocity, Qt::Key_Return);
    EXPECT_FALSE(dialog->btnOk->isEnabled());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(recorder.IsRecording());
}

TEST_F(RecorderDialog, OnlyTheFieldsCharactersCanBeTyped) {
    const auto dialog = shown();
    dialog->txtVelocity->clear();
    QTest::keyClicks(dialog->txtVelocity, QStringLiteral("7a2.5/ "));
    EXPECT_EQ(dialog->txtVelocity->text(), QStringLiteral("72.5"));
    dialog->txtRhythm->clear();
    QTest::keyClicks(dialog->txtRhythm, QStringLiteral("6/8.x"));
    EXPECT_EQ(dialog->txtRhythm->text(), QStringLiteral("6/8"));
    QTest::keyClick(dialog->txtRhythm, Qt::Key_Backspace);
    EXPECT_EQ(dialog->txtRhythm->text(), QStringLiteral("6/"));
}

struct TestTextCase {
    int typed;
    const char* allowed;
    bool backspace;
    int kept;
};

void PrintTo(const TestTextCase& c, std::ostream* os) {
    const char32_t typed = char32_t(c.typed);
    *os << quoted(QString::fromUcs4(&typed, 1)) << " in " << quoted(c.allowed)
        << (c.backspace ? "" : " without backspace");
}

class RecorderTestText : public testing::TestWithParam<TestTextCase> {};

TEST_P(RecorderTestText, KeepsAllowedCharactersOnly) {
    const TestTextCase c = GetParam();
    EXPECT_EQ(frmRecordSetting::TestText(c.typed, QString::fromUtf8(c.allowed), c.backspace),
              c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, RecorderTestText,
    testing::Values(TestTextCase{'5', "0123456789/", true, '5'},
                    TestTextCase{'/', "0123456789/", true, '/'},
                    TestTextCase{'/', "0123456789.", true, 0}, TestTextCase{'a', "ABC", true, 'a'},
                    TestTextCase{'B', "abc", true, 'B'}, TestTextCase{'d', "abc", true, 0},
                    TestTextCase{8, "0123", true, 8}, TestTextCase{8, "0123", false, 0},
                    TestTextCase{0, "0123", true, 0}, TestTextCase{22, "0123", true, 0},
                    TestTextCase{0x4E50, "乐谱", true, 0x4E50},
                    TestTextCase{0x1F600, "0123", true, 0}));

TEST_F(RecorderDialog, OkStartsTheRecordingAndAppliesInstrumentAndKey) {
    const auto dialog = shown();
    dialog->ComSounds->setCurrentIndex(2);
    dialog->HScrollYindiao->setValue(35);
    dialog->txtVelocity->clear();
    QTest::keyClicks(dialog->txtVelocity, QStringLiteral("72.5"));
    backend.sent.clear();
    QTest::mouseClick(dialog->btnOk, Qt::LeftButton);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(recorder.IsRecording());
    EXPECT_EQ(recorder.strRecordHead(), "%2\r\n!B\r\n?3/4\r\n$72.5\r\n");
    EXPECT_EQ(recorder.intRecordVelocity(), 72);
    EXPECT_EQ(recorder.intRecordRhythm(), 4);
    EXPECT_EQ(sound.instrumentIndex(), 2);
    EXPECT_EQ(sound.intYindiao(), 35);
    ASSERT_EQ(programChanges().size(), 1);
    EXPECT_EQ(programChanges()[0].data1, 2);
}

TEST_F(RecorderDialog, CancelStartsNothing) {
    const auto dialog = shown();
    dialog->HScrollYindiao->setValue(30);
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(recorder.IsRecording());
    EXPECT_TRUE(recorder.strRecordHead().isEmpty());
    EXPECT_EQ(sound.intYindiao(), 36);
}

TEST_F(RecorderDialog, AnInstrumentPastTheListStaysTheRecordingsUntilAnotherIsPicked) {
    sound.selectInstrument(100);
    const auto dialog = shown();
    EXPECT_EQ(dialog->ComSounds->currentIndex(), -1);
    EXPECT_EQ(dialog->ComSounds->placeholderText(), QStringLiteral("乐器100"));
    QTest::keyClick(dialog->txtRhythm, '4');
    backend.sent.clear();
    QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
    EXPECT_TRUE(recorder.strRecordHead().startsWith("%100\r\n"));
    EXPECT_EQ(sound.instrumentIndex(), 100);
    ASSERT_EQ(programChanges().size(), 1);
    EXPECT_EQ(programChanges()[0].data1, 100);
}

TEST_F(RecorderDialog, AnInstrumentPastTheListCanBeReplaced) {
    sound.selectInstrument(120);
    const auto dialog = shown();
    dialog->ComSounds->setCurrentIndex(87);
    QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
    EXPECT_TRUE(recorder.strRecordHead().startsWith("%87\r\n"));
    EXPECT_EQ(sound.instrumentIndex(), 87);
}

} // namespace
