#pragma once

#include "core/model/document.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;

// The programmable keys: the key working mode and, in one frame per key mode,
// the function of each of the keys P1..P6. A modeless child of the main
// window without OK or Cancel: every pick is stored at once. A stored value
// that no item stands for shows the first item and stays stored until the
// user picks one.
//
// Controls: "Combo2" with "Label1", the frames "Frame1_0".."Frame1_2", the
// key lists "Combo1_0".."Combo1_17" (entry 6 (mode - 1) + key - 1) with the
// labels "Label2_<i>".
class FrmKey : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* FormName = "FrmKey";

    explicit FrmKey(Document& doc, QWidget* parent = nullptr);
    ~FrmKey() override;

private:
    void buildControls();
    void buildFrame(int mode);
    void ChangShowByLanguage();
    void InitCombos();
    void ShowKeys();

    Document& m_doc;
    QComboBox* m_mode = nullptr;       // Combo2
    QLabel* m_modeLabel = nullptr;     // Label1
    std::vector<QGroupBox*> m_frames;  // Frame1(mode - 1)
    std::vector<QComboBox*> m_keys;    // Combo1(entry)
};
