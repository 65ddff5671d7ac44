#include "gui/editors/frm_key.h"

#include "core/base/app_state.h"
#include "gui/base/combo_helpers.h"
#include "gui/base/lang_text.h"
#include "gui/base/twips.h"
#include "gui/base/widget_helpers.h"
#include "gui/editors/editor_controls.h"
#include "gui/editors/editor_layout.h"
#include "core/editors/key_update.h"
#include "lang_text_ids.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

using namespace EditorSize;

// Design sizes in twips.
constexpr int ClientWidth = 9240;
constexpr int ClientHeight = 3240;
constexpr int ModeLeft = 2400;
constexpr int ModeTop = 120;
constexpr int ModeWidth = 1455;
constexpr int FrameLeft = 120;
constexpr int FrameTop = 600;
constexpr int FrameWidth = 2880;
constexpr int FrameGap = 120;
constexpr int FrameHeight = 1860;
constexpr int KeyColumnLeft[] = {480, 1860};
constexpr int KeyWidth = 900;
constexpr int KeyTop = 360;
constexpr int KeyPitch = 480;
constexpr int KeysPerColumn = 3;
constexpr int ButtonTop = 2700;

QStringList itemsOf(const std::vector<std::string>& names)
{
    QStringList items;
    for (const std::string& name : names)
        items << QString::fromStdString(name);
    return items;
}

}  // namespace

FrmKey::FrmKey(Document& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setObjectName(QString::fromLatin1(FormName));
    buildControls();
    // Form_Load: the texts, the lists, the records. The lists store
    // only on a user's pick, so filling them stores nothing.
    ChangShowByLanguage();
    InitCombos();
    ShowKeys();
    FitEditorWindow(this, {});
}

FrmKey::~FrmKey()
{
    DisconnectChildrenFrom(this);
}

void FrmKey::buildControls()
{
    SetDesignSize(this, ClientWidth, ClientHeight);
    m_mode = new QComboBox(this);
    m_mode->setObjectName(QStringLiteral("Combo2"));
    m_mode->setGeometry(TwipsRect(ModeLeft, ModeTop, ModeWidth, ControlHeight));
    EnterMovesFocus(m_mode);
    connect(m_mode, &QComboBox::activated, this, [this](int position) { SetKeyMode(m_doc, position); });
    m_modeLabel = new QLabel(this);
    m_modeLabel->setObjectName(QStringLiteral("Label1"));
    for (int mode = 1; mode <= KeyModeCount; ++mode)
        buildFrame(mode);

    QPushButton* close = nullptr;
    QPushButton* help = nullptr;
    AddCloseHelpButtons(this, ClientWidth, ButtonTop, close, help);
    help->setVisible(AppState::instance().HelpAvailable);
}

// Key mode 1 on the left; inside a frame P1..P3 down the left column and
// P4..P6 down the right one.
void FrmKey::buildFrame(int mode)
{
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1_%1").arg(mode - 1));
    frame->setGeometry(TwipsRect(FrameLeft + (mode - 1) * (FrameWidth + FrameGap), FrameTop, FrameWidth, FrameHeight));
    m_frames.push_back(frame);
    for (int key = 1; key <= KeysPerMode; ++key) {
        const int entry = KeyEntry(mode, key);
        const int column = (key - 1) / KeysPerColumn;
        const int row = (key - 1) % KeysPerColumn;
        auto* combo = new QComboBox(frame);
        combo->setObjectName(QStringLiteral("Combo1_%1").arg(entry));
        combo->setGeometry(TwipsRect(KeyColumnLeft[column], KeyTop + row * KeyPitch, KeyWidth, ControlHeight));
        EnterMovesFocus(combo);
        connect(combo, &QComboBox::activated, this,
                [this, entry](int position) { SetKeyFunction(m_doc, entry, position); });
        m_keys.push_back(combo);
        auto* label = new QLabel(QStringLiteral("P%1").arg(key), frame);
        label->setObjectName(QStringLiteral("Label2_%1").arg(entry));
        PlaceLabelLeftOf(label, combo, LabelGap);
    }
}

void FrmKey::ChangShowByLanguage()
{
    setWindowTitle(LangText(Txt::KeysCaption));
    m_modeLabel->setText(LangText(Txt::KeyWorkingMode));
    PlaceLabelLeftOf(m_modeLabel, m_mode, LabelGap);
    m_modeLabel->setBuddy(m_mode);
    for (std::size_t k = 0; k < m_frames.size(); ++k)
        m_frames[k]->setTitle(LangText(Txt::KeyModeFrame) + QLatin1Char(' ') + QString::number(k + 1));
    // A key list is read as its frame and key: "Key mode 2, P1".
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        NameControl(m_keys[i], m_frames[i / KeysPerMode]->title() + QStringLiteral(", P%1").arg(i % KeysPerMode + 1));
    SetCloseHelpCaptions(this);
}

void FrmKey::InitCombos()
{
    m_mode->clear();
    m_mode->addItems(itemsOf(KeyWorkingModeNames()));
    // The first key list carries the functions; every other one is a copy of it.
    m_keys.front()->clear();
    m_keys.front()->addItems(itemsOf(KeyFunctionNames()));
    for (std::size_t i = 1; i < m_keys.size(); ++i) {
        m_keys[i]->clear();
        for (int item = 0; item < m_keys.front()->count(); ++item)
            m_keys[i]->addItem(m_keys.front()->itemText(item));
    }
}

void FrmKey::ShowKeys()
{
    SelectListIndex(m_mode, ShownKeyModePosition(m_doc));
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        SelectListIndex(m_keys[i], ShownKeyFunctionPosition(m_doc, static_cast<int>(i)));
}
