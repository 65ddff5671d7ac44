#include "gui/app/frm_about.h"

#include "gui/app/fallback_icons.h"
#include "gui/base/lang_text.h"
#include "lang_text_ids.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* addLabel(QWidget* parent, QVBoxLayout* layout, const char* name, int textNumber)
{
    auto* label = new QLabel(LangText(textNumber), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(LangText(Txt::AboutCaption));
    auto* outer = new QHBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picIcon"));
    picture->setPixmap(treeIcon(true).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    outer->addWidget(picture);
    auto* layout = new QVBoxLayout;
    outer->addLayout(layout, 1);
    QLabel* title = addLabel(this, layout, "lblTitle", Txt::AboutTitle);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);
    addLabel(this, layout, "lblVersion", Txt::AboutVersion);
    addLabel(this, layout, "lblDescription", Txt::AboutDescription);
    addLabel(this, layout, "lblDisclaimer", Txt::AboutDisclaimer);
    auto* ok = new QPushButton(LangText(Txt::AboutOk), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(360);
}
