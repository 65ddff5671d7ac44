#include "gui/app/frm_pass_word.h"

#include "core/base/app_state.h"
#include "gui/base/lang_text.h"
#include "gui/base/twips.h"
#include "gui/base/widget_helpers.h"
#include "lang_text_ids.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>

namespace {

// The password box shows "*" for every character, whatever the style's own
// mask character is.
class StarMaskStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        if (hint == SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

FrmPassWord::FrmPassWord(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmPassWord"));
    AppState& state = AppState::instance();
    state.PasswordEntered = false;

    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    auto* mask = new StarMaskStyle;
    mask->setParent(m_text1);
    m_text1->setStyle(mask);
    m_text1->setEchoMode(QLineEdit::Password);
    m_text1->setMaxLength(MaxLength);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(twipsToPixels(50));
    grid->addWidget(m_label1, 0, 0, Qt::AlignRight);
    grid->addWidget(m_text1, 0, 1);
    QHBoxLayout* buttons = MakeOkCancelRow(this, m_ok, m_cancel);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    setWindowTitle(LangText(Txt::PasswordCaption));
    m_label1->setText(LangText(Txt::PasswordLabel));
    m_label1->setBuddy(m_text1);
    SetOkCancelCaptions(this);
    m_text1->setText(QString::fromLatin1(state.ProgPassword.c_str()).left(MaxLength));
    // The whole password selected: typing replaces it (a full box would
    // otherwise drop every key), and OK without typing keeps it.
    m_text1->selectAll();
    m_text1->setFocus();

    connect(m_ok, &QPushButton::clicked, this, &FrmPassWord::CommandOK_Click);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmPassWord::CommandOK_Click()
{
    // The radio keeps the password as single-byte characters.
    QString text = m_text1->text();
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    while (text.endsWith(u' '))
        text.chop(1);
    AppState& state = AppState::instance();
    state.ProgPassword = text.toLatin1().toStdString();
    state.PasswordEntered = true;
    accept();
}
