#pragma once

#include "core/editors/tone_tip_update.h"
#include "core/model/document.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;
class ToneSound;
class ToneTipPicture;

// The eight tone tips: a tab per tip with its loop count, its pause and the
// frequency and length of its fourteen tones (two columns of seven), the bar
// picture, and Play and Stop. A modeless child of the main window without OK
// or Cancel: every pick is stored at once. Showing a tip stores only what its
// lists cannot show. The channels' references to a tip whose loop count or
// lengths were edited and that no longer sounds are cleared when the editing
// is committed (the window loses the focus or closes, or the main window
// saves or starts a transfer), not on every pick; tips nobody edited keep
// their references.
//
// Playback runs on the event loop, reading each tone of the shown tip when it
// is due; closing the window stops it and releases the sound output.
class FrmToneTips : public QWidget, private DocumentObserver {
    Q_OBJECT
public:
    static constexpr const char* FormName = "FrmToneTips";

    explicit FrmToneTips(Document& doc, QWidget* parent = nullptr);
    ~FrmToneTips() override;

    // Clears the references to edited tips that no longer sound.
    void commitPendingEdits();

    int CurToneTip() const { return m_curToneTip; }
    bool isPlaying() const;
    ToneSound& sound() const { return *m_sound; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QComboBox* headerList(const QString& n, int left, QLabel*& label, ToneTipField field);
    void buildToneRow(int tone);
    void ChangShowByLanguage();
    void InitCombos();
    void ShowToneTip();
    void tabChanged(int index);
    void store(ToneTipField field, int tone, int value);
    void play();
    void StopPlay();
    void playbackEnded();
    void focusChanged(QWidget* old, QWidget* now);
    void documentChanged(const DocumentChange& change) override;
    const ToneTip& shownTip() const;

    Document& m_doc;
    int m_curToneTip = 1;
    QTabBar* m_tabs = nullptr;                         // TabStrip1
    QComboBox* m_loopCount = nullptr;                  // Combo1(0)
    QComboBox* m_interval = nullptr;                   // Combo2(0)
    QLabel* m_loopLabel = nullptr;                     // Label1(0)
    QLabel* m_intervalLabel = nullptr;                 // Label2(0)
    std::array<QComboBox*, ToneTipTones> m_freq{};     // Combo3
    std::array<QComboBox*, ToneTipTones> m_length{};   // Combo4
    std::array<QLabel*, ToneTipTones> m_toneLabels{};  // Label5
    std::array<QLabel*, 2> m_freqHeads{};              // Label3
    std::array<QLabel*, 2> m_lengthHeads{};            // Label4
    ToneTipPicture* m_picture = nullptr;               // Picture1(0)
    QPushButton* m_play = nullptr;                     // Command1(0)
    QPushButton* m_stop = nullptr;                     // Command2(0)
    QLabel* m_soundStatus = nullptr;                   // beside Play and Stop
    QPushButton* m_close = nullptr;
    QPushButton* m_help = nullptr;
    ToneSound* m_sound = nullptr;
    bool m_storing = false;  // our own store is being announced
    ToneTipEdits m_edits;
};
